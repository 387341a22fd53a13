#include "support/termios2_probe.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace rovex::testing {

bool ProbeLine(int fd, ProbedLine* line) {
  struct termios2 t {};
  if (::ioctl(fd, TCGETS2, &t) != 0) return false;
  line->outputRate = t.c_ospeed;
  line->inputRate = t.c_ispeed;
  line->otherRate = (t.c_cflag & CBAUD) == BOTHER;
  switch (t.c_cflag & CSIZE) {
    case CS5: line->dataBits = 5; break;
    case CS6: line->dataBits = 6; break;
    case CS7: line->dataBits = 7; break;
    default: line->dataBits = 8; break;
  }
  line->parity = (t.c_cflag & PARENB) != 0;
  line->oddParity = (t.c_cflag & PARODD) != 0;
  line->stickParity = (t.c_cflag & CMSPAR) != 0;
  line->twoStopBits = (t.c_cflag & CSTOPB) != 0;
  line->rtsCts = (t.c_cflag & CRTSCTS) != 0;
  line->xonXoff = (t.c_iflag & (IXON | IXOFF)) != 0;
  line->canonical = (t.c_lflag & ICANON) != 0;
  line->echo = (t.c_lflag & ECHO) != 0;
  line->outputProcessing = (t.c_oflag & OPOST) != 0;
  line->crToNl = (t.c_iflag & ICRNL) != 0;
  line->local = (t.c_cflag & CLOCAL) != 0;
  return true;
}

}  // namespace rovex::testing
