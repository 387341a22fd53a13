#include <cstdio>
#include <string>
#include <string_view>

#include "cli/cli_command.h"
#include "platform/text_encoding.h"
#include "routes/route_file.h"

namespace rovex::cli {
namespace {

// One output line per item, tab-separated: a text from the file is shown as
// UTF-8 with control characters as "?", so it can never break the line.
std::string Shown(std::string_view text) {
  std::string out = ToUtf8(text);
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  }
  return out;
}

}  // namespace

int CmdRoute(const std::vector<std::string>& args, CliContext& ctx) {
  if (args.size() != 1) {
    std::fprintf(ctx.err, "usage: rovex-cli route FILE\n");
    return 2;
  }
  Route route;
  if (ReadRouteFile(args[0], &route) != RouteReadResult::Read) {
    std::fprintf(ctx.err, "rovex-cli: can't read the route file %s\n", args[0].c_str());
    return 1;
  }
  std::fprintf(ctx.out, "name\t%s\n", route.name ? Shown(*route.name).c_str() : "");
  for (const std::string& name : route.exclusions) std::fprintf(ctx.out, "exclude\t%s\n", Shown(name).c_str());
  int number = 0;
  for (const RoutePoint& p : route.points) {
    std::fprintf(ctx.out, "point\t%d\t%s\t%s\t%s\t%s\n", ++number, Shown(p.longitude.view()).c_str(),
                 Shown(p.latitude.view()).c_str(), Shown(p.desc1.value_or("")).c_str(),
                 Shown(p.desc2.value_or("")).c_str());
  }
  if (std::fflush(ctx.out) != 0 || std::ferror(ctx.out)) {
    std::fprintf(ctx.err, "rovex-cli: error writing the output\n");
    return 1;
  }
  return 0;
}

}  // namespace rovex::cli
