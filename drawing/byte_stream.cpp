#include "drawing/byte_stream.h"

#include <cstring>

namespace drawing {

struct ByteStream::Cell {
  HGLOBAL memory = nullptr;
  void* locked = nullptr;
  IStream* stream = nullptr;

  Cell() = default;
  Cell(const Cell&) = delete;
  ~Cell() { clear(); }

  void clear() {
    if (stream) stream->Release();
    if (locked) GlobalUnlock(memory);
    if (memory) GlobalFree(memory);
    memory = nullptr;
    locked = nullptr;
    stream = nullptr;
  }
};

ByteStream::ByteStream() : cell_(std::make_shared<Cell>()) {}

bool ByteStream::load(std::span<const BYTE> bytes, SIZE_T size) {
  release();
  if (size == 0) size = bytes.size();
  if (size == 0 || size < bytes.size()) return false;
  Cell& cell = *cell_;
  cell.memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!cell.memory) return false;
  if (FAILED(CreateStreamOnHGlobal(cell.memory, FALSE, &cell.stream))) {
    cell.stream = nullptr;
    release();
    return false;
  }
  cell.locked = GlobalLock(cell.memory);
  if (!cell.locked) {
    release();
    return false;
  }
  std::memcpy(cell.locked, bytes.data(), bytes.size());
  return true;
}

void ByteStream::release() { cell_->clear(); }

SIZE_T ByteStream::size() const { return cell_->memory ? GlobalSize(cell_->memory) : 0; }

IStream* ByteStream::stream() const { return cell_->stream; }

HGLOBAL ByteStream::memory() const { return cell_->memory; }

bool ByteStream::take_over(IStream* stream) {
  release();
  if (!stream) return false;
  HGLOBAL memory = nullptr;
  if (FAILED(GetHGlobalFromStream(stream, &memory))) return false;
  cell_->stream = stream;
  cell_->memory = memory;
  return true;
}

std::vector<BYTE> ByteStream::read_back() const {
  if (!cell_->memory) return {};
  const auto* bytes = static_cast<const BYTE*>(GlobalLock(cell_->memory));
  if (!bytes) return {};
  std::vector<BYTE> copy(bytes, bytes + GlobalSize(cell_->memory));
  GlobalUnlock(cell_->memory);
  return copy;
}

}  // namespace drawing
