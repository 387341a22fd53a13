#include <gtest/gtest.h>

#include <functional>

#include "support/fake_prompt.h"
#include "support/temp_dir.h"
#include "trackeditor/track_add_model.h"
#include "trackeditor/track_desc_model.h"
#include "trackeditor/track_display_model.h"
#include "trackeditor/track_editor_session.h"
#include "trackeditor/track_josm_load_model.h"
#include "trackeditor/track_osm_load_model.h"
#include "trackeditor/track_select_model.h"

namespace rovex::trackeditor {
namespace {

struct ScriptedDialogs final : TrackEditorDialogs {
  std::function<bool(TrackDescModel&)> desc = [](TrackDescModel&) { return false; };
  std::function<bool(TrackAddModel&)> add = [](TrackAddModel&) { return true; };
  std::function<bool(TrackDisplayModel&)> display = [](TrackDisplayModel&) { return true; };
  std::function<bool(TrackSelectModel&)> select = [](TrackSelectModel&) { return false; };
  bool Show(TrackDescModel& m) override { return desc(m); }
  bool Show(TrackAddModel& m) override { return add(m); }
  bool Show(TrackDisplayModel& m) override { return display(m); }
  std::function<bool(TrackJosmLoadModel&)> josm = [](TrackJosmLoadModel&) { return true; };
  bool Show(TrackSelectModel& m) override { return select(m); }
  std::function<bool(TrackOsmLoadModel&)> osm = [](TrackOsmLoadModel&) { return true; };
  bool Show(TrackJosmLoadModel& m) override { return josm(m); }
  bool Show(TrackOsmLoadModel& m) override { return osm(m); }
};

class Session : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("a.txt", "$GPGGA,1,5100.0,N,00100.0,W,1\n$GPGGA,2,5106.0,N,00106.0,W,1\n$GPGGA,3,5112.0,N,00112.0,W,1\n");
    dir.Write("b.txt", "$GPGGA,1,5000.0,N,00200.0,E,1\n");
    dir.Write("map.txt", ";ROVEX Track Editor\nMapDesc:Test\nzoom:10\nTrkDesc:A\nTrkPath:" + dir.File("a.txt") +
                             "\nTrkPath:" + dir.File("b.txt") + "\n");
  }
  testing::TempDir dir;
  testing::FakePrompt prompt;
  ScriptedDialogs dialogs;
  int redraws = 0;
  TrackEditorSession session{&prompt, dialogs, [this] { ++redraws; }};
};

TEST_F(Session, OpenLoadsAndFitsOnYes) {
  prompt.QueueFile(dir.File("map.txt"));
  prompt.QueueAnswer(MsgResult::Yes);
  session.Open();
  ASSERT_TRUE(session.Map());
  EXPECT_EQ(*session.Map()->MapFile, dir.File("map.txt"));
  EXPECT_EQ(prompt.Texts().back(), "Load and display all tracks ?");
  EXPECT_TRUE(session.Map()->TracksMem[0].Visible());
  EXPECT_EQ(session.Map()->TracksMem[1].points->points.size(), 1u);
  EXPECT_NEAR(session.View().leftLongitude, -1.2 - 3.2 / 10, 1e-9);
  EXPECT_EQ(session.View().startIndex, -1);
  EXPECT_GT(redraws, 0);
}

TEST_F(Session, FailedOpenForgetsTheFileSoSaveAsks) {
  dir.Write("notes.txt", "shopping list\n");
  prompt.QueueFile(dir.File("notes.txt"));
  prompt.QueueAnswer(MsgResult::Ok);
  session.Open();
  ASSERT_EQ(prompt.Texts().size(), 2u);
  EXPECT_EQ(prompt.Texts()[1], "shopping list\n") << "OK shows the line that was read";
  ASSERT_TRUE(session.Map());
  EXPECT_FALSE(session.Map()->MapFile);
  prompt.QueueFile(std::nullopt);
  session.Save();
  EXPECT_EQ(dir.Read("notes.txt"), "shopping list\n");
  EXPECT_EQ(prompt.saveDialogs.size(), 1u) << "Save went to Save As";
}

TEST_F(Session, SaveAsAsksBeforeReplacingAndSaveDoesNot) {
  ASSERT_TRUE(session.OpenFile(dir.File("map.txt"), false));
  session.Map()->modified = true;
  prompt.QueueFile(dir.File("b.txt"));
  prompt.QueueAnswer(MsgResult::No);
  session.SaveAs();
  EXPECT_EQ(prompt.Texts().back(), "The file already exists.\n\nDo you want to overwrite it ?");
  EXPECT_TRUE(session.Map()->modified);
  prompt.QueueFile(dir.File("copy.txt"));
  session.SaveAs();
  EXPECT_FALSE(session.Map()->modified);
  EXPECT_EQ(*session.Map()->MapFile, dir.File("copy.txt"));
  const std::size_t asked = prompt.Texts().size();
  session.Save();
  EXPECT_EQ(prompt.Texts().size(), asked);
  EXPECT_EQ(dir.Read("copy.txt"), dir.Read("map.txt"));
}

TEST_F(Session, RowsMapToTracksPastUnlistedEntries) {
  ASSERT_TRUE(session.OpenFile(dir.File("map.txt"), false));
  // An entry with neither description nor path is not listed.
  session.Map()->TracksMem.insert(session.Map()->TracksMem.begin(), TrackEntry{});
  dialogs.add = [&](TrackAddModel& m) {
    EXPECT_EQ(m.Rows().size(), 2u);
    EXPECT_EQ(m.Rows()[1].description, "None");
    EXPECT_TRUE(m.Remove({1}));
    EXPECT_FALSE(m.Remove({}));
    m.description = "";
    m.path = dir.File("a.txt");
    EXPECT_TRUE(m.Add());
    m.path = "/" + std::string(kMaxTrackPath, 'x');
    EXPECT_FALSE(m.Add()) << "a path that would not read back";
    return true;
  };
  session.AddRemove();
  const auto& tracks = session.Map()->TracksMem;
  ASSERT_EQ(tracks.size(), 3u);
  EXPECT_EQ(*tracks[1].path, dir.File("a.txt")) << "the listed row's own track went, b.txt";
  EXPECT_EQ(*tracks[1].description, "A");
  EXPECT_FALSE(tracks[2].description);
  EXPECT_TRUE(session.Map()->modified);
  EXPECT_NE(prompt.Texts()[0].find("No rows selected."), std::string::npos);
}

TEST_F(Session, VisibleNoneKeepsTracksAndHidesBackground) {
  ASSERT_TRUE(session.OpenFile(dir.File("map.txt"), true));
  session.Map()->TracksMem[1].background = true;
  dialogs.display = [](TrackDisplayModel& m) {
    m.None();
    m.Toggle(0);
    EXPECT_EQ(m.Rows()[0].visible, "Yes");
    m.Toggle(0);
    return true;
  };
  session.Visible();
  EXPECT_EQ(session.Map()->TracksMem.size(), 2u);
  EXPECT_FALSE(session.Map()->TracksMem[0].points);
  EXPECT_TRUE(session.Map()->TracksMem[1].points) << "background points are kept, hidden";
  EXPECT_FALSE(session.Map()->TracksMem[1].Visible());
  EXPECT_EQ(prompt.Texts().back(), "Display settings have been applied");
}

TEST_F(Session, EditTrackThenCloseIt) {
  session.EditTrack();
  EXPECT_EQ(prompt.Texts().back(), "You must open or create a new track editor map file\nbefore you can choose a track to edit.");
  ASSERT_TRUE(session.OpenFile(dir.File("map.txt"), false));
  session.EditTrack();
  EXPECT_FALSE(session.Edited()) << "cancelled";
  dialogs.select = [](TrackSelectModel& m) {
    m.Choose(0);
    return true;
  };
  session.EditTrack();
  ASSERT_TRUE(session.Edited());
  EXPECT_EQ(*session.Edited()->description, "A");
  EXPECT_EQ(session.Edited()->points.size(), 3u);
  EXPECT_EQ(session.View().endIndex, 2);
  prompt.QueueFile(dir.File("cut.txt"));
  session.SaveEditedTrack();
  EXPECT_EQ(prompt.Texts().back(), "Save complete.");
  EXPECT_EQ(dir.Read("cut.txt"), dir.Read("a.txt"));
  session.CloseEditedTrackCommand();
  EXPECT_FALSE(session.Edited());
  EXPECT_EQ(session.View().startIndex, -1);
  EXPECT_EQ(session.View().pointCount, 100);
}

TEST_F(Session, ExitOffersToSaveAModifiedMap) {
  ASSERT_TRUE(session.OpenFile(dir.File("map.txt"), false));
  session.Map()->TracksMem.pop_back();
  session.Map()->modified = true;
  prompt.QueueAnswer(MsgResult::Yes);
  session.CloseAtExit();
  EXPECT_FALSE(session.Map());
  EXPECT_EQ(dir.Read("map.txt").find("b.txt"), std::string::npos) << "saved to its own file";
}

TEST_F(Session, BackgroundEntriesNeedAMapFitTheViewAndAreNeverSaved) {
  session.LoadJosm();
  EXPECT_EQ(prompt.Texts().back(),
            "You must open or create a new track editor map file\nbefore you can load an additional\nJosm gpx track file.");
  dir.Write("bg.gpx", "<gpx><trk><name>GPX:9:waterway-river:</name><trkseg><trkpt lat=\"40\" lon=\"10\"/>"
                      "<trkpt lat=\"41\" lon=\"12\"/></trkseg></trk></gpx>");
  dialogs.josm = [this](TrackJosmLoadModel& m) {
    m.source = dir.File("bg.gpx");
    m.Load();
    return true;
  };
  ASSERT_TRUE(session.OpenFile(dir.File("map.txt"), false));
  const unsigned long generation = session.DataGeneration();
  session.LoadJosm();
  ASSERT_EQ(session.Map()->TracksMem.size(), 3u);
  EXPECT_GT(session.DataGeneration(), generation);
  EXPECT_NEAR(session.View().leftLongitude, 10 - 0.2, 1e-9) << "fitted to the visible background";
  session.Save();
  EXPECT_EQ(dir.Read("map.txt").find("waterway"), std::string::npos);
  session.Close();
  EXPECT_FALSE(session.Map());
  ASSERT_TRUE(session.OpenFile(dir.File("map.txt"), false));
  EXPECT_EQ(session.Map()->TracksMem.size(), 2u) << "opening the map again brings no background back";
}

TEST_F(Session, HeightTileLoadsUnloadsAndKeepsTheShownOneOnFailure) {
  dir.Write("n51.hgt", std::string(100, '\x01'));
  ASSERT_TRUE(session.LoadHeightFile(dir.File("n51.hgt")));
  ASSERT_TRUE(session.Heights());
  EXPECT_EQ(session.View().shading.divisor, 1.5);
  EXPECT_FALSE(session.LoadHeightFile(dir.File("none.hgt")));
  EXPECT_EQ(prompt.Texts().back(), "Error can't open source file\n" + dir.File("none.hgt"));
  EXPECT_TRUE(session.Heights());
  session.UnloadHeights();
  EXPECT_FALSE(session.Heights());
}

}  // namespace
}  // namespace rovex::trackeditor
