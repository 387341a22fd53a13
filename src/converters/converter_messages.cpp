#include "converters/converter_messages.h"

namespace rovex::converters {

void ShowConverterMessages(const ConverterResult& result, UserPrompt& prompt) {
  for (const ConverterMessage& m : result.messages) {
    prompt.MessageBox(m.text, m.kind == MessageKind::Info ? MsgIcon::Information : MsgIcon::Warning);
  }
}

}  // namespace rovex::converters
