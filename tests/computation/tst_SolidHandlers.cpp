// The calculation without a window: every variant of every solid from its
// entries' values to the figure's volume, surface and every supplementary value,
// each handed in with its row; and the states that stand instead of a figure.
#include "GeometryTestSupport.h"
#include "SolidFigures.h"
#include "SolidHandlers.h"
#include "SolidSamples.h"

#include <QtTest>

#include <cstring>

Q_DECLARE_METATYPE(TVariant)
Q_DECLARE_METATYPE(TResultState)

namespace {

using GeometryTest::Near;
using GeometryTest::Text;

TEntry EntryNamed(const QString& AName) {
    for (int entry = 0; entry < EntryCount; ++entry)
        if (AName == QLatin1String(EntryDesc(TEntry(entry)).Name))
            return TEntry(entry);
    return enNone;
}

// The values of "Entry=text" items as the window reads them (a choice's text is
// its item index); false when an item names no entry.
bool ReadValues(const QStringList& AEntries, TEntryValues& AValues) {
    for (const QString& item : AEntries) {
        const TEntry entry = EntryNamed(item.section(QLatin1Char('='), 0, 0));
        if (entry == enNone)
            return false;
        AValues.Set(
            entry, std::strtold(item.section(QLatin1Char('='), 1).toLatin1().constData(), nullptr));
    }
    return true;
}

QString RowName(const TText& ARow) {
    return QString::fromLatin1(ARow.Key) +
           (ARow.Letters ? QLatin1Char('(') + QString::fromLatin1(ARow.Letters) + QLatin1Char(')')
                         : QString());
}

} // namespace

class TestSolidHandlers : public QObject {
    Q_OBJECT
private slots:
    void everyValue_data();
    void everyValue();
    void variantStillToBeChosen_data();
    void variantStillToBeChosen();
    void states_data();
    void states();
};

void TestSolidHandlers::everyValue_data() {
    QTest::addColumn<TVariant>("variant");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<Extended>("volume");
    QTest::addColumn<Extended>("area");
    QTest::addColumn<std::vector<Extended>>("supplementary");
    for (const SolidSamples::TSample& sample : SolidSamples::Samples())
        QTest::newRow(qPrintable(sample.Name)) << sample.Variant << sample.Entries << sample.Volume
                                               << sample.Area << sample.Supplementary;
}

void TestSolidHandlers::everyValue() {
    QFETCH(TVariant, variant);
    QFETCH(QStringList, entries);
    QFETCH(Extended, volume);
    QFETCH(Extended, area);
    QFETCH(std::vector<Extended>, supplementary);
    TEntryValues values;
    QVERIFY(ReadValues(entries, values));

    const TSolidResult result = CalculateSolid(variant, values);
    QCOMPARE(result.State, rsSpocitano);
    QVERIFY(result.Figure);
    QVERIFY2(Near(result.Figure->Volume(), volume), qPrintable(Text(result.Figure->Volume())));
    QVERIFY2(Near(result.Figure->Area(), area), qPrintable(Text(result.Figure->Area())));

    // Every row of the variant's kind of solid, in order, each with its value.
    const std::vector<TText> rows = SupplementaryRows(VariantDesc(variant).SolidType);
    QCOMPARE(result.SupplementaryValues.size(), rows.size());
    QCOMPARE(result.SupplementaryValues.size(), supplementary.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TSupplementaryValue& sent = result.SupplementaryValues[i];
        const QString what = RowName(sent.Row) + QStringLiteral(" = ") + Text(sent.Value) +
                             QStringLiteral(", expected ") + Text(supplementary[i]);
        QVERIFY2(SameRow(sent.Row, rows[i]), qPrintable(what));
        QVERIFY2(Near(sent.Value, supplementary[i]), qPrintable(what));
    }
}

void TestSolidHandlers::variantStillToBeChosen_data() {
    QTest::addColumn<TVariant>("variant");
    QTest::newRow("pyramid") << vaPyramid_None;
    QTest::newRow("prism") << vaPrism_None;
    QTest::newRow("truncated pyramid") << vaTruncatedPyramid_None;
}

void TestSolidHandlers::variantStillToBeChosen() {
    QFETCH(TVariant, variant);
    // Even with every entry of the page given, no solid is made yet.
    TEntryValues values;
    for (TEntry entry : PageDesc(VariantDesc(variant).Page).Entries)
        values.Set(entry, 3);
    const TSolidResult result = CalculateSolid(variant, values);
    QCOMPARE(result.State, rsNespocitano);
    QVERIFY(!result.Figure);
    QVERIFY(result.SupplementaryValues.empty());
}

void TestSolidHandlers::states_data() {
    QTest::addColumn<TVariant>("variant");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<TResultState>("state");
    QTest::newRow("triangle 1 2 5")
        << vaPrism_Triangle << QStringList{"Prism_E1=1", "Prism_E2=2", "Prism_E3=5", "Prism_V=1"}
        << rsChyba_T;
    QTest::newRow("ring, radii equal")
        << vaPrism_CircularRing << QStringList{"Prism_E2=2", "Prism_E3=2", "Prism_V=1"}
        << rsChyba_CR;
    QTest::newRow("ring overflowing")
        << vaPrism_CircularRing << QStringList{"Prism_E2=1E3000", "Prism_E3=1", "Prism_V=1E3000"}
        << rsChyba_Z;
    QTest::newRow("truncated cone, radii equal")
        << vaTruncatedCone
        << QStringList{"TruncatedCone_R2=5", "TruncatedCone_R1=5", "TruncatedCone_V=1"}
        << rsChyba_TC;
    QTest::newRow("truncated pyramid, sides a equal")
        << vaTruncatedPyramid_Rectangle
        << QStringList{"TruncatedPyramid_E1=4", "TruncatedPyramid_E2=2", "TruncatedPyramid_Side=0",
                       "TruncatedPyramid_E3=4", "TruncatedPyramid_V=1"}
        << rsChyba_TPa;
    QTest::newRow("truncated pyramid, sides b equal")
        << vaTruncatedPyramid_Rectangle
        << QStringList{"TruncatedPyramid_E1=4", "TruncatedPyramid_E2=2", "TruncatedPyramid_Side=1",
                       "TruncatedPyramid_E3=2", "TruncatedPyramid_V=1"}
        << rsChyba_TPb;
    QTest::newRow("truncated pyramid, n-gon sides equal")
        << vaTruncatedPyramid_NAngle
        << QStringList{"TruncatedPyramid_N=5", "TruncatedPyramid_E2=3", "TruncatedPyramid_E3=3",
                       "TruncatedPyramid_V=1"}
        << rsChyba_TPa;
    QTest::newRow("tank, level at the diameter")
        << vaCylindricalTank
        << QStringList{"CylindricalTank_R=1", "CylindricalTank_H=2", "CylindricalTank_D=1"}
        << rsChyba_C;
    QTest::newRow("tank overflowing")
        << vaCylindricalTank
        << QStringList{"CylindricalTank_R=1E4000", "CylindricalTank_H=1",
                       "CylindricalTank_D=1E4000"}
        << rsChyba_Z;
    QTest::newRow("segment higher than the sphere")
        << vaSphericalSegment_RadiusOfSphere
        << QStringList{"SphericalSegment_R=1", "SphericalSegment_V=2"} << rsChyba_V;
}

void TestSolidHandlers::states() {
    QFETCH(TVariant, variant);
    QFETCH(QStringList, entries);
    QFETCH(TResultState, state);
    TEntryValues values;
    QVERIFY(ReadValues(entries, values));
    const TSolidResult result = CalculateSolid(variant, values);
    QCOMPARE(result.State, state);
    QVERIFY(!result.Figure);
    QVERIFY(result.SupplementaryValues.empty());
}

QTEST_MAIN(TestSolidHandlers)
#include "tst_SolidHandlers.moc"
