#include "platform/xdg_autostart.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/atomic_file.h"

namespace rovex {
namespace {

constexpr const char* kMark = "X-ROVEX-Autostart=true";

}  // namespace

XdgAutostart::XdgAutostart(std::string entryPath, std::string command)
    : m_entryPath(std::move(entryPath)), m_command(std::move(command)) {}

std::string XdgAutostart::DefaultEntryPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (config && config[0] == '/') {
    folder = config;
  } else {
    const char* home = std::getenv("HOME");
    folder = std::string(home ? home : "") + "/.config";
  }
  return folder + "/autostart/rovex.desktop";
}

std::string XdgAutostart::RunningProgram() {
  char path[4096];
  ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "rovex";
  return std::string(path, static_cast<size_t>(n));
}

std::string XdgAutostart::ExecValue(const std::string& program) {
  bool plain = !program.empty();
  for (char c : program) {
    bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                std::strchr("/._+-,:@", c) != nullptr;
    plain = plain && safe;
  }
  if (plain) return program;
  // Quoted, with the quoting rules' own escapes; then every backslash doubled
  // again, as in any string value of a desktop file. A "%" is a field code
  // unless doubled.
  std::string quoted = "\"";
  for (char c : program) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    if (c == '\n' || c == '\r') continue;
    quoted += c;
  }
  quoted += '"';
  std::string value;
  for (char c : quoted) {
    if (c == '\\') value += '\\';
    value += c;
  }
  return value;
}

bool XdgAutostart::Enabled() const {
  std::string content;
  return ReadWholeFile(m_entryPath, &content) && content.find(kMark) != std::string::npos;
}

bool XdgAutostart::Enable(std::string* error) {
  std::string entry =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=ROVEX\n"
      "Comment=Starts ROVEX with the desktop session\n"
      "Exec=" + ExecValue(m_command) + "\n"
      "Icon=rovex\n"
      "Terminal=false\n"
      "X-GNOME-Autostart-enabled=true\n" +
      std::string(kMark) + "\n";
  return WriteFileAtomically(m_entryPath, entry, error);
}

bool XdgAutostart::Disable(std::string* error) {
  std::string content;
  if (!ReadWholeFile(m_entryPath, &content)) return true;  // nothing there
  if (content.find(kMark) == std::string::npos) {
    if (error) *error = "it is not ROVEX's own entry";
    return false;
  }
  if (::unlink(m_entryPath.c_str()) != 0 && errno != ENOENT) {
    if (error) *error = std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace rovex
