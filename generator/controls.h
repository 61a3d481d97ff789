#pragma once
// The main window's controls, named and ordered as in its layout.
#include "host/control_id.h"

namespace generator {

enum class Control : host::ControlId {
  选择夹2,
  按钮12,
  按钮11,
  按钮10,
  按钮9,
  按钮8,
  按钮7,
  按钮6,
  按钮5,
  按钮4,
  编辑框3,
  选择夹1,
  透明标签3,
  按钮3,
  透明标签2,
  组合框1,
  按钮2,
  按钮1,
  透明标签1,
  编辑框1,
  编辑框2,
  超级列表框1,
  超文本浏览框1,
};
inline constexpr int kControlCount = 23;

constexpr host::ControlId id(Control control) { return static_cast<host::ControlId>(control); }

}  // namespace generator
