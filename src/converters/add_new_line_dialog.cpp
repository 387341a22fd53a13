#include "converters/add_new_line_dialog.h"

#include "converters/converter_messages.h"
#include "converters/input_file.h"

namespace rovex::converters {

bool AddNewLineDialog::Convert(UserPrompt& prompt, const ProgressFunction& progress) {
  // The empty-name and same-name checks come first, from the conversion itself.
  bool namesUsable = !source.empty() && !destination.empty() && !SameFile(source, destination);
  if (namesUsable && FileExists(destination) &&
      prompt.MessageBox("The destination file already exists.\n\nDo you want to overwrite it ?", MsgIcon::Question,
                        MsgButtons::YesNo) != MsgResult::Yes) {
    return false;
  }
  ConverterResult result = AddNewLines({source, destination, progress});
  ShowConverterMessages(result, prompt);
  return result.ok;
}

}  // namespace rovex::converters
