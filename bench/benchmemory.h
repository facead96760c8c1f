// The memory of a drawing of lines, measured in a process of its own: the
// suite runs itself again with this flag and reads the two numbers it prints
// (resident and heap bytes per figure).
#pragma once

inline constexpr char kLinesResidentFlag[] = "--lines-resident";

// Loads the drawing of pszFile and prints its bytes per figure; 0 on success.
int MeasureLinesResident(const char* pszFile);
