#pragma once
// The result list 超级列表框1: rebuilt from the batch text of 编辑框2, copied by a double click.
#include "generator/session.h"

namespace generator {

// One row per CR LF line of 编辑框2; a line's pieces between single spaces fill its columns.
void render_result_list(Session& session);

// Copies column 0 of the selected row (the empty text without a selection) to the clipboard and
// confirms with "复制成功", whatever was copied.
void copy_selected_name(Session& session);

}  // namespace generator
