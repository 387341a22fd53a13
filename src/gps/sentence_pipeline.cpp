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

SentencePipeline::PassEnd SentencePipeline::DrawingPass(DrawingHooks* hooks) {
  ++m_passes;
  if (m_steps.ListBeingRebuilt()) return PassEnd::Busy;
  if (m_fillBackground && hooks) {  // kept for the next pass that really paints
    m_fillBackground = false;
    hooks->FillBackground();
  }

  // Pending is decided once: a sentence a reader places during this pass is
  // left pending for its own WM_GPS_SENTENCE rather than cleared unseen.
  bool pending = m_mailbox.TakeForDrawing();
  const std::string copy(m_mailbox.SharedSentence());
  bool checksumOk = false;
  if (pending) {
    checksumOk = ValidateChecksum(copy);
    if (checksumOk) {
      NmeaSentenceParts parts = SplitSentence(copy);
      m_parser.DispatchSentence(parts.address, parts.data);
    }
  }

  if (m_viewMode != kViewModeTrackEditor && m_viewMode != kViewModeTrekbuddy) {
    if (copy.size() >= 2 && (copy[1] == ',' || copy[1] == '*')) {
      // Nothing to show. The slot is released all the same: kept pending, it
      // would make the reader drop every sentence after it.
      if (pending) m_mailbox.Release();
      return PassEnd::NoFirstField;
    }
    if (hooks) hooks->DrawPanels();
  }

  if (pending && Fix().speedKnots > 1.0 && m_track) m_track->Add(Fix().latitude, Fix().longitude);

  if (m_viewMode == kViewModeCamera && pending && !checksumOk) m_mailbox.AppendWhilePending(" Bad");
  if (hooks) hooks->DrawMode(m_viewMode, m_mailbox.SharedSentence(), pending);

  if (pending) m_mailbox.Release();
  return PassEnd::Done;
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
