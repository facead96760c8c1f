#include "platform/statusvalues.h"

namespace {
CStatusValues* g_pMainStatusValues = nullptr;
}

CStatusValues* GetMainStatusValues()
{
    return g_pMainStatusValues;
}

void SetMainStatusValues(CStatusValues* pValues)
{
    g_pMainStatusValues = pValues;
}
