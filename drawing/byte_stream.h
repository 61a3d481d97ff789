#pragma once
// A memory block with a COM stream on it: how pictures travel between byte buffers and GDI+.
// Copies share the block; the last copy (or release) frees it.
#include "drawing/flat.h"

#include <memory>
#include <span>
#include <vector>

namespace drawing {

class ByteStream {
 public:
  ByteStream();  // slots 0 and 1 are the destructor and the copy

  // Slot 2: a new block of `size` bytes (by default the bytes' length) holding the bytes.
  bool load(std::span<const BYTE> bytes, SIZE_T size = 0);
  void release();                     // slot 3
  SIZE_T size() const;                // slot 4, GlobalSize of the block
  IStream* stream() const;            // slot 5
  HGLOBAL memory() const;             // slot 6
  bool take_over(IStream* stream);    // slot 7, the stream and the block under it
  std::vector<BYTE> read_back() const;  // slot 8, the whole block

 private:
  struct Cell;
  std::shared_ptr<Cell> cell_;
};

}  // namespace drawing
