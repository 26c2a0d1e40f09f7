#pragma once
#include "outputs/serial/custom_comm.h"

// The serial port as the scan engine creates it; every property of TCustomComm is settable.
class TComm : public TCustomComm {
 public:
  using TCustomComm::TCustomComm;
};
