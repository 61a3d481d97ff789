#pragma once
// A blocking HTTP GET over Winsock with short timeouts; meant for a worker thread.
#include <optional>
#include <string>

#include "host/http_page.h"

namespace host {

// The raw response, or nullopt when the host cannot be reached or does not answer in time.
std::optional<std::string> http_fetch(const HttpAddress& address, int timeout_ms);

// Bytes of a page in `charset` (GBK family or anything else read as UTF-8) as GBK.
std::string page_bytes_to_gbk(const std::string& bytes, const std::string& charset);

}  // namespace host
