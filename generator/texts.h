#pragma once
// The generator's own GBK texts (defined in a unit compiled with the GBK character set).

namespace generator::texts {

extern const char copy_succeeded[];  // "复制成功"

}  // namespace generator::texts
