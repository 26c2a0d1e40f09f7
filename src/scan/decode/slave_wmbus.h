#pragma once
#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "scan/decode/slave_mbus.h"
#include "scan/decode/variable_mbus.h"

// A meter heard over the air. Its identity is the four application-layer
// fields; the link-layer fields only describe the first frame heard.
class TSlave_wMBus {
 public:
  TSlave_wMBus() = default;
  ~TSlave_wMBus() { Cancel_Var(); }
  TSlave_wMBus(const TSlave_wMBus&) = delete;
  TSlave_wMBus& operator=(const TSlave_wMBus&) = delete;

  // Frees the records last first; the meter stays.
  void Cancel_Var() { Free_Records(List_Var); }

  uint8_t Message_Type = 0;  // C field of the first frame heard
  uint16_t LLA_Manufacturer = 0;
  QString LLA_Manu_str;
  int32_t LLA_Address = 0;
  uint8_t LLA_Version = 0;
  uint8_t LLA_DeviceType = 0;
  uint16_t ALA_Manufacturer = 0;
  QString ALA_Manu_str;
  int32_t ALA_Address = 0;
  uint8_t ALA_Version = 0;
  uint8_t ALA_DeviceType = 0;
  int8_t RSSI = 0;
  QDateTime DateTime;    // when the last decoded frame arrived (the decoder keeps it in UTC)
  bool Cripted = false;  // the last frame was not readable
  bool Enable = true;
  bool Enable_Key = false;
  std::array<uint8_t, 16> Key{};
  int32_t RadioCrafts_Ind_Tab_Decript = 0;  // the frame decoder sets -1 when it adds the meter
  TList_Var List_Var;
  void* Node = nullptr;  // the wireless tree's entry for this meter; opaque here
};

using TList_Slave_wMBus = std::vector<std::unique_ptr<TSlave_wMBus>>;
