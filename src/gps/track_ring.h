#pragma once

#include <memory>
#include <vector>

// The displayed track: the last positions the car passed while moving, in a
// ring of `TrackLength` + 1 slots that is overwritten from the start when
// full. It exists only while track recording (`LogTrack`) is on.

namespace rovex {

class TrackRing {
 public:
  struct Point {
    double latitude = 0.0;
    double longitude = 0.0;
  };

  // A ring for `TrackLength` = length: length + 1 empty slots, the write index
  // one past the last, so that the first point goes to slot 0. Null when the
  // memory cannot be had.
  static std::unique_ptr<TrackRing> Create(int length);

  int Length() const { return m_length; }
  int SlotCount() const { return m_length + 1; }
  int WriteIndex() const { return m_index; }
  const Point& Slot(int i) const { return m_slots[static_cast<size_t>(i)]; }

  // Moves to the next slot (after the last comes slot 0) and stores the point there.
  void Add(double latitude, double longitude);
  // For a restored record: puts a slot and the write index back as they were.
  void SetSlot(int i, double latitude, double longitude);
  void SetWriteIndex(int index) { m_index = index; }

 private:
  explicit TrackRing(int length) : m_length(length), m_index(length + 1) {}

  int m_length;
  int m_index;
  std::vector<Point> m_slots;
};

}  // namespace rovex
