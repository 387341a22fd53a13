#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cameras/camera_exclude_names.h"
#include "routes/route_file_dialog_model.h"
#include "routes/route_labels.h"
#include "routes/route_list_model.h"
#include "routes/route_options_model.h"
#include "routes/route_picker_model.h"
#include "routes/route_speech_options_model.h"
#include "routes/route_voice.h"
#include "routes/snap_to_route.h"
#include "route_fixture.h"

namespace rovex {
namespace {

using testing::RouteFromText;

class RouteModels : public ::testing::Test, public testing::RouteFixture {};

TEST_F(RouteModels, VoiceSpeaksRouteTextsOnlyWhenDirectionsAreOn) {
  RouteVoice voice(settings, &speech);
  SetNumber("RouteUseMSAgent", 0);
  voice.SpeakRouteText("Bridge 300 metres");
  voice.SpeakTestPhrase();
  voice.ToggleDirections();
  voice.SpeakRouteText("Bridge 150 metres");
  voice.SpeakRouteText(std::string(300, 'a'));
  voice.SpeakRouteText("Caf\xe9");  // Latin-1 from an 8-bit file
  voice.SpeakRouteText("");
  voice.ToggleDirections();
  voice.SpeakRouteText("Bridge 100 metres");
  EXPECT_EQ(speech.Texts(), (std::vector<std::string>{RouteVoice::kTestPhrase, "Route on", "Bridge 150 metres",
                                                      std::string(249, 'a'), "Caf\xc3\xa9", "Route off"}));
  EXPECT_EQ(store.Read(kRovexKey, "RouteUseMSAgent").value.number, 0u);
  store.SetWritesFail(true);
  voice.ToggleDirections();
  EXPECT_EQ(speech.Texts().back(), "Error failed to set route registry value");
}

TEST_F(RouteModels, RouteOptionsReadAndWriteTheFiveFlags) {
  RouteOptionsModel::Values v = RouteOptionsModel::Open(settings, &prompt);
  EXPECT_TRUE(v.pointNumber && v.text1 && v.text2 && v.excludeCameras && v.sayExcluded);
  EXPECT_TRUE(prompt.Texts().empty());
  RouteOptionsModel::Ok(settings, {true, false, true, false, true});
  RouteDisplayFlags flags = ReadRouteDisplayFlags(settings);
  EXPECT_TRUE(flags.number);
  EXPECT_FALSE(flags.text1);
  EXPECT_EQ(settings.ReadFlagSetting("Exclude"), 0);

  SetNumber("DisplayRouteText2", 7);
  store.Delete(kRovexKey, "SayExcluded");
  v = RouteOptionsModel::Open(settings, &prompt);
  EXPECT_FALSE(v.text2);  // ticked only for exactly 1
  EXPECT_FALSE(v.sayExcluded);
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{RouteOptionsModel::kReadError});
}

TEST_F(RouteModels, SpeechOptionsKeepOneTimingAndWriteTheSwitchAtOnce) {
  RouteSpeechOptionsModel dlg(settings, &prompt);
  dlg.Open();
  EXPECT_TRUE(dlg.enabled);
  EXPECT_TRUE(dlg.country);
  dlg.TickTiming(RouteSpeechOptionsModel::Timing::Town);
  EXPECT_FALSE(dlg.country);
  dlg.ClickEnable();
  EXPECT_EQ(settings.ReadFlagSetting("RouteUseMSAgent"), 0);  // before OK
  std::string acs = store.Read(kRovexKey, "MSAgentACS").value.text;
  dlg.Ok();
  EXPECT_EQ(store.Read(kRovexKey, "MSAgentACS").value.text, acs);
  EXPECT_EQ(settings.ReadFlagSetting("RouteTown"), 1);
  EXPECT_EQ(settings.ReadFlagSetting("RouteCountry"), 0);
  EXPECT_EQ(settings.ReadFlagSetting("RouteUseMSAgent"), 0);
}

TEST_F(RouteModels, RouteFileDialog) {
  RouteFileDialogModel dlg(settings, &prompt);
  settings.WriteTextSetting("RouteName", "/r/old.csv");
  dlg.Open();
  EXPECT_EQ(dlg.path, "/r/old.csv");
  prompt.QueueFile(std::nullopt);
  dlg.Browse();
  EXPECT_EQ(dlg.path, "/r/old.csv");
  prompt.QueueFile("/r/new.txt");
  dlg.Browse();
  EXPECT_EQ(prompt.fileDialogFilters.back(), RouteFileDialogModel::kFilter);
  ASSERT_TRUE(dlg.Ok());
  EXPECT_EQ(settings.TryReadText("RouteName"), "/r/new.txt");
}

TEST_F(RouteModels, RouteListRowsAndHeading) {
  EXPECT_EQ(RouteListRows(nullptr, 51.5, -1.0), (std::vector<std::vector<std::string>>{{"Route list is empty"}}));
  Route route = RouteFromText("-1.0,51.51,A,a\n-1.01,51.5\n");
  auto rows = RouteListRows(&route, 51.5, -1.0);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"1", "1.109 km", "51.51", "-1.0", "A", "a"}));
  EXPECT_EQ(rows[1][1], "1.113 km");  // no cosine of the latitude in this column
  EXPECT_EQ(RouteListRows(&route, 0.0, -1.0)[0][1], "");
  Route none = RouteFromText(";only a title\n");
  EXPECT_TRUE(RouteListRows(&none, 51.5, -1.0).empty());

  dir.Write("r.csv", ";" + std::string(200, 'n') + "\n;second\n");
  settings.WriteTextSetting("RouteName", dir.File("r.csv"));
  RouteListHeading heading = ReadRouteListHeading(settings);
  EXPECT_EQ(heading.fileName, dir.File("r.csv"));
  EXPECT_EQ(heading.routeName, std::string(159, 'n'));
  dir.Write("r.csv", "-1,51\n");
  EXPECT_EQ(ReadRouteListHeading(settings).routeName, "No route name");

  EXPECT_EQ(ExcludeListRows(CameraExcludeNames()), std::vector<std::string>{"There are no excluded cameras."});
  EXPECT_EQ(ExcludeListRows(CameraExcludeNames({"GATSO", "SPECS"})), (std::vector<std::string>{"SPECS", "GATSO"}));
}

TEST_F(RouteModels, PickerSlots) {
  dir.Write("home.csv", ";Home\n;Work\n-1,51,A\n");
  dir.Write("plain.txt", "-1,51,A\n");
  settings.WriteTextSetting("RoutePick1", dir.File("home.csv"));
  settings.WriteTextSetting("RoutePick2", dir.File("none.csv"));
  store.Delete(kRovexKey, "RoutePick3");
  RoutePickerModel dlg(settings, &prompt);
  dlg.Open();
  EXPECT_EQ(dlg.Entries()[0], "Work");
  EXPECT_EQ(dlg.Entries()[1], "No file");
  EXPECT_EQ(dlg.Entries()[2], "No file");
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Unable read the RoutePick3 file name from the registry."});

  prompt.QueueFile(dir.File("plain.txt"));
  dlg.Change(2);
  EXPECT_EQ(prompt.fileDialogFilters.back(), RoutePickerModel::kChangeFilter);
  EXPECT_EQ(settings.TryReadText("RoutePick2"), dir.File("plain.txt"));
  EXPECT_EQ(dlg.Entries()[1], "");

  struct Key {
    std::string typed;
    int selection;
    bool closed;
    int picked;
  };
  for (const Key& k : std::vector<Key>{{"x", 3, false, 0}, {"7", -1, true, 7}, {"o", 4, true, 5},
                                       {"O", -1, true, 0}, {"c", 4, true, 0}, {"", 2, false, 0}}) {
    RoutePickerModel picker(settings, &prompt);
    picker.KeyTyped(k.typed, k.selection);
    EXPECT_EQ(picker.Closed(), k.closed) << k.typed;
    EXPECT_EQ(picker.Picked(), k.picked) << k.typed;
  }

  EXPECT_EQ(UsePickedRoute(settings, &prompt, 0), std::nullopt);
  EXPECT_EQ(UsePickedRoute(settings, &prompt, 1), dir.File("home.csv"));
  EXPECT_EQ(settings.TryReadText("RouteName"), dir.File("home.csv"));
  EXPECT_EQ(UsePickedRoute(settings, &prompt, 3), std::nullopt);  // RoutePick3 unreadable
  EXPECT_EQ(settings.TryReadText("RouteName"), dir.File("home.csv"));
}

TEST_F(RouteModels, SnapVisitsEveryStoredPoint) {
  std::vector<std::pair<double, double>> visited;
  auto visit = [&](double lat, double lon) { visited.emplace_back(lat, lon); };
  settings.WriteTextSetting("RouteName", "");
  EXPECT_FALSE(SnapToRoute(settings, &prompt, visit));
  settings.WriteTextSetting("RouteName", dir.File("none.csv"));
  EXPECT_FALSE(SnapToRoute(settings, &prompt, visit));
  EXPECT_EQ(prompt.Texts().back().rfind("Error can't open the route file\n" + dir.File("none.csv"), 0), 0u);

  dir.Write("r.csv", ";t\n:GATSO\n-1.2345678,51.4,A\n0,51,B\n-1.5,51.5");
  settings.WriteTextSetting("RouteName", dir.File("r.csv"));
  EXPECT_TRUE(SnapToRoute(settings, &prompt, visit));
  EXPECT_EQ(visited, (std::vector<std::pair<double, double>>{{51.4, -1.2345678}, {51.5, -1.5}}));
}

}  // namespace
}  // namespace rovex
