#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/speech_output.h"
#include "platform/text_encoding.h"

namespace rovex {
namespace {

TEST(TextEncoding, Utf8IsKeptAndAnythingElseIsLatin1) {
  struct Case {
    const char* legend;
    std::string in, out;
  };
  for (const Case& c : std::vector<Case>{
           {"ASCII", "Route on", "Route on"},
           {"valid UTF-8", "Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x9a\x97", "Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x9a\x97"},
           {"Latin-1 e acute", "Caf\xe9", "Caf\xc3\xa9"},
           {"a cut-off sequence", "ab\xc3", "ab\xc3\x83"},
           {"overlong slash", "\xc0\xaf", "\xc3\x80\xc2\xaf"},
           {"surrogate", "\xed\xa0\x80", "\xc3\xad\xc2\xa0\xc2\x80"},
           {"beyond U+10FFFF", "\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xc2\x80\xc2\x80"},
       }) {
    EXPECT_EQ(ToUtf8(c.in), c.out) << c.legend;
    EXPECT_TRUE(IsValidUtf8(ToUtf8(c.in))) << c.legend;
  }
}

TEST(TextEncoding, SpeechTextIsCutToWholeCharacters) {
  EXPECT_EQ(SpeechText(std::string(300, 'a')), std::string(249, 'a'));
  std::string accents;
  for (int i = 0; i < 300; ++i) accents += "\xc3\xa9";
  EXPECT_EQ(SpeechText(accents), accents.substr(0, 2 * 249));
  EXPECT_EQ(SpeechText(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(CutUtf8("\xe2\x82\xac\xe2\x82\xac", 1), "\xe2\x82\xac");
}

}  // namespace
}  // namespace rovex
