// The 3D view as a picture, drawn without a window.
#pragma once

#include <cstdint>

#include "platform/colours.h"
#include "platform/surface.h"
#include "program/window_layout.h"

namespace tova {

struct Tables;

// How the model is turned and coloured; the defaults are the view that "MAKE-3D" opens on.
struct ViewOptions {
  int16_t tilt = 45;
  int16_t turn = 45;
  int16_t size = kSizeRange.value;      // tenths, where the "Size:" bar starts
  int16_t centre = kCentreRange.value;  // where the "Centre:" bar starts
  Rgb pen = kViewForeColour;
  Rgb background = kViewBackColour;
};

// The 3D view's picture of the model: its background colour, then every edge, drawn exactly as
// the window's 3D view draws it.
[[nodiscard]] Image RenderViewPicture(const Tables& tables, const ViewOptions& options);

}  // namespace tova
