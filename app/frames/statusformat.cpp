#include "app/frames/statusformat.h"

#include <cmath>
#include <limits>

QString FormatCursorPane(int nCursorX, int nCursorY)
{
    return QStringLiteral("x  %1 , y  %2").arg(nCursorX).arg(nCursorY);
}

std::int64_t TruncatedDistance(int nDeltaX, int nDeltaY)
{
    // Each square is at most 2^62, so their sum fits an unsigned 64-bit int.
    const std::uint64_t nSum = std::uint64_t(std::int64_t(nDeltaX) * nDeltaX)
        + std::uint64_t(std::int64_t(nDeltaY) * nDeltaY);
    // The floating root can be one off for sums beyond 2^53; step it onto
    // the integer root.
    std::uint64_t nRoot = std::uint64_t(std::sqrt(double(nSum)));
    while (nRoot * nRoot > nSum)
        --nRoot;
    while ((nRoot + 1) * (nRoot + 1) <= nSum)
        ++nRoot;
    return std::int64_t(nRoot);
}

QString FormatDeltaPane(int nDeltaX, int nDeltaY)
{
    return QStringLiteral("dx  %1, dy %2 , dr %3")
        .arg(nDeltaX)
        .arg(nDeltaY)
        .arg(TruncatedDistance(nDeltaX, nDeltaY));
}

int AngleHundredths(double dAngle)
{
    const double dValue = dAngle * -100.0;
    if (std::isnan(dValue))
        return 0;
    if (dValue >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (dValue <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(dValue);
}

QString FormatAnglePane(double dAngle)
{
    const int nValue = AngleHundredths(dAngle);
    const int nWhole = nValue / 100;
    const int nHundredths = nValue % 100;
    return QStringLiteral("< %1.%2\u00B0").arg(nWhole).arg(nHundredths < 0 ? -nHundredths : nHundredths);
}

QString FormatHiddenFiguresMessage(int nFigures)
{
    if (nFigures == 1)
        return QStringLiteral("This drawing holds 1 figure, not shown yet: Last Step shows it.");
    return QStringLiteral("This drawing holds %1 figures, none shown yet: Last Step shows them.").arg(nFigures);
}
