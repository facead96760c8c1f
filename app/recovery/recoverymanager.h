// Autosave and recovery of the open drawings. While a drawing is modified
// a copy of it is written to the recovery folder every two minutes, and
// when the desktop session asks the program to end; the copy goes once the
// drawing is saved or closed, and all of them when the user lets the
// drawings go on closing the program. A program ended any other way (a
// crash, a session that ends it without asking, a termination signal)
// leaves its copies, and the next start offers them back.
#pragma once

#include "app/recovery/recoverystore.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <set>

class CMultiDocTemplate;
class CMyDrevikDoc;
class QWidget;

class CRecoveryManager : public QObject {
public:
    enum Answer { Recover, Discard, Later };

    static constexpr int kCopyIntervalMs = 2 * 60 * 1000;

    // Watches the drawings of pTemplate; copies go to strFolder.
    CRecoveryManager(CMultiDocTemplate* pTemplate, const QString& strFolder);
    ~CRecoveryManager() override;

    // Copies every modified drawing now (the timer and the session's end
    // call this).
    void WriteCopies();
    // Drops the copies of drawings saved or closed since the last copy.
    void DropStaleCopies();
    // The user has saved or let go of every drawing and the program ends:
    // every copy goes, and none is written again.
    void LetGo();
    // The program ends without the user having decided: copies of the
    // drawings still modified are written, and closing them from now on
    // no longer drops them.
    void KeepCopiesAtEnd();

    // Offers the copies left by a program that did not end cleanly:
    // Recover opens each as a modified drawing with every figure shown,
    // Discard removes them, Later leaves them for the next start. Returns
    // the number of drawings recovered.
    int OfferRecovery(QWidget* pParent);

    CRecoveryStore& GetStore() { return m_store; }

    // How the offer asks; tests answer it. Gets the drawings' names.
    std::function<Answer(QWidget* pParent, const QStringList& strNames)> m_pfnAskRecover;

private:
    bool RecoverCopy(const CRecoveryCopy& copy);
    // Has the drawing's state changes (saved, closed) drop its copy at once.
    void WatchDocument(CMyDrevikDoc* pDoc);

    CMultiDocTemplate* m_pTemplate;
    CRecoveryStore m_store;
    std::map<const CMyDrevikDoc*, int> m_keys;  // drawings with a copy, and its key
    std::set<const CMyDrevikDoc*> m_watched;    // open drawings with our hook
    QTimer m_copyTimer;
    bool m_bLetGo = false;
    bool m_bEnding = false;
    // The hooks left in the template and the drawings test it before they
    // reach a manager that has gone.
    std::shared_ptr<bool> m_pAlive = std::make_shared<bool>(true);
};

// The offer as a message box with the buttons "Recover" and "Discard".
CRecoveryManager::Answer AskRecoverWithMessageBox(QWidget* pParent, const QStringList& strNames);
