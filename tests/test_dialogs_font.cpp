// The text font: conversion between the font record (heights in pixels at
// 96 dpi, as text figures scale them) and Qt fonts, and the font dialog
// with its colour choice.
#include "app/dialogs/fontcolordlg.h"
#include "app/dialogs/logfont.h"
#include "resources/resource.h"
#include "tests/widget_driver.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cstring>

TEST(LogFont, pointSizesBecomeNegativePixelHeightsAt96Dpi)
{
    struct Row { double dPoints; LONG nHeight; };
    const Row rows[] = {{10, -13}, {12, -16}, {8, -11}, {9, -12}, {72, -96}};
    for (const Row& row : rows) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(row.dPoints);
        LOGFONT lf;
        FontToLogFont(font, lf);
        EXPECT_EQ(lf.lfHeight, row.nHeight) << row.dPoints << " pt";
        // Opening the dialog on the record and confirming keeps the height.
        LOGFONT lfAgain;
        FontToLogFont(FontFromLogFont(lf), lfAgain);
        EXPECT_EQ(lfAgain.lfHeight, row.nHeight) << row.dPoints << " pt";
    }
}

TEST(LogFont, styleAndFaceAreWrittenOtherFieldsKept)
{
    LOGFONT lf;
    lf.lfEscapement = 900;
    lf.lfCharSet = 1;
    lf.lfWidth = 7;
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSize(10);
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    FontToLogFont(font, lf);
    EXPECT_STREQ(lf.lfFaceName, "DejaVu Serif");
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_EQ(lf.lfStrikeOut, 1);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfEscapement, 900);
    EXPECT_EQ(lf.lfCharSet, 1);

    const QFont back = FontFromLogFont(lf);
    EXPECT_EQ(back.family(), "DejaVu Serif");
    EXPECT_TRUE(back.bold());
    EXPECT_TRUE(back.italic());
    EXPECT_TRUE(back.underline());
    EXPECT_TRUE(back.strikeOut());
}

TEST(LogFont, longFaceNameIsCutWithoutSplittingACharacter)
{
    // 30 ASCII letters and then two-byte letters: the 31-byte field ends
    // after the first of them would be split, so it ends before.
    const QString strFace = QString(30, QLatin1Char('F')) + QString(3, QChar(0xE9));
    QFont font;
    font.setFamily(strFace);
    LOGFONT lf;
    FontToLogFont(font, lf);
    EXPECT_EQ(std::strlen(lf.lfFaceName), 30u);
    EXPECT_EQ(lf.lfFaceName[sizeof lf.lfFaceName - 1], '\0');
}

TEST(LogFont, zeroRecordGivesTheDefaultFont)
{
    const QFont font = FontFromLogFont(LOGFONT());
    EXPECT_EQ(font.pointSizeF(), QFont().pointSizeF());
    EXPECT_FALSE(font.bold());
    EXPECT_FALSE(font.italic());
}

TEST(FontColorDialog, opensOnBlackAndOnlyOkWrites)
{
    LOGFONT lf;
    lf.lfHeight = -13;
    std::strcpy(lf.lfFaceName, "DejaVu Sans");
    CFontColorDlg dlg(lf);
    dlg.m_color = RGB(1, 2, 3);

    // Cancel: nothing changes, though a colour and a size were picked.
    DriveNextModal([](QDialog* pDialog) {
        auto* pColor = pDialog->findChild<QComboBox*>(kColorChooserName);
        pColor->setCurrentIndex(pColor->findText("Red"));
        QFont font = pDialog->findChild<QFontDialog*>(kFontChooserName)->currentFont();
        font.setPointSize(20);
        pDialog->findChild<QFontDialog*>(kFontChooserName)->setCurrentFont(font);
        pDialog->reject();
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_logFont.lfHeight, -13);
    EXPECT_EQ(dlg.m_color, RGB(1, 2, 3));

    QString strColorShown;
    LONG nHeightShown = 0;
    DriveNextModal([&](QDialog* pDialog) {
        auto* pColor = pDialog->findChild<QComboBox*>(kColorChooserName);
        auto* pFontChooser = pDialog->findChild<QFontDialog*>(kFontChooserName);
        ASSERT_NE(pColor, nullptr);
        ASSERT_NE(pFontChooser, nullptr);
        strColorShown = pColor->currentText();
        LOGFONT lfShown;
        FontToLogFont(pFontChooser->currentFont(), lfShown);
        nHeightShown = lfShown.lfHeight;
        pColor->setCurrentIndex(pColor->findText("Blue"));
        QFont font = pFontChooser->currentFont();
        font.setPointSize(12);
        font.setUnderline(true);
        pFontChooser->setCurrentFont(font);
        pDialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(strColorShown, "Black");
    EXPECT_EQ(nHeightShown, -13);
    EXPECT_EQ(dlg.m_color, RGB(0, 0, 255));
    EXPECT_EQ(dlg.m_logFont.lfHeight, -16);
    EXPECT_EQ(dlg.m_logFont.lfUnderline, 1);
    EXPECT_STREQ(dlg.m_logFont.lfFaceName, "DejaVu Sans");
}
