#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "nmea/c_number.h"
#include "nmea/nmea_parser.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

// The C library, in the "C" locale that the tests run in, is the oracle.
void ExpectSameAsLibrary(const std::string& text) {
  double ours = CAtof(text.c_str());
  double library = std::atof(text.c_str());
  if (library != library) {
    EXPECT_NE(ours, ours) << '"' << text << '"';
  } else {
    EXPECT_EQ(std::memcmp(&ours, &library, sizeof ours), 0)
        << '"' << text << "\": " << ours << " vs " << library;  // bit for bit, sign of zero included
  }
  EXPECT_EQ(CAtoi(text.c_str()), std::atoi(text.c_str())) << '"' << text << '"';
}

TEST(CNumber, AgreesWithTheLibraryOnEveryShape) {
  const std::vector<std::string> cases = {
      "", " ", "0", "-0", "+0", "0.0", "-0.000", "4807.038", "01131.000", "545.4", "-30.1", ".5", "5.", ".", "-",
      "+", "-.", "  \t\n 12.25xyz", "1e3", "1E-3", "2.5e", "2.5e+", "0x1A", "0X1p4", "-0x.8", "0x", "00x1", "inf",
      "-Infinity", "nan", "NAN(123)", "123456789012345", "1234567890123456", "12345678901234567890",
      "0.000000000000000000001", "0.0000000000000000000001", "0.00000000000000000000001",
      "1.7976931348623157e308", "1e400", "-1e400", "4e-400", "999999999999999.9", "0.1", "0.2", "0.3",
      "9007199254740993", "2147483647", "2147483648", "-2147483648", "-2147483649", "9223372036854775807",
      "9223372036854775808", "-9223372036854775808", "-9223372036854775809", "99999999999999999999999", "+-1",
      "- 1", "12,5", "1_000", "\x7f" "1", "4807.0380000000000000000099", "000000000000000000000000001.5",
      "0.000000000000001234567890123456",
  };
  for (const std::string& text : cases) ExpectSameAsLibrary(text);
}

TEST(CNumber, AgreesWithTheLibraryOnGeneratedDecimals) {
  // Receiver-shaped numbers: signs, leading zeros, up to 17 digits around a point.
  uint64_t state = 0x9e3779b97f4a7c15ull;
  auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  };
  for (int i = 0; i < 50000; ++i) {
    std::string text;
    uint64_t r = next();
    if (r % 5 == 0) text += '-';
    int before = static_cast<int>(next() % 10), after = static_cast<int>(next() % 12);
    for (int d = 0; d < before; ++d) text += static_cast<char>('0' + next() % 10);
    if (r % 7 != 0) text += '.';
    for (int d = 0; d < after; ++d) text += static_cast<char>('0' + next() % 10);
    if (r % 11 == 0) text += ",N";
    ExpectSameAsLibrary(text);
    if (HasFailure()) break;
  }
}

// A locale with a decimal comma, as the window toolkit selects for a German
// user. Built into a temporary folder with localedef when none is installed.
class DecimalCommaLocale : public ::testing::Test {
 protected:
  void TearDown() override {
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
  }

  bool Select() {
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) return true;
    std::string command = "localedef -i de_DE -f UTF-8 '" + m_dir.File("de_DE.UTF-8") + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return false;
    setenv("LOCPATH", m_dir.Path().c_str(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  }

  testing::TempDir m_dir;
};

TEST_F(DecimalCommaLocale, NumbersAndSentencesReadTheSame) {
  if (!Select()) GTEST_SKIP() << "no de_DE locale installed and localedef could not build one";
  ASSERT_EQ(std::atof("4807.038"), 4807.0) << "the library itself should stop at the point here";
  EXPECT_EQ(CAtof("4807.038"), 4807.038);
  EXPECT_EQ(CAtof("1.5e3"), 1500.0);  // the general routine too
  CNMEAParser parser;
  parser.DispatchSentence("GPGGA", "123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47");
  EXPECT_NEAR(parser.Fix().latitude, 48.1173, 1e-12);
  EXPECT_DOUBLE_EQ(parser.Fix().altitude, 545.4);
}

}  // namespace
}  // namespace rovex
