#include "trackeditor/track_trim.h"

#include "trackeditor/line_pieces.h"
#include "trackeditor/track_map.h"
#include "trackeditor/track_reader.h"

namespace rovex::trackeditor {

std::string TrimTrackText(std::string_view log, double startIndex, double endIndex) {
  std::string out;
  LinePieces lines(log, kLineLimit);
  std::string_view line;
  double n = 0;
  while (lines.Next(&line)) {
    if (n >= startIndex) out.append(line);
    if (n > endIndex) break;
    if (IsGgaLine(line)) n += 1;
  }
  return out;
}

}  // namespace rovex::trackeditor
