#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "gps/sentence_mailbox.h"

namespace rovex {
namespace {

TEST(SentenceMailbox, OneSlotDropsWhileFullCutsLongLinesAndMarksBad) {
  SentenceMailbox box;
  EXPECT_FALSE(box.TakeForDrawing());
  EXPECT_TRUE(box.TryPost("$GPGGA,1*00"));
  EXPECT_FALSE(box.TryPost("$GPGGA,2"));  // dropped, not queued
  ASSERT_TRUE(box.TakeForDrawing());
  box.AppendWhilePending(" Bad");
  EXPECT_STREQ(box.SharedSentence(), "$GPGGA,1*00 Bad");
  box.Release();
  box.AppendWhilePending(" Bad");  // only while pending
  EXPECT_FALSE(box.TakeForDrawing());
  EXPECT_STREQ(box.SharedSentence(), "$GPGGA,1*00 Bad") << "the last sentence drawn stays what is shown";

  box.TryPost(std::string(150, 'x'));
  ASSERT_TRUE(box.TakeForDrawing());
  box.AppendWhilePending(" Bad");
  EXPECT_EQ(std::string(box.SharedSentence()), std::string(99, 'x'));
  box.Release();

  box.TryPost("$GPGGA,reader");
  box.Overwrite("$GPGSV,replay");
  ASSERT_TRUE(box.TakeForDrawing());
  EXPECT_STREQ(box.SharedSentence(), "$GPGSV,replay");
  box.Reset();
  EXPECT_FALSE(box.SentencePending());
  EXPECT_STREQ(box.SharedSentence(), "");
}

// Two producers and a consumer at full speed: every sentence the consumer
// sees is one that was posted, whole (each carries its own length as a check).
TEST(SentenceMailbox, ConcurrentProducersNeverTearASentence) {
  SentenceMailbox box;
  std::atomic<bool> done{false};
  auto producer = [&](char tag) {
    for (int i = 0; !done.load(); ++i) {
      int n = 10 + i % 80;
      std::string s = "$" + std::string(1, tag) + std::to_string(n) + ":" + std::string(n, tag);
      box.TryPost(s);
    }
  };
  std::thread a(producer, 'a');
  std::thread b(producer, 'b');
  int seen = 0;
  for (int i = 0; i < 20000; ++i) {
    if (box.TakeForDrawing()) {
      std::string s = box.SharedSentence();
      ASSERT_GE(s.size(), 4u);
      char tag = s[1];
      size_t colon = s.find(':');
      ASSERT_NE(colon, std::string::npos) << s;
      int n = std::stoi(s.substr(2, colon - 2));
      EXPECT_EQ(s.substr(colon + 1), std::string(static_cast<size_t>(n), tag)) << s;
      ++seen;
      box.Release();
    }
    if (i % 100 == 0) box.Overwrite("$r4:rrrr");  // the replay, from this (the user interface) thread
  }
  done = true;
  a.join();
  b.join();
  EXPECT_GT(seen, 0);
}

}  // namespace
}  // namespace rovex
