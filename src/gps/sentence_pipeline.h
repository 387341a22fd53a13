#pragma once

#include <functional>
#include <memory>

#include "nmea/gps_fix.h"
#include "nmea/nmea_parser.h"
#include "gps/pipeline_steps.h"
#include "gps/sentence_mailbox.h"
#include "gps/track_ring.h"

// The view's side of each NMEA sentence, without any drawing: the
// per-sentence pipeline (camera-list refresh, then the camera work for the fix)
// and the state work of the drawing pass (checksum, parse, displayed track,
// releasing the mailbox). The pipeline runs before the pass parses, so the camera
// work of a sentence uses the fix of the sentence before it.
//
// The view calls DrawingPass for every sentence whether or not its window can
// paint (minimised, hidden): until the pass releases the mailbox the reader
// drops every further sentence.

namespace rovex {

inline constexpr int kViewModeCamera = 0;
inline constexpr int kViewModeTrackEditor = 5;
inline constexpr int kViewModeTrekbuddy = 7;

// Where the drawing goes; each runs inside DrawingPass at its place in the order.
class DrawingHooks {
 public:
  virtual ~DrawingHooks() = default;
  // A mode change or a change of colours asked for the whole background first.
  virtual void FillBackground() {}
  // The two text panels and the camera-type legend.
  virtual void DrawPanels() {}
  // The current mode. sentence is `SharedSentence` as drawn (with " Bad" after
  // a failed checksum in the Camera mode); pending tells whether it is new.
  virtual void DrawMode(int viewMode, const char* sentence, bool pending) {
    (void)viewMode;
    (void)sentence;
    (void)pending;
  }
};

class SentencePipeline {
 public:
  static constexpr int kRefreshStart = 10000;
  static constexpr int kRefreshNow = 71;      // a position was set by hand
  static constexpr int kRefreshReplay = 58;   // a replay starts

  SentencePipeline(SentenceMailbox& mailbox, PipelineSteps& steps) : m_mailbox(mailbox), m_steps(steps) {}

  CNMEAParser& Parser() { return m_parser; }
  GpsFix& Fix() { return m_parser.Fix(); }

  int RefreshCounter() const { return m_refreshCounter; }
  void SetRefreshCounter(int value) { m_refreshCounter = value; }

  // 0 Camera ... 7 Trekbuddy.
  int ViewMode() const { return m_viewMode; }
  void SetViewMode(int mode) { m_viewMode = mode; }
  // The next pass fills the background first (mode switch, colour change).
  void RequestBackgroundFill() { m_fillBackground = true; }

  // Track recording (`LogTrack`) with a ring for `TrackLength` = length. False
  // when the ring could not be allocated; recording is then off.
  bool SetTrackRecording(bool on, int length);
  TrackRing* Track() { return m_track.get(); }
  // Where new rings come from; tests make it fail as an exhausted heap would.
  void SetRingFactory(std::function<std::unique_ptr<TrackRing>(int)> factory) { m_ringFactory = std::move(factory); }

  // The per-sentence pipeline.
  void RunPipeline();

  enum class PassEnd {
    Busy,          // the camera list is being rebuilt: nothing done, the sentence stays pending
    NoFirstField,  // the sentence has an empty first field: nothing drawn
    Done,
  };
  // The drawing pass: the sentence taken from the mailbox (checksum, parse,
  // displayed track), then drawn through the hooks, then the mailbox released.
  // Without hooks it does the same state work and draws nothing, as a caller
  // with no window needs.
  PassEnd DrawingPass(DrawingHooks* hooks);
  PassEnd ParseSentence() { return DrawingPass(nullptr); }
  // Whether any pass has taken a sentence from the mailbox since the start.
  bool AnySentenceTaken() const { return m_anyTaken; }

  // WM_GPS_SENTENCE: the pipeline, then the drawing pass at once (redrawNow
  // runs the view's paint, which calls DrawingPass). When the window could not
  // paint, the pass runs here without hooks, so its state work still happens.
  void OnGpsSentence(const std::function<void()>& redrawNow);
  // WM_LOCATION_SET: the camera list is rebuilt with this very pipeline run.
  void OnLocationSet();

 private:
  struct Taken {
    bool pending = false;
    bool withPanels = true;  // not the track editor or the atlas
    bool drawable = true;    // something has been received
  };
  // The state work of a pass, apart from its drawing.
  Taken TakeSentence();

  SentenceMailbox& m_mailbox;
  PipelineSteps& m_steps;
  CNMEAParser m_parser;
  int m_refreshCounter = kRefreshStart;
  int m_viewMode = kViewModeCamera;
  bool m_fillBackground = false;
  bool m_anyTaken = false;
  unsigned m_passes = 0;
  std::unique_ptr<TrackRing> m_track;
  std::function<std::unique_ptr<TrackRing>(int)> m_ringFactory;
};

}  // namespace rovex
