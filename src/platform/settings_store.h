#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A persistent store with the registry's shape: keys named by backslash paths
// ("Software\ROVEX", "Software\ROVEX\POIFiles") holding named values of two
// kinds, text and 32-bit number. A missing key and a missing value are
// different answers, because the readers fall back differently on each.

namespace rovex {

struct SettingValue {
  enum class Kind { Text, Number };
  Kind kind = Kind::Text;
  std::string text;     // when Text
  uint32_t number = 0;  // when Number

  static SettingValue Text(std::string t) { return {Kind::Text, std::move(t), 0}; }
  static SettingValue Number(uint32_t n) { return {Kind::Number, {}, n}; }
  bool operator==(const SettingValue&) const = default;
};

enum class ReadStatus { Ok, KeyMissing, ValueMissing };

// The names a store can write back and read again as they were. A value name
// is not empty, holds no control character, '=', '[' or ']', and does not begin
// with ';' or '#' (those lines are comments in the settings file). A key is
// such names (a ';' or '#' start allowed) joined by single backslashes. Every
// store refuses other names, so no caller can leave a file it cannot read.
// Text values are not limited: any bytes round-trip.
bool IsStorableValueName(const std::string& name);
bool IsStorableKeyName(const std::string& key);

struct SettingRead {
  ReadStatus status = ReadStatus::KeyMissing;
  SettingValue value;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  virtual bool KeyExists(const std::string& key) const = 0;
  // Creates the key (and its parents) when missing. False when the store cannot
  // be written or the key name cannot be stored (nothing changes then).
  virtual bool CreateKey(const std::string& key) = 0;
  virtual SettingRead Read(const std::string& key, const std::string& name) const = 0;
  // Creates the key when missing. False when the store cannot be written or
  // the key or value name cannot be stored (nothing changes then).
  virtual bool Write(const std::string& key, const std::string& name, const SettingValue& value) = 0;
  // False when the value did not exist or the store cannot be written.
  virtual bool Delete(const std::string& key, const std::string& name) = 0;
  // Every value of the key in a stable order (the order they were first written).
  virtual std::vector<std::pair<std::string, SettingValue>> Values(const std::string& key) const = 0;

  // Many writes that should reach the disk together (a reset of all values):
  // between Begin and Commit nothing is flushed; Commit flushes once and
  // returns false when that failed, in which case none of the batch is kept.
  virtual void BeginBatch() = 0;
  virtual bool CommitBatch() = 0;

  // The system error number of the last failed change (for the "0x%x" messages).
  virtual int LastErrorCode() const { return 0; }
};

// Holds a batch open for a scope; Commit() reports the flush, the destructor commits if not yet done.
class SettingsBatch {
 public:
  explicit SettingsBatch(SettingsStore& store) : m_store(store) { m_store.BeginBatch(); }
  ~SettingsBatch() {
    if (!m_done) m_store.CommitBatch();
  }
  bool Commit() {
    m_done = true;
    return m_store.CommitBatch();
  }
  SettingsBatch(const SettingsBatch&) = delete;
  SettingsBatch& operator=(const SettingsBatch&) = delete;

 private:
  SettingsStore& m_store;
  bool m_done = false;
};

}  // namespace rovex
