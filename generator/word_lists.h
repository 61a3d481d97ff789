#pragma once
// The thirteen word lists, their size table and the application's global state.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace host {
class RandomSource;
}

namespace generator {

enum class WordCategory : int {
  SingleSurname = 1,
  CompoundSurname,
  MaleGivenName,
  FemaleGivenName,
  MartialMove,
  MartialManual,
  MartialSpell,
  EasternGear,
  WesternGear,
  Weapon,
  Mount,
  Elixir,
  Monster,
};
inline constexpr int kWordCategoryCount = 13;

// An ordered list of GBK texts, numbered from 1. Order and duplicates are those of the source.
class WordList {
 public:
  WordList() = default;
  explicit WordList(std::vector<std::string> entries) : entries_(std::move(entries)) {}

  int count() const { return static_cast<int>(entries_.size()); }
  const std::string& entry(int number) const;  // 1 … count(), else a fatal error
  void release() { std::vector<std::string>().swap(entries_); }

 private:
  std::vector<std::string> entries_;
};

// 20 signed 32-bit counts, numbered from 1; entry k holds the size of list k, 14 … 20 stay 0.
class ListSizeTable {
 public:
  static constexpr int kEntries = 20;

  void create() { sizes_.assign(kEntries, 0); }
  void release() { std::vector<std::int32_t>().swap(sizes_); }
  std::int32_t& operator[](int number);  // 1 … 20 while created, else a fatal error
  std::int32_t operator[](int number) const;

 private:
  std::vector<std::int32_t> sizes_;
};

struct AppGlobals {
  std::array<WordList, kWordCategoryCount> lists;  // lists[k − 1] is list k
  ListSizeTable list_sizes;

  WordList& list(WordCategory category) { return lists[static_cast<int>(category) - 1]; }
  const WordList& list(WordCategory category) const {
    return lists[static_cast<int>(category) - 1];
  }
};

// Start of the program: the size table (all 0) and the lists holding k − 1 empty placeholders.
void init_app_globals(AppGlobals& globals);
// Last step of the main window's creation: every list split from its stored text, the random
// source seeded once, and the table filled with the counts.
void load_word_lists(AppGlobals& globals, host::RandomSource& random);
// End of the program: releases the lists and the table.
void release_app_globals(AppGlobals& globals);

}  // namespace generator
