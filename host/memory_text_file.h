#pragma once
// An in-memory text file: opened empty by construction, closed by destruction.
#include <cstddef>
#include <string>
#include <string_view>

namespace host {

class MemoryTextFile {
 public:
  // Appends the text followed by CR LF; an empty text writes CR LF alone.
  void write_line(std::string_view text);
  void rewind() { position_ = 0; }
  // The whole text from the current position to the end; the position moves to the end.
  std::string read_all();

 private:
  std::string contents_;
  std::size_t position_ = 0;
};

}  // namespace host
