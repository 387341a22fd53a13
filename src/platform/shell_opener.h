#pragma once

#include <string>

// The desktop's "open" action for a web address or a folder: the default
// browser or file manager, never a command line of ours.

namespace rovex {

class ShellOpener {
 public:
  virtual ~ShellOpener() = default;
  // An address with a scheme ("https://...") or a local path. False when nothing could open it.
  virtual bool Open(const std::string& target) = 0;
};

}  // namespace rovex
