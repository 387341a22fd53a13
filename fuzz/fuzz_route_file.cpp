// The route file reader and everything that then works on what it read: any
// bytes must read without a fault, the stored texts must keep their widths,
// and following, labelling and listing the route must not fault either.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "nmea/c_number.h"
#include "platform/memory_settings_store.h"
#include "routes/route_file.h"
#include "routes/route_follower.h"
#include "routes/route_labels.h"
#include "routes/route_list_model.h"
#include "routes/route_line.h"
#include "routes/route_voice.h"

#include "fuzz_input_file.h"

namespace {

const std::string& FilePath() {
  static const std::string path = rovex_fuzz::MakeFolder("route") + "/route.csv";
  return path;
}

class CountingSpeech final : public rovex::SpeechOutput {
 public:
  void Speak(std::string_view text) override {
    if (text.size() > 4 * rovex::kSpokenCharacterLimit) std::abort();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = FilePath();
  if (!rovex_fuzz::WriteInput(path, data, size)) return 0;

  rovex::Route route;
  if (rovex::ReadRouteFile(path, &route) != rovex::RouteReadResult::Read) std::abort();
  if (route.spokenTitle.size() > rovex::kRouteTitleLimit || route.spokenTitle.rfind("Route ", 0) != 0) std::abort();
  for (const rovex::RoutePoint& p : route.points) {
    if (p.longitude.size() > 9 || p.latitude.size() > 9) std::abort();
    if ((p.desc1 && p.desc1->empty()) || (p.desc2 && p.desc2->empty())) std::abort();
  }
  for (const std::string& name : route.exclusions) {
    if (name.empty() || name.front() == ':' || name.back() == ' ') std::abort();
  }

  rovex::MemorySettingsStore store;
  rovex::RegistrySettings settings(store, nullptr);
  settings.WriteNumberSetting("RouteUseMSAgent", 1);
  CountingSpeech speech;
  rovex::RouteVoice voice(settings, &speech);
  rovex::RouteFollower follower(settings, voice);
  rovex::GpsFix fix;
  fix.latitude = 51.5;
  fix.longitude = -1.0;
  for (int pass = 0; pass < 3; ++pass) {
    follower.SayNearestNow();
    rovex::RouteFollowPass result = follower.Follow(&route, fix);
    for (const rovex::MeasuredRoutePoint& m : result.measured) {
      if (m.index >= route.points.size()) std::abort();
      rovex::RoutePointLabel(m.number, route.points[m.index], {true, true, true});
    }
    if (auto nearest = follower.NearestRoutePoint(); nearest && *nearest >= route.points.size()) std::abort();
    fix.latitude += 0.001;
  }
  rovex::RouteListRows(&route, fix.latitude, fix.longitude);
  return 0;
}
