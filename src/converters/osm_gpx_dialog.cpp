#include "converters/osm_gpx_dialog.h"

#include <charconv>

#include "converters/converter_messages.h"
#include "converters/input_file.h"
#include "nmea/c_number.h"

namespace rovex::converters {
namespace {

constexpr const char* kSelectSource =
    "Please select an OSM source file.\n\nThis is the file that contains the OSM XML data that you want to extract "
    "an area of.";

double Edge(const std::string& text, double empty) { return text.empty() ? empty : CAtof(text.c_str()); }

std::string Degrees(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

}  // namespace

OsmGpxDialog::OsmGpxDialog(OsmGpxVariant variant) : m_variant(variant) {
  if (variant != OsmGpxVariant::Normal) {
    for (const OsmExclusion& row : kOsmExclusions) {
      if (!row.fastOnly || variant == OsmGpxVariant::Fast) m_exclusions.push_back(&row);
    }
  }
  for (const OsmExclusion* row : m_exclusions) excluded.push_back(row->onOpening);
}

const char* OsmGpxDialog::Title() const {
  switch (m_variant) {
    case OsmGpxVariant::Big: return "Big OSM GPX extractor";
    case OsmGpxVariant::Fast: return "Convert an OSM file to a GPX file.";
    case OsmGpxVariant::Normal: break;
  }
  return "Convert OSM to GPX track";
}

const char* OsmGpxDialog::ExclusionHeading() const {
  return m_variant == OsmGpxVariant::Fast ? "Exclude POI that contain" : "Exclude anything containing";
}

const char* OsmGpxDialog::ConvertText() const { return m_variant == OsmGpxVariant::Fast ? "&Extract" : "&Convert"; }

void OsmGpxDialog::Default() {
  for (size_t k = 0; k < m_exclusions.size(); ++k) excluded[k] = m_exclusions[k]->byDefault;
}

void OsmGpxDialog::All() { excluded.assign(m_exclusions.size(), true); }

void OsmGpxDialog::None() { excluded.assign(m_exclusions.size(), false); }

osm::OsmBox OsmGpxDialog::Box() const {
  osm::OsmBox box;
  box.top = Edge(top, 91.0);
  box.bottom = Edge(bottom, -91.0);
  box.left = Edge(left, -181.0);
  box.right = Edge(right, 181.0);
  return box;
}

OsmGpxSettings OsmGpxDialog::Settings() const {
  OsmGpxSettings settings;
  settings.variant = m_variant;
  if (m_variant == OsmGpxVariant::Normal) return settings;
  settings.translate = translate;
  for (size_t k = 0; k < m_exclusions.size(); ++k) {
    if (excluded[k]) settings.exclusions.push_back(m_exclusions[k]->keyword);
  }
  return settings;
}

bool OsmGpxDialog::GetBounds(UserPrompt& prompt) {
  if (source.empty()) {
    prompt.MessageBox(kSelectSource);
    return false;
  }
  OsmBoundsResult found = ReadOsmBounds(source);
  if (!found.opened) {
    prompt.MessageBox(source + "\n\nError: can't open this source file\n" + "\n\nCheck the file name is correct.");
    return false;
  }
  if (!found.bounds) {
    prompt.MessageBox("The source file does not contain\na '<bounds ' line\n in the first 100 rows.");
    return false;
  }
  right = Degrees(found.bounds->maxLon);
  left = Degrees(found.bounds->minLon);
  top = Degrees(found.bounds->maxLat);
  bottom = Degrees(found.bounds->minLat);
  return true;
}

bool OsmGpxDialog::Convert(UserPrompt& prompt, const ProgressFunction& progress) {
  // Asked only when the conversion can start: a source that cannot be read is reported first.
  if (!source.empty() && !destination.empty() && !SameFile(source, destination) && InputFile(source) &&
      FileExists(destination)) {
    if (m_variant == OsmGpxVariant::Fast) {
      if (prompt.MessageBox("The output file\n" + destination + "\nall ready exists.\n\nOverwrite Yes/No ?",
                            MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) {
        prompt.MessageBox("Extract aborted");
        return false;
      }
    } else if (prompt.MessageBox("The output GPX file all ready exists.\n\nOverwrite Yes/No ?", MsgIcon::Question,
                                 MsgButtons::YesNo) != MsgResult::Yes) {
      return false;
    }
  }
  OsmToGpxOptions options;
  options.source = source;
  options.destination = destination;
  options.settings = Settings();
  options.box = Box();
  options.includePoi = includePoi;
  options.progress = progress;
  ConverterResult result = ConvertOsmToGpx(options);
  ShowConverterMessages(result, prompt);
  return result.ok;
}

}  // namespace rovex::converters
