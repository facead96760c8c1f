// What the JSON grammar lets pass and a drawing must not: a key twice in
// one object (the last one would silently win), and nesting deeper than
// any reader should follow. The scope follows the reader's events, knows
// which figure and field it stands in, and words the messages that name
// them.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

// The keys of one object. The names of record fields are kept as bits of
// their numbers; other keys as text, scanned while the object is small
// and hashed once a hostile one grows past a few dozen keys.
class JsonKeySet {
public:
    void Clear();
    // False when the key is there already. nNameId is FieldNameId(key).
    bool Insert(std::u16string_view key, int nNameId);
    // The key most recently inserted, empty before the first.
    std::u16string_view Last() const;

private:
    std::uint64_t m_nKnown = 0;
    int m_nLastId = -1;
    std::u16string m_strKeys;
    std::vector<std::pair<std::size_t, std::size_t>> m_spans;
    std::unordered_set<std::u16string> m_large;
};

class JsonStrictScope {
public:
    // Deeper than this, a document is refused as malformed.
    static constexpr std::size_t kMaxDepth = 1024;

    // The open objects and arrays around the reader.
    std::size_t Depth() const { return m_nDepth; }
    // Whether the innermost container is an object waiting for a key.
    bool ExpectsKey() const;
    // The key the value at depth nLevel belongs to (0: a key of the root).
    std::u16string_view KeyAt(std::size_t nLevel) const;

    // False when the new container would nest too deep.
    bool Open(bool bObject);
    void Close();
    // A key (nNameId is FieldNameId(key)); false with *pstrError when its
    // object has it already.
    bool Key(std::u16string_view key, int nNameId, std::size_t nOffset, QString* pstrError);
    // A value is done: a scalar, or a container just closed.
    void ValueDone();

    // "figure 3: raw control character in the value of "m_strText"" for a
    // control byte at nOffset inside a string the reader was reading.
    QString RawControlMessage(std::size_t nOffset) const;

private:
    // One open object or array. Objects keep their keys; arrays count
    // their elements.
    struct Frame {
        bool m_bObject = false;
        bool m_bExpectKey = false;
        std::size_t m_nIndex = 0;
        JsonKeySet m_keys;
    };

    // Where a finding lies: "figure 3" inside the figures array, "top
    // level" in the root object, else the byte offset.
    QString Place(std::size_t nOffset) const;

    // Frames past m_nDepth are kept for their memory, not in use.
    std::vector<Frame> m_frames;
    std::size_t m_nDepth = 0;
};

// A name as it may be quoted in a message: control characters (a NUL
// above all) written as \uXXXX, so the message reaches its end.
QString EscapeForMessage(const QString& strName);
// The same for a name straight from the reader.
QString EscapeForMessage(std::u16string_view name);
