#include "platform/data_root.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace rovex {
namespace {

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "/tmp";
}

}  // namespace

std::string DataRoot() {
  if (const char* root = std::getenv("ROVEX_HOME"); root && *root) {
    std::string r = root;
    while (r.size() > 1 && r.back() == '/') r.pop_back();
    return r;
  }
  return JoinPath(HomeFolder(), "ROVEX");
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string out(folder);
  if (out.back() != '/' && out.back() != '\\') out += '/';
  while (!name.empty() && (name.front() == '/' || name.front() == '\\')) name.remove_prefix(1);
  out += name;
  return out;
}

std::string DataPath(std::string_view relative) { return JoinPath(DataRoot(), relative); }

}  // namespace rovex
