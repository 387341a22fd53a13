#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/message_box.h"
#include "platform/serial_port.h"
#include "platform/settings_store.h"

// The steps that open the GPS port with the stored settings, in their fixed
// order and with the receiver's settling waits between them. The steps show
// nothing themselves: the one message a failure produces comes back in the
// outcome, so that the waits can run on a worker thread and the message is
// still shown on the user interface thread.

namespace rovex {

// Told with the reason when a network source cannot be reached at Start.
inline constexpr const char* kKeepsTrying = "ROVEX keeps trying and reads as soon as the source answers.";

struct PortOpenPlan {
  SerialTimeouts timeouts;
  int waitBeforeLineSettingsMs = 0;
  int waitBeforeTimeoutsMs = 0;
  int waitBeforeClearMs = 0;
  int waitBeforeBuffersMs = 0;
  size_t bufferBytes = 16384;

  // The GPS port: 2-second read time-out, four seconds of waits.
  static PortOpenPlan ForGps();
  // The send-log dialog's port: 10 ms time-outs, three seconds of waits.
  static PortOpenPlan ForSendLog();
};

struct PortOpenOutcome {
  int result = 0;                    // 1 when every step succeeded (a network source may still be silent)
  std::shared_ptr<SerialPort> port;  // null when the device could not be opened
  bool markedOpen = false;           // the port stays open after a later step failed
  bool cancelled = false;            // a wait was cut short; the caller closes the port
  std::string message;               // empty when there is nothing to tell
  MsgIcon icon = MsgIcon::Warning;
};

// Waits ms milliseconds; false when the open is to be abandoned.
using OpenWait = std::function<bool(int ms)>;

// alreadyOpen: the port when it is still marked open (it is then configured
// again rather than opened a second time); null otherwise.
PortOpenOutcome OpenPortSteps(SerialPorts& ports, SettingsStore& store, const PortOpenPlan& plan,
                              std::shared_ptr<SerialPort> alreadyOpen, const OpenWait& wait);

}  // namespace rovex
