#pragma once
// A small control that shows the visible text of one web page. Its window text at creation is the
// page's address; the page is requested once, on a worker thread with a short timeout, and its
// text becomes the control's text. Created hidden, it shows itself once a page arrives, so that an
// unreachable host leaves nothing on screen and nothing in the user's way.

namespace host {

// The window class name, registered on first use.
const char* statistics_view_class();

inline constexpr int kStatisticsTimeoutMs = 2000;

}  // namespace host
