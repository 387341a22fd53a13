// Any bytes as an NMEA log: through the replay's line rules, the checksum, the
// split and the parser, and through each of the six handlers whatever the
// checksum says (so that the fuzzer need not forge checksums to reach them).
// Field extraction is checked against a plain split on the way.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "nmea/nmea_log_line_reader.h"
#include "nmea/nmea_parser.h"
#include "nmea/nmea_sentence.h"

namespace {

// Field `index` the slow way: split on every comma, end at "*", cut to 24.
bool PlainField(std::string_view data, int index, std::string* out) {
  size_t start = 0;
  for (int i = 0; i < index; ++i) {
    size_t comma = data.find(',', start);
    if (comma == std::string_view::npos) return false;
    start = comma + 1;
  }
  std::string_view rest = data.substr(start);
  rest = rest.substr(0, rest.find_first_of(",*"));
  *out = std::string(rest.substr(0, 24));
  return !out->empty();
}

void CheckFields(std::string_view data) {
  for (int index = 0; index < 20; ++index) {
    char field[rovex::CNMEAParser::kFieldCapacity];
    bool found = rovex::CNMEAParser::ExtractField(data, index, field, sizeof field);
    std::string plain;
    bool plainFound = PlainField(data, index, &plain);
    if (found != plainFound || (found && plain != field) || (!found && field[0] != '\0')) std::abort();
  }
}

const char* const kAddresses[] = {"GPGGA", "GPGSA", "GPGSV", "GPRMB", "GPRMC", "GPZDA"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (f == nullptr) return 0;
  rovex::CNMEAParser parser;
  uint32_t dispatched = 0;
  rovex::NmeaLogLineReader reader(f);
  std::string_view line;
  while (reader.Next(&line)) {
    if (line.size() > rovex::NmeaLogLineReader::kMaxRead) std::abort();
    if (line.size() <= 2) continue;
    std::string_view sentence = line.substr(0, 99);
    rovex::NmeaSentenceParts parts = rovex::SplitSentence(sentence);
    if (parts.address.size() > 5 || parts.data.size() > rovex::kSentenceDataCapacity) std::abort();
    if (rovex::ValidateChecksum(sentence)) {
      parser.DispatchSentence(parts.address, parts.data);
      ++dispatched;
    }
    for (const char* address : kAddresses) {
      parser.DispatchSentence(address, parts.data);
      ++dispatched;
    }
    CheckFields(parts.data);
  }
  std::fclose(f);
  if (parser.SentenceCount() != dispatched || parser.IsSatelliteUsed(0)) std::abort();
  return 0;
}
