#include "FakeComputationHost.h"
#include "LabeledEdit.h"
#include "MassCalculation.h"
#include "WindowStyle.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

QLineEdit* Density(QDialog* ADialog) {
    return ADialog->findChild<QLineEdit*>(QStringLiteral("EDensity"));
}

QLineEdit* Mass(QDialog* ADialog) {
    return ADialog->findChild<QLineEdit*>(QStringLiteral("EMass"));
}

} // namespace

class TestMassCalculation : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void massFollowsTyping_data();
    void massFollowsTyping();
    void openedFromMenu();
    void densityIsFiltered();
    void windowAndPlacement();

private:
    std::unique_ptr<GuiTest::TSettingsSandbox> FSandbox;
    std::unique_ptr<GuiTest::TLanguageSandbox> FLanguage;
};

void TestMassCalculation::init() {
    FSandbox = std::make_unique<GuiTest::TSettingsSandbox>();
    FLanguage = std::make_unique<GuiTest::TLanguageSandbox>();
}

void TestMassCalculation::cleanup() {
    FLanguage.reset();
    FSandbox.reset();
}

void TestMassCalculation::massFollowsTyping_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mass");
    QTest::newRow("2 for a cube of 3") << "." << 2 << "2"
                                       << "54.00";
    QTest::newRow("precision 3") << "." << 3 << "2"
                                 << "54.000";
    QTest::newRow("precision 0") << "." << 0 << "2.5"
                                 << "68";
    QTest::newRow("comma") << "," << 2 << "0,5"
                           << "13,50";
    QTest::newRow("zero point zero") << "." << 2 << "0.0"
                                     << "";
    QTest::newRow("separator alone gives 0.") << "." << 2 << "."
                                              << "";
    QTest::newRow("zero density") << "." << 2 << "0"
                                  << "";
    QTest::newRow("large density") << "." << 2 << "1000000000000000"
                                   << "2.70E16";
}

void TestMassCalculation::massFollowsTyping() {
    QFETCH(QString, separator);
    QFETCH(int, precision);
    QFETCH(QString, typed);
    QFETCH(QString, mass);
    const TSeparatorGuard guard(separator.at(0).toLatin1());
    TFakeComputationHost host;
    host.ShowCube(3);
    host.Window.show();
    TFormMassCalculation dialog(&host, host.Result.Figure, TPrecision(precision));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::keyClicks(Density(&dialog), typed);
    QCOMPARE(Mass(&dialog)->text(), mass);
    // Deleting the density empties the mass.
    Density(&dialog)->selectAll();
    QTest::keyClick(Density(&dialog), Qt::Key_Backspace);
    QCOMPARE(Density(&dialog)->text(), QString());
    QCOMPARE(Mass(&dialog)->text(), QString());
}

void TestMassCalculation::openedFromMenu() {
    TFakeComputationHost host;
    host.Window.show();
    host.ShowCube(3);
    host.Results->SetPrecision(4);
    QString mass;
    QString afterEmpty;
    GuiTest::TModalWatcher watcher;
    watcher.Expect([&](QWidget* AModal) {
        auto* dialog = qobject_cast<QDialog*>(AModal);
        QTest::keyClick(Density(dialog), Qt::Key_2);
        mass = Mass(dialog)->text();
        QTest::keyClick(Density(dialog), Qt::Key_Backspace);
        afterEmpty = Mass(dialog)->text();
        QTest::keyClick(Density(dialog), Qt::Key_Escape);
    });
    const int before = int(host.ShownForms.size());
    ClickItem(OpenMenuOn(host.Results), QStringLiteral("MMassCalculation"));
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(mass, QStringLiteral("54.0000"));
    QCOMPARE(afterEmpty, QString());
    QCOMPARE(host.ShownForms.size(), before + 1);
    QVERIFY2(watcher.Unexpected().isEmpty(), qPrintable(watcher.Unexpected().join('\n')));
}

void TestMassCalculation::densityIsFiltered() {
    TFakeComputationHost host;
    host.ShowCube(3);
    host.Window.show();
    TFormMassCalculation dialog(&host, host.Result.Figure, 2);
    dialog.show();
    QTest::keyClicks(Density(&dialog), QStringLiteral("-a1x.5.0"));
    QCOMPARE(Density(&dialog)->text(), QStringLiteral("1.50"));
    QCOMPARE(Mass(&dialog)->text(), QStringLiteral("40.50"));
    // A pasted negative density is a number, but no density of a solid.
    QApplication::clipboard()->setText(QStringLiteral("-2"));
    Density(&dialog)->selectAll();
    QTest::keyClick(Density(&dialog), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Density(&dialog)->text(), QStringLiteral("-2"));
    QCOMPARE(Mass(&dialog)->text(), QString());
    QCOMPARE(Density(&dialog)->maxLength(), 19);
}

void TestMassCalculation::windowAndPlacement() {
    TFakeComputationHost host(true);
    host.DraftWidth = 150;
    host.Window.show();
    host.ShowCube(1);
    TFormMassCalculation dialog(&host, host.Result.Figure, 2);
    TakeWindowStyle(&dialog, &host.Window);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Mass calculation"));
    QCOMPARE(dialog.size(), QSize(169, 145));
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QPoint hostCentre = host.Window.frameGeometry().center();
    const QRect frame = dialog.frameGeometry();
    QCOMPARE(frame.topLeft(),
             QPoint(hostCentre.x() - frame.width() / 2 - 75, hostCentre.y() - frame.height() / 2));

    auto* density = qobject_cast<TLabeledEdit*>(Density(&dialog));
    auto* mass = qobject_cast<TLabeledEdit*>(Mass(&dialog));
    QVERIFY(density && mass);
    QCOMPARE(density->EditLabel()->text(), QStringLiteral("Density"));
    QCOMPARE(mass->EditLabel()->text(), QStringLiteral("Mass"));
    QVERIFY(mass->isReadOnly());
    QVERIFY(!(mass->focusPolicy() & Qt::TabFocus));
    QCOMPARE(density->text(), QString());
    auto* close = dialog.findChild<QPushButton*>(QStringLiteral("BClose"));
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QVERIFY(close->isDefault());
    QVERIFY(density->hasFocus());

    // Enter closes, as Escape does.
    QTest::keyClick(density, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestMassCalculation)
#include "tst_MassCalculation.moc"
