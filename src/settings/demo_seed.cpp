#include "settings/demo_seed.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

#include "platform/data_root.h"
#include "settings/settings_table.h"

namespace rovex {
namespace fs = std::filesystem;

namespace {

// Copies from into to unless to exists; a folder is copied file by file the same way.
bool CopyMissing(const fs::path& from, const fs::path& to, std::string* error) {
  std::error_code ec;
  if (fs::is_directory(from, ec)) {
    fs::create_directories(to, ec);
    for (const auto& e : fs::directory_iterator(from, ec)) {
      if (e.path().filename().string()[0] == '.') continue;
      if (!CopyMissing(e.path(), to / e.path().filename(), error)) return false;
    }
    if (ec) {
      *error = "cannot read " + from.string() + ": " + ec.message();
      return false;
    }
    return true;
  }
  if (fs::exists(to, ec)) return true;
  fs::create_directories(to.parent_path(), ec);
  if (!fs::copy_file(from, to, ec)) {
    *error = "cannot copy " + from.string() + " to " + to.string() + ": " + ec.message();
    return false;
  }
  return true;
}

}  // namespace

DemoSeed::DemoSeed(std::string share, std::string dataRoot) : m_share(std::move(share)), m_root(std::move(dataRoot)) {}

std::string DemoSeed::ShareFolderOf(const std::string& exePath) {
  fs::path exe(exePath);
  return (exe.parent_path().parent_path() / "share" / "rovex").lexically_normal().string();
}

DemoFiles DemoSeed::Files() const {
  DemoFiles f;
  f.cameraFile = JoinPath(m_root, "ROVEXCamera.txt");
  f.voiceFolder = JoinPath(m_root, "Voice");
  f.log = JoinPath(JoinPath(m_root, "Log"), "demo_drive.txt");
  f.route = JoinPath(JoinPath(m_root, "Route"), "demo_route.csv");
  f.poi = JoinPath(JoinPath(m_root, "POI"), "demo_poi.csv");
  return f;
}

bool DemoSeed::SeedFiles(std::string* error) const {
  const fs::path demo = fs::path(m_share) / "demo";
  const fs::path voice = fs::path(m_share) / "Voice";
  for (const char* needed : {"ROVEXCamera.txt", "demo_drive.txt", "demo_route.csv", "demo_poi.csv"}) {
    if (!fs::exists(demo / needed)) {
      *error = "the demo data is incomplete: " + (demo / needed).string() + " is missing";
      return false;
    }
  }
  if (!fs::is_directory(voice)) {
    *error = "the voice folder " + voice.string() + " is missing";
    return false;
  }
  DemoFiles f = Files();
  for (const char* folder : {"Log", "Route", "POI", "Images"}) {
    std::error_code ec;
    fs::create_directories(fs::path(m_root) / folder, ec);
  }
  return CopyMissing(demo / "ROVEXCamera.txt", f.cameraFile, error) &&
         CopyMissing(demo / "demo_drive.txt", f.log, error) && CopyMissing(demo / "demo_route.csv", f.route, error) &&
         CopyMissing(demo / "demo_poi.csv", f.poi, error) && CopyMissing(voice, f.voiceFolder, error);
}

bool DemoSeed::SeedFirstRun(SettingsStore& store, std::string* error) const {
  if (store.KeyExists(kRovexKey)) return false;
  if (!SeedFiles(error)) return false;
  SettingsBatch batch(store);
  store.CreateKey(kPoiFilesKey);
  for (const SettingDefinition& d : SettingsTable(m_root)) store.Write(kRovexKey, d.name, d.defaultValue);
  if (!batch.Commit()) {
    *error = "the settings could not be written";
    return false;
  }
  return true;
}

int DemoSeed::ReplayDelayMs(const std::string& log, double pace) {
  std::ifstream in(log);
  std::set<std::string> times;
  std::string line;
  int lines = 0;
  while (lines < 600 && std::getline(in, line)) {
    ++lines;
    if (line.size() > 7 && line[0] == '$' && line.compare(3, 4, "GGA,") == 0) {
      times.insert(line.substr(7, line.find(',', 7) - 7));
    }
  }
  double perSecond = times.empty() ? 1.0 : static_cast<double>(lines) / static_cast<double>(times.size());
  if (!(pace > 0)) pace = 1.0;
  double delay = 1000.0 / perSecond / pace;
  return delay < 1.0 ? 1 : static_cast<int>(delay);
}

}  // namespace rovex
