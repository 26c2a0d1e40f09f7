#pragma once
#include <QByteArray>
#include <QString>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "scan/decode/mbus_type.h"
#include "scan/decode/slave_lists.h"
#include "scan/decode/telegram_decoder.h"
#include "scan/engine/gateway_commands.h"
#include "scan/engine/gateway_link.h"
#include "scan/engine/run_event.h"
#include "scan/engine/scan_clock.h"
#include "scan/wireless/radio_module.h"
#include "scan/wireless/wireless_frame_decoder.h"
#include "scan/wireless/wireless_scan_host.h"
#include "scan/wireless/wireless_scan_machine.h"

enum TScanType { saPrimaryAddress, saSecondaryAddress };
enum TSelectHard { shEthernet, shSerial };

// Wired progress: (Event, Value, Found, Kind). Event 1 a scan began (Kind 1 primary,
// 2 secondary); 2 one result (Kind 1: Value the primary address, Found 1/0; Kind 2:
// Value the identification number's BCD digits read as hexadecimal, Found 1);
// 3 the scan ended. Runs on the scan thread.
using TNotify_Slave_List = std::function<void(int32_t Event, int32_t Value, int32_t Found, int32_t Kind)>;

// What the engine runs on. Every part left empty gets the real one: the UDP socket,
// the serial port, the monotonic tick counter and an interruptible sleep.
struct Scan_Platform {
  std::unique_ptr<Gateway_Link> udp;
  std::unique_ptr<Gateway_Link> serial;
  std::shared_ptr<Tick_Source> clock;
  std::shared_ptr<Sleeper> sleeper;
  // False: no scan thread; the caller drives the machine with Run_Step (tests).
  bool start_thread = true;
  // The gateway's UDP command port; tests point it at a simulator's ephemeral port.
  uint16_t gateway_command_port = gateway::kGateway_Command_Port;
  // The gateway's port of the wireless scan; 0: the port typed for the scan, which is the
  // local one as well. Tests point it at a simulator, which cannot share the local port.
  uint16_t gateway_wireless_port = 0;
};

// The scan engine: a thread that drives the gateway through a scan one step at a time
// and owns the links to it. The scan window starts and stops scans and reads the state
// flags; the thread runs steps only while the run event is set (the window is shown).
//
// Threads: the window's thread calls the public operations; the scan thread runs the
// steps; the link's receive thread delivers answers through UDP_Read. An answer is
// copied under a lock and then flagged, so the scan thread reads a whole datagram.
// Both meter lists are changed only under List_Lock().
class TMBusScanDecode : private Wireless_Scan_Host {
 public:
  static constexpr size_t kAns_Array_Size = 2051;
  static constexpr int kLoop_Step_Ms = 40;
  static constexpr int kLoop_Idle_Ms = 10;

  TMBusScanDecode(TList_Slave_MBus& wired_list, TList_Slave_wMBus& wireless_list, Scan_Platform platform = {});
  // Stops the scan and receive threads and joins them; ends promptly even mid-scan.
  ~TMBusScanDecode() override;
  TMBusScanDecode(const TMBusScanDecode&) = delete;
  TMBusScanDecode& operator=(const TMBusScanDecode&) = delete;

  // Starts a wired scan; false while one runs. Link errors reach the caller as
  // Gateway_Link_Error or ECommError, and no scan is then running. IP_COM is the
  // gateway's IPv4 address, or the serial device path for shSerial.
  bool Start_Scan(TScanType ScanT, TSelectHard SelHard, const QString& IP_COM, int32_t Baud, int32_t Par, bool AppReset,
                  bool SNDNKE, int32_t CutAfter, bool FixCField, uint8_t FixCFieldValue, bool RemoteTimeout,
                  TNotify_Slave_List Proc_Slave_List);
  // Starts a wireless scan on UDP port Port (the gateway's and the local one); false while
  // a scan runs. Proc_Wireless runs on the receive thread for every frame decoded.
  bool Start_Scan_Wireless(TSelectHard SelHard, const QString& IP_COM, uint16_t Port, int32_t wMBus_Mode,
                           int32_t wMBus_Radio_Channel, bool RemoteTimeout, TNotify_Wireless_Slave Proc_Wireless,
                           bool FromDLL);
  // Registers a meter's key in the radio module while the wireless scan receives.
  bool Insert_Wireless_Key(int32_t Index, const std::array<uint8_t, 16>& Key);
  void Stop_Scan() { FStopScan.store(true); }
  void Abort_Scan() { FAbortScan.store(true); }

  bool InScan() const { return FInScan.load(); }
  void Set_InScan(bool value) { FInScan.store(value); }
  int32_t Result() const { return FResult.load(); }
  bool StopScan() const { return FStopScan.load(); }
  bool AbortScan() const { return FAbortScan.load(); }
  void Set_AbortScan(bool value) { FAbortScan.store(value); }
  bool Exit() const { return FExit.load(); }
  // Why the last scan failed (Result 2): the link's error, or the gateway's answer that
  // was not the one expected, or its silence. Never empty after a failed scan.
  QString Error_Text() const;
  // Meter answers dropped as noise since the scan began: valid telegrams of a meter that
  // was not the one polled (stray or forged datagrams, or answers that came too late).
  int32_t Noise_Count() const { return noise_count_.load(); }

  // Set while the scan window is shown; reset freezes the loop.
  Run_Event& Event_Run() { return event_run_; }
  std::mutex& List_Lock() { return list_lock_; }

  // When not empty at the end of a scan, the scan report is written to this path.
  void Set_SaveXMLFile(const QString& path);

  // One step of the running machine (the thread calls it every pass while scanning).
  void Run_Step();
  int32_t Step_Scan() const { return Step_Scan_.load(); }
  // The receive thread's handler, public so that links and tests can deliver datagrams.
  void UDP_Read(const uint8_t* data, size_t length);
  bool TimeOut_Expired() override;

 private:
  void Execute();
  void Scan_Decode();

  // What the wireless machine uses of the engine.
  void Send_Wireless(const QByteArray& bytes) override {
    Send_Command(bytes, Gateway_Wireless_Port != 0 ? Gateway_Wireless_Port : Port_Wireless);
  }
  bool Answer(QByteArray& answer) override { return Take_Answer(answer); }
  void Set_TimeOut(int32_t ms) override { TimeOut_Calc = ms; }
  void Set_Result(int32_t result) override;
  bool Stop_Requested() override { return FStopScan.load() || FAbortScan.load(); }
  void Clear_Stop_Requests() override {
    FStopScan.store(false);
    FAbortScan.store(false);
  }
  void Set_Receive_Message(bool receiving) override { Wireless_Receive_Message.store(receiving); }
  bool Serial() override { return Select_Hardware == shSerial; }
  void Finish_Scan() override { End_Scan(); }

  // The meter a REQ_UD2 asks for: its primary address, or (address 253, the selected
  // meter) the search pattern of the select, -1 a wildcard digit.
  struct Polled_Meter {
    int32_t primary = -1;
    std::array<int32_t, 8> digits{-1, -1, -1, -1, -1, -1, -1, -1};
  };
  static bool Is_Answer_Of(const Polled_Meter& meter, const uint8_t* data, size_t length);

  void Send_Command(const QByteArray& bytes, uint16_t port, std::optional<Polled_Meter> polled = std::nullopt);
  void Send_Command(std::string_view text, uint16_t port);
  void Pause_Then_Send(int pause_ms, const QByteArray& bytes, std::optional<Polled_Meter> polled = std::nullopt);
  void Set_Error_Text(const QString& text);
  void Gateway_Failed(const QString& command, const QByteArray& answer, bool answered);
  bool Take_Answer(QByteArray& answer);
  void Notify(int32_t event, int32_t value, int32_t found, int32_t kind);
  void Fail_Scan(const QString& reason);
  void End_Scan();
  Gateway_Link& Link();
  int32_t Frame_TimeOut(int32_t bits) const;
  uint8_t REQ_UD2_C_Field() const;
  uint8_t Control_C_Field() const;
  bool Read_Telegram(const QByteArray& answer);
  int32_t Last_Secondary_Value();

  // State flags shared with the window's thread.
  std::atomic<bool> FExit{false};
  std::atomic<bool> FInScan{false};
  std::atomic<int32_t> FResult{-1};
  std::atomic<bool> FStopScan{false};
  std::atomic<bool> FAbortScan{false};

  // Settings of the running scan (written by Start_Scan under step_lock_).
  TRadioModule RadioModule = rmTelit;
  TScanType ScanType = saPrimaryAddress;
  TSelectHard Select_Hardware = shEthernet;
  QString IP_Address;
  QString ComPort;
  int32_t Baudrate = 2400;
  int32_t Parity = 1;
  bool App_Reset = false;
  bool SND_NKE = false;
  int32_t Cut_After = 0;
  bool Fix_C_Field = false;
  uint8_t Fix_C_Field_Value = 0;
  std::atomic<int32_t> Step_Scan_{0};  // read by tests and the window while the thread runs

  // Answer hand-over from the receive thread.
  std::atomic<bool> Answer_Arrived{false};
  std::mutex answer_lock_;
  std::array<uint8_t, kAns_Array_Size> Ans_Array{};
  int32_t Ans_Len = 0;
  std::optional<Polled_Meter> polled_;  // under answer_lock_; set by the send of a REQ_UD2
  std::atomic<int32_t> noise_count_{0};

  int32_t TimeOut_Calc = 0;
  uint32_t Start_Send = 0;
  int32_t ID_Dev_Primary = -1;
  bool ID_Dev_Found = false;
  int32_t Num_Frame_Read = 0;
  std::array<int32_t, 8> Index{-1, -1, -1, -1, -1, -1, -1, -1};  // Index_A .. Index_H
  int32_t Index_Device = -1;
  int32_t Sec_Add_Next_Step = 108;
  int32_t Count_Disable_Analyzer = 0;
  uint16_t Port_Wireless = 0;  // local port of the last wireless scan: the link's binding
  // Seams of the wireless scan: while the radio module receives, datagrams are radio frames.
  std::atomic<bool> Wireless_Receive_Message{false};
  std::atomic<TMBusType> MBusType{mtWired};
  bool Enable_Send_In_Last_Step = false;
  uint32_t Type_To_Send_In_Last_Step = 0;
  int32_t Add_TimeOut = 0;
  TNotify_Slave_List Update_Slave_List;
  QString SaveXMLFile;
  QString error_text_;
  mutable std::mutex text_lock_;  // error_text_ and SaveXMLFile

  const uint16_t Gateway_Command_Port;
  uint16_t Gateway_Wireless_Port = 0;  // set once by the constructor
  TList_Slave_MBus& wired_list_;
  TList_Slave_wMBus& wireless_list_;
  Telegram_Decoder decoder_;
  std::mutex list_lock_;
  std::mutex step_lock_;  // one step, or Start_Scan, at a time
  Wireless_Frame_Decoder wireless_decoder_{wireless_list_, list_lock_};
  Wireless_Scan_Machine wireless_machine_{*this, wireless_list_, list_lock_};

  std::unique_ptr<Gateway_Link> udp_;
  std::unique_ptr<Gateway_Link> serial_;
  std::shared_ptr<Tick_Source> clock_;
  std::shared_ptr<Sleeper> sleeper_;
  Run_Event event_run_;
  std::thread thread_;
};
