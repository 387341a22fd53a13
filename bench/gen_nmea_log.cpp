// Writes the benchmark's NMEA log: gen_nmea_log LINES FILE
#include <cstdio>
#include <cstdlib>
#include <string>

#include "nmea_log_generator.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: gen_nmea_log LINES FILE\n");
    return 2;
  }
  long lines = std::strtol(argv[1], nullptr, 10);
  if (lines <= 0) {
    std::fprintf(stderr, "gen_nmea_log: LINES must be a positive number\n");
    return 2;
  }
  std::string log = rovex::bench::GenerateNmeaLog(static_cast<size_t>(lines));
  std::FILE* f = std::fopen(argv[2], "wb");
  if (f == nullptr || std::fwrite(log.data(), 1, log.size(), f) != log.size() || std::fclose(f) != 0) {
    std::perror(argv[2]);
    return 1;
  }
  return 0;
}
