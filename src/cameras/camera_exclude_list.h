#pragma once

#include <string_view>

// The cameras a route asks not to be warned of, by camera type. The route
// subsystem fills its own list; the camera loader only asks this question.

namespace rovex {

class CameraExcludeList {
 public:
  virtual ~CameraExcludeList() = default;
  // camType is the type field of a camera line as it stands in the file
  // (unstripped). Names match ignoring case.
  virtual bool IsExcluded(std::string_view camType) const = 0;
};

// No route, or a route without exclusions.
class NullCameraExcludeList final : public CameraExcludeList {
 public:
  bool IsExcluded(std::string_view) const override { return false; }
};

// ASCII case-insensitive equality, as the exclusion names have always matched.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace rovex
