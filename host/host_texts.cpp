#include "host/host_texts.h"

namespace host::texts {

const char message_box_caption[] = "信息：";
const char control_font[] = "宋体";

}  // namespace host::texts
