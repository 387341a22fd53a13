#pragma once

#include <cstddef>
#include <string_view>

// The two steps between a received line and the parser: the checksum test of
// the whole line, and the split into address and data. The drawing pass and
// the replay both use them.

namespace rovex {

// The data handed to the parser is cut to this many characters.
inline constexpr size_t kSentenceDataCapacity = 159;

// XOR of everything between "$" and the character before the last two (the
// asterisk, which is neither XORed nor tested) against the last two characters
// read by strtol in base 16 (either case). A line shorter than 5 characters
// fails; so does one whose last two characters are not its XOR value.
bool ValidateChecksum(std::string_view sentence);

struct NmeaSentenceParts {
  std::string_view address;  // the five characters after "$", whatever they are (fewer on a short line)
  std::string_view data;     // from the eighth character on, at most kSentenceDataCapacity characters
};

// Views into line; nothing is copied. A line too short for either part gives
// that part empty.
NmeaSentenceParts SplitSentence(std::string_view line);

}  // namespace rovex
