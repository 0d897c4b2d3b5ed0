// Every digit the program shows of a figure is the digit of the figure as typed:
// the report (the command line's and the clipboard's), the results panel and the
// supplementary data window against the closed forms of SolidReference.h,
// evaluated with 50 digits from the typed decimals, and rounded to the shown
// text by ShownReference.h. The figures of the report that found the fault,
// a triangle whose decimals make none though their 80-bit images do, and a
// seeded sweep of typed figures of every variant, a third of them next to a
// degenerate one.
#include "ComputationWindowFixture.h"
#include "FakeComputationHost.h"
#include "FigureReport.h"
#include "GuiTestFixture.h"
#include "LanguageSupport.h"
#include "SeparatorGuard.h"
#include "Settings.h"
#include "ShownReference.h"
#include "SolidReference.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include <random>

namespace {

using SolidReference::Real;
using SolidReference::TShape;

const TShape& ShapeOf(TVariant AVariant) {
    for (const TShape& shape : SolidReference::Shapes())
        if (shape.Variant == AVariant)
            return shape;
    qFatal("no shape for variant %d", int(AVariant));
}

// The texts of a figure of AVariant: its dimensions in the order of its shape,
// ACount edges where the variant reads a count, the lower base by side a.
TEntryTexts Texts(TVariant AVariant, const QStringList& ADims, int ACount) {
    const TShape& shape = ShapeOf(AVariant);
    TEntryTexts texts;
    for (int i = 0; i < shape.Dimensions(); ++i)
        texts[shape.Entries[std::size_t(i)]] = ADims.at(i);
    for (const TEntryPlace& place : VariantDesc(AVariant).Entries) {
        const TEntryKind kind = EntryDesc(place.Entry).Kind;
        if (kind == ekCount)
            texts[place.Entry] = QString::number(place.FixedCount > 0 ? place.FixedCount : ACount);
        else if (kind == ekChoice)
            texts[place.Entry] = QStringLiteral("a");
    }
    return texts;
}

int CountOf(TVariant AVariant, int ACount) {
    const int fixed = SolidReference::FixedCount(AVariant);
    return fixed > 0 ? fixed : ACount;
}

// The results panel's line of a value ("6.28 x10^-16", "1.25 x10").
QString PanelImage(const ShownReference::TText& AText) {
    if (!AText.Decade)
        return AText.Digits;
    return AText.Digits + QStringLiteral(" x10") +
           (AText.Exponent == 1 ? QString() : QStringLiteral("^%1").arg(AText.Exponent));
}

struct TComparison {
    int Values = 0;      // compared with the reference
    int WrongIn80 = 0;   // whose 80-bit value shows another text
    QString Wrong;       // the first line that shows a wrong digit
};

// Compares every volume, area, supplementary and mass line of AReport with the
// reference values of the figure.
TComparison Compare(const TFigureReport& AReport, const SolidReference::TValues& AReference,
                    const TNumberForm& AForm) {
    TComparison result;
    for (const TReportLine& line : AReport.Quantities) {
        // The lower base's sides are the reference's a1 and b1.
        const std::string id = line.Id == QLatin1String("side-of-lower-base-a")   ? "a1"
                               : line.Id == QLatin1String("side-of-lower-base-b") ? "b1"
                                                                                   : line.Id.toStdString();
        const auto reference = AReference.find(id);
        if (reference == AReference.end() || !line.Value)
            continue;
        const bool panel = line.Id == QuantityIds::Volume || line.Id == QuantityIds::Area;
        const ShownReference::TText text = ShownReference::Shown(
            reference->second, AForm.Precision, panel && AForm.Semilogarithmic);
        if (text.Ambiguous)
            continue;
        const QString expected =
            panel ? PanelImage(text) : ShownReference::RowImage(reference->second, AForm.Precision);
        ++result.Values;
        if (line.Text != expected && result.Wrong.isEmpty())
            result.Wrong = QStringLiteral("%1 shows %2, exact %3").arg(line.Id, line.Text, expected);
        const QString in80 =
            panel ? ResultValueText(*line.Value, AForm) : QuantityText(*line.Value, AForm.Precision);
        result.WrongIn80 += in80 != expected ? 1 : 0;
    }
    return result;
}

std::vector<Real> Reals(const QStringList& ATexts) {
    std::vector<Real> values;
    for (const QString& text : ATexts)
        values.emplace_back(text.toStdString());
    return values;
}

using ShownReference::Near;
using ShownReference::RandomDecimal;

} // namespace

class TestShownDigits : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void typedNumbers_data();
    void typedNumbers();
    void reportedFigures_data();
    void reportedFigures();
    void decimalsThatMakeNoFigure();
    void windowShowsTheFigureAsTyped();
    void sweep();

private:
    std::unique_ptr<GuiTest::TSettingsSandbox> FSandbox;
    std::unique_ptr<GuiTest::TLanguageSandbox> FLanguage;
};

void TestShownDigits::init() {
    FSandbox = std::make_unique<GuiTest::TSettingsSandbox>();
    FLanguage = std::make_unique<GuiTest::TLanguageSandbox>(QStringLiteral("English"));
}

void TestShownDigits::cleanup() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("FormSupplementaryData"))
            widget->close();
    FLanguage.reset();
    FSandbox.reset();
}

// What an entry's text gives the certification: the decimal as typed, or none
// where the figure is not built from it.
void TestShownDigits::typedNumbers_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("typed"); // TDecimalNumber::Text(), empty for none
    QTest::newRow("decimal") << int(ekNumber) << " 2.50 " << int(luNone) << "25e-1";
    QTest::newRow("exponent") << int(ekNumber) << "1.5E-3" << int(luCentimetre) << "15e-4";
    QTest::newRow("diameter, halved exactly") << int(ekRadius) << "*0.3" << int(luNone) << "15e-2";
    QTest::newRow("a star before a number that is no radius") << int(ekNumber) << "*0.3"
                                                                << int(luNone) << "";
    QTest::newRow("feet and inches") << int(ekNumber) << "6' 3.5\"" << int(luFeetAndInches) << "";
    QTest::newRow("a bare number in feet and inches") << int(ekNumber) << "6" << int(luFeetAndInches)
                                                      << "";
    QTest::newRow("comma with a point for separator") << int(ekNumber) << "1,5" << int(luNone) << "";
    QTest::newRow("fifty digits") << int(ekNumber) << "1." + QString(48, '0') + "1" << int(luNone)
                                  << "1" + QString(48, '0') + "1e-49";
    QTest::newRow("fifty-one digits: the program's digits stand")
        << int(ekNumber) << "1." + QString(49, '0') + "1" << int(luNone) << "";
}

void TestShownDigits::typedNumbers() {
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, unit);
    QFETCH(QString, typed);
    const TSeparatorGuard separator('.');
    const std::optional<TDecimalNumber> number =
        TypedNumber(TEntryKind(kind), text, TLengthUnit(unit));
    QCOMPARE(number ? QString::fromStdString(number->Text()) : QString(), typed);
}

// Figures whose 80-bit images show other digits, each with the exact volume at
// precision 14; every other value of the figure is checked with it, and the
// mass at a typed density.
void TestShownDigits::reportedFigures_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<QStringList>("dims");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("volume");
    QTest::newRow("thin ring") << int(vaPrism_CircularRing)
                               << QStringList{"1.0000000000000001", "1", "1"} << 0
                               << "6.28318530717959 x10^-16";
    QTest::newRow("needle triangle")
        << int(vaPrism_Triangle)
        << QStringList{"0.000000921637183", "64000000", "63999999.999999344", "5201862.46"} << 0
        << "107759816.489092";
    QTest::newRow("flat triangle")
        << int(vaPrism_Triangle)
        << QStringList{"3886483.383", "0.0000033260666", "3886483.3830003017", "0.69"} << 0
        << "4.44132746930526";
    QTest::newRow("thin triangle")
        << int(vaPrism_Triangle)
        << QStringList{"0.0000004", "300", "300.00000012844345", "0.008055791"} << 0
        << "4.57750524245668 x10^-7";
    QTest::newRow("truncated rectangular pyramid, nearly equal bases")
        << int(vaTruncatedPyramid_Rectangle)
        << QStringList{"3", "2", "3.000000000000000001", "0.000000000000000001"} << 0
        << "6.00000000000000 x10^-18";
    QTest::newRow("sector just above the hemisphere")
        << int(vaSphericalSector) << QStringList{"1", "1.0000000000000000001"} << 0
        << "2.09439510239320";
}

void TestShownDigits::reportedFigures() {
    QFETCH(int, variant);
    QFETCH(QStringList, dims);
    QFETCH(int, count);
    QFETCH(QString, volume);
    const TSeparatorGuard separator('.');
    const TVariant chosen = TVariant(variant);
    const TNumberForm form{14, false};
    TPresetDensity density;
    density.Use = true;
    density.Typed = TDecimalNumber::Parse("7.85");
    density.Value = density.Typed->Rounded();
    const TFigureReport report =
        MakeFigureReport(chosen, Texts(chosen, dims, count), form, LanguageText, density);
    QCOMPARE(report.State, rsSpocitano);
    QCOMPARE(report.Quantities.back().Id, QuantityIds::Mass);
    const auto reference =
        SolidReference::Values(chosen, Reals(dims), CountOf(chosen, count), Real("7.85"));
    QCOMPARE(PanelImage(ShownReference::Shown(reference.at("volume"), 14, false)), volume);
    QCOMPARE(report.Quantities.front().Text, volume);
    const TComparison comparison = Compare(report, reference, form);
    QVERIFY2(comparison.Wrong.isEmpty(), qPrintable(comparison.Wrong));
    QCOMPARE(comparison.Values, int(report.Quantities.size()));
    // Their 80-bit values show a wrong digit somewhere.
    QVERIFY(comparison.WrongIn80 > 0);
    // The value to 21 digits, for programs: the exact one where the slow path
    // ran, the 80-bit one (within its bound) where the fast path decided.
    const Real exact(report.Quantities.front().Exact.toStdString());
    QVERIFY(abs(exact / reference.at("volume") - 1) < Real("1e-17"));
}

// 0.3 + 0.6 is 0.9: no triangle, though the 80-bit images of the three make a
// thin one. The panel and the report show the triangle's refusal.
void TestShownDigits::decimalsThatMakeNoFigure() {
    const TSeparatorGuard separator('.');
    const QStringList dims{"0.3", "0.6", "0.9", "1"};
    const TFigureReport report =
        MakeFigureReport(vaPrism_Triangle, Texts(vaPrism_Triangle, dims, 0), {2, false},
                         LanguageText);
    QCOMPARE(report.State, rsChyba_T);
    // The images alone (through entries in a unit, which are not certified) make one.
    TEntryValues values;
    const std::vector<TEntry> entries = ShapeOf(vaPrism_Triangle).Entries;
    for (std::size_t i = 0; i < entries.size(); ++i)
        values.Set(entries[i], std::stold(dims.at(int(i)).toStdString()));
    QVERIFY(CalculateSolid(vaPrism_Triangle, values).Computed());

    TOpenWindow open(pgPrism);
    ChooseVariant(open, vaPrism_Triangle);
    Fill(open, {"Prism_E1=0.3", "Prism_E2=0.6", "Prism_E3=0.9", "Prism_V=1"});
    QCOMPARE(open.Volume(), ResultStateText(rsChyba_T));
    Fill(open, {"Prism_E3=0.89"});
    QCOMPARE(open.Volume(), QStringLiteral("0.03"));
}

// The results panel and the supplementary data window show the ring as typed,
// at the precision chosen and after a change of it.
void TestShownDigits::windowShowsTheFigureAsTyped() {
    const TSeparatorGuard separator('.');
    StoreSetting(QStringLiteral("Precision"), QStringLiteral("14"));
    TOpenWindow open(pgPrism);
    ChooseVariant(open, vaPrism_CircularRing);
    Fill(open, {"Prism_E2=1.0000000000000001", "Prism_E3=1", "Prism_V=1"});
    QCOMPARE(open.Volume(), QStringLiteral("6.28318530717959"));
    QCOMPARE(open.Control<QLabel>(QStringLiteral("ExponentV"))->text(),
             QStringLiteral("-16"));
    // The window opens with the supplementary data shown, as the settings say.
    QVERIFY(open.Control<QToolButton>(QStringLiteral("BSupplementaryData"))->isChecked());
    QTableWidget* grid = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("FormSupplementaryData") && widget->isVisible())
            grid = widget->findChild<QTableWidget*>(QStringLiteral("ValueList"));
    QVERIFY(grid);
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("6.28318530717959E-16"));
    // Three decimals: the digits kept decide it.
    auto* menu = open.Window->findChild<QMenu*>(QStringLiteral("Menu"));
    QVERIFY(menu);
    menu->findChild<QAction*>(QStringLiteral("MPrecision3"))->trigger();
    QCOMPARE(open.Volume(), QStringLiteral("6.283"));
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("6.283E-16"));
}

// Typed decimals of 1 to 18 significant digits for every variant, a third of
// them next to a degenerate figure, at a random precision and form: no shown
// digit differs from the reference. The 80-bit values are counted too: the
// sweep must hold figures where they show a wrong digit.
void TestShownDigits::sweep() {
    const TSeparatorGuard separator('.');
    std::mt19937_64 random(0x5EED2222);
    const auto digits = [&random] { return 1 + int(random() % 18); };
    const auto any = [&] { return RandomDecimal(random, digits(), -4 + int(random() % 9)); };
    // 1e-6 to 1e-17.
    const auto closeness = [&random] { return pow(Real(10), -6 - int(random() % 12)); };
    const auto fraction = [&random] { return Real(1 + random() % 9) / 10; };
    const std::vector<TShape>& shapes = SolidReference::Shapes();
    int values = 0;
    int wrongIn80 = 0;
    for (int figure = 0; figure < 1500; ++figure) {
        const TShape& shape = shapes[std::size_t(figure) % shapes.size()];
        const bool thin = figure % 3 == 0;
        QStringList dims;
        switch (shape.Variant) {
        case vaPrism_Triangle: {
            // Flat (the longest side next to the sum of the others), needle-like
            // (next to their difference) or in between.
            const QString a = any(), b = any();
            const Real ra(a.toStdString()), rb(b.toStdString());
            const Real shortest = abs(ra - rb), longest = ra + rb;
            Real c = shortest + (longest - shortest) * fraction();
            if (thin)
                c = random() % 2 ? longest - (longest - shortest) * closeness()
                                 : shortest + (longest - shortest) * closeness();
            // Enough digits to keep the third side inside.
            dims = {a, b, QString::fromStdString(c.str(25, std::ios_base::scientific)), any()};
            break;
        }
        case vaPrism_CircularRing: {
            const QString outer = any();
            dims = {outer, Near(outer, thin ? -closeness() : -fraction()), any()};
            break;
        }
        case vaTruncatedCone:
        case vaTruncatedPyramid_Square:
        case vaTruncatedPyramid_EquilateralTriangle:
        case vaTruncatedPyramid_NAngle: {
            const QString upper = any();
            dims = {upper, Near(upper, thin ? closeness() : fraction()), any()};
            break;
        }
        case vaTruncatedPyramid_Rectangle: {
            const QString a2 = any();
            dims = {a2, any(), Near(a2, thin ? -closeness() : fraction()), any()};
            break;
        }
        case vaCylindricalTank:
        case vaSphericalSegment_RadiusOfSphere: {
            const QString radius = any();
            const Real share = thin ? (random() % 2 ? closeness() : 1 - closeness()) : fraction();
            dims = {radius, Near(radius, 2 * share - 1)};
            if (shape.Variant == vaCylindricalTank)
                dims << any();
            break;
        }
        case vaSphericalSector:
        case vaSphericalSegment_RadiusOfSegment: {
            const QString radius = any();
            dims = {radius, thin ? Near(radius, random() % 2 ? closeness() : -closeness()) : any()};
            break;
        }
        default:
            for (int i = 0; i < shape.Dimensions(); ++i)
                dims << any();
        }
        const int count = CountOf(shape.Variant, std::vector<int>{5, 7, 12, 1000000}[random() % 4]);
        const TNumberForm form{TPrecision(random() % 15), random() % 2 == 0};
        const QString name = QStringLiteral("%1 %2 n=%3 at %4%5")
                                 .arg(QLatin1String(VariantDesc(shape.Variant).Name),
                                      dims.join(QLatin1Char(' ')))
                                 .arg(count)
                                 .arg(form.Precision)
                                 .arg(form.Semilogarithmic ? QStringLiteral(" semilog") : QString());
        const TFigureReport report =
            MakeFigureReport(shape.Variant, Texts(shape.Variant, dims, count), form, LanguageText);
        QVERIFY2(report.State == rsSpocitano,
                 qPrintable(name + QStringLiteral(": ") + report.Quantities.front().Text));
        const TComparison comparison = Compare(
            report, SolidReference::Values(shape.Variant, Reals(dims), count, 0), form);
        QVERIFY2(comparison.Wrong.isEmpty(), qPrintable(name + QStringLiteral(": ") + comparison.Wrong));
        values += comparison.Values;
        wrongIn80 += comparison.WrongIn80;
    }
    QVERIFY(values >= 9000);
    QVERIFY2(wrongIn80 > 0, "the sweep holds no figure whose 80-bit digits are wrong");
    qInfo("%d values compared; %d of them shown wrong by their 80-bit values", values, wrongIn80);
}

QTEST_MAIN(TestShownDigits)
#include "tst_ShownDigits.moc"
