#pragma once

#include <string>

// What the running system asks of the window that shows it. The Qt view answers
// with its frame and widget; tests record the calls.

namespace rovex {

class ViewHost {
 public:
  virtual ~ViewHost() = default;
  // The main window's title.
  virtual void SetTitle(const std::string& title) = 0;
  // Draw now: the drawing pass has run when this returns.
  virtual void Repaint() = 0;
  // Draw at the next opportunity.
  virtual void Invalidate() = 0;
};

}  // namespace rovex
