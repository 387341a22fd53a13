#include "trackeditor/node_labels.h"

#include <vector>

namespace rovex::trackeditor {

namespace {

struct IconKeyword {
  const char* text;
  int code;
};

struct IconGroup {
  const char* prefix;  // the group is tested only when the description holds it
  std::vector<IconKeyword> keywords;
};

const IconGroup kGroups[] = {
    {"amenity-",
     {{"amenity-parking", 1},        {"amenity-toilets", 2},       {"amenity-school", 3},
      {"amenity-fountain", 4},       {"amenity-place_of_worship", 5}, {"amenity-public_building", 6},
      {"amenity-biergarten", 7},     {"amenity-townhall", 8},      {"amenity-hospital", 9},
      {"amenity-grave_yard", 10},    {"amenity-university", 11},   {"amenity-restaurant", 12},
      {"amenity-fast_food", 13},     {"amenity-sports_ground", 14}, {"amenity-post_box", 15},
      {"amenity-fuel", 16},          {"amenity-telephone", 17},    {"amenity-pub", 18}}},
    {"leisure-",
     {{"leisure-golf_course", 1000}, {"leisure-playground", 1001}, {"leisure-stadium", 1002},
      {"leisure-marina", 1003},      {"leisure-fishing", 1004},    {"leisure-sports_centre:", 1005}}},
    {"sport-",
     {{"sport-10pin:", 1100},      {"sport-athletics:", 1101}, {"sport-basketball:", 1102},
      {"sport-bowling:", 1103},    {"sport-bowls:", 1104},     {"sport-football:", 1105},
      {"sport-golf:", 1106},       {"sport-ice_skating:", 1107}, {"sport-pavillion:", 1108},
      {"sport-rowing:", 1109},     {"sport-Rugby:", 1110},     {"sport-skateboard:", 1111},
      {"sport-skating:", 1112},    {"sport-squash:", 1113},    {"sport-swimming", 1114},
      {"sport-tennis:", 1115}}},
    {"railway-", {{"railway-station:", 1200}, {"railway-crossing:", 1201}}},
    {"highway-", {{"highway-speed_camera:", 1300}}},
    {"waterway-", {{"waterway-lock:", 1400}, {"waterway-lock_gate:", 1400}, {"waterway-weir:", 1401}}},
    {"historic-",
     {{"historic-memorial:", 1500},  {"historic-castle:", 1501},   {"historic-monument:", 1502},
      {"historic-fort:", 1503},      {"historic-folly:", 1504},    {"historic-well:", 1505},
      {"historic-building:", 1506},  {"historic-statue:", 1507},   {"historic-windmill:", 1508},
      {"historic-archaeological_site:", 1509}, {"historic-ruins:", 1510}, {"historic-Museum:", 1511},
      {"historic-house:", 1512},     {"historic-pier:", 1513},     {"historic-ferris_wheel:", 1514}}},
    // Aerial ways have no prefix test: they come last of all.
    {"",
     {{"aerialway-chair_lift:", 1515}, {"aerialway-cable_car:", 1516}, {"aerialway-gondola:", 1517},
      {"aerialway-drag_lift:", 1518},  {"aerialway-t-bar:", 1518},     {"aerialway-rope_tow:", 1518}}},
};

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

void EraseFirst(std::string& text, std::string_view part) {
  if (auto at = text.find(part); at != std::string::npos) text.erase(at, part.size());
}

void ReplaceFirst(std::string& text, std::string_view part, char by) {
  if (auto at = text.find(part); at != std::string::npos) {
    text.erase(at + 1, part.size() - 1);
    text[at] = by;
  }
}

// A source note runs from its key through the next ':' (or ';'); without either only the key goes.
void EraseSource(std::string& text, std::string_view key) {
  const auto at = text.find(key);
  if (at == std::string::npos) return;
  auto end = text.find(':', at + key.size());
  if (end == std::string::npos) end = text.find(';', at + key.size());
  text.erase(at, end == std::string::npos ? key.size() : end + 1 - at);
}

}  // namespace

int IconCode(std::string_view description) {
  for (const IconGroup& group : kGroups) {
    if (!Contains(description, group.prefix)) continue;
    for (const IconKeyword& k : group.keywords) {
      if (Contains(description, k.text)) return k.code;
    }
  }
  return 0;
}

int IconPicture(int code) {
  switch (code) {
    case 1106: return 1000;
    case 1114: return 1108;
    case 1504:
    case 1509: return 1501;
    case 1005: return 0;
    default: break;
  }
  for (const IconGroup& group : kGroups) {
    for (const IconKeyword& k : group.keywords) {
      if (k.code == code) return code;
    }
  }
  return 0;
}

std::string NodeName(std::string_view description) {
  if (description.substr(0, 4) != "Node") return {};
  const auto first = description.find(':');
  if (first == std::string_view::npos) return {};
  const auto second = description.find(':', first + 1);
  if (second == std::string_view::npos) return {};
  std::string text(description.substr(second + 1, 298));
  if (Contains(text, "openGeoDB")) return {};
  EraseFirst(text, "name-");
  EraseFirst(text, "amenity-");
  EraseSource(text, "source-");
  EraseSource(text, "source:");
  ReplaceFirst(text, "&amp;", '&');
  ReplaceFirst(text, "&apos;", '\'');
  return text;
}

}  // namespace rovex::trackeditor
