#include "system/converter_feature.h"

#include "converters/add_new_line_dialog.h"
#include "converters/camera_convert_dialog.h"
#include "converters/gpx_convert_dialog.h"
#include "converters/hgt_dialog.h"
#include "converters/josm_dialog.h"
#include "converters/multi_camera_convert_dialog.h"
#include "converters/nmea_gpx_dialog.h"
#include "converters/osm_gpx_dialog.h"
#include "converters/speedcam_dialog.h"
#include "system/command_ids.h"
#include "system/system_context.h"
#include "system/view_host.h"

namespace rovex {

template <class Model, class... Args>
void ConverterFeature::Open(Args... args) {
  Model model(args...);
  m_context.Host().Run(model);
}

void ConverterFeature::RegisterCommands(CommandRegistry& commands) {
  using namespace cmd;
  using namespace converters;
  commands.Register(kConvertPocketGps, [this] { Open<CameraConvertDialog>(CameraConvertDialog::List::PocketGps); });
  commands.Register(kConvertGarmin, [this] { Open<CameraConvertDialog>(CameraConvertDialog::List::Garmin); });
  commands.Register(kConvertMultiPocketGps, [this] { Open<MultiCameraConvertDialog>(); });
  commands.Register(kConvertGpxRoute, [this] { Open<GpxConvertDialog>(GpxConvertDialog::Points::Route); });
  commands.Register(kConvertGpxTrack, [this] { Open<GpxConvertDialog>(GpxConvertDialog::Points::Track); });
  commands.Register(kConvertNmeaToGpx, [this] { Open<NmeaToGpxDialog>(); });
  commands.Register(kConvertJosm, [this] { Open<ConvertJosmDialog>(); });
  commands.Register(kConvertOsm, [this] { Open<ConvertOsmGpxDialog>(); });
  commands.Register(kConvertBigOsm, [this] { Open<ConvertBigOsmGpxDialog>(); });
  commands.Register(kConvertFastOsm, [this] { Open<ConvertFastOsmGpxDialog>(); });
  commands.Register(kConvertAddNewLines, [this] { Open<AddNewLineDialog>(); });
  // These two redraw the view when their dialog closes.
  commands.Register(kConvertSrtm, [this] {
    Open<HgtToGpxDialog>();
    m_context.Host().Invalidate();
  });
  commands.Register(kConvertOsmSpeedcams, [this] {
    Open<SpeedcamDialog>();
    m_context.Host().Invalidate();
  });
}

}  // namespace rovex
