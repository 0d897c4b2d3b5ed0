#include "AppTestEnvironment.h"
#include "Computations.h"
#include "DesktopServices.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "ProgramFolder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyle>
#include <QTextBrowser>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
QRect Centred(const QSize& ASize) {
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, ASize,
                               QGuiApplication::primaryScreen()->availableGeometry());
}
} // namespace

class TestMain : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void correctPosition_data();
    void correctPosition();
    void firstStartCentresAndStoresPosition();
    void storedPositionIsRestored();
    void incompletePositionCentres();
    void hugeStoredPositionStaysOnScreen_data();
    void hugeStoredPositionStaysOnScreen();
    void instanceLockIsTheUsersOwn();
    void positionThatCannotBeSavedIsReported();
    void buttonsTakeLanguageTexts();
    void shownBackgroundCarriesItsPicture();
    void solidButtonOpensItsPageWithMainWindowStyle();
    void functionButtonsOpenTheirWindows_data();
    void functionButtonsOpenTheirWindows();
    void helpOpensFileOfLanguage_data();
    void helpOpensFileOfLanguage();
    void missingHelpFileIsReported();
    void helpFormFollowsTheDesktop_data();
    void helpFormFollowsTheDesktop();
    void helpThatCannotBeOpenedIsNamed_data();
    void helpThatCannotBeOpenedIsNamed();
    void helpWindowWhenTheDesktopFails();
    void f1InComputationWindowOpensHelp();
    void settingsOkReTextsTheMainWindow_data();
    void settingsOkReTextsTheMainWindow();

private:
    GuiTest::TAppTestEnvironment Environment;
    QTemporaryDir FProgramFolder;
    QStringList FOpened;
};

void TestMain::init() {
    Environment.Settings().Clear();
    SetProgramFolder(FProgramFolder.path());
    FOpened.clear();
    SetUrlOpener([this](const QUrl& AUrl) {
        FOpened << AUrl.toLocalFile();
        return true;
    });
    SetFileTypeCheck([](const QString&) { return true; });
}

void TestMain::cleanup() {
    Environment.LanguageManager().Load(QStringLiteral("English"));
    SetProgramFolder(QString());
    SetUrlOpener({});
    SetFileTypeCheck({});
}

void TestMain::correctPosition_data() {
    QTest::addColumn<QPoint>("stored"); // (left, top)
    QTest::addColumn<QPoint>("corrected");
    // Two monitors side by side; the left one's task bar takes its bottom 40 pixels.
    QTest::newRow("inside") << QPoint(100, 100) << QPoint(100, 100);
    QTest::newRow("above and left of the desktop") << QPoint(-500, -80) << QPoint(0, 0);
    QTest::newRow("beyond the right edge") << QPoint(3800, 100) << QPoint(3392, 100);
    QTest::newRow("below the desktop") << QPoint(100, 1000) << QPoint(100, 704);
    QTest::newRow("over the task bar") << QPoint(100, 730) << QPoint(100, 704);
    QTest::newRow("across both monitors") << QPoint(1700, 100) << QPoint(1472, 100);
    QTest::newRow("on the right monitor") << QPoint(2500, 744) << QPoint(2500, 744);
    // Edges near the ends of the integer range must not wrap around.
    QTest::newRow("near the largest integer")
        << QPoint(2147483300, 2147483400) << QPoint(3392, 744);
    QTest::newRow("one below the largest integer")
        << QPoint(2147483646, 2147483646) << QPoint(3392, 744);
    QTest::newRow("largest left, top inside") << QPoint(2147483646, 100) << QPoint(3392, 100);
    QTest::newRow("the smallest integer")
        << QPoint(-2147483647 - 1, -2147483647 - 1) << QPoint(0, 0);
}

void TestMain::correctPosition() {
    QFETCH(QPoint, stored);
    QFETCH(QPoint, corrected);
    const QRect desktop(0, 0, 3840, 1080);
    const QRect left(0, 0, 1920, 1040), right(1920, 0, 1920, 1080);
    auto workArea = [&](const QPoint& APoint) { return APoint.x() < 1920 ? left : right; };
    int top = stored.y(), x = stored.x();
    TFormMain::CorrectPosition(top, x, QSize(448, 336), desktop, workArea);
    QCOMPARE(QPoint(x, top), corrected);
}

void TestMain::firstStartCentresAndStoresPosition() {
    QPoint position;
    {
        TFormMain window;
        QCOMPARE(window.geometry(), Centred(window.size()));
        window.move(40, 60);
        position = window.pos();
    }
    TSettingsStore store(SettingsKeys::Program);
    QVERIFY(store.KeyExists(QStringLiteral("Position")));
    QCOMPARE(store.ReadInteger(QStringLiteral("Position"), QStringLiteral("Top"), 0), position.y());
    QCOMPARE(store.ReadInteger(QStringLiteral("Position"), QStringLiteral("Left"), 0),
             position.x());
    QVERIFY(!store.KeyExists(QStringLiteral("Settings")));
}

void TestMain::storedPositionIsRestored() {
    {
        TSettingsStore store(SettingsKeys::Position);
        store.WriteInteger(QString(), QStringLiteral("Top"), 50);
        store.WriteInteger(QString(), QStringLiteral("Left"), 70);
    }
    TFormMain window;
    QCOMPARE(window.pos(), QPoint(70, 50));
}

void TestMain::incompletePositionCentres() {
    {
        TSettingsStore store(SettingsKeys::Position);
        store.WriteInteger(QString(), QStringLiteral("Left"), 70);
    }
    TFormMain window;
    QCOMPARE(window.geometry(), Centred(window.size()));
}

// A position stored near the ends of the integer range is pulled onto the screen,
// not wrapped around to the other end, and the corrected place is what is kept.
void TestMain::hugeStoredPositionStaysOnScreen_data() {
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("near the largest integer") << 2147483300 << 2147483400;
    QTest::newRow("one below the largest") << 2147483646 << 2147483646;
    QTest::newRow("the smallest integer") << int(-2147483647 - 1) << int(-2147483647 - 1);
}

void TestMain::hugeStoredPositionStaysOnScreen() {
    QFETCH(int, left);
    QFETCH(int, top);
    {
        TSettingsStore store(SettingsKeys::Position);
        store.WriteInteger(QString(), QStringLiteral("Top"), top);
        store.WriteInteger(QString(), QStringLiteral("Left"), left);
    }
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    {
        TFormMain window;
        QVERIFY2(screen.contains(window.geometry()),
                 qPrintable(QStringLiteral("%1, %2").arg(window.x()).arg(window.y())));
    }
    TSettingsStore store(SettingsKeys::Position);
    const QPoint kept(store.ReadInteger(QString(), QStringLiteral("Left"), 0),
                      store.ReadInteger(QString(), QStringLiteral("Top"), 0));
    QVERIFY(screen.contains(QRect(kept, QSize(448, 336))));
}

// The lock that marks a running Kavorin is the user's own, in a folder that only
// the user can enter, never in the temporary folder that all users share.
void TestMain::instanceLockIsTheUsersOwn() {
    const QString path = InstanceLockPath();
    QVERIFY(!path.isEmpty());
    const QString folder = QFileInfo(path).absolutePath();
    QCOMPARE(folder, QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    QVERIFY(folder != QDir::tempPath());
#ifdef Q_OS_UNIX
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    QCOMPARE(QFileInfo(folder).permissions() & others, QFileDevice::Permissions());
    QCOMPARE(QFileInfo(folder).ownerId(), uint(::getuid()));
#endif
}

// When the position cannot be stored at the end, the user is told, once.
void TestMain::positionThatCannotBeSavedIsReported() {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("Ternwick")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString storePath = dir.filePath(QStringLiteral("Ternwick/Kavorin.ini"));
    TSettingsStore::SetStoreFile(storePath);
    TSettingsStore::SetWriteFailureHandler({});
    const auto restore = qScopeGuard([this] {
        TSettingsStore::SetStoreFile(Environment.Settings().FilePath());
        TSettingsStore::SetWriteFailureHandler({});
    });
    GuiTest::TModalWatcher watcher;
    watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    for (int run = 0; run < 2; ++run)
        TFormMain window;
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen().first().Icon, QMessageBox::Critical);
    QCOMPARE(watcher.Seen().first().Text,
             QStringLiteral("The settings cannot be saved. Please check that this file can be "
                            "written:\n") +
                 QDir::toNativeSeparators(storePath));
}

void TestMain::shownBackgroundCarriesItsPicture() {
    TFormMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* small = window.findChild<QLabel*>(QStringLiteral("ImgBackground448"));
    auto* large = window.findChild<QLabel*>(QStringLiteral("ImgBackground1024"));
    QVERIFY(small && large);
    // One of the two shows, whichever the screen's pixel ratio asks for, and it
    // covers the window with its picture at the screen's pixel ratio.
    QCOMPARE(small->isVisible(), !large->isVisible());
    QLabel* shown = small->isVisible() ? small : large;
    QVERIFY(!shown->pixmap().isNull());
    QCOMPARE(shown->geometry(), window.rect());
    QCOMPARE(shown->pixmap().deviceIndependentSize().toSize(), QSize(448, 336));
    QCOMPARE(shown->pixmap().devicePixelRatio(), window.devicePixelRatioF());
}

void TestMain::buttonsTakeLanguageTexts() {
    TFormMain window;
    QCOMPARE(window.size(), QSize(448, 336));
    auto* cube = window.findChild<QAbstractButton*>(QStringLiteral("BCube"));
    QVERIFY(cube);
    QCOMPARE(cube->text(), QStringLiteral("Cube"));
    QCOMPARE(cube->geometry(), QRect(34, 97, 90, 19));
    auto* frustum = window.findChild<QAbstractButton*>(QStringLiteral("BSphericalFrustum"));
    QCOMPARE(frustum->geometry(), QRect(288, 209, 128, 19));
    const auto buttons = window.findChildren<QAbstractButton*>();
    QCOMPARE(buttons.size(), 17);
    for (const QAbstractButton* button : buttons)
        QVERIFY2(!button->text().contains(QLatin1String("[undefined]")),
                 qPrintable(button->objectName()));
}

void TestMain::solidButtonOpensItsPageWithMainWindowStyle() {
    TFormMain window;
    window.show();
    window.SetAlwaysOnTop(true);
    GuiTest::TModalWatcher watcher;
    bool onTop = false;
    QString page, title;
    QPointer<QWidget> opened;
    watcher.Expect([&](QWidget* AModal) {
        opened = AModal;
        onTop = AModal->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        title = AModal->windowTitle();
        page = AModal->findChild<QStackedWidget*>(QStringLiteral("PageControl"))
                   ->currentWidget()
                   ->objectName();
        AModal->close();
    });
    window.findChild<QAbstractButton*>(QStringLiteral("BSphere"))->click();
    QCOMPARE(watcher.Seen().size(), 1);
    QVERIFY(onTop);
    QCOMPARE(title, QStringLiteral("Sphere"));
    QCOMPARE(page, QStringLiteral("pgSphere"));
    // Destroyed once closed.
    QVERIFY(!opened);
}

void TestMain::functionButtonsOpenTheirWindows_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("settings") << "BSettings"
                              << "TFormSettings";
    QTest::newRow("about") << "BAbout"
                           << "TFormAbout";
}

void TestMain::functionButtonsOpenTheirWindows() {
    QFETCH(QString, button);
    QFETCH(QString, window);
    TFormMain main;
    main.show();
    main.SetAlwaysOnTop(true);
    GuiTest::TModalWatcher watcher;
    bool onTop = false;
    watcher.Expect([&onTop](QWidget* AModal) {
        onTop = AModal->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        AModal->close();
    });
    main.findChild<QAbstractButton*>(button)->click();
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen().first().ClassName, window);
    QVERIFY(onTop);
}

void TestMain::helpOpensFileOfLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << "English"
                             << "Help_EN.rtf";
    QTest::newRow("Czech") << "Czech"
                           << "Help_CS.rtf";
    QTest::newRow("Slovak") << "Slovak"
                            << "Help_CS.rtf";
}

void TestMain::helpOpensFileOfLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, file);
    for (const char* name : {"Help_EN.rtf", "Help_CS.rtf"}) {
        QFile help(QDir(FProgramFolder.path()).filePath(QLatin1String(name)));
        QVERIFY(help.open(QIODevice::WriteOnly));
    }
    QVERIFY(Environment.LanguageManager().Load(language));
    TFormMain window;
    window.HelpClick();
    QCOMPARE(FOpened, QStringList{QDir(FProgramFolder.path()).filePath(file)});
}

void TestMain::missingHelpFileIsReported() {
    QFile::remove(QDir(FProgramFolder.path()).filePath(QStringLiteral("Help_EN.rtf")));
    GuiTest::TModalWatcher watcher;
    watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    TFormMain window;
    window.findChild<QAbstractButton*>(QStringLiteral("BHelp"))->click();
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen().first().Text, QStringLiteral("File not found:\nHelp_EN.rtf"));
    QCOMPARE(watcher.Seen().first().Icon, QMessageBox::Critical);
    QVERIFY(FOpened.isEmpty());
}

// A desktop with a program for RTF opens the RTF guide, one without gets the HTML
// guide, in the desktop's browser or, without one, in the program's help window;
// the other form stands in for a missing one, and with neither the message names
// the form the desktop would have opened.
void TestMain::helpFormFollowsTheDesktop_data() {
    QTest::addColumn<QString>("rtfProgram"); // the MIME type with a program, or ""
    QTest::addColumn<bool>("browser");       // a program for text/html
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("opened");  // by the desktop; empty: none
    QTest::addColumn<QString>("missing"); // the file "File not found" names
    QTest::addColumn<bool>("helpWindow"); // the HTML guide in the program's window
    const QStringList both{QStringLiteral("Help_EN.rtf"), QStringLiteral("Help_EN.html")};
    QTest::newRow("text/rtf program") << "text/rtf" << true << both << "Help_EN.rtf"
                                      << "" << false;
    QTest::newRow("application/rtf program") << "application/rtf" << true << both << "Help_EN.rtf"
                                             << "" << false;
    QTest::newRow("no RTF program") << "" << true << both << "Help_EN.html"
                                    << "" << false;
    QTest::newRow("no RTF program, no browser") << "" << false << both << ""
                                                << "" << true;
    QTest::newRow("no RTF program, no HTML")
        << "" << false << QStringList{QStringLiteral("Help_EN.rtf")} << "Help_EN.rtf"
        << "" << false;
    QTest::newRow("RTF program, no RTF")
        << "text/rtf" << true << QStringList{QStringLiteral("Help_EN.html")} << "Help_EN.html"
        << "" << false;
    QTest::newRow("RTF program, no RTF, no browser")
        << "text/rtf" << false << QStringList{QStringLiteral("Help_EN.html")} << ""
        << "" << true;
    QTest::newRow("no RTF program, no guide") << "" << true << QStringList() << ""
                                              << "Help_EN.html" << false;
    QTest::newRow("RTF program, no guide") << "text/rtf" << true << QStringList() << ""
                                           << "Help_EN.rtf" << false;
}

void TestMain::helpFormFollowsTheDesktop() {
    QFETCH(QString, rtfProgram);
    QFETCH(bool, browser);
    QFETCH(QStringList, files);
    QFETCH(QString, opened);
    QFETCH(QString, missing);
    QFETCH(bool, helpWindow);
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    for (const QString& name : files) {
        QFile help(QDir(folder.path()).filePath(name));
        QVERIFY(help.open(QIODevice::WriteOnly));
    }
    QStringList asked;
    SetFileTypeCheck([&asked, rtfProgram, browser](const QString& AMimeType) {
        asked << AMimeType;
        return AMimeType == rtfProgram || (browser && AMimeType == QLatin1String("text/html"));
    });
    GuiTest::TModalWatcher watcher;
    QString document;
    if (!missing.isEmpty())
        watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    if (helpWindow)
        watcher.Expect([&document](QWidget* AModal) {
            if (auto* help = qobject_cast<TFormHelp*>(AModal))
                document = help->Browser()->source().toLocalFile();
            AModal->close();
        });
    TFormMain window;
    window.findChild<QAbstractButton*>(QStringLiteral("BHelp"))->click();
    QVERIFY(asked.contains(QStringLiteral("text/rtf")));
    if (helpWindow) {
        QVERIFY(FOpened.isEmpty());
        QCOMPARE(watcher.Seen().size(), 1);
        QCOMPARE(watcher.Seen().first().ClassName, QStringLiteral("TFormHelp"));
        QCOMPARE(watcher.Seen().first().Title, QStringLiteral("Help"));
        QCOMPARE(document, QDir(folder.path()).filePath(QStringLiteral("Help_EN.html")));
    } else if (opened.isEmpty()) {
        QVERIFY(FOpened.isEmpty());
        QCOMPARE(watcher.Seen().size(), 1);
        QCOMPARE(watcher.Seen().first().Text, QStringLiteral("File not found:\n") + missing);
    } else {
        QCOMPARE(FOpened, QStringList{QDir(folder.path()).filePath(opened)});
        QVERIFY(watcher.Seen().isEmpty());
    }
}

void TestMain::helpThatCannotBeOpenedIsNamed_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("English") << "English"
                             << "Help_EN.rtf"
                             << "Kavorin could not open this. Please open it yourself:";
    QTest::newRow("Czech") << "Czech"
                           << "Help_CS.rtf"
                           << QStringLiteral(
                                  "Kavorin to nedokázal otevřít. Otevřete to prosím sami:");
    QTest::newRow("Slovak") << "Slovak"
                            << "Help_CS.rtf"
                            << QStringLiteral(
                                   "Kavorin to nedokázal otvoriť. Otvorte to, prosím, sami:");
}

// The help file exists but the desktop has no program for it: the message gives its
// whole path, so that the user can open it by hand.
void TestMain::helpThatCannotBeOpenedIsNamed() {
    QFETCH(QString, language);
    QFETCH(QString, file);
    QFETCH(QString, message);
    const QString path = QDir(FProgramFolder.path()).filePath(file);
    QFile help(path);
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    SetUrlOpener([](const QUrl&) { return false; });
    QVERIFY(Environment.LanguageManager().Load(language));
    GuiTest::TModalWatcher watcher;
    watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    TFormMain window;
    window.findChild<QAbstractButton*>(QStringLiteral("BHelp"))->click();
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen().first().Icon, QMessageBox::Critical);
    QCOMPARE(watcher.Seen().first().Text,
             message + QLatin1Char('\n') + QDir::toNativeSeparators(path));
}

// An RTF guide the desktop claims and fails to open gives way to the HTML guide in
// the help window, over the computation window when F1 was pressed there.
void TestMain::helpWindowWhenTheDesktopFails() {
    for (const char* name : {"Help_EN.rtf", "Help_EN.html"}) {
        QFile help(QDir(FProgramFolder.path()).filePath(QLatin1String(name)));
        QVERIFY(help.open(QIODevice::WriteOnly));
    }
    SetUrlOpener([](const QUrl&) { return false; });
    TFormMain window;
    GuiTest::TModalWatcher watcher;
    QString owner;
    // F1 in the entry, and the computation window closed once the help window is:
    // outside the watcher's handler, which must be free to see the help window.
    watcher.Expect([](QWidget* AModal) {
        QTimer::singleShot(0, AModal, [AModal] {
            QTest::keyClick(AModal->findChild<QLineEdit*>(QStringLiteral("Cube_A")), Qt::Key_F1);
            AModal->close();
        });
    });
    watcher.Expect([&owner](QWidget* AModal) {
        if (AModal->parentWidget())
            owner = QString::fromLatin1(AModal->parentWidget()->metaObject()->className());
        AModal->close();
    });
    window.findChild<QAbstractButton*>(QStringLiteral("BCube"))->click();
    QCOMPARE(watcher.Seen().size(), 2);
    QCOMPARE(watcher.Seen().at(1).ClassName, QStringLiteral("TFormHelp"));
    QCOMPARE(owner, QStringLiteral("TFormComputations"));
}

void TestMain::f1InComputationWindowOpensHelp() {
    QFile help(QDir(FProgramFolder.path()).filePath(QStringLiteral("Help_EN.rtf")));
    QVERIFY(help.open(QIODevice::WriteOnly));
    TFormMain window;
    GuiTest::TModalWatcher watcher;
    watcher.Expect([](QWidget* AModal) {
        QTest::keyClick(AModal->findChild<QLineEdit*>(QStringLiteral("Cube_A")), Qt::Key_F1,
                        Qt::ControlModifier);
        AModal->close();
    });
    window.findChild<QAbstractButton*>(QStringLiteral("BCube"))->click();
    QCOMPARE(FOpened.size(), 1);
}

void TestMain::settingsOkReTextsTheMainWindow_data() {
    QTest::addColumn<QString>("closing");
    QTest::addColumn<QString>("buttonAfter");
    QTest::newRow("OK") << "BOK"
                        << "Nastavení";
    QTest::newRow("Cancel") << "BCancel"
                            << "Settings";
}

void TestMain::settingsOkReTextsTheMainWindow() {
    QFETCH(QString, closing);
    QFETCH(QString, buttonAfter);
    // The dialog opened by the main window's own button tells it of the new language.
    TFormMain window;
    auto* button = window.findChild<QAbstractButton*>(QStringLiteral("BSettings"));
    GuiTest::TModalWatcher watcher;
    watcher.Expect([closing](QWidget* AModal) {
        auto* languages = AModal->findChild<QComboBox*>(QStringLiteral("CBLanguage"));
        const int czech = languages->findText(QStringLiteral("Czech"));
        languages->setCurrentIndex(czech);
        emit languages->activated(czech);
        AModal->findChild<QAbstractButton*>(closing)->click();
    });
    button->click();
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(button->text(), buttonAfter);
}

QTEST_MAIN(TestMain)
#include "tst_MainWindow.moc"
