#include <QApplication>
#include <QTimer>

#include "app/main_frame.h"
#include "platform/data_root.h"
#include "platform/file_settings_store.h"
#include "qtplatform/qt_user_prompt.h"
#include "settings/settings_reset.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ROVEX"));

  rovex::FileSettingsStore store(rovex::FileSettingsStore::DefaultPath());
  rovex::CMainFrame frame;
  rovex::QtUserPrompt prompt(&frame);

  if (std::string damage = store.TakeDamageReport(); !damage.empty()) {
    prompt.MessageBox(damage, rovex::MsgIcon::Warning, rovex::MsgButtons::Ok, rovex::kAppCaption);
  }
  rovex::SettingsReset reset(store, prompt, rovex::DataRoot());
  reset.RunVersionCheck();
  frame.show();
  QTimer::singleShot(0, &frame, [&] { reset.RunFirstRunQuestion(); });
  return app.exec();
}
