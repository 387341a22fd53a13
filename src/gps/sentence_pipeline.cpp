#include "gps/sentence_pipeline.h"

#include <string>

#include "nmea/nmea_sentence.h"

namespace rovex {

bool SentencePipeline::SetTrackRecording(bool on, int length) {
  if (!on) {
    m_track.reset();
    return true;
  }
  if (m_track && m_track->Length() == length) return true;
  // The old ring goes first, so that the new one does not need room beside it.
  m_track.reset();
  m_track = m_ringFactory ? m_ringFactory(length) : TrackRing::Create(length);
  return m_track != nullptr;
}

void SentencePipeline::RunPipeline() {
  if (m_steps.ListBeingRebuilt()) return;
  // A rebuild that did nothing (no fix yet) or failed leaves the counter, so
  // the next sentence asks again; with a fix the list is rebuilt every 62nd sentence.
  if (m_refreshCounter > 60) {
    if (m_steps.RebuildLists(Fix())) m_refreshCounter = 0;
  } else {
    ++m_refreshCounter;
  }
  if (Fix().latitude == 0.0) return;
  m_steps.UpdateForFix(Fix());
}

SentencePipeline::Taken SentencePipeline::TakeSentence() {
  // Pending is decided once: a sentence a reader places during this pass is
  // left pending for its own WM_GPS_SENTENCE rather than cleared unseen.
  Taken taken;
  taken.pending = m_mailbox.TakeForDrawing();
  m_anyTaken = m_anyTaken || taken.pending;
  const std::string copy(m_mailbox.SharedSentence());
  bool checksumOk = false;
  if (taken.pending) {
    checksumOk = ValidateChecksum(copy);
    if (checksumOk) {
      NmeaSentenceParts parts = SplitSentence(copy);
      m_parser.DispatchSentence(parts.address, parts.data);
    }
  }
  taken.withPanels = m_viewMode != kViewModeTrackEditor && m_viewMode != kViewModeTrekbuddy;
  // Nothing received yet (an empty first field): nothing to show.
  if (taken.withPanels && copy.size() >= 2 && (copy[1] == ',' || copy[1] == '*')) {
    taken.drawable = false;
    return taken;
  }
  if (taken.pending && Fix().speedKnots > 1.0 && m_track) m_track->Add(Fix().latitude, Fix().longitude);
  if (m_viewMode == kViewModeCamera && taken.pending && !checksumOk) m_mailbox.AppendWhilePending(" Bad");
  return taken;
}

SentencePipeline::PassEnd SentencePipeline::DrawingPass(DrawingHooks* hooks) {
  ++m_passes;
  if (m_steps.ListBeingRebuilt()) return PassEnd::Busy;
  if (m_fillBackground && hooks) {  // kept for the next pass that really paints
    m_fillBackground = false;
    hooks->FillBackground();
  }
  const Taken taken = TakeSentence();
  if (taken.drawable && hooks) {
    if (taken.withPanels) hooks->DrawPanels();
    hooks->DrawMode(m_viewMode, m_mailbox.SharedSentence(), taken.pending);
  }
  // Released even when nothing could be shown: kept pending, it would make
  // the reader drop every sentence after it.
  if (taken.pending) m_mailbox.Release();
  return taken.drawable ? PassEnd::Done : PassEnd::NoFirstField;
}

void SentencePipeline::OnGpsSentence(const std::function<void()>& redrawNow) {
  RunPipeline();
  unsigned before = m_passes;
  if (redrawNow) redrawNow();
  if (m_passes == before) DrawingPass(nullptr);
}

void SentencePipeline::OnLocationSet() {
  m_refreshCounter = kRefreshNow;
  RunPipeline();
}

}  // namespace rovex
