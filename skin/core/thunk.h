#pragma once
// Callback thunks: small blocks of machine code, generated at run time, that turn a plain call
// (a window procedure, a thread routine) into a call of one operation of one object.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>

namespace skin {

// An entry of an object's operation table: the address of a __stdcall function whose first
// argument is the address of a cell holding the object reference.
using OperationEntry = void (*)();

template <class R, class... A>
OperationEntry operation_entry(R(__stdcall* operation)(A...)) {
  return reinterpret_cast<OperationEntry>(operation);
}

struct ThunkShape {
  // 32-bit stack arguments forwarded, in order: 0 … 256.
  int argument_count = 0;
  // Forward the register this pointer of a thiscall caller (ecx) as a first argument after the
  // object cell.
  bool pass_caller_register = false;
  // Return without removing the arguments (cdecl) instead of removing them (stdcall).
  bool caller_cleans = false;
};

// An owned block of executable code; empty (entry 0) when the build was refused. The memory is
// never writable and executable at once. Copying duplicates the code, still bound to the object
// it was built for.
class ThunkBlock {
 public:
  ThunkBlock() = default;
  ThunkBlock(const ThunkBlock& other);
  ThunkBlock& operator=(const ThunkBlock& other);
  ThunkBlock(ThunkBlock&& other) noexcept;
  ThunkBlock& operator=(ThunkBlock&& other) noexcept;
  ~ThunkBlock();

  // Address of the first byte: what is installed as a window procedure or thread routine.
  void* entry() const { return code_; }
  std::uintptr_t entry_address() const { return reinterpret_cast<std::uintptr_t>(code_); }
  bool empty() const { return code_ == nullptr; }

  // Blocks alive in the process, for leak checks.
  static int live_count();

  // Places finished code in fresh executable memory.
  static ThunkBlock from_code(std::span<const std::uint8_t> code);

 private:
  void release();

  void* code_ = nullptr;
  std::size_t size_ = 0;
};

// Builds a thunk bound to `object` and to the operation at the 1-based `method_number` of
// `operations` (read now; a later change of the table does not reach the thunk). Empty when the
// entry is null or missing, or when argument_count × 4 lies outside 0 … 1024.
ThunkBlock build_thunk(const void* object, std::span<const OperationEntry> operations,
                       int method_number, ThunkShape shape);

}  // namespace skin
