#pragma once
// What every generator command works on: the global lists, the window's controls through the
// host, and the one random source of the program.
#include "generator/word_lists.h"
#include "host/random_source.h"
#include "host/ui.h"

namespace generator {

struct Session {
  AppGlobals& globals;
  host::Ui& ui;
  host::RandomSource& random;
};

}  // namespace generator
