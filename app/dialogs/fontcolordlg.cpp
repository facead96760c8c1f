#include "app/dialogs/fontcolordlg.h"

#include "app/dialogs/logfont.h"
#include "resources/resource.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPixmap>
#include <QVBoxLayout>

#include <memory>

namespace {

struct NamedColor {
    const char* pszName;
    COLORREF color;
};

// The sixteen basic display colours; black comes first and is preselected.
constexpr NamedColor kTextColors[] = {
    {"Black", RGB(0, 0, 0)},         {"Maroon", RGB(128, 0, 0)},
    {"Green", RGB(0, 128, 0)},       {"Olive", RGB(128, 128, 0)},
    {"Navy", RGB(0, 0, 128)},        {"Purple", RGB(128, 0, 128)},
    {"Teal", RGB(0, 128, 128)},      {"Gray", RGB(128, 128, 128)},
    {"Silver", RGB(192, 192, 192)},  {"Red", RGB(255, 0, 0)},
    {"Lime", RGB(0, 255, 0)},        {"Yellow", RGB(255, 255, 0)},
    {"Blue", RGB(0, 0, 255)},        {"Fuchsia", RGB(255, 0, 255)},
    {"Aqua", RGB(0, 255, 255)},      {"White", RGB(255, 255, 255)},
};

QComboBox* MakeColorChooser()
{
    auto* pCombo = new QComboBox;
    pCombo->setObjectName(QString::fromLatin1(kColorChooserName));
    for (const NamedColor& entry : kTextColors) {
        QPixmap swatch(16, 12);
        swatch.fill(QColor(GetRValue(entry.color), GetGValue(entry.color), GetBValue(entry.color)));
        pCombo->addItem(QIcon(swatch), QString::fromLatin1(entry.pszName), QVariant(uint(entry.color)));
    }
    pCombo->setCurrentIndex(0);
    return pCombo;
}

} // namespace

QLineEdit* FindFontSample(QFontDialog* pFontChooser)
{
    const auto groups = pFontChooser->findChildren<QGroupBox*>();
    for (QGroupBox* pGroup : groups)
        if (pGroup->title().contains(QStringLiteral("Sample"), Qt::CaseInsensitive))
            return pGroup->findChild<QLineEdit*>();
    return nullptr;
}

void ShowColorInSample(QFontDialog* pFontChooser, const QComboBox* pColor)
{
    QLineEdit* pSample = FindFontSample(pFontChooser);
    if (!pSample)
        return;
    const COLORREF color = COLORREF(pColor->currentData().toUInt());
    QPalette palette = pSample->palette();
    palette.setColor(QPalette::Text, QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
    pSample->setPalette(palette);
}

QDialog* CFontColorDlg::CreateDialogWindow(QWidget* pParent)
{
    auto* pDialog = new QDialog(pParent);
    pDialog->setWindowTitle(QStringLiteral("Font"));
    auto* pLayout = new QVBoxLayout(pDialog);

    // Qt's font chooser, embedded as a plain widget without its own buttons.
    auto* pFontChooser = new QFontDialog(pDialog);
    pFontChooser->setObjectName(QString::fromLatin1(kFontChooserName));
    pFontChooser->setWindowFlags(Qt::Widget);
    pFontChooser->setSizeGripEnabled(false);
    pFontChooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    pFontChooser->setCurrentFont(FontFromLogFont(m_logFont));
    pLayout->addWidget(pFontChooser);

    QComboBox* pColor = MakeColorChooser();
    auto* pColorRow = new QFormLayout;
    pColorRow->addRow(QStringLiteral("&Color:"), pColor);
    pLayout->addLayout(pColorRow);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pLayout->addWidget(pButtons);
    auto fnAccept = [this, pDialog, pFontChooser, pColor] {
        FontToLogFont(pFontChooser->currentFont(), m_logFont);
        m_color = COLORREF(pColor->currentData().toUInt());
        pDialog->accept();
    };
    QObject::connect(pButtons, &QDialogButtonBox::rejected, pDialog, &QDialog::reject);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, pDialog, fnAccept);
    // The chooser is a dialog of its own and closes itself on Escape, and on
    // Enter in its lists; that answer is the whole dialog's.
    QObject::connect(pFontChooser, &QDialog::rejected, pDialog, &QDialog::reject);
    QObject::connect(pFontChooser, &QDialog::accepted, pDialog, fnAccept);

    ShowColorInSample(pFontChooser, pColor);
    QObject::connect(pColor, &QComboBox::currentIndexChanged, pDialog,
                     [pFontChooser, pColor] { ShowColorInSample(pFontChooser, pColor); });
    return pDialog;
}

int CFontColorDlg::DoModal(QWidget* pParent)
{
    std::unique_ptr<QDialog> pDialog(CreateDialogWindow(pParent));
    return pDialog->exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}
