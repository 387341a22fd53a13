#pragma once

#include <QIcon>

// The toolbar artwork, drawn from the SVG files compiled into the program
// (":/toolbar/NAME.svg") at the sizes the toolbars use.

namespace rovex {

QIcon ToolbarIcon(const char* name);

}  // namespace rovex
