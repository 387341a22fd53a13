#pragma once

#include <ctime>
#include <string>

// The clock times of the start-up timers: texts of the form HH:MM as the user
// typed them, compared as text with the local time.

namespace rovex {

// "-" and "." become ":", blanks at both ends go, and a text shorter than five
// characters gets a leading "0" (so 7.30 becomes 07:30). At most 8 characters are read.
std::string NormaliseTime(const std::string& text);

// Whether t lies in the window from s to e; a window whose start is after its
// end crosses midnight.
bool InTimeWindow(const std::string& t, const std::string& s, const std::string& e);

// The local time as "%H:%M".
std::string ClockText(const std::tm& local);

}  // namespace rovex
