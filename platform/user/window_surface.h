// The persistent picture of each top-level window: the window and its children paint into it,
// and a screenshot writes it.
#pragma once

#include <memory>

#include "gdi/surface.h"
#include "user/window.h"

namespace platform::user::paint {

// The surface of top-level window `root`, of its window rectangle's size, made at first use. A
// window that changes size keeps what fits of its picture.
std::shared_ptr<gdi::Surface> surface_of(const Window& root);

}  // namespace platform::user::paint
