#include <cerrno>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "nmea/nmea_log_line_reader.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using Lines = std::vector<std::pair<size_t, std::string>>;

Lines ReadAll(const std::string& content) {
  testing::TempDir dir;
  dir.Write("log.txt", content);
  std::FILE* f = std::fopen(dir.File("log.txt").c_str(), "rb");
  EXPECT_NE(f, nullptr);
  Lines lines;
  NmeaLogLineReader reader(f);
  std::string_view line;
  while (reader.Next(&line)) lines.emplace_back(reader.LineNumber(), std::string(line));
  EXPECT_FALSE(reader.Failed());
  std::fclose(f);
  return lines;
}

TEST(NmeaLogLineReader, LineEndsAndLimits) {
  const std::string x298(298, 'x');
  struct Case {
    const char* legend;
    std::string content;
    Lines expected;
  } cases[] = {
      {"LF and CR LF", "$GPA\r\n$GPB\n", {{1, "$GPA"}, {2, "$GPB"}}},
      {"CR CR LF loses all three", "$GPRMC,1*00\r\r\n$GPB\r\n", {{1, "$GPRMC,1*00"}, {2, "$GPB"}}},
      {"a third CR stays", "abc\r\r\r\n", {{1, "abc\r"}}},
      {"CR alone does not end a line", "ab\rcd\r", {{1, "ab\rcd"}}},
      {"LF CR: the LF ends the line, the CR starts the next", "abc\n\rdef\n", {{1, "abc"}, {2, "\rdef"}}},
      {"blank lines are too short to lose their end", "\n\r\n\n", {{1, "\n"}, {2, "\n"}, {3, "\n"}}},
      {"three characters lose their end", "ab\n", {{1, "ab"}}},
      {"two characters keep theirs", "a\r", {{1, "a\r"}}},
      {"last line without an end", "$A\n$GPX", {{1, "$A"}, {2, "$GPX"}}},
      {"empty file", "", {}},
      {"text ends at a NUL", std::string("ab\0cdef\nabc\0\r\n", 14), {{1, "ab"}, {2, "abc"}}},
      {"298 characters at a time", std::string(300, 'x') + "\n", {{1, x298}, {1, "xx"}}},
      {"CR LF counts as one character", std::string(297, 'x') + "\r\n$B\n", {{1, std::string(297, 'x')}, {2, "$B"}}},
      {"the line end can fall into the next piece", x298 + "\r\n", {{1, x298}, {1, "\n"}}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadAll(c.content), c.expected) << c.legend;
}

TEST(NmeaLogLineReader, CrLfAcrossTheReadBlock) {
  // 655 lines of 100 bytes, then 35 bytes, so that the CR is the last byte of
  // the first 64 KiB block and its LF the first byte of the next.
  std::string content;
  for (int i = 0; i < 655; ++i) content += std::string(99, 'a') + "\n";
  content += std::string(35, 'y') + "\r\n$GPZ\n";
  ASSERT_EQ(content[65535], '\r');
  Lines lines = ReadAll(content);
  ASSERT_EQ(lines.size(), 657u);
  EXPECT_EQ(lines[655], (std::pair<size_t, std::string>{656, std::string(35, 'y')}));
  EXPECT_EQ(lines[656], (std::pair<size_t, std::string>{657, "$GPZ"}));
}

TEST(NmeaLogLineReader, ReadErrorIsToldApartFromTheEnd) {
  testing::TempDir dir;
  std::FILE* f = std::fopen(dir.Path().c_str(), "rb");  // a folder opens, but cannot be read
  ASSERT_NE(f, nullptr);
  NmeaLogLineReader reader(f);
  std::string_view line;
  EXPECT_FALSE(reader.Next(&line));
  EXPECT_TRUE(reader.Failed());
  EXPECT_EQ(reader.ErrorNumber(), EISDIR);
  std::fclose(f);
}

}  // namespace
}  // namespace rovex
