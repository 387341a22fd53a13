#include "cameras/camera_index.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <new>
#include <system_error>

#include "cameras/camera_line.h"
#include "nmea/distance.h"

namespace rovex {
namespace {

// Rows of about 5.5 km: a 4 km radius, the smallest the loader asks for,
// touches two or three of them.
constexpr double kRowHeight = 0.05;

// Bytes of a line that decide what it holds: the limit, a possible CR and
// one more to tell a longer line from one that just fits.
constexpr std::size_t kLineWindow = kCameraLineLimit + 2;

// Bounds are widened by this much so that rounding can never leave out a
// camera that the exact test keeps; the exact test decides.
constexpr double kSlack = 1e-9;

int64_t RowKey(double latitude) {
  double q = std::floor(latitude / kRowHeight);
  if (!(q > -9e18)) return INT64_MIN / 2;
  if (q > 9e18) return INT64_MAX / 2;
  return static_cast<int64_t>(q);
}

class FileDescriptor {
 public:
  explicit FileDescriptor(const std::string& path) : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return m_fd; }

 private:
  int m_fd;
};

ssize_t ReadFull(int fd, char* buffer, std::size_t size, uint64_t offset) {
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = ::pread(fd, buffer + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return done > 0 ? static_cast<ssize_t>(done) : -1;
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

}  // namespace

std::size_t CameraIndex::MemoryBytes() const {
  return m_entries.capacity() * sizeof(Entry) + m_rows.capacity() * sizeof(Row);
}

CameraIndex::Job::~Job() {
  if (fd >= 0) ::close(fd);
}

CameraIndex::~CameraIndex() { StopBuilder(); }

void CameraIndex::Forget() {
  m_held = false;
  m_valid = false;
  m_path.clear();
  m_entries.clear();
  m_entries.shrink_to_fit();
  m_rows.clear();
  m_rows.shrink_to_fit();
}

void CameraIndex::Reset() {
  StopBuilder();
  Forget();
}

void CameraIndex::StopBuilder() {
  if (!m_job) return;
  m_job->stop.store(true, std::memory_order_relaxed);
  m_builder.join();
  m_job.reset();
}

void CameraIndex::StartBuild(int fd, const Identity& identity, const std::string& path) {
  auto job = std::make_shared<Job>();
  // A descriptor of its own: the caller's is closed when its query ends.
  job->fd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (job->fd < 0) return;
  job->path = path;
  job->identity = identity;
  job->racyWindowNs = m_racyWindowNs;
  job->gate = m_buildGate;
  try {
    m_builder = std::thread([job] {
      try {
        if (job->gate) job->gate();
        Build(*job);
      } catch (const std::bad_alloc&) {
        // No index this time; the queries go on reading the file through.
        job->built = false;
        job->entries = {};
        job->rows = {};
      }
      job->done.store(true, std::memory_order_release);
    });
  } catch (const std::system_error&) {
    return;  // no thread to be had: the straightforward reading answers
  }
  m_job = std::move(job);
  ++m_builds;
}

void CameraIndex::Collect(bool wait) {
  if (!m_job || (!wait && !m_job->done.load(std::memory_order_acquire))) return;
  m_builder.join();
  std::shared_ptr<Job> job = std::move(m_job);
  if (!job->built) return;
  m_entries = std::move(job->entries);
  m_rows = std::move(job->rows);
  m_path = job->path;
  m_identity = job->identity;
  m_valid = job->valid;
  m_held = true;
}

bool CameraIndex::WaitUntilReady() {
  Collect(true);
  return m_held;
}

void CameraIndex::Build(Job& job) {
  const Identity& identity = job.identity;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const int64_t startNs = static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
  std::vector<Entry> entries;
  // Lines are gathered from large reads; a line that straddles two reads is
  // carried over, but never more of it than decides its content.
  const int64_t chunkSize = std::clamp<int64_t>(identity.size + 1, 4096, 1 << 20);
  std::vector<char> chunk(static_cast<std::size_t>(chunkSize));
  std::string carry;
  bool carrying = false;  // carry holds the start of an unfinished line
  uint64_t carryOffset = 0;
  uint64_t position = 0;
  bool readError = false;

  auto judge = [&](std::string_view raw, uint64_t offset) {
    double latitude, longitude;
    if (CameraLinePosition(CameraLineText(raw), &latitude, &longitude)) {
      entries.push_back({latitude, longitude, offset});
    }
  };

  for (;;) {
    if (job.stop.load(std::memory_order_relaxed)) return;
    ssize_t n = ::pread(job.fd, chunk.data(), chunk.size(), static_cast<off_t>(position));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      readError = true;
      break;
    }
    if (n == 0) break;
    std::string_view data(chunk.data(), static_cast<std::size_t>(n));
    std::size_t start = 0;
    while (start < data.size()) {
      std::size_t newline = data.find('\n', start);
      std::size_t end = newline == std::string_view::npos ? data.size() : newline;
      std::string_view piece = data.substr(start, end - start);
      if (carrying) {
        if (carry.size() < kLineWindow) carry.append(piece.substr(0, kLineWindow - carry.size()));
      } else {
        carrying = true;
        carryOffset = position + start;
        carry.clear();
        if (newline != std::string_view::npos) {
          // The common case: the whole line is in this read, judge it in place.
          carrying = false;
          judge(piece.size() > kLineWindow ? piece.substr(0, kLineWindow) : piece, carryOffset);
          start = end + 1;
          continue;
        }
        carry.assign(piece.substr(0, kLineWindow));
      }
      if (newline == std::string_view::npos) break;
      judge(carry, carryOffset);
      carrying = false;
      start = end + 1;
    }
    position += static_cast<uint64_t>(n);
  }
  if (carrying) judge(carry, carryOffset);  // a last line without a line end
  if (job.stop.load(std::memory_order_relaxed)) return;

  // Rows of latitude, each sorted by longitude. The row keys are worked out
  // once, not in every comparison.
  struct SortItem {
    int64_t key;
    double longitude;
    uint32_t index;
  };
  std::vector<SortItem> order(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    order[i] = {RowKey(entries[i].latitude), entries[i].longitude, static_cast<uint32_t>(i)};
  }
  std::sort(order.begin(), order.end(), [](const SortItem& a, const SortItem& b) {
    return a.key != b.key ? a.key < b.key : a.longitude < b.longitude;
  });
  std::vector<Entry> sorted(entries.size());
  std::vector<Row> rows;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const Entry& e = entries[order[i].index];
    sorted[i] = e;
    if (rows.empty() || rows.back().key != order[i].key) {
      rows.push_back({order[i].key, static_cast<uint32_t>(i), static_cast<uint32_t>(i), 2.0});
    }
    Row& row = rows.back();
    row.end = static_cast<uint32_t>(i + 1);
    row.minAbsCos = std::min(row.minAbsCos, std::fabs(std::cos(e.latitude * DegToRad)));
  }
  order.clear();
  order.shrink_to_fit();
  entries.clear();
  entries.shrink_to_fit();
  job.entries = std::move(sorted);
  job.rows = std::move(rows);
  job.rows.shrink_to_fit();
  // After a failed read the index may lack lines, and a file changed just
  // before may change again unseen: use it this once, build again next time.
  job.valid = !readError && identity.ctimeNs < startNs - job.racyWindowNs && identity.mtimeNs < startNs - job.racyWindowNs;
  job.built = true;
}

void CameraIndex::Candidates(const GpsFix& origin, double radius, std::vector<Entry>* candidates) const {
  const bool bounded = std::isfinite(origin.latitude) && std::isfinite(origin.longitude) && std::isfinite(radius);
  if (!bounded) {
    // A position or radius that is not a number bounds nothing: look at every camera.
    for (const Entry& e : m_entries) {
      if (CameraInRange(origin, e.latitude, e.longitude, radius)) candidates->push_back(e);
    }
  } else if (radius >= 0.0) {
    double latitudeSpan = radius / MetresPerDegreeLat * (1.0 + kSlack) + kSlack;
    int64_t firstKey = RowKey(origin.latitude - latitudeSpan);
    int64_t lastKey = RowKey(origin.latitude + latitudeSpan);
    auto row = std::lower_bound(m_rows.begin(), m_rows.end(), firstKey,
                                [](const Row& r, int64_t key) { return r.key < key; });
    for (; row != m_rows.end() && row->key <= lastKey; ++row) {
      auto first = m_entries.begin() + row->begin;
      auto last = m_entries.begin() + row->end;
      if (row->minAbsCos > 1e-6) {
        double longitudeSpan = radius / (MetresPerDegreeLon * row->minAbsCos) * (1.0 + kSlack) + kSlack;
        double west = origin.longitude - longitudeSpan;
        double east = origin.longitude + longitudeSpan;
        first = std::lower_bound(first, last, west, [](const Entry& e, double v) { return e.longitude < v; });
        last = std::upper_bound(first, last, east, [](double v, const Entry& e) { return v < e.longitude; });
      }
      for (auto e = first; e != last; ++e) {
        if (CameraInRange(origin, e->latitude, e->longitude, radius)) candidates->push_back(*e);
      }
    }
  }
  std::sort(candidates->begin(), candidates->end(), [](const Entry& a, const Entry& b) { return a.offset < b.offset; });
}

bool CameraIndex::ReadCandidates(int fd, const std::vector<Entry>& candidates, const GpsFix& origin, double radius,
                                 const CameraExcludeList* excluded, std::vector<CameraRecord>* out) const {
  // Candidates close together in the file are read in one go: a wide radius
  // then costs about one pass over the file rather than one read per line.
  constexpr uint64_t kMaxGap = 4096;
  constexpr uint64_t kMaxBlock = 256 * 1024;
  std::vector<char> block;
  for (std::size_t first = 0; first < candidates.size();) {
    const uint64_t start = candidates[first].offset;
    std::size_t last = first;
    while (last + 1 < candidates.size() && candidates[last + 1].offset - candidates[last].offset <= kMaxGap &&
           candidates[last + 1].offset + kLineWindow - start <= kMaxBlock) {
      ++last;
    }
    block.resize(candidates[last].offset + kLineWindow - start);
    ssize_t n = ReadFull(fd, block.data(), block.size(), start);
    if (n < 0) return false;
    const std::string_view data(block.data(), static_cast<std::size_t>(n));
    for (std::size_t i = first; i <= last; ++i) {
      const Entry& e = candidates[i];
      const std::size_t at = static_cast<std::size_t>(e.offset - start);
      std::string_view raw = at < data.size() ? data.substr(at, kLineWindow) : std::string_view();
      if (std::size_t newline = raw.find('\n'); newline != std::string_view::npos) raw = raw.substr(0, newline);
      std::string_view line = CameraLineText(raw);
      double latitude, longitude;
      if (!CameraLinePosition(line, &latitude, &longitude) || latitude != e.latitude || longitude != e.longitude) {
        return false;
      }
      if (!CameraInRange(origin, latitude, longitude, radius)) continue;
      if (excluded && CameraLineExcluded(line, *excluded)) continue;
      out->push_back(CameraRecordFromLine(line));
    }
    first = last + 1;
  }
  return true;
}

CameraReadStatus CameraIndex::Read(const std::string& path, const GpsFix& origin, double radius,
                                   const CameraExcludeList* excluded, std::vector<CameraRecord>* out) {
  FileDescriptor file(path);
  if (file.get() < 0) return CameraReadStatus::OpenFailed;
  struct stat st {};
  if (::fstat(file.get(), &st) != 0) return ReadCamerasPlain(path, origin, radius, excluded, out);
  Identity identity{static_cast<uint64_t>(st.st_dev),
                    static_cast<uint64_t>(st.st_ino),
                    static_cast<int64_t>(st.st_size),
                    static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                    static_cast<int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};

  Collect(false);
  if (m_held && m_path == path && m_identity == identity) {
    std::vector<Entry> candidates;
    Candidates(origin, radius, &candidates);
    std::vector<CameraRecord> found;
    const bool fits = ReadCandidates(file.get(), candidates, origin, radius, excluded, &found);
    // An index of a file changed just before its build answers this once;
    // one that no longer fits the file (changed under the same size and
    // times) answers nothing. Either way a fresh build follows.
    if (!fits || !m_valid) Forget();
    if (fits) {
      ++m_indexedReads;
      if (out->empty()) {
        *out = std::move(found);
      } else {
        out->insert(out->end(), found.begin(), found.end());
      }
      return CameraReadStatus::Ok;
    }
  }
  if (!m_held || m_path != path || !(m_identity == identity)) {
    if (!m_job) {
      StartBuild(file.get(), identity, path);
    } else if (m_job->path != path || !(m_job->identity == identity)) {
      // Its index would not fit the file: it ends at its next chunk, and a
      // query after that starts the build for the file as it is now.
      m_job->stop.store(true, std::memory_order_relaxed);
    }
  }
  return ReadCamerasPlain(path, origin, radius, excluded, out);
}

}  // namespace rovex
