#pragma once

#include <optional>
#include <string_view>

#include "platform/serial_port.h"
#include "settings/registry_settings.h"

// How the stored `Speed`, `Parity`, `StopBits` and `DataBits` texts become line
// settings, and the settings every open imposes whatever is stored. A value
// that is missing leaves what the driver reported.

namespace rovex {

// "None", "Even", "Odd", "Mark", "Space" in any letter case; anything else: no answer.
std::optional<SerialParity> ParityFromText(std::string_view text);
// Exactly "1.5" or "2"; anything else is one stop bit.
SerialStopBits StopBitsFromText(std::string_view text);
// 5, 6, 7 or 8; any other number is 8.
int DataBitsFromNumber(int number);

void ApplyStoredLineSettings(const RegistrySettings& settings, SerialLineSettings* line);
// Raw bytes, no flow control of either kind, DTR and RTS on.
void ApplyFixedLineSettings(SerialLineSettings* line);

}  // namespace rovex
