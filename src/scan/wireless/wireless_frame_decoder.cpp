#include "scan/wireless/wireless_frame_decoder.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <new>
#include <stdexcept>

#include "scan/decode/mbus_texts.h"
#include "scan/wireless/wmbus_readability.h"
#include "scan/wireless/wmbus_security.h"

namespace {

// Bytes after the frame in a datagram of each module.
int Module_Bytes(TRadioModule module) { return module == rmTelit ? 2 : 1; }

// The link-layer identity ends at byte 9 and the CI field is byte 10.
constexpr int kMin_Frame = 11;
// The long transport header's identity ends at byte 18.
constexpr int kMin_Long_Header = 19;
// Larger than any datagram the engine accepts; a longer one is refused whole.
constexpr int kMax_Datagram = 2051;

int32_t Le32(const uint8_t* b) {
  return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                              static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
}

uint16_t Le16(const uint8_t* b) { return static_cast<uint16_t>(b[0] | b[1] << 8); }

struct Identity {
  uint16_t manufacturer = 0;
  int32_t address = 0;
  uint8_t version = 0;
  uint8_t device_type = 0;
};

}  // namespace

namespace {

// The time now, kept in UTC: a local time would look up the zone's offset for
// every frame, which costs more than decrypting it. The window shows it in local
// time to the second, so the kernel's coarse clock (a few milliseconds) serves and
// costs less than the precise one. Frames that arrive within one tick of that
// clock share the time made for the first of them.
QDateTime Utc_Now() {
  timespec now{};
  if (clock_gettime(CLOCK_REALTIME_COARSE, &now) != 0) return QDateTime::currentDateTimeUtc();
  const qint64 msecs = static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
  thread_local qint64 last_msecs = -1;
  thread_local QDateTime last;
  if (msecs != last_msecs) {
    last = QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
    last_msecs = msecs;
  }
  return last;
}

}  // namespace

Wireless_Frame_Decoder::Wireless_Frame_Decoder(TList_Slave_wMBus& list, std::mutex& list_lock)
    : list_(list), list_lock_(list_lock), now_(Utc_Now) {
  records_.MBusType = mtWireless;
}

void Wireless_Frame_Decoder::Set_Callback(TNotify_Wireless_Slave callback, bool from_dll) {
  callback_ = std::move(callback);
  from_dll_ = from_dll;
}

bool Wireless_Frame_Decoder::Length_Matches(const uint8_t* Ans_Array, int Ans_Len, TRadioModule RadioModule) {
  if (Ans_Array == nullptr || Ans_Len < 1 || Ans_Len > kMax_Datagram) return false;
  return Ans_Len == Ans_Array[0] + (RadioModule == rmTelit ? 3 : 1);
}

int8_t Wireless_Frame_Decoder::Signal_Strength(uint8_t r, TRadioModule RadioModule) {
  if (RadioModule == rmTelit) return static_cast<int8_t>(static_cast<uint8_t>(-static_cast<int>(r) - 2));
  // Integer division rounds toward zero, as the module's scale expects.
  return static_cast<int8_t>(static_cast<int8_t>(r) / 2 + 1);
}

int Wireless_Frame_Decoder::Find_Slave_Wireless(uint16_t Manufacturer, int32_t Address, uint8_t Version,
                                                uint8_t DeviceType) const {
  for (size_t i = 0; i < list_.size(); ++i) {
    const TSlave_wMBus& s = *list_[i];
    if (s.ALA_Manufacturer == Manufacturer && s.ALA_Address == Address && s.ALA_Version == Version &&
        s.ALA_DeviceType == DeviceType) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

Wireless_Frame_Result Wireless_Frame_Decoder::Decode_Wireless_Frame(const uint8_t* Ans_Array, int Ans_Len,
                                                                    TRadioModule RadioModule) {
  if (!Length_Matches(Ans_Array, Ans_Len, RadioModule)) return Wireless_Frame_Result::Dropped;
  const int frame_len = Ans_Len - Module_Bytes(RadioModule);
  if (frame_len < kMin_Frame) return Wireless_Frame_Result::Dropped;

  // Decryption works in place on a copy: the caller's datagram stays as it came.
  std::array<uint8_t, kMax_Datagram> frame;  // only the first frame_len bytes are ever read
  std::copy(Ans_Array, Ans_Array + frame_len, frame.begin());
  const int8_t rssi = Signal_Strength(Ans_Array[Ans_Len - 1], RadioModule);

  int index = -1;
  TSlave_wMBus* slave = nullptr;
  Wireless_Frame_Result result = Wireless_Frame_Result::Dropped;
  try {
    std::lock_guard lock(list_lock_);
    result = Decode_Locked(frame.data(), frame_len, rssi, index, slave);
  } catch (const std::exception&) {
    // One frame that cannot be decoded must not stop the reception of the next.
    return Wireless_Frame_Result::Dropped;
  }
  if (index >= 0) Notify_Wireless_Slave(index, slave);
  return result;
}

Wireless_Frame_Result Wireless_Frame_Decoder::Decode_Locked(uint8_t* frame, int frame_len, int8_t rssi, int& index,
                                                            TSlave_wMBus*& slave) {
  const uint8_t ci = frame[10];
  const bool link_identity = ci == 0x7A || ci == 0x8C || ci == 0x8D;
  if (!link_identity && frame_len < kMin_Long_Header) return Wireless_Frame_Result::Dropped;
  Identity app;
  if (link_identity) {
    app = {Le16(frame + 2), Le32(frame + 4), frame[8], frame[9]};
  } else {
    app = {Le16(frame + 15), Le32(frame + 11), frame[17], frame[18]};
  }

  index = Find_Slave_Wireless(app.manufacturer, app.address, app.version, app.device_type);
  if (index < 0) {
    auto added = std::make_unique<TSlave_wMBus>();
    added->Message_Type = frame[1];
    added->ALA_Manufacturer = app.manufacturer;
    added->ALA_Manu_str = Trova_Man(app.manufacturer);
    added->ALA_Address = app.address;
    added->ALA_Version = app.version;
    added->ALA_DeviceType = app.device_type;
    added->LLA_Manufacturer = Le16(frame + 2);
    added->LLA_Manu_str = Trova_Man(added->LLA_Manufacturer);
    added->LLA_Address = Le32(frame + 4);
    added->LLA_Version = frame[8];
    added->LLA_DeviceType = frame[9];
    added->RSSI = rssi;
    added->RadioCrafts_Ind_Tab_Decript = -1;
    list_.push_back(std::move(added));
    index = static_cast<int>(list_.size()) - 1;
    slave = list_.back().get();
    // A meter heard for the first time has no key yet: its frame is decoded as it stands.
  } else {
    slave = list_[static_cast<size_t>(index)].get();
    if (slave->Enable_Key) {
      if (wmbus_security::Is_Mode5(frame, frame_len)) {
        wmbus_security::Decrypt_Mode5(frame, frame_len, slave->Key);
      } else if (wmbus_security::Decrypt_Mode7(frame, frame_len, slave->Key) == wmbus_security::Outcome::Wrong_Key) {
        return Wireless_Frame_Result::Key_Refused;
      }
    }
  }

  // The records go as the meter's records are cleared; their objects serve the new ones.
  records_.Recycle_Records(slave->List_Var);
  slave->DateTime = now_();
  slave->RSSI = rssi;
  const int start = wmbus_readability::Records_Start(frame, frame_len);
  slave->Cripted = start < 0;
  if (start < 0) return Wireless_Frame_Result::Not_Readable;
  if (start < frame_len) {
    records_.Decode_Data_Records(slave->List_Var, frame_len - 1 - start, frame + start);
  }
  return Wireless_Frame_Result::Readable;
}

void Wireless_Frame_Decoder::Notify_Wireless_Slave(int32_t Index, TSlave_wMBus* Slave) {
  if (!callback_) return;
  try {
    callback_(Index, from_dll_ ? nullptr : Slave);
  } catch (...) {
    // A failing listener must not stop the reception.
  }
}
