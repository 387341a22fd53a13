#include "gps/port_line_settings.h"

#include <strings.h>

#include <cstdlib>
#include <string>

namespace rovex {

std::optional<SerialParity> ParityFromText(std::string_view text) {
  static const struct {
    const char* name;
    SerialParity parity;
  } kNames[] = {{"None", SerialParity::None},
                {"Even", SerialParity::Even},
                {"Odd", SerialParity::Odd},
                {"Mark", SerialParity::Mark},
                {"Space", SerialParity::Space}};
  std::string t(text);
  for (const auto& n : kNames) {
    if (::strcasecmp(t.c_str(), n.name) == 0) return n.parity;
  }
  return std::nullopt;
}

SerialStopBits StopBitsFromText(std::string_view text) {
  if (text == "1.5") return SerialStopBits::OneAndHalf;
  if (text == "2") return SerialStopBits::Two;
  return SerialStopBits::One;
}

int DataBitsFromNumber(int number) { return number >= 5 && number <= 8 ? number : 8; }

void ApplyStoredLineSettings(const RegistrySettings& settings, SerialLineSettings* line) {
  if (auto speed = settings.TryReadText("Speed")) line->baud = std::atoi(speed->c_str());
  if (auto stop = settings.TryReadText("StopBits")) line->stopBits = StopBitsFromText(*stop);
  if (auto parity = settings.TryReadText("Parity")) {
    if (auto p = ParityFromText(*parity)) line->parity = *p;
  }
  if (auto bits = settings.TryReadText("DataBits")) line->dataBits = DataBitsFromNumber(std::atoi(bits->c_str()));
}

void ApplyFixedLineSettings(SerialLineSettings* line) {
  line->raw = true;
  line->hardwareFlowControl = false;
  line->softwareFlowControl = false;
  line->dtrOn = true;
  line->rtsOn = true;
}

}  // namespace rovex
