#include "memory_text_file.h"

namespace host {

void MemoryTextFile::write_line(std::string_view text) {
  contents_.append(text).append("\r\n");
  position_ = contents_.size();
}

std::string MemoryTextFile::read_all() {
  std::string rest = contents_.substr(position_);
  position_ = contents_.size();
  return rest;
}

}  // namespace host
