#pragma once

#include <cstdio>
#include <string>

#include "platform/memory_settings_store.h"
#include "routes/route_file.h"
#include "settings/registry_settings.h"
#include "settings/settings_reset.h"
#include "settings/settings_table.h"
#include "support/fake_prompt.h"
#include "support/recording_speech.h"
#include "support/temp_dir.h"

namespace rovex::testing {

// A route read from text, as from a file.
inline Route RouteFromText(const std::string& text) {
  Route route;
  std::FILE* f = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), f);
  std::rewind(f);
  ReadRouteStream(f, &route);
  std::fclose(f);
  return route;
}

// Settings as a fresh installation has them, a prompt and a recording voice.
struct RouteFixture {
  RouteFixture() {
    SettingsReset(store, prompt, "/data").CheckRegistry(false);
    prompt.shown.clear();  // the reset's own message
  }
  void SetNumber(const char* name, uint32_t value) { settings.WriteNumberSetting(name, value); }

  MemorySettingsStore store;
  FakePrompt prompt;
  RegistrySettings settings{store, &prompt};
  RecordingSpeech speech;
  TempDir dir;
};

}  // namespace rovex::testing
