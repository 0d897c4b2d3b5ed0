#include "NumberEntry.h"
#include "MathFunctions.h"
#include "SeparatorGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

namespace {

// A density edit as the dialogs build it: at most 19 characters, filtered.
struct TDensityEdit {
    QWidget Window;
    QLineEdit* Edit = new QLineEdit(&Window);

    TDensityEdit(const QString& AText, int ASelStart, int ASelLength) {
        Edit->setMaxLength(19);
        TNumberEntryFilter::Attach(Edit);
        Window.show();
        Edit->setFocus();
        Edit->setText(AText);
        if (ASelLength > 0)
            Edit->setSelection(ASelStart, ASelLength);
        else
            Edit->setCursorPosition(ASelStart);
    }
};

} // namespace

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

class TestDensityKeyFilter : public QObject {
    Q_OBJECT
private slots:
    void typing_data();
    void typing();
    void clipboardKeys_data();
    void clipboardKeys();
    void cutAndCopy();
    void editingKeysReachTheEdit();
    void contextMenuPaste_data();
    void contextMenuPaste();
    void dropsRefused();
};

void TestDensityKeyFilter::typing_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("caret");

    // separator typed first
    QTest::newRow("comma into empty edit") << ","
                                           << "" << 0 << 0 << ","
                                           << "0," << 2;
    QTest::newRow("comma before 5") << ","
                                    << "5" << 0 << 0 << ","
                                    << "0,5" << 2;
    QTest::newRow("comma over whole selection") << ","
                                                << "12" << 0 << 2 << ","
                                                << "0," << 2;
    QTest::newRow("point as separator first") << "."
                                              << "25" << 0 << 0 << "."
                                              << "0.25" << 2;
    QTest::newRow("comma at the end") << ","
                                      << "12" << 2 << 0 << ","
                                      << "12," << 3;
    // one separator only
    QTest::newRow("second comma") << ","
                                  << "1,2" << 3 << 0 << ","
                                  << "1,2" << 3;
    QTest::newRow("second comma at start") << ","
                                           << "1,2" << 0 << 0 << ","
                                           << "1,2" << 0;
    QTest::newRow("comma replacing the selected comma") << ","
                                                        << "1,2" << 1 << 1 << ","
                                                        << "1,2" << 2;
    // Either separator key types the one in force.
    QTest::newRow("point while comma is the separator") << ","
                                                        << "12" << 2 << 0 << "."
                                                        << "12," << 3;
    QTest::newRow("comma while point is the separator") << "."
                                                        << "12" << 2 << 0 << ","
                                                        << "12." << 3;
    QTest::newRow("point first while comma is the separator") << ","
                                                              << "5" << 0 << 0 << "."
                                                              << "0,5" << 2;
    QTest::newRow("point as a second separator") << ","
                                                 << "1,2" << 3 << 0 << "."
                                                 << "1,2" << 3;
    QTest::newRow("point replacing the selected comma") << ","
                                                        << "1,2" << 1 << 1 << "."
                                                        << "1,2" << 2;
    // zeros
    QTest::newRow("zero before 12,5") << ","
                                      << "12,5" << 0 << 0 << "0"
                                      << "12,5" << 0;
    QTest::newRow("zero before ,5") << ","
                                    << ",5" << 0 << 0 << "0"
                                    << "0,5" << 1;
    QTest::newRow("zero before 0,5") << ","
                                     << "0,5" << 0 << 0 << "0"
                                     << "0,5" << 0;
    QTest::newRow("zero after leading 0") << ","
                                          << "0,5" << 1 << 0 << "0"
                                          << "0,5" << 1;
    QTest::newRow("zero after the comma of 0,5") << ","
                                                 << "0,5" << 2 << 0 << "0"
                                                 << "0,05" << 3;
    QTest::newRow("zero before 12") << ","
                                    << "12" << 0 << 0 << "0"
                                    << "012" << 1;
    QTest::newRow("zero after 1") << ","
                                  << "1" << 1 << 0 << "0"
                                  << "10" << 2;
    QTest::newRow("zero into empty edit") << ","
                                          << "" << 0 << 0 << "0"
                                          << "0" << 1;
    QTest::newRow("second zero of 0") << ","
                                      << "0" << 1 << 0 << "0"
                                      << "0" << 1;
    QTest::newRow("zero replacing the leading 0") << ","
                                                  << "0,5" << 0 << 1 << "0"
                                                  << "0,5" << 1;
    // digits and the rest
    QTest::newRow("digit in the middle") << ","
                                         << "12" << 1 << 0 << "7"
                                         << "172" << 2;
    QTest::newRow("digit over a selection") << ","
                                            << "123" << 0 << 3 << "9"
                                            << "9" << 1;
    QTest::newRow("letter") << ","
                            << "12" << 2 << 0 << "a"
                            << "12" << 2;
    QTest::newRow("exponent letter") << ","
                                     << "12" << 2 << 0 << "E"
                                     << "12" << 2;
    QTest::newRow("minus") << ","
                           << "12" << 0 << 0 << "-"
                           << "12" << 0;
    QTest::newRow("plus") << ","
                          << "12" << 0 << 0 << "+"
                          << "12" << 0;
    QTest::newRow("space") << ","
                           << "12" << 2 << 0 << " "
                           << "12" << 2;
    QTest::newRow("asterisk") << ","
                              << "" << 0 << 0 << "*"
                              << "" << 0;
    QTest::newRow("twentieth character") << ","
                                         << "1234567890123456789" << 19 << 0 << "1"
                                         << "1234567890123456789" << 19;
}

void TestDensityKeyFilter::typing() {
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QFETCH(int, caret);
    const TSeparatorGuard guard(separator.at(0).toLatin1());
    TDensityEdit density(text, selStart, selLength);

    QTest::keyClick(density.Edit, typed.at(0).toLatin1());
    QCOMPARE(density.Edit->text(), result);
    QCOMPARE(density.Edit->cursorPosition(), caret);
}

void TestDensityKeyFilter::clipboardKeys_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("result");

    const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
    const Qt::KeyboardModifiers shift(Qt::ShiftModifier);
    const int v = Qt::Key_V;
    QTest::newRow("paste a word") << "12" << 2 << 0 << "abc" << v << ctrl << "12";
    QTest::newRow("paste a number") << "" << 0 << 0 << "3,5" << v << ctrl << "3,5";
    QTest::newRow("paste sign and exponent") << "" << 0 << 0 << "-1,5E3" << v << ctrl << "-1,5E3";
    QTest::newRow("paste a digit after the comma") << "1,2" << 3 << 0 << "5" << v << ctrl << "1,25";
    QTest::newRow("paste a second comma") << "1,2" << 3 << 0 << ",5" << v << ctrl << "1,2";
    QTest::newRow("paste over the selection") << "1,2" << 0 << 3 << "7,25" << v << ctrl << "7,25";
    QTest::newRow("paste a point number") << "" << 0 << 0 << "3.5" << v << ctrl << "";
    QTest::newRow("paste beyond the length limit")
        << "123456789012345678" << 18 << 0 << "9E5" << v << ctrl << "1234567890123456789";
    QTest::newRow("paste into a full edit")
        << "1234567890123456789" << 19 << 0 << "5" << v << ctrl << "1234567890123456789";
    QTest::newRow("paste with Shift+Insert")
        << "" << 0 << 0 << "42" << int(Qt::Key_Insert) << shift << "42";
    QTest::newRow("word with Shift+Insert")
        << "1" << 1 << 0 << "x" << int(Qt::Key_Insert) << shift << "1";
    QTest::newRow("Ctrl+Shift+V pastes nothing")
        << "" << 0 << 0 << "42" << v << (ctrl | shift) << "";
    QTest::newRow("Ctrl+A selects nothing")
        << "12" << 2 << 0 << "9" << int(Qt::Key_A) << ctrl << "12";
}

void TestDensityKeyFilter::clipboardKeys() {
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, clipboard);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, result);
    const TSeparatorGuard guard(',');
    TDensityEdit density(text, selStart, selLength);
    QApplication::clipboard()->setText(clipboard);

    QTest::keyClick(density.Edit, Qt::Key(key), modifiers);
    QCOMPARE(density.Edit->text(), result);
    if (key == Qt::Key_A)
        QVERIFY(!density.Edit->hasSelectedText());
}

void TestDensityKeyFilter::cutAndCopy() {
    const TSeparatorGuard guard(',');
    TDensityEdit density(QStringLiteral("12,75"), 3, 2);
    QApplication::clipboard()->setText(QStringLiteral("old"));

    QTest::keyClick(density.Edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("75"));
    QCOMPARE(density.Edit->text(), QStringLiteral("12,75"));

    density.Edit->setSelection(0, 2);
    QTest::keyClick(density.Edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12"));
    QCOMPARE(density.Edit->text(), QStringLiteral(",75"));

    // Undo is a control character too: the cut stays.
    QTest::keyClick(density.Edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(density.Edit->text(), QStringLiteral(",75"));
}

void TestDensityKeyFilter::editingKeysReachTheEdit() {
    const TSeparatorGuard guard(',');
    TDensityEdit density(QStringLiteral("12,5"), 4, 0);
    QTest::keyClick(density.Edit, Qt::Key_Backspace);
    QCOMPARE(density.Edit->text(), QStringLiteral("12,"));
    QTest::keyClick(density.Edit, Qt::Key_Home);
    QCOMPARE(density.Edit->cursorPosition(), 0);
    QTest::keyClick(density.Edit, Qt::Key_Delete);
    QCOMPARE(density.Edit->text(), QStringLiteral("2,"));
    QTest::keyClick(density.Edit, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(density.Edit->selectedText(), QStringLiteral("2,"));
}

void TestDensityKeyFilter::contextMenuPaste_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("result");
    QTest::newRow("number") << "1"
                            << "2,5" << true << "12,5";
    QTest::newRow("word") << "1"
                          << "kg" << false << "1";
    QTest::newRow("second separator") << "1,2"
                                      << ",5" << false << "1,2";
    // Pasting keeps its check: the other separator is not turned into this one.
    QTest::newRow("other separator") << "1"
                                     << ".5" << false << "1";
}

void TestDensityKeyFilter::contextMenuPaste() {
    QFETCH(QString, text);
    QFETCH(QString, clipboard);
    QFETCH(bool, enabled);
    QFETCH(QString, result);
    const TSeparatorGuard guard(',');
    TDensityEdit density(text, int(text.size()), 0);
    QApplication::clipboard()->setText(clipboard);

    const QPoint pos(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, density.Edit->mapToGlobal(pos));
    QApplication::sendEvent(density.Edit, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
    QVERIFY(paste);
    QCOMPARE(paste->isEnabled(), enabled);
    if (enabled)
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
    else
        menu->close();
    QCOMPARE(density.Edit->text(), result);
}

void TestDensityKeyFilter::dropsRefused() {
    TDensityEdit density(QString(), 0, 0);
    QVERIFY(!density.Edit->acceptDrops());
}

QTEST_MAIN(TestDensityKeyFilter)
#include "tst_DensityKeyFilter.moc"
