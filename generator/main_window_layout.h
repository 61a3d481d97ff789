#pragma once
// The main window "砚溪" and its controls, in layout order (generator::Control numbers them).
#include "host/form_layout.h"

namespace generator {

extern const host::FormLayout kMainWindowLayout;

}  // namespace generator
