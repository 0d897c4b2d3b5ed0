#include "FakeComputationHost.h"
#include "GeometryTestSupport.h"
#include "SupplementaryData.h"

#include <QHeaderView>
#include <QPointer>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(TSolidType)

namespace {

constexpr int PrimaryClientWidth = 390;

QTableWidget* Grid(TFormSupplementaryData& AWindow) {
    return AWindow.findChild<QTableWidget*>(QStringLiteral("ValueList"));
}

QStringList Column(TFormSupplementaryData& AWindow, int AColumn) {
    QStringList texts;
    QTableWidget* grid = Grid(AWindow);
    for (int row = 0; row < grid->rowCount(); ++row)
        texts.append(grid->item(row, AColumn)->text());
    return texts;
}

QStringList Names(TFormSupplementaryData& AWindow) {
    return Column(AWindow, 0);
}

QStringList Values(TFormSupplementaryData& AWindow) {
    return Column(AWindow, 1);
}

void StorePresetDensity(const QString& ADensity) {
    StoreSetting(QStringLiteral("UsePresetDensity"), QStringLiteral("1"));
    StoreSetting(QStringLiteral("PresetDensity"), ADensity);
}

// AValues handed with the rows of AType, in the rows' order.
std::vector<TSupplementaryValue> RowValues(TSolidType AType, const std::vector<Extended>& AValues) {
    const std::vector<TText> rows = SupplementaryRows(AType);
    std::vector<TSupplementaryValue> values;
    for (std::size_t i = 0; i < AValues.size() && i < rows.size(); ++i)
        values.push_back({rows[i], AValues[i]});
    return values;
}

// A calculated result holding AValues as its supplementary values, and the rest
// (figure, mass) of ABase.
TSolidResult WithValues(TSolidResult ABase, std::vector<TSupplementaryValue> AValues) {
    ABase.State = rsSpocitano;
    ABase.SupplementaryValues = std::move(AValues);
    return ABase;
}

// The result of AVariant's solid of the entries' values AValues, with the mass
// at the preset density of the settings.
TSolidResult Calculated(TVariant AVariant,
                        std::initializer_list<std::pair<TEntry, Extended>> AValues) {
    TEntryValues values;
    for (const auto& [entry, value] : AValues)
        values.Set(entry, value);
    return CalculateSolid(AVariant, values, ReadPresetDensity());
}

// Client height of a window showing ARows grid rows below the title row.
int HeightFor(int ARows) {
    return (ARows + 1) * 19 + 4;
}

} // namespace

class TestSupplementaryData : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rowsPerSolidType_data();
    void rowsPerSolidType();
    void cubeWindow();
    void valuesInHandedPrecision_data();
    void valuesInHandedPrecision();
    void massRow_data();
    void massRow();
    void sphereWithoutDensity();
    void noSolidHasNoMassRow();
    void switchingVariantRebuildsRows();
    void clearValuesKeepsNames();
    void valuesFindTheirRows();
    void invalidPresetDensity_data();
    void invalidPresetDensity();
    void massLeftEmpty_data();
    void massLeftEmpty();
    void closingEmitsClosed();
    void snapsBackWhenMoved();

private:
    std::unique_ptr<GuiTest::TSettingsSandbox> FSandbox;
    std::unique_ptr<GuiTest::TLanguageSandbox> FLanguage;
};

void TestSupplementaryData::init() {
    FSandbox = std::make_unique<GuiTest::TSettingsSandbox>();
    FLanguage = std::make_unique<GuiTest::TLanguageSandbox>();
}

void TestSupplementaryData::cleanup() {
    FLanguage.reset();
    FSandbox.reset();
}

void TestSupplementaryData::rowsPerSolidType_data() {
    QTest::addColumn<TSolidType>("solidType");
    QTest::addColumn<int>("ordinal");
    QTest::addColumn<QStringList>("names");
    const QString lateral = QStringLiteral("Area of lateral surface");
    const QString base = QStringLiteral("Area of base");
    const QString slant = QStringLiteral("Slant height");
    const QString upper = QStringLiteral("Area of upper base");
    const QString lower = QStringLiteral("Area of lower base");
    const QString sphereShare = QStringLiteral("Share of sphere volume (%)");
    const QString sphereRadius = QStringLiteral("Radius of sphere");
    QTest::newRow("none") << stNone << 0 << QStringList{QString()};
    QTest::newRow("cube") << stCube << 1
                          << QStringList{"Solid diagonal", "Diagonal of face", "Area of face"};
    QTest::newRow("block") << stBlock << 2
                           << QStringList{"Solid diagonal",      "Diagonal of face AB",
                                          "Diagonal of face BC", "Diagonal of face CA",
                                          "Area of face AB",     "Area of face BC",
                                          "Area of face CA"};
    QTest::newRow("sphere") << stSphere << 3 << QStringList{QString()};
    QTest::newRow("cone") << stCone << 4 << QStringList{slant, base, lateral};
    QTest::newRow("cylinder") << stCylinder << 5 << QStringList{base, lateral};
    QTest::newRow("tetrahedron") << stPyramid_Tetrahedron << 6
                                 << QStringList{"Height of solid", slant, "Area of face"};
    QTest::newRow("pyramid, rectangle")
        << stPyramid_Rectangle << 7
        << QStringList{"Slant height on side A", "Slant height on side B", base,
                       "Area of face on side A", "Area of face on side B", lateral};
    QTest::newRow("pyramid, n-gon")
        << stPyramid_NAngle << 8 << QStringList{slant, base, "Area of face", lateral};
    QTest::newRow("prism, triangle")
        << stPrism_Triangle << 9
        << QStringList{base, "Area of face on side A", "Area of face on side B",
                       "Area of face on side C", lateral};
    QTest::newRow("prism, n-gon") << stPrism_NAngle << 10
                                  << QStringList{base, "Area of face", lateral};
    QTest::newRow("prism, circular ring")
        << stPrism_CircularRing << 11
        << QStringList{base, "Area of outer lateral surface", "Area of inner lateral surface"};
    QTest::newRow("truncated cone")
        << stTruncatedCone << 12 << QStringList{slant, upper, lower, lateral};
    QTest::newRow("truncated pyramid, rectangle")
        << stTruncatedPyramid_Rectangle << 13
        << QStringList{
               "Slant height on side A", "Slant height on side B", upper,   lower,
               "Area of face on side A", "Area of face on side B", lateral, "Lower base side a",
               "Lower base side b"};
    QTest::newRow("truncated pyramid, n-gon")
        << stTruncatedPyramid_NAngle << 14
        << QStringList{slant, upper, lower, "Area of face", lateral};
    QTest::newRow("cylindrical tank")
        << stCylindricalTank << 15
        << QStringList{"Chord at the level", "Area of wetted end wall", "Area of level surface",
                       "Area of wetted curved wall", "Filling of tank (%)"};
    QTest::newRow("spherical segment, radius of segment")
        << stSphericalSegment_RadiusOfSegment << 16
        << QStringList{sphereRadius, "Area of spherical cap", "Area of base circle", sphereShare};
    QTest::newRow("spherical segment, radius of sphere")
        << stSphericalSegment_RadiusOfSphere << 17
        << QStringList{"Radius of segment", "Area of spherical cap", "Area of base circle",
                       sphereShare};
    QTest::newRow("spherical sector") << stSphericalSector << 18
                                      << QStringList{sphereRadius,
                                                     "Area of spherical cap (segment part)",
                                                     "Area of lateral surface (cone part)",
                                                     "Volume of segment part",
                                                     "Volume of cone part",
                                                     sphereShare};
    QTest::newRow("spherical frustum")
        << stSphericalFrustum << 19
        << QStringList{sphereRadius, "Area of upper circle", "Area of lower circle",
                       "Area of spherical zone", sphereShare};
}

void TestSupplementaryData::rowsPerSolidType() {
    QFETCH(TSolidType, solidType);
    QFETCH(int, ordinal);
    QFETCH(QStringList, names);
    QCOMPARE(int(solidType), ordinal);
    static_assert(sizeof(TSolidType) == 1, "one byte");

    TFakeComputationHost host;
    host.ShowCube(2);
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    // From another solid's rows, so that rebuilding is what is tested.
    window.AdaptToSolid(stBlock);
    window.AdaptToSolid(solidType);
    QCOMPARE(Names(window), names);
    QCOMPARE(Values(window), QStringList(names.size(), QString()));
    QCOMPARE(Grid(window)->item(0, 0)->toolTip(), names.first());
    QCOMPARE(window.size(), QSize(PrimaryClientWidth, HeightFor(int(names.size()))));

    // Every item row takes its value; a value of a row the window does not show
    // changes nothing.
    const bool hasItems = !names.first().isEmpty();
    if (hasItems) {
        window.ShowResult(WithValues(
            host.Result,
            RowValues(solidType, std::vector<Extended>(std::size_t(names.size()), 1.5L))));
        QCOMPARE(Values(window), QStringList(names.size(), QStringLiteral("1.50")));
    }
    const QStringList before = Values(window);
    window.ShowResult(WithValues(host.Result, {{TText{SupplementarySection, "NoSuchRow"}, 1.0L}}));
    QCOMPARE(Values(window), before);
}

void TestSupplementaryData::cubeWindow() {
    TFakeComputationHost host;
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    window.AdaptToSolid(stCube);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Supplementary data"));
    QCOMPARE(window.size(), QSize(390, 80));
    QVERIFY(window.windowFlags().testFlag(Qt::Tool));

    QTableWidget* grid = Grid(window);
    QCOMPARE(grid->geometry(), window.rect());
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Quantity"));
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Value"));
    QCOMPARE(grid->horizontalHeader()->height(), 19);
    QCOMPARE(grid->columnWidth(0), 244);
    QVERIFY(grid->columnWidth(1) >= 138);
    QCOMPARE(grid->columnWidth(0) + grid->columnWidth(1), grid->viewport()->width());
    for (int row = 0; row < grid->rowCount(); ++row)
        QCOMPARE(grid->rowHeight(row), 19);
    // Every row is visible, nothing scrolls.
    QCOMPARE(grid->viewport()->height(), 3 * 19);
    QCOMPARE(grid->focusPolicy(), Qt::NoFocus);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!(grid->item(0, 1)->flags() & Qt::ItemIsEditable));
}

void TestSupplementaryData::valuesInHandedPrecision_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("side");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("precision 2") << "." << 2 << "2" << QStringList{"3.46", "2.83", "4.00"};
    QTest::newRow("precision 0") << "." << 0 << "2" << QStringList{"3", "3", "4"};
    QTest::newRow("precision 5") << "." << 5 << "2" << QStringList{"3.46410", "2.82843", "4.00000"};
    QTest::newRow("comma") << "," << 3 << "2" << QStringList{"3,464", "2,828", "4,000"};
    QTest::newRow("area of 10^16 in scientific form")
        << "." << 2 << "1E8" << QStringList{"173205080.76", "141421356.24", "1.00E16"};
    QTest::newRow("area below 10^-4 in scientific form")
        << "," << 2 << "0.001" << QStringList{"0,00", "0,00", "1,00E-6"};
}

void TestSupplementaryData::valuesInHandedPrecision() {
    QFETCH(QString, separator);
    QFETCH(int, precision);
    QFETCH(QString, side);
    QFETCH(QStringList, values);
    const TSeparatorGuard guard(separator.at(0).toLatin1());
    TFakeComputationHost host;
    host.ShowCube(ReadExtended(side));
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    window.AdaptToSolid(stCube);
    window.SetNumberForm({TPrecision(precision), false});
    const auto& cube = static_cast<const TCube&>(*host.Result.Figure);
    const TSolidResult result = WithValues(
        host.Result,
        RowValues(stCube, {cube.DiagonalOfSolid(), cube.Face().Diagonal(), cube.Face().Area()}));
    window.ShowResult(result);
    QCOMPARE(Values(window), values);

    // Another number form writes the kept values anew, without a new result.
    window.SetNumberForm({2, true});
    window.SetNumberForm({TPrecision(precision), false});
    QCOMPARE(Values(window), values);
    window.SetNumberForm({TPrecision(precision + 1), false});
    QVERIFY(Values(window) != values);
}

void TestSupplementaryData::massRow_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("density");
    QTest::addColumn<QString>("massName");
    QTest::addColumn<QString>("mass");
    QTest::newRow("7850") << "."
                          << "7850"
                          << "Mass at preset density (7850)"
                          << "62800.00";
    QTest::newRow("decimal point") << "."
                                   << "0.5"
                                   << "Mass at preset density (0.5)"
                                   << "4.00";
    QTest::newRow("decimal comma") << ","
                                   << "7850,5"
                                   << "Mass at preset density (7850,5)"
                                   << "62804,00";
    QTest::newRow("blanks and trailing zeros") << "."
                                               << " 2.50 "
                                               << "Mass at preset density (2.5)"
                                               << "20.00";
}

void TestSupplementaryData::massRow() {
    QFETCH(QString, separator);
    QFETCH(QString, density);
    QFETCH(QString, massName);
    QFETCH(QString, mass);
    const TSeparatorGuard guard(separator.at(0).toLatin1());
    StorePresetDensity(density);
    GuiTest::TModalWatcher watcher;
    TFakeComputationHost host;
    host.ShowCube(2);
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    window.AdaptToSolid(stCube);
    QCOMPARE(Names(window).size(), 4);
    QCOMPARE(Names(window).last(), massName);
    QCOMPARE(window.height(), HeightFor(4));

    const auto& cube = static_cast<const TCube&>(*host.Result.Figure);
    window.ShowResult(WithValues(
        host.Result,
        RowValues(stCube, {cube.DiagonalOfSolid(), cube.Face().Diagonal(), cube.Face().Area()})));
    QCOMPARE(Values(window).last(), mass);
    QVERIFY2(watcher.Unexpected().isEmpty(), qPrintable(watcher.Unexpected().join('\n')));

    // The sphere has the mass row alone, filled from an empty value list.
    host.Show(Calculated(vaSphere, {{enSphere_R, 1}}));
    window.AdaptToSolid(stSphere);
    QCOMPARE(Names(window), QStringList{massName});
    QCOMPARE(window.height(), HeightFor(1));
    window.ShowResult(host.Result);
    const Extended expected =
        host.Result.Figure->Volume() * ReadExtended(QString(density).replace(',', '.'));
    QCOMPARE(Values(window), QStringList{QString::fromStdString(RoundToStr(2, true, expected))});
}

void TestSupplementaryData::sphereWithoutDensity() {
    TFakeComputationHost host;
    host.Show(Calculated(vaSphere, {{enSphere_R, 1}}));
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    window.AdaptToSolid(stSphere);
    window.ShowResult(host.Result);
    QCOMPARE(Names(window), QStringList{QString()});
    QCOMPARE(Values(window), QStringList{QString()});
    QCOMPARE(window.height(), HeightFor(1));
}

void TestSupplementaryData::noSolidHasNoMassRow() {
    StorePresetDensity(QStringLiteral("7850"));
    TFakeComputationHost host;
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    window.AdaptToSolid(stCube);
    QCOMPARE(Names(window).size(), 4);
    window.AdaptToSolid(stNone);
    QCOMPARE(Names(window), QStringList{QString()});
    QCOMPARE(window.height(), HeightFor(1));
    window.ShowResult(WithValues(host.Result, {}));
    QCOMPARE(Values(window), QStringList{QString()});
}

void TestSupplementaryData::switchingVariantRebuildsRows() {
    StorePresetDensity(QStringLiteral("1000"));
    TFakeComputationHost host;
    host.ShowCube(1);
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    window.AdaptToSolid(stPrism_Triangle);
    window.ShowResult(WithValues(host.Result, RowValues(stPrism_Triangle, {1, 2, 3, 4, 5})));
    QCOMPARE(Names(window).size(), 6);
    QCOMPARE(Values(window).last(), QStringLiteral("1000.00"));

    window.AdaptToSolid(stPrism_NAngle);
    QCOMPARE(Names(window), (QStringList{"Area of base", "Area of face", "Area of lateral surface",
                                         "Mass at preset density (1000)"}));
    // The rows come back empty; the next recalculation fills them.
    QCOMPARE(Values(window), QStringList(4, QString()));
    QCOMPARE(window.height(), HeightFor(4));
    window.ShowResult(WithValues(host.Result, RowValues(stPrism_NAngle, {6, 7, 8})));
    QCOMPARE(Values(window), (QStringList{"6.00", "7.00", "8.00", "1000.00"}));
}

void TestSupplementaryData::clearValuesKeepsNames() {
    StorePresetDensity(QStringLiteral("2"));
    TFakeComputationHost host;
    host.Show(Calculated(vaBlock, {{enBlock_A, 1}, {enBlock_B, 2}, {enBlock_C, 3}}));
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    window.AdaptToSolid(stBlock);
    window.ShowResult(WithValues(host.Result, RowValues(stBlock, {1, 2, 3, 4, 5, 6, 7})));
    QCOMPARE(Values(window).last(), QStringLiteral("12.00"));
    const QStringList names = Names(window);

    // A result that is only a state empties the values.
    window.ShowResult(StateResult(vaBlock, rsChyba_Z));
    QCOMPARE(Names(window), names);
    QCOMPARE(Values(window), QStringList(8, QString()));
    QCOMPARE(window.height(), HeightFor(8));
}

void TestSupplementaryData::valuesFindTheirRows() {
    StorePresetDensity(QStringLiteral("2"));
    TFakeComputationHost host;
    host.ShowCube(2);
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    window.AdaptToSolid(stCube);
    window.ShowResult(WithValues(host.Result, RowValues(stCube, {1, 2, 3})));
    const QStringList before = Values(window);
    QCOMPARE(before, (QStringList{"1.00", "2.00", "3.00", "16.00"}));
    // Each value is written into its own row, whatever the order it comes in.
    std::vector<TSupplementaryValue> reversed = RowValues(stCube, {4, 5, 6});
    std::reverse(reversed.begin(), reversed.end());
    window.ShowResult(WithValues(host.Result, reversed));
    QCOMPARE(Values(window), (QStringList{"4.00", "5.00", "6.00", "16.00"}));
    // Values of another solid's rows are not shown in the cube's.
    window.ShowResult(WithValues(host.Result, RowValues(stCone, {7, 8, 9})));
    QCOMPARE(Values(window), (QStringList{"4.00", "5.00", "6.00", "16.00"}));
}

void TestSupplementaryData::invalidPresetDensity_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("density");
    QTest::newRow("letters") << "."
                             << "abc";
    QTest::newRow("empty") << "."
                           << "";
    QTest::newRow("comma where the point is the separator") << "."
                                                            << "7850,5";
    QTest::newRow("point where the comma is the separator") << ","
                                                            << "7850.5";
    QTest::newRow("beyond Extended") << "."
                                     << "1E5000";
}

void TestSupplementaryData::invalidPresetDensity() {
    QFETCH(QString, separator);
    QFETCH(QString, density);
    const TSeparatorGuard guard(separator.at(0).toLatin1());
    StorePresetDensity(density);
    GuiTest::TModalWatcher watcher;
    watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    TFakeComputationHost host;
    host.ShowCube(2);
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen().first().Text, QStringLiteral("Invalid PresetDensity value."));
    QCOMPARE(watcher.Seen().first().Icon, QMessageBox::Critical);
    QCOMPARE(window.windowTitle(), QStringLiteral("Supplementary data"));

    // The window works on without the mass row.
    window.AdaptToSolid(stCube);
    QCOMPARE(Names(window), (QStringList{"Solid diagonal", "Diagonal of face", "Area of face"}));
    window.ShowResult(WithValues(host.Result, RowValues(stCube, {1, 2, 3})));
    const QStringList values = {"1" + separator + "00", "2" + separator + "00",
                                "3" + separator + "00"};
    QCOMPARE(Values(window), values);
    QCOMPARE(window.height(), 80);
    QCOMPARE(watcher.Seen().size(), 1);
}

void TestSupplementaryData::massLeftEmpty_data() {
    QTest::addColumn<QString>("density");
    QTest::addColumn<Extended>("side");
    QTest::addColumn<QString>("massName");
    QTest::addColumn<QString>("mass");
    // A density the settings dialog refuses, stored another way: the mass row says so.
    const QString invalid = QStringLiteral("invalid density");
    QTest::newRow("zero density") << "0" << Extended(2) << "Mass at preset density (0)" << invalid;
    QTest::newRow("negative density")
        << "-3" << Extended(2) << "Mass at preset density (-3)" << invalid;
    QTest::newRow("negative zero")
        << "-0" << Extended(2) << "Mass at preset density (0)" << invalid;
    QTest::newRow("mass beyond Extended")
        << "1E4000" << Extended(1E1000L) << "Mass at preset density (1E4000)" << QString();
}

void TestSupplementaryData::massLeftEmpty() {
    QFETCH(QString, density);
    QFETCH(Extended, side);
    QFETCH(QString, massName);
    QFETCH(QString, mass);
    StorePresetDensity(density);
    GuiTest::TModalWatcher watcher;
    TFakeComputationHost host;
    host.ShowCube(side);
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    window.AdaptToSolid(stCube);
    QCOMPARE(Names(window).last(), massName);
    window.ShowResult(WithValues(host.Result, RowValues(stCube, {1, 2, 3})));
    QCOMPARE(Values(window), (QStringList{"1.00", "2.00", "3.00", mass}));
    QVERIFY2(watcher.Seen().isEmpty(), "no error box on a recalculation");

    // Without a figure there is no mass either; the density's state stays.
    window.ShowResult(WithValues(TSolidResult(), {}));
    QCOMPARE(Values(window).last(), mass);
    // Input errors clear every value, the state included.
    window.ShowResult(StateResult(vaCube, rsChyba_Z));
    QCOMPARE(Values(window).last(), QString());
}

void TestSupplementaryData::closingEmitsClosed() {
    TFakeComputationHost host;
    host.Window.show();
    QPointer<TFormSupplementaryData> window =
        new TFormSupplementaryData(&host.Window, PrimaryClientWidth);
    window->AdaptToSolid(stCube);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QSignalSpy closed(window.data(), &TFormSupplementaryData::Closed);
    // As the computation window does: release the window once the close is over.
    QObject::connect(window.data(), &TFormSupplementaryData::Closed, window.data(),
                     &QObject::deleteLater);
    QVERIFY(window->close());
    QCOMPARE(closed.count(), 1);
    QVERIFY(!window.isNull());
    QVERIFY(!window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

void TestSupplementaryData::snapsBackWhenMoved() {
    TFakeComputationHost host;
    host.Window.show();
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    window.AdaptToSolid(stCube);
    const QPoint place(300, 540);
    window.PlaceAt(place);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.frameGeometry().topLeft(), place);

    window.move(place + QPoint(60, 25));
    QTRY_COMPARE(window.frameGeometry().topLeft(), place);

    // A new place from the computation window is kept.
    const QPoint newPlace(340, 600);
    window.PlaceAt(newPlace);
    QCoreApplication::processEvents();
    QCOMPARE(window.frameGeometry().topLeft(), newPlace);
    window.move(newPlace - QPoint(5, 5));
    QTRY_COMPARE(window.frameGeometry().topLeft(), newPlace);
}

QTEST_MAIN(TestSupplementaryData)
#include "tst_SupplementaryData.moc"
