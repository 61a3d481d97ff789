#include "host/memory_text_file.h"

#include <gtest/gtest.h>

TEST(MemoryTextFile, ReadsBackExactlyTheLinesWritten) {
  host::MemoryTextFile file;
  file.write_line("first");
  file.write_line("");
  file.write_line("third");
  file.rewind();
  EXPECT_EQ(file.read_all(), "first\r\n\r\nthird\r\n");
}

TEST(MemoryTextFile, ReadsFromTheCurrentPosition) {
  host::MemoryTextFile file;
  EXPECT_EQ(file.read_all(), "");
  file.write_line("a");
  EXPECT_EQ(file.read_all(), "") << "writing leaves the position at the end";
  file.rewind();
  EXPECT_EQ(file.read_all(), "a\r\n");
  EXPECT_EQ(file.read_all(), "") << "reading moves to the end";
}
