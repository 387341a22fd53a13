#include "gps/log_replay.h"

#include <cstring>

namespace rovex {
namespace {

// Whether the file's last byte is a line end (true for an empty file, or one
// that cannot be looked at from its end); the file is left at its start.
bool EndsWithLineEnd(std::FILE* file) {
  if (std::fseek(file, -1, SEEK_END) != 0) {
    std::rewind(file);
    return true;
  }
  int last = std::fgetc(file);
  std::rewind(file);
  return last == '\n' || last == '\r' || last == EOF;
}

}  // namespace

LogReplay::~LogReplay() {
  m_reader.reset();
  if (m_file) std::fclose(m_file);
}

bool LogReplay::Open(const std::string& path, std::string* message) {
  m_path = path;
  m_file = std::fopen(path.c_str(), "r");
  if (!m_file) {
    *message = "Error can't open the log file\n" + path;
    return false;
  }
  m_endsWithLineEnd = EndsWithLineEnd(m_file);
  m_reader = std::make_unique<NmeaLogLineReader>(m_file);
  return true;
}

LogReplay::Step LogReplay::PlayNext(ReplayTarget& target) {
  std::string_view text;
  const bool got = m_reader->Next(&text);
  // A folder opens but cannot be read: that is an error, never a finished replay.
  if (m_reader->Failed()) return Step::ReadError;
  if (!got && !m_endsWithLineEnd) return Step::EndOfLog;
  if (!got || text.empty()) return Step::EmptyLine;
  if (text.size() > 2) {
    ++m_linesSent;
    if (!target.PlaceAndDraw(text)) return Step::Stopped;
  }
  return target.RunPipeline() ? Step::Played : Step::Stopped;
}

std::string LogReplay::ErrorMessage() const {
  return "Error can't read the log file\n" + m_path + "\n" + std::strerror(ErrorNumber());
}

bool PlayLogNow(const std::string& path, long maxLines, ReplayTarget& target, std::string* error,
                const std::function<void()>& onOpened) {
  LogReplay replay;
  if (!replay.Open(path, error)) return false;
  if (onOpened) onOpened();
  if (maxLines == 0) return true;
  for (;;) {
    const LogReplay::Step step = replay.PlayNext(target);
    if (step == LogReplay::Step::ReadError) {
      *error = replay.ErrorMessage();
      return false;
    }
    if (step != LogReplay::Step::Played || (maxLines >= 0 && static_cast<long>(replay.LineNumber()) >= maxLines)) {
      return true;
    }
  }
}

}  // namespace rovex
