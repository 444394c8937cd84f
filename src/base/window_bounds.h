#pragma once
// A window's place on the screen as the settings file stores it, and what
// makes a stored place safe to apply: the file may hold anything.
#include <span>

namespace base {

// Left and top of the window's client area, and its client size.
struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowBounds&, const WindowBounds&) = default;
};

// Fits stored bounds to the screens' available areas (primary first): the
// window goes to the screen that holds its centre (else the one it overlaps
// most, else the primary); a size beyond that screen shrinks to it and one
// below `minimum` grows to it (as far as the screen allows); then the window
// is moved as little as needed to lie wholly on that screen. Any integers,
// INT_MIN and INT_MAX included, give a window a user can see and reach.
WindowBounds fitToScreens(WindowBounds stored, std::span<const WindowBounds> screens, int minimumWidth = 0,
                          int minimumHeight = 0);

}  // namespace base
