#pragma once
// The wireless scan: one step per call on the scan thread.
//
// Step codes: 0..3 gateway set-up (configuration mode, radio-module type);
// 100..134 Telit set-up and reception (134); 200..221 Telit key registration;
// 300..320 Radiocrafts set-up, key-table erase and reception (320); 400..419
// Radiocrafts key registration; 500..503 the end sequence. Radio-module dialogues:
// scan/radio_module_commands.h.
//
// Reception (datagrams shaped like radio frames go to the frame decoder) is switched on
// with the command that starts it ("ATO", "X") and off only when the module has
// confirmed the command that ends it, so frames already on their way never stand in
// for a command's answer.
#include <QByteArray>
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>

#include "scan/decode/slave_wmbus.h"
#include "scan/wireless/radio_module.h"
#include "scan/wireless/wireless_scan_host.h"

class Wireless_Scan_Machine {
 public:
  static constexpr int32_t kTelit_Receive = 134;
  static constexpr int32_t kRadiocrafts_Receive = 320;
  static constexpr int32_t kEnd = 500;
  static constexpr int32_t kFinished = 503;

  // The meter list and its lock belong to the engine; the key registration reads a
  // meter only under the lock.
  Wireless_Scan_Machine(Wireless_Scan_Host& host, TList_Slave_wMBus& list, std::mutex& list_lock);

  // Prepares a scan from step 0 (the engine has checked that none runs).
  void Start(int32_t wMBusMode, int32_t wMBusRadioChannel, int32_t Add_TimeOut);

  // One step (the scan thread).
  void Scan_Decode_Wireless();

  // The window's thread: registers the key of the meter at Index. Refused (false) while
  // the module does not receive, for an index outside the list, and for a 65th
  // Radiocrafts key. The meter gets its key at once; the registration in the module
  // is handed to the scan thread, which starts it at its next step.
  bool Insert_Wireless_Key(int32_t Index, const std::array<uint8_t, 16>& Key);

  int32_t Step_Scan() const { return step_.load(); }
  TRadioModule RadioModule() const { return radio_module_.load(); }

 private:
  struct Key_Request {
    int32_t index;
    std::array<uint8_t, 16> key;
  };

  void Telit_Step(int32_t step);
  void Radiocrafts_Step(int32_t step);
  void End_Step(int32_t step);
  void Send(const QByteArray& bytes, int32_t timeout_ms);
  void Send(std::string_view text) { Send(QByteArray(text.data(), static_cast<qsizetype>(text.size())), gateway_); }
  void Send_Byte(uint8_t byte, int32_t timeout_ms);
  // A waiting step: moves to next on the expected answer, fails on any other or on the time-out.
  void Expect(bool (*accepted)(const QByteArray&), int32_t next);
  // A step that goes on with any answer or with the time-out.
  void Either(int32_t next);
  void Fail();
  void Go(int32_t step) { step_.store(step); }
  bool Start_Pending_Key();
  int32_t Telit_After_OK(int32_t command_step) const;
  QByteArray Telit_Command(int32_t command_step) const;

  Wireless_Scan_Host& host_;
  TList_Slave_wMBus& list_;
  std::mutex& list_lock_;

  std::atomic<int32_t> step_{0};
  std::atomic<TRadioModule> radio_module_{rmTelit};
  int32_t wMBusMode = 5;
  int32_t wMBusRadioChannel = 0;
  int32_t gateway_ = 1000;  // time-out of a gateway or module command: Add_TimeOut + 1000
  int32_t Add_TimeOut = 0;
  std::array<uint8_t, 16> Wireless_Key{};
  int32_t Wireless_Key_Index = -1;
  int32_t Index_Key_Send = 0;
  int32_t Index_RadioCrafts_Erase_Position = 0;
  int32_t Count_Disable_Analyzer = 0;
  // The identity and key-table position of the meter being registered, read under the list lock.
  uint16_t key_manufacturer_ = 0;
  int32_t key_address_ = 0;
  uint8_t key_version_ = 0;
  uint8_t key_device_type_ = 0;
  uint8_t key_position_ = 0;

  std::mutex request_lock_;  // the pending key and the Radiocrafts position counter
  std::optional<Key_Request> pending_key_;
  int32_t Index_RadioCrafts_Position_Used = 1;
};
