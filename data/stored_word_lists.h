#pragma once
// The thirteen stored word lists, compiled into the program as read-only GBK texts.
// Kept free of heavy includes: the unit that defines them is compiled with a GBK execution charset.
#include <cstddef>

namespace data {

inline constexpr int kStoredWordListCount = 13;

struct StoredText {
  const char* bytes;  // NUL-terminated
  std::size_t size;   // without the NUL
};

// The stored text of list `category` (1 … 13); the empty text for any other number.
StoredText stored_word_list(int category);

}  // namespace data
