#include "app/about.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/constant_dlg.h"

namespace qv {
namespace {

QLabel* MakeLine(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

QPixmap ProgramIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1F, 0x3A, 0x68));
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.16, s * 0.16);
    p.setPen(QPen(QColor(0x5A, 0x74, 0x9E), s / 64.0));
    for (int k = 1; k < 4; ++k) {
        p.drawLine(QPointF(s * k / 4, s * 0.12), QPointF(s * k / 4, s * 0.88));
        p.drawLine(QPointF(s * 0.12, s * k / 4), QPointF(s * 0.88, s * k / 4));
    }
    // A decaying oscillation: what the editor is about, an impulse response.
    QPainterPath wave;
    const int steps = 120;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double y = std::exp(-4.0 * t) * std::cos(6.0 * 3.14159265 * t);
        const QPointF point(s * (0.12 + 0.76 * t), s * (0.5 - 0.34 * y));
        if (i == 0)
            wave.moveTo(point);
        else
            wave.lineTo(point);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xFF, 0xC8, 0x3C), s / 18.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wave);
    return pixmap;
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(tr("Info"));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(ProgramIconPixmap(64));
    ProgramIcon->setFixedSize(64, 64);

    ProductName = MakeLine(Panel1, "ProductName", QStringLiteral("QUORVANE"));
    QFont big = ProductName->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    ProductName->setFont(big);
    Version = MakeLine(Panel1, "Version", QStringLiteral("Version  3.042"));
    Copyright = MakeLine(Panel1, "Copyright",
                         QString::fromUtf8("Copyright \u00A9 Quorvane Audio Engineering"));
    Comments = MakeLine(Panel1, "Comments",
                        tr("DSP editor for loudspeaker and room correction:\n"
                           "FIR equalizers of 1800 and 900 taps,\n"
                           "two channels, eight filter sets."));

    auto* panel = new QGridLayout(Panel1);
    panel->setContentsMargins(16, 16, 16, 16);
    panel->setHorizontalSpacing(16);
    panel->addWidget(ProgramIcon, 0, 0, 2, 1, Qt::AlignTop);
    panel->addWidget(ProductName, 0, 1);
    panel->addWidget(Version, 1, 1, Qt::AlignTop);
    panel->setRowMinimumHeight(2, 12);
    panel->addWidget(Copyright, 3, 1);
    panel->addWidget(Comments, 4, 1);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

}  // namespace qv
