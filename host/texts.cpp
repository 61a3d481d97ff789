#include "texts.h"

namespace host {

namespace {

bool is_lead_byte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

}  // namespace

std::vector<std::string> split_text(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  if (separator.empty()) {
    pieces.emplace_back(text);
    return pieces;
  }
  std::size_t piece_start = 0;
  std::size_t pos = 0;
  while (text.size() - pos >= separator.size()) {
    if (text.compare(pos, separator.size(), separator) == 0) {
      pieces.emplace_back(text.substr(piece_start, pos - piece_start));
      pos += separator.size();
      piece_start = pos;
    } else if (is_lead_byte(text[pos])) {
      // A lead byte at the very end has no trail byte: the scan ends there.
      if (pos + 1 >= text.size()) break;
      pos += 2;
    } else {
      ++pos;
    }
  }
  if (piece_start < text.size()) pieces.emplace_back(text.substr(piece_start));
  return pieces;
}

std::string concatenate(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  std::string joined;
  joined.reserve(size);
  for (std::string_view part : parts) joined.append(part);
  return joined;
}

}  // namespace host
