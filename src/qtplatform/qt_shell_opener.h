#pragma once

#include "platform/shell_opener.h"

// Opens addresses and folders with the desktop's default handlers (QDesktopServices).

namespace rovex {

class QtShellOpener final : public ShellOpener {
 public:
  bool Open(const std::string& target) override;
};

}  // namespace rovex
