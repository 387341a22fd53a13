#include "converters/gpx_points_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "converters/text_encoding.h"

namespace rovex::converters {

namespace {

constexpr std::size_t kProgressStep = 1 << 16;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The element name without its namespace prefix.
std::string_view LocalName(std::string_view name) {
  std::size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

void AppendCodePoint(std::string* out, uint32_t cp) {
  if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return;
  if (cp < 0x80) {
    *out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    *out += static_cast<char>(0xC0 | (cp >> 6));
    *out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    *out += static_cast<char>(0xE0 | (cp >> 12));
    *out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    *out += static_cast<char>(0xF0 | (cp >> 18));
    *out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    *out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Character data with the predefined and numeric entities replaced; anything
// else that starts with "&" is kept as it stands.
void AppendDecoded(std::string* out, std::string_view text) {
  std::string utf8 = ToUtf8(text);
  std::string_view s = utf8;
  for (std::size_t i = 0; i < s.size();) {
    if (s[i] != '&') {
      *out += s[i++];
      continue;
    }
    std::size_t semi = s.find(';', i);
    if (semi == std::string_view::npos || semi - i > 12) {
      *out += s[i++];
      continue;
    }
    std::string_view entity = s.substr(i + 1, semi - i - 1);
    bool known = true;
    if (entity == "lt") *out += '<';
    else if (entity == "gt") *out += '>';
    else if (entity == "amp") *out += '&';
    else if (entity == "apos") *out += '\'';
    else if (entity == "quot") *out += '"';
    else if (entity.size() >= 2 && entity[0] == '#') {
      bool hex = entity[1] == 'x' || entity[1] == 'X';
      std::string_view digits = entity.substr(hex ? 2 : 1);
      uint32_t cp = 0;
      known = !digits.empty();
      for (char d : digits) {
        int v = d >= '0' && d <= '9' ? d - '0'
                : hex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                : hex && d >= 'A' && d <= 'F' ? d - 'A' + 10
                : -1;
        if (v < 0 || cp > 0x10FFFF) {
          known = false;
          break;
        }
        cp = cp * (hex ? 16 : 10) + static_cast<uint32_t>(v);
      }
      if (known) AppendCodePoint(out, cp);
    } else {
      known = false;
    }
    if (known) {
      i = semi + 1;
    } else {
      *out += s[i++];
    }
  }
}

class Scanner {
 public:
  Scanner(std::string_view text, GpxPointsHandler& handler, const ProgressFunction& progress)
      : m_text(text), m_handler(handler), m_progress(progress) {}

  GpxScanSummary Run() {
    GpxScanSummary summary;
    while (m_pos < m_text.size()) {
      if (m_progress && m_pos >= m_nextProgress) {
        m_nextProgress = m_pos + kProgressStep;
        if (!m_progress(m_pos, m_text.size())) {
          summary.cancelled = true;
          return summary;
        }
      }
      std::size_t lt = m_text.find('<', m_pos);
      if (lt == std::string_view::npos) lt = m_text.size();
      if (lt > m_pos) {
        CharacterData(m_text.substr(m_pos, lt - m_pos), false);
        MoveTo(lt);
      }
      if (m_pos < m_text.size()) Markup();
    }
    if (m_inPoint) Finish();  // a file cut off inside a point still gives it
    summary.lines = m_line - 1 + (!m_text.empty() && m_text.back() != '\n' ? 1 : 0);
    return summary;
  }

 private:
  // Moves the position forward, counting the line ends passed.
  void MoveTo(std::size_t to) {
    to = std::min(to, m_text.size());
    m_line += static_cast<std::size_t>(std::count(m_text.begin() + m_pos, m_text.begin() + to, '\n'));
    m_pos = to;
  }

  // Skips past the terminator, or to the end when it never comes.
  void SkipPast(std::string_view terminator) {
    std::size_t at = m_text.find(terminator, m_pos);
    MoveTo(at == std::string_view::npos ? m_text.size() : at + terminator.size());
  }

  void CharacterData(std::string_view text, bool cdata) {
    if (!m_inPoint || m_capture == nullptr || m_depth != 2) return;
    if (cdata) {
      *m_capture += ToUtf8(text);
    } else {
      AppendDecoded(m_capture, text);
    }
  }

  void Markup() {
    std::string_view rest = m_text.substr(m_pos);
    if (rest.starts_with("<!--")) {
      SkipPast("-->");
    } else if (rest.starts_with("<![CDATA[")) {
      MoveTo(m_pos + 9);
      std::size_t end = m_text.find("]]>", m_pos);
      if (end == std::string_view::npos) end = m_text.size();
      CharacterData(m_text.substr(m_pos, end - m_pos), true);
      MoveTo(end);
      SkipPast("]]>");
    } else if (rest.starts_with("<?") || rest.starts_with("<!")) {
      SkipPast(">");
    } else if (rest.starts_with("</")) {
      std::size_t start = m_pos + 2;
      std::size_t end = start;
      while (end < m_text.size() && !IsSpace(m_text[end]) && m_text[end] != '>') ++end;
      std::string_view name = LocalName(m_text.substr(start, end - start));
      SkipPast(">");
      EndTag(name);
    } else {
      StartTag();
    }
  }

  void StartTag() {
    std::size_t tagLine = m_line;
    std::size_t p = m_pos + 1;
    std::size_t nameStart = p;
    while (p < m_text.size() && !IsSpace(m_text[p]) && m_text[p] != '>' && m_text[p] != '/') ++p;
    std::string_view name = LocalName(m_text.substr(nameStart, p - nameStart));
    std::string latitude, longitude;
    bool hasLatitude = false, hasLongitude = false;
    bool selfClosing = false;
    // Attributes: name = "value" or 'value'; anything unexpected is stepped over.
    while (p < m_text.size()) {
      char c = m_text[p];
      if (c == '>') {
        ++p;
        break;
      }
      if (c == '/' && p + 1 < m_text.size() && m_text[p + 1] == '>') {
        selfClosing = true;
        p += 2;
        break;
      }
      if (IsSpace(c) || c == '/') {
        ++p;
        continue;
      }
      std::size_t attrStart = p;
      while (p < m_text.size() && !IsSpace(m_text[p]) && m_text[p] != '=' && m_text[p] != '>' &&
             m_text[p] != '/')
        ++p;
      std::string_view attr = m_text.substr(attrStart, p - attrStart);
      while (p < m_text.size() && IsSpace(m_text[p])) ++p;
      if (p >= m_text.size() || m_text[p] != '=') continue;
      ++p;
      while (p < m_text.size() && IsSpace(m_text[p])) ++p;
      if (p >= m_text.size()) break;
      std::string_view value;
      if (m_text[p] == '"' || m_text[p] == '\'') {
        char quote = m_text[p++];
        std::size_t close = m_text.find(quote, p);
        if (close == std::string_view::npos) close = m_text.size();
        value = m_text.substr(p, close - p);
        p = close < m_text.size() ? close + 1 : close;
      } else {
        std::size_t valueStart = p;
        while (p < m_text.size() && !IsSpace(m_text[p]) && m_text[p] != '>') ++p;
        value = m_text.substr(valueStart, p - valueStart);
      }
      if (attr == "lat") {
        latitude.clear();
        AppendDecoded(&latitude, value);
        hasLatitude = true;
      } else if (attr == "lon") {
        longitude.clear();
        AppendDecoded(&longitude, value);
        hasLongitude = true;
      }
    }
    MoveTo(p);

    bool isPoint = name == "wpt" || name == "rtept" || name == "trkpt";
    if (isPoint && !m_inPoint) {
      if (!hasLatitude || !hasLongitude) {
        m_handler.MissingCoordinate(tagLine);
        m_pointName = name;
        if (!selfClosing) {
          m_skippingPoint = true;
          m_depth = 1;
        }
        return;
      }
      m_point = GpxPoint{};
      m_point.kind = name == "wpt" ? GpxPointKind::Waypoint
                     : name == "rtept" ? GpxPointKind::RoutePoint
                                       : GpxPointKind::TrackPoint;
      m_point.latitude = std::move(latitude);
      m_point.longitude = std::move(longitude);
      m_point.line = tagLine;
      m_pointName = name;
      if (selfClosing) {
        m_handler.Point(m_point);
        return;
      }
      m_inPoint = true;
      m_depth = 1;
      return;
    }
    if ((m_inPoint || m_skippingPoint) && !selfClosing) {
      ++m_depth;
      if (m_inPoint && m_depth == 2) {
        if (name == "name" && !m_point.hasName) {
          m_point.hasName = true;
          m_capture = &m_point.name;
        } else if (name == "desc" && !m_point.hasDescription) {
          m_point.hasDescription = true;
          m_capture = &m_point.description;
        }
      }
    }
  }

  void EndTag(std::string_view name) {
    if (m_inPoint || m_skippingPoint) {
      bool pointEnd = m_depth == 1 && (name == m_pointName || name == "wpt" || name == "rtept" || name == "trkpt");
      // An unclosed point ends with its segment, track, route or file.
      bool brokenOut = name == "trkseg" || name == "trk" || name == "rte" || name == "gpx";
      if (!pointEnd && !brokenOut) {
        if (m_depth == 2) m_capture = nullptr;
        if (m_depth > 1) --m_depth;
        return;
      }
      if (m_inPoint) Finish();
      m_skippingPoint = false;
      m_depth = 0;
      if (pointEnd) return;
    }
    if (name == "trkseg") m_handler.SegmentEnd(m_line);
  }

  void Finish() {
    m_inPoint = false;
    m_capture = nullptr;
    m_handler.Point(m_point);
  }

  std::string_view m_text;
  GpxPointsHandler& m_handler;
  const ProgressFunction& m_progress;
  std::size_t m_pos = 0;
  std::size_t m_line = 1;
  std::size_t m_nextProgress = 0;
  bool m_inPoint = false;
  bool m_skippingPoint = false;
  int m_depth = 0;
  std::string_view m_pointName;
  GpxPoint m_point;
  std::string* m_capture = nullptr;
};

}  // namespace

GpxScanSummary ReadGpxPoints(std::string_view text, GpxPointsHandler& handler, const ProgressFunction& progress) {
  Scanner scanner(text, handler, progress);
  return scanner.Run();
}

std::string MissingCoordinateMessage(std::size_t line) {
  char text[96];
  std::snprintf(text, sizeof text, "Error missing 'lat=' or \" in or before line %zu.", line);
  return text;
}

}  // namespace rovex::converters
