// The settings file reader: any bytes must parse or be refused, never crash,
// and whatever parses must survive a write and a read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/settings_tree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string content(reinterpret_cast<const char*>(data), size);
  rovex::SettingsTree tree;
  std::string error;
  if (!tree.Parse(content, &error)) return 0;
  std::string once = tree.Serialise();
  rovex::SettingsTree again;
  if (!again.Parse(once, &error) || again.Serialise() != once) std::abort();
  return 0;
}
