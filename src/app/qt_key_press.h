#pragma once

#include "system/accelerator_table.h"

class QKeyEvent;

// A Qt key event in the terms of the accelerator table: the Windows virtual-key
// code of the physical key and the character it typed.

namespace rovex {

KeyPress ToKeyPress(const QKeyEvent& event);

}  // namespace rovex
