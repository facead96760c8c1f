// Storing or loading a run of int32 fields of a figure record in the
// order given, so that a class reads exactly what it writes.
#pragma once

#include "platform/archive.h"

#include <cstdint>
#include <type_traits>

template <class... Fields>
void SerializeInt32Fields(CArchive& ar, Fields&... fields)
{
    static_assert((std::is_same_v<Fields, std::int32_t> && ...),
                  "records hold int32 fields only");
    if (ar.IsStoring())
        (ar << ... << fields);
    else
        (ar >> ... >> fields);
}
