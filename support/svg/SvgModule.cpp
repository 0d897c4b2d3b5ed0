// The SVG module: Qt Svg, loaded by ResourceLoading.cpp when the first picture
// without a raster copy is rendered.
#include "SvgModule.h"
#include "SvgRendering.h"

#include <QObject>

class TSvgModule : public QObject, public TSvgRenderer {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KAVORIN_SVG_RENDERER_IID)
    Q_INTERFACES(TSvgRenderer)
public:
    QImage Render(const QString& AFileName, const QSize& APixels) const override {
        return RenderSvgFile(AFileName, APixels);
    }
    QSize DefaultSize(const QString& AFileName) const override { return SvgFileSize(AFileName); }
};

#include "SvgModule.moc"
