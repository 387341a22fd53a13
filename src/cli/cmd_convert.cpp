#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "converters/add_new_lines.h"
#include "converters/camera_converters.h"
#include "converters/gpx_route_converter.h"
#include "converters/hgt_contours.h"
#include "converters/input_file.h"
#include "converters/josm_converter.h"
#include "converters/nmea_gpx_writer.h"
#include "converters/osm_gpx_converter.h"
#include "converters/osm_cameras.h"
#include "nmea/c_number.h"

namespace rovex::cli {
namespace {

using namespace rovex::converters;

const char* kConvertUsage =
    "usage: rovex-cli convert KIND INPUT... OUTPUT [options]\n"
    "kinds:\n"
    "  pocketgps SRC DEST          Pocket GPS camera list (CSV or OV2) to the camera file\n"
    "  garmin SRC DEST             Garmin camera list (CSV or OV2) to the camera file\n"
    "  pocketgps-multi SRC... DEST several Pocket GPS lists into one camera file [--type-prefix]\n"
    "  gpx-route GPX CSV           waypoints and route points to a route file\n"
    "  gpx-track GPX CSV           track points to a route file\n"
    "  nmea-gpx LOG GPX            NMEA log to a GPX track [--route] [--distance M | --no-distance] [--course DEG]\n"
    "  josm GPX MAPFILE            JOSM track segments to a track editor map and its logs\n"
    "  hgt-gpx HGT GPX             SRTM height tile to GPX contour tracks [--step M] [--range M]\n"
    "  add-newlines IN OUT         a line end after each GPX point, segment and name\n"
    "  osm-gpx OSM GPX             OSM ways (.osm, .osm.gz, .osm.bz2, .osm.pbf) to GPX tracks\n"
    "                              [--box TOP,BOTTOM,LEFT,RIGHT] [--poi] [--exclude WORD,...] [--translate]\n"
    "  osm-cameras OSM CAMERAS     speed cameras of an OSM file to the camera file [--igo]\n"
    "options:\n"
    "  --force    replace an existing output\n"
    "  --append   add to an existing output (camera and route files)\n";

struct Args {
  std::string kind;
  std::vector<std::string> paths;
  bool force = false;
  bool append = false;
  bool route = false;
  bool typePrefix = false;
  bool distanceOn = true;
  double distance = 200.0;
  bool courseOn = false;
  double course = 25.0;
  bool hgtOption = false;
  int step = 20;
  int range = 6;
  bool osmOption = false;
  osm::OsmBox box;
  bool poi = false;
  bool translate = false;
  std::vector<std::string> exclusions;
  bool igo = false;
};

int Usage(CliContext& ctx, const std::string& problem) {
  std::fprintf(ctx.err, "rovex-cli convert: %s\n%s", problem.c_str(), kConvertUsage);
  return 2;
}

// A whole number of metres that a height can hold.
bool ParseMetres(const std::string& text, int* value) {
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || end == nullptr || *end != '\0' || errno != 0 || v < -32768 || v > 32767) return false;
  *value = static_cast<int>(v);
  return true;
}

bool ParseNumber(const std::string& text, double* value) {
  char* end = nullptr;
  *value = std::strtod(text.c_str(), &end);
  return !text.empty() && end != nullptr && *end == '\0';
}

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1) {
    parts.push_back(text.substr(start, comma - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// TOP,BOTTOM,LEFT,RIGHT in degrees; an empty part leaves that edge open.
bool ParseBox(const std::string& text, osm::OsmBox* box) {
  std::vector<std::string> parts = SplitCommas(text);
  if (parts.size() != 4) return false;
  double* edges[4] = {&box->top, &box->bottom, &box->left, &box->right};
  for (size_t k = 0; k < 4; ++k) {
    if (!parts[k].empty() && !ParseNumber(parts[k], edges[k])) return false;
  }
  return true;
}

// Progress on a terminal only: a script reading standard error wants the messages alone.
ProgressFunction TerminalProgress(CliContext& ctx) {
  if (!isatty(fileno(ctx.err))) return {};
  std::FILE* err = ctx.err;
  return [err](uint64_t done, uint64_t total) {
    if (total > 0) std::fprintf(err, "\rconverting... %3d%%", static_cast<int>(done * 100 / total));
    std::fflush(err);
    return true;
  };
}

int Report(const ConverterResult& result, CliContext& ctx, bool progressShown) {
  if (progressShown) std::fprintf(ctx.err, "\r%20s\r", "");
  for (const ConverterMessage& m : result.messages) {
    std::fprintf(m.kind == MessageKind::Info ? ctx.out : ctx.err, "%s\n", m.text.c_str());
  }
  return result.ok ? 0 : 1;
}

}  // namespace

int CmdConvert(const std::vector<std::string>& args, CliContext& ctx) {
  Args a;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](double* out) {
      if (i + 1 >= args.size() || !ParseNumber(args[i + 1], out)) return false;
      ++i;
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      std::fputs(kConvertUsage, ctx.out);
      return 0;
    } else if (arg == "--force") {
      a.force = true;
    } else if (arg == "--append") {
      a.append = true;
    } else if (arg == "--route") {
      a.route = true;
    } else if (arg == "--igo") {
      a.igo = true;
    } else if (arg == "--type-prefix") {
      a.typePrefix = true;
    } else if (arg == "--no-distance") {
      a.distanceOn = false;
    } else if (arg == "--distance") {
      if (!value(&a.distance)) return Usage(ctx, "--distance needs a number of metres");
    } else if (arg == "--course") {
      if (!value(&a.course)) return Usage(ctx, "--course needs a number of degrees");
      a.courseOn = true;
    } else if (arg == "--step" || arg == "--range") {
      int* target = arg == "--step" ? &a.step : &a.range;
      if (i + 1 >= args.size() || !ParseMetres(args[i + 1], target)) {
        return Usage(ctx, arg + " needs a whole number of metres");
      }
      ++i;
      a.hgtOption = true;
    } else if (arg == "--box") {
      if (i + 1 >= args.size() || !ParseBox(args[i + 1], &a.box)) {
        return Usage(ctx, "--box needs TOP,BOTTOM,LEFT,RIGHT in degrees");
      }
      ++i;
      a.osmOption = true;
    } else if (arg == "--exclude") {
      if (i + 1 >= args.size() || args[i + 1].empty()) return Usage(ctx, "--exclude needs WORD,...");
      for (std::string& word : SplitCommas(args[++i])) {
        if (!word.empty()) a.exclusions.push_back(std::move(word));
      }
      a.osmOption = true;
    } else if (arg == "--poi" || arg == "--translate") {
      (arg == "--poi" ? a.poi : a.translate) = true;
      a.osmOption = true;
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      return Usage(ctx, "unknown option '" + arg + "'");
    } else if (a.kind.empty()) {
      a.kind = arg;
    } else {
      a.paths.push_back(arg);
    }
  }
  if (a.kind.empty()) return Usage(ctx, "no KIND given");

  const bool multi = a.kind == "pocketgps-multi";
  const bool appends = a.kind == "pocketgps" || a.kind == "garmin" || multi || a.kind == "gpx-route" ||
                       a.kind == "gpx-track";
  const bool known = appends || a.kind == "nmea-gpx" || a.kind == "josm" || a.kind == "add-newlines" ||
                     a.kind == "hgt-gpx" || a.kind == "osm-gpx" || a.kind == "osm-cameras";
  if (!known) return Usage(ctx, "unknown KIND '" + a.kind + "'");
  if (multi ? a.paths.size() < 2 : a.paths.size() != 2) return Usage(ctx, "wrong number of files for " + a.kind);
  if (a.append && !appends) return Usage(ctx, "--append does not apply to " + a.kind);
  if (a.append && a.force) return Usage(ctx, "--append and --force exclude each other");
  if ((a.route || !a.distanceOn || a.courseOn) && a.kind != "nmea-gpx") {
    return Usage(ctx, "--route, --distance, --no-distance and --course apply to nmea-gpx only");
  }
  if (a.hgtOption && a.kind != "hgt-gpx") return Usage(ctx, "--step and --range apply to hgt-gpx only");
  if (a.osmOption && a.kind != "osm-gpx") {
    return Usage(ctx, "--box, --poi, --exclude and --translate apply to osm-gpx only");
  }
  if (a.igo && a.kind != "osm-cameras") return Usage(ctx, "--igo applies to osm-cameras only");
  if (a.typePrefix && !multi) return Usage(ctx, "--type-prefix applies to pocketgps-multi only");

  std::string output = a.paths.back();
  std::vector<std::string> inputs(a.paths.begin(), a.paths.end() - 1);
  std::string replaced = a.kind == "josm" ? JosmMapFileName(output) : output;
  if (!a.append && !a.force && FileExists(replaced)) {
    std::fprintf(ctx.err, "rovex-cli convert: %s exists; --force replaces it%s\n", replaced.c_str(),
                 appends ? ", --append adds to it" : "");
    return 1;
  }

  ProgressFunction progress = TerminalProgress(ctx);
  ConverterResult result;
  if (a.kind == "pocketgps" || a.kind == "garmin") {
    CameraConvertOptions options{inputs[0], output, a.append, progress};
    result = a.kind == "pocketgps" ? ConvertPocketGpsCameras(options) : ConvertGarminCameras(options);
  } else if (multi) {
    result = ConvertMultiPocketGpsCameras({inputs, output, a.append, a.typePrefix, progress});
  } else if (a.kind == "gpx-route" || a.kind == "gpx-track") {
    GpxToRouteOptions options{inputs[0], output, a.append, progress};
    result = a.kind == "gpx-route" ? ConvertGpxRouteToCsv(options) : ConvertGpxTrackToCsv(options);
  } else if (a.kind == "nmea-gpx") {
    NmeaToGpxOptions options;
    options.log = inputs[0];
    options.output = output;
    options.kind = a.route ? GpxKind::Route : GpxKind::Track;
    options.thinning = {a.distanceOn, a.distance, a.courseOn, a.course};
    options.progress = progress;
    result = ConvertNmeaToGpx(options);
  } else if (a.kind == "josm") {
    result = ConvertJosmToMapProject({inputs[0], output, progress});
  } else if (a.kind == "hgt-gpx") {
    HgtToGpxOptions options;
    options.source = inputs[0];
    options.destination = output;
    options.params.step = a.step;
    options.params.contourRange = a.range;
    options.progress = progress;
    result = ConvertHgtToGpx(options);
  } else if (a.kind == "osm-gpx") {
    // Any area or POI option asks for the extractor's rules: exclusions on every track.
    OsmToGpxOptions options;
    options.source = inputs[0];
    options.destination = output;
    options.settings.variant = a.osmOption ? OsmGpxVariant::Big : OsmGpxVariant::Normal;
    options.settings.translate = a.translate;
    options.settings.exclusions = a.exclusions;
    options.box = a.box;
    options.includePoi = a.poi;
    options.progress = progress;
    result = ConvertOsmToGpx(options);
  } else if (a.kind == "osm-cameras") {
    result = ExtractOsmCameras({inputs[0], output, a.igo ? SpeedcamOutput::Igo : SpeedcamOutput::Rovex, progress});
  } else {
    result = AddNewLines({inputs[0], output, progress});
  }
  return Report(result, ctx, static_cast<bool>(progress));
}

}  // namespace rovex::cli
