#include "routes/route_file_dialog_model.h"

#include "platform/data_root.h"

namespace rovex {

std::string RouteFolder() { return DataPath("Routes"); }

void RouteFileDialogModel::Open() {
  std::optional<std::string> name = m_settings.TryReadText("RouteName", 299);
  if (!name && m_prompt) {
    m_prompt->MessageBox("Unable read the route file name from the registry.", MsgIcon::Warning, MsgButtons::Ok);
  }
  path = name.value_or("");
}

void RouteFileDialogModel::Browse() {
  if (!m_prompt) return;
  if (std::optional<std::string> chosen = m_prompt->OpenFile(kTitle, kFilter, RouteFolder())) path = *chosen;
}

bool RouteFileDialogModel::Ok() { return m_settings.WriteTextSetting("RouteName", path); }

}  // namespace rovex
