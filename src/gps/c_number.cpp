#include "gps/c_number.h"

#include <clocale>
#include <cstdlib>

#include <locale.h>

namespace rovex {
namespace {

locale_t CLocale() {
  // Made once and kept for the life of the process; newlocale for "C" cannot
  // fail short of running out of memory, and then plain strtod is the best left.
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

}  // namespace

double CAtof(const char* text) {
  locale_t c = CLocale();
  if (c == static_cast<locale_t>(nullptr)) return std::strtod(text, nullptr);
  return strtod_l(text, nullptr, c);
}

}  // namespace rovex
