#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What every converter hands back to its caller: whether it succeeded and the
// message texts the user is shown, in order. A dialog shows each in a message
// box; rovex-cli prints them.

namespace rovex::converters {

enum class MessageKind {
  Info,     // the closing message of a successful conversion
  Warning,  // a problem with part of the input; the conversion went on
  Error,    // the conversion stopped
};

struct ConverterMessage {
  MessageKind kind;
  std::string text;
};

struct ConverterResult {
  bool ok = true;
  std::vector<ConverterMessage> messages;

  void Info(std::string text) { messages.push_back({MessageKind::Info, std::move(text)}); }
  void Warning(std::string text) { messages.push_back({MessageKind::Warning, std::move(text)}); }
  void Error(std::string text) {
    ok = false;
    messages.push_back({MessageKind::Error, std::move(text)});
  }
  // The texts alone, for tests and logs.
  std::vector<std::string> Texts() const;
};

// Called now and then during a long conversion with the bytes read so far and
// the size of the input (0 when unknown). Returning false cancels.
using ProgressFunction = std::function<bool(uint64_t done, uint64_t total)>;

inline constexpr const char* kCancelledMessage = "Conversion cancelled.";

}  // namespace rovex::converters
