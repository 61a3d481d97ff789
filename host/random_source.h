#pragma once
// The host's random integers: uniform over an inclusive range, seeded once from the tick count.
#include <cstdint>
#include <functional>
#include <utility>

namespace host {

// Milliseconds since the system started (wraps after 49.7 days).
std::uint32_t tick_count();

class RandomSource {
 public:
  using Clock = std::function<std::uint32_t()>;

  explicit RandomSource(Clock clock = tick_count) : clock_(std::move(clock)) { seed(0); }

  void seed(std::uint32_t value);
  void seed_from_clock() { seed(clock_()); }
  // Uniform r with low ≤ r ≤ high; low itself when the range is empty or reversed.
  std::int32_t between(std::int32_t low, std::int32_t high);

 private:
  std::uint32_t next();

  Clock clock_;
  std::uint64_t state_ = 0;
};

}  // namespace host
