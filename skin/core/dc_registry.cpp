#include "skin/core/dc_registry.h"

#include <algorithm>

namespace skin {

namespace {

auto find_entry(HDC dc) {
  auto& entries = dc_registry();
  return std::find_if(entries.begin(), entries.end(),
                      [dc](const RegisteredDc& e) { return e.dc == dc; });
}

}  // namespace

std::vector<RegisteredDc>& dc_registry() {
  static std::vector<RegisteredDc> entries;
  return entries;
}

void register_dc(HDC dc, HBITMAP picture, HGDIOBJ replaced) {
  const auto entry = find_entry(dc);
  if (entry != dc_registry().end()) {
    entry->picture = picture;
    entry->replaced = replaced;
    return;
  }
  dc_registry().push_back({dc, picture, replaced});
}

int release_dc(HDC dc) {
  const auto entry = find_entry(dc);
  if (dc == nullptr || entry == dc_registry().end()) return 0;
  DeleteObject(SelectObject(dc, entry->replaced));
  DeleteDC(dc);
  dc_registry().erase(entry);
  return 1;
}

}  // namespace skin
