#include "gps/sentence_mailbox.h"

#include <cstring>
#include <thread>

namespace rovex {

void SentenceMailbox::Fill(std::string_view line) {
  size_t n = line.size() < kSize - 1 ? line.size() : kSize - 1;
  if (n > 0) std::memcpy(m_slot, line.data(), n);
  m_slot[n] = '\0';
}

bool SentenceMailbox::TryPost(std::string_view line) {
  int expected = kEmpty;
  if (!m_state.compare_exchange_strong(expected, kFilling, std::memory_order_acquire)) return false;
  Fill(line);
  m_state.store(kPending, std::memory_order_release);
  return true;
}

void SentenceMailbox::Overwrite(std::string_view line) {
  for (;;) {
    int seen = m_state.load(std::memory_order_acquire);
    if (seen != kFilling && m_state.compare_exchange_weak(seen, kFilling, std::memory_order_acquire)) break;
    std::this_thread::yield();  // a reader is copying at most 99 characters
  }
  Fill(line);
  m_state.store(kPending, std::memory_order_release);
}

bool SentenceMailbox::TakeForDrawing() {
  if (!SentencePending()) return false;
  std::memcpy(m_drawn, m_slot, kSize);
  m_drawn[kSize - 1] = '\0';
  return true;
}

void SentenceMailbox::AppendWhilePending(std::string_view text) {
  if (!SentencePending()) return;
  size_t used = std::strlen(m_slot);
  size_t room = kSize - 1 - used;
  size_t n = text.size() < room ? text.size() : room;
  if (n > 0) std::memcpy(m_slot + used, text.data(), n);
  m_slot[used + n] = '\0';
  std::memcpy(m_drawn, m_slot, kSize);
}

void SentenceMailbox::Reset() {
  Overwrite({});
  m_drawn[0] = '\0';
  Release();
}

}  // namespace rovex
