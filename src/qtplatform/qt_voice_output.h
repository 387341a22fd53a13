#pragma once

#include <deque>
#include <string>
#include <vector>

#include <QObject>
#include <QString>
#include <QTimer>

#include "platform/voice_output.h"

class QSoundEffect;

// Plays the warning wave files through the desktop's sound server. Files are
// queued and played one after another, never blocking the window. Whatever
// the sound system does (no device, a file it cannot read, a finish it never
// reports), each file gives up its turn after its own length plus a margin,
// so the queue never stalls.

namespace rovex {

class QtVoiceOutput final : public QObject, public VoiceOutput {
  Q_OBJECT

 public:
  explicit QtVoiceOutput(QObject* parent = nullptr);
  ~QtVoiceOutput() override;

  // On the user interface thread.
  void Play(const std::string& path) override;
  void Silence() override;

  // Files waiting or playing.
  std::size_t Pending() const { return m_queue.size() + (m_current.isEmpty() ? 0 : 1); }
  // Every file whose turn came, in order (missing files never get a turn).
  const std::vector<std::string>& Started() const { return m_started; }

  // How long a file of that path may take: its length from the wave header,
  // plus a margin; a few seconds when the header does not tell.
  static int TurnMilliseconds(const QString& path);

 private:
  void StartNext();
  void Finish();
  void OnStatusChanged();
  void OnPlayingChanged();

  std::deque<QString> m_queue;
  QString m_current;
  bool m_begun = false;  // the current file was seen playing
  QSoundEffect* m_effect = nullptr;
  QTimer m_turn;
  std::vector<std::string> m_started;
};

}  // namespace rovex
