#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "nmea/gps_fix.h"

// Turns one NMEA 0183 sentence, already split into its address and its data,
// into values kept in memory, and holds the current fix that the rest of the
// system reads and writes. Only the GP talker is understood; anything else is
// counted and otherwise ignored, unless any-talker is on: GGA and RMC of every
// talker (GN, GL, GA, BD...) then give the fix, as multi-constellation
// receivers send no GP position at all. Driven from one thread only (the one that
// draws), so nothing here is locked.

namespace rovex {

class CNMEAParser {
 public:
  // Every handler reads its fields through a buffer of this size, so a longer
  // field is cut to 24 characters before it is read as a number.
  static constexpr size_t kFieldCapacity = 25;
  static constexpr int kUsedSatelliteSlots = 12;
  static constexpr int kSatelliteTableSize = 36;

  // Besides the fix's time, position and altitude.
  struct GgaGroup {
    uint8_t fixQuality = 0;
    uint8_t satellitesInUse = 0;
    double horizontalDilution = 0.0;
    uint32_t count = 0;
    int32_t previousTimeSeconds = 0;  // minute * 60 + second of the previous GGA
    double previousAltitude = 0.0;
    double verticalSpeed = 0.0;  // metres per minute
  };

  struct GsaGroup {
    char mode = 'M';
    uint8_t fixMode = 1;
    uint16_t usedSatellites[kUsedSatelliteSlots] = {};  // 0 = empty slot
    double pdop = 0.0;
    double hdop = 0.0;
    double vdop = 0.0;
    uint32_t count = 0;
  };

  struct SatelliteEntry {
    uint16_t identifier = 0;
    uint16_t signalToNoise = 0;
    bool usedInSolution = false;
    uint16_t azimuth = 0;
    uint16_t elevation = 0;
  };

  struct GsvGroup {
    uint16_t satellitesInView = 0;
    SatelliteEntry satellites[kSatelliteTableSize] = {};
    uint32_t count = 0;
  };

  struct RmbGroup {
    char dataStatus = 'V';
    double crossTrackError = 0.0;
    char directionToSteer = '?';
    char originWaypoint[kFieldCapacity] = {};
    char destinationWaypoint[kFieldCapacity] = {};
    double destinationLatitude = 0.0;
    double destinationLongitude = 0.0;
    double rangeToDestination = 0.0;
    double bearingToDestination = 0.0;
    double closingVelocity = 0.0;
    char arrivalStatus = 'V';
    uint32_t count = 0;
  };

  // Besides the fix's speed and course, which only RMC sets.
  struct RmcGroup {
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
    char status = 'V';
    double latitude = 0.0;
    double longitude = 0.0;
    uint8_t day = 1;
    uint8_t month = 1;
    uint16_t year = 2000;
    double magneticVariation = 0.0;  // west negative
    uint32_t count = 0;
  };

  struct ZdaGroup {
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
    uint8_t day = 1;
    uint8_t month = 1;
    uint16_t year = 2000;
    uint8_t localZoneHours = 0;
    uint8_t localZoneMinutes = 0;
    uint32_t count = 0;
  };

  CNMEAParser();

  // Every value back to its start value.
  void ResetState();

  // address: the five characters after "$"; data: the text after the address
  // and its comma, checksum included. Runs the matching handler (exact,
  // case-sensitive match), then counts the sentence. Always true.
  bool DispatchSentence(std::string_view address, std::string_view data);

  // True when field `index` (0-based, "," separated) exists and is not empty;
  // its text, cut to capacity - 1 characters, goes to out, NUL-terminated.
  // out is always terminated (empty when the result is false).
  static bool ExtractField(std::string_view data, int index, char* out, size_t capacity);

  void HandleGga(std::string_view data);
  void HandleGsa(std::string_view data);
  void HandleGsv(std::string_view data);
  void HandleRmb(std::string_view data);
  void HandleRmc(std::string_view data);
  void HandleZda(std::string_view data);

  // Off at construction; ResetState leaves it as it is (it is a setting, not parsed state).
  void SetAnyTalker(bool on) { m_anyTalker = on; }
  bool AnyTalker() const { return m_anyTalker; }

  // True when the identifier is not 0 and is one of the GSA solution slots.
  bool IsSatelliteUsed(uint16_t identifier) const;

  // The current fix, which other parts of the system also set (manual
  // location, record files, snapping to a route).
  GpsFix& Fix() { return m_fix; }
  const GpsFix& Fix() const { return m_fix; }

  uint32_t SentenceCount() const { return m_sentenceCount; }
  const GgaGroup& Gga() const { return m_gga; }
  const GsaGroup& Gsa() const { return m_gsa; }
  const GsvGroup& Gsv() const { return m_gsv; }
  const RmbGroup& Rmb() const { return m_rmb; }
  const RmcGroup& Rmc() const { return m_rmc; }
  const ZdaGroup& Zda() const { return m_zda; }

 private:
  bool m_anyTalker = false;
  uint32_t m_sentenceCount = 0;
  GpsFix m_fix;  // GGA's time, position and altitude; RMC's speed and course
  GgaGroup m_gga;
  GsaGroup m_gsa;
  GsvGroup m_gsv;
  RmbGroup m_rmb;
  RmcGroup m_rmc;
  ZdaGroup m_zda;
};

}  // namespace rovex
