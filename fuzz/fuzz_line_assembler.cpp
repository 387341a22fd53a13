// The serial reader's line assembly: any bytes from the wire must give lines
// of at most 99 characters without CR, LF or NUL, and every line handed over
// must come out of the mailbox exactly as it went in.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "nmea/line_assembler.h"
#include "gps/sentence_mailbox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rovex::LineAssembler assembler;
  rovex::SentenceMailbox mailbox;
  for (size_t i = 0; i < size; ++i) {
    if (!assembler.Feed(data[i])) continue;
    const std::string& line = assembler.Line();
    if (line.size() > rovex::LineAssembler::kMaxLine) std::abort();
    if (line.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) std::abort();
    if (!rovex::IsForwardedSentence(line)) continue;
    if (line[0] != '$' || line.size() < 6) std::abort();
    if (!mailbox.TryPost(line) || !mailbox.TakeForDrawing()) std::abort();
    if (line != mailbox.SharedSentence()) std::abort();
    mailbox.AppendWhilePending(" Bad");
    if (std::strlen(mailbox.SharedSentence()) >= rovex::SentenceMailbox::kSize) std::abort();
    mailbox.Release();
  }
  return 0;
}
