#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/file_settings_store.h"
#include "platform/memory_settings_store.h"
#include "platform/settings_tree.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using testing::TempDir;

const std::string kKey = "Software\\ROVEX";

struct BadName {
  std::string name;
  const char* legend;
};

const std::vector<BadName> kBadValueNames = {
    {"a=b", "'=' would end the name early"},
    {"a\nb", "a line end would split the line"},
    {"a\r", "a carriage return would be taken for a line end"},
    {std::string("a\0b", 3), "a NUL byte"},
    {"tab\there", "a control character"},
    {"del\x7f", "DEL"},
    {"[x", "'[' would start a key line"},
    {"x]", "']' closes a key line"},
    {";comment", "a leading ';' would be read as a comment"},
    {"#comment", "a leading '#' would be read as a comment"},
    {"", "an empty name"},
};

const std::vector<BadName> kBadKeyNames = {
    {"", "an empty key"},
    {"\\Software", "an empty first part"},
    {"Software\\", "an empty last part"},
    {"Software\\\\ROVEX", "an empty middle part"},
    {"Soft]ware", "']' would close the key line early"},
    {"Soft[ware", "'['"},
    {"Soft\nware", "a line end"},
    {"a=b", "'='"},
};

// Every store refuses the names the settings file could not hold, changes
// nothing, and the file it leaves is still read by the next start.
TEST(SettingsNames, StoresRefuseNamesTheFileCannotHold) {
  TempDir dir;
  const std::string path = dir.File("settings.conf");
  FileSettingsStore file(path);
  MemorySettingsStore memory;
  for (SettingsStore* store : std::vector<SettingsStore*>{&file, &memory}) {
    ASSERT_TRUE(store->Write(kKey, "MapScale", SettingValue::Number(4000)));
    for (const BadName& bad : kBadValueNames) {
      EXPECT_FALSE(store->Write(kKey, bad.name, SettingValue::Text("x"))) << bad.legend;
      EXPECT_FALSE(store->Write("Software\\ROVEX\\POIFiles", bad.name, SettingValue::Number(1))) << bad.legend;
    }
    for (const BadName& bad : kBadKeyNames) {
      EXPECT_FALSE(store->Write(bad.name, "Name", SettingValue::Text("x"))) << bad.legend;
      EXPECT_FALSE(store->CreateKey(bad.name)) << bad.legend;
    }
    EXPECT_EQ(store->Values(kKey).size(), 1u);
    EXPECT_FALSE(store->KeyExists("Software\\ROVEX\\POIFiles"));
  }
  EXPECT_NE(file.LastErrorCode(), 0);

  FileSettingsStore next(path);
  EXPECT_EQ(next.TakeDamageReport(), "");
  EXPECT_EQ(next.Read(kKey, "MapScale").value, SettingValue::Number(4000));
}

TEST(SettingsNames, ParserAndStoreAgreeOnEveryBadName) {
  for (const BadName& bad : kBadValueNames) {
    EXPECT_FALSE(IsStorableValueName(bad.name)) << bad.legend;
    if (bad.name.empty() || bad.name[0] == ';' || bad.name[0] == '#') continue;  // a comment or nothing at all
    SettingsTree t;
    std::string error;
    EXPECT_FALSE(t.Parse("[" + kKey + "]\n" + bad.name + "=text:x\n", &error)) << bad.legend;
  }
}

// Whatever a store accepts comes back byte for byte from the file, names and
// text alike, in the order it was written.
TEST(SettingsNames, AcceptedNamesAndAnyTextRoundTripThroughTheFile) {
  std::string everyByte;
  for (int c = 0; c < 256; ++c) everyByte += static_cast<char>(c);
  const std::vector<std::string> texts = {
      everyByte, "a=b;c[d]\n#e\r\n", "\\x00 literally", "ends with a backslash\\", "\r", "", "text:number:1",
  };
  const std::vector<std::string> valueNames = {
      " leading space", "trailing space ", "semi;colon", "hash#", "back\\slash", "\xe9t\xe9",
      "\"quoted\"",     "text:",           "x;",          "!",
  };
  const std::vector<std::string> keyNames = {kKey, "Software\\ROVEX\\;odd", "#Key", "Spaced Key\\Sub part"};

  TempDir dir;
  const std::string path = dir.File("settings.conf");
  {
    FileSettingsStore store(path);
    for (const std::string& key : keyNames) {
      for (std::size_t i = 0; i < valueNames.size(); ++i) {
        ASSERT_TRUE(store.Write(key, valueNames[i], SettingValue::Text(texts[i % texts.size()])))
            << key << " / " << valueNames[i];
      }
    }
  }
  FileSettingsStore back(path);
  ASSERT_EQ(back.TakeDamageReport(), "");
  for (const std::string& key : keyNames) {
    auto values = back.Values(key);
    ASSERT_EQ(values.size(), valueNames.size()) << key;
    for (std::size_t i = 0; i < valueNames.size(); ++i) {
      EXPECT_EQ(values[i].first, valueNames[i]) << key;
      EXPECT_EQ(values[i].second, SettingValue::Text(texts[i % texts.size()])) << key << " / " << valueNames[i];
    }
  }
}

// Files written before names were checked read as they always did.
TEST(SettingsNames, FilesWrittenBeforeStillRead) {
  const std::string content =
      "; ROVEX settings. Written by the program; edit with rovex-cli settings.\n"
      "[Software]\n"
      "[Software\\ROVEX]\n"
      "Port=text:Com1\n"
      "MapScale=number:4000\n"
      "CameraFile=text:C:\\\\ROVEX\\\\ROVEXCamera.txt\n"
      "Odd=text:a=b;c [d]\\n\\r\\t\\x01\\x7f\xe9\n"
      "# a comment\n"
      "[Software\\ROVEX\\POIFiles]\r\n"
      "POIFile1=text:Fuel.csv\r\n";
  SettingsTree t;
  std::string error;
  ASSERT_TRUE(t.Parse(content, &error)) << error;
  EXPECT_EQ(t.Read(kKey, "Port").value, SettingValue::Text("Com1"));
  EXPECT_EQ(t.Read(kKey, "MapScale").value, SettingValue::Number(4000));
  EXPECT_EQ(t.Read(kKey, "CameraFile").value.text, "C:\\ROVEX\\ROVEXCamera.txt");
  EXPECT_EQ(t.Read(kKey, "Odd").value.text, "a=b;c [d]\n\r\t\x01\x7f\xe9");
  EXPECT_EQ(t.Read("Software\\ROVEX\\POIFiles", "POIFile1").value.text, "Fuel.csv");
  // And what is written today reads back the same.
  SettingsTree again;
  ASSERT_TRUE(again.Parse(t.Serialise(), &error)) << error;
  EXPECT_EQ(again.Serialise(), t.Serialise());
  EXPECT_EQ(again.Values(kKey), t.Values(kKey));
}

}  // namespace
}  // namespace rovex
