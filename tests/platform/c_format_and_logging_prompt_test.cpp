#include <gtest/gtest.h>

#include <cstdio>

#include "platform/c_format.h"
#include "platform/logging_prompt.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

TEST(FormatFixed, AgreesWithPrintfInTheCLocale) {
  const double values[] = {0.0, -0.0, 51.384223, -1.337132, 0.5, 1.5, 2.5, 4000.0 / 1000.0, 1e20, -123456.7890125,
                           0.0000005, 0.0000015, 99.9999995};
  for (double v : values) {
    for (int decimals : {0, 1, 3, 6}) {
      char expected[128];
      std::snprintf(expected, sizeof expected, "%.*f", decimals, v);
      EXPECT_EQ(FormatFixed(v, decimals), expected) << v << " with " << decimals;
    }
  }
}

TEST(LoggingPrompt, AnswersTheFirstButtonAndWritesEverythingDown) {
  testing::TempDir dir;
  std::FILE* log = std::fopen(dir.File("log.txt").c_str(), "w+");
  ASSERT_NE(log, nullptr);
  LoggingPrompt prompt(log);
  EXPECT_EQ(prompt.MessageBox("Stop replay ?", MsgIcon::Question, MsgButtons::YesNo, "ROVEX"), MsgResult::Yes);
  EXPECT_EQ(prompt.MessageBox("Setup?", MsgIcon::Question, MsgButtons::OkCancel, "ROVEX"), MsgResult::Ok);
  EXPECT_EQ(prompt.MessageBox("Again?", MsgIcon::Warning, MsgButtons::RetryCancel, "ROVEX"), MsgResult::Retry);
  EXPECT_TRUE(prompt.ConfirmDialog("Reset ROVEX options", {"Click OK"}));
  EXPECT_EQ(prompt.OpenFile("Open", "*.txt", "/tmp"), std::nullopt);
  EXPECT_EQ(prompt.ChooseFolder("Folder", "/tmp"), std::nullopt);
  std::fclose(log);
  std::string text = dir.Read("log.txt");
  EXPECT_NE(text.find("[ROVEX] Stop replay ?\n  -> answered Yes"), std::string::npos) << text;
  EXPECT_NE(text.find("[Reset ROVEX options]\n  Click OK\n  -> answered OK"), std::string::npos);
  EXPECT_NE(text.find("[file dialog] Open\n  -> cancelled"), std::string::npos);
}

}  // namespace
}  // namespace rovex
