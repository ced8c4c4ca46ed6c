#pragma once
// Timing other programs beside ours in the same run. A tool's time is the
// processor time of its process (user + system, all its threads), so the
// figures compare with our benchmarks' CPU column even on a busy machine; a
// tool's process start is part of its time. The wall time of each run is
// reported too, in the counter "wall_ms".
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace bench_support {

// Runs a tool to completion; false when it could not run or failed.
inline bool runTool(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

inline double childCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_CHILDREN, &u);
  return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The body of a benchmark registered with UseManualTime().
inline void timeTool(benchmark::State& state, const std::vector<std::string>& args) {
  if (!runTool(args)) {
    state.SkipWithError("tool not available or failed");
    return;
  }
  double wall = 0;
  for (auto _ : state) {
    const double before = childCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    runTool(args);
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(childCpuSeconds() - before);
  }
  state.counters["wall_ms"] = benchmark::Counter(wall * 1000, benchmark::Counter::kAvgIterations);
}

}  // namespace bench_support
