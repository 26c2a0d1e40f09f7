// The wired scan: one step per call, driven by the scan thread.
//
// Step codes: 0, 1, 300, 301 set the gateway up (analyzer mode, M-Bus line); 2..10 the
// primary search over addresses 0..250; 100..125 the secondary search, a depth-first
// walk over the eight identification digits with wildcards; 200..203 the end sequence.
// Digit step of level L (1..8) is 108 + 2(L-1), its wait step the next odd code.
#include "scan/engine/gateway_commands.h"
#include "scan/engine/mbus_frames.h"
#include "scan/engine/mbus_scan_decode.h"

namespace {

constexpr int32_t kFirst_Primary = 0;
constexpr int32_t kLast_Primary = 250;
constexpr int kPrimary_Pause = 500;
constexpr int kSecondary_Pause = 800;

constexpr int32_t Digit_Step(int level) { return 108 + 2 * (level - 1); }

}  // namespace

int32_t TMBusScanDecode::Frame_TimeOut(int32_t bits) const {
  return mbus_frame::Frame_TimeOut(bits, Baudrate, Add_TimeOut);
}

uint8_t TMBusScanDecode::REQ_UD2_C_Field() const {
  if (Fix_C_Field) return Fix_C_Field_Value == 1 ? 0x7B : 0x5B;
  return Num_Frame_Read % 2 == 0 ? 0x7B : 0x5B;
}

uint8_t TMBusScanDecode::Control_C_Field() const { return Fix_C_Field && Fix_C_Field_Value == 0 ? 0x53 : 0x73; }

// Decodes one valid telegram into the list; true when the meter has no more to send
// or the telegram limit is reached.
bool TMBusScanDecode::Read_Telegram(const QByteArray& answer) {
  uint8_t last = 1;
  {
    std::lock_guard lock(list_lock_);
    Index_Device = decoder_.Add_Slave_From_Answer(reinterpret_cast<const uint8_t*>(answer.constData()),
                                                  static_cast<int>(answer.size()),
                                                  Num_Frame_Read == 0 ? -1 : Index_Device, wired_list_, last);
  }
  ++Num_Frame_Read;
  return last == 1 || Num_Frame_Read >= Cut_After;
}

// Ends the gateway set-up as a failure, saying which command the gateway did not confirm.
void TMBusScanDecode::Gateway_Failed(const QString& command, const QByteArray& answer, bool answered) {
  FResult.store(2);
  Step_Scan_ = 200;
  if (!answered) {
    Set_Error_Text(
        QStringLiteral("The gateway did not answer the %1 command within %2 ms.").arg(command).arg(TimeOut_Calc));
    return;
  }
  QString shown;
  for (qsizetype i = 0; i < answer.size() && i < 64; ++i) {
    const auto c = static_cast<uint8_t>(answer[i]);
    shown += c >= 0x20 && c < 0x7F ? QString(QChar(c)) : QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
  }
  if (answer.size() > 64) shown += QStringLiteral("...");
  Set_Error_Text(
      QStringLiteral("The gateway answered \"%1\" to the %2 command instead of confirming it.").arg(shown, command));
}

// The identification number of the meter read last, its BCD digits taken as hexadecimal.
int32_t TMBusScanDecode::Last_Secondary_Value() {
  std::lock_guard lock(list_lock_);
  if (wired_list_.empty()) return 0;
  return static_cast<int32_t>(wired_list_.back()->Secondary_Addresss.toUInt(nullptr, 16));
}

void TMBusScanDecode::Scan_Decode() {
  if (FAbortScan.load()) Step_Scan_ = 200;
  const bool serial = Select_Hardware == shSerial;
  const bool secondary = ScanType == saSecondaryAddress;
  const int32_t gateway_timeout = Add_TimeOut + 1000;
  QByteArray answer;

  switch (Step_Scan_) {
    // Gateway set-up.
    case 0:
      FResult.store(1);
      Enable_Send_In_Last_Step = false;
      if (serial) {
        Step_Scan_ = secondary ? 100 : 2;
        break;
      }
      TimeOut_Calc = gateway_timeout;
      Step_Scan_ = 1;
      Send_Command(gateway::kEnable_Analyzer_Mode, Gateway_Command_Port);
      break;
    case 1:
      if (Take_Answer(answer)) {
        if (answer.toStdString() == gateway::kAnalyzer_Mode_Enabled) {
          ID_Dev_Primary = -1;
          Step_Scan_ = 300;
        } else {
          Gateway_Failed(QStringLiteral("analyzer mode"), answer, true);
        }
      } else if (TimeOut_Expired()) {
        Gateway_Failed(QStringLiteral("analyzer mode"), answer, false);
      }
      break;
    case 300:
      FResult.store(1);
      if (serial) {
        Step_Scan_ = secondary ? 100 : 2;
        break;
      }
      TimeOut_Calc = gateway_timeout;
      Step_Scan_ = 301;
      Send_Command(gateway::Set_MBus_Line_Command(Baudrate, Parity), Gateway_Command_Port);
      break;
    case 301:
      if (Take_Answer(answer)) {
        if (answer.toStdString() == gateway::kDone) {
          Step_Scan_ = secondary ? 100 : 2;
        } else {
          Gateway_Failed(QStringLiteral("M-Bus line"), answer, true);
        }
      } else if (TimeOut_Expired()) {
        Gateway_Failed(QStringLiteral("M-Bus line"), answer, false);
      }
      break;

    // Primary search.
    case 2:
      TimeOut_Calc = Frame_TimeOut(mbus_frame::kShort_Frame_Bits);
      ID_Dev_Primary = kFirst_Primary - 1;
      Notify(1, 0, 0, 1);
      Step_Scan_ = 3;
      Pause_Then_Send(kPrimary_Pause, mbus_frame::SND_NKE(255));
      break;
    case 3:
      if (Take_Answer(answer) || TimeOut_Expired()) Step_Scan_ = 4;
      break;
    case 4:
      TimeOut_Calc = Frame_TimeOut(mbus_frame::kShort_Frame_Bits);
      Num_Frame_Read = 0;
      ++ID_Dev_Primary;
      if (ID_Dev_Primary > kLast_Primary || FStopScan.load()) {
        Type_To_Send_In_Last_Step = 1;
        Enable_Send_In_Last_Step = true;
        FResult.store(1);
        Step_Scan_ = 200;
      } else {
        Step_Scan_ = App_Reset ? 5 : SND_NKE ? 7 : 9;
      }
      break;
    case 5:
      Step_Scan_ = 6;
      Pause_Then_Send(kPrimary_Pause, mbus_frame::Application_Reset(Control_C_Field(), uint8_t(ID_Dev_Primary)));
      break;
    case 6:
      if ((Take_Answer(answer) && mbus_frame::Is_Single_Character(answer)) || TimeOut_Expired())
        Step_Scan_ = SND_NKE ? 7 : 9;
      break;
    case 7:
      Step_Scan_ = 8;
      Pause_Then_Send(kPrimary_Pause, mbus_frame::SND_NKE(uint8_t(ID_Dev_Primary)));
      break;
    case 8:
      if ((Take_Answer(answer) && mbus_frame::Is_Single_Character(answer)) || TimeOut_Expired()) Step_Scan_ = 9;
      break;
    case 9:
      TimeOut_Calc = Frame_TimeOut(mbus_frame::kREQ_UD2_Bits);
      Step_Scan_ = 10;
      Pause_Then_Send(kPrimary_Pause, mbus_frame::REQ_UD2(REQ_UD2_C_Field(), uint8_t(ID_Dev_Primary)),
                      Polled_Meter{ID_Dev_Primary, {-1, -1, -1, -1, -1, -1, -1, -1}});
      break;
    case 10:
      ID_Dev_Found = false;
      if (Take_Answer(answer)) {
        if (mbus_frame::Is_Valid_Long_Frame(answer)) {
          if (Read_Telegram(answer)) {
            ID_Dev_Found = true;
            Notify(2, ID_Dev_Primary, 1, 1);
            Step_Scan_ = 4;
          } else {
            Step_Scan_ = 9;
          }
        } else {
          // A meter already read once stays found when a later telegram is spoiled.
          Notify(2, ID_Dev_Primary, Num_Frame_Read > 0 ? 1 : 0, 1);
          Step_Scan_ = 4;
        }
      } else if (TimeOut_Expired()) {
        Notify(2, ID_Dev_Primary, Num_Frame_Read > 0 ? 1 : 0, 1);
        Step_Scan_ = 4;
      }
      break;

    // Secondary search.
    case 100:
      TimeOut_Calc = Frame_TimeOut(mbus_frame::kShort_Frame_Bits);
      Notify(1, 0, 0, 2);
      Step_Scan_ = SND_NKE ? 101 : App_Reset ? 103 : 105;
      break;
    case 101:
      Step_Scan_ = 102;
      Pause_Then_Send(kSecondary_Pause, mbus_frame::SND_NKE(253));
      break;
    case 102:
      if ((Take_Answer(answer) && mbus_frame::Is_Single_Character(answer)) || TimeOut_Expired())
        Step_Scan_ = App_Reset ? 103 : 105;
      break;
    case 103:
      Step_Scan_ = 104;
      Pause_Then_Send(kSecondary_Pause, mbus_frame::Application_Reset(Control_C_Field(), 255));
      break;
    case 104:
      if ((Take_Answer(answer) && mbus_frame::Is_Single_Character(answer)) || TimeOut_Expired()) Step_Scan_ = 105;
      break;
    case 105:
      Step_Scan_ = 106;
      Pause_Then_Send(kSecondary_Pause, mbus_frame::SND_NKE(255));
      break;
    case 106:
      if (Take_Answer(answer) || TimeOut_Expired()) Step_Scan_ = 107;
      break;
    case 107:
      Index.fill(-1);
      Step_Scan_ = Digit_Step(1);
      break;
    case 108:
    case 110:
    case 112:
    case 114:
    case 116:
    case 118:
    case 120:
    case 122: {
      const int level = (Step_Scan_ - 108) / 2 + 1;
      if (FStopScan.load()) {
        Step_Scan_ = 200;
        break;
      }
      ++Index[level - 1];
      for (int deeper = level; deeper < 8; ++deeper) Index[deeper] = -1;
      if (Index[level - 1] > 9) {
        if (level == 1) {
          Type_To_Send_In_Last_Step = 2;
          Enable_Send_In_Last_Step = true;
          Step_Scan_ = 200;
        } else {
          Step_Scan_ = Digit_Step(level - 1);
        }
        break;
      }
      Step_Scan_ = Digit_Step(level) + 1;
      Pause_Then_Send(kSecondary_Pause, mbus_frame::Select(Control_C_Field(), Index));
      break;
    }
    case 109:
    case 111:
    case 113:
    case 115:
    case 117:
    case 119:
    case 121:
    case 123: {
      const int level = (Step_Scan_ - 109) / 2 + 1;
      if (TimeOut_Expired()) {
        Step_Scan_ = Digit_Step(level);
      } else if (Take_Answer(answer)) {
        if (mbus_frame::Is_Single_Character(answer)) {
          // Exactly one meter matches the pattern: read it, then go on at this level.
          Num_Frame_Read = 0;
          Sec_Add_Next_Step = Digit_Step(level);
          Step_Scan_ = 124;
        } else if (mbus_frame::Is_No_Slave(answer) || level == 8) {
          // No meter, or a collision at the last digit, which no deeper level can split.
          Step_Scan_ = Digit_Step(level);
        } else {
          Step_Scan_ = Digit_Step(level + 1);  // several meters answered
        }
      }
      break;
    }
    case 124:
      TimeOut_Calc = Frame_TimeOut(mbus_frame::kREQ_UD2_Bits);
      Step_Scan_ = 125;
      Pause_Then_Send(kSecondary_Pause, mbus_frame::REQ_UD2(REQ_UD2_C_Field(), 253), Polled_Meter{-1, Index});
      break;
    case 125:
      ID_Dev_Found = false;
      if (TimeOut_Expired()) {
        TimeOut_Calc = Frame_TimeOut(mbus_frame::kShort_Frame_Bits);
        // A meter already read once stays found when a later telegram does not come.
        if (Num_Frame_Read > 0) Notify(2, Last_Secondary_Value(), 1, 2);
        Step_Scan_ = Sec_Add_Next_Step;
      } else if (Take_Answer(answer)) {
        if (mbus_frame::Is_Valid_Long_Frame(answer)) {
          if (Read_Telegram(answer)) {
            TimeOut_Calc = Frame_TimeOut(mbus_frame::kShort_Frame_Bits);
            Step_Scan_ = Sec_Add_Next_Step;
            ID_Dev_Found = true;
            Notify(2, Last_Secondary_Value(), 1, 2);
          } else {
            Step_Scan_ = 124;
          }
        } else {
          TimeOut_Calc = Frame_TimeOut(mbus_frame::kShort_Frame_Bits);
          if (Num_Frame_Read > 0) Notify(2, Last_Secondary_Value(), 1, 2);
          // A garbled reply of a selected meter is a hidden collision: look one digit deeper.
          if (Sec_Add_Next_Step < Digit_Step(8)) Sec_Add_Next_Step += 2;
          Step_Scan_ = Sec_Add_Next_Step;
        }
      }
      break;

    // End sequence.
    case 200:
      Count_Disable_Analyzer = 0;
      FAbortScan.store(false);
      Step_Scan_ = 201;
      break;
    case 201:
      if (serial || Count_Disable_Analyzer > 2) {
        Step_Scan_ = 203;
        break;
      }
      ++Count_Disable_Analyzer;
      TimeOut_Calc = gateway_timeout;
      Step_Scan_ = 202;
      Send_Command(gateway::kDisable_Analyzer_Mode, Gateway_Command_Port);
      break;
    case 202:
      if (Take_Answer(answer)) {
        Step_Scan_ = answer.toStdString() == gateway::kAnalyzer_Mode_Disabled ? 203 : 201;
      } else if (TimeOut_Expired()) {
        Step_Scan_ = 201;
      }
      break;
    case 203:
      End_Scan();
      break;
    default:
      Step_Scan_ = 200;  // an unknown step cannot happen; end cleanly if it does
      break;
  }
}
