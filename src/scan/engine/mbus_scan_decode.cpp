#include "scan/engine/mbus_scan_decode.h"

#include <algorithm>
#include <cstring>

#include "scan/decode/long_frame.h"
#include "scan/engine/scan_report.h"
#include "scan/engine/serial_link.h"
#include "scan/engine/udp_server.h"

TMBusScanDecode::TMBusScanDecode(TList_Slave_MBus& wired_list, TList_Slave_wMBus& wireless_list, Scan_Platform platform)
    : Gateway_Command_Port(platform.gateway_command_port),
      wired_list_(wired_list),
      wireless_list_(wireless_list),
      udp_(platform.udp ? std::move(platform.udp) : std::make_unique<Udp_Server>()),
      serial_(platform.serial ? std::move(platform.serial) : std::make_unique<Serial_Link>()),
      clock_(platform.clock ? platform.clock : std::make_shared<Monotonic_Ticks>()),
      sleeper_(platform.sleeper ? platform.sleeper : std::make_shared<Interruptible_Sleeper>()) {
  const auto receiver = [this](const uint8_t* data, size_t length) { UDP_Read(data, length); };
  Gateway_Wireless_Port = platform.gateway_wireless_port;
  udp_->Set_Receiver(receiver);
  serial_->Set_Receiver(receiver);
  if (platform.start_thread) thread_ = std::thread([this] { Execute(); });
}

TMBusScanDecode::~TMBusScanDecode() {
  FExit.store(true);
  event_run_.Release();
  sleeper_->Interrupt();
  if (thread_.joinable()) thread_.join();
  udp_->Deactivate();
  serial_->Deactivate();
}

void TMBusScanDecode::Execute() {
  while (!FExit.load()) {
    // A hidden window resets the event between passes; no step may run after that.
    if (FInScan.load() && event_run_.Is_Set()) {
      Run_Step();
      sleeper_->Sleep(kLoop_Step_Ms);
    } else {
      sleeper_->Sleep(kLoop_Idle_Ms);
    }
    event_run_.Wait();
  }
}

QString TMBusScanDecode::Error_Text() const {
  std::lock_guard lock(text_lock_);
  return error_text_;
}

void TMBusScanDecode::Set_SaveXMLFile(const QString& path) {
  std::lock_guard lock(text_lock_);
  SaveXMLFile = path;
}

bool TMBusScanDecode::Start_Scan(TScanType ScanT, TSelectHard SelHard, const QString& IP_COM, int32_t Baud, int32_t Par,
                                 bool AppReset, bool SNDNKE, int32_t CutAfter, bool FixCField, uint8_t FixCFieldValue,
                                 bool RemoteTimeout, TNotify_Slave_List Proc_Slave_List) {
  std::lock_guard lock(step_lock_);
  if (FInScan.load()) return false;
  Update_Slave_List = std::move(Proc_Slave_List);
  MBusType.store(mtWired);
  ScanType = ScanT;
  Select_Hardware = SelHard;
  if (SelHard == shSerial) {
    ComPort = IP_COM;
    IP_Address.clear();
  } else {
    IP_Address = IP_COM;
    ComPort.clear();
  }
  Baudrate = Baud;
  Parity = Par;
  App_Reset = AppReset;
  SND_NKE = SNDNKE;
  Cut_After = CutAfter;
  Fix_C_Field = FixCField;
  Fix_C_Field_Value = FixCFieldValue;
  Add_TimeOut = RemoteTimeout ? 10000 : 0;
  {
    std::lock_guard text(text_lock_);
    error_text_.clear();
  }
  {
    std::lock_guard answer(answer_lock_);
    polled_.reset();
  }
  noise_count_.store(0);
  Link().Activate(SelHard == shSerial ? ComPort : IP_Address, Port_Wireless);
  Step_Scan_ = 0;
  FStopScan.store(false);
  FAbortScan.store(false);
  FInScan.store(true);
  return true;
}

Gateway_Link& TMBusScanDecode::Link() { return Select_Hardware == shSerial ? *serial_ : *udp_; }

bool TMBusScanDecode::Start_Scan_Wireless(TSelectHard SelHard, const QString& IP_COM, uint16_t Port, int32_t wMBus_Mode,
                                          int32_t wMBus_Radio_Channel, bool RemoteTimeout,
                                          TNotify_Wireless_Slave Proc_Wireless, bool FromDLL) {
  std::lock_guard lock(step_lock_);
  if (FInScan.load()) return false;
  MBusType.store(mtWireless);
  Select_Hardware = SelHard;
  if (SelHard == shSerial) {
    ComPort = IP_COM;
    IP_Address.clear();
  } else {
    IP_Address = IP_COM;
    ComPort.clear();
  }
  Add_TimeOut = RemoteTimeout ? 10000 : 0;
  Enable_Send_In_Last_Step = false;
  Wireless_Receive_Message.store(false);
  {
    std::lock_guard text(text_lock_);
    error_text_.clear();
  }
  {
    std::lock_guard answer(answer_lock_);
    polled_.reset();
  }
  noise_count_.store(0);
  wireless_decoder_.Set_Callback(std::move(Proc_Wireless), FromDLL);
  // The wireless port is both the gateway's and the local one. A port that cannot be
  // bound leaves the binding of the next wired scan as it was.
  Link().Activate(SelHard == shSerial ? ComPort : IP_Address, Port);
  Port_Wireless = Port;
  wireless_machine_.Start(wMBus_Mode, wMBus_Radio_Channel, Add_TimeOut);
  Step_Scan_ = 0;
  FStopScan.store(false);
  FAbortScan.store(false);
  FInScan.store(true);
  return true;
}

bool TMBusScanDecode::Insert_Wireless_Key(int32_t Index, const std::array<uint8_t, 16>& Key) {
  return wireless_machine_.Insert_Wireless_Key(Index, Key);
}

void TMBusScanDecode::Run_Step() {
  std::lock_guard lock(step_lock_);
  if (!FInScan.load()) return;
  try {
    if (MBusType.load() == mtWireless) {
      wireless_machine_.Scan_Decode_Wireless();
      Step_Scan_ = wireless_machine_.Step_Scan();
      return;
    }
    Scan_Decode();
  } catch (const std::exception& e) {
    Fail_Scan(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    Fail_Scan(QStringLiteral("Unknown error during the scan"));
  }
}

void TMBusScanDecode::Set_Error_Text(const QString& text) {
  std::lock_guard lock(text_lock_);
  error_text_ = text;
}

// The wireless machine says only that it failed: a command of the gateway or of its
// radio module was refused or not answered.
void TMBusScanDecode::Set_Result(int32_t result) {
  FResult.store(result);
  if (result == 2 && Error_Text().isEmpty())
    Set_Error_Text(QStringLiteral("The gateway or its radio module refused a command or did not answer in time."));
}

// A link that fails mid-scan ends the scan as a failure; the thread stays usable.
void TMBusScanDecode::Fail_Scan(const QString& reason) {
  FResult.store(2);
  Set_Error_Text(reason.isEmpty() ? QStringLiteral("The scan failed on its link to the gateway.") : reason);
  Enable_Send_In_Last_Step = false;
  Step_Scan_ = 203;
  try {
    End_Scan();
  } catch (...) {
    FInScan.store(false);
  }
}

void TMBusScanDecode::End_Scan() {
  Link().Deactivate();
  FInScan.store(false);
  QString report;
  {
    std::lock_guard lock(text_lock_);
    report = SaveXMLFile;
  }
  if (!report.isEmpty()) {
    try {
      std::lock_guard lists(list_lock_);
      if (MBusType.load() == mtWireless)
        Save_Wireless_XML_File_DLL(wireless_list_, report);
      else
        Save_XML_File_DLL(wired_list_, report);
    } catch (const std::exception& e) {
      std::lock_guard lock(text_lock_);
      error_text_ = QString::fromLocal8Bit(e.what());
    }
  }
  if (Enable_Send_In_Last_Step) Notify(3, 0, 0, static_cast<int32_t>(Type_To_Send_In_Last_Step));
}

void TMBusScanDecode::Notify(int32_t event, int32_t value, int32_t found, int32_t kind) {
  if (!Update_Slave_List) return;
  try {
    Update_Slave_List(event, value, found, kind);
  } catch (...) {
    // A failing listener must not stop the scan.
  }
}

bool TMBusScanDecode::Is_Answer_Of(const Polled_Meter& meter, const uint8_t* data, size_t length) {
  // Anything but a meter's telegram (E5, a collision, NO_SLAVE) is for the step to judge.
  if (!long_frame::Is_Valid(data, static_cast<int>(length))) return true;
  if (meter.primary >= 0) return data[5] == meter.primary;
  // The identification number, LSB first in bytes 7..10: byte 10 holds digits 1 and 2.
  for (int digit = 0; digit < 8; ++digit) {
    if (meter.digits[size_t(digit)] < 0) continue;
    const uint8_t byte = data[10 - digit / 2];
    const int nibble = digit % 2 == 0 ? byte >> 4 : byte & 0x0F;
    if (nibble != meter.digits[size_t(digit)]) return false;
  }
  return true;
}

void TMBusScanDecode::UDP_Read(const uint8_t* data, size_t length) {
  if (length > kAns_Array_Size) return;  // no gateway answer is this long
  if (MBusType.load() == mtWireless && Wireless_Receive_Message.load() &&
      Wireless_Frame_Decoder::Length_Matches(data, static_cast<int>(length), wireless_machine_.RadioModule())) {
    // While the module receives, a datagram is a radio frame, decoded here on the receive thread.
    // Anything else is the module's answer: reception is switched on and off around the
    // commands that start and end it, so frames and answers can cross there.
    wireless_decoder_.Decode_Wireless_Frame(data, static_cast<int>(length), wireless_machine_.RadioModule());
    return;
  }
  {
    std::lock_guard lock(answer_lock_);
    // A telegram of a meter that was not polled must not take the place of the real answer.
    if (polled_ && !Is_Answer_Of(*polled_, data, length)) {
      noise_count_.fetch_add(1);
      return;
    }
    if (length > 0) std::memcpy(Ans_Array.data(), data, length);
    Ans_Len = static_cast<int32_t>(length);
  }
  Answer_Arrived.store(true, std::memory_order_release);
}

bool TMBusScanDecode::Take_Answer(QByteArray& answer) {
  if (!Answer_Arrived.load(std::memory_order_acquire)) return false;
  std::lock_guard lock(answer_lock_);
  answer = QByteArray(reinterpret_cast<const char*>(Ans_Array.data()), Ans_Len);
  return true;
}

void TMBusScanDecode::Send_Command(const QByteArray& bytes, uint16_t port, std::optional<Polled_Meter> polled) {
  {
    std::lock_guard lock(answer_lock_);
    polled_ = polled;
    Answer_Arrived.store(false, std::memory_order_release);
  }
  Link().Send(bytes, port);
  Start_Send = clock_->Ticks();
}

void TMBusScanDecode::Send_Command(std::string_view text, uint16_t port) {
  Send_Command(QByteArray(text.data(), static_cast<qsizetype>(text.size())), port);
}

void TMBusScanDecode::Pause_Then_Send(int pause_ms, const QByteArray& bytes, std::optional<Polled_Meter> polled) {
  sleeper_->Sleep(pause_ms);
  if (FExit.load()) return;
  Send_Command(bytes, Gateway_Command_Port, polled);
}

bool TMBusScanDecode::TimeOut_Expired() {
  const uint32_t now = clock_->Ticks();
  if (now < Start_Send) return true;  // the counter wrapped
  return now - Start_Send > static_cast<uint32_t>(std::max<int32_t>(TimeOut_Calc, 0));
}
