#pragma once

#include <string>

// A fresh folder under /tmp for one test, removed with everything in it.

namespace rovex::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return m_path; }
  std::string File(const std::string& name) const { return m_path + "/" + name; }
  void Write(const std::string& name, const std::string& content) const;
  std::string Read(const std::string& name) const;

 private:
  std::string m_path;
};

// Where the shared receiver logs and map files are, or empty when absent.
std::string SharedDataDir();

}  // namespace rovex::testing
