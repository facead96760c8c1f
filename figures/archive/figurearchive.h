// Reading and writing the figure array of a drawing file: the count, the
// object tags with their shared index counter, and every figure's record.
#pragma once

#include "figures/figure.h"

#include <memory>
#include <vector>

class CArchive;

using FigureArray = std::vector<std::unique_ptr<CFigure>>;

// Stores the array, or loads it (replacing what figures held). A load that
// fails marks the archive bad and leaves figures empty.
void SerializeFigures(CArchive& ar, FigureArray& figures);

// The serializable classes of the program, looked up by exact name.
const CRuntimeClass* FindFigureClass(const char* pszName, int nLength);
