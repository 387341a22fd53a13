#pragma once

#include "nmea/gps_fix.h"

// The per-sentence pipeline belongs to GPS input, but most of its work is the
// camera subsystem's (and, in the points-of-interest mode, the POI list's).
// Those plug in through this interface so that GPS input knows nothing of them.

namespace rovex {

class PipelineSteps {
 public:
  virtual ~PipelineSteps() = default;

  // True while the nearby camera list is being rebuilt: the pipeline and the
  // drawing pass then do nothing for this sentence.
  virtual bool ListBeingRebuilt() const = 0;

  // The refresh step: rebuild the nearby lists for the current map radius.
  // True when a rebuild completed (the refresh counter goes back to 0); false
  // when it did nothing (no fix yet) or failed with a message, so that the
  // next sentence asks again.
  virtual bool RebuildLists(const GpsFix& fix) = 0;

  // With a fix: nearest camera, distance warning and its announcements, the
  // camera texts, and the average-speed zone.
  virtual void UpdateForFix(const GpsFix& fix) = 0;
};

}  // namespace rovex
