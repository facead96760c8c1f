#include "app/frames/commandactions.h"

#include "app/frames/commandstrings.h"
#include "app/frames/icons/toolicons.h"
#include "platform/cmdrouting.h"
#include "resources/resource.h"

#include <QAction>
#include <QWidget>

#include <vector>

namespace {

// Commands whose update rules show a check mark or a pressed button. The
// router learns it from the first update; marking them at once keeps the
// menus from changing their layout when that update comes.
constexpr UINT kCheckedCommands[] = {
    ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_FREE_MOTION, ID_CENTRE,
    ID_GRID_SMALL, ID_GRID_MEDIUM, ID_GRID_LARGE, ID_GRID_EXTRA_LARGE, ID_GRID_SYNC, ID_GRID_SHOW,
    ID_START_CAPTURE, ID_END_CAPTURE, ID_DRAG_PASTE, ID_EDIT_CUT, ID_EDIT_PASTE, ID_RESIZE_ROTATE,
};

bool IsChecked(UINT nID)
{
    for (UINT nChecked : kCheckedCommands)
        if (nChecked == nID)
            return true;
    return false;
}

QList<QKeySequence> Keys(std::initializer_list<QKeyCombination> combinations)
{
    QList<QKeySequence> keys;
    for (QKeyCombination combination : combinations)
        keys.append(QKeySequence(combination));
    return keys;
}

// Qt's standard sequences where they are exactly these keys on every
// platform; the lists of Undo, Cut, Copy and Paste differ between
// platforms, so those keys are named one by one. Standard sequences come
// from the platform, so the table is made once Qt runs.
std::vector<Accelerator> MakeAccelerators()
{
    return {
        {ID_FILE_NEW, {QKeySequence(QKeySequence::New)}},
        {ID_FILE_OPEN, {QKeySequence(QKeySequence::Open)}},
        {ID_FILE_SAVE, {QKeySequence(QKeySequence::Save)}},
        {ID_FILE_PRINT, {QKeySequence(QKeySequence::Print)}},
        {ID_EDIT_UNDO, Keys({Qt::CTRL | Qt::Key_Z, Qt::ALT | Qt::Key_Backspace})},
        {ID_EDIT_CUT, Keys({Qt::CTRL | Qt::Key_X, Qt::SHIFT | Qt::Key_Delete})},
        {ID_EDIT_COPY, Keys({Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert})},
        {ID_EDIT_PASTE, Keys({Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert})},
        {ID_NEXT_PANE, Keys({QKeyCombination(Qt::Key_F6)})},
        {ID_PREV_PANE, Keys({Qt::SHIFT | Qt::Key_F6})},
    };
}

} // namespace

QAction* GetCommandAction(CCmdRouter& router, UINT nID, const char* pszMenuText)
{
    QAction* pAction = router.GetAction(nID);
    if (!pAction) {
        const QString strTip = GetCommandToolTip(nID);
        QString strText = pszMenuText ? QString::fromLatin1(pszMenuText) : strTip;
        if (strText.isEmpty())
            strText = GetCommandPrompt(nID);
        pAction = router.AddAction(nID, strText, IsChecked(nID));
        pAction->setStatusTip(GetCommandPrompt(nID));
        if (!strTip.isEmpty())
            pAction->setToolTip(strTip);
    } else if (pszMenuText) {
        pAction->setText(QString::fromLatin1(pszMenuText));
    }
    if (pAction->icon().isNull())
        pAction->setIcon(LoadToolIcon(nID));
    // Menus show text and check marks only; a check mark beside an image
    // would be drawn as a sunken image by some styles.
    pAction->setIconVisibleInMenu(false);
    return pAction;
}

std::span<const Accelerator> GetAccelerators()
{
    static const std::vector<Accelerator> s_accelerators = MakeAccelerators();
    return s_accelerators;
}

void AddAccelerators(CCmdRouter& router, QWidget* pFrame)
{
    for (const Accelerator& accelerator : GetAccelerators()) {
        QAction* pAction = GetCommandAction(router, accelerator.nID);
        pAction->setShortcuts(accelerator.keys);
        pAction->setShortcutContext(Qt::WindowShortcut);
        pFrame->addAction(pAction);
    }
}
