#include "converters/camera_csv_line.h"

#include <array>

#include "converters/text_encoding.h"

namespace rovex::converters {

namespace {

std::string_view Cut(std::string_view text, std::size_t width) { return CutText(text, width); }

std::string_view DropTrailingQuote(std::string_view text) {
  if (!text.empty() && text.back() == '"') text.remove_suffix(1);
  return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != prefix[i]) return false;
  }
  return true;
}

std::string_view Column(const std::vector<CsvColumn>& columns, std::size_t index) {
  if (index >= columns.size()) return {};
  return columns[index].text;
}

// The text of a column whose trailing double quote, left over from an
// unbalanced quote, is dropped.
std::string_view Unquoted(const std::vector<CsvColumn>& columns, std::size_t index, std::size_t width) {
  std::string_view text = Cut(Column(columns, index), width);
  return index < columns.size() && columns[index].quoted ? text : DropTrailingQuote(text);
}

// The speed after the last "@" of a camera name, or empty.
std::string_view SpeedAfterAt(std::string_view name) {
  std::size_t at = name.rfind('@');
  if (at == std::string_view::npos) return {};
  return DropTrailingQuote(Cut(name.substr(at + 1), kCsvSpeedWidth));
}

// Permanent and Hazard follow from the kind word the name begins with.
void SetKindFields(CameraRecord* record, std::string_view road) {
  record->Permanent = "Yes";
  if (StartsWithNoCase(road, "TEMP") || StartsWithNoCase(road, "MOBILE")) record->Permanent = "No";
  if (StartsWithNoCase(road, "SPEC")) record->Hazard = "Calcs speed cam to cam";
}

void SetCommonFields(CameraRecord* record, const std::vector<CsvColumn>& columns) {
  record->Longitude = Cut(Column(columns, 0), kCsvCoordinateWidth);
  record->Latitude = Cut(Column(columns, 1), kCsvCoordinateWidth);
  record->Town = Unquoted(columns, 3, kCsvDescriptionWidth);
}

}  // namespace

std::vector<CsvColumn> SplitCameraCsvColumns(std::string_view line) {
  std::vector<CsvColumn> columns;
  std::size_t pos = 0;
  while (true) {
    while (pos < line.size() && line[pos] == ' ') ++pos;
    std::string column;
    bool quoted = false;
    if (pos < line.size() && line[pos] == '"') {
      // Quoted only when the closing quote is on the line; otherwise the
      // quote is an odd leading character and commas split as usual.
      std::size_t p = pos + 1;
      std::string content;
      while (p < line.size()) {
        if (line[p] == '"') {
          if (p + 1 < line.size() && line[p + 1] == '"') {
            content += '"';
            p += 2;
            continue;
          }
          quoted = true;
          break;
        }
        content += line[p++];
      }
      if (quoted) {
        column = std::move(content);
        pos = p + 1;
        std::size_t comma = line.find(',', pos);
        std::size_t stop = comma == std::string_view::npos ? line.size() : comma;
        column.append(line.substr(pos, stop - pos));
        pos = stop;
      }
    }
    if (!quoted) {
      while (pos < line.size() && line[pos] == '"') ++pos;
      std::size_t comma = line.find(',', pos);
      std::size_t stop = comma == std::string_view::npos ? line.size() : comma;
      column = std::string(line.substr(pos, stop - pos));
      pos = stop;
    }
    columns.push_back({std::move(column), quoted});
    if (pos >= line.size()) break;
    ++pos;  // the comma
  }
  return columns;
}

CameraRecord CameraFromCsvLine(std::string_view line) {
  std::vector<CsvColumn> columns = SplitCameraCsvColumns(line);
  CameraRecord record;
  SetCommonFields(&record, columns);
  std::string_view road = Unquoted(columns, 2, kCsvNameWidth);
  record.Road = road;
  record.SpeedLimit = SpeedAfterAt(road);
  SetKindFields(&record, road);
  record.CamType = road;
  return record;
}

CameraRecord CameraFromMultiCsvLine(std::string_view line, bool typePrefix) {
  std::vector<CsvColumn> columns = SplitCameraCsvColumns(line);
  CameraRecord record;
  SetCommonFields(&record, columns);
  std::string_view text = Cut(Column(columns, 2), kCsvNameWidth);
  // The name is the part after the last "-", "t" or "p", whichever of them
  // applies last in this order.
  std::string_view road = text;
  for (char mark : {'-', 't', 'p'}) {
    std::size_t at = text.rfind(mark);
    if (at != std::string_view::npos) road = text.substr(at + 1);
  }
  road = DropTrailingQuote(road);
  std::string_view speed = SpeedAfterAt(text);
  record.SpeedLimit = speed;
  SetKindFields(&record, road);
  std::string roadText(road);
  if (typePrefix) {
    for (const char* word : {"GATSO", "TRUVELO", "MONITRON", "SPECS", "MOBILE", "REDLIGHT"}) {
      if (text.find(word) != std::string_view::npos) roadText = std::string(word) + "@" + std::string(speed);
    }
  }
  record.Road = roadText;
  record.CamType = roadText;
  return record;
}

std::string CameraFileLine(const CameraRecord& record) {
  const std::array<std::string_view, CameraRecord::kFieldCount> fields = {
      record.Latitude, record.Longitude, record.Road,      record.Town,
      record.Hazard,   record.CamType,   record.Permanent, record.SpeedLimit};
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += FieldText(ToUtf8(fields[i]));
  }
  line += '\n';
  return line;
}

}  // namespace rovex::converters
