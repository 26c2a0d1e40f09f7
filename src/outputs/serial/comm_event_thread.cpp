#include "outputs/serial/comm_event_thread.h"

#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <utility>

namespace {

constexpr int kSample_Interval_Ms = 20;

uint32_t Bit(TCommEventType type) { return TCommEventTypes::Bit(type); }

}  // namespace

TCommEventThread::TCommEventThread(int comm_handle, TCommEventTypes event_mask, std::function<void(uint32_t)> on_signal)
    : FCommHandle(comm_handle),
      FEvent(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)),
      FEventMask(event_mask),
      FOnSignal(std::move(on_signal)) {
  // Take the starting levels before the thread runs, so nothing present at open counts as an event.
  Sample_Events();
  thread_ = std::thread([this] { Execute(); });
}

TCommEventThread::~TCommEventThread() {
  Stop();
  if (thread_.joinable()) thread_.join();
  if (FEvent >= 0) close(FEvent);
}

void TCommEventThread::Stop() {
  stop_.store(true);
  if (FEvent >= 0) {
    const uint64_t one = 1;
    [[maybe_unused]] auto written = write(FEvent, &one, sizeof one);
  }
}

uint32_t TCommEventThread::Sample_Events() {
  uint32_t bits = 0;
  int in_queue = 0;
  if (ioctl(FCommHandle, FIONREAD, &in_queue) == 0) {
    if (in_queue > last_in_queue_) bits |= Bit(TCommEventType::evRxChar);
    last_in_queue_ = in_queue;
  }
  int out_queue = 0;
  if (ioctl(FCommHandle, TIOCOUTQ, &out_queue) == 0) {
    if (out_queue == 0 && last_out_queue_ > 0) bits |= Bit(TCommEventType::evTxEmpty);
    last_out_queue_ = out_queue;
  }
  int modem = 0;
  if (ioctl(FCommHandle, TIOCMGET, &modem) == 0) {
    if (last_modem_ >= 0) {
      const int changed = modem ^ last_modem_;
      if (changed & TIOCM_CTS) bits |= Bit(TCommEventType::evCts);
      if (changed & TIOCM_DSR) bits |= Bit(TCommEventType::evDsr);
      if ((changed & TIOCM_RNG) && !(modem & TIOCM_RNG)) bits |= Bit(TCommEventType::evRing);
      if (changed & TIOCM_CD) bits |= Bit(TCommEventType::evRlsd);
    }
    last_modem_ = modem;
  }
  serial_icounter_struct counters{};
  if (ioctl(FCommHandle, TIOCGICOUNT, &counters) == 0) {
    const uint64_t breaks = static_cast<uint64_t>(counters.brk);
    const uint64_t errors = static_cast<uint64_t>(counters.frame) + counters.overrun + counters.parity +
                            static_cast<uint64_t>(counters.buf_overrun);
    if (counters_known_) {
      if (breaks != last_breaks_) bits |= Bit(TCommEventType::evBreak);
      if (errors != last_errors_) bits |= Bit(TCommEventType::evError);
    }
    last_breaks_ = breaks;
    last_errors_ = errors;
    counters_known_ = true;
  }
  return bits & FEventMask.Bits();
}

void TCommEventThread::Execute() {
  while (!stop_.load()) {
    pollfd fds[2] = {{FEvent, POLLIN, 0}, {FCommHandle, POLLIN, 0}};
    // While unread input waits, polling the port would return at once; sample instead.
    const nfds_t count = last_in_queue_ > 0 ? 1 : 2;
    const int ready = poll(fds, count, kSample_Interval_Ms);
    if (stop_.load()) break;
    if (ready < 0) continue;
    if (count == 2 && (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) && !(fds[1].revents & POLLIN)) {
      // A hung-up peer keeps the descriptor "ready"; do not spin on it.
      pollfd wait_stop{FEvent, POLLIN, 0};
      poll(&wait_stop, 1, kSample_Interval_Ms);
    }
    const uint32_t bits = Sample_Events();
    if (bits != 0 && FOnSignal) FOnSignal(bits);
  }
  // Like the platform's event thread, leave nothing pending behind.
  tcflush(FCommHandle, TCIOFLUSH);
}
