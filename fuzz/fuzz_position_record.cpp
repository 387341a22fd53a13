// The record file reader: any bytes must read without a fault, never more
// points than the count allows, and the ring restored from it must keep its
// write index within its slots.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "gps/position_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  const rovex::PositionRecord record = rovex::ParsePositionRecord(content);
  if (record.pointCount < 500 || record.pointCount > 5000) std::abort();
  if (static_cast<int>(record.points.size()) > record.pointCount) std::abort();
  for (int length : {0, 3, 600}) {
    std::unique_ptr<rovex::TrackRing> ring = rovex::TrackRing::Create(length);
    if (!ring) std::abort();
    rovex::RestoreRing(record, *ring);
    const int index = ring->WriteIndex();
    if (index < 0 || index > ring->SlotCount()) std::abort();
    ring->Add(1.0, 2.0);
  }
  return 0;
}
