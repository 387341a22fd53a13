#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/console_prompt.h"
#include "cli/replay_events.h"
#include "platform/memory_settings_store.h"
#include "settings/registry_settings.h"
#include "settings/start_up_plan.h"

namespace rovex::cli {
namespace {

constexpr const char* kUsage = "usage: rovex-cli startup --at HH:MM\n";

bool IsClockTime(const std::string& t) {
  return t.size() == 5 && std::isdigit(static_cast<unsigned char>(t[0])) &&
         std::isdigit(static_cast<unsigned char>(t[1])) && t[2] == ':' &&
         std::isdigit(static_cast<unsigned char>(t[3])) && std::isdigit(static_cast<unsigned char>(t[4])) &&
         t.substr(0, 2) <= "23" && t.substr(3) <= "59";
}

}  // namespace

int CmdStartup(const std::vector<std::string>& args, CliContext& ctx) {
  if (args.size() != 2 || args[0] != "--at" || !IsClockTime(args[1])) {
    std::fputs(kUsage, ctx.err);
    return 2;
  }
  // A copy of the settings: the writes a start timer would make are printed, not made.
  MemorySettingsStore store;
  CopyStoredSettings(&store, ctx);
  ConsolePrompt prompt(ctx.err);
  RegistrySettings settings(store, &prompt);
  for (const std::string& step : StartUpSteps(settings, args[1])) std::fprintf(ctx.out, "%s\n", step.c_str());
  return 0;
}

}  // namespace rovex::cli
