#pragma once
#include <QObject>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

class QSocketNotifier;

// One report of the scan engine: wired progress (Update_Device_List) or one
// wireless meter heard (Update_Wireless_Grid, the meter's position only: the
// window reads the meter itself under the engine's list lock).
struct Scan_Report {
  enum class Kind { Wired, Wireless };
  Kind kind = Kind::Wired;
  int32_t event = 0;  // wired: Event, Value, Found, Kind as the engine reports them
  int32_t value = 0;
  int32_t found = 0;
  int32_t addressing = 0;
  int32_t index = -1;  // wireless: the meter's position in List_Slave_wMBus
  uint64_t generation = 0;
};

// Carries the scan and receive threads' reports to the thread that owns the
// queue, in arrival order. The threads only append under a lock and wake the
// owner through an eventfd; no Qt object is touched off its thread. Reports
// posted for an older generation (before the last New_Generation) are dropped.
class Scan_Report_Queue : public QObject {
  Q_OBJECT
 public:
  explicit Scan_Report_Queue(QObject* parent = nullptr);
  ~Scan_Report_Queue() override;
  Scan_Report_Queue(const Scan_Report_Queue&) = delete;
  Scan_Report_Queue& operator=(const Scan_Report_Queue&) = delete;

  // Any thread.
  void Post(const Scan_Report& report);

  // Owner thread: a new scan begins; what is queued and every later report of
  // an older generation is dropped. Returns the generation to post with.
  uint64_t New_Generation();
  uint64_t Generation() const;
  // Applies every queued report of the current generation now (also done on
  // each wake-up).
  void Drain();

  // Owner thread, for each report in arrival order.
  std::function<void(const Scan_Report&)> Apply;

 private:
  mutable std::mutex lock_;
  std::deque<Scan_Report> queue_;
  uint64_t generation_ = 1;
  int wake_ = -1;
  QSocketNotifier* notifier_ = nullptr;
};
