// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kestive {

// The main window as a whole: shown at start-up, closed by Exit and Quit, taking the others with it.
class WindowLifetime {
public:
    virtual ~WindowLifetime() = default;
    virtual void show() = 0;
    // Closes the main window; the window system then runs Form_Unload.
    virtual void close() = 0;
    // Closes and destroys the secondary windows that exist, shown or hidden.
    virtual void destroySecondaryWindows() = 0;
};

}  // namespace kestive
