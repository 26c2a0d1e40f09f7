// A full primary scan against the gateway simulator, which answers at once. The
// protocol's pauses and the loop's pacing are slept for real but shortened; what is
// left of the wall time is the engine's own work (frames, decoding, hand-over, socket).
// Reported: that own time against the scan's protocol time at full length, which must
// stay under 5 %; the program exits with 1 when it does not.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <thread>

#include "scan/engine/mbus_scan_decode.h"
#include "support/ratio_check.h"

namespace {

constexpr int kScale = 20;
// The fraction of the last scan, for the check after the run.
double g_own_percent = -1;

// Sleeps 1/kScale of each request and keeps account of both.
class Accounting_Sleeper : public Interruptible_Sleeper {
 public:
  std::atomic<int64_t> requested_ms{0};
  std::atomic<int64_t> slept_us{0};
  void Sleep(int ms) override {
    requested_ms += ms;
    const auto start = std::chrono::steady_clock::now();
    Interruptible_Sleeper::Sleep(ms > 0 ? std::max(1, ms / kScale) : 0);
    slept_us += std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
  }
};

void BM_Primary_Scan_Against_Simulator(benchmark::State& state) {
  QTemporaryDir dir;
  QFile corpus(QStringLiteral(KELVRA_TESTDATA_DIR "/mbus-frames/valid/ACW_Itron-BM-plus-m.hex"));
  corpus.open(QIODevice::ReadOnly);
  const QByteArray hex = corpus.readAll().simplified();
  QFile meters(dir.filePath("meters.txt"));
  meters.open(QIODevice::WriteOnly);
  meters.write("3 12345678 " + hex + "\n100 23456789 " + hex + "\n200 34567890 " + hex + "\n");
  meters.close();

  QProcess sim;
  sim.start(QStringLiteral(GATEWAY_SIM), {"--port", "0", "--meters", meters.fileName()});
  sim.waitForStarted();
  while (!sim.canReadLine() && sim.waitForReadyRead(5000)) {
  }
  const auto port = static_cast<uint16_t>(sim.readLine().trimmed().mid(5).toUInt());

  double own_fraction = 0;
  for (auto _ : state) {
    TList_Slave_MBus wired;
    TList_Slave_wMBus wireless;
    auto sleeper = std::make_shared<Accounting_Sleeper>();
    Scan_Platform platform;
    platform.sleeper = sleeper;
    platform.gateway_command_port = port;
    TMBusScanDecode engine(wired, wireless, std::move(platform));
    engine.Event_Run().Set();
    const auto start = std::chrono::steady_clock::now();
    engine.Start_Scan(saPrimaryAddress, shEthernet, "127.0.0.1", 2400, 1, false, false, 3, false, 0, false, nullptr);
    while (engine.InScan()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const double wall_us =
        double(std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count());
    const double own_us = std::max(0.0, wall_us - double(sleeper->slept_us.load()));
    own_fraction = own_us / (own_us + 1000.0 * double(sleeper->requested_ms.load()));
    if (wired.size() != 3) state.SkipWithError("the scan did not find the three meters");
  }
  state.counters["own_time_percent"] = 100.0 * own_fraction;
  // A scan that missed a meter did not do the work being measured.
  g_own_percent = state.error_occurred() ? -1 : 100.0 * own_fraction;
  sim.kill();
  sim.waitForFinished();
}
BENCHMARK(BM_Primary_Scan_Against_Simulator)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (g_own_percent < 0) {
    std::printf("goal | scan engine: own time of a primary scan (%%) | not measured | 100 | - | 0.05 | FAIL\n");
    return 1;
  }
  // The ratio is the own time's share of the scan: at most 5 %.
  return bench_support::Report_Goal("scan engine: own time of a primary scan (% of wall time)", g_own_percent, 100,
                                    0.05)
             ? 0
             : 1;
}
