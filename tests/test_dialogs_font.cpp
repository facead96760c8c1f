// The text font: heights in the record are pixels at 96 dpi (text figures
// scale them), and the font dialog with its colour choice opening on black.
#include "app/dialogs/fontcolordlg.h"
#include "app/dialogs/logfont.h"
#include "resources/resource.h"
#include "tests/widget_driver.h"
#include "colortesting.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cstring>

TEST(LogFont, pointSizesBecomeNegativePixelHeightsAndSurviveReopening)
{
    const std::pair<double, LONG> rows[] = {{10, -13}, {12, -16}, {8, -11}, {9, -12}, {72, -96}};
    for (const auto& [dPoints, nHeight] : rows) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(dPoints);
        LOGFONT lf;
        FontToLogFont(font, lf);
        EXPECT_EQ(lf.lfHeight, nHeight) << dPoints << " pt";
        LOGFONT lfAgain;
        FontToLogFont(FontFromLogFont(lf), lfAgain);
        EXPECT_EQ(lfAgain.lfHeight, nHeight) << dPoints << " pt";
    }
}

TEST(LogFont, longFaceNameIsCutWithoutSplittingACharacter)
{
    // 30 ASCII letters, then two-byte letters: the 31 bytes the field holds
    // would end inside the first of them, so it stops before it.
    QFont font;
    font.setFamily(QString(30, QLatin1Char('F')) + QString(3, QChar(0xE9)));
    LOGFONT lf;
    lf.lfEscapement = 900;
    FontToLogFont(font, lf);
    EXPECT_EQ(std::strlen(lf.lfFaceName), 30u);
    EXPECT_EQ(lf.lfEscapement, 900);
}

TEST(FontColorDialog, opensOnBlackAndOnlyOkWrites)
{
    LOGFONT lf;
    lf.lfHeight = -13;
    std::strcpy(lf.lfFaceName, "DejaVu Sans");
    CFontColorDlg dlg(lf);
    dlg.m_color = RGB(1, 2, 3);

    // Choose(red or blue, 20 or 12 pt, underline) and close with bOk.
    QString strColorShown;
    LONG nHeightShown = 0;
    auto choose = [&](const char* pszColor, int nPoints, bool bOk) {
        DriveNextModal([&, pszColor, nPoints, bOk](QDialog* pDialog) {
            auto* pColor = pDialog->findChild<QComboBox*>(kColorChooserName);
            auto* pFontChooser = pDialog->findChild<QFontDialog*>(kFontChooserName);
            ASSERT_NE(pColor, nullptr);
            ASSERT_NE(pFontChooser, nullptr);
            strColorShown = pColor->currentText();
            LOGFONT lfShown;
            FontToLogFont(pFontChooser->currentFont(), lfShown);
            nHeightShown = lfShown.lfHeight;
            pColor->setCurrentIndex(pColor->findText(pszColor));
            QFont font = pFontChooser->currentFont();
            font.setPointSize(nPoints);
            font.setUnderline(true);
            pFontChooser->setCurrentFont(font);
            if (bOk)
                pDialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        return dlg.DoModal();
    };

    EXPECT_EQ(choose("Red", 20, false), IDCANCEL);
    EXPECT_EQ(dlg.m_logFont.lfHeight, -13);
    EXPECT_COLOR_EQ(dlg.m_color, RGB(1, 2, 3));

    EXPECT_EQ(choose("Blue", 12, true), IDOK);
    EXPECT_EQ(strColorShown, "Black");
    EXPECT_EQ(nHeightShown, -13);
    EXPECT_COLOR_EQ(dlg.m_color, RGB(0, 0, 255));
    EXPECT_EQ(dlg.m_logFont.lfHeight, -16);
    EXPECT_EQ(dlg.m_logFont.lfUnderline, 1);
    EXPECT_STREQ(dlg.m_logFont.lfFaceName, "DejaVu Sans");
}

// Escape and Enter in the font chooser answer for the whole dialog, once;
// an empty window with the colour box must not stay behind.
struct FontKeyCase {
    const char* pszName;
    int nKey;
    int nResult;
};
void PrintTo(const FontKeyCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class FontColorDialogKeys : public ::testing::TestWithParam<FontKeyCase> {};

TEST_P(FontColorDialogKeys, closeTheWholeDialog)
{
    LOGFONT lf;
    std::strcpy(lf.lfFaceName, "DejaVu Sans");
    CFontColorDlg dlg(lf);
    bool bStillShown = true;
    int nFinished = 0;
    QColor colorSample;
    DriveNextModal([&](QDialog* pDialog) {
        QObject::connect(pDialog, &QDialog::finished, [&nFinished] { ++nFinished; });
        auto* pColor = pDialog->findChild<QComboBox*>(kColorChooserName);
        auto* pFontChooser = pDialog->findChild<QFontDialog*>(kFontChooserName);
        ASSERT_TRUE(pColor && pFontChooser);
        pColor->setCurrentIndex(pColor->findText("Blue"));
        QLineEdit* pSample = FindFontSample(pFontChooser);
        ASSERT_NE(pSample, nullptr);
        colorSample = pSample->palette().color(QPalette::Text);
        auto* pFamilies = pFontChooser->findChild<QListView*>();
        ASSERT_NE(pFamilies, nullptr);
        pFamilies->setFocus();
        PressKey(pFamilies, GetParam().nKey);
        bStillShown = pDialog->isVisible();
    });
    EXPECT_EQ(dlg.DoModal(), GetParam().nResult);
    EXPECT_FALSE(bStillShown);
    EXPECT_EQ(nFinished, 1);
    EXPECT_EQ(colorSample, QColor(0, 0, 255));
    EXPECT_EQ(dlg.m_color, GetParam().nResult == IDOK ? RGB(0, 0, 255) : COLORREF(0));
}

INSTANTIATE_TEST_SUITE_P(InTheFamilyList, FontColorDialogKeys,
                         ::testing::Values(FontKeyCase{"escapeCancels", Qt::Key_Escape, IDCANCEL},
                                           FontKeyCase{"enterAccepts", Qt::Key_Return, IDOK}),
                         [](const auto& info) { return std::string(info.param.pszName); });
