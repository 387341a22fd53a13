#include "converters/synthetic_nmea.h"

#include <cmath>
#include <cstdio>

#include "platform/c_format.h"

namespace rovex::converters {

namespace {

std::string AngleField(double value, int degreeDigits, char positive, char negative) {
  double absolute = std::fabs(value);
  if (!std::isfinite(absolute)) absolute = 0.0;
  double degrees = std::floor(absolute);
  // Minutes in ten-thousandths, so that rounding and the carry are exact.
  long long tenThousandths = std::llround((absolute - degrees) * 60.0 * 10000.0);
  if (tenThousandths >= 600000) {
    tenThousandths -= 600000;
    degrees += 1.0;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%0*lld%02lld.%04lld,%c,", degreeDigits, static_cast<long long>(degrees),
                tenThousandths / 10000, tenThousandths % 10000, value >= 0.0 || std::isnan(value) ? positive : negative);
  return text;
}

std::string Sentence(const std::string& body) {
  std::string sentence = body + "*";
  sentence += NmeaChecksum(body);
  sentence += "\n";
  return sentence;
}

}  // namespace

std::string NmeaTimeField(uint64_t milliseconds) {
  unsigned long long hours = milliseconds / 3600000;
  unsigned long long rest = milliseconds % 3600000;
  char text[48];
  std::snprintf(text, sizeof text, "%02llu%02llu%02llu.%03llu,", hours, rest / 60000, rest % 60000 / 1000, rest % 1000);
  return text;
}

std::string NmeaLatitudeField(double latitude) { return AngleField(latitude, 2, 'N', 'S'); }

std::string NmeaLongitudeField(double longitude) { return AngleField(longitude, 3, 'E', 'W'); }

std::string NmeaChecksum(const std::string& sentenceWithoutStar) {
  unsigned char sum = 0;
  std::size_t start = !sentenceWithoutStar.empty() && sentenceWithoutStar[0] == '$' ? 1 : 0;
  for (std::size_t i = start; i < sentenceWithoutStar.size(); ++i) sum ^= static_cast<unsigned char>(sentenceWithoutStar[i]);
  char text[3];
  std::snprintf(text, sizeof text, "%02X", sum);
  return text;
}

std::string SyntheticGga(uint64_t milliseconds, double latitude, double longitude) {
  return Sentence("$GPGGA," + NmeaTimeField(milliseconds) + NmeaLatitudeField(latitude) +
                  NmeaLongitudeField(longitude) + "1,07,1.25,00121,M,047,M,,");
}

std::string SyntheticRmc(uint64_t milliseconds, double latitude, double longitude) {
  return Sentence("$GPRMC," + NmeaTimeField(milliseconds) + "A," + NmeaLatitudeField(latitude) +
                  NmeaLongitudeField(longitude) + FormatFixed(50.0, 2) + "," + FormatFixed(0.0, 3) + "," + "0.00," +
                  "E,");
}

}  // namespace rovex::converters
