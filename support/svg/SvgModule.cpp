// The SVG module: Qt Svg, loaded by ResourceLoading.cpp when the first picture
// without a raster copy is rendered.
#include "SvgModule.h"
#include "SvgRendering.h"

#include <QObject>
#include <QPainter>
#include <QSvgGenerator>

class TSvgModule : public QObject, public TSvgRenderer {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KAVORIN_SVG_RENDERER_IID)
    Q_INTERFACES(TSvgRenderer)
public:
    QImage Render(const QString& AFileName, const QSize& APixels) const override {
        return RenderSvgFile(AFileName, APixels);
    }
    QSize DefaultSize(const QString& AFileName) const override { return SvgFileSize(AFileName); }
    bool Write(QIODevice& ADevice, const QSize& ASize, const QString& ATitle,
               const QString& ADescription,
               const std::function<void(QPainter&)>& APaint) const override {
        QSvgGenerator generator;
        generator.setOutputDevice(&ADevice);
        generator.setSize(ASize);
        generator.setViewBox(QRect(QPoint(0, 0), ASize));
        generator.setTitle(ATitle);
        generator.setDescription(ADescription);
        QPainter painter;
        if (!painter.begin(&generator))
            return false;
        APaint(painter);
        return painter.end();
    }
};

#include "SvgModule.moc"
