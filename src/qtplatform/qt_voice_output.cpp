#include "qtplatform/qt_voice_output.h"

#include <algorithm>
#include <cstdint>

#include <QAudioDevice>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace rovex {
namespace {

constexpr int kMarginMs = 1500;
constexpr int kUnknownLengthMs = 8000;
constexpr int kLongestTurnMs = 60000;

uint32_t Le32(const char* p) {
  return static_cast<uint32_t>(static_cast<unsigned char>(p[0])) |
         static_cast<uint32_t>(static_cast<unsigned char>(p[1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(p[2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(p[3])) << 24;
}

}  // namespace

QtVoiceOutput::QtVoiceOutput(QObject* parent) : QObject(parent) {
  m_turn.setSingleShot(true);
  connect(&m_turn, &QTimer::timeout, this, &QtVoiceOutput::Finish);
}

QtVoiceOutput::~QtVoiceOutput() {
  if (m_effect) m_effect->stop();
}

int QtVoiceOutput::TurnMilliseconds(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return kUnknownLengthMs;
  const QByteArray head = file.read(4096);
  if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return kUnknownLengthMs;
  uint32_t byteRate = 0;
  uint32_t dataBytes = 0;
  // Chunks after the RIFF header: "fmt " gives the byte rate, "data" the length.
  for (qsizetype at = 12; at + 8 <= head.size();) {
    const QByteArray id = head.mid(at, 4);
    const uint32_t size = Le32(head.constData() + at + 4);
    if (id == "fmt " && at + 20 <= head.size()) byteRate = Le32(head.constData() + at + 16);
    if (id == "data") {
      dataBytes = size;
      break;
    }
    const qsizetype next = at + 8 + static_cast<qsizetype>(size) + (size & 1);
    if (next <= at) break;
    at = next;
  }
  if (byteRate == 0 || dataBytes == 0) return kUnknownLengthMs;
  const double ms = static_cast<double>(dataBytes) * 1000.0 / byteRate;
  return static_cast<int>(std::min<double>(ms, kLongestTurnMs)) + kMarginMs;
}

void QtVoiceOutput::Play(const std::string& path) {
  QString file = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
  // A missing file plays nothing, and no default sound stands in for it.
  if (!QFileInfo(file).isFile()) return;
  m_queue.push_back(file);
  if (m_current.isEmpty()) StartNext();
}

void QtVoiceOutput::Silence() {
  m_queue.clear();
  if (m_current.isEmpty()) return;
  // The file playing is cut short, and its effect let go at once so that
  // nothing it reports later is taken for the next file's.
  m_turn.stop();
  if (m_effect) {
    m_effect->disconnect(this);
    m_effect->stop();
    m_effect->deleteLater();
    m_effect = nullptr;
  }
  m_current.clear();
}

void QtVoiceOutput::StartNext() {
  while (m_current.isEmpty() && !m_queue.empty()) {
    QString next = m_queue.front();
    m_queue.pop_front();
    if (!QFileInfo(next).isFile()) continue;  // gone since it was asked for
    m_current = next;
    m_begun = false;
    m_started.push_back(next.toStdString());
    if (QMediaDevices::defaultAudioOutput().isNull()) {
      // Nothing can be heard (no sound server or device): the turn passes as
      // soon as the event loop comes round.
      QTimer::singleShot(0, this, &QtVoiceOutput::Finish);
      return;
    }
    // A fresh effect per file: a source change on a playing effect is not
    // reliably reported across sound back ends.
    if (m_effect) {
      m_effect->disconnect(this);
      m_effect->stop();
      m_effect->deleteLater();
    }
    m_effect = new QSoundEffect(this);
    connect(m_effect, &QSoundEffect::statusChanged, this, &QtVoiceOutput::OnStatusChanged);
    connect(m_effect, &QSoundEffect::playingChanged, this, &QtVoiceOutput::OnPlayingChanged);
    m_turn.start(TurnMilliseconds(next));
    m_effect->setSource(QUrl::fromLocalFile(next));
    OnStatusChanged();  // a source already loaded reports no change
  }
}

void QtVoiceOutput::OnStatusChanged() {
  if (!m_effect || m_current.isEmpty()) return;
  switch (m_effect->status()) {
    case QSoundEffect::Ready:
      if (!m_begun && !m_effect->isPlaying()) m_effect->play();
      break;
    case QSoundEffect::Error:
      Finish();  // unreadable file or no sound device: the next one's turn
      break;
    default:
      break;
  }
}

void QtVoiceOutput::OnPlayingChanged() {
  if (!m_effect || m_current.isEmpty()) return;
  if (m_effect->isPlaying()) {
    m_begun = true;
  } else if (m_begun) {
    Finish();
  }
}

void QtVoiceOutput::Finish() {
  if (m_current.isEmpty()) return;
  m_turn.stop();
  if (m_effect) m_effect->stop();
  m_current.clear();
  // Not from inside the sound system's own signal, nor from Play itself: the
  // next one starts from the event loop.
  QTimer::singleShot(0, this, &QtVoiceOutput::StartNext);
}

}  // namespace rovex
