#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/settings_store.h"

// The in-memory content of a settings store: keys with their values in first
// written order. Shared by the file store and the memory store, and the form
// that the settings file is parsed into and written from.

namespace rovex {

class SettingsTree {
 public:
  struct Key {
    std::vector<std::pair<std::string, SettingValue>> values;
  };

  bool HasKey(const std::string& key) const { return m_keys.count(key) != 0; }
  // False, changing nothing, for a name that could not be read back (IsStorableKeyName).
  bool AddKey(const std::string& key);
  SettingRead Read(const std::string& key, const std::string& name) const;
  // False, changing nothing, for a key or value name that could not be read back.
  bool Write(const std::string& key, const std::string& name, const SettingValue& value);
  bool Delete(const std::string& key, const std::string& name);
  std::vector<std::pair<std::string, SettingValue>> Values(const std::string& key) const;
  const std::map<std::string, Key>& Keys() const { return m_keys; }

  // The settings file: "[key]" lines, then "name=text:..." or "name=number:N"
  // lines, with text escaped so that any byte survives. Comments start with ';'
  // or '#'; names never do. Parse returns false, with a message naming the line, on
  // anything it does not understand; the tree is then left untouched.
  std::string Serialise() const;
  bool Parse(const std::string& content, std::string* error);

 private:
  std::map<std::string, Key> m_keys;
};

}  // namespace rovex
