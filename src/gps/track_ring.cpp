#include "gps/track_ring.h"

#include <new>

namespace rovex {

std::unique_ptr<TrackRing> TrackRing::Create(int length) {
  if (length < 0) length = 0;
  try {
    std::unique_ptr<TrackRing> ring(new TrackRing(length));
    ring->m_slots.resize(static_cast<size_t>(length) + 1);
    return ring;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void TrackRing::Add(double latitude, double longitude) {
  ++m_index;
  if (m_index < 0 || m_index > m_length) m_index = 0;
  m_slots[static_cast<size_t>(m_index)] = {latitude, longitude};
}

void TrackRing::SetSlot(int i, double latitude, double longitude) {
  if (i < 0 || i > m_length) return;
  m_slots[static_cast<size_t>(i)] = {latitude, longitude};
}

}  // namespace rovex
