#pragma once

#include <functional>
#include <memory>

#include <QObject>

#include "platform/services.h"

// The application object: makes the platform services the system runs on and
// takes the program through its start-up: the damaged-settings report, the
// main frame with its view (whose creation runs the settings version check),
// the view's first update (the first-run question), and the shown window
// titled "ROVEX".

namespace rovex {

class CMainFrame;
class CROVEXView;
class FileSettingsStore;
class QtUserPrompt;
class SystemClock;
class QtCanvasFactory;
class ImageLoader;
class QtShellOpener;
class QtVoiceOutput;
class QtClipboard;
class PosixSerialPorts;
class SpeechOutput;
class PowerControl;

class CROVEXApp {
 public:
  // Services left null are made here: the settings file, Qt dialogs, the
  // system clock, the Qt canvas, the desktop's open action, wave playback,
  // the clipboard, the machine's serial ports and the espeak-ng route voice.
  explicit CROVEXApp(const Services& services = {});
  ~CROVEXApp();
  CROVEXApp(const CROVEXApp&) = delete;
  CROVEXApp& operator=(const CROVEXApp&) = delete;

  // The start-up; the window is shown unless asked not to.
  bool InitInstance(bool show = true);
  // A run nobody watches: no port is opened and no log started at start-up.
  void SetUnattended(bool unattended) { m_unattended = unattended; }
  // The demo drive. FirstRun: when there are no settings yet, seed the data
  // root and the defaults without questions and replay the drive (what `make
  // run` asks for); without it a first run offers the settings reset as
  // always. Always: replay it on every start (rovex --demo). pace replays it
  // that many times faster than it was driven.
  enum class Demo { Off, FirstRun, Always };
  void SetDemo(Demo demo, double pace) {
    m_demo = demo;
    m_demoPace = pace;
  }
  // The demo log being replayed, empty when there is none.
  const std::string& DemoLog() const { return m_demoLog; }
  // Runs as soon as the view exists, before the window is shown.
  void OnCreated(std::function<void(CROVEXView&)> callback) { m_onCreated = std::move(callback); }

  CMainFrame& MainFrame() { return *m_frame; }
  const Services& AppServices() const { return m_services; }

 private:
  std::unique_ptr<FileSettingsStore> m_store;
  std::unique_ptr<QtUserPrompt> m_prompt;
  std::unique_ptr<SystemClock> m_clock;
  std::unique_ptr<QtCanvasFactory> m_canvas;
  std::unique_ptr<ImageLoader> m_images;
  std::unique_ptr<QtShellOpener> m_shell;
  std::unique_ptr<QtVoiceOutput> m_voice;
  std::unique_ptr<QtClipboard> m_clipboard;
  std::unique_ptr<PosixSerialPorts> m_ports;
  std::unique_ptr<PowerControl> m_power;
  // The voice's failure report travels to the window's thread as a call
  // queued on this object; it goes after the voice, whose thread has ended by then.
  QObject m_speechReports;
  std::unique_ptr<SpeechOutput> m_speech;
  Services m_services;
  std::unique_ptr<CMainFrame> m_frame;
  std::function<void(CROVEXView&)> m_onCreated;
  bool m_unattended = false;
  Demo m_demo = Demo::Off;
  double m_demoPace = 1.0;
  std::string m_demoLog;
  // Seeds a first run and decides whether the demo drive plays.
  void PrepareDemo();
};

}  // namespace rovex
