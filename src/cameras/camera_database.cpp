#include "cameras/camera_database.h"

#include <new>

namespace rovex {
namespace {

// Sets a flag for a scope and clears it however the scope is left.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
  ~FlagScope() { m_flag = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& m_flag;
};

}  // namespace

double CameraLoadRadius(double radius) { return radius >= kMinimumCameraRadius ? radius : kMinimumCameraRadius; }

CameraDatabase::CameraDatabase(RegistrySettings& settings, UserPrompt* prompt, std::function<void()> stopGps,
                               const CameraExcludeList* exclusions)
    : m_settings(settings), m_prompt(prompt), m_stopGps(std::move(stopGps)), m_exclusions(exclusions) {}

bool CameraDatabase::GetCameraFileName(std::string* name) {
  if (auto text = m_settings.TryReadText("CameraFile", 299)) {
    *name = *text;
    return true;
  }
  m_settings.ReadTextSetting("CameraFile", 299);  // tells the user when only the value is missing
  return false;
}

void CameraDatabase::Fail(const std::string& message) {
  if (m_prompt) m_prompt->MessageBox(message, MsgIcon::Warning, MsgButtons::Ok);
  // Stopping GPS input keeps the message from coming back with every sentence.
  if (m_stopGps) m_stopGps();
}

CameraDatabase::LoadResult CameraDatabase::Read(const GpsFix& origin, double radius,
                                                const CameraExcludeList* exclusions,
                                                std::vector<CameraRecord>* list) {
  std::string fileName;
  if (!GetCameraFileName(&fileName)) {
    Fail("Error can't get the camera filename from the registry.\nPlease check the setup/registry.");
    return LoadResult::Failed;
  }
  try {
    if (m_index.Read(fileName, origin, radius, exclusions, list) == CameraReadStatus::OpenFailed) {
      Fail("Error can't open the camera location file\n" + fileName.substr(0, 200) +
           "\nPlease check the setup/registry.");
      return LoadResult::Failed;
    }
  } catch (const std::bad_alloc&) {
    m_index.Reset();
    Fail("Out of memory making the camera list.\nThe nearby camera list will be incomplete.");
    return LoadResult::Failed;
  }
  return LoadResult::Loaded;
}

CameraDatabase::LoadResult CameraDatabase::LoadCameraList(const GpsFix& fix, double radius) {
  if (m_onListReplaced) m_onListReplaced();
  if (fix.latitude == 0.0) return LoadResult::NoFix;
  radius = CameraLoadRadius(radius);
  const bool excludeOn = m_settings.ReadFlagSetting("Exclude") == 1;
  if (m_loading) return LoadResult::Busy;
  FlagScope loading(m_loading);

  m_list.emplace();  // an empty list allocates nothing, so starting one cannot fail
  return Read(fix, radius, excludeOn ? m_exclusions : nullptr, &*m_list);
}

CameraDatabase::LoadResult CameraDatabase::LoadCamerasAround(double latitude, double longitude, double radius,
                                                            std::vector<CameraRecord>* list) {
  if (latitude == 0.0) return LoadResult::NoFix;
  GpsFix origin;
  origin.latitude = latitude;
  origin.longitude = longitude;
  list->clear();
  return Read(origin, CameraLoadRadius(radius), nullptr, list);
}

}  // namespace rovex
