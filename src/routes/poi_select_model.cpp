#include "routes/poi_select_model.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "platform/data_root.h"
#include "routes/nearby_poi_list.h"

namespace rovex {
namespace {

constexpr std::size_t kFolderLimit = 296;
constexpr std::size_t kNameLimit = 300;

std::vector<int> SortedUnique(std::vector<int> rows, std::size_t size) {
  std::erase_if(rows, [size](int r) { return r < 0 || static_cast<std::size_t>(r) >= size; });
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

}  // namespace

void PoiSelectModel::Tell(const std::string& text) {
  if (m_prompt) m_prompt->MessageBox(text);
}

void PoiSelectModel::Open() {
  m_available.clear();
  m_selected.clear();
  SettingsStore& store = m_settings.Store();
  // A damaged count cannot name more files than the key holds values.
  const uint64_t count = std::min<uint64_t>(m_settings.TryReadNumber("POIFileNameCount").value_or(0),
                                            store.Values(kPoiFilesKey).size());
  for (uint64_t i = 1; i <= count; ++i) {
    SettingRead read = store.Read(kPoiFilesKey, kPoiFileValuePrefix + std::to_string(i));
    if (read.status != ReadStatus::Ok || read.value.kind != SettingValue::Kind::Text) {
      Tell(kReadNameError);
      continue;
    }
    m_selected.push_back(read.value.text.substr(0, 99));
  }
  std::optional<std::string> folder = m_settings.TryReadText("POIFolder", 300);
  m_folderRead = folder.has_value();
  if (!folder) {
    Tell(kReadNameError);
    return;
  }
  m_folder = *folder;
  if (m_folder.size() >= kFolderLimit) {
    Tell("The Poi folder path is too long\nit must be less than 296 characters.\nUnable to list filder contents.");
    return;
  }
  std::error_code ec;
  const std::set<std::string> chosen(m_selected.begin(), m_selected.end());
  for (std::filesystem::directory_iterator it(m_folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (!chosen.count(name)) m_available.push_back(name);
  }
  std::sort(m_available.begin(), m_available.end());
}

bool PoiSelectModel::InFolder(const std::string& name) const {
  if (!m_folderRead) return false;
  std::error_code ec;
  return std::filesystem::exists(JoinPath(m_folder, name), ec);
}

bool PoiSelectModel::FitsName(const std::string& name) {
  if (name.size() < kNameLimit) return true;
  Tell(kTooLong);
  return false;
}

void PoiSelectModel::Add(const std::vector<int>& rows) {
  const std::vector<int> picked = SortedUnique(rows, m_available.size());
  for (int r : picked) {
    const std::string& name = m_available[static_cast<std::size_t>(r)];
    if (FitsName(name)) m_selected.push_back(name);
  }
  for (auto r = picked.rbegin(); r != picked.rend(); ++r) m_available.erase(m_available.begin() + *r);
}

void PoiSelectModel::AddAll() {
  std::vector<int> all(m_available.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
  Add(all);
}

void PoiSelectModel::Remove(const std::vector<int>& rows) {
  const std::vector<int> picked = SortedUnique(rows, m_selected.size());
  for (int r : picked) {
    const std::string& name = m_selected[static_cast<std::size_t>(r)];
    if (InFolder(name) && FitsName(name)) m_available.push_back(name);
  }
  for (auto r = picked.rbegin(); r != picked.rend(); ++r) m_selected.erase(m_selected.begin() + *r);
  std::sort(m_available.begin(), m_available.end());
}

void PoiSelectModel::RemoveAll() {
  std::vector<int> all(m_selected.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
  Remove(all);
}

void PoiSelectModel::Ok() {
  SettingsStore& store = m_settings.Store();
  store.CreateKey(kPoiFilesKey);
  for (const auto& [name, value] : store.Values(kPoiFilesKey)) {
    if (name.rfind(kPoiFileValuePrefix, 0) == 0) store.Delete(kPoiFilesKey, name);
  }
  uint32_t written = 0;
  bool failed = false;
  for (const std::string& name : m_selected) {
    if (!FitsName(name) || !InFolder(name)) continue;
    // Numbered by the files written, so a skipped entry leaves no gap.
    if (store.Write(kPoiFilesKey, kPoiFileValuePrefix + std::to_string(written + 1), SettingValue::Text(name))) {
      ++written;
    } else {
      failed = true;
    }
  }
  if (failed) Tell("An error occurred writing the POI\nfilenames to the registry.");
  if (!m_settings.WriteNumberSetting("POIFileNameCount", written)) {
    Tell("An error occurred writing the POI\nfile count to the registry (POIFileNameCount).");
  }
}

}  // namespace rovex
