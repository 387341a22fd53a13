// Writes a synthetic SRTM 3-arc-second tile for the benchmarks:
//   gen_hgt_tile FILE
// 1201 x 1201 big-endian heights: sea along the west edge, then rolling hills
// up to about 1800 m, so that every contour level has long lines to follow.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_hgt_tile FILE\n");
    return 2;
  }
  constexpr int kSide = 1201;
  std::vector<unsigned char> bytes(static_cast<size_t>(kSide) * kSide * 2);
  for (int i = 0; i < kSide; ++i) {
    for (int j = 0; j < kSide; ++j) {
      const double x = j / 1200.0;
      const double y = i / 1200.0;
      double h = 900 * x + 400 * std::sin(9 * x + 2 * y) * std::cos(7 * y - x) + 300 * std::sin(23 * x * y + 1) +
                 150 * std::cos(31 * y);
      if (j < 120) h = 0;  // the sea
      const int16_t v = static_cast<int16_t>(h < 0 ? 0 : std::lround(h));
      const size_t k = 2 * (static_cast<size_t>(i) * kSide + j);
      bytes[k] = static_cast<unsigned char>(static_cast<uint16_t>(v) >> 8);
      bytes[k + 1] = static_cast<unsigned char>(v & 0xFF);
    }
  }
  std::FILE* f = std::fopen(argv[1], "wb");
  if (f == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
