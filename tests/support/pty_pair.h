#pragma once

#include <string>
#include <string_view>

// A pseudo-terminal pair: the test plays the receiver on the master side, the
// code under test opens the slave by its path like a serial device.

namespace rovex::testing {

class PtyPair {
 public:
  PtyPair();
  ~PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  const std::string& SlavePath() const { return m_slavePath; }
  // The test's own descriptor of the slave (keeps the terminal alive, lets the test look at its settings).
  int SlaveFd() const { return m_slave; }

  void Write(std::string_view bytes);
  // What the code under test wrote to the slave, waiting up to timeoutMs for the first byte.
  std::string Read(int timeoutMs);
  // The receiver goes away: the slave side then reads as hung up.
  void CloseMaster();
  void CloseSlave();

  // Waits until the code under test has put the line into raw mode (its settings are applied).
  bool WaitUntilRaw(int timeoutMs) const;

 private:
  int m_master = -1;
  int m_slave = -1;
  std::string m_slavePath;
};

}  // namespace rovex::testing
