#pragma once
// Benchmark timing: the median of many repetitions, measured with the performance counter.
#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench {

inline double now_ms() {
  static const double ticks_per_ms = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / ticks_per_ms;
}

// Runs `once` `repetitions` times and returns the median duration of one run in milliseconds.
template <typename Fn>
double median_ms(int repetitions, Fn&& once) {
  std::vector<double> samples;
  samples.reserve(repetitions);
  for (int i = 0; i < repetitions; ++i) {
    const double start = now_ms();
    once();
    samples.push_back(now_ms() - start);
  }
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return samples[samples.size() / 2];
}

}  // namespace bench
