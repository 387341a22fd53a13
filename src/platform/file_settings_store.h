#pragma once

#include <sys/types.h>

#include <mutex>
#include <string>

#include "platform/settings_store.h"
#include "platform/settings_tree.h"

// The settings store kept in one text file (see SettingsTree for the format).
// Every change replaces the file atomically under an advisory lock, so that the
// program and rovex-cli can both change settings and a power cut never leaves a
// broken file. Reads notice changes made by another process.

namespace rovex {

class FileSettingsStore final : public SettingsStore {
 public:
  explicit FileSettingsStore(std::string path);

  // $ROVEX_CONFIG, else $XDG_CONFIG_HOME/rovex/settings.conf, else ~/.config/rovex/settings.conf.
  static std::string DefaultPath();

  const std::string& Path() const { return m_path; }

  // When the file could not be parsed it is renamed aside and the store starts
  // empty; this returns the message for the user once, then an empty text.
  std::string TakeDamageReport();

  bool KeyExists(const std::string& key) const override;
  bool CreateKey(const std::string& key) override;
  SettingRead Read(const std::string& key, const std::string& name) const override;
  bool Write(const std::string& key, const std::string& name, const SettingValue& value) override;
  bool Delete(const std::string& key, const std::string& name) override;
  std::vector<std::pair<std::string, SettingValue>> Values(const std::string& key) const override;
  void BeginBatch() override;
  bool CommitBatch() override;
  int LastErrorCode() const override { return m_lastError; }

 private:
  struct Stamp {
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    long long mtimeNs = 0;
    bool operator==(const Stamp&) const = default;
  };

  Stamp CurrentStamp() const;
  void RefreshLocked() const;
  // Applies a change under the file lock: reload, change, write. False when the
  // change refused or writing failed; the change is then undone in memory too.
  template <typename Change>
  bool Modify(Change change);
  bool FlushLocked();
  // A name the file could not hold: nothing is written.
  bool Refuse();
  int LockFile();
  void UnlockFile(int fd);

  std::string m_path;
  mutable std::mutex m_mutex;
  mutable SettingsTree m_tree;
  mutable Stamp m_stamp;
  mutable bool m_loaded = false;
  mutable std::string m_damageReport;
  int m_batchDepth = 0;
  int m_batchLock = -1;
  SettingsTree m_batchBackup;
  int m_lastError = 0;
};

}  // namespace rovex
