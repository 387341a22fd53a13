#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "platform/atomic_file.h"
#include "trackeditor/map_file.h"
#include "trackeditor/track_reader.h"
#include "trackeditor/track_trim.h"

namespace rovex::cli {

namespace {

int Flushed(CliContext& ctx) {
  if (std::fflush(ctx.out) != 0 || std::ferror(ctx.out)) {
    std::fputs("rovex-cli: error writing the output\n", ctx.err);
    return 1;
  }
  return 0;
}

bool ReadInput(const std::string& path, std::string* text, CliContext& ctx) {
  if (ReadWholeFile(path, text)) return true;
  std::fprintf(ctx.err, "rovex-cli: can't read %s: %s\n", path.c_str(), std::strerror(errno));
  return false;
}

bool ParseMarker(const std::string& text, double* value) {
  if (text.empty()) return false;
  char* end = nullptr;
  *value = std::strtod(text.c_str(), &end);
  return *end == '\0';
}

}  // namespace

// The track editor map as Open reads it, and written back as Save writes it.
int CmdTrackmap(const std::vector<std::string>& args, CliContext& ctx) {
  const bool show = args.size() == 2 && args[0] == "show";
  const bool save = args.size() == 3 && args[0] == "save";
  if (!show && !save) {
    std::fputs("usage: rovex-cli trackmap show MAP | trackmap save MAP OUT\n", ctx.err);
    return 2;
  }
  std::string text;
  if (!ReadInput(args[1], &text, ctx)) return 1;
  trackeditor::MapReadResult read = trackeditor::ParseMapText(text);
  if (read.status != trackeditor::MapReadStatus::Read) {
    std::fprintf(ctx.err, "rovex-cli: %s: %s\n", args[1].c_str(), trackeditor::MapReadMessage(read.status).c_str());
    if (!read.badLine.empty()) std::fprintf(ctx.err, "line read: %s\n", read.badLine.c_str());
    return 1;
  }
  const trackeditor::TrackEditor& map = *read.map;
  if (show) {
    std::fprintf(ctx.out, "map %s\n", map.description.value_or("").c_str());
    std::fprintf(ctx.out, "zoom %d\n", static_cast<int>(map.zoom));
    for (const trackeditor::TrackEntry& e : map.TracksMem) {
      std::fprintf(ctx.out, "track %s\t%s\n", e.description.value_or("").c_str(), e.path.value_or("").c_str());
    }
    return Flushed(ctx);
  }
  std::string out, error;
  if (!trackeditor::FormatMapText(map, &out, &error) || !WriteFileAtomically(args[2], out, &error)) {
    std::fprintf(ctx.err, "rovex-cli: can't save %s: %s\n", args[2].c_str(), error.c_str());
    return 1;
  }
  return 0;
}

// The track reader's points of a log, and the part of a log between two markers.
int CmdTrack(const std::vector<std::string>& args, CliContext& ctx) {
  double from = 0, to = 0;
  const bool points = args.size() == 2 && args[0] == "points";
  const bool trim = args.size() == 5 && args[0] == "trim" && ParseMarker(args[2], &from) && ParseMarker(args[3], &to);
  if (!points && !trim) {
    std::fputs("usage: rovex-cli track points LOG | track trim LOG FROM TO OUT\n", ctx.err);
    return 2;
  }
  std::string log;
  if (!ReadInput(args[1], &log, ctx)) return 1;
  if (points) {
    trackeditor::TrackPoints track;
    trackeditor::ReadTrackText(log, &track);
    for (const trackeditor::TrackPoint& p : track.points) std::fprintf(ctx.out, "%.6f %.6f\n", p.latitude, p.longitude);
    return Flushed(ctx);
  }
  std::string error;
  if (!WriteFileAtomically(args[4], trackeditor::TrimTrackText(log, from, to), &error)) {
    std::fprintf(ctx.err, "rovex-cli: can't write %s: %s\n", args[4].c_str(), error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace rovex::cli
