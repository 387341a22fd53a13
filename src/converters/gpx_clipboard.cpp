#include "converters/gpx_clipboard.h"

#include "converters/input_file.h"
#include "converters/text_encoding.h"

namespace rovex::converters {

ConverterResult CopyGpxFileToClipboard(const std::string& path, Clipboard& clipboard) {
  ConverterResult result;
  if (path.empty()) {
    result.Error("Please create or select a GPX file\nto copy to the Windows paste buffer.");
    return result;
  }
  InputFile input(path);
  std::string text;
  if (!input || !ReadAll(input.get(), &text)) {
    result.Error("Error: Unable to open the file.");
    return result;
  }
  // The clipboard holds text; a file in Latin-1 is offered as what it says.
  switch (clipboard.SetText(ToUtf8(text))) {
    case ClipboardResult::Ok:
      break;
    case ClipboardResult::OpenFailed:
      result.Error("Error: could not open the clipboard");
      return result;
    case ClipboardResult::SetFailed:
      result.Error("SetClipboardData error");
      result.Error("Error(s) occurred while writing the gpx file\nto the Windows paste buffer.");
      return result;
    case ClipboardResult::CloseFailed:
      result.Warning("Error: could not close the clipboard");
      break;
  }
  result.Info("The gpx file has been copied to the Windows paste buffer.");
  return result;
}

}  // namespace rovex::converters
