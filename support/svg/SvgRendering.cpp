#include "SvgRendering.h"

#include <QPainter>
#include <QSvgRenderer>

QImage RenderSvgFile(const QString& AFileName, const QSize& APixels) {
    QSvgRenderer renderer;
    if (!renderer.load(AFileName) || !renderer.isValid() || renderer.defaultSize().isEmpty())
        return QImage();
    QImage image(APixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(APixels)));
    return image;
}

QSize SvgFileSize(const QString& AFileName) {
    QSvgRenderer renderer(AFileName);
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}
