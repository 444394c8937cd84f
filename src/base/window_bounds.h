#pragma once
// A window's place on the screen as the settings file stores it.

namespace base {

struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowBounds&, const WindowBounds&) = default;
};

// A window whose stored left (top) is not left of the screen's right edge
// (above its bottom edge) is moved so that its right (bottom) edge meets it.
WindowBounds keepOnScreen(WindowBounds bounds, int screenWidth, int screenHeight);

}  // namespace base
