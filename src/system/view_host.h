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
class CComSettingsDlg;
class CDlg_Send_Log;
class PassedCameraList;
class RegistrySettings;
struct CameraTable;

// The six dialogs of the Options menu that edit settings directly.
enum class OptionDialog { Speed, TimeZone, Tracking, MapScale, Colours, Specs };

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
  // An option dialog reads its values from settings on opening and writes them there on OK.
  virtual bool RunOptionDialog(OptionDialog, RegistrySettings&) { return false; }
  // The window calls the model's OnOK itself when the user confirms.
  virtual bool RunComSettingsDialog(CComSettingsDlg&) { return false; }
  // Modeless in spirit (its thread reports while it is open), but the view waits for it to close.
  virtual void RunSendLogDialog(CDlg_Send_Log&) {}
  virtual void RunNearCameraListDialog(const CameraTable&) {}
  virtual void RunPassedCameraListDialog(PassedCameraList&) {}
};

}  // namespace rovex
