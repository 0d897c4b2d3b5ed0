#include "Application.h"
#include "GuiTestFixture.h"
#include "MessageBoxes.h"

#include <QScreen>
#include <QtTest>
#include <stdexcept>

class TestMessageBoxes : public QObject {
    Q_OBJECT
private slots:
    void init();
    void typedBoxes_data();
    void typedBoxes();
    void questionAnswers_data();
    void questionAnswers();
    void questionCannotBeEscaped();
    void okBoxClosesWithEscape();
    void unexpectedQuestionIsRecordedAndDeclined();
    void crLfBecomesLineBreak();
    void hugeTextStaysOnScreen_data();
    void hugeTextStaysOnScreen();
    void titleBeforeAndAfterItIsSet();
    void errorReportText_data();
    void errorReportText();
    void errorEscapingAHandlerIsReported_data();
    void errorEscapingAHandlerIsReported();

private:
    GuiTest::TSettingsSandbox Sandbox;
};

void TestMessageBoxes::init() {
    SetApplicationTitle(QStringLiteral("Kavorin"));
}

void TestMessageBoxes::typedBoxes_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("icon");
    QTest::newRow("error") << 0 << int(QMessageBox::Critical);
    QTest::newRow("information") << 1 << int(QMessageBox::Information);
    QTest::newRow("question") << 2 << int(QMessageBox::Question);
}

void TestMessageBoxes::typedBoxes() {
    QFETCH(int, kind);
    QFETCH(int, icon);
    GuiTest::TModalWatcher Watcher;
    const QMessageBox::StandardButton Answer = kind == 2 ? QMessageBox::No : QMessageBox::Ok;
    Watcher.Expect(GuiTest::PressButton(Answer));
    const QString Text = QStringLiteral("Some text");
    if (kind == 0)
        ShowErrorMessage(Text);
    else if (kind == 1)
        ShowInformationMessage(Text);
    else
        QVERIFY(!ShowQuestionMessage(Text));
    QCOMPARE(Watcher.Seen().size(), 1);
    QCOMPARE(Watcher.Seen().at(0).Text, Text);
    QCOMPARE(Watcher.Seen().at(0).Title, QStringLiteral("Kavorin"));
    QCOMPARE(int(Watcher.Seen().at(0).Icon), icon);
    QVERIFY(Watcher.Unexpected().isEmpty());
}

void TestMessageBoxes::questionAnswers_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<bool>("expected");
    const int YesNo = int(QMessageBox::Yes | QMessageBox::No);
    QTest::newRow("yes") << YesNo << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << YesNo << int(QMessageBox::No) << false;
    const int OkCancel = int(QMessageBox::Ok | QMessageBox::Cancel);
    QTest::newRow("ok") << OkCancel << int(QMessageBox::Ok) << true;
    QTest::newRow("cancel") << OkCancel << int(QMessageBox::Cancel) << false;
    const int RetryCancel = int(QMessageBox::Retry | QMessageBox::Cancel);
    QTest::newRow("retry") << RetryCancel << int(QMessageBox::Retry) << true;
}

void TestMessageBoxes::questionAnswers() {
    QFETCH(int, buttons);
    QFETCH(int, pressed);
    QFETCH(bool, expected);
    GuiTest::TModalWatcher Watcher;
    Watcher.Expect(GuiTest::PressButton(QMessageBox::StandardButton(pressed)));
    QCOMPARE(
        ShowQuestionMessage(QStringLiteral("Download?"), QMessageBox::StandardButtons(buttons)),
        expected);
    QVERIFY(Watcher.Unexpected().isEmpty());
}

void TestMessageBoxes::questionCannotBeEscaped() {
    GuiTest::TModalWatcher Watcher;
    bool StillOpenAfterEscape = false;
    bool StillOpenAfterClose = false;
    Watcher.Expect([&](QWidget* Modal) {
        QTest::keyClick(Modal, Qt::Key_Escape);
        StillOpenAfterEscape = Modal->isVisible();
        Modal->close();
        StillOpenAfterClose = Modal->isVisible();
        GuiTest::PressButton(QMessageBox::Yes)(Modal);
    });
    QVERIFY(ShowQuestionMessage(QStringLiteral("A newer version exists. Download it?")));
    QVERIFY(StillOpenAfterEscape);
    QVERIFY(StillOpenAfterClose);
}

void TestMessageBoxes::okBoxClosesWithEscape() {
    GuiTest::TModalWatcher Watcher;
    Watcher.Expect([](QWidget* Modal) { QTest::keyClick(Modal, Qt::Key_Escape); });
    ShowInformationMessage(QStringLiteral("Done"));
    QCOMPARE(Watcher.Seen().size(), 1);
    QCOMPARE(ShowMessageBox(QStringLiteral("x"), QMessageBox::NoIcon, QMessageBox::NoButton),
             QMessageBox::Ok);
    // The second box met no handler: the watcher closed it and recorded it.
    QCOMPARE(Watcher.Unexpected().size(), 1);
}

void TestMessageBoxes::unexpectedQuestionIsRecordedAndDeclined() {
    GuiTest::TModalWatcher Watcher;
    QVERIFY(!ShowQuestionMessage(QStringLiteral("Download?")));
    QCOMPARE(Watcher.Unexpected(), QStringList{QStringLiteral("QMessageBox: Download?")});
}

void TestMessageBoxes::crLfBecomesLineBreak() {
    GuiTest::TModalWatcher Watcher;
    Watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    ShowErrorMessage(QStringLiteral("Language file missing.\r\nYou need to unpack."));
    QCOMPARE(Watcher.Seen().value(0).Text,
             QStringLiteral("Language file missing.\nYou need to unpack."));
}

void TestMessageBoxes::titleBeforeAndAfterItIsSet() {
    SetApplicationTitle(QString());
    const QString Default = ApplicationTitle();
    QCOMPARE(Default, QStringLiteral("tst_messageboxes"));
    SetApplicationTitle(QStringLiteral("Kavorin"));
    QCOMPARE(ApplicationTitle(), QStringLiteral("Kavorin"));
}

void TestMessageBoxes::errorReportText_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("letter") << QStringLiteral("Invalid PresetDensity value")
                            << QStringLiteral("Invalid PresetDensity value.");
    QTest::newRow("digit") << QStringLiteral("Code 7") << QStringLiteral("Code 7.");
    QTest::newRow("colon") << QStringLiteral("Error:") << QStringLiteral("Error:.");
    QTest::newRow("question mark") << QStringLiteral("Why?") << QStringLiteral("Why?.");
    QTest::newRow("full stop") << QStringLiteral("Done.") << QStringLiteral("Done.");
    QTest::newRow("exclamation") << QStringLiteral("Stop!") << QStringLiteral("Stop!");
    QTest::newRow("comma") << QStringLiteral("a,") << QStringLiteral("a,");
    QTest::newRow("parenthesis") << QStringLiteral("(a)") << QStringLiteral("(a)");
    QTest::newRow("blank") << QStringLiteral("a ") << QStringLiteral("a ");
    QTest::newRow("slash") << QStringLiteral("a/") << QStringLiteral("a/.");
    QTest::newRow("line break") << QStringLiteral("a\r\n") << QStringLiteral("a\r\n");
    QTest::newRow("accented letter") << QStringLiteral("hustota") + QChar(0x17E)
                                     << QStringLiteral("hustota") + QChar(0x17E) + '.';
    QTest::newRow("solid error")
        << QStringLiteral("Invalid input in SolidFigures unit: \r\n\r\nTCube.Create")
        << QStringLiteral("Invalid input in SolidFigures unit: \r\n\r\nTCube.Create.");
}

void TestMessageBoxes::errorReportText() {
    QFETCH(QString, message);
    QFETCH(QString, expected);
    QCOMPARE(ErrorReportText(message), expected);
}

void TestMessageBoxes::errorEscapingAHandlerIsReported_data() {
    QTest::addColumn<bool>("standard");
    QTest::addColumn<QString>("expected");
    QTest::newRow("std::exception") << true << QStringLiteral("Invalid PresetDensity value.");
    QTest::newRow("anything else") << false << QStringLiteral("Unexpected error.");
}

namespace {
// A handler that fails on its first event and works on every later one.
class TFailingOnce : public QObject {
public:
    explicit TFailingOnce(bool AStandard) : FStandard(AStandard) {}
    int Completed = 0;

protected:
    bool event(QEvent* AEvent) override {
        if (AEvent->type() != QEvent::User)
            return QObject::event(AEvent);
        if (++FCalls == 1) {
            if (FStandard)
                throw std::runtime_error("Invalid PresetDensity value");
            throw 42;
        }
        ++Completed;
        return true;
    }

private:
    bool FStandard;
    int FCalls = 0;
};
} // namespace

void TestMessageBoxes::errorEscapingAHandlerIsReported() {
    QFETCH(bool, standard);
    QFETCH(QString, expected);
    TFailingOnce Handler(standard);
    GuiTest::TModalWatcher Watcher;
    Watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    QEvent First(QEvent::User);
    QVERIFY(QCoreApplication::sendEvent(&Handler, &First));
    QCOMPARE(Watcher.Seen().size(), 1);
    QCOMPARE(Watcher.Seen().at(0).Text, expected);
    QCOMPARE(int(Watcher.Seen().at(0).Icon), int(QMessageBox::Critical));
    // The program goes on: the next event is handled normally.
    QEvent Second(QEvent::User);
    QCoreApplication::sendEvent(&Handler, &Second);
    QCOMPARE(Handler.Completed, 1);
    QVERIFY(Watcher.Unexpected().isEmpty());
}

void TestMessageBoxes::hugeTextStaysOnScreen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("cut");
    const int Megabyte = 1024 * 1024;
    QTest::newRow("short text, kept whole") << QStringLiteral("No response.") << false;
    QTest::newRow("1 MB on one line") << QString(Megabyte, QLatin1Char('x')) << true;
    QTest::newRow("1 MB of words") << QStringLiteral("word ").repeated(Megabyte / 5) << true;
    QTest::newRow("1 MB of short lines")
        << QStringLiteral("line\r\n").repeated(Megabyte / 6) << true;
    QTest::newRow("1 MB of empty lines") << QStringLiteral("\n").repeated(Megabyte) << true;
    QTest::newRow("1 MB of letters outside the first plane")
        << QString::fromUcs4(U"\U0001D400").repeated(Megabyte / 2) << true;
}

// However long the text, the box fits the screen and its button can be pressed; a
// text that had to be cut ends in an ellipsis.
void TestMessageBoxes::hugeTextStaysOnScreen() {
    QFETCH(QString, text);
    QFETCH(bool, cut);
    const QRect Screen = QGuiApplication::primaryScreen()->availableGeometry();
    GuiTest::TModalWatcher Watcher;
    QRect BoxGeometry, ButtonGeometry;
    bool ButtonVisible = false;
    QString Shown;
    Watcher.Expect([&](QWidget* Modal) {
        auto* Box = qobject_cast<QMessageBox*>(Modal);
        QAbstractButton* Ok = Box ? Box->button(QMessageBox::Ok) : nullptr;
        if (!Ok)
            return;
        BoxGeometry = Box->frameGeometry();
        ButtonGeometry = QRect(Ok->mapTo(Box, QPoint(0, 0)), Ok->size());
        ButtonVisible = Ok->isVisible();
        Shown = Box->text();
        Ok->click();
    });
    ShowErrorMessage(text);
    QCOMPARE(Watcher.Seen().size(), 1);
    QVERIFY2(
        BoxGeometry.height() <= Screen.height() && BoxGeometry.width() <= Screen.width(),
        qPrintable(QStringLiteral("%1 x %2").arg(BoxGeometry.width()).arg(BoxGeometry.height())));
    QVERIFY(ButtonVisible);
    QVERIFY(QRect(QPoint(0, 0), BoxGeometry.size()).contains(ButtonGeometry));
    QCOMPARE(Shown.endsWith(QChar(0x2026)), cut);
    if (!cut) {
        QCOMPARE(Shown, text);
        return;
    }
    // What shows is the text's beginning (with places to break long words), without
    // half a character at the cut.
    QString Begin = Shown.chopped(1).remove(QChar(0x200B));
    QVERIFY(Begin.size() <= 2000);
    while (!Begin.isEmpty() && Begin.back().isSpace())
        Begin.chop(1);
    QVERIFY(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).startsWith(Begin));
    QVERIFY(Begin.isEmpty() || !Begin.back().isHighSurrogate());
}

int main(int argc, char* argv[]) {
    TApplication App(argc, argv);
    TestMessageBoxes Test;
    return QTest::qExec(&Test, argc, argv);
}
#include "tst_MessageBoxes.moc"
