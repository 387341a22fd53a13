#include "nmea/nmea_sentence.h"

#include <cstdlib>

namespace rovex {

bool ValidateChecksum(std::string_view sentence) {
  if (sentence.size() < 5) return false;
  unsigned sum = 0;
  for (size_t i = 1; i + 3 < sentence.size(); ++i) sum ^= static_cast<unsigned char>(sentence[i]);
  const char digits[3] = {sentence[sentence.size() - 2], sentence[sentence.size() - 1], '\0'};
  return std::strtol(digits, nullptr, 16) == static_cast<long>(sum);
}

NmeaSentenceParts SplitSentence(std::string_view line) {
  NmeaSentenceParts parts;
  if (line.size() > 1) parts.address = line.substr(1, 5);
  if (line.size() > 7) parts.data = line.substr(7, kSentenceDataCapacity);
  return parts;
}

}  // namespace rovex
