// The measured-line label and the text dialogs: the edit mirror and its
// character limits, upper case labels, and what OK and Cancel keep.
#include "tools/measuredlg.h"
#include "tools/textdlg.h"
#include "resources/resource.h"
#include "tests/widget_driver.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

// Opens dlg, types strTyped over the edit's text, optionally clicks the
// Don't Ask box and closes with nButton; returns what the edit showed.
template <class Dlg>
QString TypeAndClose(Dlg& dlg, UINT nEditID, const QString& strTyped, int nButton,
                     bool bClickDontAsk = false)
{
    QString strShown;
    DriveNextModal([&](QDialog* pDialog) {
        QLineEdit* pEdit = GetDlgItem<QLineEdit>(pDialog, nEditID);
        ASSERT_NE(pEdit, nullptr);
        EXPECT_TRUE(pEdit->alignment() & Qt::AlignHCenter);
        strShown = pEdit->text();
        pEdit->selectAll();
        TypeText(pEdit, strTyped);
        if (bClickDontAsk)
            GetDlgItem<QCheckBox>(pDialog, IDC_DONT_ASK)->click();
        GetDlgItem<QPushButton>(pDialog, UINT(nButton))->click();
    });
    dlg.DoModal();
    return strShown;
}

} // namespace

TEST(MeasureDialog, labelIsUpperCaseCutTo24AndCancelKeepsOwnersText)
{
    CMeasureDlg dlg;
    EXPECT_STREQ(dlg.m_szText, " ");
    std::strcpy(dlg.m_szText, "1234 ");
    EXPECT_EQ(TypeAndClose(dlg, IDC_MEASURE_EDIT, "shaft dia 25", IDOK), "1234 ");
    EXPECT_STREQ(dlg.m_szText, "SHAFT DIA 25");

    TypeAndClose(dlg, IDC_MEASURE_EDIT, "abcdefghijklmnopqrstuvwxyz0123", IDOK);
    EXPECT_STREQ(dlg.m_szText, "ABCDEFGHIJKLMNOPQRSTUVWX");
    // Letters beyond ASCII count as one character each.
    TypeAndClose(dlg, IDC_MEASURE_EDIT, QString(30, QChar(0xF8)), IDOK);
    EXPECT_EQ(QString::fromUtf8(dlg.m_szText), QString(24, QChar(0xD8)));

    std::strcpy(dlg.m_szText, "500 ");
    EXPECT_FALSE(dlg.m_bDontAsk);
    TypeAndClose(dlg, IDC_MEASURE_EDIT, "other", IDCANCEL, true);
    EXPECT_STREQ(dlg.m_szText, "500 ");
    EXPECT_TRUE(dlg.m_bDontAsk);
}

TEST(TextDialog, okCommitsTextCutTo49AndCancelKeepsTheLastAccepted)
{
    CTextDlg dlg;
    {
        std::unique_ptr<QDialog> pDialog(dlg.CreateDialogWindow(nullptr));
        EXPECT_EQ(pDialog->windowTitle(), " Add Your Text ...");
        ASSERT_NE(pDialog->findChild<QLabel*>(), nullptr);
        EXPECT_EQ(pDialog->findChild<QLabel*>()->text(), "Displaying Text");
    }
    TypeAndClose(dlg, IDC_TEXT_EDIT, "Gear box, mixed Case", IDOK);
    EXPECT_STREQ(dlg.m_szText, "Gear box, mixed Case");
    EXPECT_TRUE(dlg.m_bAccepted);

    EXPECT_EQ(TypeAndClose(dlg, IDC_TEXT_EDIT, "discarded", IDCANCEL), "Gear box, mixed Case");
    EXPECT_FALSE(dlg.m_bAccepted);
    EXPECT_STREQ(dlg.m_szText, "Gear box, mixed Case");

    EXPECT_EQ(TypeAndClose(dlg, IDC_TEXT_EDIT, QString(60, QLatin1Char('x')), IDOK),
              "Gear box, mixed Case");
    EXPECT_EQ(std::strlen(dlg.m_szText), 49u);

    // Closing the window any other way is a Cancel too.
    DriveNextModal([](QDialog* pDialog) { pDialog->close(); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(dlg.m_bAccepted);
}

TEST(LimitedText, neverSplitsACharacter)
{
    char szBuffer[8];
    // A character outside the basic plane is one character of 4 bytes.
    CopyLimitedText(szBuffer, sizeof szBuffer, QString::fromUtf8("a\xF0\x9F\x94\xA7" "bc"), 2);
    EXPECT_STREQ(szBuffer, "a\xF0\x9F\x94\xA7");
    // A buffer too small for the last character drops it whole.
    CopyLimitedText(szBuffer, 4, QString::fromUtf8("ab\xC3\x98"), 10);
    EXPECT_STREQ(szBuffer, "ab");
}
