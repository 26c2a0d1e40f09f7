#include "outputs/serial/custom_comm.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace {

const QString kAlready_Open = QStringLiteral("Port already assigned (open)");
const QString kNot_Open = QStringLiteral("Port not open, unable to complete operation");
const QString kDCB_Error = QStringLiteral("Error updating DataControlBlock");

speed_t Speed_Of(TBaudrate rate) {
  switch (rate) {
    case TBaudrate::br110:
      return B110;
    case TBaudrate::br300:
      return B300;
    case TBaudrate::br600:
      return B600;
    case TBaudrate::br1200:
      return B1200;
    case TBaudrate::br2400:
      return B2400;
    case TBaudrate::br4800:
      return B4800;
    case TBaudrate::br9600:
      return B9600;
    case TBaudrate::br19200:
      return B19200;
    case TBaudrate::br38400:
      return B38400;
    case TBaudrate::br57600:
      return B57600;
    case TBaudrate::br115200:
      return B115200;
    case TBaudrate::br1500000:
      return B1500000;
    case TBaudrate::br3000000:
      return B3000000;
    default:
      return B0;  // no terminal speed constant for this rate
  }
}

}  // namespace

TCustomComm::TCustomComm() : FEventChars(std::make_unique<TCommEventChars>(this)) {}

TCustomComm::~TCustomComm() { Close(); }

int TCustomComm::CreateHandle() {
  const QByteArray path = FDeviceName.toLocal8Bit();
  const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw ECommError(QStringLiteral("Error accessing specified device"), errno);
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) {
    ::close(fd);
    throw ECommError(QStringLiteral("Invalid device handle, access denied"), -1);
  }
  // Exclusive use: a second opener (also another program) is turned away.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    throw ECommError(QStringLiteral("Error accessing specified device"), error);
  }
  ioctl(fd, TIOCEXCL);
  return fd;
}

void TCustomComm::Open() {
  if (Enabled()) throw ECommError(kAlready_Open, -1);
  FHandle = CreateHandle();
  // A port that cannot be set up is closed again rather than left half-configured.
  try {
    FEventThread =
        std::make_unique<TCommEventThread>(FHandle, FMonitorEvents, [this](uint32_t events) { Do_Comm_Event(events); });
    Apply_Timeouts();
    Apply_DCB();
    if (FReadBufSize <= 0 || FWriteBufSize <= 0)
      throw ECommError(QStringLiteral("Error initializing Read/Write Buffers"), EINVAL);
  } catch (...) {
    Close();
    throw;
  }
}

void TCustomComm::Close() {
  if (!Enabled()) return;
  FEventThread.reset();  // stops and joins
  ::close(FHandle);
  FHandle = -1;
}

void TCustomComm::Apply_Timeouts() {
  termios tio{};
  if (tcgetattr(FHandle, &tio) != 0) throw ECommError(QStringLiteral("Error updating CommTimeouts"), errno);
  // Reads return at once with whatever is there.
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (tcsetattr(FHandle, TCSANOW, &tio) != 0) throw ECommError(QStringLiteral("Error updating CommTimeouts"), errno);
}

void TCustomComm::Reapply_Settings() {
  if (Enabled()) Apply_DCB();
}

void TCustomComm::Apply_DCB() {
  if (!Enabled()) return;
  termios tio{};
  if (tcgetattr(FHandle, &tio) != 0) throw ECommError(kDCB_Error, errno);

  TDCB dcb = FDCB;
  dcb.BaudRate = Baudrate_Value(FBaudRate);
  dcb.Parity = FParity;
  dcb.Stopbits = FStopbits;
  dcb.ByteSize = 4 + static_cast<int>(FDatabits);
  dcb.XonChar = FEventChars->XonChar();
  dcb.XoffChar = FEventChars->XoffChar();
  dcb.ErrorChar = FEventChars->ErrorChar();
  dcb.EofChar = FEventChars->EofChar();
  dcb.EvtChar = FEventChars->EvtChar();
  dcb.XonLim = FReadBufSize / 4;
  dcb.XoffLim = FReadBufSize / 4;
  switch (FFlowControl) {
    case TFlowControl::fcNone:
      dcb.OutxCtsFlow = dcb.RtsHandshake = dcb.OutxDsrFlow = dcb.DtrHandshake = dcb.OutX = dcb.InX = false;
      break;
    case TFlowControl::fcCTS:
      dcb.OutxCtsFlow = dcb.RtsHandshake = true;
      break;
    case TFlowControl::fcDTR:
      dcb.OutxDsrFlow = dcb.DtrHandshake = true;
      break;
    case TFlowControl::fcSoftware:
      dcb.OutX = dcb.InX = true;
      break;
    case TFlowControl::fcDefault:
      break;
  }
  dcb.ParityCheck = FOptions.Has(TCommOption::coParityCheck);
  dcb.DsrSensitivity = FOptions.Has(TCommOption::coDsrSensitivity);
  dcb.TXContinueOnXoff = FOptions.Has(TCommOption::coIgnoreXOff);
  dcb.ErrorCharReplace = FOptions.Has(TCommOption::coErrorChar);
  dcb.Null = FOptions.Has(TCommOption::coNullStrip);

  const speed_t speed = Speed_Of(FBaudRate);
  if (speed == B0 || FDatabits == TDatabits::da4 || FStopbits == TStopbits::sb15 || dcb.OutxDsrFlow ||
      dcb.DtrHandshake || dcb.DsrSensitivity || dcb.TXContinueOnXoff || dcb.ErrorCharReplace || dcb.Null)
    throw ECommError(kDCB_Error, EINVAL);

  // Binary mode, always: no line editing, no echo, no character translation.
  tio.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | INPCK | IXANY);
  tio.c_oflag &= ~OPOST;
  tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  tio.c_cflag |= CLOCAL | CREAD;
  cfsetispeed(&tio, speed);
  cfsetospeed(&tio, speed);

  tio.c_cflag &= ~(PARENB | PARODD | CMSPAR);
  switch (dcb.Parity) {
    case TParity::paNone:
      break;
    case TParity::paOdd:
      tio.c_cflag |= PARENB | PARODD;
      break;
    case TParity::paEven:
      tio.c_cflag |= PARENB;
      break;
    case TParity::paMark:
      tio.c_cflag |= PARENB | CMSPAR | PARODD;
      break;
    case TParity::paSpace:
      tio.c_cflag |= PARENB | CMSPAR;
      break;
  }
  if (dcb.Stopbits == TStopbits::sb20)
    tio.c_cflag |= CSTOPB;
  else
    tio.c_cflag &= ~CSTOPB;
  tio.c_cflag &= ~CSIZE;
  static constexpr tcflag_t kSizes[] = {CS5, CS5, CS6, CS7, CS8};
  tio.c_cflag |= kSizes[static_cast<int>(FDatabits)];

  tio.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
  tio.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);

  if (FFlowControl != TFlowControl::fcDefault) {
    if (dcb.OutxCtsFlow)
      tio.c_cflag |= CRTSCTS;
    else
      tio.c_cflag &= ~CRTSCTS;
    if (dcb.OutX)
      tio.c_iflag |= IXON;
    else
      tio.c_iflag &= ~IXON;
    if (dcb.InX)
      tio.c_iflag |= IXOFF;
    else
      tio.c_iflag &= ~IXOFF;
  }
  if (dcb.ParityCheck) tio.c_iflag |= INPCK;

  if (tcsetattr(FHandle, TCSANOW, &tio) != 0) throw ECommError(kDCB_Error, errno);
  FDCB = dcb;
}

void TCustomComm::Check_Closed_For_Change() const {
  if (Enabled()) throw ECommError(kAlready_Open, -1);
}

void TCustomComm::SetDeviceName(const QString& value) {
  if (value == FDeviceName) return;
  Check_Closed_For_Change();
  FDeviceName = value;
}

void TCustomComm::SetReadBufSize(int value) {
  if (value == FReadBufSize) return;
  Check_Closed_For_Change();
  FReadBufSize = value;
}

void TCustomComm::SetWriteBufSize(int value) {
  if (value == FWriteBufSize) return;
  Check_Closed_For_Change();
  FWriteBufSize = value;
}

void TCustomComm::SetMonitorEvents(TCommEventTypes value) {
  if (value == FMonitorEvents) return;
  Check_Closed_For_Change();
  FMonitorEvents = value;
}

int TCustomComm::Write(const void* buf, int count) {
  std::lock_guard lock(FCriticalSection);
  if (!Enabled()) throw ECommError(QStringLiteral("Write error"), EBADF);
  if (count <= 0) return 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(FWriteTimeout);
  const auto* bytes = static_cast<const char*>(buf);
  int done = 0;
  while (done < count) {
    const ssize_t n = ::write(FHandle, bytes + done, static_cast<size_t>(count - done));
    if (n > 0) {
      done += static_cast<int>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) throw ECommError(QStringLiteral("Write error"), errno);
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    if (left <= 0) return -1;
    pollfd out{FHandle, POLLOUT, 0};
    poll(&out, 1, static_cast<int>(left));
  }
  return done;
}

int TCustomComm::Read(void* buf, int count) {
  std::lock_guard lock(FCriticalSection);
  if (!Enabled()) throw ECommError(QStringLiteral("Read error"), EBADF);
  if (count <= 0) return 0;
  for (;;) {
    const ssize_t n = ::read(FHandle, buf, static_cast<size_t>(count));
    if (n >= 0) return static_cast<int>(n);
    if (errno == EINTR) continue;
    if (errno == EAGAIN) return 0;
    throw ECommError(QStringLiteral("Read error"), errno);
  }
}

int TCustomComm::InQueCount() const {
  int count = 0;
  if (!Enabled() || ioctl(FHandle, FIONREAD, &count) != 0) return -1;
  return count;
}

int TCustomComm::OutQueCount() const {
  int count = 0;
  if (!Enabled() || ioctl(FHandle, TIOCOUTQ, &count) != 0) return -1;
  return count;
}

void TCustomComm::PurgeIn() {
  if (Enabled()) tcflush(FHandle, TCIFLUSH);
}

void TCustomComm::PurgeOut() {
  if (Enabled()) tcflush(FHandle, TCOFLUSH);
}

void TCustomComm::Escape(unsigned long request, int bits) {
  if (!Enabled()) throw ECommError(kNot_Open, -1);
  const int result = bits != 0 ? ioctl(FHandle, request, &bits) : ioctl(FHandle, request, 0);
  if (result != 0) throw ECommError(QStringLiteral("EscapeCommFunction failure"), errno);
}

void TCustomComm::SetDTRState(bool state) { Escape(state ? TIOCMBIS : TIOCMBIC, TIOCM_DTR); }

void TCustomComm::SetRTSState(bool state) { Escape(state ? TIOCMBIS : TIOCMBIC, TIOCM_RTS); }

void TCustomComm::SetBREAKState(bool state) {
  Escape(state ? TIOCSBRK : TIOCCBRK, 0);
  tcflush(FHandle, TCIOFLUSH);
}

void TCustomComm::SetXONState(bool state) {
  if (!Enabled()) throw ECommError(kNot_Open, -1);
  if (tcflow(FHandle, state ? TCOON : TCOOFF) != 0)
    throw ECommError(QStringLiteral("EscapeCommFunction failure"), errno);
}

bool TCustomComm::Modem_Bit(int bit) const {
  int status = 0;
  if (!Enabled() || ioctl(FHandle, TIOCMGET, &status) != 0) return false;
  return (status & bit) != 0;
}

void TCustomComm::Do_Comm_Event(uint32_t events) {
  std::lock_guard lock(event_lock_);
  const auto has = [events](TCommEventType type) { return (events & TCommEventTypes::Bit(type)) != 0; };
  int waiting = 0;
  if (ioctl(FHandle, FIONREAD, &waiting) != 0) waiting = 0;
  const int32_t line_errors = has(TCommEventType::evError) ? 1 : 0;
  if (has(TCommEventType::evBreak) && OnBreak) OnBreak(this);
  if (has(TCommEventType::evCts) && OnCts) OnCts(this);
  if (has(TCommEventType::evDsr) && OnDsr) OnDsr(this);
  if (has(TCommEventType::evError) && OnError) OnError(this, line_errors);
  if (has(TCommEventType::evRing) && OnRing) OnRing(this);
  if (has(TCommEventType::evRlsd) && OnRlsd) OnRlsd(this);
  if (has(TCommEventType::evRxChar) && OnRxChar && waiting > 0) OnRxChar(this, waiting);
  if (has(TCommEventType::evRxFlag) && OnRxFlag) OnRxFlag(this);
  if (has(TCommEventType::evTxEmpty) && OnTxEmpty) OnTxEmpty(this);
}
