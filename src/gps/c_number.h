#pragma once

// atof as the C locale reads it. The window toolkit switches the process to
// the user's locale at start, and in a locale with a decimal comma plain atof
// would read "4807.038" as 4807: every number that comes from a file or a
// receiver is written with a decimal point, whatever the user's language.

namespace rovex {

// Same result as std::atof in the "C" locale: leading white space skipped,
// the longest valid prefix read, 0.0 when there is none.
double CAtof(const char* text);

}  // namespace rovex
