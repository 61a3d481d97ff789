// The cost of the drawing layer itself: 10,000 filled rounded rectangles on a 713 x 510 ARGB
// bitmap, once through the layer and once through the raw flat API, with the same work per
// rectangle (a new path, four arcs, close, fill, delete).
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/support/timing.h"
#include "drawing/drawing.h"

namespace {

constexpr int width = 713, height = 510, rectangles = 10000;

struct Box {
  float x, y, w, h;
};

Box box(int i) {
  return {static_cast<float>(i * 37 % (width - 120)), static_cast<float>(i * 53 % (height - 90)),
          40.0f + i % 80, 30.0f + i % 60};
}

void raw_rounded_rectangles(Gdiplus::GpGraphics* graphics, Gdiplus::GpBrush* brush) {
  using namespace Gdiplus::DllExports;
  for (int i = 0; i < rectangles; ++i) {
    const Box b = box(i);
    const int percent = std::clamp(20, 1, 100);
    const float cw = static_cast<int>(b.w * percent / 100);
    const float ch = static_cast<int>(b.h * percent / 100);
    Gdiplus::GpPath* path = nullptr;
    GdipCreatePath(Gdiplus::FillModeAlternate, &path);
    GdipAddPathArc(path, b.x + b.w - cw, b.y, cw, ch, 270.0f, 90.0f);
    GdipAddPathArc(path, b.x + b.w - cw, b.y + b.h - ch, cw, ch, 0.0f, 90.0f);
    GdipAddPathArc(path, b.x, b.y + b.h - ch, cw, ch, 90.0f, 90.0f);
    GdipAddPathArc(path, b.x, b.y, cw, ch, 180.0f, 90.0f);
    GdipClosePathFigure(path);
    GdipFillPath(graphics, brush, path);
    GdipDeletePath(path);
  }
}

void layer_rounded_rectangles(const drawing::Graphics& graphics, const drawing::SolidBrush& brush) {
  for (int i = 0; i < rectangles; ++i) {
    const Box b = box(i);
    drawing::GraphicsPath path;
    path.create_path(Gdiplus::FillModeAlternate);
    path.add_path_rounded_rectangle(b.x, b.y, b.w, b.h, 20);
    graphics.fill_path(brush, path);
  }
}

double median(std::vector<double> samples) {
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return samples[samples.size() / 2];
}

}  // namespace

int main() {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 1;
  double raw_ms = 0, layer_ms = 0;
  {
    drawing::Bitmap bitmap;
    bitmap.create_bitmap_from_scan0(width, height);
    drawing::Graphics graphics;
    graphics.get_image_graphics_context(bitmap);
    graphics.set_smoothing_mode(Gdiplus::SmoothingModeAntiAlias);
    drawing::SolidBrush brush;
    brush.create_solid_fill(0xC0336699u);
    // Interleaved, so that a busy moment of the machine weighs on both alike.
    std::vector<double> raw, layer;
    for (int round = 0; round < 9; ++round) {
      raw.push_back(bench::median_ms(1, [&] {
        raw_rounded_rectangles(graphics.handle(), brush.handle());
      }));
      layer.push_back(bench::median_ms(1, [&] { layer_rounded_rectangles(graphics, brush); }));
    }
    raw_ms = median(raw);
    layer_ms = median(layer);
  }
  Gdiplus::GdiplusShutdown(token);
  std::printf("%d filled rounded rectangles on %d x %d ARGB: raw flat API %.1f ms, layer %.1f ms, "
              "ratio %.3f\n",
              rectangles, width, height, raw_ms, layer_ms, layer_ms / raw_ms);
  return 0;
}
