#include "cli/fieldnames.h"

#include "cli/recordlayout.h"

#include <string>
#include <vector>

namespace {

// The names, and for each length the numbers of the names that long: a
// key is compared only with names of its own length.
struct FieldNameTable {
    std::vector<std::u16string> m_names;
    std::vector<std::vector<int>> m_byLength;

    FieldNameTable()
    {
        Add("class");
        for (const RecordField& field : RecordBaseFields())
            Add(field.pszName);
        for (const RecordLayout& layout : RecordLayouts()) {
            for (const RecordField& field : layout.fields)
                Add(field.pszName);
        }
    }

    void Add(std::string_view name)
    {
        const std::u16string strName(name.begin(), name.end());
        for (const std::u16string& known : m_names) {
            if (known == strName)
                return;
        }
        if (m_byLength.size() <= strName.size())
            m_byLength.resize(strName.size() + 1);
        m_byLength[strName.size()].push_back(int(m_names.size()));
        m_names.push_back(strName);
    }

    int Find(std::u16string_view key) const
    {
        if (key.size() >= m_byLength.size())
            return -1;
        for (const int nId : m_byLength[key.size()]) {
            if (m_names[std::size_t(nId)] == key)
                return nId;
        }
        return -1;
    }
};

const FieldNameTable& Table()
{
    static const FieldNameTable table;
    return table;
}

}  // namespace

int FieldNameId(std::u16string_view key)
{
    return Table().Find(key);
}

int FieldNameId(std::string_view name)
{
    return Table().Find(std::u16string(name.begin(), name.end()));
}

std::u16string_view FieldName(int nId)
{
    return Table().m_names[std::size_t(nId)];
}

bool KeyEquals(std::u16string_view key, const char* pszName)
{
    std::size_t i = 0;
    for (; pszName[i] != '\0'; ++i) {
        if (i == key.size() || key[i] != char16_t(static_cast<unsigned char>(pszName[i])))
            return false;
    }
    return i == key.size();
}
