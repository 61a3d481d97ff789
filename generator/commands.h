#pragma once
// The twelve button commands: two single surname picks and ten batches of BATCH_LINES lines.
#include <string>

#include "generator/controls.h"
#include "generator/session.h"

namespace generator {

inline constexpr int BATCH_LINES = 70;

// One text of `category`, drawn uniformly with the bound from the size table.
const std::string& pick(Session& session, WordCategory category);

// 按钮1, 按钮2: one pick replaces the text of 编辑框1.
void single_pick(Session& session, WordCategory category);

// 按钮4 … 按钮12: BATCH_LINES picks of `category` become the text of 编辑框2 and the result list.
void batch_pick(Session& session, WordCategory category);

// 按钮3: BATCH_LINES full names, the text of 编辑框1 followed by a given name of the gender that
// 组合框1 selects (index 0 male, anything else, no selection included, female).
void full_name_batch(Session& session);

// The click handler of a generator button; other controls have no click command.
void on_button_click(Session& session, Control button);

}  // namespace generator
