#pragma once

#include <cstdint>

// How worker threads and dialogs reach the view: a message posted to the user
// interface thread's queue, never a direct call. Post must be safe from any thread.

namespace rovex {

// The view's private messages.
inline constexpr uint32_t WM_GPS_SENTENCE = 0x9999;
inline constexpr uint32_t WM_DISTANCE_TO_LOCATION = 0x999A;
inline constexpr uint32_t WM_LOCATION_SET = 0x999b;
inline constexpr uint32_t WM_MAP_ZOOM = 0x999c;
// The serial port finished its settling waits off the user interface thread.
inline constexpr uint32_t WM_GPS_PORT_OPENED = 0x99a0;
// A worker thread waits for work to be run on the user interface thread.
inline constexpr uint32_t WM_GPS_UI_CALL = 0x99a1;

class MessagePoster {
 public:
  virtual ~MessagePoster() = default;
  virtual void Post(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) = 0;
};

}  // namespace rovex
