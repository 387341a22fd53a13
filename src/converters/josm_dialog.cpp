#include "converters/josm_dialog.h"

#include "converters/converter_messages.h"
#include "converters/input_file.h"

namespace rovex::converters {

bool ConvertJosmDialog::Convert(UserPrompt& prompt, const ProgressFunction& progress) {
  if (!source.empty() && !destination.empty() && FileExists(JosmMapFileName(destination)) &&
      prompt.MessageBox("The file already exists.\n\nDo you want to overwrite it ?", MsgIcon::Question,
                        MsgButtons::YesNo) != MsgResult::Yes) {
    return false;
  }
  ConverterResult result = ConvertJosmToMapProject({source, destination, progress});
  ShowConverterMessages(result, prompt);
  return result.ok;
}

}  // namespace rovex::converters
