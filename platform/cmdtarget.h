// Command routing by id. A target handles a command when its table holds a
// row for the id; the update rule of that row sets enable, check and text.
// A command with a handler and no update rule is enabled and unchecked.
#pragma once

#include "platform/types.h"

#include <QString>

#include <cstddef>

class CCmdUI {
public:
    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL bOn = TRUE) { m_bEnabled = bOn != FALSE; }
    virtual void SetCheck(int nCheck = 1) { m_nCheck = nCheck; }
    virtual void SetText(const QString& strText) { m_strText = strText; m_bTextSet = true; }

    UINT m_nID = 0;
    bool m_bEnabled = true;
    int m_nCheck = 0;
    QString m_strText;
    bool m_bTextSet = false;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // Runs the command; false when this target has no handler for the id.
    virtual bool OnCommand(UINT nID) { return false; }
    // Applies the update rule; false when this target does not handle the id.
    virtual bool OnUpdateCommand(UINT nID, CCmdUI* pCmdUI) { return false; }
};

template <class T>
struct CommandEntry {
    UINT nID;
    void (T::*pfnCommand)();
    void (T::*pfnUpdate)(CCmdUI*);
};

template <class T, std::size_t N>
bool DispatchCommand(T* pTarget, const CommandEntry<T> (&table)[N], UINT nID)
{
    for (const CommandEntry<T>& entry : table) {
        if (entry.nID == nID && entry.pfnCommand) {
            (pTarget->*entry.pfnCommand)();
            return true;
        }
    }
    return false;
}

template <class T, std::size_t N>
bool DispatchUpdate(T* pTarget, const CommandEntry<T> (&table)[N], UINT nID, CCmdUI* pCmdUI)
{
    for (const CommandEntry<T>& entry : table) {
        if (entry.nID != nID)
            continue;
        pCmdUI->m_nID = nID;
        if (entry.pfnUpdate)
            (pTarget->*entry.pfnUpdate)(pCmdUI);
        else
            pCmdUI->Enable(TRUE);
        return true;
    }
    return false;
}
