#pragma once

// The angle the compass rose is turned by, shared by the compass, pointer and
// trail views. It follows the course over ground half way on each drawing
// pass while the car moves faster than 1 knot, so the rose turns smoothly.

namespace rovex {

// The mean of the two angles along the shorter arc between them, in 0..360:
// 350 and 10 give 0, never 180.
double HalfWayHeading(double shown, double course);

class ShownHeading {
 public:
  double Value() const { return m_value; }
  // One drawing pass: true when the heading moved.
  bool Damp(double courseDegrees, double speedKnots);

 private:
  double m_value = 0.0;
};

}  // namespace rovex
