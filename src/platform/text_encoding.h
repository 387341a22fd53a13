#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Files are 8-bit text of unknown encoding. Shown or spoken, a text is UTF-8
// when it is valid UTF-8, and otherwise each byte is a Latin-1 character.

namespace rovex {

bool IsValidUtf8(std::string_view text);

// The text itself when it is valid UTF-8, else its bytes read as Latin-1.
std::string ToUtf8(std::string_view bytes);

// The first maxCharacters characters of a valid UTF-8 text, never a part of one.
std::string CutUtf8(std::string_view utf8, std::size_t maxCharacters);

}  // namespace rovex
