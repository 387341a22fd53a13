#pragma once

#include <string>

#include "converters/converter_result.h"
#include "platform/clipboard.h"

// Puts a whole GPX file on the clipboard as plain text, to paste into a web
// page or another program.

namespace rovex::converters {

ConverterResult CopyGpxFileToClipboard(const std::string& path, Clipboard& clipboard);

}  // namespace rovex::converters
