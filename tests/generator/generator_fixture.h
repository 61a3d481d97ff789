#pragma once
// A generator session over the real stored lists, a FakeUi and a random source whose clock is
// fixed, so that every run draws the same sequence.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "generator/commands.h"
#include "generator/controls.h"
#include "generator/session.h"
#include "host/texts.h"
#include "tests/generator/fake_ui.h"
#include "tests/support/gbk.h"

inline constexpr std::uint32_t kFixedTicks = 20261211;

class GeneratorTest : public testing::Test {
 protected:
  GeneratorTest() {
    generator::init_app_globals(globals);
    generator::load_word_lists(globals, random);
  }

  // Replaces list k by a small fixture, keeping the size table's invariant.
  void use_list(generator::WordCategory k, std::vector<std::string> entries) {
    globals.list(k) = generator::WordList(std::move(entries));
    globals.list_sizes[static_cast<int>(k)] = globals.list(k).count();
  }

  std::set<std::string> entries_of(generator::WordCategory k) const {
    std::set<std::string> all;
    for (int i = 1; i <= globals.list(k).count(); ++i) all.insert(globals.list(k).entry(i));
    return all;
  }

  std::string text_of(generator::Control c) const { return ui.text(generator::id(c)); }
  void set_text_of(generator::Control c, const std::string& t) { ui.set_text(generator::id(c), t); }
  void click(generator::Control button) { generator::on_button_click(session, button); }

  // The lines of 编辑框2, checked to be exactly BATCH_LINES lines each ended by CR LF.
  std::vector<std::string> batch_lines() const {
    const auto lines = test_support::crlf_lines(text_of(generator::Control::编辑框2));
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(generator::BATCH_LINES));
    return lines;
  }

  generator::AppGlobals globals;
  FakeUi ui;
  host::RandomSource random{[] { return kFixedTicks; }};
  generator::Session session{globals, ui, random};
};
