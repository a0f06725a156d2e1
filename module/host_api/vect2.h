#pragma once

// Two single-precision floats, the host's 2D vector.
struct Vect2 {
  float x = 0.0f;
  float y = 0.0f;
  Vect2() = default;
  Vect2(float x_, float y_) : x(x_), y(y_) {}
};
