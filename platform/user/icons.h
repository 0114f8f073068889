// Icon and cursor handles: the system's standard ones stand for their ids; icons loaded from a
// module's resources carry the picture of the group's image nearest the size asked for.
#pragma once

#include <windows.h>

#include <memory>

#include "gdi/icon_image.h"

namespace platform::user::icons {

HICON standard(WORD id);
// The IDI_ id behind a standard icon handle; 0 for any other handle.
WORD standard_id(HICON icon);

struct Icon {
  std::shared_ptr<const gdi::IconImage> image;
  SIZE size{};  // what it draws at by default: the size it was loaded for
};
// The icon behind a handle from the resources; null for standard icons and unknown handles.
std::shared_ptr<const Icon> find(HICON icon);

// LoadIcon and LoadImage(IMAGE_ICON): the image of the group `name` nearest cx x cy (0 x 0: the
// group's first image, at its size); without a module, the standard icon of that id. Shared
// icons are loaded once and never destroyed.
HICON load(HINSTANCE instance, LPCWSTR name, int cx, int cy, bool shared);
// DestroyIcon: false for a handle that names no icon loaded from resources.
bool destroy(HICON icon);

}  // namespace platform::user::icons
