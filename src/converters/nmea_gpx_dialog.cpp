#include "converters/nmea_gpx_dialog.h"

#include "converters/converter_messages.h"
#include "converters/gpx_clipboard.h"
#include "converters/input_file.h"
#include "nmea/c_number.h"
#include "platform/data_root.h"

namespace rovex::converters {

NmeaToGpxDialog::NmeaToGpxDialog() : outputBrowseFolder(DataPath("GPX")), logBrowseFolder(DataPath("Log")) {}

NmeaThinning NmeaToGpxDialog::Thinning() const {
  NmeaThinning thinning;
  thinning.distanceOn = distanceOn;
  thinning.distance = CAtof(distanceText.c_str());
  thinning.courseOn = courseOn;
  thinning.course = CAtof(courseText.c_str());
  return thinning;
}

bool NmeaToGpxDialog::MakePointsList(UserPrompt& prompt, const ProgressFunction& progress) {
  if (logPath.empty()) {
    prompt.MessageBox("Please select an NMEA log file.");
    return false;
  }
  rows.clear();
  ConverterResult result = ReadNmeaPoints(
      logPath, Thinning(),
      [this](const NmeaPointRow& row) {
        rows.push_back(row);
        return true;
      },
      progress);
  ShowConverterMessages(result, prompt);
  return result.ok;
}

bool NmeaToGpxDialog::Make(GpxKind kind, UserPrompt& prompt, const ProgressFunction& progress) {
  const char* unable = kind == GpxKind::Track ? "Error: Unable to create the output GPX track file."
                                              : "Error: Unable to create the output GPX route file.";
  if (!MakePointsList(prompt, progress)) {
    prompt.MessageBox("Error: Unable to create list of points.");
    return false;
  }
  if (outputPath.empty()) {
    prompt.MessageBox(kind == GpxKind::Track ? "Please select an output GPX  track file."
                                             : "Please select an GPX output file.");
    return false;
  }
  if (rows.empty()) {
    prompt.MessageBox("Error: the points list is empty.");
    prompt.MessageBox(unable);
    return false;
  }
  if (FileExists(outputPath) &&
      prompt.MessageBox("The output GPX file all ready exists.\n\nOverwrite Yes/No ?", MsgIcon::Question,
                        MsgButtons::YesNo) != MsgResult::Yes) {
    prompt.MessageBox(unable);
    return false;
  }
  ConverterResult result = WriteGpxFromRows(rows, outputPath, kind);
  ShowConverterMessages(result, prompt);
  return result.ok;
}

bool NmeaToGpxDialog::MakeTrack(UserPrompt& prompt, const ProgressFunction& progress) {
  return Make(GpxKind::Track, prompt, progress);
}

bool NmeaToGpxDialog::MakeRoute(UserPrompt& prompt, const ProgressFunction& progress) {
  return Make(GpxKind::Route, prompt, progress);
}

bool NmeaToGpxDialog::CopyToClipboard(UserPrompt& prompt, Clipboard& clipboard) {
  ConverterResult result = CopyGpxFileToClipboard(outputPath, clipboard);
  for (const ConverterMessage& m : result.messages) {
    // The failed placing of the data is the one message with the exclamation icon.
    MsgIcon icon = m.kind == MessageKind::Info ? MsgIcon::Information : MsgIcon::Warning;
    prompt.MessageBox(m.text, icon);
  }
  return result.ok;
}

}  // namespace rovex::converters
