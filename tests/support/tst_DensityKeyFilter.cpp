#include "GuiTestFixture.h"
#include "MathFunctions.h"
#include "NumberEntry.h"
#include "SeparatorGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QToolTip>
#include <QtTest>

namespace {

// A density edit as the dialogs build it: at most 19 characters, filtered.
struct TDensityEdit {
    QWidget Window;
    QLineEdit* Edit = new QLineEdit(&Window);

    TDensityEdit(const QString& AText, int ASelStart, int ASelLength,
                 TNumberKind AKind = nkNumber) {
        Edit->setMaxLength(19);
        TNumberEntryFilter::Attach(Edit, AKind);
        Window.show();
        Edit->setFocus();
        Edit->setText(AText);
        if (ASelLength > 0)
            Edit->setSelection(ASelStart, ASelLength);
        else
            Edit->setCursorPosition(ASelStart);
    }
};

// The texts of a menu's items as shown, without the accelerator marks and shortcuts.
QStringList ItemTexts(const QMenu* AMenu) {
    QStringList texts;
    for (const QAction* action : AMenu->actions())
        if (!action->isSeparator())
            texts << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    return texts;
}

// Opens AEdit's context menu as the right mouse button does; the menu shown.
QMenu* OpenContextMenu(QLineEdit* AEdit) {
    const QPoint pos(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, AEdit->mapToGlobal(pos));
    QApplication::sendEvent(AEdit, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

} // namespace

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)
Q_DECLARE_METATYPE(TNumberKind)

class TestDensityKeyFilter : public QObject {
    Q_OBJECT
private slots:
    void typing_data();
    void typing();
    void clipboardKeys_data();
    void clipboardKeys();
    void cutAndCopy();
    void editingKeysReachTheEdit();
    void refusalSaysWhatTheEditTakes_data();
    void refusalSaysWhatTheEditTakes();
    void contextMenuPaste_data();
    void contextMenuPaste();
    void contextMenuOffersWhatWorks_data();
    void contextMenuOffersWhatWorks();
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

void TestDensityKeyFilter::refusalSaysWhatTheEditTakes_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<TNumberKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("tip"); // empty: none shown
    const QString number = QStringLiteral("Digits and one decimal separator");
    const QString radius =
        QStringLiteral("Digits and one decimal separator; a * first makes the number a diameter");
    const QString count = QStringLiteral("Digits only: a whole number");
    const QString en = QStringLiteral("English");
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
    QTest::newRow("exponent letter") << en << nkNumber << "1" << int(Qt::Key_E) << none << number;
    QTest::newRow("minus") << en << nkNumber << "1" << int(Qt::Key_Minus) << none << number;
    QTest::newRow("second comma") << en << nkNumber << "1,2" << int(Qt::Key_Comma) << none
                                  << number;
    QTest::newRow("asterisk in a number")
        << en << nkNumber << "" << int(Qt::Key_Asterisk) << none << number;
    QTest::newRow("letter in a radius")
        << en << nkRadius << "1" << int(Qt::Key_X) << none << radius;
    QTest::newRow("comma in a count")
        << en << nkCount << "1" << int(Qt::Key_Comma) << none << count;
    QTest::newRow("word pasted by a key")
        << en << nkNumber << "1" << int(Qt::Key_V) << ctrl << number;
    QTest::newRow("Czech") << "Czech" << nkNumber << "1" << int(Qt::Key_E) << none
                           << QStringLiteral("Číslice a jeden desetinný oddělovač");
    QTest::newRow("Slovak") << "Slovak" << nkCount << "1" << int(Qt::Key_A) << none
                            << QStringLiteral("Len číslice: celé číslo");
    // What gets in, and what is refused without loss, says nothing.
    QTest::newRow("digit") << en << nkNumber << "1" << int(Qt::Key_5) << none << "";
    QTest::newRow("separator first") << en << nkNumber << "" << int(Qt::Key_Comma) << none << "";
    QTest::newRow("diameter mark") << en << nkRadius << "" << int(Qt::Key_Asterisk) << none << "";
    QTest::newRow("zero that only leads") << en << nkNumber << "0" << int(Qt::Key_0) << none << "";
    QTest::newRow("leading zero of a count") << en << nkCount << "" << int(Qt::Key_0) << none << "";
    QTest::newRow("number pasted by a key") << en << nkNumber << "" << int(Qt::Key_V) << ctrl << "";
    QTest::newRow("select all") << en << nkNumber << "1" << int(Qt::Key_A) << ctrl << "";
}

// A refused key shows, at the edit, what the edit takes, in the language: a tool-tip,
// never a message box.
void TestDensityKeyFilter::refusalSaysWhatTheEditTakes() {
    QFETCH(QString, language);
    QFETCH(TNumberKind, kind);
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, tip);
    GuiTest::TLanguageSandbox languages(language);
    GuiTest::TModalWatcher watcher;
    const TSeparatorGuard guard(',');
    TDensityEdit density(text, int(text.size()), 0, kind);
    QApplication::clipboard()->setText(text.isEmpty() ? QStringLiteral("2,5")
                                                      : QStringLiteral("kg"));
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());

    QTest::keyClick(density.Edit, Qt::Key(key), modifiers);
    if (tip.isEmpty()) {
        QVERIFY2(!QToolTip::isVisible(), qPrintable(QToolTip::text()));
    } else {
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), tip);
        QCOMPARE(density.Edit->text(), text);
    }
    QVERIFY(watcher.Unexpected().isEmpty());
    QToolTip::hideText();
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

    QMenu* menu = OpenContextMenu(density.Edit);
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

void TestDensityKeyFilter::contextMenuOffersWhatWorks_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("item");        // the item chosen
    QTest::addColumn<QStringList>("enabled"); // the items enabled
    QTest::addColumn<QString>("text");        // the edit's text afterwards
    QTest::addColumn<QString>("selected");    // and its selection
    const QString en = QStringLiteral("English");
    QTest::newRow("select all") << en << 2 << 0 << "select-all"
                                << QStringList{"edit-paste", "select-all"} << "12,5"
                                << "12,5";
    QTest::newRow("delete the selection")
        << en << 0 << 2 << "edit-delete"
        << QStringList{"edit-cut", "edit-copy", "edit-paste", "edit-delete", "select-all"} << ",5"
        << "";
    QTest::newRow("cut") << en << 3 << 1 << "edit-cut"
                         << QStringList{"edit-cut", "edit-copy", "edit-paste", "edit-delete",
                                        "select-all"}
                         << "12,"
                         << "";
    QTest::newRow("all selected") << "Czech" << 0 << 4 << "edit-copy"
                                  << QStringList{"edit-cut", "edit-copy", "edit-paste",
                                                 "edit-delete"}
                                  << "12,5"
                                  << "12,5";
}

// The menu offers Cut, Copy, Paste, Delete and Select All, in Qt's words for them in
// the language (those of Qt's own menu for an edit), never Undo or Redo, which the
// typing rule does not let work; each item does what it says.
void TestDensityKeyFilter::contextMenuOffersWhatWorks() {
    QFETCH(QString, language);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, item);
    QFETCH(QStringList, enabled);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    GuiTest::TLanguageSandbox languages(language);
    const TSeparatorGuard guard(',');
    TDensityEdit density(QStringLiteral("12,5"), selStart, selLength);
    QApplication::clipboard()->setText(QStringLiteral("7"));

    QMenu* menu = OpenContextMenu(density.Edit);
    QVERIFY(menu);
    QLineEdit plain;
    const std::unique_ptr<QMenu> standard(plain.createStandardContextMenu());
    QStringList qtTexts = ItemTexts(standard.get());
    QCOMPARE(qtTexts.size(), 7);
    qtTexts.remove(0, 2); // Undo, Redo
    QCOMPARE(ItemTexts(menu), qtTexts);
    QStringList shownEnabled;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator() && action->isEnabled())
            shownEnabled << action->objectName();
    QCOMPARE(shownEnabled, enabled);
    auto* chosen = menu->findChild<QAction*>(item);
    QVERIFY(chosen);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
    QCOMPARE(density.Edit->text(), text);
    QCOMPARE(density.Edit->selectedText(), selected);
}

void TestDensityKeyFilter::dropsRefused() {
    TDensityEdit density(QString(), 0, 0);
    QVERIFY(!density.Edit->acceptDrops());
}

QTEST_MAIN(TestDensityKeyFilter)
#include "tst_DensityKeyFilter.moc"
