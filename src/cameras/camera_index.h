#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cameras/camera_exclude_list.h"
#include "cameras/camera_file_reader.h"
#include "cameras/camera_record.h"
#include "nmea/gps_fix.h"

// A spatial index over the camera database, so that rebuilding the nearby list
// from a file of a million cameras reads only the lines near the car.
//
// It keeps, for every line that holds a usable position, that position and the
// line's offset in the file, in rows of latitude sorted by longitude. It is
// built on first use and again whenever the file is not the one it was built
// from (another path, or a changed size, modification time or inode). A query
// reads the candidate lines back from the file and judges them with the same
// rules as the straightforward reading, so the answer is the same, in file
// order. Nothing of the file stays mapped between queries.
//
// A build reads the whole file (about a quarter of a second for a million
// cameras), so it runs on a thread of its own: queries are answered by the
// straightforward reading until the index is ready, and the window never waits
// for a build. The builder touches nothing but its own job; destruction and
// Reset stop it at its next chunk and wait for it.

namespace rovex {

class CameraIndex {
 public:
  CameraIndex() = default;
  ~CameraIndex();
  CameraIndex(const CameraIndex&) = delete;
  CameraIndex& operator=(const CameraIndex&) = delete;

  // Same contract as ReadCamerasPlain. Starts a build when the index does not
  // fit the file and none is running.
  CameraReadStatus Read(const std::string& path, const GpsFix& origin, double radius,
                        const CameraExcludeList* excluded, std::vector<CameraRecord>* out);

  // Forget the file (abandoning a build), so that the next query builds afresh.
  void Reset();

  // Waits for a running build and takes it in; true when an index is held
  // (the next query of its file, unchanged, is answered from it). For tests
  // and the benchmark: the window never calls this.
  bool WaitUntilReady();

  // File times have a coarse clock: a file changed within this many seconds
  // before a build could change again without its size or times showing it,
  // so such an index is built again at its next use.
  void SetRacyWindowSeconds(double seconds) { m_racyWindowNs = static_cast<int64_t>(seconds * 1e9); }

  // Runs on the builder thread before each build reads the file: tests hold a
  // build back with it to see what the queries do meanwhile.
  void SetBuildGate(std::function<void()> gate) { m_buildGate = std::move(gate); }

  // How often a build was started, how many queries the index answered, and
  // its size (for tests and the benchmark).
  int BuildCount() const { return m_builds; }
  int IndexedReads() const { return m_indexedReads; }
  std::size_t EntryCount() const { return m_entries.size(); }
  std::size_t MemoryBytes() const;

 private:
  struct Entry {
    double latitude;
    double longitude;
    uint64_t offset;  // of the line's first byte
  };
  struct Row {
    int64_t key;         // floor(latitude / kRowHeight), clamped
    uint32_t begin;      // entries [begin, end), sorted by longitude
    uint32_t end;
    double minAbsCos;    // smallest |cos(latitude)| of the row's entries
  };
  struct Identity {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = -1;
    int64_t mtimeNs = 0;
    int64_t ctimeNs = 0;
    bool operator==(const Identity&) const = default;
  };

  // What a builder thread makes, from its own descriptor, and hands over whole.
  struct Job {
    int fd = -1;
    std::string path;
    Identity identity;
    int64_t racyWindowNs = 0;
    std::function<void()> gate;
    std::atomic<bool> stop{false};
    std::atomic<bool> done{false};
    bool built = false;  // false when stopped or out of memory
    bool valid = false;
    std::vector<Entry> entries;
    std::vector<Row> rows;
    ~Job();
  };

  static void Build(Job& job);
  void StartBuild(int fd, const Identity& identity, const std::string& path);
  // Joins a finished (or, when wait is set, a running) builder and takes its index.
  void Collect(bool wait);
  void StopBuilder();
  void Forget();
  // Entries that may lie within radius of origin (a superset), in file order.
  void Candidates(const GpsFix& origin, double radius, std::vector<Entry>* candidates) const;
  // False when a line read back no longer holds the position indexed for it.
  bool ReadCandidates(int fd, const std::vector<Entry>& candidates, const GpsFix& origin, double radius,
                      const CameraExcludeList* excluded, std::vector<CameraRecord>* out) const;

  std::string m_path;
  Identity m_identity;
  bool m_valid = false;
  bool m_held = false;  // m_entries and m_rows are an index of m_path as m_identity
  int m_builds = 0;
  int m_indexedReads = 0;
  int64_t m_racyWindowNs = 2000000000;
  std::vector<Entry> m_entries;        // grouped by row, each row sorted by longitude
  std::vector<Row> m_rows;             // sorted by key
  std::function<void()> m_buildGate;
  std::shared_ptr<Job> m_job;          // the running or finished build
  std::thread m_builder;
};

}  // namespace rovex
