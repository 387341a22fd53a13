#include "converters/text_encoding.h"

namespace rovex::converters {

std::string_view CutText(std::string_view text, std::size_t width) {
  if (text.size() <= width) return text;
  if (!IsValidUtf8(text)) return text.substr(0, width);
  std::size_t cut = width;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return text.substr(0, cut);
}

std::string FieldText(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == ',') c = ';';
    else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return out;
}

}  // namespace rovex::converters
