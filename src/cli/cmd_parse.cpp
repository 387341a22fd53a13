#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "cli/cli_command.h"
#include "nmea/nmea_log_line_reader.h"
#include "nmea/nmea_parser.h"
#include "nmea/nmea_sentence.h"

namespace rovex::cli {
namespace {

// The mailbox that a replayed line passes through holds this many characters.
constexpr size_t kSentenceChars = 99;

// Output gathered in large blocks: a log of a day's driving is hundreds of
// thousands of lines, and one write per line would be most of the work.
class OutputBuffer {
 public:
  explicit OutputBuffer(std::FILE* file) : m_file(file) {}

  void Text(std::string_view text) {
    Reserve(text.size());
    std::memcpy(m_data + m_used, text.data(), text.size());
    m_used += text.size();
  }

  void Char(char c) {
    Reserve(1);
    m_data[m_used++] = c;
  }

  void Unsigned(unsigned long long value, int minDigits = 1) {
    char digits[24];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    for (int pad = minDigits - static_cast<int>(result.ptr - digits); pad > 0; --pad) Char('0');
    Text(std::string_view(digits, result.ptr - digits));
  }

  // As printf's "%.Nf" in the C locale.
  void Fixed(double value, int decimals) {
    Reserve(kLongestFixed);
    auto result = std::to_chars(m_data + m_used, m_data + m_used + kLongestFixed, value, std::chars_format::fixed,
                                decimals);
    if (result.ec != std::errc()) {  // cannot happen within kLongestFixed, but never print a partial number
      Text("?");
      return;
    }
    m_used = result.ptr - m_data;
  }

  // The address as received, with anything that is not a visible ASCII
  // character shown as "?", so that each output line stays one line of text.
  void Visible(std::string_view text) {
    for (unsigned char c : text) Char(c > 0x20 && c < 0x7f ? static_cast<char>(c) : '?');
  }

  bool Flush() {
    if (m_used > 0 && std::fwrite(m_data, 1, m_used, m_file) != m_used) m_failed = true;
    m_used = 0;
    return !m_failed;
  }

 private:
  // The largest double in fixed notation with up to 6 decimals.
  static constexpr size_t kLongestFixed = 320;

  void Reserve(size_t n) {
    if (m_used + n > sizeof m_data) Flush();
  }

  std::FILE* m_file;
  char m_data[1 << 16];
  size_t m_used = 0;
  bool m_failed = false;
};

}  // namespace

int CmdParse(const std::vector<std::string>& args, CliContext& ctx) {
  if (args.size() != 1) {
    std::fprintf(ctx.err, "usage: rovex-cli parse FILE\n");
    return 2;
  }
  const std::string& path = args[0];
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    std::fprintf(ctx.err, "rovex-cli: can't open the log file %s: %s\n", path.c_str(), std::strerror(errno));
    return 1;
  }

  auto reader = std::make_unique<NmeaLogLineReader>(file);
  auto out = std::make_unique<OutputBuffer>(ctx.out);
  CNMEAParser parser;
  std::string_view line;
  while (reader->Next(&line)) {
    if (line.size() <= 2) continue;
    std::string_view sentence = line.substr(0, kSentenceChars);
    out->Unsigned(reader->LineNumber());
    if (!ValidateChecksum(sentence)) {
      out->Text(" bad\n");
      continue;
    }
    NmeaSentenceParts parts = SplitSentence(sentence);
    parser.DispatchSentence(parts.address, parts.data);
    const GpsFix& fix = parser.Fix();
    out->Char(' ');
    out->Visible(parts.address);
    out->Char(' ');
    out->Unsigned(fix.utcHour, 2);
    out->Char(':');
    out->Unsigned(fix.utcMinute, 2);
    out->Char(':');
    out->Unsigned(fix.utcSecond, 2);
    out->Char(' ');
    out->Fixed(fix.latitude, 6);
    out->Char(' ');
    out->Fixed(fix.longitude, 6);
    out->Char(' ');
    out->Fixed(fix.altitude, 1);
    out->Char(' ');
    out->Fixed(fix.speedKnots, 2);
    out->Char(' ');
    out->Fixed(fix.courseDegrees, 1);
    out->Char('\n');
  }
  bool readFailed = reader->Failed();
  int readError = reader->ErrorNumber();
  std::fclose(file);

  bool written = out->Flush() && std::fflush(ctx.out) == 0 && !std::ferror(ctx.out);
  if (readFailed) {
    std::fprintf(ctx.err, "rovex-cli: error reading %s: %s\n", path.c_str(), std::strerror(readError));
    return 1;
  }
  if (!written) {
    std::fprintf(ctx.err, "rovex-cli: error writing the output\n");
    return 1;
  }
  return 0;
}

}  // namespace rovex::cli
