#include "platform/dc_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Largest distance, in pixels, between a curve and the chords that stand
// for it.
constexpr double kTolerance = 0.2;
// Huge curves from damaged files get no more chords than this.
constexpr int kMaxSteps = 1 << 18;

double Length(QPointF p)
{
    return std::sqrt(p.x() * p.x() + p.y() * p.y());
}

}  // namespace

std::vector<QPointF> EllipseArcPoints(QPointF ptCentre, double a, double b, double dStart, double dSweep)
{
    const double dRadius = std::max(std::abs(a), std::abs(b));
    double dFullSteps = 8;
    if (dRadius > kTolerance) {
        const double dStepAngle = 2 * std::acos(1 - kTolerance / dRadius);
        dFullSteps = std::clamp(std::ceil(2 * std::numbers::pi / dStepAngle), 8.0, double(kMaxSteps));
    }
    const int nSteps = int(std::clamp(std::ceil(dFullSteps * std::abs(dSweep) / (2 * std::numbers::pi)),
                                      1.0, double(kMaxSteps)));
    std::vector<QPointF> vecPoints;
    vecPoints.reserve(std::size_t(nSteps) + 1);
    for (int i = 0; i <= nSteps; ++i) {
        const double t = dStart + dSweep * i / nSteps;
        vecPoints.emplace_back(ptCentre.x() + a * std::cos(t), ptCentre.y() - b * std::sin(t));
    }
    return vecPoints;
}

double RayParameter(double a, double b, double dx, double dy)
{
    // Upward on the screen is the negative device y.
    return std::atan2(-dy * a, dx * b);
}

double CounterClockwiseSweep(double dStart, double dEnd)
{
    double dSweep = dEnd - dStart;
    while (dSweep <= 0)
        dSweep += 2 * std::numbers::pi;
    return dSweep;
}

std::vector<QPointF> BezierPoints(QPointF p0, QPointF p1, QPointF p2, QPointF p3)
{
    // The second differences bound how far the chords stray from the curve.
    const double dBend = std::max(Length(p0 - 2 * p1 + p2), Length(p1 - 2 * p2 + p3));
    const int nSteps = int(std::clamp(std::ceil(std::sqrt(0.75 * dBend / kTolerance)), 1.0, double(kMaxSteps)));
    std::vector<QPointF> vecPoints;
    vecPoints.reserve(std::size_t(nSteps) + 1);
    for (int i = 0; i <= nSteps; ++i) {
        const double t = double(i) / nSteps, u = 1 - t;
        vecPoints.push_back(u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3);
    }
    return vecPoints;
}
