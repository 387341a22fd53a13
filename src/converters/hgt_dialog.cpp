#include "converters/hgt_dialog.h"

#include <climits>
#include <cstdlib>

#include "converters/converter_messages.h"
#include "converters/input_file.h"

namespace rovex::converters {
namespace {

// atoi, kept to the range of a height so a long row of digits cannot wrap.
int BoxNumber(const std::string& text) {
  long value = std::strtol(text.c_str(), nullptr, 10);
  if (value > SHRT_MAX) return SHRT_MAX;
  if (value < SHRT_MIN) return SHRT_MIN;
  return static_cast<int>(value);
}

}  // namespace

HgtContourParams HgtToGpxDialog::Params() const {
  return HgtContourParams{BoxNumber(eraseRange), BoxNumber(contourRange), BoxNumber(step)};
}

bool HgtToGpxDialog::Convert(UserPrompt& prompt, const ProgressFunction& progress) {
  if (!source.empty() && !destination.empty() && FileExists(destination) && !SameFile(source, destination) &&
      prompt.MessageBox("The output GPX file all ready exists.\n\nOverwrite Yes/No ?", MsgIcon::Question,
                        MsgButtons::YesNo) != MsgResult::Yes) {
    return false;
  }
  ConverterResult result = ConvertHgtToGpx({source, destination, Params(), progress});
  ShowConverterMessages(result, prompt);
  return result.ok;
}

}  // namespace rovex::converters
