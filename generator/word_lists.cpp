#include "generator/word_lists.h"

#include "data/stored_word_lists.h"
#include "host/fatal.h"
#include "host/random_source.h"
#include "host/texts.h"

namespace generator {

const std::string& WordList::entry(int number) const {
  if (number < 1 || number > count()) host::fatal_error("word list entry out of range");
  return entries_[number - 1];
}

std::int32_t& ListSizeTable::operator[](int number) {
  if (number < 1 || number > static_cast<int>(sizes_.size()))
    host::fatal_error("size table entry out of range");
  return sizes_[number - 1];
}

std::int32_t ListSizeTable::operator[](int number) const {
  return const_cast<ListSizeTable&>(*this)[number];
}

void init_app_globals(AppGlobals& globals) {
  globals.list_sizes.create();
  for (int k = 1; k <= kWordCategoryCount; ++k)
    globals.lists[k - 1] = WordList(std::vector<std::string>(k - 1));
}

void load_word_lists(AppGlobals& globals, host::RandomSource& random) {
  for (int k = 1; k <= kWordCategoryCount; ++k) {
    const data::StoredText stored = data::stored_word_list(k);
    globals.lists[k - 1] = WordList(host::split_text({stored.bytes, stored.size}, " "));
  }
  random.seed_from_clock();
  for (int k = 1; k <= kWordCategoryCount; ++k) globals.list_sizes[k] = globals.lists[k - 1].count();
}

void release_app_globals(AppGlobals& globals) {
  auto release = [&](int k) { globals.lists[k - 1].release(); };
  release(8);
  globals.list_sizes.release();
  for (int k : {7, 6, 11, 1, 3, 4, 10, 2, 5, 9, 12, 13}) release(k);
}

}  // namespace generator
