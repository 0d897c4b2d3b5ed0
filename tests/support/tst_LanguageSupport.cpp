#include "GuiTestFixture.h"
#include "LanguageSupport.h"
#include "Maker.h"
#include "MessageBoxes.h"
#include "Settings.h"

#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
const QString Undefined = QStringLiteral("[undefined]");
const QString MissingMessage = QStringLiteral(
    "Language file missing.\r\nYou need to unpack the whole archive in case of portable version.");

QByteArray Utf8Bom(const QString& Text) {
    return QByteArray("\xEF\xBB\xBF") + Text.toUtf8();
}

// "Czech:cs" -> a valid file "Czech.ini" with that Id and Abbr.
QMap<QString, QByteArray> LanguageFiles(const QStringList& IdsAndAbbrs) {
    QMap<QString, QByteArray> Files;
    for (const QString& Item : IdsAndAbbrs) {
        const QString Id = Item.section(QLatin1Char(':'), 0, 0);
        const QString Abbr = Item.section(QLatin1Char(':'), 1, 1);
        Files.insert(Id + QStringLiteral(".ini"),
                     GuiTest::LanguageFileBytes(
                         Id, Abbr, QStringLiteral("[TFormMain]\r\nBHelp=Help ") + Id + "\r\n"));
    }
    return Files;
}

// A language manager on a temporary folder with fixed locale inputs; the error
// messages it would show are collected instead.
struct TFixture {
    QTemporaryDir Root;
    QStringList Messages;
    QStringList UiLanguages{QStringLiteral("de-DE")};
    QLocale System{QLocale::German, QLocale::Germany};
    QLocale User{QLocale::German, QLocale::Germany};

    TLanguageEnvironment Environment() {
        TLanguageEnvironment Env;
        Env.ExecutableFolder = Root.path();
        Env.UiLanguages = [this] { return UiLanguages; };
        Env.SystemLocale = [this] { return System; };
        Env.UserLocale = [this] { return User; };
        Env.ShowError = [this](const QString& Text) { Messages.append(Text); };
        return Env;
    }
    void AddFiles(const QMap<QString, QByteArray>& Files) {
        GuiTest::MakeLanguageFolder(Root, Files);
    }
    // The settings INI file beside the executable.
    void WriteSettingsIni(const QByteArray& Bytes) {
        QDir(Root.path()).mkpath(QStringLiteral("Software/Ternwick"));
        QFile File(Root.filePath(QStringLiteral("Software/Ternwick/Kavorin")));
        QVERIFY(File.open(QIODevice::WriteOnly));
        File.write(Bytes);
    }
    std::unique_ptr<TLanguages> Create(bool LoadAutomatically) {
        return std::make_unique<TLanguages>(SettingsKeys::Program, SettingsKeys::SettingsSection,
                                            LoadAutomatically, Environment());
    }
};

void StoreLanguage(const QString& Language) {
    TSettingsStore Reg(SettingsKeys::Settings);
    Reg.WriteString(QString(), QStringLiteral("Language"), Language);
}
} // namespace

class TestLanguageSupport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void readString_data();
    void readString();
    void encodings_data();
    void encodings();
    void badFilesDoNotCrash_data();
    void badFilesDoNotCrash();
    void scanRejectsMismatchedNames();
    void eightBitFileInCodePageOfLanguage_data();
    void eightBitFileInCodePageOfLanguage();
    void codePageOfLanguage_data();
    void codePageOfLanguage();
    void specialFilesNeverBlock();
    void unreadableFileReportedOnceByName();
    void filesReadOncePerLoad();
    void defaultLanguage_data();
    void defaultLanguage();
    void localeLanguageNames();
    void startUpChoice_data();
    void startUpChoice();
    void startUpWithoutLanguageFails_data();
    void startUpWithoutLanguageFails();
    void startUpMessageIsABox();
    void loadSwitchesAndKeepsPreviousOnFailure();
    void loadOfUnreadableFileReportsPath();
    void addresses_data();
    void addresses();
    void globalInstance();
    void sandboxInstallsShippedLanguage_data();
    void sandboxInstallsShippedLanguage();

private:
    GuiTest::TSettingsSandbox Sandbox;
};

void TestLanguageSupport::init() {
    Sandbox.Clear();
}

void TestLanguageSupport::readString_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "[S]\nKey=Value"
                           << "S"
                           << "Key"
                           << "Value";
    QTest::newRow("blanks around = and after value") << "[S]\n  Key \t=  Two words \t "
                                                     << "S"
                                                     << "Key"
                                                     << "Two words";
    QTest::newRow("section and key ignore case") << "[Sect]\nKEY=v"
                                                 << "sECT"
                                                 << "key"
                                                 << "v";
    QTest::newRow("accented names ignore case")
        << QStringLiteral("[Čára]\nŽluť=v") << QStringLiteral("čÁRA") << QStringLiteral("žLUŤ")
        << "v";
    QTest::newRow("first key wins") << "[S]\nK=first\nk=second"
                                    << "S"
                                    << "K"
                                    << "first";
    QTest::newRow("repeated section not consulted") << "[S]\nA=1\n[T]\nB=2\n[s]\nC=3"
                                                    << "S"
                                                    << "C" << Undefined;
    QTest::newRow("first section still found") << "[S]\nA=1\n[S]\nA=2"
                                               << "S"
                                               << "A"
                                               << "1";
    QTest::newRow("before first section ignored") << "K=v\n[S]\nX=1"
                                                  << "S"
                                                  << "K" << Undefined;
    QTest::newRow("comment") << "[S]\n;K=v"
                             << "S"
                             << ";K" << Undefined;
    QTest::newRow("indented comment") << "[S]\n   ;K=v\nK=w"
                                      << "S"
                                      << "K"
                                      << "w";
    QTest::newRow("line without =") << "[S]\nLonely\nK=v"
                                    << "S"
                                    << "Lonely" << Undefined;
    QTest::newRow("line break inside") << "[S]\nK=One\\nTwo"
                                       << "S"
                                       << "K"
                                       << "One\r\nTwo";
    QTest::newRow("leading line break lost") << "[S]\nK=\\nTwo"
                                             << "S"
                                             << "K"
                                             << "Two";
    QTest::newRow("trailing line break lost") << "[S]\nK=One\\n"
                                              << "S"
                                              << "K"
                                              << "One";
    QTest::newRow("blank around line break kept") << "[S]\nK=One \\n Two"
                                                  << "S"
                                                  << "K"
                                                  << "One \r\n Two";
    QTest::newRow("missing key") << "[S]\nK=v"
                                 << "S"
                                 << "Other" << Undefined;
    QTest::newRow("missing section") << "[S]\nK=v"
                                     << "T"
                                     << "K" << Undefined;
    QTest::newRow("empty value") << "[S]\nK=\nL=x"
                                 << "S"
                                 << "K"
                                 << "";
    QTest::newRow("= inside value") << "[S]\nK=a = b"
                                    << "S"
                                    << "K"
                                    << "a = b";
    QTest::newRow("blanks in section brackets") << "[  S T ]\nK=v"
                                                << "S T"
                                                << "K"
                                                << "v";
    QTest::newRow("CR line ends") << "[S]\rA=1\rB=2"
                                  << "S"
                                  << "B"
                                  << "2";
    QTest::newRow("CR LF line ends") << "[S]\r\nA=1\r\nB=2\r\n"
                                     << "S"
                                     << "A"
                                     << "1";
    QTest::newRow("control characters trimmed") << "[S]\n\x01K=v\x02"
                                                << "S"
                                                << "K"
                                                << "v";
    QTest::newRow("dollar placeholder kept") << "[S]\nK=Side $:"
                                             << "S"
                                             << "K"
                                             << "Side $:";
    QTest::newRow("empty section name") << "[]\nK=v"
                                        << ""
                                        << "K"
                                        << "v";
}

void TestLanguageSupport::readString() {
    QFETCH(QString, body);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const TLanguageFile File = TLanguageFile::FromBytes(Utf8Bom(body));
    QCOMPARE(File.ReadString(section, key), expected);
}

void TestLanguageSupport::encodings_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    const QString Text = QStringLiteral("Čtyřboký jehlan ž");
    const QString Body = QStringLiteral("[S]\r\nK=") + Text + QStringLiteral("\r\n");
    QTest::newRow("UTF-8 with mark") << Utf8Bom(Body) << Text;
    QByteArray Le("\xFF\xFE");
    QByteArray Be("\xFE\xFF");
    for (QChar C : Body) {
        Le.append(char(C.unicode() & 0xFF)).append(char(C.unicode() >> 8));
        Be.append(char(C.unicode() >> 8)).append(char(C.unicode() & 0xFF));
    }
    QTest::newRow("UTF-16 LE with mark") << Le << Text;
    QTest::newRow("UTF-16 BE with mark") << Be << Text;
    QTest::newRow("no mark, ASCII")
        << QByteArray("[S]\nK=Plain text\n") << QStringLiteral("Plain text");
#ifndef Q_OS_WIN
    // A Windows code-page file on a UTF-8 system: every byte stays one character.
    QTest::newRow("no mark, 8-bit bytes")
        << QByteArray("[S]\nK=Kr\xE8h\n") << QStringLiteral("Kr") + QChar(0xE8) + 'h';
#endif
}

void TestLanguageSupport::encodings() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QTemporaryDir Dir;
    QFile File(Dir.filePath(QStringLiteral("x.ini")));
    QVERIFY(File.open(QIODevice::WriteOnly));
    File.write(bytes);
    File.close();
    const std::unique_ptr<TLanguageFile> Read = TLanguageFile::Read(File.fileName());
    QVERIFY(Read);
    QCOMPARE(Read->ReadString(QStringLiteral("s"), QStringLiteral("k")), expected);
}

void TestLanguageSupport::badFilesDoNotCrash_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expectedId");
    QByteArray Junk;
    for (int i = 0; i < 100000; ++i)
        Junk.append(char((i * 7919) ^ (i >> 3)));
    QTest::newRow("binary junk") << Junk << Undefined;
    QTest::newRow("empty") << QByteArray() << Undefined;
    QTest::newRow("only a mark") << QByteArray("\xEF\xBB\xBF") << Undefined;
    QTest::newRow("odd UTF-16") << QByteArray("\xFF\xFE[\0S\0]", 7) << Undefined;
    QByteArray Big = GuiTest::LanguageFileBytes(QStringLiteral("Big"), QStringLiteral("bg"));
    const QByteArray Line("[Section]\r\nKey=" + QByteArray(200, 'x') + "\r\n");
    while (Big.size() < 6 * 1024 * 1024)
        Big.append(Line);
    QTest::newRow("several megabytes") << Big << QStringLiteral("Big");
    QTest::newRow("one long line") << QByteArray(3 * 1024 * 1024, '[') << Undefined;
    QTest::newRow("NUL inside") << QByteArray("[FileInfo]\nId=A\0B\n", 18)
                                << QStringLiteral("A") + QChar(0) + 'B';
}

void TestLanguageSupport::badFilesDoNotCrash() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expectedId);
    QTemporaryDir Dir;
    QFile File(Dir.filePath(QStringLiteral("x.ini")));
    QVERIFY(File.open(QIODevice::WriteOnly));
    File.write(bytes);
    File.close();
    const std::unique_ptr<TLanguageFile> Read = TLanguageFile::Read(File.fileName());
    QVERIFY(Read);
    QCOMPARE(Read->ReadString(QStringLiteral("FileInfo"), QStringLiteral("Id")), expectedId);
    QVERIFY(!TLanguageFile::Read(Dir.filePath(QStringLiteral("missing.ini"))));
}

void TestLanguageSupport::scanRejectsMismatchedNames() {
    TFixture F;
    QMap<QString, QByteArray> Files = LanguageFiles({"English:en", "Czech:cs"});
    Files.insert(QStringLiteral("english.ini"),
                 GuiTest::LanguageFileBytes(QStringLiteral("English"), QStringLiteral("en")));
    Files.insert(QStringLiteral("NoId.ini"), QByteArray("[Other]\nId=NoId\n"));
    Files.insert(QStringLiteral("Junk.ini"), QByteArray("\x00\x01\x02\xFF", 4));
    Files.insert(QStringLiteral("Slovak.txt"),
                 GuiTest::LanguageFileBytes(QStringLiteral("Slovak"), QStringLiteral("sk")));
    F.AddFiles(Files);
    auto L = F.Create(false);
    QCOMPARE(L->List(), QStringList({"Czech", "English"}));
    QCOMPARE(L->ListAbbr(), QStringList({"cs", "en"}));
    QCOMPARE(L->LanguageFolderPath(), F.Root.path() + QStringLiteral("/Languages/"));
    QCOMPARE(F.Messages.size(), 3);
    QVERIFY(F.Messages.contains("Language File Name and its [.ini]FileInfo.Id key mismatch:\r\n\r\n"
                                "File Name = english.ini\r\n[.ini]FileInfo.Id = English"));
    QVERIFY(F.Messages.contains("Language File Name and its [.ini]FileInfo.Id key mismatch:\r\n\r\n"
                                "File Name = NoId.ini\r\n[.ini]FileInfo.Id = [undefined]"));
    // Nothing is active without a load.
    QVERIFY(L->ActiveLanguage().isEmpty());
    QCOMPARE(L->ActiveFile().ReadString(QStringLiteral("TFormMain"), QStringLiteral("BHelp")),
             Undefined);
    // A rescan keeps the list in step with the folder and does not report again.
    QFile::remove(F.Root.filePath(QStringLiteral("Languages/Czech.ini")));
    L->RefreshList();
    QCOMPARE(L->List(), QStringList({"English"}));
    QCOMPARE(F.Messages.size(), 3);
}

void TestLanguageSupport::eightBitFileInCodePageOfLanguage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("fileInfo");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("expected");
    const QByteArray czech("N\xe1pov\xec"
                           "da \xec\x9a\xe8\xf8\x9e\xfd\xe1\xed\xe9\xf9\xfa\x9d\xef\xf2 "
                           "\xcc\x8a\xc8\xd8\x8e\xdd\xc1\xcd\xc9\xd9\xda\x8d\xcf\xd2");
    const QString czechText = QStringLiteral("Nápověda ěščřžýáíéůúťďň ĚŠČŘŽÝÁÍÉŮÚŤĎŇ");
    QTest::newRow("Czech by Id") << "Czech.ini" << QByteArray("Id=Czech\nAbbr=cs\n") << czech
                                 << czechText;
    QTest::newRow("Slovak by Id") << "Slovak.ini" << QByteArray("Id=Slovak\nAbbr=sk\n")
                                  << QByteArray("\xbe\xe5\xe0\xf4\xe4 \xbc\xc5\xc0\xd4\xc4")
                                  << QStringLiteral("ľĺŕôä ĽĹŔÔÄ");
    QTest::newRow("Czech by its code alone")
        << "Cestina.ini" << QByteArray("Id=Cestina\nAbbr=cs\n") << czech << czechText;
    QTest::newRow("Czech by the file name, without FileInfo")
        << "Czech.ini" << QByteArray() << czech << czechText;
    QTest::newRow("Polish") << "Polish.ini" << QByteArray("Id=Polish\nAbbr=pl\n")
                            << QByteArray("Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1")
                            << QStringLiteral("Zażółć gęślą jaźń");
    QTest::newRow("Hungarian") << "Hungarian.ini" << QByteArray("Id=Hungarian\nAbbr=hu\n")
                               << QByteArray("\xc1rv\xedzt\xfbr\xf5 t\xfck\xf6rf\xfar\xf3g\xe9p")
                               << QStringLiteral("Árvíztűrő tükörfúrógép");
    QTest::newRow("quotes and the euro sign in Windows-1250")
        << "Czech.ini" << QByteArray("Id=Czech\n")
        << QByteArray("\x84"
                      "Dvojit\xe9\x93 \x96 \x80")
        << QStringLiteral("„Dvojité“ – €");
    QTest::newRow("English in Windows-1252")
        << "English.ini" << QByteArray("Id=English\nAbbr=en\n")
        << QByteArray("Caf\xe9 \x80 \xdf \xfc \xf1") << QStringLiteral("Café € ß ü ñ");
    QTest::newRow("German in Windows-1252")
        << "German.ini" << QByteArray("Id=German\nAbbr=de\n") << QByteArray("Gr\xfc\xdf\x65")
        << QStringLiteral("Grüße");
    QTest::newRow("unknown language in Windows-1252")
        << "x.ini" << QByteArray() << QByteArray("\x8a\x9a") << QStringLiteral("Šš");
    QTest::newRow("valid UTF-8 without a mark")
        << "Czech.ini" << QByteArray("Id=Czech\n") << czechText.toUtf8() << czechText;
}

// A file without a byte-order mark that is not UTF-8 is read in the Windows code page
// of its language, as Windows editors write them.
void TestLanguageSupport::eightBitFileInCodePageOfLanguage() {
    QFETCH(QString, name);
    QFETCH(QByteArray, fileInfo);
    QFETCH(QByteArray, value);
    QFETCH(QString, expected);
    QTemporaryDir Dir;
    QFile File(Dir.filePath(name));
    QVERIFY(File.open(QIODevice::WriteOnly));
    if (!fileInfo.isEmpty())
        File.write("[FileInfo]\r\n" + fileInfo);
    File.write("[TFormMain]\r\nBHelp=" + value + "\r\n");
    File.close();
    const std::unique_ptr<TLanguageFile> Read = TLanguageFile::Read(File.fileName());
    QVERIFY(Read);
    QCOMPARE(Read->ReadString(QStringLiteral("TFormMain"), QStringLiteral("BHelp")), expected);
}

void TestLanguageSupport::codePageOfLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("centralEuropean");
    for (const char* Name : {"Czech", "cs", "Slovak", "sk", "Polish", "pl", "Hungarian",
                             "Slovenian", "Croatian", "Romanian", "CZECH"})
        QTest::newRow(Name) << QString::fromLatin1(Name) << true;
    for (const char* Name : {"English", "en", "German", "de", "French", "Spanish", "", "Czechia"})
        QTest::newRow(*Name ? Name : "empty") << QString::fromLatin1(Name) << false;
}

void TestLanguageSupport::codePageOfLanguage() {
    QFETCH(QString, language);
    QFETCH(bool, centralEuropean);
    QCOMPARE(CodePageOfLanguage(language) == TCodePage::Windows1250, centralEuropean);
}

// Names in the language folder that are not regular files (a FIFO, a link to a
// device) would block or never end a read: the scan passes them over and the reader
// refuses them at once, even when a file turns into a FIFO between the listing and
// the read.
void TestLanguageSupport::specialFilesNeverBlock() {
#ifdef Q_OS_UNIX
    TFixture F;
    F.AddFiles(LanguageFiles({"English:en", "Czech:cs"}));
    const QString Folder = F.Root.filePath(QStringLiteral("Languages/"));
    QCOMPARE(::mkfifo(QFile::encodeName(Folder + QStringLiteral("Fifo.ini")).constData(), 0600), 0);
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), Folder + QStringLiteral("Zero.ini")));
    // The settings INI file beside the executable, a FIFO too.
    QDir(F.Root.path()).mkpath(QStringLiteral("Software/Ternwick"));
    QCOMPARE(
        ::mkfifo(QFile::encodeName(F.Root.filePath(QStringLiteral("Software/Ternwick/Kavorin")))
                     .constData(),
                 0600),
        0);
    // Czech.ini becomes a FIFO just before the scan reads it.
    TLanguageEnvironment Env = F.Environment();
    Env.FileRead = [&](const QString& Path, bool) {
        if (!Path.endsWith(QLatin1String("/Czech.ini")))
            return;
        QFile::remove(Path);
        QCOMPARE(::mkfifo(QFile::encodeName(Path).constData(), 0600), 0);
    };
    TLanguages L(SettingsKeys::Program, SettingsKeys::SettingsSection, true, std::move(Env));
    QVERIFY(!L.StartUpFailed());
    QCOMPARE(L.List(), QStringList{"English"});
    QCOMPARE(L.ActiveLanguage(), QStringLiteral("English"));
    // The FIFO in the folder is no file and is passed over; the link to a device and
    // the file that became a FIFO are named.
    const QString Unreadable = QStringLiteral("Language file cannot be read:\r\n\r\nFile Name = ");
    QCOMPARE(F.Messages, QStringList({Unreadable + "Czech.ini", Unreadable + "Zero.ini"}));
    QVERIFY(!TLanguageFile::Read(Folder + QStringLiteral("Fifo.ini")));
    TLanguageFile::TReadError Error = TLanguageFile::TReadError::None;
    QVERIFY(!TLanguageFile::Read(Folder + QStringLiteral("Zero.ini"), &Error));
    QCOMPARE(Error, TLanguageFile::TReadError::Unreadable);
#else
    QSKIP("FIFOs are a Unix matter");
#endif
}

// A file that cannot be read is named as such, once in the manager's life however
// often the folder is scanned (start-up scans twice, each opening of the settings
// dialog once more).
void TestLanguageSupport::unreadableFileReportedOnceByName() {
    TFixture F;
    F.AddFiles(LanguageFiles({"English:en", "Czech:cs"}));
    F.AddFiles({{QStringLiteral("Huge.ini"), QByteArray()}, {QStringLiteral("NoId.ini"), "[A]\n"}});
    QFile Huge(F.Root.filePath(QStringLiteral("Languages/Huge.ini")));
    QVERIFY(Huge.resize(TLanguageFile::MaxSize + 1));
    auto L = F.Create(true);
    L->RefreshList();
    L->RefreshList();
    QCOMPARE(L->List(), QStringList({"Czech", "English"}));
    QCOMPARE(F.Messages,
             QStringList({QStringLiteral("Language file cannot be read:\r\n\r\nFile Name = "
                                         "Huge.ini\r\n(larger than 16 MB)"),
                          QStringLiteral("Language File Name and its [.ini]FileInfo.Id key "
                                         "mismatch:\r\n\r\nFile Name = NoId.ini\r\n"
                                         "[.ini]FileInfo.Id = [undefined]")}));
    // A file exactly at the limit is still read.
    QVERIFY(Huge.resize(TLanguageFile::MaxSize));
    TLanguageFile::TReadError Error = TLanguageFile::TReadError::TooLarge;
    QVERIFY(TLanguageFile::Read(Huge.fileName(), &Error));
    QCOMPARE(Error, TLanguageFile::TReadError::None);
}

// Start-up reads each file's identity once and the chosen file once in full; later
// scans read only what changed.
void TestLanguageSupport::filesReadOncePerLoad() {
    TFixture F;
    QMap<QString, QByteArray> Files = LanguageFiles({"English:en", "Czech:cs"});
    // Large enough that reading it three times would show at start-up.
    Files[QStringLiteral("English.ini")] +=
        QByteArray("[Padding]\r\n") + QByteArray("Key=Value\r\n").repeated(200000);
    F.AddFiles(Files);
    QStringList Whole, Identity;
    TLanguageEnvironment Env = F.Environment();
    Env.FileRead = [&](const QString& Path, bool AWhole) {
        (AWhole ? Whole : Identity) << QFileInfo(Path).fileName();
    };
    TLanguages L(SettingsKeys::Program, SettingsKeys::SettingsSection, true, std::move(Env));
    QCOMPARE(L.ActiveLanguage(), QStringLiteral("English"));
    QCOMPARE(Whole, QStringList{"English.ini"});
    QCOMPARE(Identity, QStringList({"Czech.ini", "English.ini"}));
    L.RefreshList();
    QCOMPARE(Identity.size(), 2);
    // A changed file is read again, and only it.
    QFile Czech(F.Root.filePath(QStringLiteral("Languages/Czech.ini")));
    QVERIFY(Czech.open(QIODevice::Append));
    Czech.write("[TFormAbout]\r\nCaption=O programu\r\n");
    Czech.close();
    L.RefreshList();
    QCOMPARE(Identity, QStringList({"Czech.ini", "English.ini", "Czech.ini"}));
    QVERIFY(L.Load(QStringLiteral("Czech")));
    QCOMPARE(Whole, QStringList({"English.ini", "Czech.ini"}));
    QCOMPARE(L.ActiveFile().ReadString(QStringLiteral("TFormAbout"), QStringLiteral("Caption")),
             QStringLiteral("O programu"));
}

void TestLanguageSupport::defaultLanguage_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("ui");
    QTest::addColumn<QLocale>("system");
    QTest::addColumn<QLocale>("user");
    QTest::addColumn<QString>("expected");
    const QLocale German(QLocale::German, QLocale::Germany);
    const QLocale Czech(QLocale::Czech, QLocale::CzechRepublic);
    const QLocale Slovak(QLocale::Slovak, QLocale::Slovakia);
    const QLocale C(QLocale::C);
    const QStringList Three{"English:en", "Czech:cs", "Slovak:sk"};
    QTest::newRow("no file") << QStringList() << QStringList{"cs-CZ"} << Czech << Czech << "";
    QTest::newRow("single file whatever the locale")
        << QStringList{"Slovak:sk"} << QStringList{"de-DE"} << German << German << "Slovak";
    QTest::newRow("display language by Abbr")
        << QStringList{"English:en", "Czech:cs"} << QStringList{"cs-CZ", "en-US"} << German
        << German << "Czech";
    QTest::newRow("display language before system locale")
        << Three << QStringList{"sk"} << Czech << Czech << "Slovak";
    QTest::newRow("Abbr compared without case")
        << QStringList{"English:en", "Czech:CS"} << QStringList{"cs-CZ"} << German << German
        << "Czech";
    QTest::newRow("system locale") << Three << QStringList{"de-DE"} << Slovak << Czech << "Slovak";
    QTest::newRow("regional format") << Three << QStringList{"de-DE"} << German << Czech << "Czech";
    QTest::newRow("German everywhere: English")
        << QStringList{"English:en", "Czech:cs"} << QStringList{"de-DE"} << German << German
        << "English";
    QTest::newRow("no English: first listed")
        << QStringList{"Slovak:sk", "Czech:cs"} << QStringList{"de-DE"} << German << German
        << "Czech";
    QTest::newRow("empty display list") << Three << QStringList() << C << C << "English";
    QTest::newRow("short display tag") << Three << QStringList{"c"} << C << C << "English";
}

void TestLanguageSupport::defaultLanguage() {
    QFETCH(QStringList, files);
    QFETCH(QStringList, ui);
    QFETCH(QLocale, system);
    QFETCH(QLocale, user);
    QFETCH(QString, expected);
    TFixture F;
    F.AddFiles(LanguageFiles(files));
    F.UiLanguages = ui;
    F.System = system;
    F.User = user;
    auto L = F.Create(false);
    QCOMPARE(L->DefaultLanguage(), expected);
    QVERIFY(F.Messages.isEmpty());
}

void TestLanguageSupport::localeLanguageNames() {
    TFixture F;
    F.UiLanguages = {QStringLiteral("cs-CZ"), QStringLiteral("en-US")};
    F.System = QLocale(QLocale::Slovak, QLocale::Slovakia);
    F.User = QLocale(QLocale::Czech, QLocale::CzechRepublic);
    auto L = F.Create(false);
    QCOMPARE(L->DisplayLanguage(), QStringLiteral("cs"));
    QCOMPARE(L->NonUnicodeLanguage(), QStringLiteral("Slovak"));
    QCOMPARE(L->RegionalFormatLanguage(), QStringLiteral("Czech"));
    QCOMPARE(TLanguages::LocaleLanguageName(QLocale(QLocale::English)), QStringLiteral("English"));
    QCOMPARE(TLanguages::LocaleLanguageName(QLocale::c()), QString());

    // The defaults come from the process locale: QLocale() follows QLocale::setDefault.
    const QLocale Saved;
    const auto Restore = qScopeGuard([&] { QLocale::setDefault(Saved); });
    QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
    TLanguages Plain(SettingsKeys::Program, SettingsKeys::SettingsSection, false,
                     TLanguageEnvironment{F.Root.path(), {}, {}, {}, {}, {}, {}});
    QCOMPARE(Plain.RegionalFormatLanguage(), QStringLiteral("Slovak"));
    QCOMPARE(Plain.NonUnicodeLanguage(), TLanguages::LocaleLanguageName(QLocale::system()));
}

void TestLanguageSupport::startUpChoice_data() {
    QTest::addColumn<QString>("stored");   // in the settings store; empty: nothing
    QTest::addColumn<QByteArray>("ini");   // the settings INI file; empty: no file
    QTest::addColumn<QString>("regIni");   // RegIniLanguage
    QTest::addColumn<QString>("expected"); // the active language
    QTest::newRow("nothing stored") << "" << QByteArray() << ""
                                    << "English";
    QTest::newRow("stored") << "Czech" << QByteArray() << "Czech"
                            << "Czech";
    QTest::newRow("stored in other case") << "sLOVAK" << QByteArray() << "sLOVAK"
                                          << "sLOVAK";
    QTest::newRow("stored without file") << "German" << QByteArray() << "German"
                                         << "English";
    QTest::newRow("INI file wins over the store")
        << "Czech" << QByteArray("[Settings]\r\nLanguage = Slovak\r\n") << "Slovak"
        << "Slovak";
    QTest::newRow("INI key in other case")
        << "" << QByteArray("[settings]\nlanguage=Czech\n") << "Czech"
        << "Czech";
    QTest::newRow("INI names a missing language: store not consulted")
        << "Czech" << QByteArray("[Settings]\nLanguage=German\n") << "German"
        << "English";
    QTest::newRow("INI without the key: store not consulted")
        << "Czech" << QByteArray("[Other]\nLanguage=Slovak\n") << ""
        << "English";
    QTest::newRow("INI file empty") << "Slovak" << QByteArray("\n") << ""
                                    << "English";
    QTest::newRow("INI file UTF-16")
        << ""
        << QByteArray("\xFF\xFE[\0S\0e\0t\0t\0i\0n\0g\0s\0]\0\n\0L\0a\0n\0g\0u\0a\0g\0e\0="
                      "\0C\0z\0e\0c\0h\0",
                      52)
        << "Czech"
        << "Czech";
}

void TestLanguageSupport::startUpChoice() {
    QFETCH(QString, stored);
    QFETCH(QByteArray, ini);
    QFETCH(QString, regIni);
    QFETCH(QString, expected);
    TFixture F;
    F.AddFiles(LanguageFiles({"English:en", "Czech:cs", "Slovak:sk"}));
    if (!stored.isEmpty())
        StoreLanguage(stored);
    if (!ini.isEmpty())
        F.WriteSettingsIni(ini);
    auto L = F.Create(true);
    QCOMPARE(L->RegIniLanguage(), regIni);
    QCOMPARE(L->ActiveLanguage(), expected);
    QVERIFY(!L->StartUpFailed());
    QVERIFY(F.Messages.isEmpty());
    QCOMPARE(
        L->ActiveFile().ReadString(QStringLiteral("TFormMain"), QStringLiteral("BHelp")).toLower(),
        QStringLiteral("help ") + expected.toLower());
}

void TestLanguageSupport::startUpWithoutLanguageFails_data() {
    QTest::addColumn<bool>("makeFolder");
    QTest::newRow("empty folder") << true;
    QTest::newRow("no folder") << false;
}

void TestLanguageSupport::startUpWithoutLanguageFails() {
    QFETCH(bool, makeFolder);
    TFixture F;
    if (makeFolder)
        F.AddFiles({});
    auto L = F.Create(true);
    QVERIFY(L->StartUpFailed());
    QCOMPARE(F.Messages, QStringList{MissingMessage});
    QVERIFY(L->ActiveLanguage().isEmpty());
    QCOMPARE(L->ActiveFile().ReadString(QStringLiteral("FileInfo"), QStringLiteral("Id")),
             Undefined);
}

void TestLanguageSupport::startUpMessageIsABox() {
    QTemporaryDir Root;
    SetApplicationTitle(QString());
    GuiTest::TModalWatcher Watcher;
    Watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    TLanguages L(SettingsKeys::Program, SettingsKeys::SettingsSection, true,
                 TLanguageEnvironment{Root.path(), {}, {}, {}, {}, {}, {}});
    QVERIFY(L.StartUpFailed());
    QCOMPARE(Watcher.Seen().size(), 1);
    QCOMPARE(Watcher.Seen().at(0).Text, QString(MissingMessage).replace("\r\n", "\n"));
    QCOMPARE(Watcher.Seen().at(0).Icon, QMessageBox::Critical);
    // Start-up has not set the title yet: the box carries the executable's name.
    QCOMPARE(Watcher.Seen().at(0).Title, QStringLiteral("tst_languagesupport"));
}

void TestLanguageSupport::loadSwitchesAndKeepsPreviousOnFailure() {
    TFixture F;
    F.AddFiles(LanguageFiles({"English:en", "Czech:cs"}));
    auto L = F.Create(true);
    QCOMPARE(L->ActiveLanguage(), QStringLiteral("English"));
    QVERIFY(L->Load(QStringLiteral("Czech")));
    QCOMPARE(L->ActiveLanguage(), QStringLiteral("Czech"));
    QCOMPARE(L->ActiveFile().ReadString(QStringLiteral("TFormMain"), QStringLiteral("BHelp")),
             QStringLiteral("Help Czech"));

    // Not in the list, empty, or gone since the scan: the missing-file message, and
    // after start-up the program goes on with the previous language.
    QVERIFY(!L->Load(QStringLiteral("German")));
    QVERIFY(!L->Load(QString()));
    QFile::remove(F.Root.filePath(QStringLiteral("Languages/English.ini")));
    QVERIFY(!L->Load(QStringLiteral("English")));
    QDir(F.Root.filePath(QStringLiteral("Languages"))).removeRecursively();
    QVERIFY(!L->Load(QStringLiteral("Czech")));
    QCOMPARE(F.Messages, QStringList(4, MissingMessage));
    QVERIFY(!L->StartUpFailed());
    QCOMPARE(L->ActiveLanguage(), QStringLiteral("Czech"));
    QCOMPARE(L->ActiveFile().ReadString(QStringLiteral("TFormMain"), QStringLiteral("BHelp")),
             QStringLiteral("Help Czech"));
}

void TestLanguageSupport::loadOfUnreadableFileReportsPath() {
    TFixture F;
    F.AddFiles(LanguageFiles({"English:en", "Czech:cs"}));
    auto L = F.Create(true);
    // Listed at the scan, then grown past anything a language file can be.
    QFile Czech(F.Root.filePath(QStringLiteral("Languages/Czech.ini")));
    QVERIFY(Czech.resize(qint64(65) * 1024 * 1024));
    QVERIFY(!L->Load(QStringLiteral("Czech")));
    QCOMPARE(F.Messages, QStringList{QStringLiteral("Error while loading language file.\r\n") +
                                     QDir::toNativeSeparators(Czech.fileName())});
    QCOMPARE(L->ActiveLanguage(), QStringLiteral("English"));
}

void TestLanguageSupport::addresses_data() {
    QTest::addColumn<QString>("active");
    QTest::addColumn<bool>("http");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("product");
    QTest::newRow("English") << "English" << true << "http://www.ternwick.com"
                             << "http://www.ternwick.com/?pg=1&pid=3";
    QTest::newRow("Czech") << "Czech" << true << "http://www.ternwick.com"
                           << "http://www.ternwick.com/?pg=1&pid=3&lng=cs";
    QTest::newRow("Slovak, no scheme") << "Slovak" << false << "www.ternwick.com"
                                       << "www.ternwick.com/?pg=1&pid=3&lng=cs";
    QTest::newRow("Czech in other case") << "czech" << true << "http://www.ternwick.com"
                                         << "http://www.ternwick.com/?pg=1&pid=3";
}

void TestLanguageSupport::addresses() {
    QFETCH(QString, active);
    QFETCH(bool, http);
    QFETCH(QString, home);
    QFETCH(QString, product);
    TFixture F;
    F.AddFiles(LanguageFiles({"English:en", "Czech:cs", "Slovak:sk"}));
    auto L = F.Create(false);
    QVERIFY(L->Load(active));
    QCOMPARE(L->ActiveLanguage(), active);
    QCOMPARE(L->HomePageAddress(http), home);
    QCOMPARE(L->ProductPageAddress(http, Maker::ProductId), product);
    QCOMPARE(L->EmailAddress(Maker::MailBoxName), QStringLiteral("kavorin@ternwick.com"));
}

void TestLanguageSupport::globalInstance() {
    TFixture F;
    F.AddFiles(LanguageFiles({"English:en"}));
    auto L = F.Create(true);
    QVERIFY(!Languages);
    Languages = L.get();
    const auto Reset = qScopeGuard([] { Languages = nullptr; });
    QCOMPARE(
        Languages->ActiveFile().ReadString(QStringLiteral("tformmain"), QStringLiteral("bhelp")),
        QStringLiteral("Help English"));
}

void TestLanguageSupport::sandboxInstallsShippedLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Czech") << "Czech";
    QTest::newRow("Slovak") << "Slovak";
}

void TestLanguageSupport::sandboxInstallsShippedLanguage() {
    QFETCH(QString, language);
    {
        GuiTest::TLanguageSandbox Texts(language);
        QVERIFY(Languages == &Texts.Manager());
        QCOMPARE(Languages->ActiveLanguage(), language);
        QCOMPARE(Languages->List(), QStringList({"Czech", "English", "Slovak"}));
        QVERIFY(Texts.Messages().isEmpty());
        const QString Caption = Languages->ActiveFile().ReadString(QStringLiteral("TFormSettings"),
                                                                   QStringLiteral("Caption"));
        QVERIFY(!Caption.isEmpty());
        QVERIFY(Caption != Undefined);
    }
    QVERIFY(!Languages);
}

QTEST_MAIN(TestLanguageSupport)
#include "tst_LanguageSupport.moc"
