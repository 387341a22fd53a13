#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "cameras/camera_voice.h"

namespace rovex {
namespace {

uint32_t Le(const std::string& s, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | uint8_t(s[at + static_cast<size_t>(i)]);
  return v;
}

// The length in seconds and the loudest sample of a 16-bit PCM wave file, or a reason it is not one.
std::string InspectWave(const std::string& path, double* seconds, int* peak) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream ss;
  ss << f.rdbuf();
  const std::string s = ss.str();
  if (s.size() < 12 || s.compare(0, 4, "RIFF") != 0 || s.compare(8, 4, "WAVE") != 0) return "not a RIFF WAVE file";
  uint32_t format = 0, channels = 0, rate = 0, bits = 0;
  for (size_t at = 12; at + 8 <= s.size();) {
    size_t body = at + 8;
    size_t size = std::min<size_t>(Le(s, at + 4, 4), s.size() - body);
    if (s.compare(at, 4, "fmt ") == 0 && size >= 16) {
      format = Le(s, body, 2), channels = Le(s, body + 2, 2), rate = Le(s, body + 4, 4), bits = Le(s, body + 14, 2);
    } else if (s.compare(at, 4, "data") == 0) {
      if (format != 1 || bits != 16 || channels == 0 || rate == 0) return "not 16-bit PCM";
      for (size_t i = body; i + 1 < body + size; i += 2) *peak = std::max(*peak, std::abs(int(int16_t(Le(s, i, 2)))));
      *seconds = double(size) / (rate * channels * 2.0);
      return "";
    }
    at = body + size + (size & 1);
  }
  return "no data chunk";
}

// The voice folder is made at build time from the phrases file; every file the
// warnings can ask for must be there, play, and say something.
TEST(VoiceFolder, HoldsEveryFileOfTheVoiceTableAndNoneIsSilent) {
  const std::string folder = ROVEX_BINARY_DIR "/voice/";
  std::set<std::string> names;
  for (int i = 1; i <= 38; ++i) names.insert(VoiceFileName(i));  // 38 gives "invalid.wav"
  ASSERT_EQ(names.size(), 37u);  // 36 used indexes, 35 unused, plus "invalid.wav"
  for (const std::string& name : names) {
    double seconds = 0;
    int peak = 0;
    ASSERT_EQ(InspectWave(folder + name, &seconds, &peak), "") << name;
    EXPECT_GT(seconds, 0.2) << name;
    EXPECT_LT(seconds, 4.0) << name;
    EXPECT_GT(peak, 25000) << name;  // normalised to -1 dBFS: the loudest sample is close to full scale
  }
}

}  // namespace
}  // namespace rovex
