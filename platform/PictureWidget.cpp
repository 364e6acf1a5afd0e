#include "platform/PictureWidget.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace platform {

PictureWidget::PictureWidget(int pictureId, QWidget* parent) : QWidget(parent), pictureId_(pictureId) {
    const QString path = ResourcePath(pictureId);
    if (QFile::exists(path))
        renderer_ = std::make_unique<QSvgRenderer>(path);
    setAccessibleName(QStringLiteral("Schematic"));
}

PictureWidget::~PictureWidget() = default;

QString PictureWidget::ResourcePath(int pictureId) {
    return QStringLiteral(":/pictures/bitmap%1.svg").arg(pictureId);
}

bool PictureWidget::HasPicture() const {
    return renderer_ && renderer_->isValid();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!HasPicture()) {
        painter.fillRect(rect(), Qt::white);
        painter.setPen(Qt::gray);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    QSizeF size = renderer_->defaultSize();
    size.scale(QSizeF(rect().size()), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    renderer_->render(&painter, target);
}

}  // namespace platform
