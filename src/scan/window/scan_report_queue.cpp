#include "scan/window/scan_report_queue.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <stdexcept>

Scan_Report_Queue::Scan_Report_Queue(QObject* parent) : QObject(parent) {
  wake_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wake_ < 0) throw std::runtime_error("eventfd failed");
  notifier_ = new QSocketNotifier(wake_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    uint64_t count = 0;
    (void)read(wake_, &count, sizeof count);
    Drain();
  });
}

Scan_Report_Queue::~Scan_Report_Queue() {
  delete notifier_;
  close(wake_);
}

void Scan_Report_Queue::Post(const Scan_Report& report) {
  {
    std::lock_guard lock(lock_);
    if (report.generation != generation_) return;
    queue_.push_back(report);
  }
  const uint64_t one = 1;
  (void)write(wake_, &one, sizeof one);
}

uint64_t Scan_Report_Queue::New_Generation() {
  std::lock_guard lock(lock_);
  queue_.clear();
  return ++generation_;
}

uint64_t Scan_Report_Queue::Generation() const {
  std::lock_guard lock(lock_);
  return generation_;
}

void Scan_Report_Queue::Drain() {
  for (;;) {
    Scan_Report report;
    {
      std::lock_guard lock(lock_);
      if (queue_.empty()) return;
      report = queue_.front();
      queue_.pop_front();
      if (report.generation != generation_) continue;
    }
    // Applying may start a new generation (a report that ends the scan): the
    // next pass sees it.
    if (Apply) Apply(report);
  }
}
