#pragma once

#include <string>
#include <vector>

#include "converters/osm_gpx_converter.h"
#include "osm/osm_input.h"
#include "platform/user_prompt.h"

// The rules of the three OSM to GPX dialogs: "Convert OSM to GPX track"
// (`CDlgConvertOSM_GPX`), "Big OSM GPX extractor" (`CDlgConvertBigOSM_GPX`)
// and "Convert an OSM file to a GPX file." (`CDlgConvertOSMtoOSM`): their
// values, the exclusion table with its three buttons, "&Get bounds" and the
// conversion with its checks and overwrite question.

namespace rovex::converters {

struct OsmExclusion {
  const char* keyword;
  bool onOpening;
  bool byDefault;
  bool fastOnly;
};

// In the order the keywords are tested.
inline constexpr OsmExclusion kOsmExclusions[] = {
    {"bollard", true, true, false},         {"boundary", true, true, false},
    {"disused", true, true, false},         {"emergency", true, true, false},
    {"footway", false, false, false},       {"landuse", true, true, false},
    {"natural-water", true, true, false},   {"natural-wood", true, true, false},
    {"parking", false, false, false},       {"post_box", false, false, false},
    {"postcode", true, true, false},        {"power-tower", true, true, false},
    {"recycling", true, true, false},       {"type-sos", false, true, false},
    {"street_lamp", true, true, true},      {"traffic_signals", true, true, false},
    {"addr:", true, true, false},           {"natural-tree", true, true, false},
    {"waterway", false, false, false},
};

class OsmGpxDialog {
 public:
  static constexpr const char* kOsmFilter = osm::kOsmFileFilter;
  static constexpr const char* kGpxFilter = "GPX files (*.gpx)|*.gpx|Any (*.*)|*.*||";

  explicit OsmGpxDialog(OsmGpxVariant variant);

  OsmGpxVariant Variant() const { return m_variant; }
  const char* Title() const;
  const char* ExclusionHeading() const;  // Big and Fast
  const char* ConvertText() const;

  std::string source;
  std::string destination;
  // The area boxes as typed; empty means the edge of the world.
  std::string top;
  std::string bottom;
  std::string left;
  std::string right;
  bool translate = false;
  bool includePoi = false;

  // The keywords this variant offers, in table order, and their boxes.
  const std::vector<const OsmExclusion*>& Exclusions() const { return m_exclusions; }
  std::vector<bool> excluded;

  void Default();
  void All();
  void None();

  // Fills the four area boxes from the file's bounds, or says why not.
  bool GetBounds(UserPrompt& prompt);

  // The button under the boxes: checks, the overwrite question, the conversion.
  bool Convert(UserPrompt& prompt, const ProgressFunction& progress = {});

  osm::OsmBox Box() const;
  OsmGpxSettings Settings() const;

 private:
  OsmGpxVariant m_variant;
  std::vector<const OsmExclusion*> m_exclusions;
};

// One model type per dialog, so that each command opens its own window.
struct ConvertOsmGpxDialog : OsmGpxDialog {
  ConvertOsmGpxDialog() : OsmGpxDialog(OsmGpxVariant::Normal) {}
};
struct ConvertBigOsmGpxDialog : OsmGpxDialog {
  ConvertBigOsmGpxDialog() : OsmGpxDialog(OsmGpxVariant::Big) {}
};
struct ConvertFastOsmGpxDialog : OsmGpxDialog {
  ConvertFastOsmGpxDialog() : OsmGpxDialog(OsmGpxVariant::Fast) {}
};

}  // namespace rovex::converters
