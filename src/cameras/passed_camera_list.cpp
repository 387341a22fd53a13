#include "cameras/passed_camera_list.h"

#include <strings.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "cameras/distance_to_camera.h"
#include "nmea/c_number.h"
#include "nmea/nmea_fields.h"
#include "platform/data_root.h"

namespace rovex {
namespace {

constexpr std::size_t kLogLineLimit = 299;

double Atof(std::string_view text) {
  char buffer[kLogLineLimit + 1];
  std::size_t n = text.size() < kLogLineLimit ? text.size() : kLogLineLimit;
  if (n > 0) std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return CAtof(buffer);
}

// Whole metres of the farthest distance, kept within int for any text typed.
int WholeMetres(double metres) {
  if (!(metres == metres)) return 0;
  if (metres >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (metres <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(metres);
}

}  // namespace

PassedCameraList::PassedCameraList(RegistrySettings& settings, UserPrompt* prompt, CameraDatabase& cameras,
                                   Clipboard* clipboard)
    : logFile(DataPath("Log/test.txt")),
      m_settings(settings),
      m_prompt(prompt),
      m_cameras(cameras),
      m_clipboard(clipboard),
      m_speedUnit(SpeedUnitFromSetting(settings.ReadSpeedUnits())) {
  m_entries.push_back({});
  m_table.columns = {{"Distance", 100}, {"CamType", 150}, {"Line no.", 100}, {"Speed", 100}};
}

void PassedCameraList::OnBrowse() {
  if (!m_prompt) return;
  if (auto path = m_prompt->OpenFile("Open", kLogFilter, DataPath("Log"))) logFile = path->substr(0, 298);
}

void PassedCameraList::Tell(const std::string& text, MsgIcon icon) {
  if (m_prompt) m_prompt->MessageBox(text, icon, MsgButtons::Ok);
}

void PassedCameraList::ReadRmc(const std::vector<std::string_view>& fields) {
  std::string_view knotsText = NmeaField(fields, 8);
  if (knotsText.empty()) return;
  double knots = Atof(knotsText);
  m_logSpeed = KnotsIn(m_speedUnit, knots);
}

bool PassedCameraList::ReadGga(const std::vector<std::string_view>& fields, int* reloadCounter, double farthest) {
  m_logLatitude = NmeaDegrees(NmeaField(fields, 3), 2);
  if (NmeaField(fields, 4) == "S") m_logLatitude = -m_logLatitude;
  m_logLongitude = NmeaDegrees(NmeaField(fields, 5), 3);
  if (NmeaField(fields, 6) == "W") m_logLongitude = -m_logLongitude;

  if ((*reloadCounter)++ > 99) {
    *reloadCounter = 0;
    if (m_cameras.LoadCamerasAround(m_logLatitude, m_logLongitude, 2.0 * farthest, &m_logCameras) ==
        CameraDatabase::LoadResult::Failed) {
      return false;
    }
  }
  UpdateEntries(WholeMetres(farthest));
  return true;
}

void PassedCameraList::UpdateEntries(int farthestMetres) {
  GpsFix position;
  position.latitude = m_logLatitude;
  position.longitude = m_logLongitude;
  for (const CameraRecord& camera : m_logCameras) {
    double d = DistanceToCamera(position, camera);
    if (!(d >= 0.0) || d > farthestMetres) continue;
    Entry* found = nullptr;
    for (Entry& entry : m_entries) {
      if (entry.name && *entry.name == camera.CamType.view()) {
        found = &entry;
        break;
      }
    }
    if (found) {
      if (found->distance > d) {
        found->distance = d;
        if (d < 200.0) found->speed = m_logSpeed;
      }
    } else {
      m_entries.push_back({camera.CamType.str(), d, d < 200.0 ? m_logSpeed : 0.0});
    }
  }
}

bool PassedCameraList::Shown(const Entry& entry) const {
  return entry.name && entry.distance >= m_nearest && entry.distance < 1000000.0;
}

std::string PassedCameraList::SpeedText(double speed, const char* prefix) const {
  char text[400];
  std::snprintf(text, sizeof text, "%s%.0f %s", prefix, speed, SpeedUnitName(m_speedUnit));
  return text;
}

void PassedCameraList::FillTable() {
  m_table.rows.clear();
  int row = 0;
  for (const Entry& entry : m_entries) {
    if (!Shown(entry)) continue;
    char distance[400];
    std::snprintf(distance, sizeof distance, "%.3f km", entry.distance / 1000.0);
    char number[32];
    std::snprintf(number, sizeof number, "%d", ++row);
    m_table.rows.push_back({distance, *entry.name, number, entry.speed > 1.0 ? SpeedText(entry.speed, "") : ""});
  }
  char count[64];
  std::snprintf(count, sizeof count, "List contains %d items", row);
  m_table.rows.insert(m_table.rows.begin(), {count, "", "", ""});
}

bool PassedCameraList::Process() {
  const double nearest = CAtof(nearestDistance.c_str());
  const double farthest = CAtof(farthestDistance.c_str());
  if (nearest > farthest) {
    Tell("The nearest distance must be less than the farthest.");
    return false;
  }
  if (farthest > 50000.0 && m_prompt &&
      m_prompt->MessageBox("You have selected a large farthest distance.\n\nWith large values it can take a\n"
                           "long time to create the list of passed cameras.\n\nDo you wan't to continue with this "
                           "operation ?",
                           MsgIcon::Question, MsgButtons::YesNo) == MsgResult::No) {
    return false;
  }

  m_entries.assign(1, Entry{});
  m_table.rows.clear();
  m_nearest = nearest;

  if (logFile.empty()) {
    Tell("Error: Please choose a log file to process.");
    return false;
  }
  std::FILE* log = std::fopen(logFile.c_str(), "r");
  if (!log) {
    Tell("Error: Unable to open the file.");
    return false;
  }

  int reloadCounter = 100;
  bool cameraFileOk = true;
  std::string line;
  for (;;) {
    line.clear();
    int c;
    bool any = false;
    while ((c = getc_unlocked(log)) != EOF && c != '\n') {
      any = true;
      if (line.size() < kLogLineLimit) line.push_back(static_cast<char>(c));
    }
    if (c == EOF && !any) break;
    if (std::size_t nul = line.find('\0'); nul != std::string::npos) line.resize(nul);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();

    if (line.size() >= 6 && strncasecmp(line.c_str(), "$GPRMC", 6) == 0) {
      ReadRmc(SplitNmeaFields(line));
    } else if (line.compare(0, 6, "$GPGGA") == 0) {
      // A camera file that cannot be read would repeat its message every 100
      // positions; it ends the processing instead.
      if (!ReadGga(SplitNmeaFields(line), &reloadCounter, farthest)) {
        cameraFileOk = false;
        break;
      }
    }
    if (c == EOF) break;
  }
  std::fclose(log);
  FillTable();
  if (!cameraFileOk) return false;
  Tell("Finished", MsgIcon::Information);
  return true;
}

std::string PassedCameraList::ClipboardText(bool withDistances) const {
  std::string text;
  for (const Entry& entry : m_entries) {
    if (!Shown(entry)) continue;
    text += ":" + *entry.name;
    if (withDistances) {
      char distance[400];
      std::snprintf(distance, sizeof distance, "\t\t%.3f km", entry.distance / 1000.0);
      text += distance;
      if (entry.speed > 1.0) text += SpeedText(entry.speed, "\t\t");
    }
    text += "\r\n";
  }
  return text;
}

void PassedCameraList::Copy() {
  if (m_table.rows.size() < 2) {
    Tell("The list is empty, can't paste.");
    return;
  }
  const bool withDistances =
      !m_prompt || m_prompt->MessageBox("Include distances ?", MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes;
  ClipboardResult result = m_clipboard ? m_clipboard->SetText(ClipboardText(withDistances)) : ClipboardResult::OpenFailed;
  switch (result) {
    case ClipboardResult::Ok:
      break;
    case ClipboardResult::OpenFailed:
      Tell("Error: could not open the clipboard");
      break;
    case ClipboardResult::SetFailed:
      Tell("SetClipboardData error", MsgIcon::Warning);
      break;
    case ClipboardResult::CloseFailed:
      Tell("Error: could not close the clipboard");
      break;
  }
  if (result == ClipboardResult::Ok) {
    Tell("The list has been copied to the Windows paste buffer.", MsgIcon::Information);
  } else {
    Tell("Error(s) occurred while writing the list\nto the Windows paste buffer.");
  }
}

}  // namespace rovex
