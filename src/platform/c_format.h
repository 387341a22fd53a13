#pragma once

#include <string>

// "%.Nf" as printf writes it in the "C" locale: a decimal point whatever the
// user's language (the window toolkit switches the process to the user's
// locale at start, and a German one would print "51,384223").

namespace rovex {

std::string FormatFixed(double value, int decimals);

}  // namespace rovex
