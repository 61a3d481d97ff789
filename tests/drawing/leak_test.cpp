// Creating and destroying many objects of every class leaves the process as it was.
//
// What is counted: GDI and USER objects (GetGuiResources), and, because Wine answers 0 to
// GetGuiResources and leaves PrivateUsage at 0, equivalents that Wine does keep: the live entries
// of the GDI handle table (Wine accepts a bare table index as a handle), the thread's top-level
// windows (the only USER objects the layer makes are tooltip windows), the bytes in use on every
// heap of the process (HeapWalk: GDI+ objects, streams and memory blocks all live there), and the
// committed private memory (VirtualQuery).
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/drawing/canvas.h"
// After windows.h, which it needs.
#include <psapi.h>
#include "tests/support/gbk.h"

namespace drawing_test {
namespace {

SIZE_T heap_bytes_in_use() {
  std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
  heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  SIZE_T in_use = 0;
  for (HANDLE heap : heaps) {
    if (!HeapLock(heap)) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heap, &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) in_use += entry.cbData;
    }
    HeapUnlock(heap);
  }
  return in_use;
}

// Wine's GDI handles carry their table index in the low word and accept a handle without the
// generation in the high word, so probing every index counts the live objects. Elsewhere the
// probe finds nothing and GetGuiResources does the counting.
int live_gdi_handles() {
  int live = 0;
  for (UINT_PTR index = 1; index < 0x10000; ++index) {
    live += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
  }
  return live;
}

SIZE_T committed_private_bytes() {
  SIZE_T committed = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (const BYTE* address = nullptr;
       VirtualQuery(address, &region, sizeof region) == sizeof region;
       address = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) committed += region.RegionSize;
  }
  return committed;
}

BOOL CALLBACK count_window(HWND, LPARAM counter) {
  ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

int top_level_windows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), count_window, reinterpret_cast<LPARAM>(&count));
  return count;
}

struct Usage {
  DWORD gdi_objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  DWORD user_objects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  int gdi_handles = live_gdi_handles();
  int windows = top_level_windows();
  SIZE_T heap_bytes = heap_bytes_in_use();
  SIZE_T private_usage = [] {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(),
                         reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PrivateUsage;
  }();
  SIZE_T private_bytes = committed_private_bytes();
};

// One object of every class, each used the way the skin uses it, then destroyed.
void use_every_class(const std::vector<BYTE>& png, const std::vector<BYTE>& gif) {
  drawing::Bitmap picture;
  picture.create_bitmap_from_stream(png);
  drawing::Image animation;
  animation.load_image_from_stream(gif);
  std::vector<INT32> delays;
  animation.frame_delays(delays);
  const std::vector<BYTE> saved = picture.save_image_to_stream(drawing::png_encoder);
  const drawing::Bitmap turned = picture.rotated_copy(30.0f);
  DeleteObject(picture.create_hbitmap_from_bitmap(0));

  Canvas canvas(64, 48);
  drawing::Pen pen;
  pen.create_pen1(red, 2.0f, Gdiplus::UnitPixel);
  drawing::SolidBrush solid;
  solid.create_solid_fill(blue);
  drawing::LinearGradientBrush line;
  line.create_line_brush(drawing::PointF(0, 0), drawing::PointF(64, 0), red, blue);
  drawing::GraphicsPath path;
  path.create_path(Gdiplus::FillModeAlternate);
  path.add_path_rounded_rectangle(2, 2, 60, 40, 20);
  drawing::PathGradientBrush radial;
  radial.create_path_gradient_from_path(path);
  drawing::TextureBrush texture;
  texture.create_texture(picture);
  drawing::Matrix matrix;
  matrix.create_matrix();
  drawing::Region region;
  region.create_region_path(path);
  canvas.graphics.set_clip_region(region, Gdiplus::CombineModeReplace);
  canvas.graphics.fill_path(radial, path);
  canvas.graphics.fill_rectangle(line, 0.0f, 0.0f, 10.0f, 10.0f);
  canvas.graphics.fill_rectangle(texture, 10.0f, 10.0f, 10.0f, 10.0f);
  canvas.graphics.draw_path(pen, path);
  canvas.graphics.draw_image(turned, 0.0f, 0.0f, 20.0f, 20.0f);

  drawing::Font font;
  font.create_font(test_support::gbk("不存在的字体"), 12.0f);
  drawing::Font gui;
  gui.create_font_from_stock_gui_font();
  drawing::StringFormat format;
  format.create_string_format(0, LANG_NEUTRAL);
  const Gdiplus::CharacterRange ranges[] = {{0, 1}};
  format.set_string_format_measurable_character_ranges(ranges);
  canvas.graphics.draw_string(test_support::gbk("砚溪"), font, drawing::RectF(0, 0, 64, 48), format,
                              solid);
  canvas.graphics.measure_character_ranges(test_support::gbk("砚溪"), gui,
                                           drawing::RectF(0, 0, 64, 48), format);
  drawing::FontFamily family;
  font.get_family(family);
  drawing::FontCollection installed;
  Gdiplus::GpFontCollection* collection = nullptr;
  Gdiplus::DllExports::GdipNewInstalledFontCollection(&collection);
  installed.set_handle(collection);
  installed.get_font_collection_family_list();

  drawing::ByteStream stream;
  stream.load(png);
  stream.read_back();
  drawing::TooltipWindow tooltip;
  tooltip.create();
}

TEST(Leaks, ManyObjectsOfEveryClassLeaveTheProcessAsItWas) {
  const std::vector<BYTE> png = png_of(16, 12, green);
  const std::vector<BYTE> gif = animated_gif({1, 2}, {10, 20});
  // Warm up: the first uses fill caches (fonts, codecs, window classes) that stay.
  for (int i = 0; i < 20; ++i) use_every_class(png, gif);
  const Usage before;
  constexpr int rounds = 150;
  for (int i = 0; i < rounds; ++i) use_every_class(png, gif);
  const Usage after;

  EXPECT_EQ(after.gdi_objects, before.gdi_objects);
  EXPECT_EQ(after.user_objects, before.user_objects);
  EXPECT_EQ(after.gdi_handles, before.gdi_handles);
  EXPECT_EQ(after.windows, before.windows);
  // One leaked block of the smallest size per round would show as rounds x 16 bytes.
  EXPECT_LT(after.heap_bytes, before.heap_bytes + rounds * 16)
      << "heap bytes " << before.heap_bytes << " -> " << after.heap_bytes;
  EXPECT_LE(after.private_usage, before.private_usage + 256 * 1024);
  EXPECT_LE(after.private_bytes, before.private_bytes + 256 * 1024)
      << "private bytes " << before.private_bytes << " -> " << after.private_bytes;
  std::printf("GetGuiResources GDI %lu -> %lu, USER %lu -> %lu; GDI table entries %d -> %d; "
              "windows %d -> %d; heap bytes %lu -> %lu; private usage %lu -> %lu; committed "
              "private %lu -> %lu\n",
              before.gdi_objects, after.gdi_objects, before.user_objects, after.user_objects,
              before.gdi_handles, after.gdi_handles, before.windows, after.windows,
              static_cast<unsigned long>(before.heap_bytes),
              static_cast<unsigned long>(after.heap_bytes),
              static_cast<unsigned long>(before.private_usage),
              static_cast<unsigned long>(after.private_usage),
              static_cast<unsigned long>(before.private_bytes),
              static_cast<unsigned long>(after.private_bytes));
}

}  // namespace
}  // namespace drawing_test
