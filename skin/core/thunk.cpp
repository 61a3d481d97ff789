#include "skin/core/thunk.h"

#include <atomic>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

namespace skin {

namespace {

std::atomic<int> live_blocks{0};

constexpr int max_argument_bytes = 1024;

// The generated code, x86-32. Frame of a running thunk (ebp-relative):
//   +8 …      the caller's N arguments
//   +4        return address
//    0        caller's ebp
//   -4        the object reference: the cell whose address the operation gets as this
//   -8 … -24  caller's ecx (a thiscall this pointer), edx, ebx, esi, edi
//   -28       caller's floating-point control word
//   below     the copy of the N arguments, then the pushed this pointers
class CodeWriter {
 public:
  void bytes(std::initializer_list<std::uint8_t> b) { code_.insert(code_.end(), b); }
  void u16(std::uint16_t v) { bytes({std::uint8_t(v), std::uint8_t(v >> 8)}); }
  void u32(std::uint32_t v) {
    bytes({std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)});
  }
  const std::vector<std::uint8_t>& code() const { return code_; }

 private:
  std::vector<std::uint8_t> code_;
};

void write_frame_setup(CodeWriter& w, std::uint32_t object) {
  w.bytes({0x55});        // push ebp
  w.bytes({0x89, 0xE5});  // mov ebp, esp
  w.bytes({0x68});        // push imm32: the object cell at [ebp-4]
  w.u32(object);
}

void write_state_save(CodeWriter& w) {
  w.bytes({0x51, 0x52, 0x53, 0x56, 0x57});  // push ecx, edx, ebx, esi, edi
  w.bytes({0x83, 0xEC, 0x04});              // sub esp, 4
  w.bytes({0xD9, 0x7D, 0xE4});              // fnstcw [ebp-28]
  w.bytes({0xDB, 0xE3});                    // fninit: round to nearest, 64-bit, all masked
}

void write_argument_copy(CodeWriter& w, std::uint32_t byte_count) {
  w.bytes({0x81, 0xEC});  // sub esp, imm32
  w.u32(byte_count);
  w.bytes({0x8D, 0x75, 0x08});  // lea esi, [ebp+8]
  w.bytes({0x89, 0xE7});        // mov edi, esp
  w.bytes({0xB9});              // mov ecx, imm32
  w.u32(byte_count / 4);
  w.bytes({0xFC});        // cld
  w.bytes({0xF3, 0xA5});  // rep movsd
}

void write_caller_register_push(CodeWriter& w) {
  w.bytes({0xFF, 0x75, 0xF8});  // push dword [ebp-8]: the caller's ecx
}

void write_operation_call(CodeWriter& w, std::uint32_t operation) {
  w.bytes({0x8D, 0x45, 0xFC});  // lea eax, [ebp-4]
  w.bytes({0x50});              // push eax: the object cell is the operation's this
  w.bytes({0xB8});              // mov eax, imm32
  w.u32(operation);
  w.bytes({0xFF, 0xD0});  // call eax (stdcall: the operation removes its own arguments)
}

void write_restore_and_return(CodeWriter& w, std::uint16_t removed_bytes) {
  w.bytes({0xD9, 0x6D, 0xE4});              // fldcw [ebp-28]
  w.bytes({0x8D, 0x65, 0xE8});              // lea esp, [ebp-24]
  w.bytes({0x5F, 0x5E, 0x5B, 0x5A, 0x59});  // pop edi, esi, ebx, edx, ecx
  w.bytes({0xC9});                          // leave
  w.bytes({0xC2});                          // ret imm16
  w.u16(removed_bytes);
}

}  // namespace

ThunkBlock ThunkBlock::from_code(std::span<const std::uint8_t> code) {
  ThunkBlock block;
  if (code.empty()) return block;
  void* memory = VirtualAlloc(nullptr, code.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!memory) return block;
  std::memcpy(memory, code.data(), code.size());
  DWORD previous = 0;
  if (!VirtualProtect(memory, code.size(), PAGE_EXECUTE_READ, &previous)) {
    VirtualFree(memory, 0, MEM_RELEASE);
    return block;
  }
  FlushInstructionCache(GetCurrentProcess(), memory, code.size());
  block.code_ = memory;
  block.size_ = code.size();
  ++live_blocks;
  return block;
}

ThunkBlock::ThunkBlock(const ThunkBlock& other)
    : ThunkBlock(from_code({static_cast<const std::uint8_t*>(other.code_), other.size_})) {}

ThunkBlock& ThunkBlock::operator=(const ThunkBlock& other) {
  if (this != &other) *this = ThunkBlock(other);
  return *this;
}

ThunkBlock::ThunkBlock(ThunkBlock&& other) noexcept
    : code_(std::exchange(other.code_, nullptr)), size_(std::exchange(other.size_, 0)) {}

ThunkBlock& ThunkBlock::operator=(ThunkBlock&& other) noexcept {
  if (this != &other) {
    release();
    code_ = std::exchange(other.code_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

ThunkBlock::~ThunkBlock() { release(); }

void ThunkBlock::release() {
  if (!code_) return;
  VirtualFree(code_, 0, MEM_RELEASE);
  code_ = nullptr;
  size_ = 0;
  --live_blocks;
}

int ThunkBlock::live_count() { return live_blocks.load(); }

ThunkBlock build_thunk(const void* object, std::span<const OperationEntry> operations,
                       int method_number, ThunkShape shape) {
  if (method_number < 1 || static_cast<std::size_t>(method_number) > operations.size()) return {};
  const OperationEntry operation = operations[static_cast<std::size_t>(method_number) - 1];
  if (!operation) return {};
  if (shape.argument_count < 0 || shape.argument_count > max_argument_bytes / 4) return {};
  const auto byte_count = static_cast<std::uint32_t>(shape.argument_count) * 4;

  CodeWriter w;
  write_frame_setup(w, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(object)));
  write_state_save(w);
  if (byte_count > 0) write_argument_copy(w, byte_count);
  if (shape.pass_caller_register) write_caller_register_push(w);
  write_operation_call(w, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(operation)));
  write_restore_and_return(w, shape.caller_cleans ? 0 : static_cast<std::uint16_t>(byte_count));
  return ThunkBlock::from_code(w.code());
}

}  // namespace skin
