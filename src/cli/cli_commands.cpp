#include "cli/cli_command.h"

namespace rovex::cli {

// The explicit table of commands: adding one is one line here.
const std::vector<CliCommand>& Commands() {
  static const std::vector<CliCommand> commands = {
      {"settings", "settings list | get NAME | set NAME text:VALUE|number:VALUE | delete NAME | reset", CmdSettings},
      {"parse", "parse FILE", CmdParse},
      {"monitor", "monitor [--port PORT] [--speed BAUD] [--count N]", CmdMonitor},
      {"replay", "replay LOG --cameras FILE [--radius M] [--units mph|kph|knots] [--specs on|off]", CmdReplay},
      {"convert",
       "convert KIND INPUT... OUTPUT [--force] [--append] [--route] [--distance M | --no-distance] [--course DEG] "
       "[--type-prefix] [--box T,B,L,R] [--poi] [--exclude W,...] [--translate] (convert --help lists the kinds)",
       CmdConvert},
      {"route", "route FILE", CmdRoute},
      {"follow",
       "follow LOG --route FILE | --trail FILE [--route FILE] [--cameras FILE] [--mode motorway|country|town] "
       "[--speech on|off] [--heading]",
       CmdFollow},
      {"record", "record LOG OUT [--lines K] | record --open FILE", CmdRecord},
      {"poi", "poi --lat A --lon B [--radius M] [--files F,F,...]", CmdPoi},
      {"startup", "startup --at HH:MM", CmdStartup},
      {"trail", "trail FILE", CmdTrail},
      {"trackmap", "trackmap show MAP | trackmap save MAP OUT", CmdTrackmap},
      {"track", "track points LOG | track trim LOG FROM TO OUT", CmdTrack},
      {"atlas", "atlas info ATLAS | atlas pan ATLAS LAYER", CmdAtlas},
  };
  return commands;
}

int RunCli(const std::vector<std::string>& argv, CliContext& ctx) {
  auto usage = [&](std::FILE* f) {
    std::fprintf(f, "usage: rovex-cli COMMAND [ARGS]\n\ncommands:\n");
    for (const CliCommand& c : Commands()) std::fprintf(f, "  %s\n", c.usage);
  };
  if (argv.size() < 2) {
    usage(ctx.err);
    return 2;
  }
  if (argv[1] == "--help" || argv[1] == "-h" || argv[1] == "help") {
    usage(ctx.out);
    return 0;
  }
  for (const CliCommand& c : Commands()) {
    if (argv[1] == c.name) return c.run(std::vector<std::string>(argv.begin() + 2, argv.end()), ctx);
  }
  std::fprintf(ctx.err, "rovex-cli: unknown command '%s'\n", argv[1].c_str());
  usage(ctx.err);
  return 2;
}

}  // namespace rovex::cli
