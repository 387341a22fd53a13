#pragma once

#include <cstdint>
#include <functional>

// What the background map loaders share.

namespace rovex::trackeditor {

// Called now and then during a load with the bytes read so far and the size of
// the file (0 when unknown). Returning false stops the load; what was loaded stays.
using LoadProgress = std::function<bool(uint64_t done, uint64_t total)>;

}  // namespace rovex::trackeditor
