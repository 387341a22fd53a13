#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <memory>

#include "app/main_frame.h"
#include "app/rovex_app.h"
#include "app/rovex_view.h"
#include "platform/memory_settings_store.h"
#include "settings/registry_settings.h"
#include "settings/settings_reset.h"
#include "support/fake_prompt.h"
#include "support/fake_shell_opener.h"
#include "support/recording_speech.h"

// The real program on the offscreen platform, with settings in memory and
// scripted dialogs.

namespace rovex::testing {

struct AppFixture {
  MemorySettingsStore store;
  FakePrompt prompt;
  FakeShellOpener shell;
  RecordingSpeech speech;
  std::unique_ptr<CROVEXApp> app;

  explicit AppFixture(bool defaults = true) {
    if (defaults) {
      SettingsReset(store, prompt, "/data").CheckRegistry(false);
      prompt.shown.clear();
    }
  }

  CMainFrame& Start(bool show = true, CROVEXApp::Demo demo = CROVEXApp::Demo::Off, double speed = 50.0) {
    Services services;
    services.store = &store;
    services.prompt = &prompt;
    services.shell = &shell;
    services.speech = &speech;
    app = std::make_unique<CROVEXApp>(services);
    app->SetDemo(demo, speed);
    app->InitInstance(show);
    QApplication::processEvents();
    return app->MainFrame();
  }

  CROVEXView& View() { return app->MainFrame().View(); }

  // A key press delivered to the view, as the keyboard would.
  void Press(Qt::Key key, const QString& text = QString(), Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&View(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&View(), &release);
  }
};

}  // namespace rovex::testing
