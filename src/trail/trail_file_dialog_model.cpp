#include "trail/trail_file_dialog_model.h"

#include "platform/data_root.h"

namespace rovex {

std::string TrailsFolder() { return DataPath("Trails"); }

void TrailFileDialogModel::Open() {
  std::optional<std::string> name = m_settings.TryReadText("TrailName", 299);
  if (!name && m_prompt) {
    m_prompt->MessageBox("Unable read the route file name from the registry.", MsgIcon::Warning, MsgButtons::Ok);
  }
  path = name.value_or("");
}

void TrailFileDialogModel::Browse() {
  if (!m_prompt) return;
  std::optional<std::string> chosen = m_prompt->OpenFile(kTitle, kFilter, TrailsFolder());
  if (chosen) path = chosen->substr(0, kChosenNameLimit);
}

bool TrailFileDialogModel::Ok() { return m_settings.WriteTextSetting("TrailName", path.substr(0, kFieldLimit)); }

}  // namespace rovex
