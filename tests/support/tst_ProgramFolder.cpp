// Where the program finds the files it ships with: beside its executable (the
// Windows and build-folder layout) or in the installed data folder.
#include "GuiTestFixture.h"
#include "LanguageSupport.h"
#include "ProgramFolder.h"
#include "Settings.h"

#include <QtTest>

namespace {
bool WriteFile(const QString& Path, const QByteArray& Bytes) {
    QDir().mkpath(QFileInfo(Path).path());
    QFile File(Path);
    return File.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           File.write(Bytes) == Bytes.size();
}

// A temporary prefix: the executable's folder "bin" and the data folder the
// installed program looks in.
struct TInstallTree {
    QTemporaryDir Prefix;
    QString Bin() const { return Prefix.filePath(QStringLiteral("bin")); }
    QString Data() const {
        return QDir::cleanPath(Bin() + QLatin1Char('/') + InstalledDataFolderFromExecutable());
    }
    // Puts the shipped files (language, help, licence) into AFolder.
    static void Ship(const QString& AFolder, const QString& AHelpText) {
        QVERIFY(
            WriteFile(AFolder + QStringLiteral("/Languages/English.ini"),
                      GuiTest::LanguageFileBytes(QStringLiteral("English"), QStringLiteral("en"),
                                                 QStringLiteral("[TFormMain]\r\nBHelp=") +
                                                     AHelpText + QStringLiteral("\r\n"))));
        QVERIFY(WriteFile(AFolder + QStringLiteral("/Help_EN.rtf"), AHelpText.toUtf8()));
        QVERIFY(WriteFile(AFolder + QStringLiteral("/License.txt"), AHelpText.toUtf8()));
    }
};
} // namespace

class TestProgramFolder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void installedDataFolderLiesBesideTheExecutablesFolder();
    void findsShippedFiles_data();
    void findsShippedFiles();
    void languageManagerReadsTheFoundFolder_data();
    void languageManagerReadsTheFoundFolder();
    void settingsFileIsOnlyReadBesideTheExecutable();
    void runningProgramUsesItsOwnFolder();

private:
    std::unique_ptr<GuiTest::TSettingsSandbox> FSettings;
};

void TestProgramFolder::initTestCase() {
    FSettings = std::make_unique<GuiTest::TSettingsSandbox>();
}

void TestProgramFolder::installedDataFolderLiesBesideTheExecutablesFolder() {
    // GNUInstallDirs: bin/ and share/kavorin/ under one prefix.
    const QString Relative = InstalledDataFolderFromExecutable();
    QVERIFY(QDir::isRelativePath(Relative));
    QVERIFY2(Relative.endsWith(QLatin1String("/kavorin")), qPrintable(Relative));
}

// Which copies exist decides which one is found: beside the executable first.
void TestProgramFolder::findsShippedFiles_data() {
    QTest::addColumn<bool>("Beside");
    QTest::addColumn<bool>("Installed");
    QTest::addColumn<QString>("Expected"); // "beside" or "installed"
    QTest::newRow("build folder or Windows") << true << false << "beside";
    QTest::newRow("installed") << false << true << "installed";
    QTest::newRow("both: the executable's folder wins") << true << true << "beside";
    QTest::newRow("neither: where the message sends the user") << false << false << "beside";
}

void TestProgramFolder::findsShippedFiles() {
    QFETCH(bool, Beside);
    QFETCH(bool, Installed);
    QFETCH(QString, Expected);
    TInstallTree Tree;
    QVERIFY(QDir().mkpath(Tree.Bin()));
    if (Beside)
        TInstallTree::Ship(Tree.Bin(), QStringLiteral("beside"));
    if (Installed)
        TInstallTree::Ship(Tree.Data(), QStringLiteral("installed"));
    const QString Folder = (Expected == QLatin1String("beside") ? Tree.Bin() : Tree.Data());
    for (const QString& Name : {QStringLiteral("Help_EN.rtf"), QStringLiteral("License.txt"),
                                QStringLiteral("Languages/")}) {
        const QString Found = ProgramDataPath(Tree.Bin(), Name);
        QCOMPARE(QDir::cleanPath(Found), QDir::cleanPath(Folder + QLatin1Char('/') + Name));
        if (Beside || Installed)
            QVERIFY2(QFileInfo::exists(Found), qPrintable(Found));
    }
    // A folder given with or without its trailing separator, in native form.
    QCOMPARE(ProgramDataPath(QDir::toNativeSeparators(Tree.Bin() + QLatin1Char('/')),
                             QStringLiteral("Help_EN.rtf")),
             ProgramDataPath(Tree.Bin(), QStringLiteral("Help_EN.rtf")));
}

void TestProgramFolder::languageManagerReadsTheFoundFolder_data() {
    QTest::addColumn<bool>("Installed");
    QTest::newRow("beside the executable") << false;
    QTest::newRow("installed data folder") << true;
}

void TestProgramFolder::languageManagerReadsTheFoundFolder() {
    QFETCH(bool, Installed);
    TInstallTree Tree;
    QVERIFY(QDir().mkpath(Tree.Bin()));
    const QString Where = Installed ? QStringLiteral("installed") : QStringLiteral("beside");
    TInstallTree::Ship(Installed ? Tree.Data() : Tree.Bin(), Where);
    QStringList Messages;
    TLanguageEnvironment Environment;
    Environment.ExecutableFolder = Tree.Bin();
    Environment.ShowError = [&Messages](const QString& Text) { Messages.append(Text); };
    TLanguages Manager(SettingsKeys::Program, SettingsKeys::SettingsSection, true, Environment);
    QVERIFY2(Messages.isEmpty(), qPrintable(Messages.join(QLatin1Char('\n'))));
    QVERIFY(!Manager.StartUpFailed());
    QCOMPARE(Manager.List(), QStringList{QStringLiteral("English")});
    QCOMPARE(Manager.ActiveFile().ReadString(QStringLiteral("TFormMain"), QStringLiteral("BHelp")),
             Where);
    QCOMPARE(
        QDir::cleanPath(Manager.LanguageFolderPath()),
        QDir::cleanPath((Installed ? Tree.Data() : Tree.Bin()) + QStringLiteral("/Languages")));
}

// The settings INI file marks a portable copy: only the one beside the executable
// counts, not one in the data folder.
void TestProgramFolder::settingsFileIsOnlyReadBesideTheExecutable() {
    TInstallTree Tree;
    QVERIFY(QDir().mkpath(Tree.Bin()));
    TInstallTree::Ship(Tree.Data(), QStringLiteral("installed"));
    QString Relative = SettingsKeys::Program;
    Relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QVERIFY(WriteFile(Tree.Data() + QLatin1Char('/') + Relative,
                      "[Settings]\r\nLanguage=Elsewhere\r\n"));
    TLanguageEnvironment Environment;
    Environment.ExecutableFolder = Tree.Bin();
    TLanguages Manager(SettingsKeys::Program, SettingsKeys::SettingsSection, false, Environment);
    QCOMPARE(Manager.RegIniLanguage(), QString());
    QVERIFY(
        WriteFile(Tree.Bin() + QLatin1Char('/') + Relative, "[Settings]\r\nLanguage=Portable\r\n"));
    QCOMPARE(Manager.RegIniLanguage(), QStringLiteral("Portable"));
}

void TestProgramFolder::runningProgramUsesItsOwnFolder() {
    TInstallTree Tree;
    QVERIFY(QDir().mkpath(Tree.Bin()));
    TInstallTree::Ship(Tree.Data(), QStringLiteral("installed"));
    SetProgramFolder(Tree.Bin());
    const auto Restore = qScopeGuard([] { SetProgramFolder(QString()); });
    QCOMPARE(QDir::cleanPath(ProgramDataPath(QStringLiteral("Help_EN.rtf"))),
             QDir::cleanPath(Tree.Data() + QStringLiteral("/Help_EN.rtf")));
    SetProgramFolder(QString());
    QCOMPARE(ProgramFolder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

QTEST_MAIN(TestProgramFolder)
#include "tst_ProgramFolder.moc"
