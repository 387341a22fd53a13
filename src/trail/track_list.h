#pragma once

#include <cstddef>
#include <vector>

// The trail: the points of a line to follow in the order read. A point at
// latitude 0 and longitude 0 is a break, and the line is not drawn across it.

namespace rovex {

class TrackList {
 public:
  struct Point {
    double latitude = 0.0;
    double longitude = 0.0;
    bool IsBreak() const { return latitude == 0.0 && longitude == 0.0; }
  };

  void Add(double latitude, double longitude) { m_points.push_back({latitude, longitude}); }
  void AddBreak() { m_points.push_back({}); }
  void Clear() { m_points.clear(); }

  const std::vector<Point>& Points() const { return m_points; }
  // What the load message reports: every point read, the breaks included.
  std::size_t Count() const { return m_points.size(); }
  bool Empty() const { return m_points.empty(); }

 private:
  std::vector<Point> m_points;
};

}  // namespace rovex
