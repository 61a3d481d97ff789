// check_word_lists LIST_FOLDER [--compiled]
// Checks the thirteen stored word lists (LIST_FOLDER/01.txt … 13.txt); with --compiled it also
// checks that the GBK constants compiled into this build are exactly those files.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "data/stored_word_lists.h"
#include "tools/word_list_rules.h"

namespace {

bool read_file(const std::string& path, std::string& contents) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  contents = all.str();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || (argc == 3 && std::strcmp(argv[2], "--compiled") != 0) || argc > 3) {
    std::fprintf(stderr, "usage: %s LIST_FOLDER [--compiled]\n", argv[0]);
    return 2;
  }
  const bool compiled = argc == 3;
  int problems = 0;
  for (const auto& expected : word_list_check::kListExpectations) {
    char name[8];
    std::snprintf(name, sizeof name, "%02d.txt", expected.category);
    const std::string path = std::string(argv[1]) + "/" + name;
    std::string utf8;
    if (!read_file(path, utf8)) {
      std::printf("%s: cannot be read\n", path.c_str());
      ++problems;
      continue;
    }
    for (const std::string& problem : word_list_check::check_list_file(expected, utf8)) {
      std::printf("%s\n", problem.c_str());
      ++problems;
    }
    std::string gbk;
    if (compiled && word_list_check::utf8_to_gbk(utf8, gbk)) {
      const data::StoredText stored = data::stored_word_list(expected.category);
      if (gbk != std::string_view(stored.bytes, stored.size)) {
        std::printf("list %d: the compiled constant differs from %s\n", expected.category, name);
        ++problems;
      }
    }
  }
  if (problems) std::printf("%d problem(s)\n", problems);
  return problems ? 1 : 0;
}
