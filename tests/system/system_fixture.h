#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "platform/memory_settings_store.h"
#include "platform/services.h"
#include "settings/settings_reset.h"
#include "support/fake_canvas_factory.h"
#include "support/nmea_checksum.h"
#include "support/fake_clipboard.h"
#include "support/fake_clock.h"
#include "support/fake_prompt.h"
#include "support/fake_serial_port.h"
#include "support/fake_view_host.h"
#include "support/recording_canvas.h"
#include "support/recording_poster.h"
#include "support/recording_speech.h"
#include "system/camera_feature.h"
#include "system/rovex_system.h"

// A running system on default settings with a recording window, for the view tests.

namespace rovex::testing {

struct SystemFixture {
  MemorySettingsStore store;
  FakePrompt prompt;
  FakeCanvasFactory canvasFactory;
  RecordingPoster poster;
  FakeSerialPorts ports;
  FakeClock clock{FakeClock::Utc(2024, 5, 17, 12, 0, 0)};
  FakeClipboard clipboard;
  RecordingSpeech speech;
  FakeViewHost host;
  RecordingCanvas canvas{800, 600};
  std::unique_ptr<RovexSystem> system;

  explicit SystemFixture(bool defaults = true) {
    if (defaults) {
      SettingsReset(store, prompt, "/data").CheckRegistry(false);
      prompt.shown.clear();
    }
  }

  RovexSystem& Start() {
    Services services;
    services.store = &store;
    services.prompt = &prompt;
    services.canvas = &canvasFactory;
    services.poster = &poster;
    services.serialPorts = &ports;
    services.clock = &clock;
    services.clipboard = &clipboard;
    services.speech = &speech;
    system = std::make_unique<RovexSystem>(services, host);
    host.onRepaint = [this] { system->DrawingPass(canvas); };
    return *system;
  }
};

inline CameraSteps& CamerasOf(RovexSystem& system) { return system.Get<CameraFeature>().Steps(); }

// NMEA with a correct checksum.
inline std::string Sentence(const std::string& body) { return WithChecksum(body); }

// A GGA at 51.384222,-1.337132 (the test position of "Do a ondraw") at 12:00:SS.
inline std::string GgaHere(int second = 0) {
  char body[100];
  std::snprintf(body, sizeof body, "GPGGA,1200%02d.00,5123.05334,N,00120.22792,W,1,08,0.9,100.0,M,47.0,M,,", second);
  return Sentence(body);
}

}  // namespace rovex::testing
