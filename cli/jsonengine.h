// RapidJSON as the command line's JSON engine: its streaming writer and its
// SAX reader keep one figure in memory at a time, where a document model
// would hold the whole drawing's JSON. Every file of ours that uses the
// library includes it through this header, so all see the same settings.
#pragma once

// The library's checks are off in release builds; they stay off in debug
// builds too, because one of them fires on valid input: an escaped lone
// low surrogate ("\udc00"), which the reader hands on unchanged as text.
#define RAPIDJSON_ASSERT(x) static_cast<void>(0)

#include <rapidjson/encodings.h>
#include <rapidjson/error/en.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cstdlib>
#include <new>

// The library's allocator, except that a failed allocation throws like
// operator new: the library itself never checks, and the command line
// turns std::bad_alloc into "out of memory".
class ThrowingAllocator {
public:
    static const bool kNeedFree = true;
    void* Malloc(std::size_t nSize)
    {
        if (nSize == 0)
            return nullptr;
        return Checked(std::malloc(nSize));
    }
    void* Realloc(void* pOld, std::size_t, std::size_t nNewSize)
    {
        if (nNewSize == 0) {
            std::free(pOld);
            return nullptr;
        }
        return Checked(std::realloc(pOld, nNewSize));
    }
    static void Free(void* p) { std::free(p); }

private:
    static void* Checked(void* p)
    {
        if (!p)
            throw std::bad_alloc();
        return p;
    }
};

// The writer of dump: four spaces a level, one figure's JSON buffered at a
// time.
using JsonBuffer = rapidjson::GenericStringBuffer<rapidjson::UTF8<>, ThrowingAllocator>;
using JsonWriter = rapidjson::PrettyWriter<JsonBuffer, rapidjson::UTF8<>, rapidjson::UTF8<>, ThrowingAllocator>;
