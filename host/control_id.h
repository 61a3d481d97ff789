#pragma once

namespace host {

// A control of a form: its position in the form's layout table.
using ControlId = int;

}  // namespace host
