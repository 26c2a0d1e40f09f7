#pragma once
// Runs the registered benchmarks and checks how each one's cost grows with
// its argument: the time at the large argument over the time at the small one
// must stay within a limit. With repetitions the fastest run counts, so that
// a busy machine does not decide the ratio. Returns the exit code: 0 when
// every ratio holds, else 1.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
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
    if (ratio > limit) ok = false;
  }
  return ok ? 0 : 1;
}

}  // namespace bench_support
