#include <cstdint>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "cameras/camera_voice.h"

namespace rovex {
namespace {

struct WaveInfo {
  bool valid = false;
  std::string why;
  double seconds = 0;
  int peak = 0;  // largest sample magnitude, 16-bit PCM
};

uint32_t Le32(const std::string& s, size_t at) {
  return uint8_t(s[at]) | uint8_t(s[at + 1]) << 8 | uint8_t(s[at + 2]) << 16 | uint32_t(uint8_t(s[at + 3])) << 24;
}
uint16_t Le16(const std::string& s, size_t at) { return uint16_t(uint8_t(s[at]) | uint8_t(s[at + 1]) << 8); }

// Reads a RIFF wave file far enough to know it plays: PCM format, a data chunk, its loudness.
WaveInfo InspectWave(const std::string& path) {
  WaveInfo w;
  std::ifstream f(path, std::ios::binary);
  std::ostringstream ss;
  ss << f.rdbuf();
  const std::string s = ss.str();
  if (s.size() < 12 || s.compare(0, 4, "RIFF") != 0 || s.compare(8, 4, "WAVE") != 0) {
    w.why = "not a RIFF WAVE file";
    return w;
  }
  uint16_t format = 0, channels = 0, bits = 0;
  uint32_t rate = 0;
  for (size_t at = 12; at + 8 <= s.size();) {
    std::string id = s.substr(at, 4);
    uint32_t size = Le32(s, at + 4);
    size_t body = at + 8;
    if (body + size > s.size()) size = static_cast<uint32_t>(s.size() - body);
    if (id == "fmt " && size >= 16) {
      format = Le16(s, body);
      channels = Le16(s, body + 2);
      rate = Le32(s, body + 4);
      bits = Le16(s, body + 14);
    } else if (id == "data") {
      if (format != 1 || bits != 16 || channels == 0 || rate == 0) {
        w.why = "not 16-bit PCM";
        return w;
      }
      for (size_t i = body; i + 1 < body + size; i += 2) {
        int v = int16_t(Le16(s, i));
        w.peak = std::max(w.peak, v < 0 ? -v : v);
      }
      w.seconds = double(size) / (rate * channels * 2.0);
      w.valid = true;
      return w;
    }
    at = body + size + (size & 1);
  }
  w.why = "no data chunk";
  return w;
}

// The voice folder is made at build time from the phrases file; every file the
// warnings can ask for must be there, play, and say something.
TEST(VoiceFolder, HoldsEveryFileOfTheVoiceTableAndNoneIsSilent) {
  const std::string folder = ROVEX_BINARY_DIR "/voice/";
  std::set<std::string> names;
  for (int i = 1; i <= 38; ++i) names.insert(VoiceFileName(i));  // 38 gives "invalid.wav"
  ASSERT_EQ(names.size(), 37u);  // 36 used indexes, 35 unused, plus "invalid.wav"
  for (const std::string& name : names) {
    WaveInfo w = InspectWave(folder + name);
    ASSERT_TRUE(w.valid) << name << ": " << w.why;
    EXPECT_GT(w.seconds, 0.2) << name;
    EXPECT_LT(w.seconds, 4.0) << name;
    // Normalised to -1 dBFS: the loudest sample is close to full scale.
    EXPECT_GT(w.peak, 25000) << name;
  }
}

}  // namespace
}  // namespace rovex
