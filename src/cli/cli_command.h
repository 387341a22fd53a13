#pragma once

#include <cstdio>
#include <string>
#include <vector>

// One rovex-cli command: a name, a one-line usage, and a function taking the
// arguments after the name. Commands print results to out and problems to err
// and return the process exit code (0 ok, 1 failure, 2 bad usage).

namespace rovex::cli {

struct CliContext {
  std::FILE* out = stdout;
  std::FILE* err = stderr;
};

using CommandFunction = int (*)(const std::vector<std::string>& args, CliContext& ctx);

struct CliCommand {
  const char* name;
  const char* usage;
  CommandFunction run;
};

// The table of every command (cli_commands.cpp).
const std::vector<CliCommand>& Commands();

// Runs argv as rovex-cli would.
int RunCli(const std::vector<std::string>& argv, CliContext& ctx);

int CmdSettings(const std::vector<std::string>& args, CliContext& ctx);
int CmdParse(const std::vector<std::string>& args, CliContext& ctx);
int CmdMonitor(const std::vector<std::string>& args, CliContext& ctx);
int CmdReplay(const std::vector<std::string>& args, CliContext& ctx);
int CmdConvert(const std::vector<std::string>& args, CliContext& ctx);
int CmdFollow(const std::vector<std::string>& args, CliContext& ctx);
int CmdTrail(const std::vector<std::string>& args, CliContext& ctx);
int CmdTrackmap(const std::vector<std::string>& args, CliContext& ctx);
int CmdTrack(const std::vector<std::string>& args, CliContext& ctx);
int CmdRoute(const std::vector<std::string>& args, CliContext& ctx);
int CmdRecord(const std::vector<std::string>& args, CliContext& ctx);
int CmdPoi(const std::vector<std::string>& args, CliContext& ctx);
int CmdAtlas(const std::vector<std::string>& args, CliContext& ctx);
int CmdStartup(const std::vector<std::string>& args, CliContext& ctx);

}  // namespace rovex::cli
