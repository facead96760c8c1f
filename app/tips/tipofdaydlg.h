// "Tip of the Day": one tip line after another from the tips file, going
// on where the last showing stopped. Construction reads the profile and
// fetches a tip, destruction saves the position behind it, so every
// construction moves the saved position on by one tip, shown or not.
#pragma once

#include "app/tips/tipsfile.h"

#include <QFile>
#include <QString>

#include <memory>

class QDialog;
class QSettings;
class QWidget;

// Texts of the dialog and of its failures.
inline const QString kTipHeading = QStringLiteral("Did you know...");
inline const QString kTipsFileMissing = QStringLiteral("Tips file does not exist in the prescribed directory");
inline const QString kTipsFileTrouble = QStringLiteral("Trouble reading the tips file");
inline const QString kTipsFileEmpty = QStringLiteral("The tips file holds no tip.");

// The dialog and its controls (object names through ControlName).
constexpr unsigned IDD_TIP = 107;
constexpr unsigned IDC_TIP_PICTURE = 1000;
constexpr unsigned IDC_TIP_STARTUP = 1001;
constexpr unsigned IDC_TIP_NEXT = 1002;
constexpr unsigned IDC_TIP_TEXT = 1004;

// Profile section and values.
inline const QString kTipStartUp = QStringLiteral("Tip/StartUp");
inline const QString kTipFilePos = QStringLiteral("Tip/FilePos");
inline const QString kTipTimeStamp = QStringLiteral("Tip/TimeStamp");

// The longest piece of a line judged at once; a longer line is read as
// several pieces.
constexpr int kTipPieceLength = 999;

class CTipOfDayDlg {
public:
    // pProfile null means the program's own profile; strTipsPath empty
    // means there is no tips file.
    explicit CTipOfDayDlg(QWidget* pParent = nullptr, QSettings* pProfile = nullptr,
                          const QString& strTipsPath = FindTipsFile());
    ~CTipOfDayDlg();
    CTipOfDayDlg(const CTipOfDayDlg&) = delete;
    CTipOfDayDlg& operator=(const CTipOfDayDlg&) = delete;

    // Shows the dialog modally; returns IDOK for Close, IDCANCEL otherwise.
    int DoModal();
    // Builds the window on the current values, wired to this object. The
    // caller owns it; DoModal runs it.
    QDialog* CreateDialogWindow();

    // Fetches the next tip into m_strTip.
    void OnNextTip() { GetNextTipString(m_strTip); }
    // Close: keeps the box's state and stores the start-up choice.
    void OnClose(bool bShowAtStartup);

    bool m_bStartup = true;
    QString m_strTip;
    std::unique_ptr<QFile> m_pStream;

private:
    void GetNextTipString(QString& strNext);

    QWidget* m_pParent = nullptr;
    std::unique_ptr<QSettings> m_pOwnProfile;
    QSettings* m_pProfile = nullptr;
};

// The start-up tip: constructs the dialog, which moves the position on,
// and shows it only when the user wants tips at start-up.
void ShowTipAtStartup(QWidget* pParent);
// Command "Ti&p of the Day...": shows the dialog whatever the choice.
void ShowTipOfTheDay(QWidget* pParent);
