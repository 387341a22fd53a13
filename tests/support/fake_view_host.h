#pragma once

#include <functional>
#include <string>
#include <vector>

#include "views/view_host.h"

// A window for the running system in tests: records titles and repaint
// requests, and can run a drawing pass on each repaint.

namespace rovex::testing {

class FakeViewHost final : public ViewHost {
 public:
  void SetTitle(const std::string& title) override { titles.push_back(title); }
  void Repaint() override {
    ++repaints;
    if (onRepaint) onRepaint();
  }
  void Invalidate() override { ++invalidates; }

  std::string Title() const { return titles.empty() ? std::string() : titles.back(); }

  std::vector<std::string> titles;
  int repaints = 0;
  int invalidates = 0;
  std::function<void()> onRepaint;
};

}  // namespace rovex::testing
