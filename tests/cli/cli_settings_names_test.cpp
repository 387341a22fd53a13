#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using testing::RunCliCapture;

// A name the settings file cannot hold is refused with its reason, and the
// file stays readable: the next command answers from it without a damage report.
TEST(CliSettingsNames, UnstorableNamesAreRefusedAndTheFileStaysReadable) {
  testing::TempDir dir;
  setenv("ROVEX_CONFIG", dir.File("settings.conf").c_str(), 1);
  ASSERT_EQ(RunCliCapture({"settings", "set", "MapScale", "number:2000"}).exitCode, 0);
  const std::string before = dir.Read("settings.conf");

  for (const std::string name : {"a=b", ";Hidden", "#Hidden", "[Key", "Key]", "Line\nEnd", "POIFiles\\a=b"}) {
    auto r = RunCliCapture({"settings", "set", name, "text:x"});
    EXPECT_EQ(r.exitCode, 1) << name;
    EXPECT_NE(r.err.find("rovex-cli: cannot store a value named '"), std::string::npos) << r.err;
    EXPECT_EQ(dir.Read("settings.conf"), before) << name;
  }

  auto get = RunCliCapture({"settings", "get", "MapScale"});
  EXPECT_EQ(get.exitCode, 0);
  EXPECT_EQ(get.out, "2000\n");
  EXPECT_EQ(get.err, "");

  // A value with the file's own punctuation round-trips.
  ASSERT_EQ(RunCliCapture({"settings", "set", "Odd", "text:a=b;c[d]#e"}).exitCode, 0);
  EXPECT_EQ(RunCliCapture({"settings", "get", "Odd"}).out, "a=b;c[d]#e\n");
}

}  // namespace
}  // namespace rovex
