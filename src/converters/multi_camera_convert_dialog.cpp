#include "converters/multi_camera_convert_dialog.h"

#include <algorithm>

#include "converters/converter_messages.h"
#include "platform/data_root.h"

namespace rovex::converters {

MultiCameraConvertDialog::MultiCameraConvertDialog()
    : destination(DataPath("ROVEXCamera.txt")), browseFolder(DataRoot()) {}

void MultiCameraConvertDialog::AddFiles(const std::string& folder, const std::vector<std::string>& names) {
  for (const std::string& name : names) sources.push_back(JoinPath(folder, name));
}

void MultiCameraConvertDialog::RemoveRows(std::vector<std::size_t> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    if (*it < sources.size()) sources.erase(sources.begin() + static_cast<std::ptrdiff_t>(*it));
  }
}

void MultiCameraConvertDialog::Convert(UserPrompt& prompt, const ProgressFunction& progress) {
  MultiCameraConvertOptions options{sources, destination, append, typePrefix, progress};
  ShowConverterMessages(ConvertMultiPocketGpsCameras(options), prompt);
}

}  // namespace rovex::converters
