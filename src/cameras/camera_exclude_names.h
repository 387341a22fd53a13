#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cameras/camera_exclude_list.h"

// An exclude list held as plain names: what a route file's excluded-camera
// lines amount to.

namespace rovex {

class CameraExcludeNames final : public CameraExcludeList {
 public:
  CameraExcludeNames() = default;
  explicit CameraExcludeNames(std::vector<std::string> names) : m_names(std::move(names)) {}

  void Add(std::string name) { m_names.push_back(std::move(name)); }
  void Clear() { m_names.clear(); }
  const std::vector<std::string>& Names() const { return m_names; }

  bool IsExcluded(std::string_view camType) const override;

 private:
  std::vector<std::string> m_names;
};

}  // namespace rovex
