// Writes, at build time, the raster copies of the pictures that the main window's
// first paint shows (its background, its four icons and the application icon at the
// sizes a window system asks for) at the pixel sizes of 1x and 2x screens, and the
// resource file that builds them in:
//
//     kavorin_raster_pictures RESOURCES_FOLDER OUTPUT_FOLDER
//
// A copy holds the pixels themselves, as support/ResourceLoading.cpp takes them
// (see RasterCopy there), rendered by the loader's own SvgRendering.cpp, so that it
// is exactly what the loader would have rendered. The resource compiler compresses
// them.
#include "SvgRendering.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace {

struct TRaster {
    const char* Resource; // type and name, as the loaders ask for it
    const char* Source;   // the SVG, in the resources folder
    QSize Logical;
    std::vector<int> Ratios;
};

// The main window draws the large background on a scaled screen, at the window's size.
const TRaster Rasters[] = {
    {"JPG/MAIN_BACKGROUND448", "backgrounds/MAIN_BACKGROUND448.svg", QSize(448, 336), {1}},
    {"JPG/MAIN_BACKGROUND1024", "backgrounds/MAIN_BACKGROUND1024.svg", QSize(448, 336), {2}},
    {"ICON/MAIN_FORMULAS", "icons/MAIN_FORMULAS.svg", QSize(32, 32), {1, 2}},
    {"ICON/MAIN_SETTINGS", "icons/MAIN_SETTINGS.svg", QSize(32, 32), {1, 2}},
    {"ICON/MAIN_HELP", "icons/MAIN_HELP.svg", QSize(32, 32), {1, 2}},
    {"ICON/MAIN_ABOUT", "icons/MAIN_ABOUT.svg", QSize(32, 32), {1, 2}},
    // Every size of the application icon (LoadResourceIcon); X11 asks for all.
    {"ICON/KAVORIN", "icons/KAVORIN.svg", QSize(16, 16), {1}},
    {"ICON/KAVORIN", "icons/KAVORIN.svg", QSize(24, 24), {1}},
    {"ICON/KAVORIN", "icons/KAVORIN.svg", QSize(32, 32), {1, 2, 3}},
    {"ICON/KAVORIN", "icons/KAVORIN.svg", QSize(48, 48), {1}},
    {"ICON/KAVORIN", "icons/KAVORIN.svg", QSize(128, 128), {1}},
    {"ICON/KAVORIN", "icons/KAVORIN.svg", QSize(256, 256), {1}},
};

bool Opaque(const QImage& AImage) {
    for (int y = 0; y < AImage.height(); ++y)
        for (int x = 0; x < AImage.width(); ++x)
            if (qAlpha(AImage.pixel(x, y)) != 255)
                return false;
    return true;
}

// Rows of 32-bit little-endian words 0xAARRGGBB, the colour premultiplied by alpha.
QByteArray RawPixels(const QImage& AImage) {
    QByteArray raw;
    raw.reserve(AImage.width() * AImage.height() * 4);
    for (int y = 0; y < AImage.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(AImage.constScanLine(y));
        for (int x = 0; x < AImage.width(); ++x)
            for (int shift = 0; shift < 32; shift += 8)
                raw.append(char((row[x] >> shift) & 0xFF));
    }
    return raw;
}

// Writes AContent unless the file holds it already, so that an unchanged copy
// does not make the resources build again.
bool WriteIfChanged(const QString& APath, const QByteArray& AContent) {
    QFile file(APath);
    if (file.open(QIODevice::ReadOnly) && file.readAll() == AContent)
        return true;
    file.close();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(AContent) == AContent.size();
}

int Write(const QDir& ASources, const QDir& AOutput) {
    QStringList files;
    for (const TRaster& raster : Rasters)
        for (int ratio : raster.Ratios) {
            const QString source = ASources.filePath(QLatin1String(raster.Source));
            const QSize pixels = raster.Logical * ratio;
            const QImage image = RenderSvgFile(source, pixels);
            if (image.isNull()) {
                std::fprintf(stderr, "cannot render %s\n", qPrintable(source));
                return 1;
            }
            // An opaque picture is marked so: it is drawn without blending.
            const bool opaque = Opaque(image);
            const QString file =
                QStringLiteral("%1_%2x%3.%4")
                    .arg(QLatin1String(raster.Resource))
                    .arg(pixels.width())
                    .arg(pixels.height())
                    .arg(opaque ? QLatin1String("rgb32") : QLatin1String("argb32"));
            AOutput.mkpath(QFileInfo(file).path());
            if (!WriteIfChanged(AOutput.filePath(file), RawPixels(image))) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(AOutput.filePath(file)));
                return 1;
            }
            files.append(file);
        }
    QByteArray qrc("<!DOCTYPE RCC>\n<!-- Written by tools/RasterPictures.cpp -->\n"
                   "<RCC version=\"1.0\">\n  <qresource prefix=\"/RASTER\">\n");
    // Raw pixels compress well, and zstd gives them back at memory speed.
    for (const QString& file : files)
        qrc += "    <file compression-algorithm=\"zstd\" threshold=\"0\">" + file.toUtf8() +
               "</file>\n";
    qrc += "  </qresource>\n</RCC>\n";
    if (!WriteIfChanged(AOutput.filePath(QStringLiteral("raster.qrc")), qrc)) {
        std::fprintf(stderr, "cannot write raster.qrc\n");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kavorin_raster_pictures RESOURCES_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[2]);
        return 1;
    }
    return Write(QDir(QString::fromLocal8Bit(argv[1])), output);
}
