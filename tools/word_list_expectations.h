#pragma once
// The stated properties of the thirteen lists (defined in a unit compiled with GBK texts).
#include <cstddef>

namespace word_list_check {

struct ListExpectation {
  int category;
  std::size_t bytes;
  int entries;
  const char* first[4];
  const char* last;
  int repeats;
  bool trailing_space;
  int characters_per_entry;  // 0: any length
  bool ascii_inside;         // some entries mix ASCII into the text; elsewhere ASCII is not allowed
};

extern const ListExpectation kListExpectations[13];

// The opening of list 1: the first 168 surnames of the Hundred Family Surnames, in order.
extern const char kTraditionalSurnameOpening[];
inline constexpr int kTraditionalSurnameCount = 168;
extern const char* const kSurnameClosing[3];        // "益" "桓" "公"
extern const char* const kTwiceOccurringSurnames[3];  // "于" "柯" "郁"

// List 6 entries 52 … 54, the middle one empty.
extern const char* const kManualEmptyEntryNeighbours[2];  // "斩蛟拳", "韦陀伏魔剑"
inline constexpr int kManualEmptyEntry = 53;
inline constexpr int kWesternGearAsteriskEntry = 867;

}  // namespace word_list_check
