#pragma once

#include <string>
#include <vector>

#include "platform/shell_opener.h"

// Records what would have been opened.

namespace rovex::testing {

class FakeShellOpener final : public ShellOpener {
 public:
  bool Open(const std::string& target) override {
    opened.push_back(target);
    return true;
  }
  std::vector<std::string> opened;
};

}  // namespace rovex::testing
