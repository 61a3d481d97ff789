#include "generator/texts.h"

namespace generator::texts {

const char copy_succeeded[] = "复制成功";

}  // namespace generator::texts
