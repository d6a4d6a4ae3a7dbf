// The views the running session keeps, one per open window (for tests and
// tools that look at what is drawn).
#pragma once

#include "platform/qt/window_view.h"
#include "platform/ui/window.h"

namespace qtview {

// The view of an open window while a session runs, or null.
WindowView* viewOf(const ui::Window& window);

}  // namespace qtview
