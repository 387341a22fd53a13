#pragma once

// atof and atoi as the file formats were written for: C-locale numbers
// whatever locale the program runs in (Qt switches LC_NUMERIC to the user's
// locale, where "51.5" would read as 51). Same leading-blank skipping and
// stop-at-the-first-unusable-character rules as the C functions.

namespace rovex {

double CAtof(const char* text);
int CAtoi(const char* text);

}  // namespace rovex
