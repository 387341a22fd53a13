#pragma once

#include <atomic>
#include <cstddef>
#include <string_view>

// The one-sentence slot between the threads that receive NMEA (the serial
// reader, a replay) and the user interface thread that draws it. There is no
// queue: while a sentence waits to be drawn, newer ones are dropped, so the
// view always gets the newest sentence that arrived after it finished the last.
//
// `SentencePending` is 1 from the moment a producer has filled `SharedSentence`
// until the drawing pass is done with it. A producer first claims the empty
// slot by compare-and-set (so that two producers never fill it together) and
// publishes with release ordering; the consumer reads the flag with acquire.
// While the slot is claimed but still being filled it does not count as pending.

namespace rovex {

class SentenceMailbox {
 public:
  static constexpr size_t kSize = 100;  // characters including the NUL

  // Producer (any thread): places the line (cut to 99 characters) when the slot
  // is free. False, leaving the slot alone, when a sentence is still pending.
  bool TryPost(std::string_view line);

  // User interface thread only (the replay hands its lines over there): places
  // the line whatever is pending, waiting only for a producer in mid-fill.
  void Overwrite(std::string_view line);

  bool SentencePending() const { return m_state.load(std::memory_order_acquire) == kPending; }

  // User interface thread: the sentence to draw. When one is pending it is
  // copied out of the slot first; otherwise the last one drawn is returned
  // again (never a slot that a producer may be filling). True when pending.
  bool TakeForDrawing();
  // What TakeForDrawing last saw, NUL-terminated; empty before the first sentence.
  const char* SharedSentence() const { return m_drawn; }

  // User interface thread, while pending: appends to the sentence (cut to fit),
  // e.g. the " Bad" that marks a failed checksum on the screen.
  void AppendWhilePending(std::string_view text);

  // User interface thread: the drawing pass is done; producers may fill again.
  void Release() { m_state.store(kEmpty, std::memory_order_release); }

  // User interface thread, before a reader starts: no sentence, nothing pending.
  void Reset();

 private:
  static constexpr int kEmpty = 0;
  static constexpr int kPending = 1;
  static constexpr int kFilling = 2;

  void Fill(std::string_view line);

  std::atomic<int> m_state{kEmpty};
  char m_slot[kSize] = {};
  char m_drawn[kSize] = {};  // user interface thread only
};

}  // namespace rovex
