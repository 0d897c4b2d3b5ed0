#include "About.h"
#include "AppTestEnvironment.h"
#include "DesktopServices.h"
#include "HelpWindow.h"
#include "LocalHttpServer.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"

#include <QLabel>
#include <QNetworkProxy>
#include <QScopeGuard>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

const QDateTime BuildDate(QDate(2026, 3, 14), QTime(9, 30), Qt::UTC);
const QString ProductPage = QStringLiteral("http://www.ternwick.com/?pg=1&pid=3");
const QString UpToDate = QStringLiteral("Kavorin is up to date.");
const QString NewVersion13 = QStringLiteral(
    "A new version of Kavorin is available: 1.3\nDo you want to open the product's web page?");
const QString UnknownError =
    QStringLiteral("The server sent an answer that Kavorin does not understand.");
const QString NoResponse =
    QStringLiteral("No response from the server. Please check your Internet connection.");

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void windowShowsTextsOfLanguage_data();
    void windowShowsTextsOfLanguage();
    void longTitleShrinksToFit();
    void copyrightOfOneYear();
    void licenseCommandFollowsFile();
    void licenseOpensFile();
    void missingLicenseIsReported();
    void linksOpenAddresses();
    void keysCloseWindow_data();
    void keysCloseWindow();
    void versionCheck_data();
    void versionCheck();
    void versionCheckAsksProductOfWindow();
    void versionCheckIgnoresDecimalComma();
    void versionCheckWithoutAnswer_data();
    void versionCheckWithoutAnswer();
    void versionCheckAgainstHostileServer_data();
    void versionCheckAgainstHostileServer();
    void closingWindowCancelsCheck_data();
    void closingWindowCancelsCheck();
    void desktopFailureNamesWhatToOpen_data();
    void desktopFailureNamesWhatToOpen();
    void serverText_data();
    void serverText();
    void parseVersion_data();
    void parseVersion();

private:
    GuiTest::TAppTestEnvironment Environment;
    QTemporaryDir FProgramFolder;
    QStringList FOpenedUrls;
    QStringList FOpenedDocuments;
};

void TestAbout::initTestCase() {
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    SetApplicationTitle(QStringLiteral("Kavorin"));
}

void TestAbout::init() {
    SetProgramFolder(FProgramFolder.path());
    QFile::remove(FProgramFolder.filePath(QStringLiteral("License.txt")));
    FOpenedUrls.clear();
    FOpenedDocuments.clear();
    SetUrlOpener([this](const QUrl& AUrl) {
        if (AUrl.isLocalFile())
            FOpenedDocuments << AUrl.toLocalFile();
        else
            FOpenedUrls << AUrl.toString();
        return true;
    });
    SetFileTypeCheck([](const QString&) { return true; });
    // A server nobody runs: a test that forgets its own never reaches the maker's.
    TFormAbout::ServerAddress = QStringLiteral("http://127.0.0.1:1");
}

void TestAbout::cleanup() {
    Environment.LanguageManager().Load(QStringLiteral("English"));
    SetProgramFolder(QString());
    SetUrlOpener({});
    SetFileTypeCheck({});
    TFormAbout::ServerAddress.clear();
    TFormAbout::CheckLimits = THttpLimits();
}

void TestAbout::windowShowsTextsOfLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("checkCommand");
    QTest::addColumn<QString>("licenseCommand");
    QTest::addColumn<QString>("versionCaption");
    QTest::addColumn<QString>("productPage");
    QTest::newRow("English") << "English"
                             << "About"
                             << "Check for a new version"
                             << "License agreement"
                             << "Version:" << ProductPage;
    QTest::newRow("Czech") << "Czech"
                           << "O programu"
                           << "Zkontrolovat novou verzi" << QStringLiteral("Licenční smlouva")
                           << "Verze:" << ProductPage + QStringLiteral("&lng=cs");
}

void TestAbout::windowShowsTextsOfLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, caption);
    QFETCH(QString, checkCommand);
    QFETCH(QString, licenseCommand);
    QFETCH(QString, versionCaption);
    QFETCH(QString, productPage);
    QVERIFY(Environment.LanguageManager().Load(language));
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);

    QCOMPARE(window.windowTitle(), caption);
    QCOMPARE(window.findChild<QAction*>("MCheckForNewVersion")->text(), checkCommand);
    QCOMPARE(window.findChild<QAction*>("MLicenseAgreement")->text(), licenseCommand);
    auto label = [&](const char* AName) { return window.findChild<QLabel*>(AName); };
    QCOMPARE(label("AppTitle")->text(), QStringLiteral("Kavorin"));
    QCOMPARE(label("LAppVersion")->text(), versionCaption);
    QCOMPARE(label("AppVersion")->text(), QStringLiteral("1.2"));
    QCOMPARE(label("AppVersion")->toolTip(),
             QLocale().toString(QDate(2026, 3, 14), QLocale::ShortFormat));
    QCOMPARE(label("AppVersion")->x(), label("LAppVersion")->geometry().right() + 1 + 8);
    QCOMPARE(label("Copyright")->text(), QStringLiteral("Copyright \u00A9 2002\u20132026"));
    QCOMPARE(label("Company")->text(), QStringLiteral("Ternwick"));
    QCOMPARE(label("EmailLink")->text(), QStringLiteral("kavorin@ternwick.com"));
    QCOMPARE(label("HomepageLink")->text(), QStringLiteral("www.ternwick.com"));
    QCOMPARE(label("HomepageLink")->toolTip(), productPage);
    QVERIFY(!label("AppIcon")->pixmap().isNull());
    QVERIFY(!label("EmailIcon")->pixmap().isNull());
    QVERIFY(!label("HomepageIcon")->pixmap().isNull());

    // The client area below the menu bar is the panel's, and every label fits in it.
    auto* panel = window.findChild<QWidget*>("SpacerPanel");
    QCOMPARE(panel->size(), QSize(231, 225));
    window.show();
    auto* menu = window.findChild<QWidget*>("MainMenu");
    QCOMPARE(window.height(), menu->height() + 225);
    QCOMPARE(window.width(), 231);
    // Both commands are whole on the menu bar, wrapped when they do not fit in one row.
    const auto commands = menu->findChildren<QToolButton*>();
    QCOMPARE(commands.size(), 2);
    for (QToolButton* command : commands) {
        QVERIFY2(menu->rect().contains(command->geometry()), qPrintable(command->text()));
        QVERIFY(command->width() >= command->sizeHint().width());
    }
    for (QLabel* child : panel->findChildren<QLabel*>())
        QVERIFY2(panel->rect().contains(child->geometry()), qPrintable(child->objectName()));
}

void TestAbout::longTitleShrinksToFit() {
    const auto restoreTitle = qScopeGuard([] { SetApplicationTitle(QStringLiteral("Kavorin")); });
    SetApplicationTitle(QStringLiteral("Kavorin Solid Figures Calculator"));
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);
    auto* title = window.findChild<QLabel*>("AppTitle");
    QCOMPARE(title->text(), QStringLiteral("Kavorin Solid Figures Calculator"));
    QVERIFY(title->font().pixelSize() < 15);
    QVERIFY(title->x() + title->width() <= 231);
    // One pixel larger would not fit.
    QFont larger = title->font();
    larger.setPixelSize(larger.pixelSize() + 1);
    QVERIFY(title->x() + QFontMetrics(larger).horizontalAdvance(title->text()) > 231);
}

void TestAbout::copyrightOfOneYear() {
    TFormAbout window(nullptr, BuildDate, 2026, 2026, 3);
    QCOMPARE(window.findChild<QLabel*>("Copyright")->text(),
             QStringLiteral("Copyright \u00A9 2026"));
}

void TestAbout::licenseCommandFollowsFile() {
    {
        TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);
        window.show();
        QVERIFY(!window.findChild<QAction*>("MLicenseAgreement")->isEnabled());
    }
    QFile license(FProgramFolder.filePath(QStringLiteral("License.txt")));
    QVERIFY(license.open(QIODevice::WriteOnly));
    license.close();
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);
    window.show();
    QVERIFY(window.findChild<QAction*>("MLicenseAgreement")->isEnabled());
}

void TestAbout::licenseOpensFile() {
    QFile license(FProgramFolder.filePath(QStringLiteral("License.txt")));
    QVERIFY(license.open(QIODevice::WriteOnly));
    license.close();
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);
    window.show();
    GuiTest::TModalWatcher watcher;
    window.findChild<QAction*>("MLicenseAgreement")->trigger();
    QCOMPARE(FOpenedDocuments, QStringList{ProgramFolder() + QStringLiteral("License.txt")});
    QVERIFY2(watcher.Unexpected().isEmpty(), qPrintable(watcher.Unexpected().join('\n')));
}

void TestAbout::missingLicenseIsReported() {
    QVERIFY(Environment.LanguageManager().Load(QStringLiteral("Czech")));
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);
    GuiTest::TModalWatcher watcher;
    watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    window.MLicenseAgreementClick();
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen()[0].Icon, QMessageBox::Critical);
    QCOMPARE(watcher.Seen()[0].Text, QStringLiteral("Soubor nebyl nalezen:\nLicense.txt"));
    QVERIFY(FOpenedDocuments.isEmpty());
}

void TestAbout::linksOpenAddresses() {
    QVERIFY(Environment.LanguageManager().Load(QStringLiteral("Czech")));
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);
    window.show();
    QTest::mouseClick(window.findChild<QLabel*>("EmailLink"), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QLabel*>("HomepageLink"), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QLabel*>("Company"), Qt::LeftButton);
    QCOMPARE(FOpenedUrls,
             (QStringList{QStringLiteral("mailto:kavorin@ternwick.com?subject=Kavorin 1.2"),
                          ProductPage + QStringLiteral("&lng=cs")}));
}

void TestAbout::keysCloseWindow_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Enter of the keypad") << int(Qt::Key_Enter);
}

void TestAbout::keysCloseWindow() {
    QFETCH(int, key);
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key(key));
    QVERIFY(!window.isVisible());
}

void TestAbout::versionCheck_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("press"); // the button pressed in the box
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("opened");
    const int ok = QMessageBox::Ok, yes = QMessageBox::Yes, no = QMessageBox::No;
    const int information = QMessageBox::Information, question = QMessageBox::Question,
              error = QMessageBox::Critical;
    QTest::newRow("same version") << 200 << QByteArray("OK\r\n1.2\r\n") << ok << information
                                  << UpToDate << QStringList();
    QTest::newRow("older on the server")
        << 200 << QByteArray("OK\n1.1") << ok << information << UpToDate << QStringList();
    QTest::newRow("older major on the server")
        << 200 << QByteArray("OK\n0.9") << ok << information << UpToDate << QStringList();
    QTest::newRow("newer, Yes opens the product page")
        << 200 << QByteArray("OK\r\n1.3\r\n") << yes << question << NewVersion13
        << QStringList{ProductPage};
    QTest::newRow("newer, No opens nothing")
        << 200 << QByteArray("OK\r\n1.3") << no << question << NewVersion13 << QStringList();
    QTest::newRow("1.10 is newer than 1.2")
        << 200 << QByteArray("OK\n1.10\n") << no << question
        << QStringLiteral("A new version of Kavorin is available: 1.10\n"
                          "Do you want to open the product's web page?")
        << QStringList();
    QTest::newRow("major number alone")
        << 200 << QByteArray("OK\n2") << no << question
        << QStringLiteral("A new version of Kavorin is available: 2\n"
                          "Do you want to open the product's web page?")
        << QStringList();
    QTest::newRow("error with the server's text")
        << 200 << QByteArray("ERROR\r\nUnknown product.\r\n") << ok << error
        << QStringLiteral("Unknown product.") << QStringList();
    QTest::newRow("error text with a failure status")
        << 503 << QByteArray("ERROR\nThe service is down.") << ok << error
        << QStringLiteral("The service is down.") << QStringList();
    QTest::newRow("HTML error page")
        << 404 << QByteArray("<html><body><h1>Not Found</h1></body></html>\n") << ok << error
        << UnknownError << QStringList();
    QTest::newRow("OK without a version")
        << 200 << QByteArray("OK\n") << ok << error << UnknownError << QStringList();
    QTest::newRow("OK with text for a version")
        << 200 << QByteArray("OK\nnew") << ok << error << UnknownError << QStringList();
    QTest::newRow("a long error text is cut")
        << 200 << QByteArray("ERROR\n" + QByteArray(60000, 'x')) << ok << error
        << QString(300, QLatin1Char('x')) + QChar(0x2026) << QStringList();
    QTest::newRow("ERROR without a text")
        << 200 << QByteArray("ERROR") << ok << error << UnknownError << QStringList();
    QTest::newRow("status in lower case")
        << 200 << QByteArray("ok\n1.3") << ok << error << UnknownError << QStringList();
    QTest::newRow("empty answer") << 200 << QByteArray() << ok << error << NoResponse
                                  << QStringList();
}

void TestAbout::versionCheck() {
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, press);
    QFETCH(int, icon);
    QFETCH(QString, text);
    QFETCH(QStringList, opened);
    TLocalHttpServer server(HttpResponse(status, body));
    TFormAbout::ServerAddress = server.Address();
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);
    window.show();
    GuiTest::TModalWatcher watcher;
    watcher.Expect(GuiTest::PressButton(QMessageBox::StandardButton(press)));
    window.findChild<QAction*>("MCheckForNewVersion")->trigger();

    QCOMPARE(server.Requests().size(), 1);
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(int(watcher.Seen()[0].Icon), icon);
    // The box may give a long word places to break (zero width spaces).
    QCOMPARE(QString(watcher.Seen()[0].Text).remove(QChar(0x200B)), text);
    QCOMPARE(FOpenedUrls, opened);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestAbout::versionCheckAsksProductOfWindow() {
    TLocalHttpServer server(HttpResponse(200, "OK\n1.2\n"));
    TFormAbout::ServerAddress = server.Address();
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 7);
    GuiTest::TModalWatcher watcher;
    watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    window.MCheckForNewVersionClick();
    QCOMPARE(server.Requests(),
             QStringList{QStringLiteral("GET /external/product_version.php?pid=7 HTTP/1.1")});
}

void TestAbout::versionCheckIgnoresDecimalComma() {
    const QLocale previous;
    const auto restoreLocale = qScopeGuard([previous] { QLocale::setDefault(previous); });
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    QVERIFY(Environment.LanguageManager().Load(QStringLiteral("Czech")));
    TLocalHttpServer server(HttpResponse(200, "OK\n1.3\n"));
    TFormAbout::ServerAddress = server.Address();
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);
    GuiTest::TModalWatcher watcher;
    watcher.Expect(GuiTest::PressButton(QMessageBox::Yes));
    window.MCheckForNewVersionClick();
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen()[0].Text,
             QStringLiteral("Je k dispozici nová verze programu Kavorin: 1.3\n"
                            "Chcete otevřít webovou stránku produktu?"));
    QCOMPARE(FOpenedUrls, QStringList{ProductPage + QStringLiteral("&lng=cs")});
}

void TestAbout::versionCheckWithoutAnswer_data() {
    QTest::addColumn<bool>("listening");
    QTest::newRow("connection refused") << false;
    QTest::newRow("connection dropped") << true;
}

void TestAbout::versionCheckWithoutAnswer() {
    QFETCH(bool, listening);
    std::unique_ptr<TLocalHttpServer> server;
    if (listening) {
        server = std::make_unique<TLocalHttpServer>(QByteArray(),
                                                    TLocalHttpServer::TMode::DropConnection);
        TFormAbout::ServerAddress = server->Address();
    } else {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        TFormAbout::ServerAddress = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
    }
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);
    GuiTest::TModalWatcher watcher;
    watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    window.MCheckForNewVersionClick();
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen()[0].Icon, QMessageBox::Critical);
    QCOMPARE(watcher.Seen()[0].Text, NoResponse);
}

void TestAbout::parseVersion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::newRow("major and minor") << "1.2" << true << 1 << 2;
    QTest::newRow("two-digit minor") << "1.10" << true << 1 << 10;
    QTest::newRow("leading zero") << "1.02" << true << 1 << 2;
    QTest::newRow("major alone") << "2" << true << 2 << 0;
    QTest::newRow("blanks around") << " 1.3 " << true << 1 << 3;
    QTest::newRow("three numbers") << "1.2.1" << false << 0 << 0;
    QTest::newRow("decimal comma") << "1,3" << false << 0 << 0;
    QTest::newRow("empty") << "" << false << 0 << 0;
    QTest::newRow("no minor after the dot") << "1." << false << 0 << 0;
    QTest::newRow("sign") << "-1.2" << false << 0 << 0;
    QTest::newRow("letters") << "1.2b" << false << 0 << 0;
    QTest::newRow("too large a number") << "1.999999" << false << 0 << 0;
}

void TestAbout::parseVersion() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, major);
    QFETCH(int, minor);
    int parsedMajor = -1, parsedMinor = -1;
    QCOMPARE(TFormAbout::ParseVersion(text, parsedMajor, parsedMinor), valid);
    if (valid) {
        QCOMPARE(parsedMajor, major);
        QCOMPARE(parsedMinor, minor);
    }
}

void TestAbout::versionCheckAgainstHostileServer_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("one byte at a time") << "drip";
    QTest::newRow("a body without end") << "flood";
    QTest::newRow("an error line longer than the body may be") << "long error";
    QTest::newRow("a redirect to another host") << "other host";
    QTest::newRow("a redirect loop") << "loop";
}

// Whatever the server does, the check ends within its limits with the no-answer
// message, and the window is left as it was.
void TestAbout::versionCheckAgainstHostileServer() {
    QFETCH(QString, kind);
    using TMode = TLocalHttpServer::TMode;
    std::unique_ptr<TLocalHttpServer> server;
    if (kind == QLatin1String("drip"))
        server = std::make_unique<TLocalHttpServer>(HttpEndlessHead(1000000), TMode::Drip, 20);
    else if (kind == QLatin1String("flood"))
        server = std::make_unique<TLocalHttpServer>(HttpEndlessHead(), TMode::Flood);
    else if (kind == QLatin1String("long error"))
        server = std::make_unique<TLocalHttpServer>(
            HttpResponse(200, "ERROR\n" + QByteArray(1024 * 1024, 'x')));
    else if (kind == QLatin1String("other host"))
        server = std::make_unique<TLocalHttpServer>(
            [](const QString&) { return HttpRedirect("http://127.0.0.2:1/"); });
    else
        server = std::make_unique<TLocalHttpServer>(
            [](const QString& APath) { return HttpRedirect(APath.toLatin1()); });
    TFormAbout::ServerAddress = server->Address();
    TFormAbout::CheckLimits.TotalTimeout = 500;
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);
    window.show();
    GuiTest::TModalWatcher watcher;
    watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    window.MCheckForNewVersionClick();
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen()[0].Text, NoResponse);
    QVERIFY(server->Requests().size() <= 1 + TFormAbout::CheckLimits.MaxRedirects);
    QVERIFY(!window.Checking());
    QVERIFY(window.findChild<QAction*>("MCheckForNewVersion")->isEnabled());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestAbout::closingWindowCancelsCheck_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("close box") << "close";
}

// While the server keeps silent the window answers the user: the cursor is busy,
// the command cannot be given twice, and closing the window ends the check at once,
// without a message.
void TestAbout::closingWindowCancelsCheck() {
    QFETCH(QString, how);
    TLocalHttpServer server(HttpResponse(200, "OK\n1.3\n"), TLocalHttpServer::TMode::Silent);
    TFormAbout::ServerAddress = server.Address();
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* command = window.findChild<QAction*>("MCheckForNewVersion");
    bool checkingMeanwhile = false, commandEnabledMeanwhile = true, busyMeanwhile = false;
    // Once the request has reached the server, the user closes the window.
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (server.Requests().isEmpty())
            return;
        closer.stop();
        checkingMeanwhile = window.Checking();
        commandEnabledMeanwhile = command->isEnabled();
        const QCursor* cursor = QGuiApplication::overrideCursor();
        busyMeanwhile = cursor && cursor->shape() == Qt::WaitCursor;
        if (how == QLatin1String("Escape"))
            QTest::keyClick(&window, Qt::Key_Escape);
        else if (how == QLatin1String("Enter"))
            QTest::keyClick(&window, Qt::Key_Return);
        else
            window.close();
    });
    closer.start();
    GuiTest::TModalWatcher watcher;
    command->trigger();
    QVERIFY(checkingMeanwhile);
    QVERIFY(!commandEnabledMeanwhile);
    QVERIFY(busyMeanwhile);
    QCOMPARE(server.Requests().size(), 1);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.Checking());
    QVERIFY(command->isEnabled());
    QVERIFY(watcher.Seen().isEmpty());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestAbout::desktopFailureNamesWhatToOpen_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("text");
    const QString license = QDir::toNativeSeparators(
        QDir(FProgramFolder.path()).filePath(QStringLiteral("License.txt")));
    QTest::newRow("mail address") << "English"
                                  << "mail"
                                  << "Kavorin could not open this. Please open it yourself:\n"
                                     "kavorin@ternwick.com";
    QTest::newRow("home page") << "English"
                               << "home"
                               << QStringLiteral("Kavorin could not open this. Please open it "
                                                 "yourself:\n") +
                                      ProductPage;
    // The licence has the program's own window to fall back on: its title here.
    QTest::newRow("licence") << "English"
                             << "license"
                             << "License agreement";
    QTest::newRow("licence, Czech") << "Czech"
                                    << "license" << QStringLiteral("Licenční smlouva");
    QTest::newRow("home page, Slovak") << "Slovak"
                                       << "home"
                                       << QStringLiteral("Kavorin to nedokázal otvoriť. Otvorte "
                                                         "to, prosím, sami:\n") +
                                              ProductPage + QStringLiteral("&lng=cs");
}

// When the desktop has no program for an address, the user is told what to open by
// hand; the licence opens in the program's help window instead.
void TestAbout::desktopFailureNamesWhatToOpen() {
    QFETCH(QString, language);
    QFETCH(QString, what);
    QFETCH(QString, text);
    QVERIFY(Environment.LanguageManager().Load(language));
    QFile license(FProgramFolder.filePath(QStringLiteral("License.txt")));
    QVERIFY(license.open(QIODevice::WriteOnly));
    license.write("MIT License\n");
    license.close();
    int attempts = 0;
    SetUrlOpener([&attempts](const QUrl&) {
        ++attempts;
        return false;
    });
    TFormAbout window(nullptr, BuildDate, 2002, 2026, 3);
    window.show();
    GuiTest::TModalWatcher watcher;
    QString shown;
    if (what == QLatin1String("license"))
        watcher.Expect([&shown](QWidget* AModal) {
            if (auto* help = qobject_cast<TFormHelp*>(AModal))
                shown = help->Browser()->toPlainText();
            AModal->close();
        });
    else
        watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    if (what == QLatin1String("mail"))
        QTest::mouseClick(window.findChild<QLabel*>("EmailLink"), Qt::LeftButton);
    else if (what == QLatin1String("home"))
        QTest::mouseClick(window.findChild<QLabel*>("HomepageLink"), Qt::LeftButton);
    else
        window.findChild<QAction*>("MLicenseAgreement")->trigger();
    QCOMPARE(attempts, 1);
    QCOMPARE(watcher.Seen().size(), 1);
    if (what == QLatin1String("license")) {
        QCOMPARE(watcher.Seen()[0].ClassName, QStringLiteral("TFormHelp"));
        QCOMPARE(watcher.Seen()[0].Title, text);
        QCOMPARE(shown, QStringLiteral("MIT License\n"));
        return;
    }
    QCOMPARE(watcher.Seen()[0].Icon, QMessageBox::Critical);
    QCOMPARE(watcher.Seen()[0].Text, text);
}

void TestAbout::serverText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("short") << "Unknown product."
                           << "Unknown product.";
    QTest::newRow("exactly the limit")
        << QString(300, QLatin1Char('a')) << QString(300, QLatin1Char('a'));
    QTest::newRow("one over the limit")
        << QString(301, QLatin1Char('a')) << QString(300, QLatin1Char('a')) + QChar(0x2026);
    QTest::newRow("a megabyte") << QString(1024 * 1024, QLatin1Char('a'))
                                << QString(300, QLatin1Char('a')) + QChar(0x2026);
    QTest::newRow("control characters")
        << QStringLiteral("Down\tfor\x07now\x1B[2J") << QStringLiteral("Down for now [2J");
    QTest::newRow("direction overrides")
        << QStringLiteral("abc\u202Edef") << QStringLiteral("abc def");
    QTest::newRow("cut between the halves of a character")
        << QString(299, QLatin1Char('a')) + QString::fromUcs4(U"\U0001D400\U0001D400")
        << QString(299, QLatin1Char('a')) + QChar(0x2026);
    QTest::newRow("only blanks") << "  \t "
                                 << "";
}

void TestAbout::serverText() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(TFormAbout::ServerText(text), shown);
}

QTEST_MAIN(TestAbout)
#include "tst_About.moc"
