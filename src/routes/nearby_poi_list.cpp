#include "routes/nearby_poi_list.h"

#include <cstdio>
#include <new>

#include "platform/data_root.h"
#include "routes/poi_file.h"

namespace rovex {
namespace {

// The enumeration's buffers: a value name of 20 characters, data of 299 bytes.
constexpr std::size_t kNameBuffer = 20;
constexpr std::size_t kDataBuffer = 299;
constexpr std::size_t kPathLimit = 298;

}  // namespace

NearbyPoiList::NearbyPoiList(RegistrySettings& settings, UserPrompt* prompt, std::function<void()> stopGps)
    : m_settings(settings), m_prompt(prompt), m_stopGps(std::move(stopGps)) {}

void NearbyPoiList::Tell(const std::string& text) {
  if (m_prompt) m_prompt->MessageBox(text);
}

std::vector<std::string> NearbyPoiList::SelectedFiles(const SettingsStore& store) {
  std::vector<std::string> files;
  for (const auto& [name, value] : store.Values(kPoiFilesKey)) {
    // The enumeration ends at the first value its buffers cannot hold.
    if (name.size() >= kNameBuffer) break;
    if (value.kind == SettingValue::Kind::Text && value.text.size() >= kDataBuffer) break;
    if (name.rfind(kPoiFileValuePrefix, 0) != 0 || value.kind != SettingValue::Kind::Text) continue;
    files.push_back(value.text);
  }
  return files;
}

NearbyPoiList::LoadResult NearbyPoiList::Load(const GpsFix& fix, double radius) {
  if (fix.latitude == 0.0) return LoadResult::NoFix;
  m_list.reset();
  try {
    m_list = std::make_unique<std::vector<PoiRecord>>();
  } catch (const std::bad_alloc&) {
    Tell("Argh ! Out of memory making the POI list");
    m_stopGps();
    return LoadResult::Failed;
  }
  std::optional<std::string> folder = m_settings.TryReadText("POIFolder", 199);
  if (!folder) {
    Tell("Unable read the POI folder file name from the registry.");
    Tell("Error can't get the POI folder name from the registry.\nPlease check the setup/registry.");
    m_stopGps();
    return LoadResult::Failed;
  }
  m_settings.Store().CreateKey(kPoiFilesKey);
  for (const std::string& name : SelectedFiles(m_settings.Store())) {
    if (folder->size() + name.size() > kPathLimit) {
      Tell("Error the combined length of the\nPOI folder name and a POI file name\nexceeds 299 bytes");
      return LoadResult::Failed;
    }
    const std::string path = JoinPath(*folder, name);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
      // A file taken away since it was selected is told once and skipped:
      // the other files still show, and GPS input goes on.
      if (m_reported.insert(path).second) {
        Tell("Error can't open the POI location file\n" + path + "\nPlease check the setup/registry.");
      }
      continue;
    }
    m_reported.erase(path);
    try {
      ReadPoiFile(file, fix, radius, m_list.get());
    } catch (const std::bad_alloc&) {
      std::fclose(file);
      Tell("Argh! Out of memory making the POI list.\nThe nearby POI list will be incomplete.");
      m_stopGps();
      return LoadResult::Failed;
    }
    std::fclose(file);
  }
  return LoadResult::Loaded;
}

}  // namespace rovex
