#pragma once
#include <QString>
#include <cstdint>
#include <memory>
#include <mutex>

#include "outputs/serial/comm_error.h"
#include "outputs/serial/comm_event_chars.h"
#include "outputs/serial/comm_event_thread.h"
#include "outputs/serial/comm_types.h"

// One serial port on termios: opened exclusively and non-blocking, configured from the
// properties, with timed block writes and reads that return at once with what is there.
//
// Linux differences kept visible to callers:
// - Settings the terminal layer cannot express (4 data bits, 1.5 stop bits, the rates
//   14400/56000/128000/256000, DSR/DTR flow control, DSR sensitivity, continue-after-XOFF,
//   error-character replacement, null stripping) are refused with
//   "Error updating DataControlBlock" and EINVAL, and the property keeps its old value.
// - Driver buffer sizes cannot be set; they are only checked to be positive.
// - The event handlers run on the port's event thread, one at a time; a handler must not
//   close the port.
// - The transfer-status bits (CtsHold ... XOffSent) have no Linux source and read false.
class TCustomComm {
 public:
  TCustomComm();
  virtual ~TCustomComm();
  TCustomComm(const TCustomComm&) = delete;
  TCustomComm& operator=(const TCustomComm&) = delete;

  bool Enabled() const { return FHandle >= 0; }
  int Handle() const { return FHandle; }

  void Open();
  void Close();

  // Number of bytes written, or -1 when they did not all leave within WriteTimeout.
  int Write(const void* buf, int count);
  // Bytes read (0 when nothing waits); never waits for more input.
  int Read(void* buf, int count);

  int InQueCount() const;
  int OutQueCount() const;
  void PurgeIn();
  void PurgeOut();

  void SetDTRState(bool state);
  void SetRTSState(bool state);
  void SetBREAKState(bool state);
  void SetXONState(bool state);

  bool CTS() const { return Modem_Bit(0x020); }
  bool DSR() const { return Modem_Bit(0x100); }
  bool RING() const { return Modem_Bit(0x080); }
  bool RLSD() const { return Modem_Bit(0x040); }
  bool CtsHold() const { return false; }
  bool DsrHold() const { return false; }
  bool RlsdHold() const { return false; }
  bool XoffHold() const { return false; }
  bool XOffSent() const { return false; }

  const QString& DeviceName() const { return FDeviceName; }
  void SetDeviceName(const QString& value);
  int ReadTimeout() const { return FReadTimeout; }
  void SetReadTimeout(int value) { FReadTimeout = value; }
  int WriteTimeout() const { return FWriteTimeout; }
  void SetWriteTimeout(int value) { FWriteTimeout = value; }
  int ReadBufSize() const { return FReadBufSize; }
  void SetReadBufSize(int value);
  int WriteBufSize() const { return FWriteBufSize; }
  void SetWriteBufSize(int value);
  TCommEventTypes MonitorEvents() const { return FMonitorEvents; }
  void SetMonitorEvents(TCommEventTypes value);
  TBaudrate BaudRate() const { return FBaudRate; }
  void SetBaudRate(TBaudrate value) { Set_Line(FBaudRate, value); }
  TParity Parity() const { return FParity; }
  void SetParity(TParity value) { Set_Line(FParity, value); }
  TStopbits Stopbits() const { return FStopbits; }
  void SetStopbits(TStopbits value) { Set_Line(FStopbits, value); }
  TDatabits Databits() const { return FDatabits; }
  void SetDatabits(TDatabits value) { Set_Line(FDatabits, value); }
  TCommOptions Options() const { return FOptions; }
  void SetOptions(TCommOptions value) { Set_Line(FOptions, value); }
  TFlowControl FlowControl() const { return FFlowControl; }
  void SetFlowControl(TFlowControl value) { Set_Line(FFlowControl, value); }
  TCommEventChars& EventChars() { return *FEventChars; }
  // The control block last written to the port.
  const TDCB& DCB() const { return FDCB; }

  TNotifyEvent OnBreak, OnCts, OnDsr, OnRing, OnRlsd, OnRxFlag, OnTxEmpty;
  TCommErrorEvent OnError;
  TCommRxCharEvent OnRxChar;

  // Applies the line settings again when open; used by TCommEventChars.
  void Reapply_Settings();

 protected:
  // Opens the device; the one operation a descendant may replace.
  virtual int CreateHandle();

 private:
  void Apply_DCB();
  void Apply_Timeouts();
  void Check_Closed_For_Change() const;
  void Do_Comm_Event(uint32_t events);
  bool Modem_Bit(int bit) const;
  void Escape(unsigned long request, int bits);

  template <typename T>
  void Set_Line(T& field, T value) {
    if (field == value) return;
    const T old = field;
    field = value;
    try {
      Reapply_Settings();
    } catch (...) {
      field = old;
      throw;
    }
  }

  int FHandle = -1;
  TDCB FDCB;
  QString FDeviceName = QStringLiteral("Com2");
  std::mutex FCriticalSection;  // serialises Read and Write
  std::mutex event_lock_;       // serialises the handlers
  int FReadTimeout = 1000;
  int FWriteTimeout = 1000;
  int FReadBufSize = 4096;
  int FWriteBufSize = 2048;
  TCommEventTypes FMonitorEvents = kAll_Comm_Events;
  TBaudrate FBaudRate = TBaudrate::br9600;
  TParity FParity = TParity::paNone;
  TStopbits FStopbits = TStopbits::sb10;
  TDatabits FDatabits = TDatabits::da8;
  std::unique_ptr<TCommEventThread> FEventThread;
  std::unique_ptr<TCommEventChars> FEventChars;
  TCommOptions FOptions;
  TFlowControl FFlowControl = TFlowControl::fcDefault;
};
