#pragma once

#include <string>

namespace kmq::platform {

// Where a Wayland display's socket is, from the values of WAYLAND_DISPLAY
// and XDG_RUNTIME_DIR (null or empty when not set): the display names it,
// as a path or inside the runtime folder, and "wayland-0" is the one a
// compositor offers when the display is not named. Empty when it cannot be
// placed. Linux only.
std::string waylandSocketPath(const char* waylandDisplay, const char* runtimeDir);

}  // namespace kmq::platform
