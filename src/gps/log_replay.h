#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "nmea/nmea_log_line_reader.h"

// The one way a recorded NMEA log is played into the running system, used by
// the replay thread, the snapshot's replay and `rovex-cli replay`: each line
// is placed in the mailbox and drawn (which parses it), then the per-sentence
// pipeline runs, also for lines too short to be drawn. An empty line ends the
// replay. Callers differ only in where the two steps run and how long they wait.

namespace rovex {

// Where a replayed line goes. Each returns false when the replay must stop
// (the window is going away).
class ReplayTarget {
 public:
  virtual ~ReplayTarget() = default;
  // The line goes into the mailbox and through the drawing pass.
  virtual bool PlaceAndDraw(std::string_view line) = 0;
  virtual bool RunPipeline() = 0;
};

// A target of two plain steps that never ask the replay to stop.
class CallbackReplayTarget final : public ReplayTarget {
 public:
  CallbackReplayTarget(std::function<void(std::string_view)> placeAndDraw, std::function<void()> pipeline)
      : m_placeAndDraw(std::move(placeAndDraw)), m_pipeline(std::move(pipeline)) {}
  bool PlaceAndDraw(std::string_view line) override {
    m_placeAndDraw(line);
    return true;
  }
  bool RunPipeline() override {
    m_pipeline();
    return true;
  }

 private:
  std::function<void(std::string_view)> m_placeAndDraw;
  std::function<void()> m_pipeline;
};

class LogReplay {
 public:
  enum class Step {
    Played,     // a line went through the target
    Stopped,    // the target asked to stop
    EmptyLine,  // an empty line or the end after a last line end: "Replay complete"
    EndOfLog,   // the log ended on a line without a line end: the replay ends quietly
    ReadError,  // the log could not be read (ErrorMessage says why)
  };

  LogReplay() = default;
  ~LogReplay();
  LogReplay(const LogReplay&) = delete;
  LogReplay& operator=(const LogReplay&) = delete;

  // False, with the message the user is shown, when the log cannot be opened.
  bool Open(const std::string& path, std::string* message);
  Step PlayNext(ReplayTarget& target);
  // The number of the line last read, from 1.
  std::size_t LineNumber() const { return m_reader ? m_reader->LineNumber() : 0; }
  // Lines that went into the mailbox.
  long LinesSent() const { return m_linesSent; }
  std::string ErrorMessage() const;
  int ErrorNumber() const { return m_reader ? m_reader->ErrorNumber() : 0; }

 private:
  std::string m_path;
  std::FILE* m_file = nullptr;
  std::unique_ptr<NmeaLogLineReader> m_reader;
  bool m_endsWithLineEnd = true;
  long m_linesSent = 0;
};

// Plays a log here and now, without a delay, through the target: the first
// maxLines lines (all when below 0). onOpened runs once the log is open. False,
// with the message the user is shown, when it cannot be opened or read.
bool PlayLogNow(const std::string& path, long maxLines, ReplayTarget& target, std::string* error,
                const std::function<void()>& onOpened = nullptr);

}  // namespace rovex
