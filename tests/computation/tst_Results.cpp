#include "FakeComputationHost.h"
#include "MathFunctions.h"
#include "Results.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QtTest>

#include <limits>

namespace {
QLabel* Label(const TFakeComputationHost& AHost, const char* AName) {
    return AHost.Results->findChild<QLabel*>(QLatin1String(AName));
}
} // namespace

class TestResults : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void display_data();
    void display();
    void bothLinesAndArea();
    void longExponentStaysInside();
    void notFiniteIsNeverShown();
    void states_data();
    void states();
    void stateHidesSemilogarithmicLabels();
    void settingsAtCreation_data();
    void settingsAtCreation();
    void freshPanelMenu();
    void menuCaptions();
    void customPrecisionCaption();
    void formItemsWriteForm();
    void precisionItemsWritePrecision();
    void copyPutsMantissaOnClipboard();
    void massItemOnlyWithResults();
    void componentNames();

private:
    std::unique_ptr<GuiTest::TSettingsSandbox> FSandbox;
    std::unique_ptr<GuiTest::TLanguageSandbox> FLanguage;
};

void TestResults::init() {
    FSandbox = std::make_unique<GuiTest::TSettingsSandbox>();
    FLanguage = std::make_unique<GuiTest::TLanguageSandbox>();
}

void TestResults::cleanup() {
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    FLanguage.reset();
    FSandbox.reset();
}

void TestResults::display_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<bool>("semilog");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("decade");
    QTest::addColumn<QString>("exponent"); // empty: hidden

    QTest::newRow("1234.5678 basic") << "1234.5678" << 2 << false << "."
                                     << "1234.57" << false << "";
    QTest::newRow("1234.5678 semilog") << "1234.5678" << 2 << true << "."
                                       << "1.23" << true << "3";
    QTest::newRow("1234.5678 comma") << "1234.5678" << 2 << false << ","
                                     << "1234,57" << false << "";
    QTest::newRow("zero basic") << "0" << 2 << false << "."
                                << "0.00" << false << "";
    QTest::newRow("zero semilog") << "0" << 2 << true << "."
                                  << "0.00" << false << "";
    QTest::newRow("2e15 basic") << "2e15" << 2 << false << "."
                                << "2.00" << true << "15";
    QTest::newRow("2e15 semilog") << "2e15" << 2 << true << "."
                                  << "2.00" << true << "15";
    QTest::newRow("just below 1e15 rounds up") << "999999999999999.9" << 2 << false << "."
                                               << "1.00" << true << "15";
    QTest::newRow("15 integer digits") << "999999999999999" << 2 << false << "."
                                       << "999999999999999" << false << "";
    QTest::newRow("0.00001234 basic") << "0.00001234" << 2 << false << "."
                                      << "1.23" << true << "-5";
    QTest::newRow("0.00001234 semilog") << "0.00001234" << 2 << true << "."
                                        << "1.23" << true << "-5";
    QTest::newRow("0.0001 stays basic") << "0.0001" << 2 << false << "."
                                        << "0.00" << false << "";
    QTest::newRow("0.0001 precision 14") << "0.00012345" << 14 << false << "."
                                         << "0.00012345000000" << false << "";
    QTest::newRow("123.456 semilog") << "123.456" << 2 << true << "."
                                     << "1.23" << true << "2";
    QTest::newRow("12.5 semilog") << "12.5" << 2 << true << "."
                                  << "1.25" << true << "";
    QTest::newRow("5 semilog") << "5" << 2 << true << "."
                               << "5.00" << false << "";
    QTest::newRow("0.5 semilog") << "0.5" << 3 << true << ","
                                 << "5,000" << true << "-1";
    QTest::newRow("10^150") << "1e150" << 2 << false << "."
                            << "1.00" << true << "150";
    QTest::newRow("precision 0") << "1234.5678" << 0 << false << "."
                                 << "1235" << false << "";
    QTest::newRow("precision 0 semilog") << "1234.5678" << 0 << true << "."
                                         << "1" << true << "3";
    QTest::newRow("precision 14, twelve integer digits") << "123456789012.5" << 14 << false << "."
                                                         << "123456789012.500" << false << "";
    QTest::newRow("precision 14, one integer digit") << "2.5" << 14 << false << "."
                                                     << "2.50000000000000" << false << "";
    QTest::newRow("precision 14 semilog") << "123456.789" << 14 << true << "."
                                          << "1.23456789000000" << true << "5";
    QTest::newRow("mantissa rounds up to ten") << "9.996" << 2 << true << "."
                                               << "10.00" << false << "";
    QTest::newRow("mantissa rounds up, exponent kept") << "99960" << 2 << true << "."
                                                       << "10.00" << true << "4";
    QTest::newRow("15 digits, not the 16th") << "1.0000000000000049" << 14 << false << "."
                                             << "1.00000000000000" << false << "";
}

void TestResults::display() {
    QFETCH(QString, value);
    QFETCH(int, precision);
    QFETCH(bool, semilog);
    QFETCH(QString, separator);
    QFETCH(QString, shown);
    QFETCH(bool, decade);
    QFETCH(QString, exponent);
    StoreSetting(QStringLiteral("Form"), semilog ? QStringLiteral("1") : QStringLiteral("0"));
    const TSeparatorGuard guard(separator.at(0).toLatin1());
    TFakeComputationHost host;
    host.Window.show();
    host.Results->SetPrecision(TPrecision(precision));

    host.ShowValues(ReadExtended(value), 1);
    QCOMPARE(host.Results->ResultState(), rsSpocitano);
    QCOMPARE(Label(host, "ResultVolume")->text(), shown);
    QCOMPARE(Label(host, "DecadeV")->isVisible(), decade);
    QCOMPARE(Label(host, "ExponentV")->isVisible(), !exponent.isEmpty());
    if (!exponent.isEmpty())
        QCOMPARE(Label(host, "ExponentV")->text(), exponent);
}

void TestResults::bothLinesAndArea() {
    TFakeComputationHost host;
    host.Window.show();
    host.ShowCube(3);
    QCOMPARE(host.VolumeText(), QStringLiteral("27.00"));
    QCOMPARE(host.AreaText(), QStringLiteral("54.00"));
    QVERIFY(!Label(host, "DecadeA")->isVisible());

    // Each line takes its own exponent.
    host.ShowValues(ReadExtended(QStringLiteral("5")), ReadExtended(QStringLiteral("3e-7")));
    QVERIFY(!Label(host, "DecadeV")->isVisible());
    QCOMPARE(host.AreaText(), QStringLiteral("3.00"));
    QVERIFY(Label(host, "DecadeA")->isVisible());
    QCOMPARE(Label(host, "ExponentA")->text(), QStringLiteral("-7"));
}

void TestResults::longExponentStaysInside() {
    TFakeComputationHost host;
    host.Window.show();
    host.ShowValues(ReadExtended(QStringLiteral("1e-4900")), ReadExtended(QStringLiteral("7e3")));
    QLabel* exponent = Label(host, "ExponentV");
    QCOMPARE(exponent->text(), QStringLiteral("-4900"));
    const QRect inFrame(exponent->mapTo(host.Results, QPoint(0, 0)), exponent->size());
    QVERIFY(host.Results->rect().contains(inFrame));
    QVERIFY(Label(host, "DecadeV")->geometry().right() < exponent->geometry().left());
    // A short exponent is back in its place.
    QCOMPARE(Label(host, "ExponentA")->mapTo(host.Results, QPoint(0, 0)).x(), 198);
}

void TestResults::notFiniteIsNeverShown() {
    TFakeComputationHost host;
    host.Window.show();
    host.ShowValues(ReadExtended(QStringLiteral("2e15")), 1);
    const Extended infinity = std::numeric_limits<Extended>::infinity();
    host.ShowValues(infinity, 1);
    QCOMPARE(host.Results->ResultState(), rsChyba_Z);
    QCOMPARE(host.VolumeText(), QStringLiteral("Input error"));
    QCOMPARE(host.AreaText(), QStringLiteral("Input error"));
    QVERIFY(!Label(host, "DecadeV")->isVisible());
    host.ShowValues(1, std::numeric_limits<Extended>::quiet_NaN());
    QCOMPARE(host.Results->ResultState(), rsChyba_Z);
    QCOMPARE(host.AreaText(), QStringLiteral("Input error"));
}

void TestResults::states_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::newRow("rsNespocitano") << int(rsNespocitano) << "---";
    QTest::newRow("rsChyba_Z") << int(rsChyba_Z) << "Input error";
    QTest::newRow("rsChyba_V") << int(rsChyba_V) << "v < 2r";
    QTest::newRow("rsChyba_T") << int(rsChyba_T) << "a + b > c ...";
    QTest::newRow("rsChyba_N") << int(rsChyba_N) << "n > 2";
    QTest::newRow("rsChyba_C") << int(rsChyba_C) << "h < 2r";
    QTest::newRow("rsChyba_CR") << int(rsChyba_CR) << "r1 > r2";
    QTest::newRow("rsChyba_TC") << int(rsChyba_TC) << "r1 <> r2";
    QTest::newRow("rsChyba_TPa") << int(rsChyba_TPa) << "a1 <> a2";
    QTest::newRow("rsChyba_TPb") << int(rsChyba_TPb) << "b1 <> b2";
}

void TestResults::states() {
    QFETCH(int, state);
    QFETCH(QString, text);
    TFakeComputationHost host;
    host.ShowValues(ReadExtended(QStringLiteral("2")), ReadExtended(QStringLiteral("4")));
    host.Show(StateResult(vaCube, TResultState(state)));
    QCOMPARE(int(host.Results->ResultState()), state);
    QCOMPARE(host.VolumeText(), text);
    QCOMPARE(host.AreaText(), text);
    QCOMPARE(ResultStateText(TResultState(state)), text);
}

void TestResults::stateHidesSemilogarithmicLabels() {
    StoreSetting(QStringLiteral("Form"), QStringLiteral("1"));
    TFakeComputationHost host;
    host.Window.show();
    host.ShowValues(ReadExtended(QStringLiteral("123.456")), ReadExtended(QStringLiteral("0.05")));
    QVERIFY(Label(host, "DecadeV")->isVisible());
    QVERIFY(Label(host, "ExponentA")->isVisible());
    host.Show(StateResult(vaCube, rsChyba_N));
    QCOMPARE(host.VolumeText(), QStringLiteral("n > 2"));
    for (const char* name : {"DecadeV", "DecadeA", "ExponentV", "ExponentA"})
        QVERIFY2(!Label(host, name)->isVisible(), name);
    // The next result brings them back.
    host.ShowValues(ReadExtended(QStringLiteral("123.456")), ReadExtended(QStringLiteral("0.05")));
    QVERIFY(Label(host, "DecadeV")->isVisible());
    QVERIFY(Label(host, "ExponentA")->isVisible());
}

void TestResults::settingsAtCreation_data() {
    QTest::addColumn<QString>("precision"); // empty: not stored
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("panelPrecision");
    QTest::addColumn<bool>("semilog");
    QTest::newRow("nothing stored") << ""
                                    << "" << 2 << false;
    QTest::newRow("precision 5, semilog") << "5"
                                          << "1" << 5 << true;
    QTest::newRow("any other form is semilog") << "0"
                                               << "7" << 0 << true;
    QTest::newRow("form not a number") << "14"
                                       << "x" << 14 << false;
    QTest::newRow("precision not a number") << "abc"
                                            << "0" << 2 << false;
    QTest::newRow("precision above 14") << "20"
                                        << "0" << 14 << false;
    QTest::newRow("negative precision") << "-1"
                                        << "0" << 0 << false;
}

void TestResults::settingsAtCreation() {
    QFETCH(QString, precision);
    QFETCH(QString, form);
    QFETCH(int, panelPrecision);
    QFETCH(bool, semilog);
    if (!precision.isEmpty())
        StoreSetting(QStringLiteral("Precision"), precision);
    if (!form.isEmpty())
        StoreSetting(QStringLiteral("Form"), form);
    TFakeComputationHost host;
    QCOMPARE(int(host.Results->Precision()), panelPrecision);
    QCOMPARE(host.Results->SemilogarithmicForm(), semilog);
    QCOMPARE(host.Results->Menu()->findChild<QAction*>("MBasicForm")->isChecked(), !semilog);
    QCOMPARE(host.Results->ResultState(), rsNespocitano);
    QCOMPARE(host.VolumeText(), QStringLiteral("---"));
    QCOMPARE(host.AreaText(), QStringLiteral("---"));
    QCOMPARE(host.Results->focusPolicy(), Qt::NoFocus);
}

void TestResults::freshPanelMenu() {
    TFakeComputationHost host;
    host.Window.show();
    QMenu* menu = OpenMenuOn(Label(host, "ResultVolume"));
    QVERIFY(menu);
    QCOMPARE(menu, host.Results->Menu());
    for (const char* name : {"MCopyVolumeToClipboard", "MCopyAreaToClipboard", "MMassCalculation"})
        QVERIFY2(!menu->findChild<QAction*>(name)->isEnabled(), name);
    QVERIFY(menu->findChild<QAction*>("MBasicForm")->isChecked());
    QVERIFY(menu->findChild<QAction*>("MPrecision2")->isChecked());
    QCOMPARE(menu->findChild<QAction*>("MCustomPrecision")->text(),
             QStringLiteral("Custom precision..."));
    menu->close();

    // With results, the frame itself opens the menu with everything enabled.
    host.ShowCube(2);
    menu = OpenMenuOn(host.Results);
    QVERIFY(menu);
    for (const char* name : {"MCopyVolumeToClipboard", "MCopyAreaToClipboard", "MMassCalculation"})
        QVERIFY2(menu->findChild<QAction*>(name)->isEnabled(), name);
    menu->close();
}

void TestResults::menuCaptions() {
    TFakeComputationHost host;
    QMenu* menu = host.Results->Menu();
    QStringList texts;
    QStringList names;
    for (QAction* item : menu->actions()) {
        names << item->objectName();
        texts << item->text();
    }
    QCOMPARE(names, (QStringList{"MCopyVolumeToClipboard", "MCopyAreaToClipboard",
                                 "MCopyReportToClipboard", "Cara1", "MBasicForm",
                                 "MSemilogarithmicForm", "Cara2", "MPrecision2", "MPrecision3",
                                 "MPrecision14", "MCustomPrecision", "Cara3", "MMassCalculation"}));
    QCOMPARE(texts,
             (QStringList{"Copy volume to clipboard", "Copy surface area to clipboard",
                          "Copy report to clipboard", "", "Basic form", "Semilogarithmic form", "",
                          "Precision: 2", "Precision: 3", "Precision: 14 (full)",
                          "Custom precision...", "", "Mass calculation..."}));
    QCOMPARE(menu->findChild<QAction*>("MMassCalculation")->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_M));
}

void TestResults::customPrecisionCaption() {
    StoreSetting(QStringLiteral("Precision"), QStringLiteral("5"));
    TFakeComputationHost host;
    host.Window.show();
    QMenu* menu = OpenMenuOn(Label(host, "LVolume"));
    QVERIFY(menu);
    QAction* custom = menu->findChild<QAction*>("MCustomPrecision");
    QVERIFY(custom->isChecked());
    QCOMPARE(custom->text(), QStringLiteral("Custom precision: 5..."));
    menu->close();

    // Back to a listed precision: the caption loses the number again.
    menu = OpenMenuOn(Label(host, "LVolume"));
    ClickItem(menu, QStringLiteral("MPrecision3"));
    menu = OpenMenuOn(Label(host, "LVolume"));
    QVERIFY(menu->findChild<QAction*>("MPrecision3")->isChecked());
    QCOMPARE(custom->text(), QStringLiteral("Custom precision..."));
    menu->close();
}

void TestResults::formItemsWriteForm() {
    TFakeComputationHost host;
    host.Window.show();
    host.ShowValues(ReadExtended(QStringLiteral("1234.5678")), 1);
    const int before = int(host.ShownForms.size());

    // The panel writes its result anew and hands the form on to the side windows.
    ClickItem(OpenMenuOn(Label(host, "ResultArea")), QStringLiteral("MSemilogarithmicForm"));
    QCOMPARE(StoredSetting(QStringLiteral("Form")), QStringLiteral("1"));
    QCOMPARE(host.ShownForms.size(), before + 1);
    QVERIFY(host.ShownForms.last() == (TNumberForm{2, true}));
    QCOMPARE(host.VolumeText(), QStringLiteral("1.23"));
    QVERIFY(Label(host, "ExponentV")->isVisible());

    ClickItem(OpenMenuOn(Label(host, "ResultArea")), QStringLiteral("MBasicForm"));
    QCOMPARE(StoredSetting(QStringLiteral("Form")), QStringLiteral("0"));
    QCOMPARE(host.ShownForms.size(), before + 2);
    QVERIFY(host.ShownForms.last() == (TNumberForm{2, false}));
    QCOMPARE(host.VolumeText(), QStringLiteral("1234.57"));
    QVERIFY(!Label(host, "DecadeV")->isVisible());
}

void TestResults::precisionItemsWritePrecision() {
    TFakeComputationHost host;
    host.Window.show();
    host.ShowValues(ReadExtended(QStringLiteral("1234.5678")), 1);

    ClickItem(OpenMenuOn(Label(host, "ResultVolume")), QStringLiteral("MPrecision3"));
    QCOMPARE(int(host.Results->Precision()), 3);
    QCOMPARE(StoredSetting(QStringLiteral("Precision")), QStringLiteral("3"));
    QCOMPARE(host.VolumeText(), QStringLiteral("1234.568"));
    QCOMPARE(host.ShownPrecisions.last(), 3);

    ClickItem(OpenMenuOn(Label(host, "ResultVolume")), QStringLiteral("MPrecision14"));
    QCOMPARE(StoredSetting(QStringLiteral("Precision")), QStringLiteral("14"));
    QCOMPARE(host.VolumeText(), QStringLiteral("1234.56780000000"));

    ClickItem(OpenMenuOn(Label(host, "ResultVolume")), QStringLiteral("MPrecision2"));
    QCOMPARE(StoredSetting(QStringLiteral("Precision")), QStringLiteral("2"));
    QCOMPARE(host.VolumeText(), QStringLiteral("1234.57"));
}

void TestResults::copyPutsMantissaOnClipboard() {
    StoreSetting(QStringLiteral("Form"), QStringLiteral("1"));
    TFakeComputationHost host;
    host.Window.show();
    host.ShowValues(ReadExtended(QStringLiteral("123.456")), ReadExtended(QStringLiteral("0.5")));
    QApplication::clipboard()->clear();
    const int before = int(host.ShownForms.size());

    ClickItem(OpenMenuOn(Label(host, "ResultVolume")), QStringLiteral("MCopyVolumeToClipboard"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1.23"));
    ClickItem(OpenMenuOn(Label(host, "ResultVolume")), QStringLiteral("MCopyAreaToClipboard"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("5.00"));
    // Even a copy ends with the result written anew in the panel's form; no
    // setting is written.
    QCOMPARE(host.ShownForms.size(), before + 2);
    QCOMPARE(StoredSetting(QStringLiteral("Precision")), QStringLiteral("(none)"));
}

void TestResults::massItemOnlyWithResults() {
    GuiTest::TModalWatcher watcher;
    TFakeComputationHost host;
    host.Window.show();
    // No results: Ctrl+M does nothing at all.
    host.Results->MassCalculationClick();
    QCOMPARE(host.ShownForms.size(), 0);

    host.ShowCube(3);
    const int before = int(host.ShownForms.size());
    watcher.Expect(GuiTest::CloseDialog());
    host.Results->MassCalculationClick();
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen().at(0).ClassName, QStringLiteral("TFormMassCalculation"));
    QCOMPARE(watcher.Seen().at(0).Title, QStringLiteral("Mass calculation"));
    QCOMPARE(host.ShownForms.size(), before + 1);
    QVERIFY2(watcher.Unexpected().isEmpty(), qPrintable(watcher.Unexpected().join('\n')));
}

void TestResults::componentNames() {
    TFakeComputationHost host;
    for (const char* name : {"Panel", "LVolume", "LArea", "ResultVolume", "ResultArea", "DecadeV",
                             "DecadeA", "ExponentV", "ExponentA", "LEqualV", "LEqualA"}) {
        QWidget* widget = host.Results->findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(widget, name);
        // A screen reader never hears the objectName.
        QVERIFY2(widget->accessibleName() != QLatin1String(name), name);
    }
    QCOMPARE(host.Results->size(), QSize(220, 54));
    QCOMPARE(Label(host, "LVolume")->font().pixelSize(), 13);
    QCOMPARE(Label(host, "ResultVolume")->font().pixelSize(), 11);
    QVERIFY(Label(host, "ResultVolume")->font().bold());
    host.Results->UseComputationWindowLook();
    QCOMPARE(host.Results->size(), QSize(220, 54));
    QCOMPARE(Label(host, "LVolume")->font().pixelSize(), 15);
    QCOMPARE(Label(host, "ExponentV")->font().pixelSize(), 12);
    QCOMPARE(host.Results->palette().color(QPalette::Window), QColor(245, 243, 239));
}

QTEST_MAIN(TestResults)
#include "tst_Results.moc"
