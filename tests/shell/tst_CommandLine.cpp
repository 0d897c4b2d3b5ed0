// The command-line calculator, run as the user runs it: the built executable in a
// process without a display, with its own home and settings folder. Its output is
// compared with the calculation of the same figure from the entries' values.
#include "CommandLine.h"
#include "GuiTestFixture.h"
#include "LanguageSupport.h"
#include "MathFunctions.h"
#include "PdfReading.h"
#include "SeparatorGuard.h"
#include "SolidFigures.h"
#include "SolidHandlers.h"
#include "SolveItems.h"
#include "Version.h"

#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

#include <QDirIterator>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

#include <cmath>

namespace {

struct TRun {
    int ExitCode = -1;
    QString Out;
    QString Err;
};

TEntry EntryNamed(const QString& AName) {
    for (int e = 0; e < EntryCount; ++e)
        if (QLatin1String(EntryDesc(TEntry(e)).Name) == AName)
            return TEntry(e);
    return enNone;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void matchesTheCalculation_data();
    void matchesTheCalculation();
    void plainLinesInTheLanguage_data();
    void plainLinesInTheLanguage();
    void numberText_data();
    void numberText();
    void errors_data();
    void errors();
    void units_data();
    void units();
    void unknownMaterialNamesTheKnownOnes();
    void listNamesEveryVariantAndEntry();
    void listAsJson();
    void helpExplains_data();
    void helpExplains();
    void version_data();
    void version();
    void qtOptionsAreTheWindows_data();
    void qtOptionsAreTheWindows();
    void manualNamesTheOptionsOfTheHelp();
    void leavesTheSettingsAlone();
    void regionalSettings_data();
    void regionalSettings();
    void namesAreUniqueInEveryVariant();
    void solvesForWhatIsNotGiven_data();
    void solvesForWhatIsNotGiven();
    void drawingFollowsTheDimensions();
    void drawingFormats_data();
    void drawingFormats();
    void dipChart();
    void fileErrorsLeaveNothing_data();
    void fileErrorsLeaveNothing();

private:
    // Runs the executable with AArguments; ASettings go into the settings file first.
    TRun Run(const QStringList& AArguments, const QString& ASettings = QString(),
             const QString& ALocale = QStringLiteral("C.UTF-8"));

    QTemporaryDir FHome;
};

void TestCommandLine::initTestCase() {
    QVERIFY(FHome.isValid());
    QVERIFY(QFileInfo::exists(QStringLiteral(KAVORIN_EXECUTABLE)));
}

TRun TestCommandLine::Run(const QStringList& AArguments, const QString& ASettings,
                          const QString& ALocale) {
    const QString config = FHome.filePath(QStringLiteral(".config"));
    QDir(config).removeRecursively();
    QDir().mkpath(config + QStringLiteral("/Ternwick"));
    if (!ASettings.isEmpty()) {
        QFile file(config + QStringLiteral("/Ternwick/Kavorin.conf"));
        if (file.open(QIODevice::WriteOnly))
            file.write(ASettings.toUtf8());
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No display of any kind: the calculator must not need one. The language comes from
    // the settings or the locale alone.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("HOME"), FHome.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QStringLiteral("LC_ALL"), ALocale);
    QProcess process;
    process.setProcessEnvironment(environment);
    // Files named without a folder land in the test's home.
    process.setWorkingDirectory(FHome.path());
    process.start(QStringLiteral(KAVORIN_EXECUTABLE), AArguments);
    TRun run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = QString::fromUtf8(process.readAllStandardOutput());
    run.Err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// --- Every page and variant against the calculation -------------------------------------

void TestCommandLine::matchesTheCalculation_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("variant");
    // The entries as "Cone_R=3": the entry's control name and its value.
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<double>("volume");
    QTest::addColumn<QString>("variantWord");
    QTest::addColumn<QString>("variantName");
    const Extended Pi = std::acos(-1.0L);
    const struct {
        const char* Name;
        QStringList Arguments;
        TVariant Variant;
        QStringList Values;
        Extended Volume;            // from the solid's closed form
        const char* CommandVariant; // the variant's name in JSON, empty without variants
        const char* VariantName;    // the variant as its control shows it
    } cases[] = {
        {"cube", {"cube", "a=3"}, vaCube, {"Cube_A=3"}, 27.0L, "", ""},
        {"block",
         {"block", "a=2", "b=3.5", "c=4"},
         vaBlock,
         {"Block_A=2", "Block_B=3.5", "Block_C=4"},
         28.0L,
         "",
         ""},
        {"sphere diameter",
         {"sphere", "r=*10"},
         vaSphere,
         {"Sphere_R=5"},
         4.0L / 3 * Pi * 125,
         "",
         ""},
        {"cone", {"cone", "r=3", "v=4"}, vaCone, {"Cone_R=3", "Cone_V=4"}, 12 * Pi, "", ""},
        {"cylinder",
         {"cylinder", "v=2", "r=1.5"},
         vaCylinder,
         {"Cylinder_R=1.5", "Cylinder_V=2"},
         4.5L * Pi,
         "",
         ""},
        {"pyramid tetrahedron",
         {"pyramid", "tetrahedron", "a=2"},
         vaPyramid_Tetrahedron,
         {"Pyramid_A=2"},
         8 / (6 * std::sqrt(2.0L)),
         "tetrahedron",
         "Tetrahedron"},
        {"pyramid square",
         {"pyramid", "square", "a=2", "v=3"},
         vaPyramid_Square,
         {"Pyramid_N=4", "Pyramid_A=2", "Pyramid_V=3"},
         4.0L,
         "square",
         "Base: square"},
        {"pyramid rectangle",
         {"pyramid", "rectangle", "a=2", "b=3", "v=4"},
         vaPyramid_Rectangle,
         {"Pyramid_A=2", "Pyramid_B=3", "Pyramid_V=4"},
         8.0L,
         "rectangle",
         "Base: rectangle"},
        {"pyramid triangle",
         {"pyramid", "triangle", "a=2", "v=3"},
         vaPyramid_EquilateralTriangle,
         {"Pyramid_N=3", "Pyramid_A=2", "Pyramid_V=3"},
         std::sqrt(3.0L),
         "triangle",
         "Base: equilateral triangle"},
        {"pyramid ngon",
         {"pyramid", "ngon", "n=7", "a=2", "v=3"},
         vaPyramid_NAngle,
         {"Pyramid_N=7", "Pyramid_A=2", "Pyramid_V=3"},
         7 / std::tan(Pi / 7),
         "ngon",
         "Base: regular n-gon"},
        {"prism triangle",
         {"prism", "triangle", "a=3", "b=4", "c=5", "v=6"},
         vaPrism_Triangle,
         {"Prism_E1=3", "Prism_E2=4", "Prism_E3=5", "Prism_V=6"},
         36.0L,
         "triangle",
         "Base: triangle"},
        {"prism ngon",
         {"prism", "ngon", "n=6", "a=2", "v=3"},
         vaPrism_NAngle,
         {"Prism_N=6", "Prism_E3=2", "Prism_V=3"},
         18 * std::sqrt(3.0L),
         "ngon",
         "Base: regular n-gon"},
        {"prism ring",
         {"prism", "ring", "r1=3", "r2=2", "v=5"},
         vaPrism_CircularRing,
         {"Prism_E2=3", "Prism_E3=2", "Prism_V=5"},
         25 * Pi,
         "ring",
         "Base: circular ring"},
        {"truncated cone",
         {"truncated-cone", "r2=1", "r1=2", "v=3"},
         vaTruncatedCone,
         {"TruncatedCone_R2=1", "TruncatedCone_R1=2", "TruncatedCone_V=3"},
         7 * Pi,
         "",
         ""},
        {"truncated pyramid square",
         {"truncated-pyramid", "square", "a2=1", "a1=2", "v=3"},
         vaTruncatedPyramid_Square,
         {"TruncatedPyramid_N=4", "TruncatedPyramid_E2=1", "TruncatedPyramid_E3=2",
          "TruncatedPyramid_V=3"},
         7.0L,
         "square",
         "Base: square"},
        {"truncated pyramid rectangle a1",
         {"truncated-pyramid", "rectangle", "a2=1", "b2=2", "a1=3", "v=4"},
         vaTruncatedPyramid_Rectangle,
         {"TruncatedPyramid_E1=1", "TruncatedPyramid_E2=2", "TruncatedPyramid_Side=0",
          "TruncatedPyramid_E3=3", "TruncatedPyramid_V=4"},
         4.0L / 3 * 26,
         "rectangle",
         "Base: rectangle"},
        {"truncated pyramid rectangle b1",
         {"truncated-pyramid", "rectangle", "a2=1", "b2=2", "b1=5", "v=4"},
         vaTruncatedPyramid_Rectangle,
         {"TruncatedPyramid_E1=1", "TruncatedPyramid_E2=2", "TruncatedPyramid_Side=1",
          "TruncatedPyramid_E3=5", "TruncatedPyramid_V=4"},
         26.0L,
         "rectangle",
         "Base: rectangle"},
        {"truncated pyramid triangle",
         {"truncated-pyramid", "triangle", "a2=1", "a1=2", "v=3"},
         vaTruncatedPyramid_EquilateralTriangle,
         {"TruncatedPyramid_N=3", "TruncatedPyramid_E2=1", "TruncatedPyramid_E3=2",
          "TruncatedPyramid_V=3"},
         1.75L * std::sqrt(3.0L),
         "triangle",
         "Base: equilateral triangle"},
        {"truncated pyramid ngon",
         {"truncated-pyramid", "ngon", "n=5", "a2=1", "a1=2", "v=3"},
         vaTruncatedPyramid_NAngle,
         {"TruncatedPyramid_N=5", "TruncatedPyramid_E2=1", "TruncatedPyramid_E3=2",
          "TruncatedPyramid_V=3"},
         7 * 5 / (4 * std::tan(Pi / 5)),
         "ngon",
         "Base: regular n-gon"},
        {"tank",
         {"tank", "r=1", "h=0.5", "d=6"},
         vaCylindricalTank,
         {"CylindricalTank_R=1", "CylindricalTank_H=0.5", "CylindricalTank_D=6"},
         6 * (Pi / 3 - 0.5L * std::sqrt(0.75L)),
         "",
         ""},
        {"spherical segment by default",
         {"spherical-segment", "rho=3", "v=1"},
         vaSphericalSegment_RadiusOfSegment,
         {"SphericalSegment_R=3", "SphericalSegment_V=1"},
         28 * Pi / 6,
         "segment",
         "Radius of segment"},
        {"spherical segment of segment",
         {"spherical-segment", "segment", "rho=3", "v=1"},
         vaSphericalSegment_RadiusOfSegment,
         {"SphericalSegment_R=3", "SphericalSegment_V=1"},
         28 * Pi / 6,
         "segment",
         "Radius of segment"},
        {"spherical segment of sphere",
         {"spherical-segment", "sphere", "r=3", "v=1"},
         vaSphericalSegment_RadiusOfSphere,
         {"SphericalSegment_R=3", "SphericalSegment_V=1"},
         8 * Pi / 3,
         "sphere",
         "Radius of sphere"},
        {"spherical sector",
         {"spherical-sector", "rho=3", "v=1"},
         vaSphericalSector,
         {"SphericalSector_Ro=3", "SphericalSector_V=1"},
         50 * Pi / 3,
         "",
         ""},
        {"spherical frustum",
         {"spherical-frustum", "rho2=2", "rho1=3", "v=1"},
         vaSphericalFrustum,
         {"SphericalFrustum_Ro2=2", "SphericalFrustum_Ro1=3", "SphericalFrustum_V=1"},
         40 * Pi / 6,
         "",
         ""},
    };
    for (const auto& c : cases)
        QTest::newRow(c.Name) << c.Arguments << int(c.Variant) << c.Values << double(c.Volume)
                              << QString::fromLatin1(c.CommandVariant)
                              << QString::fromLatin1(c.VariantName);
}

// The JSON output holds, for every variant of every page, the volume, the area and
// every supplementary value of the figure that the same values give, to the last
// digit a double keeps, and each value's text at the asked precision.
void TestCommandLine::matchesTheCalculation() {
    QFETCH(QStringList, arguments);
    QFETCH(int, variant);
    QFETCH(QStringList, values);
    QFETCH(double, volume);
    QFETCH(QString, variantWord);
    QFETCH(QString, variantName);

    TEntryValues entries;
    for (const QString& value : values) {
        const TEntry entry = EntryNamed(value.section(QLatin1Char('='), 0, 0));
        QVERIFY2(entry != enNone, qPrintable(value));
        entries.Set(entry, value.section(QLatin1Char('='), 1).toDouble());
    }
    const TSolidResult expected = CalculateSolid(TVariant(variant), entries);
    QVERIFY(expected.Figure);

    const TRun run =
        Run(QStringList{QStringLiteral("--calc")} + arguments +
            QStringList{QStringLiteral("--json"), QStringLiteral("--precision"),
                        QStringLiteral("6"), QStringLiteral("--density"), QStringLiteral("2.5")});
    QVERIFY2(run.ExitCode == 0, qPrintable(run.Err));
    QVERIFY(run.Err.isEmpty());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.Out.toUtf8(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QJsonObject root = document.object();
    QCOMPARE(root.value(QStringLiteral("solid")).toString(), arguments.first());
    QCOMPARE(root.value(QStringLiteral("variant")).toString(), variantWord);
    QCOMPARE(root.value(QStringLiteral("variantName")).toString(), variantName);
    QCOMPARE(root.value(QStringLiteral("precision")).toInt(), 6);

    std::vector<std::pair<QString, Extended>> wanted = {
        {QStringLiteral("volume"), expected.Figure->Volume()},
        {QStringLiteral("area"), expected.Figure->Area()}};
    for (const TSupplementaryValue& value : expected.SupplementaryValues)
        wanted.push_back({QString::fromStdString(QuantityId(value.Row)), value.Value});
    wanted.push_back({QStringLiteral("mass"), expected.Figure->Mass(2.5L)});

    // The solid's own closed form, apart from any code of the program.
    QVERIFY2(std::fabs(double(expected.Figure->Volume()) - volume) <= 1e-14 * volume,
             qPrintable(QString::number(double(expected.Figure->Volume()), 'g', 17)));

    // Every dimension given, by its name, with its text and value.
    const QJsonObject dimensions = root.value(QStringLiteral("dimensions")).toObject();
    for (const TCommandLineEntry& entry : CommandLineEntries(TVariant(variant))) {
        if (entry.Choice != enNone && !arguments.join(QLatin1Char(' ')).contains(entry.Name + '='))
            continue;
        const QJsonObject dimension = dimensions.value(entry.Name).toObject();
        QVERIFY2(!dimension.isEmpty(), qPrintable(entry.Name));
        QCOMPARE(dimension.value(QStringLiteral("value")).toDouble(), double(entries[entry.Entry]));
    }

    const QJsonArray quantities = root.value(QStringLiteral("quantities")).toArray();
    QCOMPARE(quantities.size(), qsizetype(wanted.size()));
    const TSeparatorGuard separator('.');
    for (qsizetype i = 0; i < quantities.size(); ++i) {
        const QJsonObject quantity = quantities.at(i).toObject();
        const QString id = quantity.value(QStringLiteral("id")).toString();
        if (!wanted[std::size_t(i)].first.isEmpty())
            QCOMPARE(id, wanted[std::size_t(i)].first);
        const Extended value = wanted[std::size_t(i)].second;
        const double shown = quantity.value(QStringLiteral("value")).toDouble();
        QVERIFY2(std::fabs(shown - double(value)) <= 1e-15 * std::fabs(double(value)),
                 qPrintable(id));
        QCOMPARE(quantity.value(QStringLiteral("text")).toString(),
                 QString::fromStdString(RoundToStr(6, true, value)));
        // Beside the number its value to 21 significant digits ("d.ddd...eX").
        const QString exact = quantity.value(QStringLiteral("exact")).toString();
        const int digits = int(exact.indexOf(QLatin1Char('e'))) - (exact.startsWith('-') ? 2 : 1);
        QVERIFY2(digits == 21 &&
                     std::fabs(exact.toDouble() - shown) <= 1e-15 * std::fabs(shown),
                 qPrintable(id + QStringLiteral(": ") + exact));
    }
}

// --- Plain lines, languages, number text ----------------------------------------------------

void TestCommandLine::plainLinesInTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English") << "English"
                             << "Volume (V): 37.70\nSurface area (S): 75.40\nSlant height: 5.00\n"
                                "Area of base: 28.27\nArea of lateral surface: 47.12\n";
    QTest::newRow("Czech") << "Czech"
                           << "Objem (V): 37.70\nPovrch (S): 75.40\nDélka strany: 5.00\n"
                              "Obsah podstavy: 28.27\nObsah pláště: 47.12\n";
}

void TestCommandLine::plainLinesInTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, expected);
    const TRun run = Run({QStringLiteral("--calc"), QStringLiteral("cone"), QStringLiteral("r=3"),
                          QStringLiteral("v=4")},
                         QStringLiteral("[Settings]\nLanguage=") + language + QLatin1Char('\n'));
    QCOMPARE(run.ExitCode, 0);
    // The names are the supplementary data window's, in the stored language.
    GuiTest::TLanguageSandbox languages(language);
    QStringList lines = expected.split(QLatin1Char('\n'));
    lines[2] =
        LanguageText(QStringLiteral("TFormSupplementaryData"), QStringLiteral("sSlantHeight")) +
        QStringLiteral(": 5.00");
    lines[3] =
        LanguageText(QStringLiteral("TFormSupplementaryData"), QStringLiteral("sAreaOfBase")) +
        QStringLiteral(": 28.27");
    lines[4] = LanguageText(QStringLiteral("TFormSupplementaryData"),
                            QStringLiteral("sAreaOfLateralSurface")) +
               QStringLiteral(": 47.12");
    QCOMPARE(run.Out, lines.join(QLatin1Char('\n')));
    if (language == QLatin1String("English"))
        QCOMPARE(run.Out, expected);
}

void TestCommandLine::numberText_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("line");
    // Options over the stored settings, stored settings over the defaults.
    QTest::newRow("stored precision") << QStringList{"cube", "a=3"} << "[Settings]\nPrecision=4\n"
                                      << "Volume (V): 27.0000";
    QTest::newRow("option over stored precision")
        << QStringList{"cube", "a=3", "--precision", "0"} << "[Settings]\nPrecision=4\n"
        << "Volume (V): 27";
    QTest::newRow("semilog option") << QStringList{"cube", "a=3", "--semilog"} << ""
                                    << "Volume (V): 2.70 x10";
    QTest::newRow("stored semilog") << QStringList{"cube", "a=10"} << "[Settings]\nForm=1\n"
                                    << "Volume (V): 1.00 x10^3";
    QTest::newRow("basic over stored semilog")
        << QStringList{"cube", "a=10", "--basic"} << "[Settings]\nForm=1\n"
        << "Volume (V): 1000.00";
    QTest::newRow("huge value is scientific") << QStringList{"cube", "a=1E10"} << ""
                                              << "Volume (V): 1.00 x10^30";
    QTest::newRow("small value") << QStringList{"cube", "a=0.01"} << ""
                                 << "Volume (V): 1.00 x10^-6";
    QTest::newRow("preset density gives the mass")
        << QStringList{"cube", "a=2"} << "[Settings]\nUsePresetDensity=1\nPresetDensity=7850\n"
        << "Mass at preset density (7850): 62800.00";
    QTest::newRow("preset density zero")
        << QStringList{"cube", "a=2"} << "[Settings]\nUsePresetDensity=1\nPresetDensity=0\n"
        << "Mass at preset density (0): invalid density";
    QTest::newRow("preset density negative")
        << QStringList{"cube", "a=2"} << "[Settings]\nUsePresetDensity=1\nPresetDensity=-7850\n"
        << "Mass at preset density (-7850): invalid density";
    QTest::newRow("density option over preset")
        << QStringList{"cube", "a=2", "--density", "0.5"}
        << "[Settings]\nUsePresetDensity=1\nPresetDensity=7850\n"
        << "Mass at preset density (0.5): 4.00";
}

void TestCommandLine::numberText() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, settings);
    QFETCH(QString, line);
    const TRun run = Run(QStringList{QStringLiteral("--calc")} + arguments, settings);
    QVERIFY2(run.ExitCode == 0, qPrintable(run.Err));
    QVERIFY2(run.Out.split(QLatin1Char('\n')).contains(line), qPrintable(run.Out));
}

// --- Errors ---------------------------------------------------------------------------------

void TestCommandLine::errors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    const QString en = QStringLiteral("English");
    QTest::newRow("unknown solid")
        << QStringList{"--calc", "dodecahedron", "a=1"} << en
        << "Kavorin: Unknown solid: dodecahedron (Kavorin --list names every solid)";
    QTest::newRow("misspelt solid")
        << QStringList{"--calc", "tnak", "r=1"} << en
        << "Kavorin: Unknown solid: tnak (did you mean tank? Kavorin --list names every solid)";
    QTest::newRow("misspelt solid in capitals")
        << QStringList{"--calc", "Spherical-Segmnt", "r=1"} << en
        << "Kavorin: Unknown solid: Spherical-Segmnt (did you mean spherical-segment? Kavorin "
           "--list names every solid)";
    QTest::newRow("no solid") << QStringList{"--calc"} << en
                              << "Kavorin: No solid is named after --calc";
    QTest::newRow("variant needed")
        << QStringList{"--calc", "prism", "a=1"} << en
        << "Kavorin: The solid needs one of its variants: triangle, ngon, ring";
    QTest::newRow("unknown variant")
        << QStringList{"--calc", "pyramid", "hexagon", "a=1"} << en
        << "Kavorin: Unknown variant of the solid: hexagon (tetrahedron, square, rectangle, "
           "triangle, ngon)";
    QTest::newRow("variant of a solid without") << QStringList{"--calc", "cone", "big", "r=1"} << en
                                                << "Kavorin: Expected an entry as NAME=VALUE: big";
    QTest::newRow("entry without a name") << QStringList{"--calc", "cube", "=2"} << en
                                          << "Kavorin: Expected an entry as NAME=VALUE: =2";
    QTest::newRow("missing entry")
        << QStringList{"--calc", "cone", "r=3"} << en << "Kavorin: Missing entry: v";
    QTest::newRow("missing chosen side")
        << QStringList{"--calc", "truncated-pyramid", "rectangle", "a2=1", "b2=2", "v=3"} << en
        << "Kavorin: Missing entry: a1 | b1";
    QTest::newRow("unknown entry")
        << QStringList{"--calc", "cone", "r=3", "v=4", "h=1"} << en << "Kavorin: Unknown entry: h";
    QTest::newRow("long unknown solid")
        << QStringList{"--calc", QString(100000, QLatin1Char('x')), "a=1"} << en
        << "Kavorin: Unknown solid: " + QString(100000, QLatin1Char('x')) +
               " (Kavorin --list names every solid)";
    QTest::newRow("entry of another variant")
        << QStringList{"--calc", "spherical-segment", "r=1", "v=1"} << en
        << "Kavorin: Unknown entry: r (an entry of the variant sphere)";
    QTest::newRow("fixed count is no entry")
        << QStringList{"--calc", "pyramid", "square", "n=4", "a=1", "v=1"} << en
        << "Kavorin: Unknown entry: n (an entry of the variant ngon)";
    QTest::newRow("entry twice") << QStringList{"--calc", "cone", "r=3", "v=4", "v=5"} << en
                                 << "Kavorin: Entry given more than once: v";
    QTest::newRow("both sides") << QStringList{"--calc",    "truncated-pyramid",
                                               "rectangle", "a2=1",
                                               "b2=2",      "a1=3",
                                               "b1=4",      "v=3"}
                                << en << "Kavorin: Give only one of the entries: a1, b1";
    QTest::newRow("not a number") << QStringList{"--calc", "cone", "r=three", "v=4"} << en
                                  << "Kavorin: Not a number: r=three";
    QTest::newRow("comma in a C locale")
        << QStringList{"--calc", "cone", "r=3,5", "v=4"} << en << "Kavorin: Not a number: r=3,5";
    QTest::newRow("diameter of no radius")
        << QStringList{"--calc", "cone", "r=3", "v=*4"} << en << "Kavorin: Not a number: v=*4";
    QTest::newRow("negative") << QStringList{"--calc", "cone", "r=3", "v=-4"} << en
                              << "Kavorin: Not a number above zero: v=-4";
    QTest::newRow("negative radius") << QStringList{"--calc", "cone", "r=-1.2", "v=1"} << en
                                     << "Kavorin: Not a number above zero: r=-1.2";
    QTest::newRow("negative diameter") << QStringList{"--calc", "cone", "r=*-2", "v=1"} << en
                                       << "Kavorin: Not a number above zero: r=*-2";
    QTest::newRow("zero") << QStringList{"--calc", "cone", "r=0", "v=4"} << en
                          << "Kavorin: Not a number above zero: r=0";
    QTest::newRow("empty") << QStringList{"--calc", "cone", "r=", "v=4"} << en
                           << "Kavorin: Not a number above zero: r=";
    QTest::newRow("count not whole")
        << QStringList{"--calc", "prism", "ngon", "n=4.5", "a=1", "v=1"} << en
        << "Kavorin: Not a whole number: n=4.5";
    QTest::newRow("too few sides") << QStringList{"--calc", "prism", "ngon", "n=2", "a=1", "v=1"}
                                   << en << "Kavorin: The figure is not valid: n > 2 (n=2)";
    QTest::newRow("triangle inequality")
        << QStringList{"--calc", "prism", "triangle", "a=1", "b=1", "c=5", "v=1"} << en
        << "Kavorin: The figure is not valid: a + b > c ...";
    QTest::newRow("ring radii") << QStringList{"--calc", "prism", "ring", "r1=1", "r2=2", "v=1"}
                                << en << "Kavorin: The figure is not valid: r1 > r2";
    QTest::newRow("equal radii") << QStringList{"--calc", "truncated-cone", "r2=2", "r1=2", "v=1"}
                                 << en << "Kavorin: The figure is not valid: r1 <> r2";
    QTest::newRow("equal sides a")
        << QStringList{"--calc", "truncated-pyramid", "square", "a2=2", "a1=2", "v=1"} << en
        << "Kavorin: The figure is not valid: a1 <> a2";
    QTest::newRow("tank overfull") << QStringList{"--calc", "tank", "r=1", "h=3", "d=1"} << en
                                   << "Kavorin: The figure is not valid: h < 2r";
    QTest::newRow("segment too high")
        << QStringList{"--calc", "spherical-segment", "sphere", "r=1", "v=3"} << en
        << "Kavorin: The figure is not valid: v < 2r";
    QTest::newRow("precision too large")
        << QStringList{"--calc", "cone", "r=3", "v=4", "--precision", "15"} << en
        << "Kavorin: The precision is a whole number from 0 to 14: 15";
    QTest::newRow("precision missing")
        << QStringList{"--calc", "cone", "r=3", "v=4", "--precision"} << en
        << "Kavorin: The precision is a whole number from 0 to 14";
    QTest::newRow("density zero") << QStringList{"--calc", "cube", "a=1", "--density", "0"} << en
                                  << "Kavorin: The density is not a number above zero: 0";
    QTest::newRow("unknown length unit")
        << QStringList{"--calc", "cube", "a=3parsec"} << en
        << "Kavorin: Unknown unit: a=3parsec (mm, cm, dm, m, km, in, ft, yd)";
    QTest::newRow("unknown unit option")
        << QStringList{"--calc", "cube", "a=3", "--unit", "furlong"} << en
        << "Kavorin: Unknown unit: furlong (none, mm, cm, dm, m, km, in, ft, yd, ftin)";
    QTest::newRow("unknown volume unit")
        << QStringList{"--calc", "cube", "a=3cm", "--volume-unit", "cm2"} << en
        << "Kavorin: Unknown unit: cm2 (none, mm3, cm3, ml, dm3, l, hl, m3, in3, ft3, yd3, gal, "
           "impgal, bbl)";
    QTest::newRow("unknown mass unit")
        << QStringList{"--calc", "cube", "a=3cm", "--mass-unit", "stone"} << en
        << "Kavorin: Unknown unit: stone (g, kg, t, oz, lb)";
    QTest::newRow("a length without a unit among lengths with one")
        << QStringList{"--calc", "cylinder", "r=3cm", "v=4"} << en
        << "Kavorin: A length has no unit while others have one (give it one, or choose one "
           "with --unit): v=4";
    QTest::newRow("a quantity with a unit among bare lengths")
        << QStringList{"--calc", "cylinder", "r=3", "volume=0.5l"} << en
        << "Kavorin: A length has no unit while others have one (give it one, or choose one "
           "with --unit): volume=0.5l";
    QTest::newRow("a volume in a unit of mass")
        << QStringList{"--calc", "cylinder", "r=3cm", "volume=5kg"} << en
        << "Kavorin: Unknown unit: volume=5kg (mm3, cm3, ml, dm3, l, hl, m3, in3, ft3, yd3, gal, "
           "impgal, bbl)";
    QTest::newRow("negative length with a unit") << QStringList{"--calc", "cube", "a=-3cm"} << en
                                                 << "Kavorin: Not a number above zero: a=-3cm";
    QTest::newRow("zero length with a unit") << QStringList{"--calc", "cube", "a=0in"} << en
                                             << "Kavorin: Not a number above zero: a=0in";
    QTest::newRow("material without a length unit")
        << QStringList{"--calc", "cube", "a=1", "--material", "steel"} << en
        << "Kavorin: The mass of a material needs lengths with a unit (10cm, or --unit cm): "
           "steel";
    QTest::newRow("Czech unknown unit")
        << QStringList{"--calc", "cube", "a=1", "--mass-unit", "cent"} << QStringLiteral("Czech")
        << "Kavorin: Neznámá jednotka: cent (g, kg, t, oz, lb)";
    QTest::newRow("unknown option")
        << QStringList{"--calc", "cube", "a=1", "--fast"} << en
        << "Kavorin: Unknown option: --fast (Kavorin --help lists the options)";
    // Without --calc as well: no window opens, and none is needed.
    QTest::newRow("unknown option alone")
        << QStringList{"--foo"} << en
        << "Kavorin: Unknown option: --foo (Kavorin --help lists the options)";
    QTest::newRow("word alone")
        << QStringList{"cube"} << en
        << "Kavorin: Unknown option: cube (Kavorin --help lists the options)";
    QTest::newRow("Czech unknown option")
        << QStringList{"-x"} << QStringLiteral("Czech")
        << "Kavorin: Neznámý přepínač: -x (přepínače vypíše Kavorin --help)";
    // A quantity where an entry stands: the sentences of the solving window.
    QTest::newRow("not enough")
        << QStringList{"--calc", "cone", "volume=2"} << en
        << "Kavorin: Give 1 more value(s), for example: Radius of base (r), Height (v), "
           "Surface area (S), Slant height, ….";
    // The least area of a cone of volume V is (72 pi V^2)^(1/3): 9.6716... for V = 2, and
    // the bound is shown rounded up, so that the number shown has a cone.
    QTest::newRow("no cone has the area")
        << QStringList{"--calc", "cone", "volume=2", "area=9"} << en
        << "Kavorin: Surface area (S) must be at least 9.68 when Volume (V) = 2.";
    // A cylinder of volume V has at least the area 3 (2 pi V^2)^(1/3): 553.5810... for 1000.
    QTest::newRow("no cylinder has the area")
        << QStringList{"--calc", "cylinder", "volume=1000", "area=10"} << en
        << "Kavorin: Surface area (S) must be at least 553.59 when Volume (V) = 1000.";
    // With units the bound and the given values are in them: a cylinder of 1 L
    // (1000 cm^3) has at least 553.58... cm^2, shown in m^2 as chosen (0.055358... m^2).
    QTest::newRow("bound in the chosen units")
        << QStringList{"--calc", "cylinder", "volume=1l", "area=1cm2", "--unit", "cm",
                       "--volume-unit", "l", "--area-unit", "m2", "--precision", "4"}
        << en << "Kavorin: Surface area (S) must be at least 0.0554 m² when Volume (V) = 1 L.";
    // No length makes a tank whose level is above its diameter: the level's bound.
    QTest::newRow("tank level above the diameter")
        << QStringList{"--calc", "tank", "r=30cm", "h=70cm", "volume=500l"} << en
        << "Kavorin: Height of level (h) must be less than 60.00 cm when Radius of tank (r) = "
           "30 cm.";
    QTest::newRow("values that do not fit together")
        << QStringList{"--calc", "cylinder", "r=1", "v=1", "volume=5"} << en
        << "Kavorin: These do not fit together: Radius of base (r), Height (v), Volume (V).";
    QTest::newRow("unknown quantity") << QStringList{"--calc", "cone", "volume=2", "bogus=1"} << en
                                      << "Kavorin: Unknown entry: bogus";
    QTest::newRow("quantity not a number") << QStringList{"--calc", "cone", "volume=x", "r=1"} << en
                                           << "Kavorin: Not a number: volume=x";
    QTest::newRow("mass without a density")
        << QStringList{"--calc", "cone", "mass=3", "r=1"} << en
        << "Kavorin: The mass needs a density: set one in the mass dialog or with --density.";
    // A drawing is of one figure: of two cones the user must tell which.
    QTest::newRow("drawing of two figures")
        << QStringList{"--calc", "cone", "volume=2", "area=12.5", "--draw", "c.png"} << en
        << "Kavorin: 2 figures have these values; choose one.";
    QTest::newRow("Czech bound")
        << QStringList{"--calc", "cone", "volume=2", "area=9"} << QStringLiteral("Czech")
        << "Kavorin: Povrch (S) musí být alespoň 9.68, je-li Objem (V) = 2.";
    QTest::newRow("dip chart of a cone")
        << QStringList{"--calc", "cone", "r=1", "v=1", "--dip-chart", "0.1"} << en
        << "Kavorin: A dip chart is made for the cylindrical "
           "tank (tank) only: cone";
    const QStringList tank{"--calc", "tank", "r=1", "h=0.5", "d=4"};
    QTest::newRow("step zero")
        << tank + QStringList{"--dip-chart", "0"} << en
        << "Kavorin: The step of the dip chart is not a number above zero: 0";
    QTest::newRow("step missing")
        << tank + QStringList{"--dip-chart"} << en
        << "Kavorin: The step of the dip chart is not a number above zero";
    QTest::newRow("step too small")
        << tank + QStringList{"--dip-chart", "0.0001"} << en
        << "Kavorin: The step gives more than 10,000 rows. Choose a larger step.";
    QTest::newRow("PDF without dip chart") << tank + QStringList{"--pdf", "chart.pdf"} << en
                                           << "Kavorin: The option needs --dip-chart STEP: --pdf";
    QTest::newRow("table and JSON")
        << tank + QStringList{"--dip-chart", "0.1", "--json"} << en
        << "Kavorin: Without --pdf the dip chart's table is the whole output; these options "
           "cannot go together: --json, --dip-chart";
    QTest::newRow("drawing without --calc") << QStringList{"--draw", "c.png"} << en
                                            << "Kavorin: The option works only with --calc: --draw";
    QTest::newRow("drawing without file") << QStringList{"--calc", "cube", "a=1", "--draw"} << en
                                          << "Kavorin: A file name must follow the option: --draw";
    QTest::newRow("Czech drawing of an invalid figure")
        << QStringList{"--calc", "tank", "r=1", "h=3", "d=1", "--draw", "t.png"}
        << QStringLiteral("Czech") << "Kavorin: Těleso není platné: h < 2r";
    QTest::newRow("Czech unknown solid")
        << QStringList{"--calc", "koule", "r=1"} << QStringLiteral("Czech")
        << "Kavorin: Neznámé těleso: koule (všechna tělesa vypíše Kavorin --list)";
    QTest::newRow("Slovak invalid figure")
        << QStringList{"--calc", "truncated-cone", "r2=2", "r1=2", "v=1"}
        << QStringLiteral("Slovak") << "Kavorin: Teleso nie je platné: r1 <> r2";
}

// One line on standard error naming what is wrong, nothing on standard output, status 2.
void TestCommandLine::errors() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(QString, message);
    const TRun run =
        Run(arguments, QStringLiteral("[Settings]\nLanguage=") + language + QLatin1Char('\n'));
    QCOMPARE(run.ExitCode, 2);
    QCOMPARE(run.Err, message + QLatin1Char('\n'));
    QVERIFY(run.Out.isEmpty());
}

// --- Units and materials -------------------------------------------------------------------

void TestCommandLine::units_data() {
    using TReal = boost::multiprecision::cpp_bin_float_50;
    const TReal pi = boost::math::constants::pi<TReal>();
    const TReal inch = TReal("0.0254");
    const TReal foot = 12 * inch;
    const TReal pound = TReal("0.45359237");
    const auto text = [](const TReal& AValue) { return QString::fromStdString(AValue.str(50)); };
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("id");        // of the quantity
    QTest::addColumn<QString>("reference"); // its value, 50 digits
    QTest::addColumn<QString>("unit");      // the JSON unit, empty for null
    QTest::addColumn<QString>("shown");     // its text
    QTest::newRow("a 10 cm cube holds a litre")
        << QStringList{"cube", "a=10cm", "--volume-unit", "L"} << "volume" << text(TReal(1)) << "l"
        << "1.00 L";
    QTest::newRow("cylinder in inches and a foot, in cubic inches")
        << QStringList{"cylinder", "r=1in", "v=1ft", "--volume-unit", "in3"} << "volume"
        << text(12 * pi) << "in3"
        << "37.70 in³";
    // Mixed units and no --unit: calculated and shown in the smallest, the inch.
    QTest::newRow("mixed units without a unit chosen")
        << QStringList{"cylinder", "r=2.5in", "v=1ft"} << "volume" << text(75 * pi) << "in3"
        << "235.62";
    QTest::newRow("feet and inches typed, metres shown")
        << QStringList{"cylinder", "r=1m", "v=6ft3.5in", "--unit", "m", "--volume-unit", "m3"}
        << "volume" << text(pi * (6 * foot + TReal("3.5") * inch)) << "m3"
        << "6.02 m³";
    QTest::newRow("diameter in millimetres, litres")
        << QStringList{"cylinder", "r=*1200mm", "v=1m", "--volume-unit", "l"} << "volume"
        << text(360 * pi) << "l"
        << "1130.97 L";
    QTest::newRow("bare lengths in the unit of --unit")
        << QStringList{"cube", "a=2", "--unit", "cm", "--volume-unit", "ml"} << "volume"
        << text(TReal(8)) << "ml"
        << "8.00 mL";
    QTest::newRow("area unit") << QStringList{"cube", "a=1m", "--area-unit", "cm2"} << "area"
                               << text(TReal(60000)) << "cm2"
                               << "60000.00 cm²";
    QTest::newRow("lengths in feet and inches")
        << QStringList{"cube", "a=1ft", "--unit", "ftin"} << "diagonal-of-solid"
        << text(12 * sqrt(TReal(3))) << "in"
        << "1' 8.78\"";
    QTest::newRow("a 1 m steel cube")
        << QStringList{"cube", "a=1m", "--material", "steel"} << "mass" << text(TReal(7850)) << "kg"
        << "7850.00 kg";
    QTest::newRow("material by its name, in pounds")
        << QStringList{"cube", "a=1ft", "--material", "Water, 20 °C", "--mass-unit", "lb"} << "mass"
        << text(TReal("998.2") * foot * foot * foot / pound) << "lb"
        << "62.32 lb";
    QTest::newRow("density in kg/m³ with a length unit")
        << QStringList{"cube", "a=10cm", "--density", "1000"} << "mass" << text(TReal(1)) << "kg"
        << "1.00 kg";
    // A tank filled to half its diameter: the contents are half the cylinder.
    QTest::newRow("mass of a tank's contents")
        << QStringList{"tank", "r=1m", "h=1m", "d=3m", "--material", "water"} << "mass"
        << text(TReal("998.2") * 3 * pi / 2) << "kg"
        << "4703.91 kg";
    QTest::newRow("bare lengths have no unit")
        << QStringList{"cube", "a=2"} << "volume" << text(TReal(8)) << QString() << "8.00";
}

// The quantity as JSON: its value (against the reference), the id of its unit and its
// text with the unit's symbol.
void TestCommandLine::units() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, id);
    QFETCH(QString, reference);
    QFETCH(QString, unit);
    QFETCH(QString, shown);
    const TRun run = Run(QStringList{QStringLiteral("--calc")} + arguments +
                         QStringList{QStringLiteral("--json")});
    QCOMPARE(run.Err, QString());
    QCOMPARE(run.ExitCode, 0);
    QJsonObject quantity;
    for (const QJsonValue& value : QJsonDocument::fromJson(run.Out.toUtf8())
                                       .object()
                                       .value(QStringLiteral("quantities"))
                                       .toArray())
        if (value.toObject().value(QStringLiteral("id")).toString() == id)
            quantity = value.toObject();
    QVERIFY2(!quantity.isEmpty(), qPrintable(run.Out));
    const double expected = reference.toDouble();
    const double actual = quantity.value(QStringLiteral("value")).toDouble();
    QVERIFY2(std::fabs(actual - expected) <= 4e-16 * std::fabs(expected),
             qPrintable(QString::number(actual, 'g', 17) + QStringLiteral(" <> ") + reference));
    if (unit.isEmpty())
        QVERIFY(quantity.value(QStringLiteral("unit")).isNull());
    else
        QCOMPARE(quantity.value(QStringLiteral("unit")).toString(), unit);
    QCOMPARE(quantity.value(QStringLiteral("text")).toString(), shown);
}

// An unknown material is one line naming the materials --material takes.
void TestCommandLine::unknownMaterialNamesTheKnownOnes() {
    const TRun run = Run({QStringLiteral("--calc"), QStringLiteral("cube"), QStringLiteral("a=1m"),
                          QStringLiteral("--material"), QStringLiteral("unobtainium")});
    QCOMPARE(run.ExitCode, 2);
    QVERIFY(run.Out.isEmpty());
    QVERIFY2(run.Err.startsWith(QStringLiteral("Kavorin: Unknown material: unobtainium (custom, "
                                               "steel, ")),
             qPrintable(run.Err));
    QVERIFY(run.Err.endsWith(QStringLiteral(", water, sea-water, diesel, petrol, heating-oil, "
                                            "ethanol, ice)\n")));
    QCOMPARE(run.Err.count(QLatin1Char('\n')), 1);
}

// --- List and help --------------------------------------------------------------------------

void TestCommandLine::listNamesEveryVariantAndEntry() {
    const TRun run = Run({QStringLiteral("--list")});
    QCOMPARE(run.ExitCode, 0);
    // The solids, then after a blank line each the units and the materials.
    const QStringList blocks = run.Out.split(QStringLiteral("\n\n"));
    QCOMPARE(blocks.size(), 3);
    const QStringList lines = blocks.at(0).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Solids at the left, their variants indented by two, the entries by four.
    QStringList names;
    for (const QString& line : lines)
        names << line.trimmed()
                     .section(QLatin1Char(' '), 0, 0)
                     .prepend(QString(line.indexOf(QRegularExpression(QStringLiteral("[^ ]"))),
                                      QLatin1Char(' ')));
    int at = 0;
    for (int p = 0; p < PageCount; ++p) {
        const TPageDesc& page = PageDesc(TPage(p));
        QCOMPARE(names.value(at++), CommandLineSolidName(TPage(p)));
        for (TVariant variant : page.Variants) {
            if (!page.Controls.empty()) {
                if (CommandLineVariantName(variant).isEmpty())
                    continue;
                QCOMPARE(names.value(at++), QStringLiteral("  ") + CommandLineVariantName(variant));
            }
            for (const TCommandLineEntry& entry : CommandLineEntries(variant))
                QCOMPARE(names.value(at++), QStringLiteral("    ") + entry.Name);
            // Then the quantities by their ids.
            for (const TSolveItem& item : SolveItems(variant))
                if (item.Kind != ikEntry && item.Kind != ikCount)
                    QCOMPARE(names.value(at++),
                             QStringLiteral("    ") + QString::fromStdString(item.Id));
        }
    }
    QCOMPARE(at, lines.size());
}

// The JSON list holds what the plain list shows, solid by solid, variant by variant
// and entry by entry, with the captions in the language, and marks each page's
// starting variant.
void TestCommandLine::listAsJson() {
    const TRun plain = Run({QStringLiteral("--list")});
    const TRun json = Run({QStringLiteral("--list"), QStringLiteral("--json")});
    QCOMPARE(json.ExitCode, 0);
    QVERIFY(json.Err.isEmpty());
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(json.Out.toUtf8(), &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    // The plain list again, from the JSON: a solid's line, a variant's line where the
    // solid has variants ("(default)" after the starting one), each entry's line.
    const auto line = [](const QString& AName, int AIndent, const QString& AText) {
        return QString(AIndent, QLatin1Char(' ')) + AName.leftJustified(30 - AIndent) +
               QLatin1Char(' ') + AText;
    };
    QStringList lines;
    int defaults = 0;
    const QJsonArray solids = root.value(QStringLiteral("solids")).toArray();
    QCOMPARE(solids.size(), qsizetype(PageCount));
    for (const QJsonValue& solidValue : solids) {
        const QJsonObject solid = solidValue.toObject();
        lines << line(solid.value(QStringLiteral("solid")).toString(), 0,
                      solid.value(QStringLiteral("name")).toString());
        for (const QJsonValue& variantValue : solid.value(QStringLiteral("variants")).toArray()) {
            const QJsonObject variant = variantValue.toObject();
            const bool isDefault = variant.value(QStringLiteral("default")).toBool();
            defaults += isDefault ? 1 : 0;
            const QString name = variant.value(QStringLiteral("variant")).toString();
            if (!name.isEmpty())
                lines << line(name, 2,
                              variant.value(QStringLiteral("variantName")).toString() +
                                  (isDefault ? QStringLiteral(" (default)") : QString()));
            for (const QJsonValue& entryValue : variant.value(QStringLiteral("entries")).toArray())
                lines << line(entryValue.toObject().value(QStringLiteral("entry")).toString(), 4,
                              entryValue.toObject().value(QStringLiteral("name")).toString());
            for (const QJsonValue& quantity : variant.value(QStringLiteral("quantities")).toArray())
                lines << line(quantity.toObject().value(QStringLiteral("id")).toString(), 4,
                              quantity.toObject().value(QStringLiteral("name")).toString());
        }
    }
    const QStringList blocks = plain.Out.split(QStringLiteral("\n\n"));
    QCOMPARE(blocks.size(), 3);
    QCOMPARE(lines, blocks.at(0).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    // The unit ids of each option and the materials' ids, as the plain list names them.
    const QJsonObject units = root.value(QStringLiteral("units")).toObject();
    for (const char* kind : {"length", "area", "volume", "mass"}) {
        QStringList ids;
        for (const QJsonValue& id : units.value(QLatin1String(kind)).toArray())
            ids << id.toString();
        QVERIFY2((blocks.at(1) + QLatin1Char('\n'))
                     .contains(QStringLiteral(": ") + ids.join(QStringLiteral(", ")) +
                               QLatin1Char('\n')),
                 kind);
    }
    QStringList materials;
    for (const QJsonValue& material : root.value(QStringLiteral("materials")).toArray())
        materials << material.toObject().value(QStringLiteral("material")).toString();
    QStringList listed = blocks.at(2).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1);
    for (QString& line : listed)
        line = line.left(23).trimmed();
    QCOMPARE(materials, listed);
    QVERIFY(materials.contains(QStringLiteral("steel")));
    // A solid without variants has its one variant, unnamed, as its default; the
    // spherical segment starts with the radius of the segment; the pyramid, the prism and
    // the truncated pyramid wait for a base to be chosen.
    QCOMPARE(defaults, PageCount - 3);
    for (const QJsonValue& variant :
         solids.at(pgPrism).toObject().value(QStringLiteral("variants")).toArray())
        QVERIFY(!variant.toObject().value(QStringLiteral("default")).toBool());
    const QJsonObject segment = solids.at(pgSphericalSegment)
                                    .toObject()
                                    .value(QStringLiteral("variants"))
                                    .toArray()
                                    .at(0)
                                    .toObject();
    QCOMPARE(segment.value(QStringLiteral("variant")).toString(), QStringLiteral("segment"));
    QVERIFY(segment.value(QStringLiteral("default")).toBool());
    const QJsonObject cube = solids.at(pgCube).toObject();
    const QJsonObject edge = cube.value(QStringLiteral("variants"))
                                 .toArray()
                                 .at(0)
                                 .toObject()
                                 .value(QStringLiteral("entries"))
                                 .toArray()
                                 .at(0)
                                 .toObject();
    QCOMPARE(edge.value(QStringLiteral("entry")).toString(), QStringLiteral("a"));
    QCOMPARE(edge.value(QStringLiteral("name")).toString(), QStringLiteral("Edge"));
    const QJsonObject square = solids.at(pgPyramid)
                                   .toObject()
                                   .value(QStringLiteral("variants"))
                                   .toArray()
                                   .at(1)
                                   .toObject();
    QCOMPARE(square.value(QStringLiteral("variant")).toString(), QStringLiteral("square"));
    QCOMPARE(square.value(QStringLiteral("variantName")).toString(),
             QStringLiteral("Base: square"));
}

void TestCommandLine::helpExplains_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("English") << "English"
                             << "Examples:";
    QTest::newRow("Czech") << "Czech"
                           << "Příklady:";
    QTest::newRow("Slovak") << "Slovak"
                            << "Príklady:";
}

void TestCommandLine::helpExplains() {
    QFETCH(QString, language);
    QFETCH(QString, phrase);
    const TRun run = Run({QStringLiteral("--help")},
                         QStringLiteral("[Settings]\nLanguage=") + language + QLatin1Char('\n'));
    QCOMPARE(run.ExitCode, 0);
    QVERIFY2(run.Out.contains(phrase), qPrintable(run.Out));
    QVERIFY(!run.Out.contains(QLatin1Char('\r')));
    for (const char* option : {"--calc", "--json", "--precision", "--semilog", "--basic",
                               "--density", "--draw", "--dip-chart", "--pdf", "--list"})
        QVERIFY2(run.Out.contains(QLatin1String(option)), option);
    // Every example in the help runs.
    for (const QString& line : run.Out.split(QLatin1Char('\n'))) {
        if (!line.trimmed().startsWith(QLatin1String("Kavorin --calc")))
            continue;
        QStringList arguments = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        arguments.removeFirst();
        // The examples write numbers in the language's form; this run's locale uses a point.
        arguments.replaceInStrings(QStringLiteral(","), QStringLiteral("."));
        const TRun example = Run(arguments);
        QVERIFY2(example.ExitCode == 0, qPrintable(line + QStringLiteral(": ") + example.Err));
    }
}

void TestCommandLine::version_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("long") << QStringList{"--version"};
    QTest::newRow("short") << QStringList{"-v"};
    QTest::newRow("with a calculation") << QStringList{"--calc", "cube", "a=1", "--version"};
}

// The version, one line, without a display and without a language file to read.
void TestCommandLine::version() {
    QFETCH(QStringList, arguments);
    const TRun run = Run(arguments, QStringLiteral("[Settings]\nLanguage=Klingon\n"));
    QCOMPARE(run.ExitCode, 0);
    QVERIFY(QRegularExpression(QStringLiteral("^Kavorin \\d+\\.\\d+\\.\\d+\\.\\d+\n$"))
                .match(run.Out)
                .hasMatch());
    QCOMPARE(run.Out, QStringLiteral("Kavorin ") + Version::Text() + QLatin1Char('\n'));
    QVERIFY(run.Err.isEmpty());
}

void TestCommandLine::qtOptionsAreTheWindows_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("commandLine");
    QTest::newRow("none") << QStringList{} << false;
    QTest::newRow("platform") << QStringList{"-platform", "offscreen"} << false;
    QTest::newRow("platform with two dashes") << QStringList{"--platform", "xcb"} << false;
    QTest::newRow("style joined") << QStringList{"-style=fusion"} << false;
    QTest::newRow("session and reverse") << QStringList{"-session", "abc", "-reverse"} << false;
    // The value of a Qt option is no argument of the command line.
    QTest::newRow("value like an option") << QStringList{"-qwindowtitle", "--calc"} << false;
    QTest::newRow("unknown option") << QStringList{"--foo"} << true;
    QTest::newRow("version") << QStringList{"-v"} << true;
    QTest::newRow("a word") << QStringList{"cube"} << true;
    QTest::newRow("list after a Qt option") << QStringList{"-reverse", "--list"} << true;
}

// Which calls open the window: only Qt's own options leave it to the window; any
// other argument is answered on the command line, where no display is needed.
void TestCommandLine::qtOptionsAreTheWindows() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, commandLine);
    std::vector<QByteArray> texts{QByteArrayLiteral("Kavorin")};
    for (const QString& argument : arguments)
        texts.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    QCOMPARE(IsCommandLineCall(int(argv.size()), argv.data()), commandLine);
    if (!commandLine || arguments.contains(QLatin1String("--foo")) ||
        arguments.contains(QLatin1String("cube")))
        return;
    // Qt's options beside a command-line call change nothing there.
    const TRun run = Run(arguments);
    QCOMPARE(run.ExitCode, 0);
    QVERIFY(run.Err.isEmpty());
}

// The manual page names the same options as --help, so that neither can fall
// behind the other; it has the exit statuses and the files.
void TestCommandLine::manualNamesTheOptionsOfTheHelp() {
    QFile file(QStringLiteral(KAVORIN_SOURCE_DIR "/resources/freedesktop/kavorin.1"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    // The manual's text without roff's escapes of the dash and of the fonts.
    const QString manual = QString::fromUtf8(file.readAll())
                               .replace(QStringLiteral("\\-"), QStringLiteral("-"))
                               .remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    const TRun help = Run({QStringLiteral("--help")});
    QCOMPARE(help.ExitCode, 0);
    const auto options = [](const QString& AText) {
        QSet<QString> names;
        const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*(?![\\w-])"));
        for (auto match = option.globalMatch(AText); match.hasNext();)
            names.insert(match.next().captured());
        return names;
    };
    const QSet<QString> inHelp = options(help.Out);
    QVERIFY2(inHelp.contains(QStringLiteral("--calc")) && inHelp.contains(QStringLiteral("-v")),
             qPrintable(QStringList(inHelp.begin(), inHelp.end()).join(QLatin1Char(' '))));
    QCOMPARE(options(manual), inHelp);
    for (const char* heading : {".SH OPTIONS", ".SH EXIT STATUS", ".SH FILES", ".SH EXAMPLES"})
        QVERIFY2(manual.contains(QLatin1String(heading)), heading);
    for (const char* status : {"\n.B 0\n", "\n.B 1\n", "\n.B 2\n"})
        QVERIFY2(manual.contains(QLatin1String(status)), status);
}

void TestCommandLine::regionalSettings_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("radius");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    // Numbers are read and written with the region's decimal separator; without a stored
    // language, the region's language is the one chosen.
    QTest::newRow("Czech comma") << "cs_CZ.UTF-8"
                                 << "r=1,5" << 0 << "Objem (V): 14,14\nPovrch (S): 32,99\n";
    QTest::newRow("Czech point") << "cs_CZ.UTF-8"
                                 << "r=1.5" << 2 << "Kavorin: Není to číslo: r=1.5\n";
    QTest::newRow("English point")
        << "en_GB.UTF-8"
        << "r=1.5" << 0 << "Volume (V): 14.14\nSurface area (S): 32.99\n";
}

void TestCommandLine::regionalSettings() {
    QFETCH(QString, locale);
    QFETCH(QString, radius);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    const TRun run =
        Run({QStringLiteral("--calc"), QStringLiteral("cylinder"), radius, QStringLiteral("v=2")},
            QString(), locale);
    QCOMPARE(run.ExitCode, exitCode);
    QVERIFY2((exitCode == 0 ? run.Out : run.Err).startsWith(output), qPrintable(run.Out + run.Err));
}

// The calculator reads the settings and writes none: no window position, no lock.
void TestCommandLine::leavesTheSettingsAlone() {
    const QString settings = QStringLiteral("[Settings]\nLanguage=English\nPrecision=3\n");
    const TRun run =
        Run({QStringLiteral("--calc"), QStringLiteral("cube"), QStringLiteral("a=1")}, settings);
    QCOMPARE(run.ExitCode, 0);
    QFile file(FHome.filePath(QStringLiteral(".config/Ternwick/Kavorin.conf")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), settings);
    QCOMPARE(QDir(FHome.filePath(QStringLiteral(".config/Ternwick"))).entryList(QDir::Files),
             QStringList{QStringLiteral("Kavorin.conf")});
}

// Within a variant no two entries share a name, and every entry the variant lets the
// user type has one.
void TestCommandLine::namesAreUniqueInEveryVariant() {
    for (int v = 0; v < VariantCount; ++v) {
        const TVariant variant = TVariant(v);
        QStringList names;
        for (const TCommandLineEntry& entry : CommandLineEntries(variant)) {
            QVERIFY2(!names.contains(entry.Name), qPrintable(entry.Name));
            QVERIFY2(
                QRegularExpression(QStringLiteral("^[a-z]+[0-9]?$")).match(entry.Name).hasMatch(),
                qPrintable(entry.Name));
            names << entry.Name;
        }
        for (const TEntryPlace& place : VariantDesc(variant).Entries) {
            if (place.FixedCount > 0 || EntryDesc(place.Entry).Kind == ekChoice)
                continue;
            bool named = false;
            for (const TCommandLineEntry& entry : CommandLineEntries(variant))
                named = named || entry.Entry == place.Entry;
            QVERIFY2(named, EntryDesc(place.Entry).Name);
        }
    }
}

// --- Drawings and dip charts ---------------------------------------------------------------

namespace {

// The box of a picture's pixels that are not white.
QRect DrawnBox(const QImage& AImage) {
    QRect box;
    for (int y = 0; y < AImage.height(); ++y)
        for (int x = 0; x < AImage.width(); ++x)
            if (QColor(AImage.pixel(x, y)).lightness() < 250)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

// A cylinder three times as tall as wide is drawn much taller for its width than one
// as tall as wide: the drawing has the figure's proportions. Seen from 22 degrees
// above, a cylinder of height h and radius 1 shows about h cos 22 + 2 sin 22 over 2.
void TestCommandLine::drawingFollowsTheDimensions() {
    double ratios[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        const QString height = i == 0 ? QStringLiteral("v=2") : QStringLiteral("v=6");
        const TRun run = Run({"--calc", "cylinder", "r=1", height, "--draw", "c.png"});
        QCOMPARE(run.ExitCode, 0);
        QVERIFY(run.Err.isEmpty());
        QVERIFY(run.Out.startsWith(QStringLiteral("Volume (V): ")));
        const QImage image(FHome.filePath(QStringLiteral("c.png")));
        QCOMPARE(image.size(), QSize(1600, 1200));
        const QRect box = DrawnBox(image);
        QVERIFY(!box.isEmpty());
        ratios[i] = double(box.height()) / box.width();
    }
    const double tilt = 22 * std::acos(-1.0) / 180;
    const double expected =
        (6 * std::cos(tilt) + 2 * std::sin(tilt)) / (2 * std::cos(tilt) + 2 * std::sin(tilt));
    // The letter beside the height widens both boxes a little.
    QVERIFY2(ratios[1] / ratios[0] > 0.8 * expected && ratios[1] / ratios[0] < 1.2 * expected,
             qPrintable(QStringLiteral("%1 / %2").arg(ratios[1]).arg(ratios[0])));
}

void TestCommandLine::drawingFormats_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("PNG") << "cone.png" << QByteArray("\x89PNG");
    QTest::newRow("SVG") << "cone.svg" << QByteArray("<?xml");
    QTest::newRow("PDF") << "cone.pdf" << QByteArray("%PDF");
    QTest::newRow("upper-case extension") << "CONE.SVG" << QByteArray("<?xml");
}

void TestCommandLine::drawingFormats() {
    QFETCH(QString, file);
    QFETCH(QByteArray, start);
    const TRun run = Run({"--calc", "cone", "r=3", "v=4", "--draw", file});
    QCOMPARE(run.ExitCode, 0);
    QVERIFY2(run.Err.isEmpty(), qPrintable(run.Err));
    QFile written(FHome.filePath(file));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.startsWith(start));
    if (start == "<?xml") {
        QVERIFY(bytes.contains("<svg"));
        // What a screen reader would say of the figure is the drawing's description.
        QVERIFY(bytes.contains("Cone, radius of base 3, height 4, drawn to scale"));
    }
    written.remove();
}

// The dip chart as a PDF whose text holds every level of the table, and as CSV on
// the standard output: the level table's rows, volume against pi r^2 d / 2 at half.
void TestCommandLine::dipChart() {
    REQUIRE_POPPLER();
    const QStringList tank{"--calc", "tank", "r=1", "h=0.5", "d=4", "--dip-chart", "0.1"};
    TRun run = Run(tank + QStringList{"--pdf", "chart.pdf"});
    QCOMPARE(run.ExitCode, 0);
    QVERIFY2(run.Err.isEmpty(), qPrintable(run.Err));
    QVERIFY(run.Out.startsWith(QStringLiteral("Volume (V): 2.46\n")));
    const QString text = PdfReading::Text(FHome.filePath(QStringLiteral("chart.pdf")));
    for (int row = 0; row <= 20; ++row)
        QVERIFY2(text.contains(QString::number(row / 10.0, 'f', 2)), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Height of level h = 0.50")));

    run = Run(tank);
    QCOMPARE(run.ExitCode, 0);
    const QStringList lines = run.Out.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 23); // the header, 21 rows and the end of the last
    QCOMPARE(lines.at(0), QStringLiteral("Level,Volume,Filling (%)"));
    QCOMPARE(lines.at(11), QStringLiteral("1.00,6.28,50.00"));
    QCOMPARE(lines.at(21), QStringLiteral("2.00,12.57,100.00"));
    QCOMPARE(lines.at(22), QString());
    // With a decimal comma the fields are separated by semicolons.
    run = Run({"--calc", "tank", "r=1", "h=0,5", "d=4", "--dip-chart", "0,5"}, QString(),
              QStringLiteral("cs_CZ.UTF-8"));
    QCOMPARE(run.ExitCode, 0);
    QVERIFY2(run.Out.contains(QStringLiteral("\n1,00;6,28;50,00\n")), qPrintable(run.Out));
    // In the units chosen, as the level table shows them: 2 pi m3 at half height,
    // a full tank of 4 pi m3 = 12566.37 L.
    const QStringList inLitres{"--calc",      "tank", "r=1m",          "h=0.5m", "d=4m",
                               "--dip-chart", "0.5",  "--volume-unit", "l"};
    run = Run(inLitres);
    QCOMPARE(run.ExitCode, 0);
    QCOMPARE(run.Out.section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("Level (m),Volume (L),Filling (%)"));
    QCOMPARE(run.Out.section(QLatin1Char('\n'), 3, 3), QStringLiteral("1.00,6283.19,50.00"));
    run = Run(inLitres + QStringList{"--pdf", "litres.pdf"});
    QCOMPARE(run.ExitCode, 0);
    const QString litres = PdfReading::Text(FHome.filePath(QStringLiteral("litres.pdf")));
    QVERIFY2(litres.contains(QStringLiteral("12566.37 L")), qPrintable(litres));
    QVERIFY2(litres.contains(QStringLiteral("r = 1.00 m")), qPrintable(litres));
}

void TestCommandLine::fileErrorsLeaveNothing_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown extension")
        << QStringList{"--draw", "kept/kept.bmp"}
        << "A drawing is saved as .png, .svg or .pdf; the file kept/kept.bmp is none of them.";
    QTest::newRow("no extension") << QStringList{"--draw", "drawing"}
                                  << "A drawing is saved as .png, .svg or .pdf; the file drawing "
                                     "is none of them.";
    QTest::newRow("folder missing") << QStringList{"--draw", "missing/c.png"}
                                    << "The drawing could not be saved to the file missing/c.png:";
    QTest::newRow("drawing onto a folder")
        << QStringList{"--draw", "kept.svg"}
        << "The drawing could not be saved to the file kept.svg:";
    QTest::newRow("PDF onto a folder") << QStringList{"--dip-chart", "0.1", "--pdf", "kept"}
                                       << "The dip chart could not be saved to the file kept:";
    QTest::newRow("PDF, folder missing")
        << QStringList{"--dip-chart", "0.1", "--pdf", "missing/chart.pdf"}
        << "The dip chart could not be saved to the file missing/chart.pdf:";
}

// A file that cannot be written: one line on standard error, status 2, nothing on
// standard output, and the folder as it was.
void TestCommandLine::fileErrorsLeaveNothing() {
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    const QDir home(FHome.path());
    QVERIFY(home.mkpath(QStringLiteral("kept")) && home.mkpath(QStringLiteral("kept.svg")));
    QFile file(home.filePath(QStringLiteral("kept/kept.bmp")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("kept");
    file.close();
    const auto listing = [&home] {
        QStringList names;
        QDirIterator it(home.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            names << home.relativeFilePath(it.next());
        names.removeIf(
            [](const QString& AName) { return AName.startsWith(QLatin1String(".config")); });
        names.sort();
        return names;
    };
    const QStringList before = listing();

    const TRun run = Run(QStringList{"--calc", "tank", "r=1", "h=0.5", "d=4"} + options);
    QCOMPARE(run.ExitCode, 2);
    QVERIFY2(run.Err.startsWith(QStringLiteral("Kavorin: ") + message), qPrintable(run.Err));
    QCOMPARE(run.Err.count(QLatin1Char('\n')), 1);
    QVERIFY(run.Err.endsWith(QLatin1Char('\n')));
    QVERIFY(run.Out.isEmpty());
    QCOMPARE(listing(), before);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("kept"));
}

// --- Solving -------------------------------------------------------------------------------

namespace {

using Real = boost::multiprecision::cpp_bin_float_50;

// The radii of the cones of volume V and surface S: with x = r^2 the height
// 3V / (pi x) turns S = pi x + pi r sqrt(x + h^2) into 2 pi S x^2 - S^2 x + 9 V^2 = 0.
std::vector<double> ConeRadii(const Real& AVolume, const Real& AArea) {
    const Real pi = boost::math::constants::pi<Real>();
    const Real root = sqrt(AArea * AArea * AArea * AArea - 72 * pi * AArea * AVolume * AVolume);
    return {double(sqrt((AArea * AArea - root) / (4 * pi * AArea))),
            double(sqrt((AArea * AArea + root) / (4 * pi * AArea)))};
}

} // namespace

void TestCommandLine::solvesForWhatIsNotGiven_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("found"); // the dimension found
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("unit"); // the entries' length unit
    const Real pi = boost::math::constants::pi<Real>();
    // A cylinder of volume 0.5 and radius 0.3 is 0.5 / (0.09 pi) high.
    QTest::newRow("cylinder from its volume")
        << QStringList{"cylinder", "volume=0.5", "r=0.3"} << "v"
        << QList<double>{double(Real("0.5") / (Real("0.09") * pi))} << QString();
    const std::vector<double> radii = ConeRadii(2, Real("12.5"));
    QTest::newRow("the two cones") << QStringList{"cone", "volume=2", "area=12.5"} << "r"
                                   << QList<double>{radii[0], radii[1]} << QString();
    // The slant height s and the radius r give the height sqrt(s^2 - r^2).
    QTest::newRow("cone from its slant height")
        << QStringList{"cone", "r=3", "slant-height=5"} << "v" << QList<double>{4.0} << QString();
    // A cube of surface 24 has the edge 2 (and a mass 2.5 times its volume 8).
    QTest::newRow("cube from its mass") << QStringList{"cube", "mass=20", "--density", "2.5"} << "a"
                                        << QList<double>{2.0} << QString();
    // With units the figure is solved in the entries' unit: 500 L are 500000 cm³,
    // and a tank (or cylinder) of radius 30 cm holding them is 500000 / (900 pi) cm long.
    const double tankLength = double(Real(500000) / (Real(900) * pi));
    QTest::newRow("500 litres in a tank of 60 cm diameter")
        << QStringList{"tank", "r=*60cm", "h=30cm", "volume-of-full-tank=500l"} << "d"
        << QList<double>{tankLength} << "cm";
    QTest::newRow("a bare volume in the chosen volume unit")
        << QStringList{"cylinder", "r=30cm", "volume=500", "--volume-unit", "l"} << "v"
        << QList<double>{tankLength} << "cm";
    QTest::newRow("a length unit chosen, the volume in cubic metres")
        << QStringList{"cylinder", "r=300", "volume=0.5m3", "--unit", "mm"} << "v"
        << QList<double>{double(Real(500000000) / (Real(90000) * pi))} << "mm";
    // 20 kg of density 2500 kg/m³ fill 0.008 m³: a cube of edge 20 cm.
    QTest::newRow("a mass in grams")
        << QStringList{"cube", "mass=20000g", "--density", "2500", "--unit", "cm"} << "a"
        << QList<double>{20.0} << "cm";
}

// Every figure that has the given values, as JSON ("solutions" where there are
// several) and as text under numbered headings; every dimension against a closed
// form in 50 digits.
void TestCommandLine::solvesForWhatIsNotGiven() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, found);
    QFETCH(QList<double>, values);
    QFETCH(QString, unit);
    const TRun json = Run(QStringList{QStringLiteral("--calc")} + arguments +
                          QStringList{QStringLiteral("--json")});
    QVERIFY2(json.ExitCode == 0, qPrintable(json.Err));
    const QJsonObject root = QJsonDocument::fromJson(json.Out.toUtf8()).object();
    QJsonArray figures = root.value(QStringLiteral("solutions")).toArray();
    if (values.size() == 1) {
        QVERIFY(!root.contains(QStringLiteral("solutions")));
        figures.append(root);
    }
    QCOMPARE(figures.size(), values.size());
    for (qsizetype i = 0; i < figures.size(); ++i) {
        const QJsonObject dimension = figures.at(i)
                                          .toObject()
                                          .value(QStringLiteral("dimensions"))
                                          .toObject()
                                          .value(found)
                                          .toObject();
        const double value = dimension.value(QStringLiteral("value")).toDouble();
        QVERIFY2(std::fabs(value - values[i]) <= 1e-15 * values[i],
                 qPrintable(QString::number(value, 'g', 17)));
        QCOMPARE(dimension.value(QStringLiteral("text")).toString().toDouble(), values[i]);
    }

    const TRun text = Run(QStringList{QStringLiteral("--calc")} + arguments);
    QCOMPARE(text.ExitCode, 0);
    const QStringList lines = text.Out.split(QLatin1Char('\n'));
    // The found dimension is written in the entries' unit.
    const QString length = unit.isEmpty() ? QString() : QLatin1Char(' ') + unit;
    const QString foundText = figures.at(0)
                                  .toObject()
                                  .value(QStringLiteral("dimensions"))
                                  .toObject()
                                  .value(found)
                                  .toObject()
                                  .value(QStringLiteral("text"))
                                  .toString();
    QVERIFY2(std::any_of(lines.begin(), lines.end(),
                         [&](const QString& ALine) {
                             return ALine.endsWith(QStringLiteral(": ") + foundText + length);
                         }),
             qPrintable(text.Out));
    for (qsizetype i = 0; i < values.size(); ++i)
        QCOMPARE(lines.contains(QStringLiteral("Figure %1").arg(i + 1)), values.size() > 1);
}

QTEST_MAIN(TestCommandLine)
#include "tst_CommandLine.moc"
