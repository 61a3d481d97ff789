#include "drawing/font_family.h"

#include "drawing/font_collection.h"

namespace drawing {
namespace {

// The first family of the installed collection: the last resort for a missing name.
bool adopt_installed_family(FontFamily& family) {
  FontCollection installed;
  Gdiplus::GpFontCollection* collection = nullptr;
  const auto entry = DRAWING_FLAT(GdipNewInstalledFontCollection);
  if (!entry || entry(&collection) != Gdiplus::Ok) return false;
  installed.set_handle(collection);
  std::vector<FontFamily> families = installed.get_font_collection_family_list();
  if (families.empty()) return false;
  family = families.front();
  return true;
}

}  // namespace

bool FontFamily::create_font_family_from_name(std::string_view name) {
  return create_font_family_from_name(name, nullptr);
}

bool FontFamily::create_font_family_from_name(std::string_view name,
                                              const FontCollection* collection) {
  const Status status = detail::forward<0>(DRAWING_FLAT(GdipCreateFontFamilyFromName),
                                           std::tuple(), name, collection, *this);
  if (status != Gdiplus::FontFamilyNotFound) return status == Gdiplus::Ok;
  if (!get_generic_font_family_sans_serif()) adopt_installed_family(*this);
  record(status);  // the fallback draws, but the caller still learns that the name was missing
  return false;
}

std::string FontFamily::get_family_name(LANGID language) const {
  std::string name;
  get_family_name(name, language);
  return name;
}

bool FontFamily::get_family_name(std::string& name, LANGID language) const {
  WCHAR wide[LF_FACESIZE] = {};
  if (detail::forward<1>(DRAWING_FLAT(GdipGetFamilyName), std::tuple(handle()), &wide[0],
                         language) != Gdiplus::Ok) {
    return false;
  }
  name = narrow(wide);
  return true;
}

std::vector<FontFamily> FontCollection::get_font_collection_family_list() const {
  const INT count = get_font_collection_family_count();
  if (last_status != Gdiplus::Ok || count <= 0) return {};
  std::vector<GpFontFamily*> natives(static_cast<std::size_t>(count), nullptr);
  INT found = 0;
  if (detail::forward<1>(DRAWING_FLAT(GdipGetFontCollectionFamilyList), std::tuple(handle()),
                         count, natives.data(), found) != Gdiplus::Ok) {
    return {};
  }
  std::vector<FontFamily> families(static_cast<std::size_t>(std::max(found, 0)));
  for (std::size_t i = 0; i < families.size(); ++i) families[i].set_handle(natives[i]);
  return families;
}

}  // namespace drawing
