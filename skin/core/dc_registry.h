#pragma once
// The memory DCs made for background snapshots, each with the object its bitmap replaced, so that
// releasing a DC restores and deletes the right objects.
#include <windows.h>

#include <vector>

namespace skin {

struct RegisteredDc {
  HDC dc = nullptr;
  HBITMAP picture = nullptr;
  HGDIOBJ replaced = nullptr;
};

// In registration order.
std::vector<RegisteredDc>& dc_registry();

// Registering a DC already present overwrites its picture and replaced object.
void register_dc(HDC dc, HBITMAP picture, HGDIOBJ replaced);

// Selects the replaced object back, deletes what that selection returns (the snapshot bitmap),
// deletes the DC and forgets it: 1. A DC that is not registered is left alone: 0.
int release_dc(HDC dc);

}  // namespace skin
