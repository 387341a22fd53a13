#pragma once

#include "converters/converter_result.h"
#include "platform/user_prompt.h"

// Shows a converter's messages the way every conversion dialog does: one
// message box each, in order.

namespace rovex::converters {

void ShowConverterMessages(const ConverterResult& result, UserPrompt& prompt);

}  // namespace rovex::converters
