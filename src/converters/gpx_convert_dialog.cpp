#include "converters/gpx_convert_dialog.h"

#include "converters/converter_messages.h"
#include "platform/data_root.h"

namespace rovex::converters {

GpxConvertDialog::GpxConvertDialog(Points points)
    : source(DataPath("GPX") + "/"), destination(DataPath("Routes/gpx.csv")), m_points(points) {}

const char* GpxConvertDialog::Title() const {
  return m_points == Points::Route ? "Convert GPX Route to Route CSV file"
                                   : "Convert GPX track file to this programs route format";
}

ConverterResult GpxConvertDialog::Convert(UserPrompt& prompt, const ProgressFunction& progress) {
  GpxToRouteOptions options{source, destination, append, progress};
  ConverterResult result =
      m_points == Points::Route ? ConvertGpxRouteToCsv(options) : ConvertGpxTrackToCsv(options);
  ShowConverterMessages(result, prompt);
  return result;
}

}  // namespace rovex::converters
