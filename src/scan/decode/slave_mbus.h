#pragma once
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "scan/decode/variable_mbus.h"

// A meter's decoded records in telegram order; the meter owns them.
using TList_Var = std::vector<std::unique_ptr<TVariable_MBus>>;

// Frees the records last first, as the window expects when it drops tree entries.
void Free_Records(TList_Var& list);

// A meter found on the wired M-Bus, filled from its first RSP_UD telegram.
class TSlave_MBus {
 public:
  TSlave_MBus() = default;
  ~TSlave_MBus() { Free_Records(List_Var); }
  TSlave_MBus(const TSlave_MBus&) = delete;
  TSlave_MBus& operator=(const TSlave_MBus&) = delete;

  uint16_t Primary_Addresss = 0;
  QString Secondary_Addresss;  // identification number as hexadecimal text (its BCD digits)
  int32_t Manufacture = 0;
  int32_t Version = 0;
  int32_t Medium = 0;
  int32_t Status = 0;
  QString descManufacture;
  QString descmedium;
  QString description;
  // Why the meter's records could not be read ("fixed data structure"); empty when they were.
  QString Not_Readable;
  TList_Var List_Var;
  void* Node = nullptr;  // the wired tree's entry for this meter; opaque here
};

using TList_Slave_MBus = std::vector<std::unique_ptr<TSlave_MBus>>;
