#pragma once

#include <string>
#include <vector>

#include "platform/settings_store.h"

// The first run of a new user: a data root filled with the demo drive and the
// voice folder, and settings at their defaults, so that ROVEX warns of cameras
// on the bundled drive before anything has been set up. Nothing the user
// already has is overwritten.

namespace rovex {

struct DemoFiles {
  std::string cameraFile;  // the seeded camera database
  std::string voiceFolder;
  std::string log;         // the demo drive's NMEA log
  std::string route;
  std::string poi;
};

class DemoSeed {
 public:
  // share: the folder with demo/ and Voice/ (share/rovex beside the programs).
  DemoSeed(std::string share, std::string dataRoot);

  // share/rovex found from the running program's own path: <exe dir>/../share/rovex.
  static std::string ShareFolderOf(const std::string& exePath);

  // Where the seeded files are (whether or not they exist yet).
  DemoFiles Files() const;

  // Copies what is missing into the data root. False with a reason when the
  // share folder is incomplete or a file cannot be copied.
  bool SeedFiles(std::string* error) const;

  // A first run: no settings at all. Seeds the files, then writes every
  // default (the camera file and voice folder defaults are the seeded ones).
  // Does nothing and returns false when settings already exist.
  bool SeedFirstRun(SettingsStore& store, std::string* error) const;

  // The delay per line that replays a log at pace times its real speed: the
  // log's lines per second are counted from its first GGA times. At least 1 ms.
  static int ReplayDelayMs(const std::string& log, double pace);

 private:
  std::string m_share;
  std::string m_root;
};

}  // namespace rovex
