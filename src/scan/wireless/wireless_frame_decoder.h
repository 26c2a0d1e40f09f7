#pragma once
// Decoding of the wireless meter frames that the radio module passes on while it
// receives. One datagram is one frame followed by the module's bytes:
//
//   Telit:       frame (L + 1 bytes) + 1 module byte + signal-strength byte  = L + 3
//   Radiocrafts: frame (L bytes)     + signal-strength byte                  = L + 1
//
// Frame bytes: 0 L, 1 C, 2-3 manufacturer, 4-7 identification number, 8 version,
// 9 device type (link layer), 10 CI. With CI 7A, 8C or 8D the meter's identity is the
// link layer's; any other CI carries a long transport header with the meter's own
// identity: 11-14 identification number, 15-16 manufacturer, 17 version, 18 device type.
// Encryption: wmbus_security.h; readability and record start: wmbus_readability.h.
#include <QDateTime>
#include <cstdint>
#include <functional>
#include <mutex>

#include "scan/decode/slave_wmbus.h"
#include "scan/decode/telegram_decoder.h"
#include "scan/wireless/radio_module.h"

// Runs on the receive thread once per frame that reached the decoder: the meter's
// position in the list and the meter (null when only the index is wanted). It must only
// hand the report on to the window's thread; the meter is read there under the list lock.
using TNotify_Wireless_Slave = std::function<void(int32_t Index, TSlave_wMBus* Slave)>;

// What one datagram did to the meter list.
enum class Wireless_Frame_Result {
  Readable,      // the meter's records were replaced by the frame's
  Not_Readable,  // the meter is shown encrypted, without records
  Key_Refused,   // mode 7 with a wrong key: the meter was left as it was
  Dropped,       // too short to name a meter, or it could not be decoded: nothing changed
};

class Wireless_Frame_Decoder {
 public:
  // The list and its lock belong to the scan engine; the window and the key
  // registration take the same lock while they read a meter.
  Wireless_Frame_Decoder(TList_Slave_wMBus& list, std::mutex& list_lock);

  // Set while no frame is being decoded (before reception starts).
  void Set_Callback(TNotify_Wireless_Slave callback, bool from_dll);
  // The clock of the frames' arrival time, UTC by default (tests fix it).
  void Set_Clock(std::function<QDateTime()> now) { now_ = std::move(now); }

  // Adds or refreshes one meter from one datagram and reports it once. A datagram whose
  // length does not match its L field for the module is dropped without a report. Never
  // reads outside the datagram; an exception while decoding drops only this frame.
  Wireless_Frame_Result Decode_Wireless_Frame(const uint8_t* Ans_Array, int Ans_Len, TRadioModule RadioModule);

  // Index of the first meter with this application-layer identity, or -1. The caller
  // holds the list lock.
  int Find_Slave_Wireless(uint16_t Manufacturer, int32_t Address, uint8_t Version, uint8_t DeviceType) const;

  // Whether the datagram's length is the module's length for its L field.
  static bool Length_Matches(const uint8_t* Ans_Array, int Ans_Len, TRadioModule RadioModule);
  // The signal strength shown for a module's last byte.
  static int8_t Signal_Strength(uint8_t r, TRadioModule RadioModule);

 private:
  Wireless_Frame_Result Decode_Locked(uint8_t* frame, int frame_len, int8_t rssi, int& index, TSlave_wMBus*& slave);
  void Notify_Wireless_Slave(int32_t Index, TSlave_wMBus* Slave);

  TList_Slave_wMBus& list_;
  std::mutex& list_lock_;
  Telegram_Decoder records_;  // receive thread only
  TNotify_Wireless_Slave callback_;
  bool from_dll_ = false;
  std::function<QDateTime()> now_;
};
