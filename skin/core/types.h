#pragma once
// Value types shared by the skin's records: every field keeps its 32-bit meaning.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace skin {

// A 32-bit 0/1 value.
using Flag = std::int32_t;

// An owned buffer of encoded picture bytes; empty means no picture.
using Bytes = std::vector<std::uint8_t>;

// A routine called with no arguments (help, main-menu and custom caption buttons).
using Routine = void(__stdcall*)();

// A rectangle given by its corner and size.
struct Box {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const Box&, const Box&) = default;
};

struct BoxF {
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;
  friend bool operator==(const BoxF&, const BoxF&) = default;
};

}  // namespace skin
