// What the program and its SVG module share. Qt Svg is loaded with the module when
// the first picture without a raster copy is rendered (a computation window's
// draft, say), not at start-up: only ResourceLoading.cpp asks for it.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QtPlugin>

#include <functional>

class QIODevice;
class QPainter;

class TSvgRenderer {
public:
    virtual ~TSvgRenderer() = default;
    // RenderSvgFile and SvgFileSize of svg/SvgRendering.h.
    virtual QImage Render(const QString& AFileName, const QSize& APixels) const = 0;
    virtual QSize DefaultSize(const QString& AFileName) const = 0;
    // Writes what APaint paints into an SVG document of ASize pixels on ADevice.
    virtual bool Write(QIODevice& ADevice, const QSize& ASize, const QString& ATitle,
                       const QString& ADescription,
                       const std::function<void(QPainter&)>& APaint) const = 0;
};

#define KAVORIN_SVG_RENDERER_IID "com.ternwick.Kavorin.SvgRenderer/2"
Q_DECLARE_INTERFACE(TSvgRenderer, KAVORIN_SVG_RENDERER_IID)
