#include <string>

#include <gtest/gtest.h>

#include "platform/fixed_text.h"

namespace rovex {
namespace {

TEST(FixedTextTest, CutsToItsWidthAndEndsAtANul) {
  struct Case {
    std::string input;
    std::string stored;
  };
  const Case cases[] = {
      {"", ""},
      {"abc", "abc"},
      {"abcd", "abcd"},
      {"abcde", "abcd"},
      {std::string(1000, 'x'), "xxxx"},
      {std::string("a\0bc", 4), "a"},
      {std::string("abcd\0", 5), "abcd"},
  };
  for (const Case& c : cases) {
    FixedText<4> text(c.input);
    EXPECT_EQ(c.stored, text.str()) << c.input.size();
    EXPECT_EQ(c.stored.size(), text.size());
    EXPECT_EQ(c.stored, std::string(text.c_str()));
  }
}

TEST(FixedTextTest, AssignmentReplacesAndCompares) {
  FixedText<3> speed = "30";
  EXPECT_TRUE(speed == "30");
  speed = std::string("1234");
  EXPECT_EQ("123", speed.view());
  speed = static_cast<const char*>(nullptr);
  EXPECT_TRUE(speed.empty());
  FixedText<3> other = "12";
  speed = "12";
  EXPECT_TRUE(speed == other);
  other.Clear();
  EXPECT_FALSE(speed == other);
  EXPECT_EQ('\0', other.c_str()[0]);
}

}  // namespace
}  // namespace rovex
