#include "fatal.h"

#include <cstdio>
#include <cstdlib>

namespace host {

void fatal_error(const char* what) {
  std::fprintf(stderr, "fatal error: %s\n", what);
  std::fflush(stderr);
  // No abort(): under Windows it may raise a crash dialog that nobody is there to close.
  std::_Exit(3);
}

}  // namespace host
