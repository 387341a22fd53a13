#pragma once

#include <string>

// What the running system asks of the window that shows it: the title, when to
// draw, and the modal dialogs whose rules live in the system (each runner shows
// the dialog on its model and returns true when it ended with OK). The Qt view
// answers with its frame, widget and dialogs; tests record the calls.

namespace rovex {

class CDlgManualLocation;
class CDlgDistance;
class CDlgReplay;

class ViewHost {
 public:
  virtual ~ViewHost() = default;
  // The main window's title.
  virtual void SetTitle(const std::string& title) = 0;
  // Draw now: the drawing pass has run when this returns.
  virtual void Repaint() = 0;
  // Draw at the next opportunity.
  virtual void Invalidate() = 0;

  virtual bool RunManualLocationDialog(CDlgManualLocation&) { return false; }
  virtual bool RunDistanceDialog(CDlgDistance&) { return false; }
  virtual bool RunReplayDialog(CDlgReplay&) { return false; }
};

}  // namespace rovex
