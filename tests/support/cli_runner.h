#pragma once

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <cstdlib>

#include <gtest/gtest.h>

#include "cli/cli_command.h"
#include "support/temp_dir.h"

// Runs a rovex-cli command in-process and captures what it prints, so that
// command-line behaviour is tested like a golden run: output, errors and exit code.

namespace rovex::testing {

struct CliResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline std::string ReadBack(std::FILE* f) {
  std::string s;
  std::rewind(f);
  for (int c; (c = std::fgetc(f)) != EOF;) s += static_cast<char>(c);
  std::fclose(f);
  return s;
}

inline CliResult RunCliCapture(std::vector<std::string> args) {
  args.insert(args.begin(), "rovex-cli");
  cli::CliContext ctx;
  ctx.out = std::tmpfile();
  ctx.err = std::tmpfile();
  CliResult r;
  r.exitCode = cli::RunCli(args, ctx);
  std::fflush(ctx.out);
  std::fflush(ctx.err);
  r.out = ReadBack(ctx.out);
  r.err = ReadBack(ctx.err);
  return r;
}

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline size_t CountOf(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// Commands run against settings and a data root of the test's own, reset to
// the defaults; the user's are never read.
class CliScratchHome : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("ROVEX_CONFIG", dir.File("settings.conf").c_str(), 1);
    setenv("ROVEX_HOME", dir.Path().c_str(), 1);
    ASSERT_EQ(RunCliCapture({"settings", "reset"}).exitCode, 0);
  }
  TempDir dir;
  const std::string demo = ROVEX_SOURCE_DIR "/data/demo/";
};

}  // namespace rovex::testing
