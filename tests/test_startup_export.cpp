// File > Export from the running program: the type follows the name, a PNG
// asks for its scale, and only the visible figures leave.
#include "app/documents/doctemplate.h"
#include "app/frames/mainframe.h"
#include "app/splash/splashwnd.h"
#include "app/startup/appshell.h"
#include "app/startup/commandline.h"
#include "document/mydrevikdoc.h"
#include "figures/line.h"
#include "resources/resource.h"
#include "startup_testing.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ExportFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsolateProfile();
        m_shell.m_pfnShowTipAtStartup = [](QWidget*) {};
        // The drawing is left modified: its recovery copy stays in this
        // test's own folder instead of being offered to the next test.
        m_shell.m_strRecoveryFolder = m_dir.filePath(QStringLiteral("recovery"));
        m_shell.m_pfnGetExportFileName = [this](QWidget*, const QString& strProposed) {
            m_strProposed = strProposed;
            return m_strAnswer;
        };
        m_shell.m_pfnGetExportScale = [this](QWidget*) {
            ++m_nScaleAsked;
            return m_dScale;
        };
        m_shell.m_pfnGetExportPdfPages = [this](QWidget*) {
            ++m_nPagesAsked;
            return m_pages;
        };
        CCommandLineInfo cmdInfo;
        cmdInfo.ParseCommandLine({});
        ASSERT_TRUE(m_shell.InitInstance(cmdInfo, QString()));
        m_pDoc = m_shell.GetDocTemplate()->GetActiveDocument();
        ASSERT_NE(m_pDoc, nullptr);
        // Two lines, the second stepped back out of sight.
        m_pDoc->AddFigure(std::make_unique<CLine>(1000, -1000, 9000, -1000, RGB(255, 0, 0), 1, PS_SOLID));
        m_pDoc->AddFigure(std::make_unique<CLine>(1000, -5000, 9000, -5000, RGB(0, 0, 255), 1, PS_SOLID));
        m_pDoc->m_nStep = 0;
    }
    void TearDown() override { CSplashWindow::EnableSplashScreen(false); }

    bool Export(const char* pszName)
    {
        m_strAnswer = pszName ? m_dir.filePath(QString::fromLatin1(pszName)) : QString();
        CCmdRouter& router = m_shell.GetMainFrame()->GetRouter();
        router.UpdateAction(ID_FILE_EXPORT);
        EXPECT_TRUE(router.GetAction(ID_FILE_EXPORT)->isEnabled());
        return router.RouteCommand(ID_FILE_EXPORT);
    }

    QTemporaryDir m_dir;
    CMessageAnswers m_answers;
    CAppShell m_shell;
    CMyDrevikDoc* m_pDoc = nullptr;
    QString m_strAnswer, m_strProposed;
    double m_dScale = 2;
    int m_nScaleAsked = 0;
    ExportPdfPages m_pages = ExportPdfPages::Canvas;
    int m_nPagesAsked = 0;
};

}  // namespace

TEST_F(ExportFixture, pngAtTheChosenScaleShowsOnlyTheVisibleFigures)
{
    ASSERT_TRUE(Export("a.png"));
    EXPECT_EQ(m_strProposed, QStringLiteral("Skizza1.png"));
    EXPECT_EQ(m_nScaleAsked, 1);
    const QImage image(m_dir.filePath(QStringLiteral("a.png")));
    ASSERT_EQ(image.size(), QSize(2048, 1536));
    // y = -1000 and -5000 logical lie on rows 75 and 376 at twice the screen.
    bool bRed = false, bBlue = false;
    for (int x = 0; x < image.width(); ++x) {
        for (int y : {74, 75, 76})
            bRed |= image.pixel(x, y) == qRgb(255, 0, 0);
        for (int y : {375, 376, 377})
            bBlue |= image.pixel(x, y) == qRgb(0, 0, 255);
    }
    EXPECT_TRUE(bRed);
    EXPECT_FALSE(bBlue);
    EXPECT_TRUE(m_answers.m_texts.isEmpty());
}

TEST_F(ExportFixture, svgAsksNoScaleAndCancelWritesNothing)
{
    ASSERT_TRUE(Export("a.svg"));
    EXPECT_EQ(m_nScaleAsked, 0);
    QFile file(m_dir.filePath(QStringLiteral("a.svg")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    EXPECT_TRUE(svg.contains("stroke=\"#ff0000\""));
    EXPECT_FALSE(svg.contains("stroke=\"#0000ff\""));

    m_dScale = 0;  // the scale question cancelled
    ASSERT_TRUE(Export("b.png"));
    ASSERT_TRUE(Export(nullptr));  // the file dialog cancelled
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("b.png"))));
    EXPECT_TRUE(m_answers.m_texts.isEmpty());
}

TEST_F(ExportFixture, dxfAsksNoScaleAndHoldsOnlyTheVisibleFigures)
{
    ASSERT_TRUE(Export("a.dxf"));
    EXPECT_EQ(m_nScaleAsked, 0);
    QFile file(m_dir.filePath(QStringLiteral("a.dxf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray dxf = file.readAll();
    EXPECT_TRUE(dxf.contains("\n420\n16711680\n"));  // red, the visible line
    EXPECT_FALSE(dxf.contains("\n420\n255\n"));      // blue, stepped back
    EXPECT_TRUE(dxf.endsWith("  0\nEOF\n"));
    EXPECT_TRUE(m_answers.m_texts.isEmpty());
}

TEST_F(ExportFixture, failuresAreReported)
{
    ASSERT_TRUE(Export("a.bmp"));
    ASSERT_TRUE(Export("no/such/folder/a.svg"));
    ASSERT_EQ(m_answers.m_texts.size(), 2);
    EXPECT_TRUE(m_answers.m_texts[0].startsWith(QStringLiteral("Cannot export to"))) << m_answers.m_texts[0].toStdString();
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("a.bmp"))));
}

namespace {

struct PdfPagesCase {
    const char* pszName;
    ExportPdfPages pages;
    int nPageObjects;  // -1: no file
};
void PrintTo(const PdfPagesCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class ExportPdfFixture : public ExportFixture, public ::testing::WithParamInterface<PdfPagesCase> {};

}  // namespace

// A PDF asks for its pages, not for a scale; the printer's pages are those
// of the printer the program prints on.
TEST_P(ExportPdfFixture, asksForItsPages)
{
    const PdfPagesCase& c = GetParam();
    m_pages = c.pages;
    ASSERT_TRUE(Export("a.pdf"));
    EXPECT_EQ(m_nPagesAsked, 1);
    EXPECT_EQ(m_nScaleAsked, 0);
    EXPECT_TRUE(m_answers.m_texts.isEmpty());
    QFile file(m_dir.filePath(QStringLiteral("a.pdf")));
    if (c.nPageObjects < 0) {
        EXPECT_FALSE(file.exists());
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), c.nPageObjects);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ExportPdfFixture,
    ::testing::Values(PdfPagesCase{"canvasPage", ExportPdfPages::Canvas, 1},
                      // Portrait A4 or Letter, the default paper: two columns.
                      PdfPagesCase{"printerPages", ExportPdfPages::Printer, 2},
                      PdfPagesCase{"cancelled", ExportPdfPages::Cancel, -1}),
    [](const ::testing::TestParamInfo<PdfPagesCase>& info) { return std::string(info.param.pszName); });
