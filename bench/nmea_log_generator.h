#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// A deterministic NMEA log of a long drive at 1 Hz, as a GP receiver sends it:
// GGA, RMC, GSA and three GSV each second, every checksum correct. Used by the
// parse benchmark and, through gen_nmea_log, by the comparison with gpsbabel.

namespace rovex::bench {

inline std::string NmeaLine(const char* body) {
  unsigned sum = 0;
  for (const char* p = body; *p != '\0'; ++p) sum ^= static_cast<unsigned char>(*p);
  char tail[8];
  std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
  return std::string("$") + body + tail;
}

// Appends lines until `lines` lines are written.
inline std::string GenerateNmeaLog(size_t lines) {
  std::string log;
  log.reserve(lines * 72);
  size_t written = 0;
  auto add = [&](const char* body) {
    if (written < lines) {
      log += NmeaLine(body);
      ++written;
    }
  };
  char body[160];
  // Heading north-east out of Munich at about 50 km/h, with a gentle weave.
  double latitude = 48.1173;
  double longitude = 11.5167;
  uint32_t state = 12345;  // a fixed linear congruential sequence for the noise
  for (uint64_t second = 0; written < lines; ++second) {
    uint64_t daySecond = second % 86400;
    unsigned hh = static_cast<unsigned>(daySecond / 3600), mm = static_cast<unsigned>(daySecond / 60 % 60),
             ss = static_cast<unsigned>(daySecond % 60);
    unsigned day = static_cast<unsigned>(1 + second / 86400 % 28);
    state = state * 1103515245u + 12345u;
    double weave = ((state >> 16) % 200) / 1e7;
    latitude += 0.0000900 + weave;
    longitude += 0.0001100 - weave;
    if (latitude > 80.0) latitude = -80.0;
    if (longitude > 179.0) longitude = -179.0;
    double absLat = latitude < 0 ? -latitude : latitude;
    double absLon = longitude < 0 ? -longitude : longitude;
    int latDeg = static_cast<int>(absLat), lonDeg = static_cast<int>(absLon);
    double latMin = (absLat - latDeg) * 60.0, lonMin = (absLon - lonDeg) * 60.0;
    char ns = latitude < 0 ? 'S' : 'N', ew = longitude < 0 ? 'W' : 'E';
    double altitude = 520.0 + ((state >> 8) % 400) / 10.0;
    double speed = 26.0 + ((state >> 4) % 100) / 50.0;
    double course = 40.0 + ((state >> 12) % 100) / 10.0;

    std::snprintf(body, sizeof body, "GPGGA,%02u%02u%02u.00,%02d%07.4f,%c,%03d%07.4f,%c,1,08,0.9,%.1f,M,46.9,M,,", hh,
                  mm, ss, latDeg, latMin, ns, lonDeg, lonMin, ew, altitude);
    add(body);
    std::snprintf(body, sizeof body, "GPRMC,%02u%02u%02u.00,A,%02d%07.4f,%c,%03d%07.4f,%c,%.2f,%.1f,%02u0624,,,A", hh,
                  mm, ss, latDeg, latMin, ns, lonDeg, lonMin, ew, speed, course, day);
    add(body);
    add("GPGSA,A,3,04,05,09,12,17,20,24,28,,,,,1.8,0.9,1.5");
    add("GPGSV,3,1,12,04,71,120,45,05,52,300,42,09,38,045,40,12,25,210,37");
    add("GPGSV,3,2,12,17,61,080,44,20,15,330,33,24,44,160,41,28,09,275,30");
    add("GPGSV,3,3,12,02,05,010,,13,03,190,,15,02,250,,30,01,100,");
  }
  return log;
}

}  // namespace rovex::bench
