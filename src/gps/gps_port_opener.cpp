#include "gps/gps_port_opener.h"

#include "gps/port_line_settings.h"
#include "platform/serial_device_name.h"
#include "settings/registry_settings.h"

namespace rovex {

PortOpenPlan PortOpenPlan::ForGps() {
  PortOpenPlan p;
  p.timeouts.readTotalConstantMs = 2000;
  p.waitBeforeLineSettingsMs = 1000;
  p.waitBeforeTimeoutsMs = 2000;
  p.waitBeforeClearMs = 500;
  p.waitBeforeBuffersMs = 500;
  return p;
}

PortOpenPlan PortOpenPlan::ForSendLog() {
  PortOpenPlan p;
  p.timeouts = {10, 10, 10, 10, 10};
  p.waitBeforeLineSettingsMs = 1000;
  p.waitBeforeTimeoutsMs = 1000;
  p.waitBeforeClearMs = 0;
  p.waitBeforeBuffersMs = 1000;
  return p;
}

PortOpenOutcome OpenPortSteps(SerialPorts& ports, SettingsStore& store, const PortOpenPlan& plan,
                              std::shared_ptr<SerialPort> alreadyOpen, const OpenWait& wait) {
  PortOpenOutcome out;
  RegistrySettings settings(store, nullptr);
  auto fail = [&](std::string text, MsgIcon icon) {
    out.message = std::move(text);
    out.icon = icon;
    return out;
  };
  auto waited = [&](int ms) {
    if (ms <= 0 || !wait) return true;
    if (wait(ms)) return true;
    out.cancelled = true;
    return false;
  };

  // A Linux device path can be long (/dev/serial/by-id/...): the whole file-name width is kept.
  std::optional<std::string> port = settings.TryReadText("Port", 299);
  if (!port) {
    return fail("Unable read the comm port name from the registry.\nPlease check the port settings ?",
                MsgIcon::Warning);
  }
  std::string device = SerialDeviceName(*port);

  if (alreadyOpen) {
    out.port = std::move(alreadyOpen);
  } else {
    out.port = ports.Open(device);
    if (!out.port) return fail("Can't open com port " + device, MsgIcon::Warning);
  }
  out.markedOpen = true;

  // A network source has no receiver on the line to wait for.
  const bool network = out.port->IsNetworkSource();
  auto settle = [&](int ms) { return network || waited(ms); };

  SerialLineSettings line;
  if (!out.port->GetLineSettings(&line)) return out;
  ApplyStoredLineSettings(settings, &line);
  ApplyFixedLineSettings(&line);

  if (!settle(plan.waitBeforeLineSettingsMs)) return out;
  if (!out.port->SetLineSettings(line)) {
    return fail("SetCommState\nCould not set communication state \n openport aborted", MsgIcon::Stop);
  }
  if (!settle(plan.waitBeforeTimeoutsMs)) return out;
  if (!out.port->SetTimeouts(plan.timeouts)) {
    return fail("SetCommTimeouts\nCould not set communication timeouts\n openport aborted", MsgIcon::Stop);
  }
  if (!settle(plan.waitBeforeClearMs)) return out;
  out.port->ClearErrors();
  if (!settle(plan.waitBeforeBuffersMs)) return out;
  out.port->SetBufferSizes(plan.bufferBytes, plan.bufferBytes);
  out.result = 1;
  if (std::string why = out.port->Unavailable(); !why.empty()) {
    out.message = "No NMEA input from " + why + ".\n" + kKeepsTrying;
    out.icon = MsgIcon::Warning;
  }
  return out;
}

}  // namespace rovex
