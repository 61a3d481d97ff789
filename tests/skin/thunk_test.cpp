// Thunks are real generated code: they are called here the way the system and other callers do,
// through function pointers of each calling convention and through a hand-written caller that
// measures the stack pointer around the call.
#include "skin/core/thunk.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "tests/skin/test_windows.h"

namespace {

using skin::build_thunk;
using skin::OperationEntry;
using skin::operation_entry;
using skin::ThunkBlock;
using skin::ThunkShape;

// A call made by hand: the arguments pushed in order, ecx loaded, the entry called; the result
// and how far the stack pointer moved across the call (0 when the callee removed the arguments).
struct StackCall {
  const void* entry;
  const std::uint32_t* arguments;
  std::uint32_t argument_count;
  std::uint32_t ecx;
  std::uint32_t result;
  std::int32_t stack_shift;
};

extern "C" void stack_call(StackCall* call);
asm(R"(
  .text
  .globl _stack_call
_stack_call:
  pushl %ebp
  movl %esp, %ebp
  pushl %ebx
  pushl %esi
  pushl %edi
  subl $4, %esp
  movl 8(%ebp), %ebx
  movl %esp, -16(%ebp)
  movl 8(%ebx), %ecx
  leal 0(,%ecx,4), %eax
  subl %eax, %esp
  movl %esp, %edi
  movl 4(%ebx), %esi
  cld
  rep movsl
  movl 12(%ebx), %ecx
  call *(%ebx)
  movl %eax, 16(%ebx)
  movl %esp, %eax
  subl -16(%ebp), %eax
  movl %eax, 20(%ebx)
  leal -12(%ebp), %esp
  popl %edi
  popl %esi
  popl %ebx
  popl %ebp
  ret
)");

StackCall call_by_hand(const ThunkBlock& thunk, const std::vector<std::uint32_t>& arguments,
                       std::uint32_t ecx = 0) {
  StackCall call{thunk.entry(), arguments.data(), static_cast<std::uint32_t>(arguments.size()),
                 ecx, 0, 0};
  stack_call(&call);
  return call;
}

std::uint16_t control_word() {
  std::uint16_t cw;
  asm volatile("fnstcw %0" : "=m"(cw));
  return cw;
}

void set_control_word(std::uint16_t cw) { asm volatile("fldcw %0" : : "m"(cw)); }

// The object the thunks are bound to: it records what its operations see.
struct Probe {
  const Probe* seen_object = nullptr;
  std::vector<std::uint32_t> seen_arguments;
  std::uint16_t seen_control_word = 0;
  std::vector<UINT> seen_messages;
};
using ProbeCell = Probe* const*;

std::uint32_t __stdcall no_arguments(ProbeCell self) {
  (*self)->seen_object = *self;
  return 0xC0FFEE;
}

std::uint32_t __stdcall four_arguments(ProbeCell self, std::uint32_t a, std::uint32_t b,
                                       std::uint32_t c, std::uint32_t d) {
  (*self)->seen_object = *self;
  (*self)->seen_arguments = {a, b, c, d};
  return a + b + c + d;
}

std::uint32_t __stdcall caller_register_and_one(ProbeCell self, std::uint32_t caller_this,
                                                std::uint32_t a) {
  (*self)->seen_arguments = {caller_this, a};
  return 7;
}

std::uint32_t __stdcall changes_floating_point(ProbeCell self) {
  (*self)->seen_control_word = control_word();
  set_control_word(0x047F);  // round down, 24-bit precision
  volatile double x = 1.0 / 3.0;
  return static_cast<std::uint32_t>(x * 3);
}

constexpr UINT probe_message = WM_USER + 1;

LRESULT __stdcall window_message(ProbeCell self, HWND window, UINT message, WPARAM wparam,
                                 LPARAM lparam) {
  (*self)->seen_messages.push_back(message);
  if (message == probe_message) {
    (*self)->seen_arguments = {static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)),
                               message, static_cast<std::uint32_t>(wparam),
                               static_cast<std::uint32_t>(lparam)};
    return 0x5A5A;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

// Method numbers are 1-based: number 1 is the null slot.
const std::array<OperationEntry, 6> probe_operations = {
    nullptr,
    operation_entry(no_arguments),
    operation_entry(four_arguments),
    operation_entry(caller_register_and_one),
    operation_entry(changes_floating_point),
    operation_entry(window_message),
};
constexpr int null_method = 1, no_arguments_method = 2, four_arguments_method = 3,
              caller_register_method = 4, floating_point_method = 5, window_message_method = 6;

TEST(Thunk, WithoutArgumentsForwardsOnlyTheObjectAndReturnsTheResult) {
  Probe probe;
  const ThunkBlock thunk = build_thunk(&probe, probe_operations, no_arguments_method, {0});
  ASSERT_FALSE(thunk.empty());
  const auto call = reinterpret_cast<std::uint32_t(__stdcall*)()>(thunk.entry());
  EXPECT_EQ(call(), 0xC0FFEEu);
  EXPECT_EQ(probe.seen_object, &probe);
}

TEST(Thunk, WithFourArgumentsForwardsThemInOrder) {
  Probe probe;
  const ThunkBlock thunk = build_thunk(&probe, probe_operations, four_arguments_method, {4});
  const auto call = reinterpret_cast<std::uint32_t(__stdcall*)(std::uint32_t, std::uint32_t,
                                                               std::uint32_t, std::uint32_t)>(
      thunk.entry());
  EXPECT_EQ(call(0x11, 0x2200, 0x330000, 0x44000000), 0x44332211u);
  EXPECT_EQ(probe.seen_object, &probe);
  EXPECT_EQ(probe.seen_arguments, (std::vector<std::uint32_t>{0x11, 0x2200, 0x330000, 0x44000000}));
}

TEST(Thunk, StackIsBalancedForEachShape) {
  Probe probe;
  const std::vector<std::uint32_t> four = {1, 2, 3, 4};
  struct Case {
    const char* name;
    int method;
    ThunkShape shape;
    std::vector<std::uint32_t> arguments;
    std::int32_t expected_shift;
  };
  const Case cases[] = {
      {"stdcall removes 4 arguments", four_arguments_method, {4}, four, 0},
      {"cdecl leaves 4 arguments", four_arguments_method, {4, false, true}, four, -16},
      {"stdcall without arguments", no_arguments_method, {0}, {}, 0},
      {"stdcall removes 256 arguments", no_arguments_method, {256},
       std::vector<std::uint32_t>(256, 9), 0},
      {"cdecl leaves 256 arguments", no_arguments_method, {256, false, true},
       std::vector<std::uint32_t>(256, 9), -1024},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ThunkBlock thunk = build_thunk(&probe, probe_operations, c.method, c.shape);
    ASSERT_FALSE(thunk.empty());
    const StackCall call = call_by_hand(thunk, c.arguments);
    EXPECT_EQ(call.stack_shift, c.expected_shift);
    EXPECT_EQ(probe.seen_object, &probe);
  }
}

TEST(Thunk, PassesTheThiscallRegisterAfterTheObject) {
  Probe probe;
  const ThunkBlock thunk =
      build_thunk(&probe, probe_operations, caller_register_method, {1, true, false});
  const StackCall call = call_by_hand(thunk, {0xAB}, 0x1234ABCD);
  EXPECT_EQ(call.result, 7u);
  EXPECT_EQ(call.stack_shift, 0);
  EXPECT_EQ(probe.seen_arguments, (std::vector<std::uint32_t>{0x1234ABCD, 0xAB}));

  const auto thiscall = reinterpret_cast<std::uint32_t(__thiscall*)(void*, std::uint32_t)>(
      thunk.entry());
  EXPECT_EQ(thiscall(reinterpret_cast<void*>(0x55AA), 3), 7u);
  EXPECT_EQ(probe.seen_arguments, (std::vector<std::uint32_t>{0x55AA, 3}));
}

TEST(Thunk, RefusedBuildsGiveAnEmptyBlock) {
  Probe probe;
  struct Case {
    const char* name;
    int method;
    int argument_count;
  };
  const Case cases[] = {
      {"null table entry", null_method, 0},
      {"257 arguments", four_arguments_method, 257},
      {"negative argument count", four_arguments_method, -1},
      {"method number 0", 0, 0},
      {"method number past the table", 7, 0},
  };
  const int live = ThunkBlock::live_count();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ThunkBlock thunk = build_thunk(&probe, probe_operations, c.method, {c.argument_count});
    EXPECT_TRUE(thunk.empty());
    EXPECT_EQ(thunk.entry_address(), 0u);
  }
  EXPECT_EQ(ThunkBlock::live_count(), live);
  EXPECT_FALSE(build_thunk(&probe, probe_operations, four_arguments_method, {256}).empty());
}

TEST(Thunk, OperationStartsWithDefaultFloatingPointStateAndCallerKeepsItsOwn) {
  Probe probe;
  const ThunkBlock thunk = build_thunk(&probe, probe_operations, floating_point_method, {0});
  const std::uint16_t saved = control_word();
  const std::uint16_t callers = 0x0A7F;  // round up, 53-bit precision
  set_control_word(callers);
  reinterpret_cast<std::uint32_t(__stdcall*)()>(thunk.entry())();
  const std::uint16_t after = control_word();
  set_control_word(saved);
  EXPECT_EQ(probe.seen_control_word, 0x037F);
  EXPECT_EQ(after, callers);
}

TEST(Thunk, CodeIsExecuteReadAndFreedWithItsBlock) {
  Probe probe;
  MEMORY_BASIC_INFORMATION info{};
  void* entry = nullptr;
  {
    const ThunkBlock thunk = build_thunk(&probe, probe_operations, no_arguments_method, {0});
    entry = thunk.entry();
    ASSERT_NE(VirtualQuery(entry, &info, sizeof info), 0u);
    EXPECT_EQ(info.Protect, static_cast<DWORD>(PAGE_EXECUTE_READ));
  }
  ASSERT_NE(VirtualQuery(entry, &info, sizeof info), 0u);
  EXPECT_EQ(info.State, static_cast<DWORD>(MEM_FREE));
}

TEST(Thunk, CopyIsANewBlockBoundToTheSameObject) {
  Probe probe;
  const ThunkBlock original = build_thunk(&probe, probe_operations, no_arguments_method, {0});
  const ThunkBlock copy = original;
  ASSERT_FALSE(copy.empty());
  EXPECT_NE(copy.entry(), original.entry());
  EXPECT_EQ(reinterpret_cast<std::uint32_t(__stdcall*)()>(copy.entry())(), 0xC0FFEEu);
  EXPECT_EQ(probe.seen_object, &probe);
}

TEST(Thunk, InstalledAsWindowProcedureReceivesTheSystemsCalls) {
  Probe probe;
  const ThunkBlock thunk = build_thunk(&probe, probe_operations, window_message_method, {4});
  skin_test::Window window = skin_test::create_top_window(10, 10, 200, 150);
  SetWindowLongA(window.get(), GWL_WNDPROC, static_cast<LONG>(thunk.entry_address()));

  EXPECT_EQ(SendMessageA(window.get(), probe_message, 0x77, 0x99), 0x5A5A);
  EXPECT_EQ(probe.seen_arguments,
            (std::vector<std::uint32_t>{
                static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window.get())),
                probe_message, 0x77, 0x99}));

  SetWindowPos(window.get(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  DestroyWindow(window.get());
  const auto& seen = probe.seen_messages;
  for (UINT message : {WM_WINDOWPOSCHANGED, WM_SIZE, WM_DESTROY, WM_NCDESTROY}) {
    EXPECT_NE(std::find(seen.begin(), seen.end(), message), seen.end()) << message;
  }
}

}  // namespace
