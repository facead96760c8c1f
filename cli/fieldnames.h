// The names a figure object may use, "class" and every field of every
// record, each with a small number. pack meets them ten million times in a
// large drawing; matched and remembered as numbers, they cost no copy.
#pragma once

#include <cstdint>
#include <string_view>

// Every name has a bit in a 64-bit mask.
constexpr int kMaxFieldNames = 64;
constexpr int kClassNameId = 0;

// The number of a key, or -1 when no record has a field of that name.
int FieldNameId(std::u16string_view key);
// The same for a name of the record layout table.
int FieldNameId(std::string_view name);
// The name of a number, as the reader would give it.
std::u16string_view FieldName(int nId);
// Whether a key from the reader is that ASCII name.
bool KeyEquals(std::u16string_view key, const char* pszName);
