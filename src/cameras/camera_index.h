#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
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
// order. Nothing of the file stays mapped or open between queries.

namespace rovex {

class CameraIndex {
 public:
  // Same contract as ReadCamerasPlain.
  CameraReadStatus Read(const std::string& path, const GpsFix& origin, double radius,
                        const CameraExcludeList* excluded, std::vector<CameraRecord>* out);

  // Forget the file, so that the next query builds afresh.
  void Reset();

  // File times have a coarse clock: a file changed within this many seconds
  // before a build could change again without its size or times showing it,
  // so such an index is built again at its next use.
  void SetRacyWindowSeconds(double seconds) { m_racyWindowNs = static_cast<int64_t>(seconds * 1e9); }

  // How often the index has been built, and its size (for tests and the benchmark).
  int BuildCount() const { return m_builds; }
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

  bool Build(int fd, const Identity& identity, const std::string& path);
  // Entries that may lie within radius of origin (a superset), in file order.
  void Candidates(const GpsFix& origin, double radius, std::vector<Entry>* candidates) const;
  // False when a line read back no longer holds the position indexed for it.
  bool ReadCandidates(int fd, const std::vector<Entry>& candidates, const GpsFix& origin, double radius,
                      const CameraExcludeList* excluded, std::vector<CameraRecord>* out) const;

  std::string m_path;
  Identity m_identity;
  bool m_valid = false;
  int m_builds = 0;
  int64_t m_racyWindowNs = 2000000000;
  std::vector<Entry> m_entries;        // grouped by row, each row sorted by longitude
  std::vector<Row> m_rows;             // sorted by key
};

}  // namespace rovex
