#include "ResourceLoading.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

// The resources live in the static library kavorin_app; without an explicit
// initialisation the linker would drop them from the executables.
static void InitKavorinResources() {
    Q_INIT_RESOURCE(kavorin);
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

// An SVG's natural size is its width and height; viewBox-only pictures fall back to it.
QSize SvgSize(QSvgRenderer& ARenderer) {
    return ARenderer.defaultSize();
}

void LoadIntoLabel(const QString& AFileName, QLabel* AImage, TImageSizing ASizing) {
    const qreal ratio = EffectiveRatio(AImage->devicePixelRatioF());
    const QSize natural = PictureFileSize(AFileName);
    const bool stretched = ASizing == TImageSizing::KeepSize && AImage->hasScaledContents() &&
                           !AImage->contentsRect().isEmpty();
    const QSize size = stretched ? AImage->contentsRect().size() : natural;
    const QPixmap pixmap = RenderPictureFile(AFileName, size, ratio);
    AImage->setPixmap(pixmap);
    if (ASizing == TImageSizing::AutoSize) {
        const QMargins margins = AImage->contentsMargins();
        AImage->resize(natural.grownBy(margins));
    }
}

} // namespace

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
    const QSize natural = PictureFileSize(fileName);
    QIcon icon;
    // Plain pixmaps of each pixel size; QIcon picks the one that fits the
    // requested size and the screen's pixel ratio.
    QList<QSize> sizes{natural, natural * 2, natural * 3};
    if (AResourceType.compare(QLatin1String("ICON"), Qt::CaseInsensitive) == 0 &&
        AResourceName.compare(QLatin1String("KAVORIN"), Qt::CaseInsensitive) == 0) {
        for (int side : {16, 24, 48, 128, 256})
            sizes.append(QSize(side, side));
    }
    for (const QSize& size : sizes)
        icon.addPixmap(RenderPictureFile(fileName, size, 1.0));
    Icons().insert(fileName, icon);
    return icon;
}

QSize PictureFileSize(const QString& AFileName) {
    if (IsSvg(AFileName)) {
        QSvgRenderer renderer(AFileName);
        const QSize size = renderer.isValid() ? SvgSize(renderer) : QSize();
        if (size.isEmpty())
            throw EInvalidGraphic(AFileName);
        return size;
    }
    QImageReader reader(AFileName);
    const QSize size = reader.size();
    if (!reader.canRead() || size.isEmpty())
        throw EInvalidGraphic(AFileName);
    return size;
}

QPixmap RenderPictureFile(const QString& AFileName, QSize ASize, qreal ADevicePixelRatio) {
    const qreal ratio = EffectiveRatio(ADevicePixelRatio);
    QImage image;
    if (IsSvg(AFileName)) {
        QSvgRenderer renderer(AFileName);
        if (!renderer.isValid() || SvgSize(renderer).isEmpty())
            throw EInvalidGraphic(AFileName);
        const QSize logical = ASize.isEmpty() ? SvgSize(renderer) : ASize;
        image = QImage(DevicePixels(logical, ratio), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    } else {
        QImageReader reader(AFileName);
        const QSize natural = reader.size();
        if (natural.isEmpty())
            throw EInvalidGraphic(AFileName);
        const QSize logical = ASize.isEmpty() ? natural : ASize;
        const QSize pixels = DevicePixels(logical, ratio);
        if (pixels != natural)
            reader.setScaledSize(pixels);
        image = reader.read();
        if (image.isNull())
            throw EInvalidGraphic(AFileName);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

void LoadPictureFile(const QString& AFileName, QLabel* AImage, TImageSizing ASizing) {
    LoadIntoLabel(AFileName, AImage, ASizing);
}
