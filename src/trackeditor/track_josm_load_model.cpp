#include "trackeditor/track_josm_load_model.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <string_view>
#include <vector>

#include <expat.h>

#include "nmea/c_number.h"
#include "platform/user_prompt.h"

namespace rovex::trackeditor {

namespace {

constexpr const char* kOutOfMemory =
    "Error out of memory.\nCan't allocate memory for struct JosmTracks\nin function OnTrackLoadjosm().";

// Devices write GPX on one line as often as one element a line, so the file is
// read by elements: a point is a <trkpt> element wherever its line ends.
class GpxSectionReader {
 public:
  GpxSectionReader(TrackEditor& map, UserPrompt* prompt) : m_map(map), m_prompt(prompt) {
    XML_SetUserData(m_parser.get(), this);
    XML_SetElementHandler(m_parser.get(), &Start, &End);
    XML_SetCharacterDataHandler(m_parser.get(), &Text);
  }

  // False when the XML is broken; *error then says where.
  bool Feed(const char* data, int size, bool last, std::string* error) {
    for (int i = 0; i < size; ++i) {
      if (data[i] == '\n') ++m_lines;
    }
    if (size > 0) m_lastWasNewline = data[size - 1] == '\n';
    if (size > 0) m_any = true;
    if (XML_Parse(m_parser.get(), data, size, last ? XML_TRUE : XML_FALSE) == XML_STATUS_OK) return true;
    char text[160];
    std::snprintf(text, sizeof text, "Error in the GPX file in line %lu:\n",
                  static_cast<unsigned long>(XML_GetCurrentLineNumber(m_parser.get())));
    *error = text;
    *error += XML_ErrorString(XML_GetErrorCode(m_parser.get()));
    return false;
  }

  uint64_t Lines() const { return m_lines + (m_any && !m_lastWasNewline ? 1 : 0); }
  uint64_t Points() const { return m_points; }
  std::size_t Entries() const { return m_entries; }

 private:
  static std::string_view LocalName(const XML_Char* name) {
    std::string_view n(name);
    const auto colon = n.rfind(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
  }

  static const XML_Char* Attribute(const XML_Char** attributes, std::string_view wanted) {
    for (int i = 0; attributes[i]; i += 2) {
      if (LocalName(attributes[i]) == wanted) return attributes[i + 1];
    }
    return nullptr;
  }

  static void Start(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto& self = *static_cast<GpxSectionReader*>(data);
    const std::string_view element = LocalName(name);
    if (element == "trkpt") {
      ++self.m_pointDepth;
      self.Point(Attribute(attributes, "lat"), Attribute(attributes, "lon"));
    } else if (element == "name" && self.m_pointDepth == 0) {
      self.m_inName = true;
      self.m_nameText.clear();
    }
  }

  static void End(void* data, const XML_Char* name) {
    auto& self = *static_cast<GpxSectionReader*>(data);
    const std::string_view element = LocalName(name);
    if (element == "trkpt") {
      if (self.m_pointDepth > 0) --self.m_pointDepth;
    } else if (element == "name" && self.m_inName) {
      self.m_inName = false;
      self.m_name = Trimmed(self.m_nameText);
    } else if (element == "trkseg") {
      self.m_current = nullptr;
    }
  }

  static void Text(void* data, const XML_Char* text, int length) {
    auto& self = *static_cast<GpxSectionReader*>(data);
    if (self.m_inName) self.m_nameText.append(text, static_cast<std::size_t>(length));
  }

  static std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") + 1 - first);
  }

  void Point(const char* lat, const char* lon) {
    // A point without both coordinates cannot be placed; it is reported, not guessed.
    if (!lat || !lon) {
      char text[96];
      std::snprintf(text, sizeof text, "Error missing 'lat=' or \" in or before line %lu.",
                    static_cast<unsigned long>(XML_GetCurrentLineNumber(m_parser.get())));
      if (m_prompt) m_prompt->MessageBox(text);
      return;
    }
    if (!m_current) {
      TrackEntry entry;
      entry.points = std::make_unique<TrackPoints>();
      entry.description = m_name;
      entry.background = true;
      m_map.TracksMem.push_back(std::move(entry));
      m_current = m_map.TracksMem.back().points.get();
      m_name = "Empty";
      ++m_entries;
    }
    m_current->points.push_back({CAtof(lat), CAtof(lon)});
    ++m_points;
  }

  std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> m_parser{XML_ParserCreate(nullptr), &XML_ParserFree};
  TrackEditor& m_map;
  UserPrompt* m_prompt;
  TrackPoints* m_current = nullptr;  // the section being read; its entry is owned by the map
  std::string m_name;
  std::string m_nameText;
  bool m_inName = false;
  int m_pointDepth = 0;
  uint64_t m_lines = 0;
  bool m_lastWasNewline = false;
  bool m_any = false;
  uint64_t m_points = 0;
  std::size_t m_entries = 0;
};

}  // namespace

bool TrackJosmLoadModel::Load(const LoadProgress& progress) {
  if (source.empty()) {
    Message("Please choose a JOSM gpx track file.");
    return false;
  }
  if (!m_map) return false;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(source.c_str(), "rb"), &std::fclose);
  if (!file) {
    Message("Error can't open source file\n" + source);
    return false;
  }
  std::error_code sizeError;
  const auto size = std::filesystem::file_size(source, sizeError);
  const uint64_t total = sizeError ? 0 : static_cast<uint64_t>(size);
  GpxSectionReader reader(*m_map, m_prompt);
  std::string error;
  bool complete = false;
  try {
    std::vector<char> buffer(1 << 16);
    uint64_t done = 0;
    for (;;) {
      const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
      const bool last = got < buffer.size();
      if (!reader.Feed(buffer.data(), static_cast<int>(got), last, &error)) break;
      done += got;
      if (last) {
        complete = !std::ferror(file.get());
        if (!complete) error = "Error can't read source file\n" + source;
        break;
      }
      if (progress && !progress(done, total)) break;
    }
  } catch (const std::bad_alloc&) {
    error = kOutOfMemory;
  }
  m_added += reader.Entries();
  if (!error.empty()) {
    Message(error);
  } else if (complete) {
    char text[160];
    std::snprintf(text, sizeof text, "Input %llu lines processed.\nOutput %llu lines processed.\n\nGPX load complete.",
                  static_cast<unsigned long long>(reader.Lines()), static_cast<unsigned long long>(reader.Points()));
    Message(text, MsgIcon::Information);
  }
  return reader.Entries() > 0;
}

}  // namespace rovex::trackeditor
