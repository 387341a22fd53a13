#pragma once

#include <functional>
#include <string>
#include <vector>

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
  bool RunManualLocationDialog(CDlgManualLocation& model) override {
    return onManualLocation ? onManualLocation(model) : false;
  }
  bool RunDistanceDialog(CDlgDistance& model) override { return onDistance ? onDistance(model) : false; }
  bool RunReplayDialog(CDlgReplay& model) override { return onReplay ? onReplay(model) : false; }
  bool RunOptionDialog(OptionDialog which, RegistrySettings& settings) override {
    optionDialogs.push_back(which);
    return onOption ? onOption(which, settings) : false;
  }
  bool RunComSettingsDialog(CComSettingsDlg& model) override { return onComSettings ? onComSettings(model) : false; }
  void RunSendLogDialog(CDlg_Send_Log& model) override {
    if (onSendLog) onSendLog(model);
  }
  void RunNearCameraListDialog(const CameraTable& table) override {
    if (onNearCameraList) onNearCameraList(table);
  }
  void RunPassedCameraListDialog(PassedCameraList& model) override {
    if (onPassedCameraList) onPassedCameraList(model);
  }

  std::string Title() const { return titles.empty() ? std::string() : titles.back(); }

  std::vector<std::string> titles;
  int repaints = 0;
  int invalidates = 0;
  std::function<void()> onRepaint;
  // What the user does in each dialog; without one the dialog is cancelled at once.
  std::function<bool(CDlgManualLocation&)> onManualLocation;
  std::function<bool(CDlgDistance&)> onDistance;
  std::function<bool(CDlgReplay&)> onReplay;
  std::function<bool(OptionDialog, RegistrySettings&)> onOption;
  std::function<bool(CComSettingsDlg&)> onComSettings;
  std::function<void(CDlg_Send_Log&)> onSendLog;
  std::function<void(const CameraTable&)> onNearCameraList;
  std::function<void(PassedCameraList&)> onPassedCameraList;
  std::vector<OptionDialog> optionDialogs;
};

}  // namespace rovex::testing
