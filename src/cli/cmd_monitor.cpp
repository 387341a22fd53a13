#include <csignal>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

#include "cli/cli_command.h"
#include "cli/console_prompt.h"
#include "gps/com_settings_dlg.h"
#include "gps/direct_ui_calls.h"
#include "gps/gps_input.h"
#include "gps/pipeline_steps.h"
#include "gps/sentence_pipeline.h"
#include "platform/file_settings_store.h"
#include "platform/memory_settings_store.h"
#include "platform/network_source_address.h"
#include "platform/posix_serial_ports.h"
#include "platform/serial_device_name.h"
#include "settings/registry_settings.h"
#include "settings/settings_table.h"

namespace rovex::cli {
namespace {

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int) { g_interrupted = 1; }

// Stands in for the window: wakes the command's loop when the reader posts.
class MonitorPoster final : public MessagePoster {
 public:
  void Post(uint32_t message, uintptr_t, intptr_t) override {
    if (message != WM_GPS_SENTENCE) return;
    std::lock_guard lock(m_mutex);
    m_posted = true;
    m_changed.notify_all();
  }
  // True when a sentence was posted; false after the time-out.
  bool Wait(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    bool posted = m_changed.wait_for(lock, timeout, [&] { return m_posted; });
    m_posted = false;
    return posted;
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  bool m_posted = false;
};

// The monitor looks at the receiver only: no cameras.
class NoCameras final : public PipelineSteps {
 public:
  bool ListBeingRebuilt() const override { return false; }
  bool RebuildLists(const GpsFix&) override { return false; }
  void UpdateForFix(const GpsFix&) override {}
};

// SIGINT and SIGTERM end the loop; the previous handlers come back afterwards.
class InterruptScope {
 public:
  InterruptScope() {
    g_interrupted = 0;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &m_oldInt);
    sigaction(SIGTERM, &action, &m_oldTerm);
  }
  ~InterruptScope() {
    sigaction(SIGINT, &m_oldInt, nullptr);
    sigaction(SIGTERM, &m_oldTerm, nullptr);
  }

 private:
  struct sigaction m_oldInt {};
  struct sigaction m_oldTerm {};
};

void PrintFix(std::FILE* out, const GpsFix& fix) {
  std::fprintf(out, "  fix %02u:%02u:%02u lat %.6f lon %.6f alt %.1f m speed %.1f knots course %.1f\n",
               static_cast<unsigned>(fix.utcHour), static_cast<unsigned>(fix.utcMinute),
               static_cast<unsigned>(fix.utcSecond), fix.latitude, fix.longitude, fix.altitude, fix.speedKnots,
               fix.courseDegrees);
}

int Usage(CliContext& ctx) {
  std::fprintf(ctx.err,
               "usage: rovex-cli monitor [--port PORT] [--speed BAUD] [--count N] [--any-talker]\n"
               "  PORT: Com1, ttyUSB0, /dev/..., gpsd, gpsd://HOST[:PORT], tcp://HOST:PORT, udp://[HOST]:PORT\n");
  return 2;
}

}  // namespace

int CmdMonitor(const std::vector<std::string>& args, CliContext& ctx) {
  std::string port;
  std::string speed;
  long count = 0;
  bool havePort = false;
  bool haveSpeed = false;
  bool anyTalker = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--any-talker") {
      anyTalker = true;
      continue;
    }
    if (i + 1 >= args.size()) return Usage(ctx);
    const std::string& value = args[++i];
    if (a == "--port") {
      port = value;
      havePort = true;
    } else if (a == "--speed") {
      speed = value;
      haveSpeed = true;
    } else if (a == "--count") {
      char* end = nullptr;
      count = std::strtol(value.c_str(), &end, 10);
      if (value.empty() || *end != '\0' || count < 1) return Usage(ctx);
    } else {
      return Usage(ctx);
    }
  }

  FileSettingsStore fileStore(FileSettingsStore::DefaultPath());
  if (std::string damage = fileStore.TakeDamageReport(); !damage.empty()) {
    std::fprintf(ctx.err, "rovex-cli: %s\n", damage.c_str());
  }
  // Overrides go into a copy of the port settings; the user's settings stay as they are.
  MemorySettingsStore overrides;
  SettingsStore* store = &fileStore;
  if (havePort || haveSpeed) {
    for (const char* name : {"Port", "Speed", "Parity", "StopBits", "DataBits", CComSettingsDlg::kAnyTalkerSetting}) {
      SettingRead r = fileStore.Read(kRovexKey, name);
      if (r.status == ReadStatus::Ok) overrides.Write(kRovexKey, name, r.value);
    }
    if (havePort) overrides.Write(kRovexKey, "Port", SettingValue::Text(port));
    if (haveSpeed) overrides.Write(kRovexKey, "Speed", SettingValue::Text(speed));
    store = &overrides;
  }

  InterruptScope interrupts;
  ConsolePrompt prompt(ctx.err);
  PosixSerialPorts ports;
  MonitorPoster poster;
  DirectUiCalls ui;
  GpsInput input(ports, *store, prompt, poster, ui);
  NoCameras cameras;
  SentencePipeline pipeline(input.HandOff().mailbox, cameras);
  pipeline.Parser().SetAnyTalker(anyTalker || CComSettingsDlg::StoredAnyTalker(*store));

  RegistrySettings portSetting(*store, nullptr);
  std::string device = SerialDeviceName(portSetting.TryReadText("Port", 299).value_or(""));
  if (LooksLikeNetworkSource(device)) {
    std::fprintf(ctx.err, "rovex-cli: connecting to %s\n", device.c_str());
  } else {
    std::fprintf(ctx.err, "rovex-cli: opening the port (the receiver gets four seconds to settle)\n");
  }
  if (input.StartBlocking() != 1) return 1;
  std::fprintf(ctx.err, "rovex-cli: reading; Ctrl-C ends\n");

  long shown = 0;
  while (!g_interrupted && (count == 0 || shown < count)) {
    if (!poster.Wait(std::chrono::milliseconds(100))) continue;
    if (!input.HandOff().mailbox.SentencePending()) continue;
    pipeline.OnGpsSentence(nullptr);
    std::fprintf(ctx.out, "%s\n", input.HandOff().mailbox.SharedSentence());
    PrintFix(ctx.out, pipeline.Fix());
    std::fflush(ctx.out);
    ++shown;
  }
  input.Stop();
  std::fprintf(ctx.err, "rovex-cli: %ld sentences\n", shown);
  return 0;
}

}  // namespace rovex::cli
