// The texts of the three number panes of the status bar, made from the
// values the view writes into the main frame.
#pragma once

#include <QString>

#include <cstdint>

// Pane 101: "x  %d , y  %d".
QString FormatCursorPane(int nCursorX, int nCursorY);

// The distance sqrt(dx * dx + dy * dy), truncated toward zero. Exact for
// every pair of ints: the squares are summed in 64 bits, where they cannot
// overflow, and the root is an integer root.
std::int64_t TruncatedDistance(int nDeltaX, int nDeltaY);

// Pane 103: "dx  %d, dy %d , dr %d".
QString FormatDeltaPane(int nDeltaX, int nDeltaY);

// The negated angle in hundredths of a degree, truncated toward zero.
// An angle whose hundredths do not fit an int (or that is not a number)
// gives the nearest int (0 for not a number) instead of undefined
// behaviour.
int AngleHundredths(double dAngle);

// Pane 104: "< %d.%d°" with the whole degrees and the absolute value of the
// hundredths, which are printed without a leading zero (12.05 shows 12.5).
QString FormatAnglePane(double dAngle);

// The message pane while a drawing with nFigures figures shows none of them
// (an opened drawing starts before its first step): how many there are and
// how to see them, so the empty canvas is not taken for an empty file.
QString FormatHiddenFiguresMessage(int nFigures);
