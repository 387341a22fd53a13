// One full camera-view frame at 800x600 on the Qt canvas (both text panels,
// the symbol row, every panel of the view, 200 cameras on the radar, a full
// 5000-point track ring, the sentence strip), beside a baseline that only
// clears the same image. Target: a frame within 4 ms.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

#include "cameras/camera_record.h"
#include "nmea/distance.h"
#include "gps/track_ring.h"
#include "qtplatform/qt_canvas.h"
#include "qtplatform/qt_canvas_factory.h"
#include "views/camera_view.h"

namespace {

using namespace rovex;

constexpr double kLat = 51.384223;
constexpr double kLon = -1.337132;
constexpr double kRadius = 4000.0;

QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "bench_camera_view";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = [] {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return new QGuiApplication(argc, argv);
  }();
  return *app;
}

struct Scene {
  std::vector<CameraRecord> cameras;
  std::unique_ptr<TrackRing> track;
  CameraViewData data;
  QtCanvasFactory bitmaps;

  Scene() {
    std::mt19937 random(42);
    std::uniform_real_distribution<double> offset(-0.9 * kRadius, 0.9 * kRadius);
    const char* types[] = {"GATSO", "MOBILE", "SPECS", "REDLIGHT", "TRUVELO", "MONITRON", "REDSPEED", "TEMPORARY", "X"};
    for (int i = 0; i < 200; ++i) {
      // The first nine lie within 250 m, one of each type, so the whole symbol row is drawn.
      double north = i < 9 ? 20.0 * i : offset(random);
      double east = i < 9 ? -15.0 * i : offset(random);
      double lat = kLat + north / MetresPerDegreeLat;
      double lon = kLon + east / (std::cos(lat * DegToRad) * MetresPerDegreeLon);
      char text[32];
      CameraRecord r;
      std::snprintf(text, sizeof text, "%.6f", lat);
      r.Latitude = std::string(text);
      std::snprintf(text, sizeof text, "%.6f", lon);
      r.Longitude = std::string(text);
      r.CamType = types[i % 9];
      cameras.push_back(r);
    }
    // A full ring: a winding drive that stays on the radar.
    track = TrackRing::Create(5000);
    for (int i = 0; i <= 5000; ++i) {
      double a = i * 0.01;
      double north = 3000.0 * std::sin(a * 0.7);
      double east = 3000.0 * std::cos(a * 1.3);
      track->Add(kLat + north / MetresPerDegreeLat, kLon + east / (std::cos(kLat * DegToRad) * MetresPerDegreeLon));
    }
    data.fix.latitude = kLat;
    data.fix.longitude = kLon;
    data.fix.speedKnots = 38.0;
    data.fix.utcHour = 12;
    data.fix.utcMinute = 25;
    data.fix.utcSecond = 17;
    data.cameras = &cameras;
    data.distanceLine = "185m GATSO";
    data.specsLine = "Average speed 43 mph";
    data.speedLimitText = "40";
    data.roadText = "A339";
    data.townText = "Newbury";
    data.camTypeText = "GATSO";
    data.hazardText = "Southbound, hidden behind the bridge before the lights";
    data.track = track.get();
    data.displayTrack = true;
    data.mapRadius = kRadius;
    data.colours = DisplayColours{{0x00, 0xe5, 0x98}, kBlack, kWhite};
    data.sentence = "$GPRMC,122517.0,A,5123.03664,N,00119.11388,W,000.0,226.6,170606,05.7,W,A*3B";
    data.sentencePending = true;
  }
};

void BM_ClearOnly(benchmark::State& state) {
  App();
  QImage image(800, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    QtCanvas canvas(&image);
    canvas.SelectPen(Pen{Rgb{190, 190, 190}});
    canvas.SelectBrush(Brush{kWhite});
    canvas.Rectangle(0, 0, 800, 600);
    benchmark::DoNotOptimize(canvas.GetPixel(400, 300));
  }
}
BENCHMARK(BM_ClearOnly)->Unit(benchmark::kMillisecond);

void BM_CameraViewFrame(benchmark::State& state) {
  App();
  Scene scene;
  QImage image(800, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    QtCanvas canvas(&image);
    canvas.SelectPen(Pen{Rgb{190, 190, 190}});
    canvas.SelectBrush(Brush{kWhite});
    canvas.Rectangle(0, 0, 800, 600);
    camera_view::DrawCommonPanels(canvas, scene.data, &scene.bitmaps);
    camera_view::DrawCameraView(canvas, scene.data);
    benchmark::DoNotOptimize(canvas.GetPixel(400, 300));
  }
  state.counters["cameras"] = static_cast<double>(scene.cameras.size());
  state.counters["track_points"] = scene.track->SlotCount();
}
BENCHMARK(BM_CameraViewFrame)->Unit(benchmark::kMillisecond);

}  // namespace
