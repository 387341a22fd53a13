#include "platform/file_settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/atomic_file.h"
#include "platform/data_root.h"

namespace rovex {

FileSettingsStore::FileSettingsStore(std::string path) : m_path(std::move(path)) {}

std::string FileSettingsStore::DefaultPath() {
  if (const char* p = std::getenv("ROVEX_CONFIG"); p && *p) return p;
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) return JoinPath(JoinPath(x, "rovex"), "settings.conf");
  const char* home = std::getenv("HOME");
  return JoinPath(JoinPath(JoinPath(home && *home ? home : "/tmp", ".config"), "rovex"), "settings.conf");
}

std::string FileSettingsStore::TakeDamageReport() {
  std::lock_guard lock(m_mutex);
  RefreshLocked();
  std::string r;
  r.swap(m_damageReport);
  return r;
}

FileSettingsStore::Stamp FileSettingsStore::CurrentStamp() const {
  struct stat st{};
  Stamp s;
  if (::stat(m_path.c_str(), &st) != 0) return s;
  s.exists = true;
  s.dev = st.st_dev;
  s.ino = st.st_ino;
  s.size = st.st_size;
  s.mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
  return s;
}

void FileSettingsStore::RefreshLocked() const {
  Stamp now = CurrentStamp();
  if (m_loaded && now == m_stamp) return;
  m_loaded = true;
  m_stamp = now;
  m_tree = SettingsTree();
  if (!now.exists) return;
  std::string content, error;
  if (!ReadWholeFile(m_path, &content)) {
    m_damageReport = "The settings file " + m_path +
                     " cannot be read. ROVEX goes on without settings until it can write a new one.";
    return;
  }
  if (m_tree.Parse(content, &error)) return;

  // Keep the damaged file for the user to inspect rather than overwrite it.
  char stamp[32];
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
  std::string aside = m_path + ".damaged-" + stamp;
  if (std::rename(m_path.c_str(), aside.c_str()) == 0) {
    m_damageReport = "The settings file " + m_path + " is damaged (" + error + ").\n\nIt has been renamed to " +
                     aside + " and ROVEX starts as on a first run.";
  } else {
    m_damageReport = "The settings file " + m_path + " is damaged (" + error +
                     ") and could not be renamed aside. ROVEX starts as on a first run.";
  }
  m_stamp = CurrentStamp();
}

int FileSettingsStore::LockFile() {
  std::string folder = m_path.substr(0, m_path.find_last_of('/') == std::string::npos ? 0 : m_path.find_last_of('/'));
  if (!folder.empty()) MakeFolders(folder);
  int fd = ::open((m_path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd >= 0) {
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  return fd;  // without a lock file we still write: a lost race beats a lost setting
}

void FileSettingsStore::UnlockFile(int fd) {
  if (fd >= 0) ::close(fd);
}

bool FileSettingsStore::FlushLocked() {
  std::string error;
  bool ok = WriteFileAtomically(m_path, m_tree.Serialise(), &error, 0600);
  if (!ok) m_lastError = errno;
  m_stamp = CurrentStamp();
  return ok;
}

template <typename Change>
bool FileSettingsStore::Modify(Change change) {
  std::lock_guard lock(m_mutex);
  if (m_batchDepth > 0) return change(m_tree);
  int fd = LockFile();
  RefreshLocked();
  SettingsTree backup = m_tree;
  bool ok = change(m_tree) && FlushLocked();
  if (!ok) m_tree = std::move(backup);
  UnlockFile(fd);
  return ok;
}

bool FileSettingsStore::KeyExists(const std::string& key) const {
  std::lock_guard lock(m_mutex);
  RefreshLocked();
  return m_tree.HasKey(key);
}

bool FileSettingsStore::CreateKey(const std::string& key) {
  if (!IsStorableKeyName(key)) return Refuse();
  {
    std::lock_guard lock(m_mutex);
    RefreshLocked();
    if (m_tree.HasKey(key) && m_stamp.exists) return true;
  }
  return Modify([&](SettingsTree& t) { return t.AddKey(key); });
}

SettingRead FileSettingsStore::Read(const std::string& key, const std::string& name) const {
  std::lock_guard lock(m_mutex);
  RefreshLocked();
  return m_tree.Read(key, name);
}

bool FileSettingsStore::Write(const std::string& key, const std::string& name, const SettingValue& value) {
  if (!IsStorableKeyName(key) || !IsStorableValueName(name)) return Refuse();
  return Modify([&](SettingsTree& t) { return t.Write(key, name, value); });
}

bool FileSettingsStore::Refuse() {
  std::lock_guard lock(m_mutex);
  m_lastError = EINVAL;
  return false;
}

bool FileSettingsStore::Delete(const std::string& key, const std::string& name) {
  {
    std::lock_guard lock(m_mutex);
    RefreshLocked();
    if (m_tree.Read(key, name).status != ReadStatus::Ok) return false;
  }
  return Modify([&](SettingsTree& t) { return t.Delete(key, name); });
}

std::vector<std::pair<std::string, SettingValue>> FileSettingsStore::Values(const std::string& key) const {
  std::lock_guard lock(m_mutex);
  RefreshLocked();
  return m_tree.Values(key);
}

void FileSettingsStore::BeginBatch() {
  std::lock_guard lock(m_mutex);
  if (m_batchDepth++ > 0) return;
  m_batchLock = LockFile();
  RefreshLocked();
  m_batchBackup = m_tree;
}

bool FileSettingsStore::CommitBatch() {
  std::lock_guard lock(m_mutex);
  if (m_batchDepth == 0) return true;
  if (--m_batchDepth > 0) return true;
  bool ok = FlushLocked();
  if (!ok) m_tree = std::move(m_batchBackup);
  m_batchBackup = SettingsTree();
  UnlockFile(m_batchLock);
  m_batchLock = -1;
  return ok;
}

}  // namespace rovex
