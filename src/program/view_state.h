// The 3D view: its angles, scale, centre and shift, the pointer tracking and the colour cycle.
#pragma once

#include <array>
#include <cstdint>

namespace tova {

// What the 3D view starts with on every run: its scale in tenths, its centre and its step.
inline constexpr int16_t kStartViewSize = 14;
inline constexpr int16_t kStartViewCentre = 100;
inline constexpr int16_t kStartViewStep = 8;

struct ViewVars {
  int16_t viewShown = 0;      // 1 while the 3D view lies over the canvas
  int16_t viewTilt = 0;       // degrees
  int16_t viewTurn = 0;       // degrees about the model's Z axis
  int16_t viewSize = 0;       // scale in tenths
  int16_t viewCentre = 0;     // subtracted from X, Y and Z before turning
  int16_t viewStep = 0;       // degrees per step
  int16_t lastDirection = 0;  // the direction "GO" repeats
  int16_t panX = 0, panY = 0;
  int16_t penCycle = 0;
  int16_t trackOn = 0;
  int16_t trackX = 0, trackY = 0;
  std::array<std::array<float, 4>, 4> viewMatrix{};
};

}  // namespace tova
