#include "platform/memory_settings_store.h"

namespace rovex {

bool MemorySettingsStore::KeyExists(const std::string& key) const {
  std::lock_guard lock(m_mutex);
  return m_tree.HasKey(key);
}

bool MemorySettingsStore::CreateKey(const std::string& key) {
  std::lock_guard lock(m_mutex);
  if (m_writesFail) return false;
  return m_tree.AddKey(key);
}

SettingRead MemorySettingsStore::Read(const std::string& key, const std::string& name) const {
  std::lock_guard lock(m_mutex);
  return m_tree.Read(key, name);
}

bool MemorySettingsStore::Write(const std::string& key, const std::string& name, const SettingValue& value) {
  std::lock_guard lock(m_mutex);
  if (m_writesFail) return false;
  return m_tree.Write(key, name, value);
}

bool MemorySettingsStore::Delete(const std::string& key, const std::string& name) {
  std::lock_guard lock(m_mutex);
  if (m_writesFail) return false;
  return m_tree.Delete(key, name);
}

std::vector<std::pair<std::string, SettingValue>> MemorySettingsStore::Values(const std::string& key) const {
  std::lock_guard lock(m_mutex);
  return m_tree.Values(key);
}

}  // namespace rovex
