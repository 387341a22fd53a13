// What gpsd or a network peer sends, and the port names that choose a source:
// the gpsd filter must never pass a line that begins with "{", and every line
// assembled from its output obeys the reader's limits; a name that parses must
// come back the same from its canonical form.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "nmea/line_assembler.h"
#include "platform/gpsd_stream_filter.h"
#include "platform/network_source_address.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rovex::GpsdStreamFilter filter;
  rovex::LineAssembler assembler;
  bool lineStart = true;
  for (size_t i = 0; i < size; ++i) {
    if (!filter.Keep(data[i])) continue;
    if (lineStart && data[i] == '{') std::abort();
    lineStart = data[i] == '\n' || (lineStart && data[i] == '\r');
    if (assembler.Feed(data[i]) && assembler.Line().size() > rovex::LineAssembler::kMaxLine) std::abort();
  }

  std::string_view name(reinterpret_cast<const char*>(data), size < 300 ? size : 300);
  if (auto address = rovex::ParseNetworkSource(name)) {
    if (address->port < 1 || address->port > 65535) std::abort();
    if (rovex::ParseNetworkSource(address->Name()) != address) std::abort();
    if (!rovex::LooksLikeNetworkSource(name)) std::abort();
  }
  return 0;
}
