// Documents and their views: a modified flag, the list of views, the
// request to repaint them, and reading and writing the document's bytes.
#pragma once

#include "platform/cmdtarget.h"
#include "platform/types.h"

#include <QString>

#include <functional>
#include <vector>

class CArchive;
class CObject;
class CView;

class CDocument : public CCmdTarget {
public:
    CDocument() = default;
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    virtual void SetModifiedFlag(BOOL bModified = TRUE);
    BOOL IsModified() const { return m_bModified; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_views; }
    // Asks every view but pSender to update; pHint names what changed.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

    virtual void DeleteContents() {}
    virtual void Serialize(CArchive& ar) {}
    // Empties the document and clears the modified flag.
    virtual BOOL OnNewDocument();
    // Reads the file; on failure the document is empty, *pstrError says why.
    virtual BOOL OnOpenDocument(const QString& strPathName, QString* pstrError = nullptr);
    // Writes through a temporary file renamed over the target, so a failed
    // save leaves the old file whole; on failure *pstrError says why.
    virtual BOOL OnSaveDocument(const QString& strPathName, QString* pstrError = nullptr);

    const QString& GetPathName() const { return m_strPathName; }
    void SetPathName(const QString& strPathName);
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& strTitle);

    // Called after the modified flag, path or title changed (frames show them).
    std::function<void()> m_onStateChanged;

private:
    std::vector<CView*> m_views;
    bool m_bModified = false;
    QString m_strPathName;
    QString m_strTitle;
};

class CView : public CCmdTarget {
public:
    ~CView() override;
    CDocument* GetDocument() const { return m_pDocument; }
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) = 0;

    CDocument* m_pDocument = nullptr;
};
