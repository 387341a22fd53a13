#include "app/rovex_app.h"

#include <QCoreApplication>
#include <QTimer>

#include "app/main_frame.h"
#include "platform/data_root.h"
#include "settings/demo_seed.h"
#include "settings/settings_table.h"
#include "app/rovex_view.h"
#include "platform/espeak/espeak_speech_output.h"
#include "platform/file_settings_store.h"
#include "platform/posix_serial_ports.h"
#include "platform/system_clock.h"
#include "platform/user_prompt.h"
#include "qtplatform/qt_canvas_factory.h"
#include "qtplatform/qt_image_loader.h"
#include "qtplatform/qt_clipboard.h"
#include "qtplatform/qt_power_control.h"
#include "qtplatform/qt_shell_opener.h"
#include "qtplatform/qt_user_prompt.h"
#include "qtplatform/qt_voice_output.h"

namespace rovex {

CROVEXApp::CROVEXApp(const Services& services) : m_services(services) {
  if (!m_services.store) {
    m_store = std::make_unique<FileSettingsStore>(FileSettingsStore::DefaultPath());
    m_services.store = m_store.get();
  }
  if (!m_services.prompt) {
    m_prompt = std::make_unique<QtUserPrompt>();
    m_services.prompt = m_prompt.get();
  }
  if (!m_services.clock) {
    m_clock = std::make_unique<SystemClock>();
    m_services.clock = m_clock.get();
  }
  if (!m_services.canvas) {
    m_canvas = std::make_unique<QtCanvasFactory>();
    m_services.canvas = m_canvas.get();
  }
  if (!m_services.images) {
    m_images = std::make_unique<QtImageLoader>();
    m_services.images = m_images.get();
  }
  if (!m_services.shell) {
    m_shell = std::make_unique<QtShellOpener>();
    m_services.shell = m_shell.get();
  }
  if (!m_services.voice) {
    m_voice = std::make_unique<QtVoiceOutput>();
    m_services.voice = m_voice.get();
  }
  if (!m_services.clipboard) {
    m_clipboard = std::make_unique<QtClipboard>();
    m_services.clipboard = m_clipboard.get();
  }
  if (!m_services.serialPorts) {
    m_ports = std::make_unique<PosixSerialPorts>();
    m_services.serialPorts = m_ports.get();
  }
  if (!m_services.power) {
    m_power = std::make_unique<QtPowerControl>();
    m_services.power = m_power.get();
  }
  if (!m_services.speech) {
    UserPrompt* prompt = m_services.prompt;
    QObject* reports = &m_speechReports;
    // Reported once, on the speech thread; the message box is shown on the window's thread.
    m_speech = std::make_unique<EspeakSpeechOutput>([reports, prompt](const std::string& message) {
      QMetaObject::invokeMethod(
          reports, [prompt, message] { prompt->MessageBox(message, MsgIcon::Warning, MsgButtons::Ok, kAppCaption); },
          Qt::QueuedConnection);
    });
    m_services.speech = m_speech.get();
  }
}

CROVEXApp::~CROVEXApp() {
  // The frame and its view go first: the view releases what it holds while the services still exist.
  m_frame.reset();
}

bool CROVEXApp::InitInstance(bool show) {
  // A settings file that could not be read has been set aside; say so before anything reads the settings.
  if (m_store) {
    if (std::string damage = m_store->TakeDamageReport(); !damage.empty()) {
      m_services.prompt->MessageBox(damage, MsgIcon::Warning, MsgButtons::Ok, kAppCaption);
    }
  }
  PrepareDemo();
  m_frame = std::make_unique<CMainFrame>(m_services);
  if (m_prompt) m_prompt->SetParent(m_frame.get());
  m_frame->View().SetUnattended(m_unattended);
  if (m_onCreated) m_onCreated(m_frame->View());
  m_frame->View().System().OnInitialUpdate();
  if (show) m_frame->show();
  m_frame->setWindowTitle(QStringLiteral("ROVEX"));
  if (!m_demoLog.empty()) {
    int delay = DemoSeed::ReplayDelayMs(m_demoLog, m_demoPace);
    // Once the window is up and has drawn, so the drive is seen from its first second.
    QTimer::singleShot(300, m_frame.get(), [this, delay] { m_frame->View().System().StartDemoReplay(m_demoLog, delay); });
  }
  return true;
}

void CROVEXApp::PrepareDemo() {
  if (m_demo == Demo::Off) return;
  const bool firstRun = !m_services.store->KeyExists(kRovexKey);
  if (!firstRun && m_demo != Demo::Always) return;
  DemoSeed seed(DemoSeed::ShareFolderOf(QCoreApplication::applicationFilePath().toStdString()), DataRoot());
  std::string error;
  if (firstRun) {
    // A new user: the demo data, the voice and the default settings, without questions.
    if (!seed.SeedFirstRun(*m_services.store, &error)) {
      m_services.prompt->MessageBox("The demo drive could not be set up: " + error, MsgIcon::Warning, MsgButtons::Ok,
                                    kAppCaption);
      return;
    }
  } else {
    // Settings exist: they are never replaced; the drive plays with them if the user wants it.
    MsgResult answer = m_services.prompt->MessageBox(
        "ROVEX already has settings, which the demo does not change.\n\nReplay the demo drive with your own settings "
        "and camera file?",
        MsgIcon::Question, MsgButtons::YesNo, kAppCaption);
    if (answer != MsgResult::Yes) return;
    if (!seed.SeedFiles(&error)) {
      m_services.prompt->MessageBox("The demo drive could not be set up: " + error, MsgIcon::Warning, MsgButtons::Ok,
                                    kAppCaption);
      return;
    }
  }
  m_demoLog = seed.Files().log;
}

}  // namespace rovex
