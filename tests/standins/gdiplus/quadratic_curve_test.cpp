// Telling quadratic curves raised to cubic from true cubics.

#include "standins/gdiplus/quadratic_curve.h"

#include <gtest/gtest.h>

namespace {

using gdiplus::QuadraticControl;

// The cubic that draws the quadratic start, control, end.
struct Raised {
  GpPointF start, control1, control2, end;
};
Raised Raise(GpPointF start, GpPointF control, GpPointF end) {
  return {start,
          {start.X + 2 * (control.X - start.X) / 3, start.Y + 2 * (control.Y - start.Y) / 3},
          {end.X + 2 * (control.X - end.X) / 3, end.Y + 2 * (control.Y - end.Y) / 3},
          end};
}

TEST(QuadraticCurveTest, RaisedQuadraticGivesBackItsControlPoint) {
  const Raised curve = Raise({10.25f, 40.5f}, {31.75f, 2.125f}, {57.5f, 38.0f});
  GpPointF control{};
  ASSERT_TRUE(QuadraticControl(curve.start, curve.control1, curve.control2, curve.end, &control));
  EXPECT_NEAR(control.X, 31.75f, 1e-4f);
  EXPECT_NEAR(control.Y, 2.125f, 1e-4f);
}

TEST(QuadraticCurveTest, TrueCubicsStayCubic) {
  GpPointF control{-1, -1};
  // A quarter circle of radius 10, as paths draw ellipses.
  EXPECT_FALSE(QuadraticControl({10, 0}, {10, 5.523f}, {5.523f, 10}, {0, 10}, &control));
  // A raised quadratic with one control point moved by a tenth of a pixel.
  Raised moved = Raise({0, 0}, {20, 30}, {40, 0});
  moved.control2.Y += 0.1f;
  EXPECT_FALSE(QuadraticControl(moved.start, moved.control1, moved.control2, moved.end, &control));
  EXPECT_EQ(control.X, -1);
}

}  // namespace
