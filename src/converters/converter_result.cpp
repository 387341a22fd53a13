#include "converters/converter_result.h"

namespace rovex::converters {

std::vector<std::string> ConverterResult::Texts() const {
  std::vector<std::string> texts;
  texts.reserve(messages.size());
  for (const ConverterMessage& m : messages) texts.push_back(m.text);
  return texts;
}

}  // namespace rovex::converters
