// The measured-line label and the text dialogs: the edit mirror and its
// character limits, upper case labels, and what OK and Cancel keep.
#include "app/dialogs/measuredlg.h"
#include "app/dialogs/textdlg.h"
#include "resources/resource.h"
#include "tests/widget_driver.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void Press(QDialog* pDialog, int nButton)
{
    QPushButton* pButton = GetDlgItem<QPushButton>(pDialog, UINT(nButton));
    ASSERT_NE(pButton, nullptr);
    pButton->click();
}

// Opens dlg, replaces the edit's text by typing strTyped and closes with
// nButton; returns what the edit showed on opening.
template <class Dlg>
QString TypeAndClose(Dlg& dlg, UINT nEditID, const QString& strTyped, int nButton)
{
    QString strShown;
    DriveNextModal([&](QDialog* pDialog) {
        QLineEdit* pEdit = GetDlgItem<QLineEdit>(pDialog, nEditID);
        ASSERT_NE(pEdit, nullptr);
        strShown = pEdit->text();
        pEdit->selectAll();
        TypeText(pEdit, strTyped);
        Press(pDialog, nButton);
    });
    dlg.DoModal();
    return strShown;
}

} // namespace

TEST(MeasureDialog, opensOnOwnersTextCentredWithCaptionAndStartValues)
{
    CMeasureDlg dlg;
    EXPECT_STREQ(dlg.m_szText, " ");
    EXPECT_STREQ(dlg.m_szEdit, "");
    EXPECT_FALSE(dlg.m_bDontAsk);

    std::snprintf(dlg.m_szText, sizeof dlg.m_szText, "%d ", 1234);
    std::unique_ptr<QDialog> pDialog(dlg.CreateDialogWindow(nullptr));
    EXPECT_EQ(pDialog->windowTitle(), "Add Measured Distance ...");
    QLineEdit* pEdit = GetDlgItem<QLineEdit>(pDialog.get(), IDC_MEASURE_EDIT);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->text(), "1234 ");
    EXPECT_TRUE(pEdit->alignment() & Qt::AlignHCenter);
    // Putting the text into the edit refreshes the mirror.
    EXPECT_STREQ(dlg.m_szEdit, "1234 ");
    QCheckBox* pDontAsk = GetDlgItem<QCheckBox>(pDialog.get(), IDC_DONT_ASK);
    ASSERT_NE(pDontAsk, nullptr);
    EXPECT_EQ(pDontAsk->text(), "Don't Ask me again");
}

TEST(MeasureDialog, typedLabelIsUpperCaseAndCutTo24Characters)
{
    CMeasureDlg dlg;
    TypeAndClose(dlg, IDC_MEASURE_EDIT, "shaft dia 25", IDOK);
    EXPECT_STREQ(dlg.m_szText, "SHAFT DIA 25");

    TypeAndClose(dlg, IDC_MEASURE_EDIT, "abcdefghijklmnopqrstuvwxyz0123", IDOK);
    EXPECT_STREQ(dlg.m_szText, "ABCDEFGHIJKLMNOPQRSTUVWX");

    // Characters beyond ASCII count as one each and are never split.
    TypeAndClose(dlg, IDC_MEASURE_EDIT, QString(30, QChar(0xD8)), IDOK);
    EXPECT_EQ(QString::fromUtf8(dlg.m_szText), QString(24, QChar(0xD8)));
}

TEST(MeasureDialog, cancelKeepsOwnersTextButNotTheDontAskToggle)
{
    CMeasureDlg dlg;
    std::strcpy(dlg.m_szText, "500 ");
    DriveNextModal([](QDialog* pDialog) {
        QLineEdit* pEdit = GetDlgItem<QLineEdit>(pDialog, IDC_MEASURE_EDIT);
        pEdit->selectAll();
        TypeText(pEdit, "other");
        GetDlgItem<QCheckBox>(pDialog, IDC_DONT_ASK)->click();
        Press(pDialog, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_STREQ(dlg.m_szText, "500 ");
    EXPECT_TRUE(dlg.m_bDontAsk);
}

TEST(TextDialog, okCommitsTextCutTo49AndCancelKeepsTheLastAccepted)
{
    CTextDlg dlg;
    std::unique_ptr<QDialog> pDialog(dlg.CreateDialogWindow(nullptr));
    EXPECT_EQ(pDialog->windowTitle(), " Add Your Text ...");
    QLineEdit* pEdit = GetDlgItem<QLineEdit>(pDialog.get(), IDC_TEXT_EDIT);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_TRUE(pEdit->alignment() & Qt::AlignHCenter);
    QLabel* pLabel = pDialog->findChild<QLabel*>();
    ASSERT_NE(pLabel, nullptr);
    EXPECT_EQ(pLabel->text(), "Displaying Text");
    pDialog.reset();

    TypeAndClose(dlg, IDC_TEXT_EDIT, "Gear box, mixed Case", IDOK);
    EXPECT_STREQ(dlg.m_szText, "Gear box, mixed Case");
    EXPECT_TRUE(dlg.m_bAccepted);

    const QString strShown = TypeAndClose(dlg, IDC_TEXT_EDIT, "discarded", IDCANCEL);
    EXPECT_EQ(strShown, "Gear box, mixed Case");
    EXPECT_FALSE(dlg.m_bAccepted);
    EXPECT_STREQ(dlg.m_szText, "Gear box, mixed Case");

    // The next opening shows the last accepted text again.
    EXPECT_EQ(TypeAndClose(dlg, IDC_TEXT_EDIT, QString(60, QLatin1Char('x')), IDOK),
              "Gear box, mixed Case");
    EXPECT_EQ(std::strlen(dlg.m_szText), 49u);
    EXPECT_TRUE(dlg.m_bAccepted);
}

TEST(TextDialog, openingClearsAcceptedEvenWhenClosedWithoutButtons)
{
    CTextDlg dlg;
    dlg.m_bAccepted = true;
    DriveNextModal([](QDialog* pDialog) { pDialog->close(); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(dlg.m_bAccepted);
}

TEST(LimitedText, cutsAtCharactersAndBufferBoundaries)
{
    char szBuffer[8];
    // A character outside the basic plane is one character of 4 bytes.
    const QString strWide = QString::fromUtf8("a\xF0\x9F\x94\xA7" "bc");
    CopyLimitedText(szBuffer, sizeof szBuffer, strWide, 2);
    EXPECT_STREQ(szBuffer, "a\xF0\x9F\x94\xA7");

    // A buffer too small for the last character drops it whole.
    CopyLimitedText(szBuffer, 4, QString::fromUtf8("ab\xC3\x98"), 10);
    EXPECT_STREQ(szBuffer, "ab");
}
