#include <unistd.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "platform/memory_settings_store.h"
#include "platform/xdg_autostart.h"
#include "settings/auto_start_model.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using testing::TempDir;

TEST(XdgAutostart, ExecQuotesWhatTheDesktopEntryRulesReserve) {
  struct Case {
    const char* program;
    const char* exec;
  } cases[] = {
      {"/usr/bin/rovex", "/usr/bin/rovex"},
      {"/home/ann/ROVEX build/bin/rovex", "\"/home/ann/ROVEX build/bin/rovex\""},
      {"/opt/a$b/rovex", "\"/opt/a\\\\$b/rovex\""},
      {"/opt/100%/rovex", "\"/opt/100%%/rovex\""},
      {"/opt/q\"x", "\"/opt/q\\\\\"x\""},
  };
  for (const Case& c : cases) EXPECT_EQ(XdgAutostart::ExecValue(c.program), c.exec) << c.program;
}

TEST(XdgAutostart, TheOptionWritesAndRemovesOnlyRovexsOwnEntry) {
  TempDir dir;
  const std::string path = dir.Path() + "/autostart/rovex.desktop";
  XdgAutostart session(path, "/usr/bin/rovex");
  MemorySettingsStore store;
  RegistrySettings settings(store, nullptr);

  AutoStartModel::Values values = AutoStartModel::Open(settings, nullptr, &session);
  EXPECT_FALSE(values.session);
  values.session = true;
  EXPECT_EQ(AutoStartModel::Ok(settings, values, &session), "");
  EXPECT_TRUE(AutoStartModel::Open(settings, nullptr, &session).session);
  std::string entry = dir.Read("autostart/rovex.desktop");
  EXPECT_NE(entry.find("\nExec=/usr/bin/rovex\n"), std::string::npos) << entry;
  EXPECT_EQ(entry.rfind("[Desktop Entry]\nType=Application\n", 0), 0u) << entry;
  if (::access("/usr/bin/desktop-file-validate", X_OK) == 0) {
    EXPECT_EQ(std::system(("/usr/bin/desktop-file-validate '" + path + "'").c_str()), 0);
  }

  values.session = false;
  EXPECT_EQ(AutoStartModel::Ok(settings, values, &session), "");
  EXPECT_FALSE(session.Enabled());
  EXPECT_EQ(settings.ReadFlagSetting("AutoStartGPS"), 0) << "the five settings are still stored";

  // A hand-made entry of the same name is the user's: not shown ticked, not removed.
  dir.Write("autostart/rovex.desktop", "[Desktop Entry]\nType=Application\nExec=rovex --mine\n");
  EXPECT_FALSE(AutoStartModel::Open(settings, nullptr, &session).session);
  std::string error;
  EXPECT_FALSE(session.Disable(&error));
  EXPECT_EQ(dir.Read("autostart/rovex.desktop"), "[Desktop Entry]\nType=Application\nExec=rovex --mine\n");
}

TEST(XdgAutostart, AnEntryThatCannotBeWrittenIsReported) {
  TempDir dir;
  dir.Write("autostart", "a file where the folder should be");
  XdgAutostart session(dir.Path() + "/autostart/rovex.desktop", "/usr/bin/rovex");
  MemorySettingsStore store;
  RegistrySettings settings(store, nullptr);
  AutoStartModel::Values values;
  values.session = true;
  std::string message = AutoStartModel::Ok(settings, values, &session);
  EXPECT_EQ(message.rfind("Can't write the autostart entry\n" + dir.Path() + "/autostart/rovex.desktop\n", 0), 0u)
      << message;
}

}  // namespace
}  // namespace rovex
