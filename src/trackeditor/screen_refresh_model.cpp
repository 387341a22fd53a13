#include "trackeditor/screen_refresh_model.h"

#include <cerrno>
#include <cstdlib>

namespace rovex::trackeditor {

uint32_t ScreenRefreshModel::Ok() const {
  uint32_t rate = m_rate;
  char* end = nullptr;
  errno = 0;
  const long long typed = std::strtoll(text.c_str(), &end, 10);
  if (!text.empty() && *end == '\0' && errno == 0 && typed > 0 && typed <= 0xFFFFFFFFLL) {
    rate = static_cast<uint32_t>(typed);
  }
  return rate < kLeast ? kLeast : rate;
}

}  // namespace rovex::trackeditor
