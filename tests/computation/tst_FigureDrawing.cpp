// The figure drawn to scale: the model of every sample solid against its volume
// from the closed forms, the projection's proportions, the letters on the
// segments they measure, hidden edges dashed, the lengths enlarged to stay
// visible, what a screen reader hears in three languages, and the drawing
// written to PNG, SVG and PDF (and refused where it cannot be written).
#include "FigureDrawing.h"
#include "FigureModel.h"
#include "GuiTestFixture.h"
#include "SolidFigures.h"
#include "SolidSamples.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

TEntryValues ValuesOf(const QStringList& AEntries) {
    TEntryValues values;
    for (const QString& entry : AEntries) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        const QString text = entry.section(QLatin1Char('='), 1);
        for (int i = 0; i < EntryCount; ++i) {
            const TEntryDesc& desc = EntryDesc(TEntry(i));
            if (name != QLatin1String(desc.Name))
                continue;
            Extended value = 0;
            if (desc.Kind == ekChoice)
                value = text.toInt();
            else if (ReadEntryText(desc.Kind, text, value) != erValid)
                qFatal("unreadable sample entry %s", qPrintable(entry));
            values.Set(TEntry(i), value);
        }
    }
    return values;
}

TEntryValues Cylinder(Extended ARadius, Extended AHeight) {
    TEntryValues values;
    values.Set(enCylinder_R, ARadius);
    values.Set(enCylinder_V, AHeight);
    return values;
}

const SolidSamples::TSample& Sample(const QString& AName) {
    static const std::vector<SolidSamples::TSample> samples = SolidSamples::Samples();
    for (const SolidSamples::TSample& sample : samples)
        if (sample.Name == AName)
            return sample;
    qFatal("no sample %s", qPrintable(AName));
}

double Distance(const QPointF& APoint, const QLineF& ALine) {
    const QPointF along = ALine.p2() - ALine.p1();
    const double length2 = QPointF::dotProduct(along, along);
    const double t =
        length2 > 0
            ? std::clamp(QPointF::dotProduct(APoint - ALine.p1(), along) / length2, 0.0, 1.0)
            : 0.0;
    return QLineF(APoint, ALine.p1() + along * t).length();
}

const QSize Panel(314, 312);

} // namespace

class TestFigureDrawing : public QObject {
    Q_OBJECT

private:
    GuiTest::TSettingsSandbox Sandbox;

private slots:
    // The faces enclose the solid's volume (a circle is a polygon of 72 sides, so
    // within 1 %), every body is closed and its faces turn outwards.
    void modelEnclosesTheVolume_data() {
        QTest::addColumn<QString>("name");
        for (const SolidSamples::TSample& sample : SolidSamples::Samples())
            QTest::newRow(qPrintable(sample.Name)) << sample.Name;
    }
    void modelEnclosesTheVolume() {
        QFETCH(QString, name);
        const SolidSamples::TSample& sample = Sample(name);
        const TEntryValues values = ValuesOf(sample.Entries);
        const TSolidResult result = CalculateSolid(sample.Variant, values);
        QVERIFY(result.Figure);
        const TFigureModel model = BuildFigureModel(sample.Variant, values, *result.Figure, 0);
        QVERIFY(!model.Exaggerated);
        for (const TBody& body : model.Bodies) {
            for (const TMeshEdge& edge : body.Edges)
                QVERIFY2(edge.Face1 != edge.Face2, "an edge with a face on one side only");
            QVERIFY(EnclosedVolume(body) > 0);
        }
        // The tank's sample volume is its liquid's, the first body.
        const double volume =
            EnclosedVolume(model.Bodies.front()) * std::pow(double(model.Unit), 3);
        QVERIFY2(
            std::fabs(volume / double(sample.Volume) - 1) < 0.01,
            qPrintable(QStringLiteral("%1 against %2").arg(volume).arg(double(sample.Volume))));
    }

    // Seen from the front at eye level, a cylinder is drawn as a rectangle whose
    // height to width is its height to diameter; a taller one is drawn taller.
    void cylinderProportions_data() {
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("height");
        QTest::newRow("v = 6") << 1.0 << 6.0;
        QTest::newRow("v = 2") << 1.0 << 2.0;
        QTest::newRow("square") << 2.0 << 4.0;
        QTest::newRow("flat") << 3.0 << 0.5;
        QTest::newRow("large") << 2e30 << 3e30;
    }
    void cylinderProportions() {
        QFETCH(double, radius);
        QFETCH(double, height);
        const TFigureDrawing drawing =
            TFigureDrawing::Calculate(vaCylinder, Cylinder(radius, height));
        QVERIFY(drawing.Valid());
        TViewAngles front;
        front.Yaw = 0;
        front.Pitch = 0;
        const QRectF bounds =
            drawing.Layout(QRectF(QPointF(0, 0), QSizeF(Panel)), front).FigureBounds;
        QCOMPARE_LT(std::fabs(bounds.height() / bounds.width() - height / (2 * radius)),
                    1e-6 * height / radius);
        // The figure fills the panel but for the room of the letters, 10 % of 312 on
        // each side, and it is centred.
        const double margin = 31.2;
        QCOMPARE_LT(std::fabs(std::min((314 - 2 * margin) / bounds.width(),
                                       (312 - 2 * margin) / bounds.height()) -
                              1),
                    1e-9);
        QCOMPARE_LT(QLineF(bounds.center(), QPointF(157, 156)).length(), 1e-9);
    }

    // Every letter stands at the midpoint of the segment it measures, which is drawn
    // (an edge of the solid or a line of its own), and beside it; the letters are the
    // variant's draft letters.
    void lettersOnTheirSegments_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("letters");
        QTest::newRow("cube") << "cube"
                              << "a";
        QTest::newRow("block") << "block"
                               << "a b c";
        QTest::newRow("sphere") << "sphere"
                                << "r";
        QTest::newRow("cone") << "cone"
                              << "r v";
        QTest::newRow("cylinder") << "cylinder"
                                  << "r v";
        QTest::newRow("tetrahedron") << "tetrahedron"
                                     << "a";
        QTest::newRow("pyramid, rectangle") << "pyramid, rectangle"
                                            << "a b v";
        QTest::newRow("pyramid, hexagon") << "pyramid, hexagon"
                                          << "a v";
        QTest::newRow("prism, triangle") << "prism, triangle 3 4 5"
                                         << "a b c v";
        QTest::newRow("prism, ring") << "prism, circular ring"
                                     << "r1 r2 v";
        QTest::newRow("truncated cone") << "truncated cone"
                                        << "r2 r1 v";
        QTest::newRow("truncated pyramid, side a") << "truncated pyramid, rectangle, side a"
                                                   << "a2 b2 a1 v";
        QTest::newRow("truncated pyramid, side b") << "truncated pyramid, rectangle, side b"
                                                   << "a2 b2 b1 v";
        QTest::newRow("tank") << "cylindrical tank, half full"
                              << "r h d";
        QTest::newRow("segment, sphere's radius") << "spherical segment, radius of sphere"
                                                  << "r v";
        QTest::newRow("sector") << "spherical sector, above a hemisphere"
                                << "ρ v";
        QTest::newRow("frustum") << "spherical frustum"
                                 << "ρ2 ρ1 v";
    }
    void lettersOnTheirSegments() {
        QFETCH(QString, name);
        QFETCH(QString, letters);
        const SolidSamples::TSample& sample = Sample(name);
        const TFigureDrawing drawing =
            TFigureDrawing::Calculate(sample.Variant, ValuesOf(sample.Entries));
        const TFigureLayout layout = drawing.Layout(QRectF(QPointF(0, 0), QSizeF(Panel)));
        QStringList found;
        for (const TDrawnLetter& letter : layout.Letters) {
            found << letter.Glyph + letter.Subscript;
            QCOMPARE_LT(QLineF(letter.Anchor, letter.Edge.center()).length(), 1e-9);
            double nearest = 1e9;
            for (const TDrawnLine& line : layout.Lines)
                nearest = std::min(nearest, Distance(letter.Anchor, line.Line));
            QVERIFY2(nearest < 0.5, qPrintable(letter.Glyph + QStringLiteral(" off its line")));
            const double reach =
                std::hypot(letter.Box.width(), letter.Box.height()) / 2 + 4 * layout.LineUnit;
            QVERIFY2(QLineF(letter.Box.center(), letter.Anchor).length() <= reach,
                     qPrintable(letter.Glyph + QStringLiteral(" far from its segment")));
            QVERIFY(!letter.Box.contains(letter.Anchor));
        }
        QCOMPARE(found.join(QLatin1Char(' ')), letters);
    }

    // Two parallel lengths are drawn in the ratio of the entries they measure, so a
    // letter stands on the length it names (an upper radius not on the lower one).
    void parallelLengthsKeepTheirRatio_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<double>("ratio");
        QTest::newRow("truncated cone") << "truncated cone"
                                        << "r2"
                                        << "r1" << 0.5;
        QTest::newRow("truncated pyramid") << "truncated pyramid, rectangle, side a"
                                           << "a2"
                                           << "a1" << 4.0 / 6;
        QTest::newRow("frustum") << "spherical frustum"
                                 << "ρ2"
                                 << "ρ1" << 0.75;
        QTest::newRow("tank") << "cylindrical tank, a quarter of the height"
                              << "h"
                              << "r" << 0.5;
        QTest::newRow("block") << "block"
                               << "c"
                               << "a" << 3.0;
    }
    void parallelLengthsKeepTheirRatio() {
        QFETCH(QString, name);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(double, ratio);
        const SolidSamples::TSample& sample = Sample(name);
        // Seen from the front at eye level, where a vertical length and a length
        // across the view are drawn whole.
        TViewAngles front;
        front.Yaw = 0;
        front.Pitch = 0;
        if (name.startsWith(QLatin1String("cylindrical tank")))
            front.Yaw = std::acos(-1.0) / 2;
        const TFigureLayout layout =
            TFigureDrawing::Calculate(sample.Variant, ValuesOf(sample.Entries))
                .Layout(QRectF(QPointF(0, 0), QSizeF(Panel)), front);
        const auto length = [&](const QString& ALetter) {
            for (const TDrawnLetter& letter : layout.Letters)
                if (letter.Glyph + letter.Subscript == ALetter)
                    return letter.Edge.length();
            return 0.0;
        };
        QVERIFY(length(second) > 0);
        QCOMPARE_LT(std::fabs(length(first) / length(second) / ratio - 1), 1e-9);
    }

    // Edges whose faces both turn away are hidden, and hidden lines are dashed.
    void hiddenEdgesDashed_data() {
        QTest::addColumn<double>("yaw");
        QTest::addColumn<double>("pitch");
        QTest::addColumn<int>("hidden");
        const double yaw = TViewAngles::DefaultYaw, pitch = TViewAngles::DefaultPitch;
        QTest::newRow("from above") << yaw << pitch << 3;
        QTest::newRow("from below") << yaw << -pitch << 3;
        // Straight from the front the side faces are seen edge on, and count as turned away.
        QTest::newRow("from the front, above") << 0.0 << pitch << 5;
    }
    void hiddenEdgesDashed() {
        QFETCH(double, yaw);
        QFETCH(double, pitch);
        QFETCH(int, hidden);
        TEntryValues values;
        values.Set(enCube_A, 2);
        const TFigureDrawing drawing = TFigureDrawing::Calculate(vaCube, values);
        TViewAngles view;
        view.Yaw = yaw;
        view.Pitch = pitch;
        const TFigureLayout layout = drawing.Layout(QRectF(QPointF(0, 0), QSizeF(Panel)), view);
        QCOMPARE(int(layout.Lines.size()), 12);
        const int hiddenLines =
            int(std::count_if(layout.Lines.begin(), layout.Lines.end(),
                              [](const TDrawnLine& ALine) { return ALine.Hidden; }));
        QCOMPARE(hiddenLines, hidden);
        // The SVG draws each hidden edge, and only those, with a dash pattern (edges
        // that meet are joined into one polyline, of as many pieces).
        const QByteArray svg = DrawingSvg(drawing, Panel, view);
        int dashed = 0, solid = 0;
        bool inDashed = false;
        for (const QByteArray& group : svg.split('<')) {
            if (group.startsWith("g "))
                inDashed = group.contains("stroke-dasharray");
            else if (group.startsWith("polyline")) {
                const QByteArray points = group.mid(group.indexOf("points=\"") + 8);
                const int pieces = int(points.left(points.indexOf('"')).count(',')) - 1;
                (inDashed ? dashed : solid) += pieces;
            }
        }
        QCOMPARE(dashed, hidden);
        QCOMPARE(solid, 12 - hidden);
    }

    // In a ring the inner wall is seen through the hole only in part: its lower rim is
    // partly hidden by the wall in front of it.
    void ringHidesPartOfItsInnerRim() {
        const SolidSamples::TSample& sample = Sample(QStringLiteral("prism, circular ring"));
        const TFigureLayout layout =
            TFigureDrawing::Calculate(sample.Variant, ValuesOf(sample.Entries))
                .Layout(QRectF(QPointF(0, 0), QSizeF(Panel)));
        int hidden = 0, visible = 0;
        for (const TDrawnLine& line : layout.Lines)
            (line.Hidden ? hidden : visible) += line.Kind == lkEdge;
        QVERIFY(hidden > 0);
        QVERIFY(visible > hidden);
    }

    // A length that would be drawn shorter than MinimumLegiblePixels is drawn that
    // long, and only then the drawing says it is not to scale.
    void notToScale_data() {
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("height");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("exaggerated");
        QTest::newRow("needle") << 0.001 << 100.0 << 312 << true;
        QTest::newRow("needle, large") << 0.001 << 100.0 << 1024 << true;
        QTest::newRow("pancake") << 100.0 << 0.001 << 312 << true;
        QTest::newRow("thin, visible") << 1.0 << 60.0 << 312 << false;
        QTest::newRow("thin, too small") << 1.0 << 60.0 << 100 << true;
        QTest::newRow("ordinary") << 3.0 << 4.0 << 312 << false;
    }
    void notToScale() {
        QFETCH(double, radius);
        QFETCH(double, height);
        QFETCH(int, size);
        QFETCH(bool, exaggerated);
        const TFigureDrawing drawing =
            TFigureDrawing::Calculate(vaCylinder, Cylinder(radius, height));
        const QSizeF target(size, size);
        QCOMPARE(drawing.NotToScale(target), exaggerated);
        TViewAngles front;
        front.Yaw = 0;
        front.Pitch = 0;
        const TFigureLayout layout = drawing.Layout(QRectF(QPointF(0, 0), target), front);
        QCOMPARE(layout.NotToScale, exaggerated);
        const double shorter = std::min(layout.FigureBounds.width(), layout.FigureBounds.height());
        QCOMPARE_GE(shorter, MinimumLegiblePixels - 1e-9);
        if (!exaggerated)
            QCOMPARE_LT(std::fabs(layout.FigureBounds.height() / layout.FigureBounds.width() -
                                  height / (2 * radius)),
                        1e-6 * height / radius);
    }

    // A regular polygon of millions of edges is drawn as a circle, its side lettered.
    void millionsOfEdges() {
        TEntryValues values;
        values.Set(enPrism_N, 2000000000);
        values.Set(enPrism_E3, 1e-6L);
        values.Set(enPrism_V, 300);
        const TFigureLayout layout = TFigureDrawing::Calculate(vaPrism_NAngle, values)
                                         .Layout(QRectF(QPointF(0, 0), QSizeF(Panel)));
        QVERIFY(!layout.Faces.empty());
        QCOMPARE(int(layout.Letters.size()), 2);
    }

    // A tank's liquid and a spherical solid's parent sphere.
    void tankAndSphere() {
        const SolidSamples::TSample& tank =
            Sample(QStringLiteral("cylindrical tank, a quarter of the height"));
        const TFigureLayout tankLayout =
            TFigureDrawing::Calculate(tank.Variant, ValuesOf(tank.Entries))
                .Layout(QRectF(QPointF(0, 0), QSizeF(Panel)));
        QVERIFY(std::any_of(tankLayout.Faces.begin(), tankLayout.Faces.end(),
                            [](const TDrawnFace& AFace) { return AFace.Body == bkLiquid; }));
        QCOMPARE(tankLayout.SphereRadius, 0.0);
        // The sector's parent sphere has radius 5 where the segment's base has radius 3.
        const SolidSamples::TSample& sector =
            Sample(QStringLiteral("spherical sector, below a hemisphere"));
        const TFigureLayout sectorLayout =
            TFigureDrawing::Calculate(sector.Variant, ValuesOf(sector.Entries))
                .Layout(QRectF(QPointF(0, 0), QSizeF(Panel)));
        QCOMPARE_LT(
            std::fabs(sectorLayout.SphereRadius / sectorLayout.FigureBounds.width() - 5.0 / 6),
            0.01);
    }

    void description_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English") << "English"
                                 << "Cone, radius of base 3, height 4, drawn to scale";
        QTest::newRow("Czech") << "Czech"
                               << "Kužel, poloměr podstavy 3, výška 4, nakresleno v měřítku";
        QTest::newRow("Slovak") << "Slovak"
                                << "Kužeľ, polomer podstavy 3, výška 4, nakreslené v mierke";
    }
    void description() {
        QFETCH(QString, language);
        QFETCH(QString, expected);
        GuiTest::TLanguageSandbox texts(language);
        TEntryValues values;
        values.Set(enCone_R, 3);
        values.Set(enCone_V, 4);
        QCOMPARE(TFigureDrawing::Calculate(vaCone, values).Description(Panel), expected);
    }

    void descriptionOfAVariant() {
        GuiTest::TLanguageSandbox texts;
        const SolidSamples::TSample& sample =
            Sample(QStringLiteral("truncated pyramid, rectangle, side b"));
        QCOMPARE(
            TFigureDrawing::Calculate(sample.Variant, ValuesOf(sample.Entries)).Description(Panel),
            QStringLiteral(
                "Truncated pyramid, rectangle, upper base side a 4, upper base side b 2, "
                "lower base side b 3, height 2, drawn to scale"));
        QCOMPARE(TFigureDrawing::Calculate(vaCylinder, Cylinder(0.001, 100)).Description(Panel),
                 QStringLiteral("Cylinder, radius of base 0.001, height 100, not to scale"));
    }

    // With a length unit the lengths are named with it; feet and inches carry their marks.
    void descriptionWithUnits_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cm") << int(luCentimetre)
                            << "Cone, radius of base 3 cm, height 4 cm, drawn to scale";
        QTest::newRow("ft-in") << int(luFeetAndInches)
                               << "Cone, radius of base 0' 3\", height 0' 4\", drawn to scale";
    }
    void descriptionWithUnits() {
        QFETCH(int, unit);
        QFETCH(QString, expected);
        GuiTest::TLanguageSandbox texts;
        TEntryValues values;
        values.Set(enCone_R, 3);
        values.Set(enCone_V, 4);
        TFigureDrawing drawing = TFigureDrawing::Calculate(vaCone, values);
        drawing.SetLengthUnit(TLengthUnit(unit));
        QCOMPARE(drawing.Description(Panel), expected);
    }

    // Entries that give no figure give no drawing, and painting it paints nothing.
    void noFigureNoDrawing() {
        TEntryValues values;
        values.Set(enTruncatedCone_R2, 2);
        values.Set(enTruncatedCone_R1, 2);
        values.Set(enTruncatedCone_V, 1);
        const TFigureDrawing drawing = TFigureDrawing::Calculate(vaTruncatedCone, values);
        QVERIFY(!drawing.Valid());
        QVERIFY(!TFigureDrawing::Calculate(vaPrism_None, TEntryValues()).Valid());
        const QImage image = DrawingImage(drawing, QSize(40, 40), 1);
        QCOMPARE(image.pixelColor(20, 20), QColor(Qt::white));
        QVERIFY(drawing.Description(Panel).isEmpty());
    }

    // The drawing is painted sharp at a high device pixel ratio: the image has the
    // pixels of the ratio and the figure fills the same share of it.
    void highDensityImage() {
        TEntryValues values;
        values.Set(enCube_A, 1);
        const TFigureDrawing drawing = TFigureDrawing::Calculate(vaCube, values);
        const QImage image = DrawingImage(drawing, Panel, 2);
        QCOMPARE(image.size(), Panel * 2);
        QCOMPARE(image.devicePixelRatio(), 2.0);
        // Black outline pixels exist, and an edge is not blurred over more than a few pixels.
        int dark = 0;
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, image.height() / 2)) < 60;
        QVERIFY(dark >= 2);
        QVERIFY(dark <= 12);
    }

    void saveWritesEveryFormat_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("opening");
        QTest::newRow("png") << "cone.png" << QByteArray("\x89PNG");
        QTest::newRow("svg") << "cone.svg" << QByteArray("<?xml");
        QTest::newRow("pdf") << "cone.pdf" << QByteArray("%PDF");
        QTest::newRow("upper case") << "CONE.PNG" << QByteArray("\x89PNG");
    }
    void saveWritesEveryFormat() {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, opening);
        GuiTest::TLanguageSandbox texts;
        QTemporaryDir folder;
        TEntryValues values;
        values.Set(enCone_R, 3);
        values.Set(enCone_V, 4);
        const TFigureDrawing drawing = TFigureDrawing::Calculate(vaCone, values);
        const QString path = folder.filePath(fileName);
        QString error;
        QVERIFY2(SaveDrawing(drawing, path, QSize(400, 300), TViewAngles(), error),
                 qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith(opening));
        if (DrawingFormatOf(path) == dfPng) {
            const QImage image = QImage::fromData(bytes);
            QCOMPARE(image.size(), QSize(800, 600));
        } else if (DrawingFormatOf(path) == dfSvg) {
            QVERIFY(bytes.contains("<svg"));
            QVERIFY(bytes.contains("viewBox=\"0 0 400 300\""));
            QVERIFY(bytes.contains("Cone, radius of base 3, height 4, drawn to scale"));
        } else {
            QVERIFY(bytes.contains("/MediaBox [0 0 300.000000 225.000000]"));
        }
        // Nothing is left beside the file.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // A name without a known extension, or a place that cannot be written, is
    // refused with a message that names the file, and leaves no file behind; a file
    // already there is kept.
    void saveRefuses_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown extension") << "cone.jpg"
                                           << "is none of them";
        QTest::newRow("no extension") << "cone"
                                      << "is none of them";
        QTest::newRow("missing folder") << "missing/cone.png"
                                        << "could not be saved";
        QTest::newRow("a folder") << "taken.svg"
                                  << "could not be saved";
    }
    void saveRefuses() {
        QFETCH(QString, fileName);
        QFETCH(QString, message);
        GuiTest::TLanguageSandbox texts;
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken.svg")));
        TEntryValues values;
        values.Set(enCube_A, 1);
        QString error;
        const QString path = folder.filePath(fileName);
        QVERIFY(!SaveDrawing(TFigureDrawing::Calculate(vaCube, values), path, Panel, TViewAngles(),
                             error));
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY(error.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("taken.svg"))).isDir());
    }
};

QTEST_MAIN(TestFigureDrawing)
#include "tst_FigureDrawing.moc"
