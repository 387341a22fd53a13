#include "converters/speedcam_dialog.h"

#include "converters/converter_messages.h"
#include "converters/input_file.h"

namespace rovex::converters {

bool SpeedcamDialog::Extract(SpeedcamOutput output, UserPrompt& prompt, const ProgressFunction& progress) {
  if (!source.empty() && !destination.empty() && FileExists(destination) && !SameFile(source, destination) &&
      prompt.MessageBox("The output file\n" + destination + "\nall ready exists.\n\nOverwrite Yes/No ?",
                        MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) {
    prompt.MessageBox("Extract aborted");
    return false;
  }
  ConverterResult result = ExtractOsmCameras({source, destination, output, progress});
  ShowConverterMessages(result, prompt);
  return result.ok;
}

}  // namespace rovex::converters
