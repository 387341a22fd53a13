#include "cli/console_prompt.h"

namespace rovex {

MsgResult ConsolePrompt::MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons, const std::string&) {
  const char* tag = icon == MsgIcon::Stop ? "error: " : icon == MsgIcon::Information ? "" : "rovex: ";
  std::fprintf(m_out, "%s%s\n", tag, text.c_str());
  switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgResult::Yes;
    case MsgButtons::RetryCancel: return MsgResult::Cancel;
    default: return MsgResult::Ok;
  }
}

}  // namespace rovex
