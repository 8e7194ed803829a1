#include "dialogs/param_dlg_info.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/dialog_strings.h"

SParamDlgInfo::SParamDlgInfo(QWidget* parent)
    : SPropertyPage(kDialogId, QString::fromUtf8(dialog_strings::kInfoTitle), parent) {}

void SParamDlgInfo::OnInitDialog() {
    auto* picture = Register(kPictureId, new QLabel(this));
    picture->setPixmap(InfoPicture(QSize(360, 150)));
    picture->setAlignment(Qt::AlignCenter);
    auto* label = Register(kBuildLabelId, new QLabel(QString::fromUtf8(BuildLabel()), this));
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(picture);
    layout->addWidget(label);
    layout->addStretch(1);
}

QPixmap InfoPicture(const QSize& size) {
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(24, 52, 96));
    sky.setColorAt(1, QColor(60, 120, 170));
    painter.fillRect(pixmap.rect(), sky);

    // A stretch of a voiced waveform under the name.
    QPainterPath wave;
    const double mid = size.height() * 0.72;
    for (int x = 0; x <= size.width(); ++x) {
        const double t = x / 18.0;
        const double envelope = 0.5 + 0.5 * std::sin(x * 3.14159 / size.width());
        const double y =
            mid - envelope * size.height() * 0.14 * (std::sin(t) + 0.45 * std::sin(2.7 * t + 0.6));
        if (x == 0)
            wave.moveTo(x, y);
        else
            wave.lineTo(x, y);
    }
    painter.setPen(QPen(QColor(250, 210, 90), 2.2));
    painter.drawPath(wave);

    QFont font = painter.font();
    font.setPointSize(26);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 8, size.width(), size.height() / 2), Qt::AlignCenter,
                     QStringLiteral("Vokrant"));
    return pixmap;
}
