#include "base/window_bounds.h"

namespace base {

WindowBounds keepOnScreen(WindowBounds bounds, int screenWidth, int screenHeight) {
    if (screenWidth <= bounds.left) bounds.left = screenWidth - bounds.width;
    if (screenHeight <= bounds.top) bounds.top = screenHeight - bounds.height;
    return bounds;
}

}  // namespace base
