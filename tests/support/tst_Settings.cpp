#include "GuiTestFixture.h"
#include "Settings.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void storeIsIsolated();
    void readInteger_data();
    void readInteger();
    void readBool_data();
    void readBool();
    void readStringDefaults();
    void writtenValuesAreText();
    void unchangedValuesLeaveTheStoreAlone();
    void keyPathsAndSections();
    void keyExists();
    void closedStoreReadsDefaults();
    void damagedStoreReadsDefaults();
    void writeFailureIsToldOnce_data();
    void writeFailureIsToldOnce();

private:
    // Stores Text as the raw value "Settings/Name", as a hand-edited store would.
    void StoreRaw(const QString& Name, const QVariant& Value) {
        QSettings Raw(Sandbox.FilePath(), QSettings::IniFormat);
        Raw.setValue(QStringLiteral("Settings/") + Name, Value);
    }
    GuiTest::TSettingsSandbox Sandbox;
};

void TestSettings::init() {
    Sandbox.Clear();
}

void TestSettings::storeIsIsolated() {
    QVERIFY(QStandardPaths::isTestModeEnabled());
    {
        TSettingsStore Reg(SettingsKeys::Settings);
        Reg.WriteInteger(QString(), QStringLiteral("Precision"), 7);
    }
    QVERIFY(QFile::exists(Sandbox.FilePath()));
    // A native store opened the ordinary way lands in the sandbox folder too.
    QSettings Native(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ternwick"),
                     QStringLiteral("Kavorin"));
#ifndef Q_OS_WIN
    QVERIFY2(Native.fileName().startsWith(Sandbox.FolderPath()), qPrintable(Native.fileName()));
#endif
}

void TestSettings::readInteger_data() {
    QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
    QTest::addColumn<int>("expected");
    QTest::newRow("missing") << QVariant() << 2;
    QTest::newRow("empty") << QVariant(QString()) << 2;
    QTest::newRow("fourteen") << QVariant(QStringLiteral("14")) << 14;
    QTest::newRow("negative") << QVariant(QStringLiteral("-3")) << -3;
    QTest::newRow("zero") << QVariant(QStringLiteral("0")) << 0;
    QTest::newRow("word") << QVariant(QStringLiteral("abc")) << 2;
    QTest::newRow("decimal") << QVariant(QStringLiteral("1.5")) << 2;
    QTest::newRow("trailing letter") << QVariant(QStringLiteral("12x")) << 2;
    QTest::newRow("overflow") << QVariant(QStringLiteral("99999999999")) << 2;
    QTest::newRow("largest") << QVariant(QStringLiteral("2147483647")) << 2147483647;
    QTest::newRow("list") << QVariant(QStringList{QStringLiteral("1"), QStringLiteral("2")}) << 2;
}

void TestSettings::readInteger() {
    QFETCH(QVariant, stored);
    QFETCH(int, expected);
    if (stored.isValid())
        StoreRaw(QStringLiteral("Precision"), stored);
    TSettingsStore Reg(SettingsKeys::Settings);
    QCOMPARE(Reg.ReadInteger(QString(), QStringLiteral("Precision"), 2), expected);
}

void TestSettings::readBool_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::newRow("missing, default true") << QVariant() << true << true;
    QTest::newRow("missing, default false") << QVariant() << false << false;
    QTest::newRow("one") << QVariant(QStringLiteral("1")) << false << true;
    QTest::newRow("zero") << QVariant(QStringLiteral("0")) << true << false;
    QTest::newRow("two reads true") << QVariant(QStringLiteral("2")) << false << true;
    QTest::newRow("minus one reads true") << QVariant(QStringLiteral("-1")) << false << true;
    QTest::newRow("word, default true") << QVariant(QStringLiteral("yes")) << true << true;
    QTest::newRow("word, default false") << QVariant(QStringLiteral("true")) << false << false;
    QTest::newRow("empty, default true") << QVariant(QString()) << true << true;
}

void TestSettings::readBool() {
    QFETCH(QVariant, stored);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    if (stored.isValid())
        StoreRaw(QStringLiteral("ShowDraft"), stored);
    TSettingsStore Reg(SettingsKeys::Settings);
    QCOMPARE(Reg.ReadBool(QString(), QStringLiteral("ShowDraft"), defaultValue), expected);
}

void TestSettings::readStringDefaults() {
    TSettingsStore Reg(SettingsKeys::Settings);
    QCOMPARE(Reg.ReadString(QString(), QStringLiteral("PresetDensity"), QString()), QString());
    QCOMPARE(Reg.ReadString(QString(), QStringLiteral("Language"), QStringLiteral("x")),
             QStringLiteral("x"));
    Reg.WriteString(QString(), QStringLiteral("PresetDensity"), QString());
    // A stored empty text is a value, not a missing one.
    QCOMPARE(Reg.ReadString(QString(), QStringLiteral("PresetDensity"), QStringLiteral("x")),
             QString());
}

void TestSettings::writtenValuesAreText() {
    {
        TSettingsStore Reg(SettingsKeys::Settings);
        Reg.WriteInteger(QString(), QStringLiteral("Precision"), 14);
        Reg.WriteInteger(QString(), QStringLiteral("Form"), -1);
        Reg.WriteBool(QString(), QStringLiteral("ShowDraft"), true);
        Reg.WriteBool(QString(), QStringLiteral("ShowFormulas"), false);
        Reg.WriteString(QString(), QStringLiteral("PresetDensity"), QStringLiteral("7,85"));
        Reg.WriteString(QString(), QStringLiteral("Language"), QStringLiteral("Čeština, 1"));
    }
    QSettings Raw(Sandbox.FilePath(), QSettings::IniFormat);
    const QVariant Precision = Raw.value(QStringLiteral("Settings/Precision"));
    QCOMPARE(Precision.typeId(), int(QMetaType::QString));
    QCOMPARE(Precision.toString(), QStringLiteral("14"));
    QCOMPARE(Raw.value(QStringLiteral("Settings/Form")).toString(), QStringLiteral("-1"));
    QCOMPARE(Raw.value(QStringLiteral("Settings/ShowDraft")).toString(), QStringLiteral("1"));
    QCOMPARE(Raw.value(QStringLiteral("Settings/ShowFormulas")).toString(), QStringLiteral("0"));

    TSettingsStore Reg(SettingsKeys::Settings);
    QCOMPARE(Reg.ReadInteger(QString(), QStringLiteral("Precision"), 2), 14);
    QCOMPARE(Reg.ReadInteger(QString(), QStringLiteral("Form"), 0), -1);
    QCOMPARE(Reg.ReadBool(QString(), QStringLiteral("ShowDraft"), false), true);
    QCOMPARE(Reg.ReadBool(QString(), QStringLiteral("ShowFormulas"), true), false);
    QCOMPARE(Reg.ReadString(QString(), QStringLiteral("PresetDensity"), QString()),
             QStringLiteral("7,85"));
    QCOMPARE(Reg.ReadString(QString(), QStringLiteral("Language"), QString()),
             QStringLiteral("Čeština, 1"));
}

// The main window writes its position at every exit; where it did not move, the
// store is not rewritten. A comment of a hand-edited file shows whether it was:
// QSettings drops comments when it writes.
void TestSettings::unchangedValuesLeaveTheStoreAlone() {
    const auto Content = [this] {
        QFile File(Sandbox.FilePath());
        return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
    };
    {
        QFile File(Sandbox.FilePath());
        QVERIFY(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
        File.write("; written by hand\n[Position]\nTop=10\nLeft=-3\n");
    }
    {
        TSettingsStore Position(SettingsKeys::Position);
        Position.WriteInteger(QString(), QStringLiteral("Top"), 10);
        Position.WriteInteger(QString(), QStringLiteral("Left"), -3);
    }
    QVERIFY(Content().startsWith("; written by hand"));
    {
        TSettingsStore Position(SettingsKeys::Position);
        Position.WriteInteger(QString(), QStringLiteral("Top"), 10);
        Position.WriteInteger(QString(), QStringLiteral("Left"), 4);
    }
    QVERIFY(!Content().contains("written by hand"));
    TSettingsStore Position(SettingsKeys::Position);
    QCOMPARE(Position.ReadInteger(QString(), QStringLiteral("Top"), 0), 10);
    QCOMPARE(Position.ReadInteger(QString(), QStringLiteral("Left"), 0), 4);
}

void TestSettings::keyPathsAndSections() {
    {
        // The main window writes through the Position key ...
        TSettingsStore Reg(SettingsKeys::Position);
        Reg.WriteInteger(QString(), QStringLiteral("Top"), 120);
        Reg.WriteInteger(QString(), QStringLiteral("Left"), -40);
    }
    {
        // ... and reads through the program key with the section "Position".
        TSettingsStore Reg(SettingsKeys::Program);
        QCOMPARE(Reg.ReadInteger(QStringLiteral("Position"), QStringLiteral("Top"), 2147483647),
                 120);
        QCOMPARE(Reg.ReadInteger(QStringLiteral("Position"), QStringLiteral("Left"), 2147483647),
                 -40);
        QCOMPARE(Reg.ReadString(QStringLiteral("Settings"), QStringLiteral("Language"), QString()),
                 QString());
        Reg.WriteString(QStringLiteral("Settings"), QStringLiteral("Language"),
                        QStringLiteral("Czech"));
    }
    TSettingsStore Reg(SettingsKeys::Settings);
    QCOMPARE(Reg.ReadString(QString(), QStringLiteral("Language"), QString()),
             QStringLiteral("Czech"));
    // A section below a key that has none reads the default.
    QCOMPARE(Reg.ReadInteger(QStringLiteral("Nothing"), QStringLiteral("Top"), 5), 5);
}

void TestSettings::keyExists() {
    TSettingsStore Reg(SettingsKeys::Program);
    QVERIFY(!Reg.KeyExists(QStringLiteral("Position")));
    // Reading a section does not create it.
    QCOMPARE(Reg.ReadInteger(QStringLiteral("Position"), QStringLiteral("Top"), 1), 1);
    QVERIFY(!Reg.KeyExists(QStringLiteral("Position")));
    {
        TSettingsStore Position(SettingsKeys::Position);
        Position.WriteInteger(QString(), QStringLiteral("Left"), 3);
    }
    TSettingsStore Again(SettingsKeys::Program);
    QVERIFY(Again.KeyExists(QStringLiteral("Position")));
    QVERIFY(Again.KeyExists(QStringLiteral("position")));
    QVERIFY(!Again.KeyExists(QStringLiteral("Settings")));
    // Only "Left" stored: "Top" reads as "no position".
    QCOMPARE(Again.ReadInteger(QStringLiteral("Position"), QStringLiteral("Top"), 2147483647),
             2147483647);
}

void TestSettings::closedStoreReadsDefaults() {
    TSettingsStore Reg(SettingsKeys::Settings);
    Reg.WriteInteger(QString(), QStringLiteral("Precision"), 9);
    Reg.Close();
    QVERIFY(!Reg.IsOpen());
    QCOMPARE(Reg.ReadInteger(QString(), QStringLiteral("Precision"), 2), 2);
    Reg.WriteInteger(QString(), QStringLiteral("Precision"), 4); // dropped
    Reg.Close();
    TSettingsStore Again(SettingsKeys::Settings);
    QCOMPARE(Again.ReadInteger(QString(), QStringLiteral("Precision"), 2), 9);
}

void TestSettings::damagedStoreReadsDefaults() {
    QFile File(Sandbox.FilePath());
    QVERIFY(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray Junk(
        "[Settings\n=\x01\x02\xFF\xFE Precision\n[Settings]\nPrecision=@Variant(\x00\x00");
    for (int i = 0; i < 1000; ++i)
        Junk.append(char(i * 37));
    File.write(Junk);
    File.close();
    TSettingsStore Reg(SettingsKeys::Settings);
    QCOMPARE(Reg.ReadInteger(QString(), QStringLiteral("Precision"), 2), 2);
    QCOMPARE(Reg.ReadBool(QString(), QStringLiteral("ShowDraft"), true), true);
    QCOMPARE(Reg.ReadString(QString(), QStringLiteral("PresetDensity"), QString()), QString());
}

void TestSettings::writeFailureIsToldOnce_data() {
    QTest::addColumn<QString>("blocker");
    // Where the store's folder should be, something that is not a folder: the
    // store cannot be written, whoever runs the test (root passes file modes by).
    QTest::newRow("a file where the folder should be") << "file";
    QTest::newRow("a folder that cannot hold files") << "proc";
}

// Preferences that cannot be written are not lost silently: the handler hears of
// it once in a run, however many writes fail; reads alone never report.
void TestSettings::writeFailureIsToldOnce() {
    QFETCH(QString, blocker);
    QTemporaryDir Dir;
    QString StorePath;
    if (blocker == QLatin1String("file")) {
        QFile Blocker(Dir.filePath(QStringLiteral("Ternwick")));
        QVERIFY(Blocker.open(QIODevice::WriteOnly));
        StorePath = Dir.filePath(QStringLiteral("Ternwick/Kavorin.ini"));
    } else {
        StorePath = QStringLiteral("/proc/self/Kavorin.ini");
        if (!QFileInfo(QStringLiteral("/proc/self")).isDir())
            QSKIP("no /proc here");
    }
    QStringList Told;
    TSettingsStore::SetWriteFailureHandler([&Told](const QString& Name) { Told << Name; });
    TSettingsStore::SetStoreFile(StorePath);
    const auto Restore = qScopeGuard([this] {
        TSettingsStore::SetStoreFile(Sandbox.FilePath());
        TSettingsStore::SetWriteFailureHandler({});
    });
    {
        TSettingsStore Reg(SettingsKeys::Settings);
        QCOMPARE(Reg.ReadInteger(QString(), QStringLiteral("Precision"), 2), 2);
    }
    QVERIFY(Told.isEmpty());
    for (int Precision : {3, 4}) {
        TSettingsStore Reg(SettingsKeys::Settings);
        Reg.WriteInteger(QString(), QStringLiteral("Precision"), Precision);
    }
    {
        TSettingsStore Position(SettingsKeys::Position);
        Position.WriteInteger(QString(), QStringLiteral("Top"), 10);
        Position.Close();
    }
    QCOMPARE(Told, QStringList{StorePath});
    // A store that can be written says nothing.
    TSettingsStore::SetStoreFile(Sandbox.FilePath());
    TSettingsStore::SetWriteFailureHandler([&Told](const QString& Name) { Told << Name; });
    {
        TSettingsStore Reg(SettingsKeys::Settings);
        Reg.WriteInteger(QString(), QStringLiteral("Precision"), 5);
    }
    QCOMPARE(Told.size(), 1);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_Settings.moc"
