#include <gtest/gtest.h>

#include <set>

#include "system_fixture.h"
#include "system/accelerator_table.h"
#include "system/command_ids.h"
#include "system/command_table.h"

namespace rovex {
namespace {

KeyPress Key(int code, const std::string& text = "", bool ctrl = false, bool shift = false) {
  KeyPress k;
  k.virtualKey = code;
  k.text = text;
  k.ctrl = ctrl;
  k.shift = shift;
  return k;
}

// One case per way a key is matched: virtual key, letter, typed character with
// its OEM or numeric-pad code, modifiers that must or must not be held.
TEST(Accelerators, KeysRunTheirCommands) {
  struct Case {
    const char* legend;
    KeyPress key;
    std::optional<int> command;
  };
  const std::vector<Case> cases = {
      {"F5 virtual key", Key(vk::F(5)), cmd::kNextView},
      {"V letter", Key('V'), cmd::kNextView},
      {"comma typed on its OEM key", Key(0xBC, ","), cmd::kViewRoute},
      {"4 typed", Key('4', "4"), cmd::kWindow600x480},
      {"minus typed", Key(0xBD, "-"), cmd::kToolZoomOut},
      {"numeric-pad minus", Key(vk::kSubtract, "-"), cmd::kToolZoomOut},
      {"plus typed with shift", Key(0xBB, "+", false, true), cmd::kToolZoomIn},
      {"S start", Key('S'), cmd::kStart},
      {"Ctrl+S save", Key('S', "", true), cmd::kFileSave},
      {"Escape", Key(vk::kEscape), cmd::kEscape},
      {"Shift+V is not V", Key('V', "", false, true), std::nullopt},
      {"Ctrl+V is nothing", Key('V', "", true), std::nullopt},
      {"A is nothing", Key('A'), std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(TranslateAccelerator(c.key), c.command) << c.legend;

  // A key whose command is missing is no command at all; the others still work.
  auto available = [](int id) { return id != cmd::kToolZoomOut; };
  EXPECT_EQ(TranslateAccelerator(Key(vk::kSubtract, "-"), available), std::nullopt);
  EXPECT_EQ(TranslateAccelerator(Key(vk::F(5)), available), std::optional<int>(cmd::kNextView));
}

TEST(CommandTable, IdsAreUniqueAndEveryHandledCommandIsReachable) {
  std::set<int> reachable;
  size_t items = 0;
  for (const MenuDefinition& menu : MenuTable()) {
    for (const MenuCommand& item : menu.items) {
      reachable.insert(item.id);
      ++items;
    }
  }
  EXPECT_EQ(reachable.size(), items) << "a menu id is used twice";
  // Toolbar buttons that repeat a menu item show its prompt.
  EXPECT_EQ(CommandPrompt(cmd::kToolStart), CommandPrompt(cmd::kStart));
  EXPECT_FALSE(CommandPrompt(cmd::kToolStart).empty());

  for (const Accelerator& a : AcceleratorTable()) reachable.insert(a.command);
  for (int id : {cmd::kToolStart, cmd::kToolStop, cmd::kToolZoomIn, cmd::kToolZoomOut, cmd::kToolMark,
                 cmd::kToolDayColours, cmd::kToolNightColours}) {
    reachable.insert(id);
  }
  testing::SystemFixture f;
  RovexSystem& s = f.Start();
  for (int id = 30000; id < 60000; ++id) {
    if (s.HasCommand(id)) {
      EXPECT_TRUE(reachable.count(id)) << id;
    }
  }
  EXPECT_FALSE(s.RunCommand(cmd::kConvertSrtm)) << "a command without a handler does nothing";
}

}  // namespace
}  // namespace rovex
