#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text_encoding.h"

// Text that converters copy from their inputs into files the program reads
// again. Inputs come in UTF-8 or in Latin-1 (old camera lists, TomTom names);
// everything written is UTF-8.

namespace rovex::converters {

// One reading of UTF-8 and Latin-1 for the whole program.
using rovex::IsValidUtf8;
using rovex::ToUtf8;

// At most width bytes of text; when the text is valid UTF-8 the cut never
// splits a character.
std::string_view CutText(std::string_view text, std::size_t width);

// A text for one field of a comma-separated line: each comma becomes ";" and
// each control character a blank, so the line keeps its number of fields and
// stays one line.
std::string FieldText(std::string_view text);

}  // namespace rovex::converters
