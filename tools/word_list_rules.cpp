#include "tools/word_list_rules.h"

#include <algorithm>
#include <map>
#include <set>

#include "host/code_page.h"
#include "host/texts.h"

namespace word_list_check {

namespace {

using Entries = std::vector<std::string>;

struct Shape {
  int double_byte = 0;
  int ascii = 0;
};

bool is_lead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool is_trail(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

Shape shape_of(std::string_view entry) {
  Shape s;
  for (std::size_t i = 0; i < entry.size(); ++i) {
    if (static_cast<unsigned char>(entry[i]) >= 0x80) {
      ++s.double_byte;
      ++i;
    } else {
      ++s.ascii;
    }
  }
  return s;
}

class Report {
 public:
  explicit Report(int category) : prefix_("list " + std::to_string(category) + ": ") {}
  void expect(bool ok, const std::string& what) {
    if (!ok) problems_.push_back(prefix_ + what);
  }
  std::vector<std::string> take() { return std::move(problems_); }

 private:
  std::string prefix_;
  std::vector<std::string> problems_;
};

void check_bytes(Report& r, const ListExpectation& e, std::string_view gbk) {
  r.expect(gbk.size() == e.bytes,
           std::to_string(gbk.size()) + " bytes, expected " + std::to_string(e.bytes));
  for (std::size_t i = 0; i < gbk.size(); ++i) {
    const auto b = static_cast<unsigned char>(gbk[i]);
    if (b >= 0x80) {
      const bool pair = is_lead(b) && i + 1 < gbk.size() && is_trail(gbk[i + 1]);
      r.expect(pair, "byte " + std::to_string(i) + " starts no GBK character");
      if (!pair) return;
      ++i;
    } else if (b < 0x20 || b == 0x7F) {
      r.expect(false, "control byte at " + std::to_string(i));
      return;
    }
  }
  if (gbk.empty()) return;
  r.expect(gbk.front() != ' ', "begins with a space");
  const bool ends_with_space = gbk.back() == ' ';
  const bool ends_with_two = gbk.size() >= 2 && gbk.substr(gbk.size() - 2) == "  ";
  if (e.trailing_space)
    r.expect(ends_with_space && !ends_with_two, "must end with exactly one space");
  else
    r.expect(!ends_with_space, "ends with a space");
}

void check_ends(Report& r, const ListExpectation& e, const Entries& entries) {
  for (int i = 0; i < 4 && i < static_cast<int>(entries.size()); ++i)
    r.expect(entries[i] == e.first[i], "entry " + std::to_string(i + 1) + " is not the stated one");
  r.expect(!entries.empty() && entries.back() == e.last, "the last entry is not the stated one");
}

void check_empty_entries(Report& r, const ListExpectation& e, const Entries& entries) {
  std::vector<int> empty;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].empty()) empty.push_back(static_cast<int>(i) + 1);
  if (e.category != 6) {
    r.expect(empty.empty(), "holds an empty entry");
    return;
  }
  const int at = kManualEmptyEntry;
  r.expect(empty == std::vector<int>{at}, "entry 53 must be its one empty entry");
  if (static_cast<int>(entries.size()) > at)
    r.expect(entries[at - 2] == kManualEmptyEntryNeighbours[0] &&
                 entries[at] == kManualEmptyEntryNeighbours[1],
             "the empty entry is not between the stated neighbours");
}

void check_repeats(Report& r, const ListExpectation& e, const Entries& entries) {
  const std::set<std::string> distinct(entries.begin(), entries.end());
  const int repeats = static_cast<int>(entries.size() - distinct.size());
  r.expect(repeats == e.repeats, std::to_string(repeats) + " repeated entries, expected " +
                                     std::to_string(e.repeats));
}

void check_shapes(Report& r, const ListExpectation& e, const Entries& entries) {
  bool mixed = false;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Shape s = shape_of(entries[i]);
    const std::string where = "entry " + std::to_string(i + 1);
    if (e.characters_per_entry)
      r.expect(s.ascii == 0 && s.double_byte == e.characters_per_entry,
               where + " is not " + std::to_string(e.characters_per_entry) + " character(s)");
    if (!e.ascii_inside) r.expect(s.ascii == 0, where + " holds ASCII");
    mixed |= s.ascii > 0 && s.double_byte > 0;
    const bool lone_asterisk = e.category == 9 && static_cast<int>(i) + 1 == kWesternGearAsteriskEntry;
    if (!lone_asterisk && !entries[i].empty())
      r.expect(s.double_byte > 0, where + " has no Chinese character");
  }
  if (e.ascii_inside) r.expect(mixed, "no entry mixes ASCII into its text");
  if (e.category == 9)
    r.expect(static_cast<int>(entries.size()) >= kWesternGearAsteriskEntry &&
                 entries[kWesternGearAsteriskEntry - 1] == "*",
             "entry 867 is not \"*\"");
}

void check_surnames(Report& r, const Entries& entries) {
  const Entries opening = [] {
    Entries chars;
    std::string_view all = kTraditionalSurnameOpening;
    for (std::size_t i = 0; i + 1 < all.size(); i += 2) chars.emplace_back(all.substr(i, 2));
    return chars;
  }();
  r.expect(entries.size() >= opening.size() &&
               std::equal(opening.begin(), opening.end(), entries.begin()),
           "does not open with the 168 traditional surnames in order");
  r.expect(entries.size() >= 3 && std::equal(entries.end() - 3, entries.end(), kSurnameClosing),
           "does not end with the three last traditional single surnames");
  std::map<std::string, int> occurrences;
  for (const std::string& entry : entries) ++occurrences[entry];
  for (const char* twice : kTwiceOccurringSurnames)
    r.expect(occurrences[twice] == 2, "a surname that must occur twice does not");
}

}  // namespace

std::vector<std::string> check_gbk_list(const ListExpectation& expected, std::string_view gbk) {
  Report r(expected.category);
  check_bytes(r, expected, gbk);
  const Entries entries = host::split_text(gbk, " ");
  r.expect(static_cast<int>(entries.size()) == expected.entries,
           std::to_string(entries.size()) + " entries, expected " + std::to_string(expected.entries));
  check_ends(r, expected, entries);
  check_empty_entries(r, expected, entries);
  check_repeats(r, expected, entries);
  check_shapes(r, expected, entries);
  if (expected.category == 1) check_surnames(r, entries);
  return r.take();
}

bool utf8_to_gbk(std::string_view utf8, std::string& gbk) {
  auto converted = host::recode(utf8, host::kUtf8, host::kGbk);
  if (converted) gbk = std::move(*converted);
  return converted.has_value();
}

std::vector<std::string> check_list_file(const ListExpectation& expected, std::string_view utf8) {
  const std::string prefix = "list " + std::to_string(expected.category) + ": ";
  if (utf8.substr(0, 3) == "\xEF\xBB\xBF") return {prefix + "the file begins with a BOM"};
  if (utf8.find_first_of("\r\n\t") != std::string_view::npos)
    return {prefix + "the file holds a line break or tab"};
  std::string gbk;
  if (!utf8_to_gbk(utf8, gbk)) return {prefix + "the file holds text GBK cannot encode"};
  return check_gbk_list(expected, gbk);
}

}  // namespace word_list_check
