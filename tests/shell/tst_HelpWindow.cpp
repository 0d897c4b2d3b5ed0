// The program's own window for the user guide and the licence: links, pictures,
// back and forward, finding a text, its texts in the language, where it stands, and
// when it is used instead of the desktop's program.
#include "AppTestEnvironment.h"
#include "DesktopServices.h"
#include "HelpWindow.h"

#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

class TestHelpWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void linksPicturesAndHistory();
    void outsideLinksGoToTheDesktop();
    void find_data();
    void find();
    void plainText();
    void textsOfTheLanguage_data();
    void textsOfTheLanguage();
    void standsBesideItsOwner();
    void desktopOrOwnWindow_data();
    void desktopOrOwnWindow();

private:
    QString Write(const QString& AName, const QByteArray& AContent) const;

    GuiTest::TAppTestEnvironment Environment;
    QTemporaryDir FFolder;
    QStringList FOpened;
};

QString TestHelpWindow::Write(const QString& AName, const QByteArray& AContent) const {
    QFile file(FFolder.filePath(AName));
    if (file.open(QIODevice::WriteOnly))
        file.write(AContent);
    return file.fileName();
}

void TestHelpWindow::initTestCase() {
    QVERIFY(FFolder.isValid());
    // A guide of two pages with a picture, an anchor, a link between the pages and one
    // out of them; a word that comes three times.
    QImage picture(24, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(FFolder.filePath(QStringLiteral("picture.png"))));
    Write(QStringLiteral("guide.html"),
          "<html><head><title>Guide</title></head><body><h1>Guide</h1>"
          "<p><a href=\"#volume\">To the volume</a> <a href=\"second.html\">Second page</a> "
          "<a href=\"https://example.com/kavorin\">Web</a></p><p><img src=\"picture.png\"></p>"
          "<p>tank one</p><p style=\"margin-top: 3000px\"><a name=\"volume\"></a>"
          "tank two, then TANK three</p></body></html>");
    Write(QStringLiteral("second.html"), "<html><body><p>The second page</p></body></html>");
    Write(QStringLiteral("License.txt"), "MIT License\n\nCopyright line\nPermission line\n");
}

void TestHelpWindow::init() {
    FOpened.clear();
    SetUrlOpener([this](const QUrl& AUrl) {
        FOpened << AUrl.toString();
        return true;
    });
}

void TestHelpWindow::cleanup() {
    SetUrlOpener({});
    SetFileTypeCheck({});
    Environment.LanguageManager().Load(QStringLiteral("English"));
}

void TestHelpWindow::linksPicturesAndHistory() {
    TFormHelp window(nullptr, FFolder.filePath(QStringLiteral("guide.html")),
                     QStringLiteral("Help"));
    window.show();
    QTextBrowser* browser = window.Browser();
    auto* back = window.findChild<QToolButton*>(QStringLiteral("BBack"));
    auto* forward = window.findChild<QToolButton*>(QStringLiteral("BForward"));
    QVERIFY(browser->toPlainText().startsWith(QStringLiteral("Guide")));
    QVERIFY(!back->isEnabled() && !forward->isEnabled());
    // The picture beside the page is loaded.
    const QVariant image = browser->document()->resource(
        QTextDocument::ImageResource, QUrl::fromLocalFile(FFolder.filePath("picture.png")));
    QVERIFY(image.isValid());
    QCOMPARE(image.value<QImage>().size(), QSize(24, 16));

    // An anchor scrolls the page; a link to the other page opens it.
    emit browser->anchorClicked(QUrl(QStringLiteral("#volume")));
    QVERIFY(browser->verticalScrollBar()->value() > 0);
    emit browser->anchorClicked(QUrl(QStringLiteral("second.html")));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("The second page")));
    QVERIFY(back->isEnabled());
    back->click();
    QVERIFY(browser->toPlainText().startsWith(QStringLiteral("Guide")));
    QVERIFY(forward->isEnabled());
    forward->click();
    QVERIFY(browser->toPlainText().contains(QStringLiteral("The second page")));
    window.findChild<QToolButton*>(QStringLiteral("BContents"))->click();
    QVERIFY(browser->toPlainText().startsWith(QStringLiteral("Guide")));
    QCOMPARE(browser->verticalScrollBar()->value(), 0);
    QVERIFY(FOpened.isEmpty());
}

void TestHelpWindow::outsideLinksGoToTheDesktop() {
    TFormHelp window(nullptr, FFolder.filePath(QStringLiteral("guide.html")),
                     QStringLiteral("Help"));
    window.show();
    emit window.Browser()->anchorClicked(QUrl(QStringLiteral("https://example.com/kavorin")));
    QCOMPARE(FOpened, QStringList{QStringLiteral("https://example.com/kavorin")});
    QVERIFY(window.Browser()->toPlainText().startsWith(QStringLiteral("Guide")));
}

void TestHelpWindow::find_data() {
    QTest::addColumn<QStringList>("steps"); // ">" next, "<" previous, else text typed anew
    QTest::addColumn<int>("found");         // the occurrence of "tank" selected, 0: none
    QTest::addColumn<bool>("notFound");     // "Not found" shown
    QTest::newRow("as it is typed") << QStringList{"ta"} << 1 << false;
    QTest::newRow("next") << QStringList{"tank", ">"} << 2 << false;
    QTest::newRow("any case") << QStringList{"tank", ">", ">"} << 3 << false;
    QTest::newRow("round to the first") << QStringList{"tank", ">", ">", ">"} << 1 << false;
    QTest::newRow("previous from the first") << QStringList{"tank", "<"} << 3 << false;
    QTest::newRow("absent") << QStringList{"pyramid"} << 0 << true;
}

void TestHelpWindow::find() {
    QFETCH(QStringList, steps);
    QFETCH(int, found);
    QFETCH(bool, notFound);
    TFormHelp window(nullptr, FFolder.filePath(QStringLiteral("guide.html")),
                     QStringLiteral("Help"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("EFind"));
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(field->hasFocus());
    for (const QString& step : steps) {
        if (step == QLatin1String(">"))
            QTest::keyClick(field, Qt::Key_Return);
        else if (step == QLatin1String("<"))
            QTest::keyClick(&window, Qt::Key_F3, Qt::ShiftModifier);
        else
            QTest::keyClicks(field, step);
    }
    const QTextCursor cursor = window.Browser()->textCursor();
    const QString text = window.Browser()->toPlainText();
    if (found == 0) {
        QVERIFY(!cursor.hasSelection());
    } else {
        qsizetype at = -1;
        for (int i = 0; i < found; ++i)
            at = text.indexOf(QStringLiteral("tank"), at + 1, Qt::CaseInsensitive);
        QCOMPARE(cursor.selectionStart(), int(at));
    }
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("LNotFound"))->isVisible(), notFound);
}

// The licence is plain text: its lines stay lines, and there is nothing to go back to.
void TestHelpWindow::plainText() {
    TFormHelp window(nullptr, FFolder.filePath(QStringLiteral("License.txt")),
                     QStringLiteral("License agreement"));
    window.show();
    QCOMPARE(window.Browser()->toPlainText(),
             QStringLiteral("MIT License\n\nCopyright line\nPermission line\n"));
    QVERIFY(!window.findChild<QToolButton*>(QStringLiteral("BBack"))->isVisible());
    QVERIFY(window.findChild<QLineEdit*>(QStringLiteral("EFind"))->isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("License agreement"));
}

void TestHelpWindow::textsOfTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts"); // back, forward, contents, find, previous, next
    QTest::newRow("English") << "English" << QStringList{"Back", "Forward",  "Contents",
                                                         "Find", "Previous", "Next"};
    QTest::newRow("Czech") << "Czech"
                           << QStringList{"Zpět", "Vpřed", "Obsah", "Najít", "Předchozí", "Další"};
    QTest::newRow("Slovak") << "Slovak" << QStringList{"Späť",  "Dopredu",        "Obsah",
                                                       "Nájsť", "Predchádzajúce", "Ďalšie"};
}

// The texts, and what a screen reader says for each control: its caption, the
// document by the window's title.
void TestHelpWindow::textsOfTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QStringList, texts);
    QVERIFY(Environment.LanguageManager().Load(language));
    TFormHelp window(nullptr, FFolder.filePath(QStringLiteral("guide.html")), QStringLiteral("?"));
    window.show();
    QStringList shown;
    for (const char* name :
         {"BBack", "BForward", "BContents", "LFind", "BFindPrevious", "BFindNext"}) {
        QWidget* control = window.findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(control, name);
        const QString text = qobject_cast<QLabel*>(control)
                                 ? static_cast<QLabel*>(control)->text()
                                 : static_cast<QToolButton*>(control)->text();
        shown << text;
        if (auto* button = qobject_cast<QToolButton*>(control))
            QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), text);
    }
    QCOMPARE(shown, texts);
    QCOMPARE(QAccessible::queryAccessibleInterface(window.findChild<QLineEdit*>("EFind"))
                 ->text(QAccessible::Name),
             texts.at(3));
    QCOMPARE(QAccessible::queryAccessibleInterface(window.Browser())->text(QAccessible::Name),
             QStringLiteral("?"));
}

// Beside its owner, as a side window stands beside the computation window: right of
// it where the screen has room, else left of it.
void TestHelpWindow::standsBesideItsOwner() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget owner;
    owner.resize(300, 200);
    for (const bool leftSide : {true, false}) {
        owner.move(leftSide ? area.left() : area.right() + 1 - 300, area.top() + 20);
        owner.show();
        TFormHelp window(&owner, FFolder.filePath(QStringLiteral("guide.html")),
                         QStringLiteral("Help"));
        window.setFixedSize(qMin(400, area.width() - 300), 150);
        window.show();
        QCOMPARE(window.frameGeometry().top(), owner.frameGeometry().top());
        if (leftSide)
            QCOMPARE(window.frameGeometry().left(), owner.frameGeometry().right() + 1);
        else
            QCOMPARE(window.frameGeometry().right(), owner.frameGeometry().left() - 1);
    }
}

void TestHelpWindow::desktopOrOwnWindow_data() {
    QTest::addColumn<QString>("program"); // the MIME type the desktop has a program for
    QTest::addColumn<bool>("opens");      // whether the desktop's opener succeeds
    QTest::addColumn<bool>("ownWindow");
    QTest::newRow("browser") << "text/html" << true << false;
    QTest::newRow("no browser") << "" << true << true;
    QTest::newRow("browser that fails") << "text/html" << false << true;
}

void TestHelpWindow::desktopOrOwnWindow() {
    QFETCH(QString, program);
    QFETCH(bool, opens);
    QFETCH(bool, ownWindow);
    SetFileTypeCheck([program](const QString& AMimeType) { return AMimeType == program; });
    SetUrlOpener([this, opens](const QUrl& AUrl) {
        FOpened << AUrl.toLocalFile();
        return opens;
    });
    GuiTest::TModalWatcher watcher;
    QString shown;
    if (ownWindow)
        watcher.Expect([&shown](QWidget* AModal) {
            if (auto* help = qobject_cast<TFormHelp*>(AModal))
                shown = help->Browser()->toPlainText().section(QLatin1Char('\n'), 0, 0);
            AModal->close();
        });
    const QString path = FFolder.filePath(QStringLiteral("guide.html"));
    ShowDocument(nullptr, path, QStringLiteral("text/html"), QStringLiteral("Help"));
    QCOMPARE(watcher.Seen().size(), ownWindow ? 1 : 0);
    QVERIFY(watcher.Unexpected().isEmpty());
    if (ownWindow)
        QCOMPARE(shown, QStringLiteral("Guide"));
    QCOMPARE(FOpened, program.isEmpty() ? QStringList() : QStringList{path});
}

QTEST_MAIN(TestHelpWindow)
#include "tst_HelpWindow.moc"
