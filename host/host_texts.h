#pragma once
// The host run time's own GBK texts (defined in a unit compiled with the GBK character set).

namespace host::texts {

extern const char message_box_caption[];  // "信息："
extern const char control_font[];         // "宋体", the face of every control without a font of its own

}  // namespace host::texts
