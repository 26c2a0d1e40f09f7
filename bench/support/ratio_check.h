#pragma once
// Runs the registered benchmarks and checks how each one's cost grows with
// its argument: the time at the large argument over the time at the small one
// must stay within a limit. With repetitions the fastest run counts, so that
// a busy machine does not decide the ratio. Returns the exit code: 0 when
// every ratio holds, else 1.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace bench_support {

class Fastest_Run_Reporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        auto& best = times[run.run_name.function_name][run.run_name.args];
        if (best == 0 || run.GetAdjustedRealTime() < best) best = run.GetAdjustedRealTime();
      }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, std::map<std::string, double>> times;
};

// `what` names the two sizes in the printed line, e.g. "1M rows / 100k rows".
inline int Run_Ratio_Check(int* argc, char** argv, const std::string& small_arg, const std::string& large_arg,
                           const char* what, double limit) {
  benchmark::Initialize(argc, argv);
  Fastest_Run_Reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  bool ok = true;
  for (auto& [name, by_arg] : reporter.times) {
    if (!by_arg.count(small_arg) || !by_arg.count(large_arg)) continue;
    const double ratio = by_arg[large_arg] / by_arg[small_arg];
    std::printf("%s: %s = %.2f (at most %g)\n", name.c_str(), what, ratio, limit);
    std::printf("goal | %s, %s | %.4g | %.4g | %.2f | %g | %s\n", name.c_str(), what, by_arg[large_arg],
                by_arg[small_arg], ratio, limit, ratio <= limit ? "pass" : "FAIL");
    if (ratio > limit) ok = false;
  }
  return ok ? 0 : 1;
}

// The same check with the repetitions of all sizes run in random
// interleaving, so that load on the machine hits the baseline and the large
// size alike. Takes main's own arguments.
inline int Run_Interleaved_Ratio_Check(int argc, char** argv, const std::string& small_arg,
                                       const std::string& large_arg, const char* what, double limit) {
  std::vector<char*> args(argv, argv + argc);
  static char interleave[] = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave);
  int count = static_cast<int>(args.size());
  return Run_Ratio_Check(&count, args.data(), small_arg, large_arg, what, limit);
}

// Prints one row of the goal table that scripts/bench.sh gathers:
// "goal | measure | figure | baseline | ratio | goal | pass". The ratio is
// figure / baseline and must stay at or below the goal. Returns whether it does.
inline bool Report_Goal(const std::string& measure, double figure, double baseline, double goal) {
  const double ratio = baseline > 0 ? figure / baseline : std::numeric_limits<double>::infinity();
  const bool pass = ratio <= goal;
  std::printf("goal | %s | %.4g | %.4g | %.2f | %g | %s\n", measure.c_str(), figure, baseline, ratio, goal,
              pass ? "pass" : "FAIL");
  std::fflush(stdout);
  return pass;
}

// Times `a` and `b` in alternating rounds, so that load on the machine hits
// both alike, and returns the fastest round of each in seconds.
template <typename A, typename B>
std::pair<double, double> Fastest_Alternating(A&& a, B&& b, int rounds) {
  using Clock = std::chrono::steady_clock;
  double best_a = std::numeric_limits<double>::infinity();
  double best_b = best_a;
  for (int i = 0; i < rounds; ++i) {
    auto t0 = Clock::now();
    a();
    auto t1 = Clock::now();
    b();
    auto t2 = Clock::now();
    best_a = std::min(best_a, std::chrono::duration<double>(t1 - t0).count());
    best_b = std::min(best_b, std::chrono::duration<double>(t2 - t1).count());
  }
  return {best_a, best_b};
}

}  // namespace bench_support
