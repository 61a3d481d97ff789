#include <windows.h>

#include "generator/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  generator::Program program;
  return program.run();
}
