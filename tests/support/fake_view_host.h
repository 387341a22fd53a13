#pragma once

#include <functional>
#include <string>
#include <typeindex>
#include <vector>

#include "cameras/camera_table.h"
#include "gps/com_settings_dlg.h"
#include "gps/dlg_distance.h"
#include "gps/dlg_manual_location.h"
#include "gps/dlg_send_log.h"
#include "system/view_host.h"


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
  bool RunDialog(const DialogRequest& request) override {
    dialogs.push_back(request.Type());
    if (auto* m = request.Get<CDlgManualLocation>()) return onManualLocation && onManualLocation(*m);
    if (auto* m = request.Get<CDlgDistance>()) return onDistance && onDistance(*m);
    if (auto* m = request.Get<CComSettingsDlg>()) return onComSettings && onComSettings(*m);
    if (auto* m = request.Get<CDlg_Send_Log>()) {
      if (onSendLog) onSendLog(*m);
      return false;
    }
    if (auto* m = request.Get<CameraTable>()) {
      if (onNearCameraList) onNearCameraList(*m);
      return false;
    }
    if (auto* m = request.Get<OptionDialogRequest>()) return onOption && onOption(m->which, m->settings);
    return onOther && onOther(request);
  }

  std::string Title() const { return titles.empty() ? std::string() : titles.back(); }

  std::vector<std::string> titles;
  int repaints = 0;
  int invalidates = 0;
  std::function<void()> onRepaint;
  // What the user does in each dialog; without one the dialog is cancelled at once.
  std::function<bool(CDlgManualLocation&)> onManualLocation;
  std::function<bool(CDlgDistance&)> onDistance;
  std::function<bool(OptionDialog, RegistrySettings&)> onOption;
  std::function<bool(CComSettingsDlg&)> onComSettings;
  std::function<void(CDlg_Send_Log&)> onSendLog;
  std::function<void(const CameraTable&)> onNearCameraList;
  std::function<bool(const DialogRequest&)> onOther;
  std::vector<std::type_index> dialogs;  // every dialog asked for, by model type
};

}  // namespace rovex::testing
