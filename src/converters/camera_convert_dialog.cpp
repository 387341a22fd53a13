#include "converters/camera_convert_dialog.h"

#include "converters/converter_messages.h"
#include "platform/data_root.h"

namespace rovex::converters {

CameraConvertDialog::CameraConvertDialog(List list) : m_list(list) {
  destination = DataPath("ROVEXCamera.txt");
  source = DataPath(list == List::PocketGps ? "pocketgps_uk_sc.csv" : "Speed_Cam_Uk.csv");
}

const char* CameraConvertDialog::Title() const {
  return m_list == List::PocketGps ? "Pocket GPS camera to CSV file" : "Garmin to CSV file";
}

bool CameraConvertDialog::Convert(UserPrompt& prompt, const ProgressFunction& progress) {
  CameraConvertOptions options{source, destination, append, progress};
  ConverterResult result =
      m_list == List::PocketGps ? ConvertPocketGpsCameras(options) : ConvertGarminCameras(options);
  ShowConverterMessages(result, prompt);
  return result.ok;
}

}  // namespace rovex::converters
