#include "ResourceLoading.h"

#include "ModuleLoading.h"
#include "SvgModule.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>
#include <QXmlStreamReader>
#include <cmath>
#include <utility>

// The resources live in the static library kavorin_support; without an explicit
// initialisation the linker would drop them from the executables.
static void InitKavorinResources() {
    Q_INIT_RESOURCE(kavorin);
    Q_INIT_RESOURCE(raster);
}

namespace {

void EnsureResources() {
    static const bool Initialised = (InitKavorinResources(), true);
    (void)Initialised;
}

const char* const PictureExtensions[] = {"svg", "png", "jpg", "gif"};

bool IsSvg(const QString& AFileName) {
    return AFileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

qreal EffectiveRatio(qreal ARatio) {
    if (ARatio > 0)
        return ARatio;
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QSize DevicePixels(const QSize& ALogical, qreal ARatio) {
    return QSize(qMax(1, qRound(ALogical.width() * ARatio)),
                 qMax(1, qRound(ALogical.height() * ARatio)));
}

// The built-in pictures cannot change while the program runs: their natural sizes
// and rendered pixmaps are kept, so that the pictures every computation window
// shows (its background, glyphs, drafts and formulas) are rendered once, not at
// every opening. Rendered pixmaps live in the pixmap cache, which bounds them.
bool IsResource(const QString& AFileName) {
    return AFileName.startsWith(QLatin1String(":/"));
}

int& RenderedSvgPictures() {
    static int rendered = 0;
    return rendered;
}

QHash<QString, QSize>& NaturalSizes() {
    static QHash<QString, QSize> sizes;
    return sizes;
}

// The pixmap cache's key of a resource picture at a size and pixel ratio; empty for
// files outside the resources, which are rendered every time.
QString RenderedKey(const QString& AFileName, const QSize& ASize, qreal ARatio) {
    if (!IsResource(AFileName))
        return QString();
    return QStringLiteral("Kavorin%1@%2x%3@%4")
        .arg(AFileName)
        .arg(ASize.width())
        .arg(ASize.height())
        .arg(ARatio);
}

// The width and height written on a built-in SVG's root element, in pixels; empty
// when they are missing or in other units. Reading them costs a few attributes,
// parsing the picture costs the whole file.
QSize WrittenSvgSize(const QString& AFileName) {
    QFile file(AFileName);
    if (!file.open(QIODevice::ReadOnly))
        return QSize();
    QXmlStreamReader reader(&file);
    while (!reader.atEnd() && !reader.isStartElement())
        reader.readNext();
    if (reader.name() != QLatin1String("svg"))
        return QSize();
    const auto pixels = [&reader](const char* AName) {
        QStringView text = reader.attributes().value(QLatin1String(AName)).trimmed();
        if (text.endsWith(QLatin1String("px")))
            text.chop(2);
        bool ok = false;
        const double value = text.toDouble(&ok);
        return ok && value > 0 ? value : -1.0;
    };
    const QSizeF size(pixels("width"), pixels("height"));
    return size.width() > 0 && size.height() > 0 ? size.toSize() : QSize();
}

// Set by the build: the SVG module's file name.
#ifndef KAVORIN_SVG_MODULE
#define KAVORIN_SVG_MODULE "libkavorin_svg.so"
#endif

// Qt Svg, loaded at the first picture that is rendered or measured by parsing.
const TSvgRenderer* SvgRenderer() {
    return Module<TSvgRenderer>(QStringLiteral(KAVORIN_SVG_MODULE));
}

// The natural size of an SVG file, parsing it; empty when it cannot be read.
QSize ParsedSvgSize(const QString& AFileName) {
    const TSvgRenderer* renderer = SvgRenderer();
    return renderer ? renderer->DefaultSize(AFileName) : QSize();
}

// The SVG file rendered at APixels; null when it cannot be.
QImage RenderSvg(const QString& AFileName, const QSize& APixels) {
    const TSvgRenderer* renderer = SvgRenderer();
    return renderer ? renderer->Render(AFileName, APixels) : QImage();
}

bool WriteSvgDocument(QIODevice& ADevice, const QSize& ASize, const QString& ATitle,
                      const QString& ADescription, const std::function<void(QPainter&)>& APaint) {
    const TSvgRenderer* renderer = SvgRenderer();
    return renderer && renderer->Write(ADevice, ASize, ATitle, ADescription, APaint);
}

// A built-in SVG's raster copy at APixels, made by tools/RasterPictures.cpp for the
// pictures of the first paint (":/RASTER/JPG/MAIN_BACKGROUND448_448x336.rgb32" for
// ":/JPG/MAIN_BACKGROUND448.svg"); a null image where there is none. The copy is
// the pixels themselves, 32-bit little-endian words as QImage keeps them on x86 in
// RGB32 (opaque, ".rgb32") or ARGB32_Premultiplied (".argb32"): rendering the SVG
// or decoding a PNG costs many times what unpacking the resource does.
QImage RasterCopy(const QString& AFileName, const QSize& APixels) {
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "raster copies hold little-endian pixels");
    if (!IsResource(AFileName))
        return QImage();
    const QString stem = QStringLiteral(":/RASTER/%1_%2x%3.")
                             .arg(AFileName.mid(2).chopped(4))
                             .arg(APixels.width())
                             .arg(APixels.height());
    for (const auto& [suffix, format] :
         {std::pair{"rgb32", QImage::Format_RGB32},
          std::pair{"argb32", QImage::Format_ARGB32_Premultiplied}}) {
        const QResource resource(stem + QLatin1String(suffix));
        if (!resource.isValid())
            continue;
        // Owned and writable, so that the pixmap can take the pixels as they are.
        auto* pixels = new QByteArray(resource.uncompressedData());
        pixels->detach();
        if (pixels->size() != qsizetype(APixels.width()) * APixels.height() * 4) {
            delete pixels;
            return QImage();
        }
        return QImage(
            reinterpret_cast<uchar*>(pixels->data()), APixels.width(), APixels.height(),
            APixels.width() * 4, format,
            [](void* AData) { delete static_cast<QByteArray*>(AData); }, pixels);
    }
    return QImage();
}

// A picture file at ALogical size (its natural size when empty) for ARatio. Built-in
// pictures are kept in the pixmap cache; an SVG is taken from its raster copy where
// one exists.
QPixmap Picture(const QString& AFileName, const QSize& ALogical, qreal ARatio) {
    const qreal ratio = EffectiveRatio(ARatio);
    if (!IsSvg(AFileName))
        return RenderPictureFile(AFileName, ALogical, ratio);
    const QSize logical = ALogical.isEmpty() ? PictureFileSize(AFileName) : ALogical;
    const QString key = RenderedKey(AFileName, logical, ratio);
    QPixmap pixmap;
    if (!key.isEmpty() && QPixmapCache::find(key, &pixmap))
        return pixmap;
    const QSize pixels = DevicePixels(logical, ratio);
    QImage image = RasterCopy(AFileName, pixels);
    if (image.isNull()) {
        image = RenderSvg(AFileName, pixels);
        if (image.isNull())
            throw EInvalidGraphic(AFileName);
        ++RenderedSvgPictures();
    }
    pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    if (!key.isEmpty())
        QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void LoadIntoLabel(const QString& AFileName, QLabel* AImage, TImageSizing ASizing) {
    const QSize natural = PictureFileSize(AFileName);
    const bool stretched = ASizing == TImageSizing::KeepSize && AImage->hasScaledContents() &&
                           !AImage->contentsRect().isEmpty();
    const QSize size = stretched ? AImage->contentsRect().size() : natural;
    AImage->setPixmap(Picture(AFileName, size, AImage->devicePixelRatioF()));
    if (ASizing == TImageSizing::AutoSize) {
        const QMargins margins = AImage->contentsMargins();
        AImage->resize(natural.grownBy(margins));
    }
}

} // namespace

int SvgPicturesRendered() {
    return RenderedSvgPictures();
}

EResourceNotFound::EResourceNotFound(const QString& AResourceType, const QString& AResourceName)
    : std::runtime_error(QStringLiteral("Resource \"%1\" of type %2 not found")
                             .arg(AResourceName, AResourceType)
                             .toStdString()) {}

EInvalidGraphic::EInvalidGraphic(const QString& APictureName)
    : std::runtime_error(QStringLiteral("Invalid graphic: the picture \"%1\" cannot be decoded")
                             .arg(APictureName)
                             .toStdString()) {}

QString ResourceFileName(const QString& AResourceType, const QString& AResourceName) {
    EnsureResources();
    const QString type = AResourceType.toUpper();
    const QString name = AResourceName.toUpper();
    // A name must not reach into another type's folder.
    if (!type.isEmpty() && !name.isEmpty() && !type.contains(QLatin1Char('/')) &&
        !name.contains(QLatin1Char('/'))) {
        for (const char* extension : PictureExtensions) {
            const QString fileName =
                QStringLiteral(":/%1/%2.%3").arg(type, name, QLatin1String(extension));
            if (QFileInfo::exists(fileName))
                return fileName;
        }
    }
    throw EResourceNotFound(type, name);
}

bool ResourceExists(const QString& AResourceType, const QString& AResourceName) {
    try {
        ResourceFileName(AResourceType, AResourceName);
        return true;
    } catch (const EResourceNotFound&) {
        return false;
    }
}

QSize ResourceSize(const QString& AResourceType, const QString& AResourceName) {
    return PictureFileSize(ResourceFileName(AResourceType, AResourceName));
}

void LoadGIFResource(const QString& AResourceType, const QString& AResourceName, QLabel* AImage,
                     TImageSizing ASizing) {
    LoadIntoLabel(ResourceFileName(AResourceType, AResourceName), AImage, ASizing);
}

void LoadJPEGResource(const QString& AResourceType, const QString& AResourceName, QLabel* AImage,
                      TImageSizing ASizing) {
    LoadIntoLabel(ResourceFileName(AResourceType, AResourceName), AImage, ASizing);
}

QPixmap LoadResourcePixmap(const QString& AResourceType, const QString& AResourceName, QSize ASize,
                           qreal ADevicePixelRatio) {
    return RenderPictureFile(ResourceFileName(AResourceType, AResourceName), ASize,
                             ADevicePixelRatio);
}

namespace {

// An icon of one picture file at several pixel sizes, each rendered only when a
// size is first asked for: the application icon alone carries eight sizes up to
// 256 pixels, of which a window system usually wants one or two. The rendered
// pixmaps live in an ordinary icon, which picks among them, makes the disabled and
// selected looks and keeps them in the pixmap cache, as it would had every size
// been added at once. Every size it is asked for is rendered before it picks, and
// both pick by the same rule (the smallest size at least as large as the request,
// else the largest), so it picks as it would among all of them.
class TPictureIconEngine : public QIconEngine {
public:
    TPictureIconEngine(QString AFileName, QList<QSize> ASizes)
        : FFileName(std::move(AFileName)), FSizes(std::move(ASizes)) {}

    QIconEngine* clone() const override { return new TPictureIconEngine(*this); }
    QString key() const override { return QStringLiteral("TPictureIconEngine"); }
    bool isNull() override { return FSizes.isEmpty(); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return FSizes; }

    QSize actualSize(const QSize& ASize, QIcon::Mode AMode, QIcon::State AState) override {
        Render(ASize);
        return FRendered.actualSize(ASize, AMode, AState);
    }
    QPixmap pixmap(const QSize& ASize, QIcon::Mode AMode, QIcon::State AState) override {
        Render(ASize);
        return FRendered.pixmap(ASize, AMode, AState);
    }
    QPixmap scaledPixmap(const QSize& ASize, QIcon::Mode AMode, QIcon::State AState,
                         qreal AScale) override {
        Render(ASize);
        Render(ASize * AScale);
        return FRendered.pixmap(ASize, AScale, AMode, AState);
    }
    void paint(QPainter* APainter, const QRect& ARect, QIcon::Mode AMode,
               QIcon::State AState) override {
        const qreal scale = APainter->device() ? APainter->device()->devicePixelRatio() : 1.0;
        Render(ARect.size());
        Render(ARect.size() * scale);
        FRendered.paint(APainter, ARect, Qt::AlignCenter, AMode, AState);
    }

private:
    // Renders the size that a request of ASize picks, unless it is there already.
    void Render(const QSize& ASize) {
        if (FSizes.isEmpty())
            return;
        const qint64 wanted = qint64(ASize.width()) * ASize.height();
        auto area = [](const QSize& S) { return qint64(S.width()) * S.height(); };
        const QSize* best = nullptr;
        for (const QSize& size : FSizes) {
            if (!best) {
                best = &size;
                continue;
            }
            const qint64 a = area(*best), b = area(size);
            // Both large enough: the smaller; otherwise the larger.
            const bool takeSize = (qMin(a, b) >= wanted) ? b < a : b > a;
            if (takeSize)
                best = &size;
        }
        if (FDone.contains(*best))
            return;
        FDone.append(*best);
        FRendered.addPixmap(RenderPictureFile(FFileName, *best, 1.0));
    }

    QString FFileName;
    QList<QSize> FSizes;
    QList<QSize> FDone;
    QIcon FRendered;
};

// Icons made so far, by file. An icon's pixmaps key the pictures Qt derives from
// them (disabled and selected looks, other sizes) in the pixmap cache: a new icon
// for every window would fill the cache with pictures never used again.
QHash<QString, QIcon>& Icons() {
    static QHash<QString, QIcon> icons;
    static const bool cleanUp = [] {
        // Pixmaps are released while the application still exists.
        qAddPostRoutine([] { Icons().clear(); });
        return true;
    }();
    (void)cleanUp;
    return icons;
}
} // namespace

QIcon LoadResourceIcon(const QString& AResourceType, const QString& AResourceName) {
    const QString fileName = ResourceFileName(AResourceType, AResourceName);
    const auto made = Icons().constFind(fileName);
    if (made != Icons().cend())
        return *made;
    // A picture that cannot be decoded fails here, not when the icon is drawn.
    const QSize natural = PictureFileSize(fileName);
    // Plain pixmaps of each pixel size; the icon picks the one that fits the
    // requested size and the screen's pixel ratio.
    QList<QSize> sizes{natural, natural * 2, natural * 3};
    if (AResourceType.compare(QLatin1String("ICON"), Qt::CaseInsensitive) == 0 &&
        AResourceName.compare(QLatin1String("KAVORIN"), Qt::CaseInsensitive) == 0) {
        for (int side : {16, 24, 48, 128, 256})
            sizes.append(QSize(side, side));
    }
    const QIcon icon(new TPictureIconEngine(fileName, sizes));
    Icons().insert(fileName, icon);
    return icon;
}

QSize PictureFileSize(const QString& AFileName) {
    const QSize known = NaturalSizes().value(AFileName);
    if (!known.isEmpty())
        return known;
    const QSize size = [&AFileName] {
        if (IsSvg(AFileName)) {
            // A file from outside is parsed whole, so that a damaged one is found here.
            QSize svgSize = IsResource(AFileName) ? WrittenSvgSize(AFileName) : QSize();
            if (svgSize.isEmpty())
                svgSize = ParsedSvgSize(AFileName);
            if (svgSize.isEmpty())
                throw EInvalidGraphic(AFileName);
            return svgSize;
        }
        QImageReader reader(AFileName);
        const QSize rasterSize = reader.size();
        if (!reader.canRead() || rasterSize.isEmpty())
            throw EInvalidGraphic(AFileName);
        return rasterSize;
    }();
    if (IsResource(AFileName))
        NaturalSizes().insert(AFileName, size);
    return size;
}

QPixmap RenderPictureFile(const QString& AFileName, QSize ASize, qreal ADevicePixelRatio) {
    const qreal ratio = EffectiveRatio(ADevicePixelRatio);
    if (IsSvg(AFileName))
        return Picture(AFileName, ASize, ratio);
    QImageReader reader(AFileName);
    const QSize natural = reader.size();
    if (natural.isEmpty())
        throw EInvalidGraphic(AFileName);
    const QSize logical = ASize.isEmpty() ? natural : ASize;
    const QSize pixels = DevicePixels(logical, ratio);
    if (pixels != natural)
        reader.setScaledSize(pixels);
    const QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic(AFileName);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

void LoadPictureFile(const QString& AFileName, QLabel* AImage, TImageSizing ASizing) {
    LoadIntoLabel(AFileName, AImage, ASizing);
}
