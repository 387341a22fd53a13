#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gps/gps_replay.h"
#include "gps/pipeline_steps.h"
#include "gps/sentence_pipeline.h"
#include "platform/services.h"
#include "settings/registry_settings.h"
#include "system/feature.h"
#include "system/system_context.h"
#include "system/view_host.h"
#include "system/view_mode.h"

// The running system without a window: the composition root. It owns GPS
// input with its mailbox, the per-sentence pipeline with the parser and the
// displayed track, and the features, and loops over the features at each
// command, mode switch, sentence and drawing pass, in the order the system
// fixes: the pipeline before the paint, the paint parsing the sentence before
// it draws, the features released after GPS input stopped. The Qt view
// (CROVEXView) owns one and forwards its events to it; tests drive it directly
// with a recording canvas and a fake host.

namespace rovex {

class Canvas;
class GpsFeature;
class GpsInput;
class PosixSerialPorts;
class PostedUiCalls;
class UiThreadCaller;

class RovexSystem final : public SystemContext,
                          private CommandRegistry,
                          private PipelineSteps,
                          private DrawingHooks,
                          private ReplayView {
 public:
  RovexSystem(const Services& services, ViewHost& host);
  ~RovexSystem() override;
  RovexSystem(const RovexSystem&) = delete;
  RovexSystem& operator=(const RovexSystem&) = delete;

  // Start-up, in the order the window goes through it: the settings version
  // check while the view is created, the first-run question at its first
  // update, the automatic starts when it is first shown.
  void RunVersionCheck();
  void OnInitialUpdate();
  void OnWindowShown(bool unattended);

  int ViewMode() const { return m_view.viewMode; }
  const ViewState& State() const { return m_view; }
  const DisplayColours& Colours() const { return m_view.colours; }
  double MapRadius() const { return m_view.mapRadius; }
  // Sentences since the nearby lists were last rebuilt; above 60 the next one rebuilds them.
  int RefreshCounter() const { return m_pipeline->RefreshCounter(); }
  GpsReplay& Replay();

  // The feature of that type.
  template <class F>
  F& Get() {
    for (auto& f : m_features) {
      if (auto* p = dynamic_cast<F*>(f.get())) return *p;
    }
    std::abort();
  }

  // Commands by number (system/command_ids.h); false when no handler exists.
  bool HasCommand(int id) const { return m_handlers.count(id) != 0; }
  bool RunCommand(int id);
  // The menu check mark of a command; empty when the item carries none.
  std::optional<bool> IsChecked(int id) const;
  // A key pressed in the view; true when a feature used it (the accelerators see the rest).
  bool OnKeyDown(int key);
  // A mouse message in the view; true when a feature used it.
  bool OnMouse(const MouseEvent& event);
  // The view's size changed.
  void OnViewResized(int width, int height, bool minimised);

  // Enters a mode the way its own command does from the Camera view.
  void SwitchToMode(int mode);

  // Replays lines of a log through the mailbox, the drawing pass and the
  // pipeline in this thread, as the replay thread has them done; maxLines < 0
  // for the whole file. False (with the message in *error) when it cannot be read.
  bool ReplayLogNow(const std::string& path, long maxLines, std::string* error);
  // The demo drive: the replay thread on a log at delayMs a line, without the
  // replay's question, the lists rebuilt soon as for any replay.
  void StartDemoReplay(const std::string& path, int delayMs);

  // A message posted to the view (platform/message_poster.h).
  void OnPostedMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);
  // One full drawing pass onto the view's surface.
  void DrawingPass(Canvas& canvas);

  // SystemContext.
  const Services& GetServices() const override { return m_services; }
  RegistrySettings& Registry() override { return m_registry; }
  ViewHost& Host() override { return m_host; }
  ViewState& View() override { return m_view; }
  SentencePipeline& Pipeline() override { return *m_pipeline; }
  GpsInput& Gps() override { return *m_gps; }
  SharedLists& Shared() override { return m_shared; }
  void SettingsChanged(SettingsChange change) override;
  void MapRadiusChanged() override;
  void RebuildListsNow() override;

 private:
  // CommandRegistry.
  void Register(int id, std::function<void()> run, std::function<bool()> checked) override;
  // PipelineSteps: every feature in turn.
  bool ListBeingRebuilt() const override;
  bool RebuildLists(const GpsFix& fix) override;
  void UpdateForFix(const GpsFix& fix) override;
  // DrawingHooks.
  void FillBackground() override;
  void DrawPanels() override;
  void DrawMode(int viewMode, const char* sentence, bool pending) override;
  // ReplayView.
  void RedrawNow() override { m_host.Repaint(); }
  void RunPipeline() override { m_pipeline->RunPipeline(); }
  void SetRefreshCounter(int value) override { m_pipeline->SetRefreshCounter(value); }

  template <class F, class... Args>
  F& Add(Args&&... args);
  void RegisterModeCommands();
  void Step(ModeStep step, const ModeSwitch& change);

  // Mode switching: the mode table's commands.
  void SelectCameraView();    // "&Camera Map", F6, B
  void ToggleView(int mode);  // the View menu toggles and their keys
  void SelectPoiView();       // F7
  void SelectRouteView();     // F8
  void SelectTrekbuddyView();
  void NextView();  // F5, V
  // The end of every switch: mode, clear-once, title, repaint.
  void SetMode(int mode);
  void EnterMode(int mode);
  void LeaveToCamera();
  bool NothingReceivedYet() const;
  DrawState DrawStateNow(std::string sentence, bool pending) const;

  Services m_services;
  ViewHost& m_host;
  RegistrySettings m_registry;
  ViewState m_view;
  SharedLists m_shared;
  std::unique_ptr<PosixSerialPorts> m_ownPorts;
  std::unique_ptr<UiThreadCaller> m_ui;
  PostedUiCalls* m_postedUi = nullptr;  // m_ui when calls travel as posted messages
  std::unique_ptr<GpsInput> m_gps;
  std::unique_ptr<SentencePipeline> m_pipeline;
  std::vector<std::unique_ptr<Feature>> m_features;
  GpsFeature* m_gpsFeature = nullptr;
  Canvas* m_canvas = nullptr;  // during a drawing pass

  std::map<int, std::function<void()>> m_handlers;
  std::map<int, std::function<bool()>> m_checks;
};

}  // namespace rovex
