#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/data_root.h"
#include "platform/file_filter.h"

namespace rovex {
namespace {

TEST(FileFilter, SplitsWindowsFilterStrings) {
  auto f = ParseFileFilter("ROVEX route file (*.csv;*.txt)|*.csv; *.txt|All files (*.*)|*.*||");
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].description, "ROVEX route file (*.csv;*.txt)");
  EXPECT_EQ(f[0].patterns, (std::vector<std::string>{"*.csv", "*.txt"}));
  EXPECT_EQ(f[1].patterns, (std::vector<std::string>{"*.*"}));
  EXPECT_TRUE(MatchesFilter(f[0], "Home.CSV"));
  EXPECT_FALSE(MatchesFilter(f[0], "home.gpx"));
  EXPECT_TRUE(MatchesFilter(f[1], "README"));
  EXPECT_TRUE(ParseFileFilter("").empty());
  EXPECT_TRUE(ParseFileFilter("just a description").empty());
}

TEST(DataRoot, FollowsRovexHomeAndJoinsNatively) {
  const char* old = std::getenv("ROVEX_HOME");
  std::string saved = old ? old : "";
  setenv("ROVEX_HOME", "/srv/rovex/", 1);
  EXPECT_EQ(DataRoot(), "/srv/rovex");
  EXPECT_EQ(DataPath("Voice"), "/srv/rovex/Voice");
  unsetenv("ROVEX_HOME");
  setenv("HOME", "/home/driver", 1);
  EXPECT_EQ(DataRoot(), "/home/driver/ROVEX");
  if (old) setenv("ROVEX_HOME", saved.c_str(), 1);
  EXPECT_EQ(JoinPath("/a/b", "c.txt"), "/a/b/c.txt");
  EXPECT_EQ(JoinPath("/a/b/", "c.txt"), "/a/b/c.txt");
  EXPECT_EQ(JoinPath("", "c.txt"), "c.txt");
}

}  // namespace
}  // namespace rovex
