#include "nmea/nmea_parser.h"

#include <cstdlib>
#include <cstring>

#include "nmea/c_number.h"
#include "nmea/nmea_fields.h"

namespace rovex {
namespace {

constexpr size_t kCapacity = CNMEAParser::kFieldCapacity;

// Copies the field that starts at pos, as ExtractField's last two steps do.
bool CopyField(std::string_view data, size_t pos, char* out, size_t capacity) {
  out[0] = '\0';
  if (pos >= data.size() || data[pos] == ',' || data[pos] == '*') return false;
  size_t n = 0;
  while (pos < data.size() && data[pos] != ',' && data[pos] != '*' && n + 1 < capacity) out[n++] = data[pos++];
  out[n] = '\0';
  return true;
}

// The fields of one sentence located in one pass, so that a handler does not
// scan the text again for every field. Get(i) gives what ExtractField(data, i)
// gives for every field a handler reads.
class FieldTable {
 public:
  explicit FieldTable(std::string_view data) : m_data(data) {
    m_starts[0] = 0;
    for (size_t i = 0; i < data.size() && m_count < kMaxFields; ++i) {
      if (data[i] == ',') m_starts[m_count++] = i + 1;
    }
  }

  bool Get(int index, char* out) const {
    if (index < 0 || index >= m_count) {
      out[0] = '\0';
      return false;
    }
    return CopyField(m_data, m_starts[index], out, kCapacity);
  }

  // The first character of the field, or fallback when it is empty.
  char FirstChar(int index, char fallback) const {
    char field[kCapacity];
    return Get(index, field) ? field[0] : fallback;
  }

  double Number(int index, double fallback) const {
    char field[kCapacity];
    return Get(index, field) ? CAtof(field) : fallback;
  }

  int Integer(int index, int fallback) const {
    char field[kCapacity];
    return Get(index, field) ? CAtoi(field) : fallback;
  }

 private:
  static constexpr int kMaxFields = 24;  // the highest field any handler reads is 18
  std::string_view m_data;
  size_t m_starts[kMaxFields] = {};
  int m_count = 1;
};

// The number formed by up to n characters of text from position pos. A field
// shorter than that simply gives fewer (or no) characters.
int IntegerOfChars(const char* text, size_t pos, size_t n) {
  char part[4] = {};
  size_t length = std::strlen(text);
  for (size_t i = 0; i < n && pos + i < length; ++i) part[i] = text[pos + i];
  return CAtoi(part);
}

// hhmmss[.sss] or ddmmyy: three two-digit groups, any fraction dropped.
void ReadPairs(const char* field, uint8_t* first, uint8_t* second, uint8_t* third) {
  *first = static_cast<uint8_t>(IntegerOfChars(field, 0, 2));
  *second = static_cast<uint8_t>(IntegerOfChars(field, 2, 2));
  *third = static_cast<uint8_t>(IntegerOfChars(field, 4, 2));
}

// ddmm.mmm (two degree digits) or dddmm.mmm (three) in signed decimal degrees;
// the hemisphere field after it negates for "S" or "W". An empty coordinate
// field keeps the previous value, whatever the hemisphere says.
void ReadCoordinate(const FieldTable& fields, int index, size_t degreeDigits, char negative, double* value) {
  char field[kCapacity];
  if (!fields.Get(index, field)) return;
  double result = NmeaDegrees(field, degreeDigits);
  if (fields.FirstChar(index + 1, '\0') == negative) result = -result;
  *value = result;
}

}  // namespace

CNMEAParser::CNMEAParser() { ResetState(); }

void CNMEAParser::ResetState() {
  m_sentenceCount = 0;
  m_fix = GpsFix{};
  m_gga = GgaGroup{};
  m_gsa = GsaGroup{};
  m_gsv = GsvGroup{};
  m_rmb = RmbGroup{};
  m_rmc = RmcGroup{};
  m_zda = ZdaGroup{};
}

bool CNMEAParser::DispatchSentence(std::string_view address, std::string_view data) {
  if (address == "GPGGA") HandleGga(data);
  else if (address == "GPGSA") HandleGsa(data);
  else if (address == "GPGSV") HandleGsv(data);
  else if (address == "GPRMB") HandleRmb(data);
  else if (address == "GPRMC") HandleRmc(data);
  else if (address == "GPZDA") HandleZda(data);
  else if (m_anyTalker && address.size() == 5 && address.substr(2) == "GGA") HandleGga(data);
  else if (m_anyTalker && address.size() == 5 && address.substr(2) == "RMC") HandleRmc(data);
  ++m_sentenceCount;
  return true;
}

bool CNMEAParser::ExtractField(std::string_view data, int index, char* out, size_t capacity) {
  if (capacity == 0) return false;
  out[0] = '\0';
  size_t pos = 0;
  for (int skipped = 0; skipped < index; ++skipped) {
    size_t comma = data.find(',', pos);
    if (comma == std::string_view::npos) return false;
    pos = comma + 1;
  }
  return CopyField(data, pos, out, capacity);
}

void CNMEAParser::HandleGga(std::string_view data) {
  FieldTable fields(data);
  char field[kCapacity];
  if (fields.Get(0, field)) ReadPairs(field, &m_fix.utcHour, &m_fix.utcMinute, &m_fix.utcSecond);
  ReadCoordinate(fields, 1, 2, 'S', &m_fix.latitude);
  ReadCoordinate(fields, 3, 3, 'W', &m_fix.longitude);
  if (fields.Get(5, field)) m_gga.fixQuality = static_cast<uint8_t>(field[0] - '0');
  if (fields.Get(6, field)) m_gga.satellitesInUse = static_cast<uint8_t>(IntegerOfChars(field, 0, 2));
  m_gga.horizontalDilution = fields.Number(7, m_gga.horizontalDilution);
  m_fix.altitude = fields.Number(8, m_fix.altitude);

  // Within the hour only: across its turn t falls and the last value stays.
  int32_t t = m_fix.utcMinute * 60 + m_fix.utcSecond;
  if (t > m_gga.previousTimeSeconds) {
    m_gga.verticalSpeed = (m_fix.altitude - m_gga.previousAltitude) / ((t - m_gga.previousTimeSeconds) / 60.0);
  }
  m_gga.previousAltitude = m_fix.altitude;
  m_gga.previousTimeSeconds = t;
  ++m_gga.count;
}

void CNMEAParser::HandleGsa(std::string_view data) {
  FieldTable fields(data);
  char field[kCapacity];
  m_gsa.mode = fields.FirstChar(0, m_gsa.mode);
  if (fields.Get(1, field)) m_gsa.fixMode = static_cast<uint8_t>(field[0] - '0');
  for (int i = 0; i < kUsedSatelliteSlots; ++i) {
    m_gsa.usedSatellites[i] = fields.Get(2 + i, field) ? static_cast<uint16_t>(IntegerOfChars(field, 0, 2)) : 0;
  }
  m_gsa.pdop = fields.Number(14, 0.0);
  m_gsa.hdop = fields.Number(15, 0.0);
  m_gsa.vdop = fields.Number(16, 0.0);
  ++m_gsa.count;
}

void CNMEAParser::HandleGsv(std::string_view data) {
  FieldTable fields(data);
  int total = fields.Integer(0, 0);
  int message = fields.Integer(1, 0);
  if (total < 1 || total > 8 || message < 1 || message > 9) return;
  m_gsv.satellitesInView = static_cast<uint16_t>(fields.Integer(2, m_gsv.satellitesInView));
  for (int i = 0; i < 4; ++i) {
    SatelliteEntry& entry = m_gsv.satellites[(message - 1) * 4 + i];
    entry.identifier = static_cast<uint16_t>(fields.Integer(3 + 4 * i, 0));
    entry.elevation = static_cast<uint16_t>(fields.Integer(4 + 4 * i, 0));
    entry.azimuth = static_cast<uint16_t>(fields.Integer(5 + 4 * i, 0));
    entry.signalToNoise = static_cast<uint16_t>(fields.Integer(6 + 4 * i, 0));
    entry.usedInSolution = IsSatelliteUsed(entry.identifier);
  }
  ++m_gsv.count;
}

void CNMEAParser::HandleRmb(std::string_view data) {
  FieldTable fields(data);
  m_rmb.dataStatus = fields.FirstChar(0, 'V');
  m_rmb.crossTrackError = fields.Number(1, 0.0);
  m_rmb.directionToSteer = fields.FirstChar(2, '?');
  fields.Get(3, m_rmb.originWaypoint);
  fields.Get(4, m_rmb.destinationWaypoint);
  ReadCoordinate(fields, 5, 2, 'S', &m_rmb.destinationLatitude);
  ReadCoordinate(fields, 7, 3, 'W', &m_rmb.destinationLongitude);
  m_rmb.rangeToDestination = fields.Number(9, 0.0);
  m_rmb.bearingToDestination = fields.Number(10, 0.0);
  m_rmb.closingVelocity = fields.Number(11, 0.0);
  m_rmb.arrivalStatus = fields.FirstChar(12, 'V');
  ++m_rmb.count;
}

void CNMEAParser::HandleRmc(std::string_view data) {
  FieldTable fields(data);
  char field[kCapacity];
  if (fields.Get(0, field)) ReadPairs(field, &m_rmc.hour, &m_rmc.minute, &m_rmc.second);
  m_rmc.status = fields.FirstChar(1, 'V');
  ReadCoordinate(fields, 2, 2, 'S', &m_rmc.latitude);
  ReadCoordinate(fields, 4, 3, 'W', &m_rmc.longitude);
  m_fix.speedKnots = fields.Number(6, 0.0);
  m_fix.courseDegrees = fields.Number(7, 0.0);
  if (fields.Get(8, field)) {
    m_rmc.day = static_cast<uint8_t>(IntegerOfChars(field, 0, 2));
    m_rmc.month = static_cast<uint8_t>(IntegerOfChars(field, 2, 2));
    m_rmc.year = static_cast<uint16_t>(IntegerOfChars(field, 4, 2) + 2000);  // 94 is 2094
  }
  m_rmc.magneticVariation = fields.Number(9, 0.0);
  if (fields.FirstChar(10, '\0') == 'W') m_rmc.magneticVariation = -m_rmc.magneticVariation;
  ++m_rmc.count;
}

void CNMEAParser::HandleZda(std::string_view data) {
  FieldTable fields(data);
  char field[kCapacity];
  if (fields.Get(0, field)) ReadPairs(field, &m_zda.hour, &m_zda.minute, &m_zda.second);
  m_zda.day = static_cast<uint8_t>(fields.Integer(1, 1));
  m_zda.month = static_cast<uint8_t>(fields.Integer(2, 1));
  m_zda.year = static_cast<uint16_t>(fields.Integer(3, 1));
  m_zda.localZoneHours = static_cast<uint8_t>(fields.Integer(4, 0));
  m_zda.localZoneMinutes = static_cast<uint8_t>(fields.Integer(5, 0));
  ++m_zda.count;
}

bool CNMEAParser::IsSatelliteUsed(uint16_t identifier) const {
  if (identifier == 0) return false;
  for (uint16_t used : m_gsa.usedSatellites) {
    if (used == identifier) return true;
  }
  return false;
}

}  // namespace rovex
