#include "scan/wireless/wireless_scan_machine.h"

#include "scan/engine/gateway_commands.h"
#include "scan/wireless/radio_module_commands.h"

namespace {

QByteArray Bytes(std::string_view text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

template <size_t N>
QByteArray Bytes(const std::array<uint8_t, N>& block) {
  return QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(N));
}

bool Is(const QByteArray& answer, std::string_view expected) { return answer == Bytes(expected); }
bool Telit_OK(const QByteArray& answer) { return Is(answer, radio_module::kTelit_OK); }
bool Prompt(const QByteArray& answer) { return Is(answer, radio_module::kRadiocrafts_Prompt); }
bool Prompt_First(const QByteArray& answer) { return !answer.isEmpty() && answer[0] == '>'; }
// The module's memory: 256 bytes, then its prompt.
bool Memory_Read(const QByteArray& answer) {
  return answer.size() == static_cast<qsizetype>(radio_module::kRadiocrafts_Memory_Size + 1) && answer.back() == '>';
}
bool Configuration_Enabled(const QByteArray& answer) { return Is(answer, gateway::kConfiguration_Mode_Enabled); }

bool N_Mode(int32_t mode) { return mode == radio_module::kMode_N1 || mode == radio_module::kMode_N2; }

}  // namespace

Wireless_Scan_Machine::Wireless_Scan_Machine(Wireless_Scan_Host& host, TList_Slave_wMBus& list, std::mutex& list_lock)
    : host_(host), list_(list), list_lock_(list_lock) {}

void Wireless_Scan_Machine::Start(int32_t mode, int32_t channel, int32_t add_timeout) {
  wMBusMode = mode;
  wMBusRadioChannel = channel;
  Add_TimeOut = add_timeout;
  gateway_ = add_timeout + 1000;
  {
    std::lock_guard lock(request_lock_);
    pending_key_.reset();
  }
  Go(0);
}

void Wireless_Scan_Machine::Send(const QByteArray& bytes, int32_t timeout_ms) {
  host_.Set_TimeOut(timeout_ms);
  host_.Send_Wireless(bytes);
}

void Wireless_Scan_Machine::Send_Byte(uint8_t byte, int32_t timeout_ms) {
  Send(QByteArray(1, static_cast<char>(byte)), timeout_ms);
}

void Wireless_Scan_Machine::Fail() {
  host_.Set_Result(2);
  Go(kEnd);
}

void Wireless_Scan_Machine::Expect(bool (*accepted)(const QByteArray&), int32_t next) {
  QByteArray answer;
  if (host_.Answer(answer)) {
    if (accepted(answer)) {
      Go(next);
    } else {
      Fail();
    }
  } else if (host_.TimeOut_Expired()) {
    Fail();
  }
}

void Wireless_Scan_Machine::Either(int32_t next) {
  QByteArray answer;
  if (host_.Answer(answer) || host_.TimeOut_Expired()) Go(next);
}

void Wireless_Scan_Machine::Scan_Decode_Wireless() {
  if (host_.Stop_Requested() && step_.load() < kEnd) Go(kEnd);
  const int32_t step = step_.load();

  if (step == kTelit_Receive || step == kRadiocrafts_Receive) {
    Start_Pending_Key();
    return;
  }
  if (step >= kEnd) {
    End_Step(step);
  } else if (step >= 300) {
    Radiocrafts_Step(step);
  } else if (step >= 100) {
    Telit_Step(step);
  } else {
    QByteArray answer;
    switch (step) {
      case 0:
        // A wireless scan over the serial port is never asked for: nothing is sent.
        if (host_.Serial()) return;
        host_.Set_Receive_Message(false);
        host_.Set_Result(1);
        Go(1);
        Send(gateway::kEnable_Configuration_Mode);
        break;
      case 1:
        Expect(Configuration_Enabled, 2);
        break;
      case 2:
        host_.Set_Result(1);
        Go(3);
        Send(gateway::kType_Radio_Module);
        break;
      case 3:
        if (host_.Answer(answer)) {
          if (Is(answer, gateway::kRadio_Telit)) {
            radio_module_.store(rmTelit);
            Go(100);
          } else if (Is(answer, gateway::kRadio_Radiocrafts)) {
            radio_module_.store(rmRadioCrafts);
            Go(300);
          } else {
            Fail();
          }
        } else if (host_.TimeOut_Expired()) {
          Fail();
        }
        break;
      default:
        Fail();
        break;
    }
  }
}

// Key registration waits for the receiving step: the window's thread never moves the
// step itself. The meter already has its key; here the module learns it.
bool Wireless_Scan_Machine::Start_Pending_Key() {
  std::optional<Key_Request> request;
  {
    std::lock_guard lock(request_lock_);
    request.swap(pending_key_);
  }
  if (!request) return false;
  {
    std::lock_guard lock(list_lock_);
    if (request->index < 0 || static_cast<size_t>(request->index) >= list_.size()) return false;
    const TSlave_wMBus& meter = *list_[static_cast<size_t>(request->index)];
    key_manufacturer_ = meter.ALA_Manufacturer;
    key_address_ = meter.ALA_Address;
    key_version_ = meter.ALA_Version;
    key_device_type_ = meter.ALA_DeviceType;
    key_position_ = static_cast<uint8_t>(meter.RadioCrafts_Ind_Tab_Decript);
  }
  Wireless_Key = request->key;
  Wireless_Key_Index = request->index;
  Go(step_.load() == kTelit_Receive ? 200 : 400);
  return true;
}

bool Wireless_Scan_Machine::Insert_Wireless_Key(int32_t Index, const std::array<uint8_t, 16>& Key) {
  std::lock_guard request(request_lock_);
  std::lock_guard lock(list_lock_);
  if (Index < 0 || static_cast<size_t>(Index) >= list_.size()) return false;
  TSlave_wMBus& meter = *list_[static_cast<size_t>(Index)];
  if (radio_module_.load() == rmRadioCrafts && meter.RadioCrafts_Ind_Tab_Decript < 1) {
    if (Index_RadioCrafts_Position_Used > radio_module::kRadiocrafts_Last_Position) return false;
    // The position stays given even when the key is refused below.
    meter.RadioCrafts_Ind_Tab_Decript = Index_RadioCrafts_Position_Used++;
  }
  const int32_t step = step_.load();
  if (step != kTelit_Receive && step != kRadiocrafts_Receive) return false;
  if (pending_key_) return false;  // one registration at a time
  meter.Enable_Key = true;
  meter.Key = Key;
  pending_key_ = Key_Request{Index, Key};
  return true;
}

int32_t Wireless_Scan_Machine::Telit_After_OK(int32_t command_step) const {
  const bool n_mode = N_Mode(wMBusMode);
  switch (command_step) {
    case 110:
      return n_mode ? 114 : 112;
    case 122:
      return n_mode ? 126 : 124;
    case 124:
      return 126;
    case 128:
      return n_mode ? 132 : 130;
    case 130:
      return 132;
    case 132:
      return kTelit_Receive;
    default:
      return command_step + 2;
  }
}

QByteArray Wireless_Scan_Machine::Telit_Command(int32_t command_step) const {
  using radio_module::Telit_Register;
  switch (command_step) {
    case 100:
    case 200:
      return Bytes(radio_module::kTelit_Command_Mode);
    case 102:
      return Bytes(radio_module::kTelit_Reset);
    case 104:
      return Bytes(Telit_Register(400, wMBusMode));
    case 106:
      return Bytes(Telit_Register(401, 0));
    case 108:
      return Bytes(Telit_Register(402, 191));
    case 110:
      return Bytes(Telit_Register(420, wMBusRadioChannel));
    case 112:
      return Bytes(Telit_Register(421, 0));
    case 114:
      return Bytes(Telit_Register(422, 3));
    case 116:
      return Bytes(Telit_Register(430, 5));
    case 118:
      return Bytes(Telit_Register(431, 5));
    case 120:
      return Bytes(Telit_Register(440, 0));
    case 122:
      return Bytes(Telit_Register(441, 0));
    case 124:
      return Bytes(Telit_Register(442, 0));
    case 126:
      return Bytes(Telit_Register(452, 0));
    case 128:
      return Bytes(Telit_Register(453, 0));
    case 130:
      return Bytes(Telit_Register(454, 0));
    case 132:
      return Bytes(radio_module::kTelit_Online);
    case 202:
      return Bytes(Telit_Register(461, key_manufacturer_ & 0xFF));
    case 204:
      return Bytes(Telit_Register(462, key_manufacturer_ >> 8));
    case 206:
    case 208:
    case 210:
    case 212: {
      const int shift = 8 * ((command_step - 206) / 2);
      return Bytes(Telit_Register(463 + (command_step - 206) / 2,
                                  static_cast<int>((static_cast<uint32_t>(key_address_) >> shift) & 0xFF)));
    }
    case 214:
      return Bytes(Telit_Register(467, key_version_));
    case 216:
      return Bytes(Telit_Register(468, key_device_type_));
    case 218:
      return Bytes(Telit_Register(470 + Index_Key_Send, Wireless_Key[static_cast<size_t>(Index_Key_Send & 15)]));
    case 220:
      return Bytes(Telit_Register(460, 5));
    default:
      return {};
  }
}

void Wireless_Scan_Machine::Telit_Step(int32_t step) {
  const bool command = step % 2 == 0;
  const int32_t command_step = command ? step : step - 1;
  if (command) {
    const QByteArray text = Telit_Command(step);
    if (text.isEmpty()) return Fail();
    // The module passes frames as soon as it takes "ATO", maybe before its "OK" is read:
    // reception starts with the command, and the engine tells frames from answers.
    if (step == 132) host_.Set_Receive_Message(true);
    Go(step + 1);
    Send(text, gateway_);
    return;
  }
  QByteArray answer;
  if (host_.Answer(answer)) {
    if (!Telit_OK(answer)) return Fail();
    switch (command_step) {
      case 132:
        Go(kTelit_Receive);
        break;
      case 200:
        // Frames sent before the module left reception have arrived by its "OK".
        host_.Set_Receive_Message(false);
        Go(202);
        break;
      case 216:
        Index_Key_Send = 0;
        Go(218);
        break;
      case 218:
        ++Index_Key_Send;
        Go(Index_Key_Send < 16 ? 218 : 220);
        break;
      case 220:
        Index_Key_Send = 0;
        Go(132);
        break;
      default:
        Go(Telit_After_OK(command_step));
        break;
    }
  } else if (host_.TimeOut_Expired()) {
    Fail();
  }
}

void Wireless_Scan_Machine::Radiocrafts_Step(int32_t step) {
  const int32_t short_wait = Add_TimeOut + 100;
  switch (step) {
    // Set-up.
    case 300:
      Go(301);
      Send_Byte(radio_module::kRadiocrafts_Wake, gateway_);
      {
        std::lock_guard lock(request_lock_);
        Index_RadioCrafts_Position_Used = 1;
      }
      break;
    case 301:
      Expect(Prompt, 302);
      break;
    case 302:
      Go(303);
      Send_Byte(radio_module::kRadiocrafts_Memory_Read, gateway_);
      break;
    case 303:
      Expect(Memory_Read, 304);
      break;
    case 304:
      Go(305);
      Send_Byte(radio_module::kRadiocrafts_Memory_Config, gateway_);
      break;
    case 305:
      Expect(Prompt, 306);
      break;
    case 306:
      Go(307);
      Send(Bytes(radio_module::Radiocrafts_Config_Block(wMBusMode)), Add_TimeOut + 500);
      break;
    case 307:
      Either(308);
      break;
    case 308:
      Go(309);
      Send_Byte(radio_module::kRadiocrafts_Config_End, gateway_);
      break;
    case 309:
      Expect(Prompt, 310);
      if (step_.load() == 310) Index_RadioCrafts_Erase_Position = 0;
      break;
    case 310:
      if (Index_RadioCrafts_Erase_Position >= radio_module::kRadiocrafts_Erase_Last) {
        Go(318);
        break;
      }
      Go(311);
      Send_Byte(radio_module::kRadiocrafts_Key_Address, gateway_);
      break;
    case 311:
      Expect(Prompt, 313);
      break;
    case 313:
      if (Index_RadioCrafts_Erase_Position >= radio_module::kRadiocrafts_Last_Position) {
        Go(318);
        break;
      }
      ++Index_RadioCrafts_Erase_Position;
      Go(314);
      break;
    case 314:
      Go(315);
      Send_Byte(static_cast<uint8_t>(Index_RadioCrafts_Erase_Position), short_wait);
      break;
    case 315:
      Either(316);
      break;
    case 316:
      Go(317);
      Send(QByteArray(8, '\0'), gateway_);
      break;
    case 317:
      Expect(Prompt_First, 310);
      break;
    case 318:
      // The module answers nothing to "X": frames follow at once.
      host_.Set_Receive_Message(true);
      Go(319);
      Send_Byte(radio_module::kRadiocrafts_Receive, gateway_);
      break;
    case 319:
      Go(kRadiocrafts_Receive);
      break;

    // Key registration of the meter at Wireless_Key_Index, key-table position P.
    case 400:
      Go(401);
      Send_Byte(radio_module::kRadiocrafts_Wake, gateway_);
      break;
    case 401:
      // Reception ends with the module's prompt: frames sent before it still decode.
      Expect(Prompt, 402);
      if (step_.load() == 402) host_.Set_Receive_Message(false);
      break;
    case 402:
      Go(403);
      Send_Byte(radio_module::kRadiocrafts_Key_Address, gateway_);
      break;
    case 403:
      Expect(Prompt, 404);
      break;
    case 404:
      Go(405);
      Send_Byte(key_position_, short_wait);
      break;
    case 405:
      Either(406);
      break;
    case 406:
      Go(407);
      Send(Bytes(radio_module::Key_Address_Block(key_address_, key_manufacturer_, key_version_, key_device_type_)),
           gateway_);
      break;
    case 407:
      Expect(Prompt_First, 408);
      break;
    case 408:
      Go(409);
      Send_Byte(radio_module::kRadiocrafts_Key, gateway_);
      break;
    case 409:
      Expect(Prompt, 410);
      break;
    case 410:
      Go(411);
      Send_Byte(key_position_, short_wait);
      break;
    case 411:
      Either(412);
      break;
    case 412:
      Go(413);
      Send(Bytes(Wireless_Key), gateway_);
      break;
    case 413:
      Expect(Prompt_First, 414);
      break;
    case 414:
      Go(415);
      Send_Byte(radio_module::kRadiocrafts_Key_Activate, gateway_);
      break;
    case 415:
      Expect(Prompt, 416);
      break;
    case 416:
      Go(417);
      Send_Byte(key_position_, short_wait);
      break;
    case 417:
      Either(418);
      break;
    case 418:
      Go(419);
      Send(QByteArray("\x00\x40", 2), gateway_);
      break;
    case 419:
      Expect(Prompt, 318);
      break;
    default:
      Fail();
      break;
  }
}

void Wireless_Scan_Machine::End_Step(int32_t step) {
  QByteArray answer;
  switch (step) {
    case 500:
      Count_Disable_Analyzer = 0;
      host_.Clear_Stop_Requests();
      host_.Set_Receive_Message(false);
      Go(501);
      break;
    case 501:
      if (host_.Serial() || Count_Disable_Analyzer > 2) {
        Go(kFinished);
        break;
      }
      ++Count_Disable_Analyzer;
      Go(502);
      Send(gateway::kDisable_Configuration_Mode);
      break;
    case 502:
      if (host_.Answer(answer)) {
        Go(Is(answer, gateway::kConfiguration_Mode_Disabled) ? kFinished : 501);
      } else if (host_.TimeOut_Expired()) {
        Go(501);
      }
      break;
    case kFinished:
      host_.Finish_Scan();
      break;
    default:
      Go(kFinished);
      break;
  }
}
