#include "drawing/object.h"

#include "drawing/byte_stream.h"

namespace drawing {

DrawingObject::Cell::Cell(Release r) : release(r) {}

DrawingObject::Cell::~Cell() { clear(); }

Status DrawingObject::Cell::clear() {
  Status status = Gdiplus::Ok;
  if (native && release) status = release(native);
  native = nullptr;
  stream.reset();  // after the picture: GDI+ reads the stream until then
  return status;
}

DrawingObject::DrawingObject(Release release) : cell_(std::make_shared<Cell>(release)) {}

void DrawingObject::set_native(void* handle) {
  if (handle == cell_->native) return;
  cell_->clear();
  cell_->native = handle;
}

void DrawingObject::set_native(void* handle, ByteStream stream) {
  set_native(handle);
  cell_->stream = std::make_unique<ByteStream>(std::move(stream));
}

bool DrawingObject::delete_native() {
  if (!cell_->native) return false;
  return record(cell_->clear());
}

void* DrawingObject::alloc(std::size_t size) {
  const auto entry = DRAWING_FLAT(GdipAlloc);
  return entry ? entry(size) : nullptr;
}

void DrawingObject::free(void* memory) {
  if (const auto entry = DRAWING_FLAT(GdipFree)) entry(memory);
}

}  // namespace drawing
