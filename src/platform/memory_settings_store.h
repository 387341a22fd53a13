#pragma once

#include <mutex>

#include "platform/settings_store.h"
#include "platform/settings_tree.h"

// A settings store that lives only in memory: for tests, and for runs that must
// not touch the user's settings. Writes can be made to fail to exercise the
// writers' error paths.

namespace rovex {

class MemorySettingsStore final : public SettingsStore {
 public:
  bool KeyExists(const std::string& key) const override;
  bool CreateKey(const std::string& key) override;
  SettingRead Read(const std::string& key, const std::string& name) const override;
  bool Write(const std::string& key, const std::string& name, const SettingValue& value) override;
  bool Delete(const std::string& key, const std::string& name) override;
  std::vector<std::pair<std::string, SettingValue>> Values(const std::string& key) const override;
  void BeginBatch() override {}
  bool CommitBatch() override { return true; }
  int LastErrorCode() const override { return m_writesFail ? 5 : 0; }

  void SetWritesFail(bool fail) { m_writesFail = fail; }
  const SettingsTree& Tree() const { return m_tree; }

 private:
  mutable std::mutex m_mutex;
  SettingsTree m_tree;
  bool m_writesFail = false;
};

}  // namespace rovex
