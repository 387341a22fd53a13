#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "trail/trail_reader.h"

namespace rovex::cli {

// The trail as the trail view has it: "LAT LON" a point, "break" where the
// line is not drawn across, then the count the load message reports.
int CmdTrail(const std::vector<std::string>& args, CliContext& ctx) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
    std::fputs("usage: rovex-cli trail FILE\n", ctx.err);
    return 2;
  }
  TrackList trail;
  const TrailReadResult result = ReadTrailFile(args[0], &trail);
  if (result != TrailReadResult::Read) {
    std::fprintf(ctx.err, "rovex-cli: can't read the trail file %s: %s\n", args[0].c_str(), std::strerror(errno));
    return 1;
  }
  for (const TrackList::Point& p : trail.Points()) {
    if (p.IsBreak()) std::fputs("break\n", ctx.out);
    else std::fprintf(ctx.out, "%.6f %.6f\n", p.latitude, p.longitude);
  }
  std::fprintf(ctx.out, "count %zu\n", trail.Count());
  if (std::fflush(ctx.out) != 0 || std::ferror(ctx.out)) {
    std::fputs("rovex-cli: error writing the output\n", ctx.err);
    return 1;
  }
  return 0;
}

}  // namespace rovex::cli
