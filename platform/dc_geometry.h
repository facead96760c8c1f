// Curves of the device context as polylines in device pixels (y downward).
#pragma once

#include <QPointF>

#include <vector>

// Points along the ellipse with centre ptCentre and semi-axes a (x) and b
// (y), from parameter dStart through dSweep radians, counter-clockwise as
// seen on the screen; both ends included. Close enough to the true curve
// that rounding to pixels cannot tell the difference.
std::vector<QPointF> EllipseArcPoints(QPointF ptCentre, double a, double b, double dStart, double dSweep);

// The ellipse parameter of the point where the ray from the centre in the
// device direction (dx, dy) meets the ellipse. Arc angles are parameters of
// the circle before it is stretched into the ellipse, so a ray at 45 degrees
// on a 200 x 100 ellipse meets it at the parameter 63.4 degrees.
double RayParameter(double a, double b, double dx, double dy);

// The sweep from parameter dStart counter-clockwise to dEnd, in (0, 2 pi]:
// equal parameters give the whole ellipse.
double CounterClockwiseSweep(double dStart, double dEnd);

// Points along the cubic Bezier curve p0 p1 p2 p3, both ends included.
std::vector<QPointF> BezierPoints(QPointF p0, QPointF p1, QPointF p2, QPointF p3);
