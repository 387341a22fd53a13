#include <QDialog>
#include <functional>
#include <memory>

#include "app/add_new_line_window.h"
#include "app/atlas_dialogs.h"
#include "app/atlas_print_dialog.h"
#include "app/auto_start_dialog.h"
#include "app/camera_convert_window.h"
#include "app/colours_dialog.h"
#include "app/com_settings_window.h"
#include "app/dialog_table.h"
#include "app/distance_dialog.h"
#include "app/exclude_list_window.h"
#include "app/gpx_convert_window.h"
#include "app/hgt_convert_window.h"
#include "app/josm_convert_window.h"
#include "app/load_trail_dialog.h"
#include "app/manual_location_dialog.h"
#include "app/multi_camera_convert_window.h"
#include "app/near_camera_list_window.h"
#include "app/nmea_to_gpx_window.h"
#include "app/option_dialogs.h"
#include "app/osm_gpx_window.h"
#include "app/passed_camera_list_window.h"
#include "app/poi_list_window.h"
#include "app/poi_select_window.h"
#include "app/replay_dialog.h"
#include "app/route_file_dialog.h"
#include "app/route_list_window.h"
#include "app/route_options_dialog.h"
#include "app/route_picker_dialog.h"
#include "app/route_speech_dialog.h"
#include "app/screen_refresh_dialog.h"
#include "app/send_log_window.h"
#include "app/shutdown_options_dialog.h"
#include "app/shutdown_window.h"
#include "app/speedcam_window.h"
#include "app/start_time_dialog.h"
#include "app/trail_file_dialog.h"
#include "app/track_add_dialog.h"
#include "app/track_desc_dialog.h"
#include "app/track_display_dialog.h"
#include "app/track_josm_load_dialog.h"
#include "app/track_osm_load_dialog.h"
#include "app/track_select_dialog.h"
#include "app/view_printer.h"
#include "app/rovex_view.h"
#include "cameras/camera_table.h"
#include "cameras/passed_camera_list.h"
#include "converters/add_new_line_dialog.h"
#include "converters/camera_convert_dialog.h"
#include "converters/gpx_convert_dialog.h"
#include "converters/hgt_dialog.h"
#include "converters/josm_dialog.h"
#include "converters/multi_camera_convert_dialog.h"
#include "converters/nmea_gpx_dialog.h"
#include "converters/osm_gpx_dialog.h"
#include "converters/speedcam_dialog.h"
#include "gps/com_settings_dlg.h"
#include "gps/dlg_distance.h"
#include "gps/dlg_manual_location.h"
#include "gps/dlg_replay.h"
#include "gps/dlg_send_log.h"
#include "routes/route_file_dialog_model.h"
#include "routes/route_list_model.h"
#include "routes/route_options_model.h"
#include "routes/route_picker_model.h"
#include "routes/route_speech_options_model.h"
#include "system/view_host.h"
#include "trail/load_trail_dialog_model.h"
#include "trackeditor/track_josm_load_model.h"
#include "trackeditor/track_osm_load_model.h"
#include "trail/trail_file_dialog_model.h"
#include <QPrinter>

namespace rovex {

DialogTable RovexDialogs(const Services& services) {
  DialogTable table;
  table.AddWindow<CDlgManualLocation, CManualLocationDlg>();
  table.AddWindow<CDlgDistance, CDistanceDlg>();
  table.AddWindow<CDlgReplay, CReplayDlg>();
  table.AddWindow<CComSettingsDlg, ComSettingsWindow>();
  table.AddWindow<CDlg_Send_Log, SendLogWindow>();
  table.AddWindow<CameraTable, NearCameraListWindow>();
  table.AddWindow<PassedCameraList, PassedCameraListWindow>();
  table.AddWindow<RouteFileDialogModel, CDlg_Route_File>();
  table.AddWindow<RoutePointsList, CDlg_Route_List>();
  table.AddWindow<RouteExcludedList, CDlg_Exclude_List>();
  table.AddWindow<RoutePickerModel, CDlgRoutePicker>();
  table.AddWindow<RouteOptionsModel::Values, CDLG_ROUTE_OPTIONS>();
  table.AddWindow<LoadTrailDialogModel, CDLG_LOADGPXTRAIL>();
  table.AddWindow<TrailFileDialogModel, CDlgTrailFile>();
  table.AddWindow<trackeditor::TrackDescModel, CDialogTrackDesc>();
  table.AddWindow<trackeditor::TrackAddModel, CDialogTrackAdd>();
  table.AddWindow<trackeditor::TrackDisplayModel, CDialogTrackDisplay>();
  table.AddWindow<trackeditor::TrackSelectModel, CDialog_TrackSelect>();
  table.AddWindow<trackeditor::ScreenRefreshModel, CDlgScreenRefresh>();
  table.AddWindow<RouteSpeechOptionsModel, CDlg_Route_MSAgent>();
  table.AddWindow<PoiSelectModel, CDlgPoiSelect>();
  table.AddWindow<PoiListTable, CDlgPOIList>();
  table.AddWindow<AutoStartModel::Values, CDlg_Autostart>();
  table.AddWindow<StartTimeOptionsModel, CDlgStartTimeOptions>();
  table.AddWindow<ShutdownOptionsModel::Values, CDlgShutdownOptions>();
  table.AddWindow<ShutdownDialogModel, CShutdownDlg>();
  table.Add<OptionDialogRequest>([](OptionDialogRequest& request, QWidget* parent) {
    std::unique_ptr<QDialog> dialog;
    RegistrySettings& settings = request.settings;
    switch (request.which) {
      case OptionDialog::Speed: dialog = std::make_unique<CSpeedSetup>(settings, parent); break;
      case OptionDialog::TimeZone: dialog = std::make_unique<CDlg_Timezone>(settings, parent); break;
      case OptionDialog::Tracking: dialog = std::make_unique<CDlgTrackingOptions>(settings, parent); break;
      case OptionDialog::MapScale: dialog = std::make_unique<CMapScale>(settings, parent); break;
      case OptionDialog::Colours: dialog = std::make_unique<CDLG_Colours>(settings, parent); break;
      case OptionDialog::Specs: dialog = std::make_unique<CDlg_SpecsAverageSpeed>(settings, parent); break;
    }
    return dialog->exec() == QDialog::Accepted;
  });
  ShellOpener* shell = services.shell;
  UserPrompt* userPrompt = services.prompt;
  table.AddWindow<atlas::AtlasFolderModel, CAtlasFolder>(shell);
  table.AddWindow<atlas::AtlasZoomModel, CAtlasZoom>(shell);
  table.AddWindow<std::vector<atlas::KeyRow>, CDlgTrekbuddyKeys>();
  table.AddWindow<atlas::MakePanModel, CDialogMakePanFile>(userPrompt, shell);
  table.Add<atlas::AtlasPrintModel>([userPrompt](atlas::AtlasPrintModel& model, QWidget* parent) {
    if (!model.pdfFile.empty()) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromLocal8Bit(model.pdfFile.c_str()));
      SetUpAtlasPrinter(model, printer);
      return PrintAtlasPage(model, printer);
    }
    CPrintDlg dialog(model, userPrompt, parent);
    return dialog.exec() == QDialog::Accepted;
  });
  table.Add<ViewPrintRequest>([](ViewPrintRequest& request, QWidget* parent) {
    auto* view = qobject_cast<CROVEXView*>(parent);
    return view && RunViewPrint(request, *view);
  });
  if (UserPrompt* prompt = services.prompt) {
    using namespace converters;
    table.AddWindow<CameraConvertDialog, CDlgCameraConvert>(std::ref(*prompt));
    table.AddWindow<MultiCameraConvertDialog, CDlgMultiCameraConvert>(std::ref(*prompt));
    table.AddWindow<GpxConvertDialog, CDlgGPXConvert>(std::ref(*prompt));
    table.AddWindow<ConvertJosmDialog, CDlgConvertJOSM>(std::ref(*prompt));
    table.AddWindow<AddNewLineDialog, CDlgAddNewLine>(std::ref(*prompt));
    table.AddWindow<trackeditor::TrackJosmLoadModel, CDlgTrackJosmLoad>(std::ref(*prompt));
    table.AddWindow<trackeditor::TrackOsmLoadModel, CDlgTrackOsmLoad>(std::ref(*prompt));
    table.AddWindow<ConvertOsmGpxDialog, CDlgConvertOSM_GPX>(std::ref(*prompt));
    table.AddWindow<ConvertBigOsmGpxDialog, CDlgConvertBigOSM_GPX>(std::ref(*prompt));
    table.AddWindow<ConvertFastOsmGpxDialog, CDlgConvertOSMtoOSM>(std::ref(*prompt));
    table.AddWindow<HgtToGpxDialog, CDlgConvertHGT_GPX>(std::ref(*prompt));
    table.AddWindow<SpeedcamDialog, DlgSpeedcam>(std::ref(*prompt));
    if (Clipboard* clipboard = services.clipboard) {
      table.AddWindow<NmeaToGpxDialog, CDialogNMEAToGPX>(std::ref(*prompt), std::ref(*clipboard));
    }
  }
  return table;
}

}  // namespace rovex
