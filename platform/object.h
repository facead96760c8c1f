// Objects that can be stored in a drawing file and created by class name.
#pragma once

#include "platform/types.h"

class CArchive;
class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const = 0;
    virtual void Serialize(CArchive& ar);
};

// Declares the runtime class record and the default-construction hook of a
// serializable class; IMPLEMENT_SERIAL defines them with name and schema.
#define DECLARE_SERIAL(class_name)                                     \
public:                                                                \
    static const CRuntimeClass class##class_name;                      \
    const CRuntimeClass* GetRuntimeClass() const override;             \
    static CObject* CreateObject();

#define IMPLEMENT_SERIAL(class_name, schema)                           \
    CObject* class_name::CreateObject() { return new class_name; }     \
    const CRuntimeClass class_name::class##class_name = {              \
        #class_name, schema, &class_name::CreateObject};               \
    const CRuntimeClass* class_name::GetRuntimeClass() const           \
    {                                                                  \
        return &class_name::class##class_name;                         \
    }

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)
