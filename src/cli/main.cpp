#include <string>
#include <vector>

#include "cli/cli_command.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv, argv + argc);
  rovex::cli::CliContext ctx;
  return rovex::cli::RunCli(args, ctx);
}
