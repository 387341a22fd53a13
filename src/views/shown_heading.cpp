#include "views/shown_heading.h"

#include <cmath>

namespace rovex {

double HalfWayHeading(double shown, double course) {
  double difference = std::fmod(course - shown, 360.0);
  if (difference > 180.0) difference -= 360.0;
  if (difference <= -180.0) difference += 360.0;
  double mean = std::fmod(shown + difference / 2.0, 360.0);
  if (mean < 0.0) mean += 360.0;
  return mean;
}

bool ShownHeading::Damp(double courseDegrees, double speedKnots) {
  if (courseDegrees == m_value || !(speedKnots > 1.0) || !std::isfinite(courseDegrees)) return false;
  const double next = HalfWayHeading(m_value, courseDegrees);
  if (next == m_value) return false;
  m_value = next;
  return true;
}

}  // namespace rovex
