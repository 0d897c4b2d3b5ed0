#include "ResourceLoading.h"
#include "SvgRendering.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every picture the program asks for, with its catalogue size. Formula pictures are
// typeset, so their size only has to stay near the catalogue's.
struct TCatalogueEntry {
    const char* Type;
    const char* Name;
    int Width;
    int Height;
};

const TCatalogueEntry ExactPictures[] = {
    {"GIF_DRAFT", "CUBE", 150, 138},
    {"GIF_DRAFT", "BLOCK", 179, 143},
    {"GIF_DRAFT", "SPHERE", 134, 134},
    {"GIF_DRAFT", "CONE", 119, 183},
    {"GIF_DRAFT", "CYLINDER", 119, 192},
    {"GIF_DRAFT", "PYRAMID_TETRAHEDRON", 140, 119},
    {"GIF_DRAFT", "PYRAMID_SQUARE", 156, 175},
    {"GIF_DRAFT", "PYRAMID_RECTANGLE", 179, 170},
    {"GIF_DRAFT", "PYRAMID_EQUILATERALTRIANGLE", 140, 169},
    {"GIF_DRAFT", "PYRAMID_NANGLE", 120, 180},
    {"GIF_DRAFT", "PRISM_TRIANGLE", 140, 184},
    {"GIF_DRAFT", "PRISM_NANGLE", 164, 173},
    {"GIF_DRAFT", "PRISM_CIRCULARRING", 119, 192},
    {"GIF_DRAFT", "TRUNCATEDCONE", 140, 187},
    {"GIF_DRAFT", "TRUNCATEDPYRAMID_SQUARE", 156, 182},
    {"GIF_DRAFT", "TRUNCATEDPYRAMID_RECTANGLE", 177, 163},
    {"GIF_DRAFT", "TRUNCATEDPYRAMID_EQUILATERALTRIANGLE", 139, 187},
    {"GIF_DRAFT", "TRUNCATEDPYRAMID_NANGLE", 174, 177},
    {"GIF_DRAFT", "CYLINDRICALTANK", 177, 142},
    {"GIF_DRAFT", "SPHERICALSEGMENT", 134, 135},
    {"GIF_DRAFT", "SPHERICALSECTOR", 134, 135},
    {"GIF_DRAFT", "SPHERICALFRUSTUM", 134, 136},
    {"JPG", "COMPUTATION_BACKGROUND", 390, 312},
    {"JPG", "MAIN_BACKGROUND448", 448, 336},
    {"JPG", "MAIN_BACKGROUND1024", 1024, 768},
    {"BITMAP", "BTN_FORMULAS", 16, 16},
    {"BITMAP", "BTN_SUPPLEMENTARYDATA", 16, 16},
    {"BITMAP", "BTN_OPTIONSMENU", 16, 16},
    {"BITMAP", "BTN_DRAFT", 16, 16},
    {"BITMAP", "RHO", 7, 12},
    {"ICON", "KAVORIN", 32, 32},
    {"ICON", "MAIN_FORMULAS", 32, 32},
    {"ICON", "MAIN_SETTINGS", 32, 32},
    {"ICON", "MAIN_HELP", 32, 32},
    {"ICON", "MAIN_ABOUT", 32, 32},
    {"ICON", "ABOUT_EMAIL", 13, 9},
    {"ICON", "ABOUT_HOMEPAGE", 14, 14},
};

const TCatalogueEntry FormulaPictures[] = {
    {"GIF_FORMULA", "CUBE", 58, 50},
    {"GIF_FORMULA", "BLOCK", 149, 48},
    {"GIF_FORMULA", "SPHERE", 75, 70},
    {"GIF_FORMULA", "CONE", 211, 77},
    {"GIF_FORMULA", "CYLINDER", 110, 52},
    {"GIF_FORMULA", "PYRAMID_GENERAL", 96, 75},
    {"GIF_FORMULA", "PYRAMID_TETRAHEDRON", 82, 79},
    {"GIF_FORMULA", "PYRAMID_SQUARE", 143, 88},
    {"GIF_FORMULA", "PYRAMID_RECTANGLE", 240, 84},
    {"GIF_FORMULA", "PYRAMID_EQUILATERALTRIANGLE", 149, 109},
    {"GIF_FORMULA", "PYRAMID_NANGLE", 189, 169},
    {"GIF_FORMULA", "PRISM_GENERAL", 107, 53},
    {"GIF_FORMULA", "PRISM_TRIANGLE", 357, 75},
    {"GIF_FORMULA", "PRISM_NANGLE", 125, 105},
    {"GIF_FORMULA", "PRISM_CIRCULARRING", 134, 63},
    {"GIF_FORMULA", "TRUNCATEDCONE", 355, 82},
    {"GIF_FORMULA", "TRUNCATEDPYRAMID_GENERAL", 232, 74},
    {"GIF_FORMULA", "TRUNCATEDPYRAMID_SQUARE", 261, 100},
    {"GIF_FORMULA", "TRUNCATEDPYRAMID_RECTANGLE", 470, 93},
    {"GIF_FORMULA", "TRUNCATEDPYRAMID_EQUILATERALTRIANGLE", 260, 116},
    {"GIF_FORMULA", "TRUNCATEDPYRAMID_NANGLE", 274, 169},
    {"GIF_FORMULA", "CYLINDRICALTANK", 204, 209},
    {"GIF_FORMULA", "SPHERICALSEGMENT", 150, 109},
    {"GIF_FORMULA", "SPHERICALSECTOR", 233, 136},
    {"GIF_FORMULA", "SPHERICALFRUSTUM", 398, 116},
    {"GIF_FORMULA", "SQUARE", 49, 48},
    {"GIF_FORMULA", "RECTANGLE", 93, 49},
    {"GIF_FORMULA", "RHOMBUS", 51, 43},
    {"GIF_FORMULA", "PARALLELOGRAM", 93, 48},
    {"GIF_FORMULA", "TRIANGLE_GENERAL", 96, 63},
    {"GIF_FORMULA", "TRIANGLE_HERON", 346, 41},
    {"GIF_FORMULA", "TRAPEZOID", 122, 65},
    {"GIF_FORMULA", "CIRCLE", 58, 48},
    {"GIF_FORMULA", "NANGLE", 115, 97},
    {"GIF_FORMULA", "CIRCULARRING", 114, 57},
    {"GIF_FORMULA", "SEGMENTOFCIRCLE", 196, 141},
    {"GIF_FORMULA", "SECTOROFCIRCLE", 80, 63},
};

// A typeset formula picture may differ from the catalogue's size by this fraction.
constexpr double FormulaSizeTolerance = 0.3;

void AddRows(const TCatalogueEntry* ABegin, const TCatalogueEntry* AEnd) {
    for (const TCatalogueEntry* entry = ABegin; entry != AEnd; ++entry)
        QTest::addRow("%s/%s", entry->Type, entry->Name)
            << QString::fromLatin1(entry->Type) << QString::fromLatin1(entry->Name)
            << QSize(entry->Width, entry->Height);
}

// True when the picture shows something: not every pixel has the colour of the first.
bool HasContent(const QImage& AImage) {
    const QColor first = AImage.pixelColor(0, 0);
    for (int y = 0; y < AImage.height(); ++y)
        for (int x = 0; x < AImage.width(); ++x) {
            const QColor color = AImage.pixelColor(x, y);
            if (qAbs(color.alpha() - first.alpha()) > 64 ||
                qAbs(color.lightness() - first.lightness()) > 16)
                return true;
        }
    return false;
}

void WriteFile(const QString& AFileName, const QByteArray& AContent) {
    QFile file(AFileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(AContent), AContent.size());
}

} // namespace

class TestResourceLoading : public QObject {
    Q_OBJECT

private slots:
    void exactPicturesLoadAtTheirSize_data();
    void exactPicturesLoadAtTheirSize();
    void formulaPicturesAreBlackOnWhite_data();
    void formulaPicturesAreBlackOnWhite();
    void loaderRendersForTheScreensPixelRatio_data();
    void loaderRendersForTheScreensPixelRatio();
    void keepSizeStretchesScaledContents();
    void namesAreNotCaseSensitive();
    void iconsCarrySeveralPixelSizes();
    void iconsDrawEachSizeAsRendered_data();
    void iconsDrawEachSizeAsRendered();
    void filesOutsideTheResourcesAreReadAnew();
    void rasterCopiesAreTheirPictures();
    void writtenSizesAreTheParsedOnes();
    void unknownNameRaisesResourceNotFound_data();
    void unknownNameRaisesResourceNotFound();
    void damagedPictureRaisesInvalidGraphic_data();
    void damagedPictureRaisesInvalidGraphic();
};

void TestResourceLoading::exactPicturesLoadAtTheirSize_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    AddRows(std::begin(ExactPictures), std::end(ExactPictures));
}

void TestResourceLoading::exactPicturesLoadAtTheirSize() {
    QFETCH(QString, type);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QCOMPARE(ResourceSize(type, name), size);
    QLabel image;
    if (type == QLatin1String("JPG"))
        LoadJPEGResource(type, name, &image);
    else
        LoadGIFResource(type, name, &image);
    QCOMPARE(image.size(), size);
    const QPixmap pixmap = image.pixmap();
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
    const QImage picture = pixmap.toImage();
    QVERIFY2(HasContent(picture), "the picture is blank");
    if (type == QLatin1String("GIF_DRAFT")) {
        // drafts are drawn on white, up to their edges
        QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(picture.width() - 1, picture.height() - 1), QColor(Qt::white));
    }
}

void TestResourceLoading::formulaPicturesAreBlackOnWhite_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    AddRows(std::begin(FormulaPictures), std::end(FormulaPictures));
}

void TestResourceLoading::formulaPicturesAreBlackOnWhite() {
    QFETCH(QString, type);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QLabel image;
    LoadGIFResource(type, name, &image);
    const QSize actual = image.size();
    QCOMPARE(actual, ResourceSize(type, name));
    QVERIFY2(qAbs(actual.width() - size.width()) <= size.width() * FormulaSizeTolerance,
             qPrintable(QStringLiteral("width %1").arg(actual.width())));
    QVERIFY2(qAbs(actual.height() - size.height()) <= size.height() * FormulaSizeTolerance,
             qPrintable(QStringLiteral("height %1").arg(actual.height())));
    const QImage picture = image.pixmap().toImage();
    QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(picture.pixelColor(picture.width() - 1, picture.height() - 1), QColor(Qt::white));
    QVERIFY2(HasContent(picture), "the picture is blank");
}

void TestResourceLoading::loaderRendersForTheScreensPixelRatio_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1x") << qreal(1.0);
    QTest::newRow("1.5x") << qreal(1.5);
    QTest::newRow("2x") << qreal(2.0);
}

void TestResourceLoading::loaderRendersForTheScreensPixelRatio() {
    QFETCH(qreal, ratio);
    const QPixmap pixmap =
        LoadResourcePixmap(QStringLiteral("GIF_FORMULA"), QStringLiteral("CUBE"), QSize(), ratio);
    const QSize natural = ResourceSize(QStringLiteral("GIF_FORMULA"), QStringLiteral("CUBE"));
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
    QCOMPARE(pixmap.size(),
             QSize(qRound(natural.width() * ratio), qRound(natural.height() * ratio)));
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), natural);
}

void TestResourceLoading::keepSizeStretchesScaledContents() {
    QLabel background;
    background.setGeometry(0, 0, 398, 322);
    background.setScaledContents(true);
    LoadJPEGResource(QStringLiteral("JPG"), QStringLiteral("COMPUTATION_BACKGROUND"), &background,
                     TImageSizing::KeepSize);
    QCOMPARE(background.size(), QSize(398, 322));
    QCOMPARE(background.pixmap().deviceIndependentSize().toSize(), QSize(398, 322));

    // Without scaled contents the picture keeps its natural size inside the control.
    QLabel draft;
    draft.setGeometry(0, 0, 314, 312);
    draft.setAlignment(Qt::AlignCenter);
    LoadGIFResource(QStringLiteral("GIF_FORMULA"), QStringLiteral("SPHERE"), &draft,
                    TImageSizing::KeepSize);
    QCOMPARE(draft.size(), QSize(314, 312));
    QCOMPARE(draft.pixmap().deviceIndependentSize().toSize(),
             ResourceSize(QStringLiteral("GIF_FORMULA"), QStringLiteral("SPHERE")));
}

void TestResourceLoading::namesAreNotCaseSensitive() {
    QCOMPARE(ResourceFileName(QStringLiteral("gif_formula"), QStringLiteral("Cube")),
             QStringLiteral(":/GIF_FORMULA/CUBE.svg"));
    QVERIFY(ResourceExists(QStringLiteral("bitmap"), QStringLiteral("btn_draft")));
}

void TestResourceLoading::iconsCarrySeveralPixelSizes() {
    const QIcon glyph = LoadResourceIcon(QStringLiteral("BITMAP"), QStringLiteral("BTN_DRAFT"));
    QVERIFY(glyph.availableSizes().contains(QSize(16, 16)));
    QVERIFY(glyph.availableSizes().contains(QSize(32, 32)));
    const QIcon application = LoadResourceIcon(QStringLiteral("ICON"), QStringLiteral("KAVORIN"));
    QVERIFY(application.availableSizes().contains(QSize(256, 256)));
    QCOMPARE(application.pixmap(QSize(48, 48), 1.0).size(), QSize(48, 48));
}

// An icon renders its sizes when they are asked for; each must be the picture
// rendered at that size, not another size scaled, in every look.
void TestResourceLoading::iconsDrawEachSizeAsRendered_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("glyph, natural")
        << QStringLiteral("BITMAP") << QStringLiteral("BTN_DRAFT") << QSize(16, 16);
    QTest::newRow("glyph, double")
        << QStringLiteral("BITMAP") << QStringLiteral("BTN_FORMULAS") << QSize(32, 32);
    QTest::newRow("glyph, triple")
        << QStringLiteral("BITMAP") << QStringLiteral("BTN_OPTIONSMENU") << QSize(48, 48);
    QTest::newRow("application, smallest")
        << QStringLiteral("ICON") << QStringLiteral("KAVORIN") << QSize(16, 16);
    QTest::newRow("application, 24")
        << QStringLiteral("ICON") << QStringLiteral("KAVORIN") << QSize(24, 24);
    QTest::newRow("application, largest")
        << QStringLiteral("ICON") << QStringLiteral("KAVORIN") << QSize(256, 256);
    QTest::newRow("about window") << QStringLiteral("ICON") << QStringLiteral("ABOUT_EMAIL")
                                  << QSize(13, 9);
}

void TestResourceLoading::iconsDrawEachSizeAsRendered() {
    QFETCH(QString, type);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QIcon icon = LoadResourceIcon(type, name);
    QVERIFY(icon.availableSizes().contains(size));
    const QImage expected = LoadResourcePixmap(type, name, size, 1.0)
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage drawn =
        icon.pixmap(size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(drawn.size(), size);
    QVERIFY(drawn == expected);
    // Drawn through a painter, as a button draws it.
    QImage painted(size, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    {
        QPainter painter(&painted);
        icon.paint(&painter, QRect(QPoint(0, 0), size));
    }
    QVERIFY(painted == expected);
    const QImage disabled = icon.pixmap(size, 1.0, QIcon::Disabled).toImage();
    QCOMPARE(disabled.size(), size);
    QVERIFY(disabled.convertToFormat(QImage::Format_ARGB32_Premultiplied) != expected);
}

// Pictures on disk may change while the program runs (a test, a user's file):
// unlike the built-in ones, they are never taken from what was rendered before.
void TestResourceLoading::filesOutsideTheResourcesAreReadAnew() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("PICTURE.svg"));
    auto svg = [](int AWidth, int AHeight, const char* AColour) {
        return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                              "height=\"%2\"><rect width=\"%1\" height=\"%2\" "
                              "fill=\"%3\"/></svg>")
            .arg(AWidth)
            .arg(AHeight)
            .arg(QLatin1String(AColour))
            .toUtf8();
    };
    QLabel image;
    WriteFile(path, svg(20, 10, "red"));
    LoadPictureFile(path, &image);
    QCOMPARE(image.size(), QSize(20, 10));
    QCOMPARE(PictureFileSize(path), QSize(20, 10));
    QCOMPARE(RenderPictureFile(path, QSize(4, 4), 1.0).toImage().pixelColor(2, 2), QColor(Qt::red));

    WriteFile(path, svg(30, 15, "blue"));
    LoadPictureFile(path, &image);
    QCOMPARE(image.size(), QSize(30, 15));
    QCOMPARE(PictureFileSize(path), QSize(30, 15));
    QCOMPARE(image.pixmap().toImage().pixelColor(5, 5), QColor(Qt::blue));
    QCOMPARE(RenderPictureFile(path, QSize(4, 4), 1.0).toImage().pixelColor(2, 2),
             QColor(Qt::blue));
}

// A raster copy stands in for its SVG at its pixel size: the loader must give what
// rendering the SVG gives, pixel for pixel, without rendering it.
void TestResourceLoading::rasterCopiesAreTheirPictures() {
    QPixmapCache::clear();
    const QRegularExpression copyName(
        QStringLiteral("^:/RASTER/(\\w+)/(\\w+)_(\\d+)x(\\d+)\\.(rgb32|argb32)$"));
    QStringList copies;
    for (QDirIterator it(QStringLiteral(":/RASTER"), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        copies << it.next();
    copies.sort();
    // The main window's background at 1x and 2x, and the application icon's sizes.
    QVERIFY(copies.contains(QStringLiteral(":/RASTER/JPG/MAIN_BACKGROUND448_448x336.rgb32")));
    QVERIFY(copies.contains(QStringLiteral(":/RASTER/JPG/MAIN_BACKGROUND1024_896x672.rgb32")));
    QVERIFY(copies.contains(QStringLiteral(":/RASTER/ICON/KAVORIN_256x256.argb32")));
    for (const QString& copy : copies) {
        const QRegularExpressionMatch match = copyName.match(copy);
        QVERIFY2(match.hasMatch(), qPrintable(copy));
        const QString type = match.captured(1), name = match.captured(2);
        const QSize pixels(match.captured(3).toInt(), match.captured(4).toInt());
        const QString svg = ResourceFileName(type, name);
        const int rendered = SvgPicturesRendered();
        const QImage loaded = LoadResourcePixmap(type, name, pixels, 1.0).toImage();
        QVERIFY2(SvgPicturesRendered() == rendered, qPrintable(copy + QStringLiteral(" rendered")));
        const QImage expected = RenderSvgFile(svg, pixels);
        QCOMPARE(loaded.size(), pixels);
        QVERIFY2(loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied) == expected,
                 qPrintable(copy));
        QCOMPARE(loaded.hasAlphaChannel(), match.captured(5) == QLatin1String("argb32"));
    }
    // Where no copy exists the SVG is rendered.
    const int rendered = SvgPicturesRendered();
    LoadResourcePixmap(QStringLiteral("ICON"), QStringLiteral("MAIN_HELP"), QSize(33, 33), 1.0);
    QCOMPARE(SvgPicturesRendered(), rendered + 1);
}

// Built-in pictures are sized by the width and height on their root element, without
// parsing them: every one must have the size that parsing gives.
void TestResourceLoading::writtenSizesAreTheParsedOnes() {
    int pictures = 0;
    for (QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.svg")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext(); ++pictures) {
        const QString file = it.next();
        QCOMPARE(PictureFileSize(file), SvgFileSize(file));
    }
    QVERIFY(pictures > 60);
}

void TestResourceLoading::unknownNameRaisesResourceNotFound_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("unknown draft") << QStringLiteral("GIF_DRAFT") << QStringLiteral("DODECAHEDRON");
    QTest::newRow("general pyramid has no draft")
        << QStringLiteral("GIF_DRAFT") << QStringLiteral("PYRAMID_GENERAL");
    QTest::newRow("unknown type") << QStringLiteral("PNG") << QStringLiteral("CUBE");
    QTest::newRow("empty name") << QStringLiteral("GIF_FORMULA") << QStringLiteral("");
    QTest::newRow("name reaching into another type")
        << QStringLiteral("GIF_DRAFT") << QStringLiteral("../GIF_FORMULA/CUBE");
}

void TestResourceLoading::unknownNameRaisesResourceNotFound() {
    QFETCH(QString, type);
    QFETCH(QString, name);
    QLabel image;
    image.resize(10, 10);
    QVERIFY(!ResourceExists(type, name));
    try {
        LoadGIFResource(type, name, &image);
        QFAIL("no error raised");
    } catch (const EResourceNotFound& error) {
        QVERIFY2(QString::fromStdString(error.what()).contains(QLatin1String("not found")),
                 error.what());
    }
    QVERIFY(image.pixmap().isNull());
    QCOMPARE(image.size(), QSize(10, 10));
    QVERIFY_THROWS_EXCEPTION(EResourceNotFound, LoadResourcePixmap(type, name));
}

void TestResourceLoading::damagedPictureRaisesInvalidGraphic_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QFile cube(QStringLiteral(":/GIF_FORMULA/CUBE.svg"));
    QVERIFY(cube.open(QIODevice::ReadOnly));
    const QByteArray svg = cube.readAll();
    QTest::newRow("truncated svg") << QStringLiteral("CUBE.svg") << svg.left(svg.size() / 2);
    QTest::newRow("empty svg") << QStringLiteral("EMPTY.svg") << QByteArray();
    QTest::newRow("text posing as svg")
        << QStringLiteral("TEXT.svg") << QByteArray("not a picture");
    QTest::newRow("damaged jpeg") << QStringLiteral("BACKGROUND.jpg")
                                  << QByteArray("\xFF\xD8\xFF\xE0garbage");
    QTest::newRow("damaged gif") << QStringLiteral("DRAFT.gif") << QByteArray("GIF89a\x01");
}

void TestResourceLoading::damagedPictureRaisesInvalidGraphic() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(fileName);
    WriteFile(path, content);
    QLabel image;
    image.resize(10, 10);
    try {
        LoadPictureFile(path, &image);
        QFAIL("no error raised");
    } catch (const EInvalidGraphic& error) {
        QVERIFY2(QString::fromStdString(error.what()).contains(fileName), error.what());
    }
    QVERIFY(image.pixmap().isNull());
    QCOMPARE(image.size(), QSize(10, 10));
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, RenderPictureFile(path));
}

QTEST_MAIN(TestResourceLoading)
#include "tst_ResourceLoading.moc"
