#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "nmea/line_assembler.h"

namespace rovex {
namespace {

std::vector<std::string> Lines(const std::string& bytes) {
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
      {"CR LF ends a line", gga + "\r\n", {gga}},
      {"CR alone ends a line", gga + "\r", {gga}},
      {"LF alone does not", gga + "\n", {}},
      {"LF before CR is dropped", "$A\n\r", {"$A"}},
      {"a bare CR is an empty line", "\r\r\n", {"", ""}},
      {"NUL adds nothing", std::string("$G\0P\r", 5), {"$GP"}},
      {"noise before $ stays in the line", "\xff\x01$GPGGA\r", {"\xff\x01$GPGGA"}},
      {"99 characters are kept", std::string(99, 'a') + "\r", {std::string(99, 'a')}},
      {"the 100th character empties the line", std::string(100, 'a') + "\r", {""}},
      {"150 characters: the tail after the cut is a line", std::string(150, 'b') + "\r", {std::string(50, 'b')}},
      {"the sentence after a long line is whole", std::string(150, 'b') + "\r\n" + gga + "\r\n",
       {std::string(50, 'b'), gga}},
  };
  for (const auto& c : cases) EXPECT_EQ(Lines(c.bytes), c.lines) << c.legend;
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
