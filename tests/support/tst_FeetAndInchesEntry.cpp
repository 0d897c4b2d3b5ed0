// The typing rule of an entry that holds a length in feet and inches: the marks,
// the fraction bar and blanks get in where they can stand, pasted lengths are
// checked as lengths, and the other kinds of entry refuse all of them as before.

#include "NumberEntry.h"
#include "SeparatorGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

namespace {

// An entry of AKind holding AText with the caret at ACaret.
struct TEntry {
    QWidget Window;
    QLineEdit* Edit = new QLineEdit(&Window);

    TEntry(TNumberKind AKind, const QString& AText, int ACaret) {
        Edit->setMaxLength(19);
        TNumberEntryFilter::Attach(Edit, AKind);
        Window.show();
        Edit->setFocus();
        Edit->setText(AText);
        Edit->setCursorPosition(ACaret);
    }
};

} // namespace

Q_DECLARE_METATYPE(TNumberKind)

class TestFeetAndInchesEntry : public QObject {
    Q_OBJECT
private slots:
    void typing_data();
    void typing();
    void pasting_data();
    void pasting();
};

void TestFeetAndInchesEntry::typing_data() {
    QTest::addColumn<TNumberKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    const TNumberKind feet = nkFeetAndInches;
    QTest::newRow("digit") << feet << "6" << 1 << "2"
                           << "62";
    QTest::newRow("foot mark") << feet << "6" << 1 << "'"
                               << "6'";
    QTest::newRow("blank after feet") << feet << "6'" << 2 << " "
                                      << "6' ";
    QTest::newRow("inch mark") << feet << "6' 3.5" << 6 << "\""
                               << "6' 3.5\"";
    QTest::newRow("fraction bar after a digit") << feet << "6' 3 1" << 6 << "/"
                                                << "6' 3 1/";
    QTest::newRow("the other separator stands for ours") << feet << "3" << 1 << ","
                                                         << "3.";
    QTest::newRow("separator after inches") << feet << "6' 3" << 4 << "."
                                            << "6' 3.";
    QTest::newRow("feet mark first") << feet << "" << 0 << "'"
                                     << "";
    QTest::newRow("inch mark first") << feet << "" << 0 << "\""
                                     << "";
    QTest::newRow("blank first") << feet << "6" << 0 << " "
                                 << "6";
    QTest::newRow("two blanks") << feet << "6' " << 3 << " "
                                << "6' ";
    QTest::newRow("feet mark twice") << feet << "6'" << 2 << "'"
                                     << "6'";
    QTest::newRow("feet mark after inches") << feet << "3\"" << 2 << "'"
                                            << "3\"";
    QTest::newRow("inch mark twice") << feet << "3\"" << 2 << "\""
                                     << "3\"";
    QTest::newRow("fraction bar after a blank") << feet << "3 " << 2 << "/"
                                                << "3 ";
    QTest::newRow("separator twice") << feet << "3." << 2 << "."
                                     << "3.";
    QTest::newRow("letters") << feet << "6" << 1 << "f"
                             << "6";
    QTest::newRow("star") << feet << "" << 0 << "*"
                          << "";
    // The other kinds are as they were.
    QTest::newRow("number refuses the foot mark") << nkNumber << "6" << 1 << "'"
                                                  << "6";
    QTest::newRow("number refuses the inch mark") << nkNumber << "6" << 1 << "\""
                                                  << "6";
    QTest::newRow("number refuses the fraction bar") << nkNumber << "6" << 1 << "/"
                                                     << "6";
    QTest::newRow("radius refuses a blank") << nkRadius << "6" << 1 << " "
                                            << "6";
    QTest::newRow("count refuses the foot mark") << nkCount << "6" << 1 << "'"
                                                 << "6";
}

void TestFeetAndInchesEntry::typing() {
    QFETCH(TNumberKind, kind);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    const TSeparatorGuard guard('.');
    TEntry entry(kind, text, caret);
    QTest::keyClick(entry.Edit, typed.at(0).toLatin1());
    QCOMPARE(entry.Edit->text(), result);
}

void TestFeetAndInchesEntry::pasting_data() {
    QTest::addColumn<TNumberKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("result");
    const TNumberKind feet = nkFeetAndInches;
    QTest::newRow("a whole length") << feet << ""
                                    << "6' 3 1/2\""
                                    << "6' 3 1/2\"";
    QTest::newRow("primes") << feet << "" << QStringLiteral("6′ 3″") << QStringLiteral("6′ 3″");
    QTest::newRow("inches after feet") << feet << "6' "
                                       << "3.5\""
                                       << "6' 3.5\"";
    QTest::newRow("bare feet") << feet << ""
                               << "12"
                               << "12";
    QTest::newRow("words refused") << feet << ""
                                   << "6ft"
                                   << "";
    QTest::newRow("two lengths refused") << feet << "6'"
                                         << "3'"
                                         << "6'";
    QTest::newRow("number refuses a length") << nkNumber << ""
                                             << "6' 3\""
                                             << "";
    QTest::newRow("number takes a number") << nkNumber << ""
                                           << "2.5"
                                           << "2.5";
}

void TestFeetAndInchesEntry::pasting() {
    QFETCH(TNumberKind, kind);
    QFETCH(QString, text);
    QFETCH(QString, clipboard);
    QFETCH(QString, result);
    const TSeparatorGuard guard('.');
    TEntry entry(kind, text, text.size());
    QApplication::clipboard()->setText(clipboard);
    QTest::keyClick(entry.Edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(entry.Edit->text(), result);
}

QTEST_MAIN(TestFeetAndInchesEntry)
#include "tst_FeetAndInchesEntry.moc"
