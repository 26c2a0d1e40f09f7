#pragma once
#include "outputs/custom_comm.h"

// The serial port as the scan engine creates it; every property of TCustomComm is settable.
class TComm : public TCustomComm {
 public:
  using TCustomComm::TCustomComm;
};
