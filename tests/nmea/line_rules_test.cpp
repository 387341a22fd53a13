#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "nmea/line_assembler.h"
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
      {"a third CR stays", "abc\r\r\r\n", {{1, "abc\r"}}},
      {"CR alone does not end a line", "ab\rcd\r", {{1, "ab\rcd"}}},
      {"LF CR: the LF ends the line, the CR starts the next", "abc\n\rdef\n", {{1, "abc"}, {2, "\rdef"}}},
      {"two characters keep theirs", "a\r", {{1, "a\r"}}},
      {"CR LF counts as one character", std::string(297, 'x') + "\r\n$B\n", {{1, std::string(297, 'x')}, {2, "$B"}}},
      {"the line end can fall into the next piece", x298 + "\r\n", {{1, x298}, {1, "\n"}}},
  };
  // The usual line ends, NUL, long lines and the last line are in the parse command's golden file.
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

std::vector<std::string> Assembled(const std::string& bytes) {
  LineAssembler a;
  std::vector<std::string> out;
  for (unsigned char c : bytes) {
    if (a.Feed(c)) out.push_back(a.Line());
  }
  return out;
}

TEST(LineAssembler, LineEndsAndDroppedBytes) {
  const std::string gga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
  const struct {
    const char* legend;
    std::string bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"CR alone ends a line", gga + "\r", {gga}},
      {"LF alone does not", gga + "\n", {}},
      {"LF before CR is dropped", "$A\n\r", {"$A"}},
      {"a bare CR is an empty line", "\r\r\n", {"", ""}},
      {"NUL adds nothing", std::string("$G\0P\r", 5), {"$GP"}},
      {"99 characters are kept", std::string(99, 'a') + "\r", {std::string(99, 'a')}},
      {"the 100th character empties the line", std::string(100, 'a') + "\r", {""}},
      {"150 characters: the tail after the cut is a line", std::string(150, 'b') + "\r", {std::string(50, 'b')}},
  };
  for (const auto& c : cases) EXPECT_EQ(Assembled(c.bytes), c.lines) << c.legend;
}

TEST(LineAssembler, WhichLinesAreForwarded) {
  const struct {
    const char* line;
    bool forwarded;
  } cases[] = {
      {"$GPGGA,1", true},  {"$GPRMC,1", true}, {"$GNGGA,1", true}, {"$GNRMC,1", true}, {"$GPGLL,1", true},
      {"$GNGLL,1", false}, {"$GPGSV,1", false}, {"$GPGSA,1", false}, {"$GPVTG,1", false}, {"x$GPGGA,1", false},
      {"GPGGA,1", false},  {"$GPGG", false},    {"$GPGGA", true},    {"", false},         {"$PGRMC,1", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsForwardedSentence(c.line), c.forwarded) << c.line;
}

}  // namespace
}  // namespace rovex
