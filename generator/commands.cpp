#include "generator/commands.h"

#include "generator/result_list.h"
#include "host/memory_text_file.h"
#include "host/texts.h"

namespace generator {

namespace {

// A batch goes through an in-memory text file, is read back whole into 编辑框2, and the result
// list is rebuilt from 编辑框2 alone.
template <typename NextLine>
void write_batch(Session& session, NextLine next_line) {
  host::MemoryTextFile file;
  for (int line = 0; line < BATCH_LINES; ++line) file.write_line(next_line());
  file.rewind();
  session.ui.set_text(id(Control::编辑框2), file.read_all());
  render_result_list(session);
}

enum class CommandKind { SinglePick, Batch, FullNames };

struct ButtonCommand {
  Control button;
  CommandKind kind;
  WordCategory category;  // unused by FullNames, whose category follows 组合框1
};

constexpr ButtonCommand kButtonCommands[] = {
    {Control::按钮1, CommandKind::SinglePick, WordCategory::SingleSurname},
    {Control::按钮2, CommandKind::SinglePick, WordCategory::CompoundSurname},
    {Control::按钮3, CommandKind::FullNames, WordCategory::MaleGivenName},
    {Control::按钮4, CommandKind::Batch, WordCategory::MartialMove},
    {Control::按钮5, CommandKind::Batch, WordCategory::MartialManual},
    {Control::按钮6, CommandKind::Batch, WordCategory::MartialSpell},
    {Control::按钮7, CommandKind::Batch, WordCategory::EasternGear},
    {Control::按钮8, CommandKind::Batch, WordCategory::WesternGear},
    {Control::按钮9, CommandKind::Batch, WordCategory::Weapon},
    {Control::按钮10, CommandKind::Batch, WordCategory::Mount},
    {Control::按钮11, CommandKind::Batch, WordCategory::Elixir},
    {Control::按钮12, CommandKind::Batch, WordCategory::Monster},
};

}  // namespace

const std::string& pick(Session& session, WordCategory category) {
  const int bound = session.globals.list_sizes[static_cast<int>(category)];
  return session.globals.list(category).entry(session.random.between(1, bound));
}

void single_pick(Session& session, WordCategory category) {
  session.ui.set_text(id(Control::编辑框1), pick(session, category));
}

void batch_pick(Session& session, WordCategory category) {
  write_batch(session, [&]() -> const std::string& { return pick(session, category); });
}

void full_name_batch(Session& session) {
  const WordCategory given = session.ui.selection_index(id(Control::组合框1)) == 0
                                 ? WordCategory::MaleGivenName
                                 : WordCategory::FemaleGivenName;
  // Used exactly as typed: no trimming, and an empty box gives bare given names.
  const std::string surname = session.ui.text(id(Control::编辑框1));
  write_batch(session, [&] { return host::concatenate({surname, pick(session, given)}); });
}

void on_button_click(Session& session, Control button) {
  for (const ButtonCommand& command : kButtonCommands) {
    if (command.button != button) continue;
    switch (command.kind) {
      case CommandKind::SinglePick: single_pick(session, command.category); break;
      case CommandKind::Batch: batch_pick(session, command.category); break;
      case CommandKind::FullNames: full_name_batch(session); break;
    }
    return;
  }
}

}  // namespace generator
