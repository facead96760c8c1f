// The window of the tip of the day: a white, black-framed tip area with
// the light bulb and the heading, the tip text, the start-up box and the
// two buttons.
#include "platform/dialogcontrols.h"
#include "app/tips/lightbulb.h"
#include "app/tips/tipofdaydlg.h"
#include "resources/resource.h"

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The picture area: white, the bulb at its top-left corner, the heading to
// the right of the bulb on one line, centred on the bulb's height.
class CTipPicture : public QWidget {
public:
    explicit CTipPicture(QWidget* pParent) : QWidget(pParent), m_imageBulb(LightBulbImage())
    {
        setObjectName(ControlName(IDC_TIP_PICTURE));
        QFont fontHeading = font();
        fontHeading.setBold(true);
        fontHeading.setPointSizeF(fontHeading.pointSizeF() * 1.4);
        setFont(fontHeading);
        setMinimumHeight(kLightBulbHeight);
        setMaximumHeight(kLightBulbHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawImage(0, 0, m_imageBulb);
        const QRect rectText(kLightBulbWidth + 8, 0, width() - kLightBulbWidth - 8, kLightBulbHeight);
        painter.setPen(Qt::black);
        painter.drawText(rectText, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, kTipHeading);
    }

private:
    QImage m_imageBulb;
};

QPalette WhiteGround(QPalette palette)
{
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    return palette;
}

QFrame* CreateTipArea(QDialog* pDialog, QLabel** ppText)
{
    auto* pFrame = new QFrame(pDialog);
    pFrame->setFrameShape(QFrame::Box);
    pFrame->setLineWidth(1);
    pFrame->setPalette(WhiteGround(pFrame->palette()));
    pFrame->setAutoFillBackground(true);
    auto* pLayout = new QVBoxLayout(pFrame);
    pLayout->addWidget(new CTipPicture(pFrame));

    auto* pText = new QLabel(pFrame);
    pText->setObjectName(ControlName(IDC_TIP_TEXT));
    pText->setWordWrap(true);
    pText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pText->setTextFormat(Qt::PlainText);
    pText->setAutoFillBackground(true);
    pText->setPalette(WhiteGround(pText->palette()));
    // The tip reads under the heading, clear of the bulb.
    pText->setContentsMargins(kLightBulbWidth + 8, 4, 4, 4);
    pLayout->addWidget(pText, 1);
    *ppText = pText;
    return pFrame;
}

} // namespace

QDialog* CTipOfDayDlg::CreateDialogWindow()
{
    auto* pDialog = new QDialog(m_pParent);
    pDialog->setObjectName(ControlName(IDD_TIP));
    pDialog->setWindowTitle(QStringLiteral("Tip of the Day"));
    auto* pLayout = new QVBoxLayout(pDialog);

    QLabel* pText = nullptr;
    pLayout->addWidget(CreateTipArea(pDialog, &pText), 1);

    auto* pRow = new QHBoxLayout;
    auto* pStartup = new QCheckBox(QStringLiteral("&Show Tips on StartUp"), pDialog);
    pStartup->setObjectName(ControlName(IDC_TIP_STARTUP));
    auto* pNext = new QPushButton(QStringLiteral("&Next Tip"), pDialog);
    pNext->setObjectName(ControlName(IDC_TIP_NEXT));
    pNext->setAutoDefault(false);
    auto* pClose = new QPushButton(QStringLiteral("&Close"), pDialog);
    pClose->setObjectName(ControlName(IDOK));
    pClose->setDefault(true);
    pRow->addWidget(pStartup);
    pRow->addStretch(1);
    pRow->addWidget(pNext);
    pRow->addWidget(pClose);
    pLayout->addLayout(pRow);

    // Values to the controls, on opening and after every Next Tip; this also
    // undoes a click on the box that Close has not kept.
    auto fnShowValues = [this, pText, pStartup] {
        pText->setText(m_strTip);
        pStartup->setChecked(m_bStartup);
    };
    fnShowValues();
    pNext->setEnabled(m_pStream != nullptr);

    QObject::connect(pNext, &QPushButton::clicked, pDialog, [this, fnShowValues] {
        OnNextTip();
        fnShowValues();
    });
    QObject::connect(pClose, &QPushButton::clicked, pDialog, [this, pDialog, pStartup] {
        const bool bShow = pStartup->isChecked();
        pDialog->accept();
        OnClose(bShow);
    });
    // Escape and the close box end the dialog as well; the box's state is
    // the user's choice however the window is closed, so it is kept too.
    QObject::connect(pDialog, &QDialog::rejected, pDialog, [this, pStartup] {
        OnClose(pStartup->isChecked());
    });

    ResizeInDialogUnits(pDialog, 231, 164);
    return pDialog;
}
