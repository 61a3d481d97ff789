#include "random_source.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <chrono>
#endif

namespace host {

std::uint32_t tick_count() {
#ifdef _WIN32
  return GetTickCount();
#else
  using namespace std::chrono;
  return static_cast<std::uint32_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
#endif
}

void RandomSource::seed(std::uint32_t value) {
  // Spread the 32-bit seed over the whole state, so that nearby tick counts start far apart.
  std::uint64_t z = value + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  state_ = z ^ (z >> 31);
}

// PCG32 (XSH RR): small, fast, and with no weak low bits.
std::uint32_t RandomSource::next() {
  std::uint64_t old = state_;
  state_ = old * 6364136223846793005ull + 1442695040888963407ull;
  auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  auto rot = static_cast<std::uint32_t>(old >> 59u);
  return (xorshifted >> rot) | (xorshifted << ((-rot) & 31));
}

std::int32_t RandomSource::between(std::int32_t low, std::int32_t high) {
  if (high <= low) return low;
  const std::uint32_t span = static_cast<std::uint32_t>(high) - static_cast<std::uint32_t>(low);
  if (span == UINT32_MAX) return static_cast<std::int32_t>(next());
  const std::uint32_t range = span + 1;
  // Rejection of the short last stretch keeps every value equally likely.
  const std::uint32_t limit = UINT32_MAX - (UINT32_MAX % range + 1) % range;
  std::uint32_t r;
  do r = next();
  while (r > limit);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(low) + r % range);
}

}  // namespace host
