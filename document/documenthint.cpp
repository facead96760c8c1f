#include "document/documenthint.h"

const CRuntimeClass* CDocumentHint::GetRuntimeClass() const
{
    static const CRuntimeClass s_class{"CDocumentHint", 0, nullptr};
    return &s_class;
}
