#pragma once

// atof and atoi as the C library reads numbers in the "C" locale, and quick
// about it. The window toolkit switches the process to the user's locale at
// start, and in a locale with a decimal comma plain atof would read "4807.038"
// as 4807: every number that comes from a file or a receiver is written with a
// decimal point, whatever the user's language. And the parser reads a dozen
// numbers for every sentence, so the common short forms skip the general routine.

namespace rovex {

// Same result as std::atof in the "C" locale: leading white space skipped,
// the longest valid prefix read (exponents, hexadecimal, inf and nan
// included), 0.0 when there is none.
double CAtof(const char* text);

// Same result as glibc's atoi: (int) strtol(text, NULL, 10), so out-of-range
// values saturate to the long range before they are cut to int.
int CAtoi(const char* text);

}  // namespace rovex
