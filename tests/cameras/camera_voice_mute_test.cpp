#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cameras/camera_voice.h"
#include "camera_fixture.h"

namespace rovex {
namespace {

using Files = std::vector<std::string>;

// Warnings still waiting their turn when the driver mutes are dropped: the
// confirmation is the last thing heard, and unmuting plays only its own.
TEST(CameraVoiceMute, MutingDropsWarningsStillWaiting) {
  testing::CameraFixture f;
  CameraVoice voice(f.settings, &f.voice);
  voice.AnnounceDistance(1000);
  voice.AnnounceDistance(900);
  voice.ToggleMute();
  EXPECT_EQ(f.voice.Waiting(), (Files{"Mute.wav"}));
  EXPECT_EQ(f.voice.Silences(), 1);

  voice.AnnounceDistance(800);
  voice.ToggleMute();
  EXPECT_EQ(f.voice.Waiting(), (Files{"Mute.wav", "Unmute.wav"})) << "unmuting drops nothing";
  voice.AnnounceDistance(700);
  EXPECT_EQ(f.voice.Waiting(), (Files{"Mute.wav", "Unmute.wav", "700.wav"}));
  EXPECT_EQ(f.voice.Files(), (Files{"1000.wav", "900.wav", "Mute.wav", "Unmute.wav", "700.wav"}));
}

}  // namespace
}  // namespace rovex
