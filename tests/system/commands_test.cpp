#include <gtest/gtest.h>

#include <set>

#include "system_fixture.h"
#include "system/accelerator_table.h"
#include "system/command_ids.h"
#include "system/command_table.h"

namespace rovex {
namespace {

KeyPress Virtual(int code, bool ctrl = false, bool shift = false) {
  KeyPress k;
  k.virtualKey = code;
  k.ctrl = ctrl;
  k.shift = shift;
  return k;
}

KeyPress Typed(const std::string& text, int code = 0) {
  KeyPress k;
  k.virtualKey = code;
  k.text = text;
  return k;
}

TEST(Accelerators, KeysRunTheirCommands) {
  struct Case {
    const char* legend;
    KeyPress key;
    std::optional<int> command;
  };
  const std::vector<Case> cases = {
      {"F5", Virtual(vk::F(5)), cmd::kNextView},
      {"V", Virtual('V'), cmd::kNextView},
      {"F6", Virtual(vk::F(6)), cmd::kViewCameraMap},
      {"B", Virtual('B'), cmd::kViewCameraMap},
      {"F7 POI directly", Virtual(vk::F(7)), cmd::kPoiDirect},
      {"N POI toggle", Virtual('N'), cmd::kViewPoi},
      {"F8 route directly", Virtual(vk::F(8)), cmd::kRouteDirect},
      {"comma route toggle", Typed(",", 0xBC), cmd::kViewRoute},
      {"F9 compass", Virtual(vk::F(9)), cmd::kViewCompass},
      {"full stop pointer", Typed(".", 0xBE), cmd::kViewPointer},
      {"T track editor", Virtual('T'), cmd::kViewTrackEditor},
      {"slash trail", Typed("/", 0xBF), cmd::kViewTrail},
      {"4 typed", Typed("4", '4'), cmd::kWindow600x480},
      {"6 typed", Typed("6", '6'), cmd::kWindow800x600},
      {"7 typed", Typed("7", '7'), cmd::kWindow800x700},
      {"F3", Virtual(vk::F(3)), cmd::kToolZoomOut},
      {"minus typed", Typed("-", 0xBD), cmd::kToolZoomOut},
      {"numeric-pad minus", Typed("-", vk::kSubtract), cmd::kToolZoomOut},
      {"F4", Virtual(vk::F(4)), cmd::kToolZoomIn},
      {"plus typed with shift", [] { KeyPress k = Typed("+", 0xBB); k.shift = true; return k; }(), cmd::kToolZoomIn},
      {"numeric-pad plus", Typed("+", vk::kAdd), cmd::kToolZoomIn},
      {"S start", Virtual('S'), cmd::kStart},
      {"Ctrl+S save", Virtual('S', true), cmd::kFileSave},
      {"E stop", Virtual('E'), cmd::kStop},
      {"Q mute", Virtual('Q'), cmd::kMute},
      {"0 nearest waypoint", Typed("0", '0'), cmd::kSayNearestWaypoint},
      {"Escape", Virtual(vk::kEscape), cmd::kEscape},
      {"Shift+V is not V", Virtual('V', false, true), std::nullopt},
      {"Ctrl+V is nothing", Virtual('V', true), std::nullopt},
      {"A is nothing", Virtual('A'), std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(TranslateAccelerator(c.key), c.command) << c.legend;
}

TEST(Accelerators, KeysOfMissingCommandsFallThroughToTheCharacter) {
  // With zoom unavailable the numeric-pad minus is not a command at all; the
  // typed minus then has nothing to run either.
  auto available = [](int id) { return id != cmd::kToolZoomOut; };
  EXPECT_EQ(TranslateAccelerator(Typed("-", vk::kSubtract), available), std::nullopt);
  EXPECT_EQ(TranslateAccelerator(Virtual(vk::F(5)), available), std::optional<int>(cmd::kNextView));
}

TEST(CommandTable, IdsAreUniqueAndPromptsAreExact) {
  std::set<int> ids;
  size_t items = 0;
  for (const MenuDefinition& menu : MenuTable()) {
    for (const MenuCommand& item : menu.items) {
      ids.insert(item.id);
      ++items;
    }
  }
  EXPECT_EQ(ids.size(), items);
  EXPECT_EQ(MenuTable().size(), 14u);
  EXPECT_EQ(MenuTable().front().title, "&File");
  EXPECT_EQ(MenuTable().back().title, "&Help");
  ASSERT_NE(FindMenuCommand(cmd::kDoAnOndraw), nullptr);
  EXPECT_EQ(FindMenuCommand(cmd::kDoAnOndraw)->text, "&Do a ondraw");
  EXPECT_EQ(CommandPrompt(cmd::kViewRovexToolbar), "Displays the ROVEX toolbar");
  EXPECT_EQ(CommandPrompt(cmd::kWindow800x700), "Set window size to 800 by 700 (shows nmea strings)");
  EXPECT_EQ(CommandPrompt(cmd::kOptionsRouteSpeech), "Set timing for speaking the route points. ");
  // Toolbar buttons that repeat a menu item show its prompt.
  EXPECT_EQ(CommandPrompt(cmd::kToolStart), "Opens the comm port and reads nmea data from your GPS");
  EXPECT_EQ(CommandPrompt(cmd::kToolNightColours), "Use the night time display colours");
  EXPECT_EQ(CommandTooltip(cmd::kViewTrackEditor), "Track Editor");
}

TEST(CommandTable, EveryCommandTheSystemRunsIsInTheMenusOrOnAKeyOrButton) {
  testing::SystemFixture f;
  RovexSystem& s = f.Start();
  std::set<int> reachable;
  for (const MenuDefinition& menu : MenuTable()) {
    for (const MenuCommand& item : menu.items) reachable.insert(item.id);
  }
  for (const Accelerator& a : AcceleratorTable()) reachable.insert(a.command);
  for (int id : {cmd::kToolStart, cmd::kToolStop, cmd::kToolZoomIn, cmd::kToolZoomOut, cmd::kToolMark,
                 cmd::kToolDayColours, cmd::kToolNightColours}) {
    reachable.insert(id);
  }
  for (int id = 30000; id < 60000; ++id) {
    if (s.HasCommand(id)) {
      EXPECT_TRUE(reachable.count(id)) << id;
    }
  }
  EXPECT_FALSE(s.RunCommand(cmd::kConvertSrtm)) << "a command without a handler does nothing";
}

}  // namespace
}  // namespace rovex
