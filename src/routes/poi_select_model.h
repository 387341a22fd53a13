#pragma once

#include <string>
#include <vector>

#include "platform/user_prompt.h"
#include "settings/registry_settings.h"

// "Select Poi Files" (CDlgPoiSelect): which files of the POI folder are in
// use. The selection is kept as POIFile1 .. POIFileN in the POIFiles key with
// the count in POIFileNameCount, numbered without gaps so that every saved
// file is read back.

namespace rovex {

class PoiSelectModel {
 public:
  static constexpr const char* kTitle = "Select Poi Files";
  static constexpr const char* kReadNameError = "Unable to read the POI folder file name from the registry.";
  static constexpr const char* kTooLong = "File name is longer than 299 characters\nthat's too long\ncan't copy.";

  PoiSelectModel(RegistrySettings& settings, UserPrompt* prompt) : m_settings(settings), m_prompt(prompt) {}

  // Reads the selection and lists the folder's other entries (sorted by name).
  void Open();
  const std::vector<std::string>& Available() const { return m_available; }
  const std::vector<std::string>& Selected() const { return m_selected; }
  const std::string& Folder() const { return m_folder; }

  // Rows by position in their list; positions out of range are ignored.
  void Add(const std::vector<int>& rows);
  void AddAll();
  void Remove(const std::vector<int>& rows);
  void RemoveAll();
  // Writes the selection; the messages of failed writes are shown.
  void Ok();

 private:
  bool InFolder(const std::string& name) const;
  bool FitsName(const std::string& name);
  void Tell(const std::string& text);

  RegistrySettings& m_settings;
  UserPrompt* m_prompt;
  std::string m_folder;
  bool m_folderRead = false;
  std::vector<std::string> m_available;
  std::vector<std::string> m_selected;
};

}  // namespace rovex
