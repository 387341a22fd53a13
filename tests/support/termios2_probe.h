#pragma once

// Reads a terminal's settings the way the serial port sets them (termios2),
// kept apart from <termios.h> like the code it checks.

namespace rovex::testing {

struct ProbedLine {
  unsigned outputRate = 0;
  unsigned inputRate = 0;
  bool otherRate = false;  // BOTHER: the rate is the number itself
  int dataBits = 0;
  bool parity = false;
  bool oddParity = false;
  bool stickParity = false;  // CMSPAR: mark or space
  bool twoStopBits = false;
  bool rtsCts = false;
  bool xonXoff = false;
  bool canonical = false;
  bool echo = false;
  bool outputProcessing = false;
  bool crToNl = false;
  bool local = false;
};

bool ProbeLine(int fd, ProbedLine* line);

}  // namespace rovex::testing
