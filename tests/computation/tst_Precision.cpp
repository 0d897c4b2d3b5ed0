#include "FakeComputationHost.h"
#include "Precision.h"
#include "UpDown.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

// What a handler saw inside the running dialog.
struct TSeen {
    QString Title;
    QString OKText;
    QString EditText;
    QString VolumeWhileOpen;
    bool ReadOnly = false;
    bool OnTop = false;
    QRect Frame;
    QSize Size;
};

// Opens the custom precision dialog through the panel's menu and lets AInside
// work on it; AInside must close it.
void RunCustomPrecision(TFakeComputationHost& AHost, const std::function<void(QDialog*)>& AInside) {
    GuiTest::TModalWatcher watcher;
    watcher.Expect([&AInside](QWidget* AModal) { AInside(qobject_cast<QDialog*>(AModal)); });
    QMenu* menu = OpenMenuOn(AHost.Results);
    QVERIFY(menu);
    ClickItem(menu, QStringLiteral("MCustomPrecision"));
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen().at(0).ClassName, QStringLiteral("TFormPrecision"));
    QVERIFY2(watcher.Unexpected().isEmpty(), qPrintable(watcher.Unexpected().join('\n')));
}

QLineEdit* Edit(QDialog* ADialog) {
    return ADialog->findChild<QLineEdit*>(QStringLiteral("ENewPrecision"));
}

} // namespace

class TestPrecision : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void previewThenEscapeRestores();
    void previewThenOKKeeps();
    void closeBoxRestores();
    void spinnerBounds_data();
    void spinnerBounds();
    void startClamped();
    void windowAndPlacement();

private:
    std::unique_ptr<GuiTest::TSettingsSandbox> FSandbox;
    std::unique_ptr<GuiTest::TLanguageSandbox> FLanguage;
};

void TestPrecision::init() {
    FSandbox = std::make_unique<GuiTest::TSettingsSandbox>();
    FLanguage = std::make_unique<GuiTest::TLanguageSandbox>();
}

void TestPrecision::cleanup() {
    FLanguage.reset();
    FSandbox.reset();
}

void TestPrecision::previewThenEscapeRestores() {
    TFakeComputationHost host;
    host.Window.show();
    host.ShowValues(ReadExtended(QStringLiteral("1234.5678")), 1);
    TSeen seen;
    RunCustomPrecision(host, [&](QDialog* ADialog) {
        seen.EditText = Edit(ADialog)->text();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(Edit(ADialog), Qt::Key_Up);
        seen.VolumeWhileOpen = host.VolumeText();
        QTest::keyClick(Edit(ADialog), Qt::Key_Escape);
    });
    QCOMPARE(seen.EditText, QStringLiteral("2"));
    // Each step previews in the side windows too; closing writes them in 2 again.
    QCOMPARE(host.ShownPrecisions, (QList<int>{3, 4, 5, 2}));
    QCOMPARE(host.ShownTexts.at(2), QStringLiteral("1234.56780"));
    QCOMPARE(seen.VolumeWhileOpen, QStringLiteral("1234.56780"));
    // Back to two decimals; nothing stored.
    QCOMPARE(int(host.Results->Precision()), 2);
    QCOMPARE(host.VolumeText(), QStringLiteral("1234.57"));
    QCOMPARE(StoredSetting(QStringLiteral("Precision")), QStringLiteral("(none)"));
}

void TestPrecision::previewThenOKKeeps() {
    TFakeComputationHost host;
    host.Window.show();
    host.ShowValues(ReadExtended(QStringLiteral("1234.5678")), 1);
    RunCustomPrecision(host, [&](QDialog* ADialog) {
        auto* up = ADialog->findChild<TUpDown*>(QStringLiteral("UDNewPrecision"));
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(up->UpButton(), Qt::LeftButton);
        QTest::keyClick(Edit(ADialog), Qt::Key_Return);
    });
    QCOMPARE(int(host.Results->Precision()), 5);
    QCOMPARE(host.VolumeText(), QStringLiteral("1234.56780"));
    QCOMPARE(StoredSetting(QStringLiteral("Precision")), QStringLiteral("5"));

    // The next opening starts at the kept precision and shows it in the menu.
    QMenu* menu = OpenMenuOn(host.Results);
    QCOMPARE(menu->findChild<QAction*>("MCustomPrecision")->text(),
             QStringLiteral("Custom precision: 5..."));
    menu->close();
}

void TestPrecision::closeBoxRestores() {
    TFakeComputationHost host;
    host.Window.show();
    host.ShowValues(ReadExtended(QStringLiteral("0.5")), 1);
    RunCustomPrecision(host, [&](QDialog* ADialog) {
        QTest::keyClick(Edit(ADialog), Qt::Key_Down);
        ADialog->close();
    });
    QCOMPARE(host.ShownPrecisions, (QList<int>{1, 2}));
    QCOMPARE(int(host.Results->Precision()), 2);
    QCOMPARE(host.VolumeText(), QStringLiteral("0.50"));
    QCOMPARE(StoredSetting(QStringLiteral("Precision")), QStringLiteral("(none)"));
}

void TestPrecision::spinnerBounds_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("end");
    QTest::addColumn<QList<int>>("previews");
    // The previews, then the precision kept.
    QTest::newRow("down to 0") << 2 << int(Qt::Key_Down) << 5 << 0 << QList<int>{1, 0, 0};
    QTest::newRow("up to 14") << 12 << int(Qt::Key_Up) << 5 << 14 << QList<int>{13, 14, 14};
}

void TestPrecision::spinnerBounds() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, presses);
    QFETCH(int, end);
    QFETCH(QList<int>, previews);
    StoreSetting(QStringLiteral("Precision"), QString::number(start));
    TFakeComputationHost host;
    host.Window.show();
    host.ShowValues(1, 1);
    QString text;
    RunCustomPrecision(host, [&](QDialog* ADialog) {
        for (int i = 0; i < presses; ++i)
            QTest::keyClick(Edit(ADialog), Qt::Key(key));
        // Typing cannot change the read-only edit.
        QTest::keyClicks(Edit(ADialog), QStringLiteral("99"));
        text = Edit(ADialog)->text();
        QTest::keyClick(ADialog, Qt::Key_Enter);
    });
    QCOMPARE(text, QString::number(end));
    QCOMPARE(host.ShownPrecisions, previews);
    QCOMPARE(int(host.Results->Precision()), end);
    QCOMPARE(StoredSetting(QStringLiteral("Precision")), QString::number(end));
}

void TestPrecision::startClamped() {
    TFakeComputationHost host;
    QList<int> previews;
    TFormPrecision dialog(&host, 40,
                          [&previews](TPrecision APrecision) { previews << APrecision; });
    QCOMPARE(int(dialog.NewPrecision()), 14);
    QCOMPARE(Edit(&dialog)->text(), QStringLiteral("14"));
    QCOMPARE(Edit(&dialog)->maxLength(), 2);
    QVERIFY(Edit(&dialog)->isReadOnly());
    // Building the dialog previews nothing.
    QVERIFY(previews.isEmpty());
    QVERIFY(host.ShownPrecisions.isEmpty());
}

void TestPrecision::windowAndPlacement() {
    TFakeComputationHost host(true);
    host.DraftWidth = 201;
    host.Window.show();
    host.ShowValues(1, 1);
    TSeen seen;
    RunCustomPrecision(host, [&](QDialog* ADialog) {
        seen.Title = ADialog->windowTitle();
        seen.OKText = ADialog->findChild<QPushButton*>(QStringLiteral("BOK"))->text();
        seen.OnTop = ADialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        seen.Frame = ADialog->frameGeometry();
        seen.Size = ADialog->size();
        seen.ReadOnly = Edit(ADialog)->isReadOnly();
        ADialog->reject();
    });
    QCOMPARE(seen.Title, QStringLiteral("Precision"));
    QCOMPARE(seen.OKText, QStringLiteral("OK"));
    QVERIFY(seen.OnTop);
    QVERIFY(seen.ReadOnly);
    QCOMPARE(seen.Size, QSize(123, 92));
    const QPoint hostCentre = host.Window.frameGeometry().center();
    // Centred on the window, then left by half the draft panel (201 / 2 = 100).
    QCOMPARE(seen.Frame.x(), hostCentre.x() - seen.Frame.width() / 2 - 100);
    QCOMPARE(seen.Frame.y(), hostCentre.y() - seen.Frame.height() / 2);
}

QTEST_MAIN(TestPrecision)
#include "tst_Precision.moc"
