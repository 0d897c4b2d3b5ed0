// Materials: the shipped file and the list built into the program, damaged and
// unreadable files (told once, the built-in list used), the list the dialogs show
// with "Custom" and the user's own materials, and own materials in the settings
// without losing what is stored.

#include "GuiTestFixture.h"
#include "Materials.h"
#include "ProgramFolder.h"
#include "SeparatorGuard.h"
#include "Settings.h"

#include <QtTest>

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString SourceFile = QStringLiteral(KAVORIN_SOURCE_DIR "/Languages/Materials.csv");

const QByteArray Header = "id;density;source;en;cs;sk\n";

} // namespace

Q_DECLARE_METATYPE(TMaterialFile)

class TestMaterials : public QObject {
    Q_OBJECT
private slots:
    void init();

    void shippedFileListsTheCommonMaterials();
    void builtInListIsTheShippedFile();

    void filesAreChecked_data();
    void filesAreChecked();
    void unusableFileIsToldOnceAndTheBuiltInListUsed();
    void installedFileIsFoundLikeTheLanguageFiles();

    void densitiesAreNumbersAboveZero_data();
    void densitiesAreNumbersAboveZero();

    void listHasCustomOwnAndShipped();
    void materialsAreFoundByKeyOrName();
    void ownMaterialsKeepWhatIsStored();
    void chosenMaterialIsStored();

private:
    GuiTest::TSettingsSandbox FSettings;
    GuiTest::TLanguageSandbox FLanguage;
};

void TestMaterials::init() {
    FSettings.Clear();
}

void TestMaterials::shippedFileListsTheCommonMaterials() {
    QList<TShippedMaterial> materials;
    int line = -1;
    QCOMPARE(ReadMaterialFile(SourceFile, materials, &line), mfRead);
    QCOMPARE(line, 0);
    QVERIFY(materials.size() >= 30);
    QHash<QString, Extended> densities;
    for (const TShippedMaterial& material : materials) {
        densities.insert(material.Id, material.Density);
        for (const char* code : {"en", "cs", "sk"})
            QVERIFY2(!material.Names.value(QLatin1String(code)).isEmpty(),
                     qPrintable(material.Id + QLatin1Char(' ') + QLatin1String(code)));
        // A source with a name, not a word.
        QVERIFY2(material.Source.size() > 15, qPrintable(material.Id));
    }
    for (const char* id : {"steel",    "stainless-steel", "cast-iron", "aluminium",
                           "copper",   "brass",           "lead",      "titanium",
                           "concrete", "brick",           "glass",     "granite",
                           "sand",     "gravel",          "pine",      "oak",
                           "spruce",   "pe-hd",           "pvc",       "abs",
                           "nylon",    "water",           "sea-water", "diesel",
                           "petrol",   "heating-oil",     "ethanol",   "ice"})
        QVERIFY2(densities.contains(QLatin1String(id)), id);
    QCOMPARE(densities.value(QStringLiteral("steel")), Extended(7850));
    QCOMPARE(materials.first().Name(QStringLiteral("sk")), QStringLiteral("Oceľ"));
    // The language scan takes only "*.ini": the list is no language file.
    QVERIFY(!SourceFile.endsWith(QLatin1String(".ini")));
}

void TestMaterials::builtInListIsTheShippedFile() {
    QList<TShippedMaterial> shipped;
    QCOMPARE(ReadMaterialFile(SourceFile, shipped), mfRead);
    const QList<TShippedMaterial>& builtIn = BuiltInMaterials();
    QCOMPARE(builtIn.size(), shipped.size());
    for (int i = 0; i < shipped.size(); ++i) {
        QCOMPARE(builtIn.at(i).Id, shipped.at(i).Id);
        QCOMPARE(builtIn.at(i).Density, shipped.at(i).Density);
        QCOMPARE(builtIn.at(i).Names, shipped.at(i).Names);
    }
}

void TestMaterials::filesAreChecked_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TMaterialFile>("state");
    QTest::addColumn<int>("line");
    const QByteArray steel = "steel;7850;EN 1993-1-1;Steel;Ocel;Oceľ\n";
    QTest::newRow("one material") << Header + steel << mfRead << 0;
    QTest::newRow("byte-order mark, CR LF, comments and blank lines")
        << QByteArray("\xEF\xBB\xBF# materials\r\n\r\n") + "id;density;source;en;cs;sk\r\n" +
               "steel;7850;EN;Steel;Ocel;Oceľ\r\n"
        << mfRead << 0;
    QTest::newRow("names missing at the end") << Header + "water;998.2;table;Water\n"
                                              << mfRead << 0;
    QTest::newRow("a language of one's own")
        << QByteArray("id;density;source;en;de\nsteel;7850;EN;Steel;Stahl\n") << mfRead << 0;
    QTest::newRow("empty") << QByteArray() << mfDamaged << 0;
    QTest::newRow("comments only") << QByteArray("# nothing\n") << mfDamaged << 0;
    QTest::newRow("header only") << Header << mfDamaged << 0;
    QTest::newRow("no header") << steel << mfDamaged << 1;
    QTest::newRow("header without English")
        << QByteArray("id;density;source;cs\n") + steel << mfDamaged << 1;
    QTest::newRow("language code twice")
        << QByteArray("id;density;source;en;en\n") + steel << mfDamaged << 1;
    QTest::newRow("not UTF-8") << Header + "steel;7850;EN;St\xE9\x65l\n" << mfDamaged << 0;
    QTest::newRow("same id twice") << Header + steel + steel << mfDamaged << 3;
    QTest::newRow("id in capitals") << Header + "Steel;7850;EN;Steel\n" << mfDamaged << 2;
    QTest::newRow("id with a blank") << Header + "cast iron;7200;EN;Cast iron\n" << mfDamaged << 2;
    QTest::newRow("density zero") << Header + "air;0;EN;Air\n" << mfDamaged << 2;
    QTest::newRow("density below zero") << Header + "air;-1.2;EN;Air\n" << mfDamaged << 2;
    QTest::newRow("density beyond any number") << Header + "star;1e5000;EN;Star\n"
                                               << mfDamaged << 2;
    QTest::newRow("density with a comma") << Header + "water;998,2;EN;Water\n" << mfDamaged << 2;
    QTest::newRow("density missing") << Header + "water;;EN;Water\n" << mfDamaged << 2;
    QTest::newRow("no source") << Header + "water;998.2;;Water\n" << mfDamaged << 2;
    QTest::newRow("no English name") << Header + "water;998.2;EN;;Voda;Voda\n" << mfDamaged << 2;
    QTest::newRow("more fields than languages") << Header + "water;998.2;EN;W;V;V;X\n"
                                                << mfDamaged << 2;
    QTest::newRow("too few fields") << Header + "water;998.2;EN\n" << mfDamaged << 2;
    QTest::newRow("damage after good lines") << Header + steel + "water;998.2\n" << mfDamaged << 3;
}

void TestMaterials::filesAreChecked() {
    QFETCH(QByteArray, bytes);
    QFETCH(TMaterialFile, state);
    QFETCH(int, line);
    QList<TShippedMaterial> materials{TShippedMaterial()};
    int badLine = -1;
    QCOMPARE(ParseMaterials(bytes, materials, &badLine), state);
    QCOMPARE(badLine, line);
    if (state != mfRead) {
        QCOMPARE(materials.size(), 1); // untouched
        return;
    }
    QCOMPARE(materials.first().Name(QStringLiteral("en")),
             materials.first().Names.value(QStringLiteral("en")));
    // A name missing in a language is the English one.
    QCOMPARE(materials.first().Name(QStringLiteral("sk")),
             materials.first().Names.value(QStringLiteral("sk"),
                                           materials.first().Names.value(QStringLiteral("en"))));
}

void TestMaterials::unusableFileIsToldOnceAndTheBuiltInListUsed() {
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("Missing.csv"));
    const QString damaged = folder.filePath(QStringLiteral("Damaged.csv"));
    const QString good = folder.filePath(QStringLiteral("Good.csv"));
    auto write = [](const QString& APath, const QByteArray& ABytes) {
        QFile file(APath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ABytes);
    };
    write(damaged, Header + "steel;7850;EN;Steel\nwater;wet;EN;Water\n");
    write(good, Header + "steel;7850;EN;Steel\n");

    QStringList told;
    const TMaterialReport report = [&told](const QString& AText) { told << AText; };
    for (int run = 0; run < 2; ++run) {
        QCOMPARE(ShippedMaterials(missing, report).size(), BuiltInMaterials().size());
        QCOMPARE(ShippedMaterials(damaged, report).size(), BuiltInMaterials().size());
        QCOMPARE(ShippedMaterials(good, report).size(), 1);
    }
    QCOMPARE(told.size(), 2);
    QVERIFY2(told.at(0).contains(QDir::toNativeSeparators(missing)), qPrintable(told.at(0)));
    QVERIFY2(told.at(0).contains(QStringLiteral("cannot be read")), qPrintable(told.at(0)));
    QVERIFY2(told.at(1).contains(QDir::toNativeSeparators(damaged)), qPrintable(told.at(1)));
    QVERIFY2(told.at(1).contains(QStringLiteral("damaged")), qPrintable(told.at(1)));
    QVERIFY2(told.at(1).endsWith(QStringLiteral("(line 3)")), qPrintable(told.at(1)));
    // A folder under the file's name is unreadable, not a list.
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Folder.csv")));
    QList<TShippedMaterial> none;
    QCOMPARE(ReadMaterialFile(folder.filePath(QStringLiteral("Folder.csv")), none), mfUnreadable);
}

// An installed program keeps its executable in bin/ and the file in share/kavorin/Languages/.
void TestMaterials::installedFileIsFoundLikeTheLanguageFiles() {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    const QString data =
        QDir::cleanPath(bin + QLatin1Char('/') + InstalledDataFolderFromExecutable());
    QVERIFY(QDir().mkpath(data + QStringLiteral("/Languages")));
    QFile file(data + QStringLiteral("/Languages/Materials.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Header + "basalt;3000;handbook;Basalt;Čedič;Čadič\n");
    file.close();
    SetProgramFolder(bin);
    const auto restore = qScopeGuard([] { SetProgramFolder(QString()); });
    QCOMPARE(QDir::cleanPath(MaterialFilePath()), QDir::cleanPath(file.fileName()));
    QStringList told;
    const QList<TShippedMaterial> materials =
        ShippedMaterials(QString(), [&told](const QString& AText) { told << AText; });
    QVERIFY2(told.isEmpty(), qPrintable(told.join('\n')));
    QCOMPARE(materials.size(), 1);
    QCOMPARE(materials.first().Name(QStringLiteral("sk")), QStringLiteral("Čadič"));
}

void TestMaterials::densitiesAreNumbersAboveZero_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("separator");
    QTest::addColumn<bool>("valid");
    QTest::newRow("whole") << "7850" << '.' << true;
    QTest::newRow("decimal comma") << "998,2" << ',' << true;
    QTest::newRow("tiny") << "1E-30" << '.' << true;
    QTest::newRow("zero") << "0" << '.' << false;
    QTest::newRow("negative") << "-1" << '.' << false;
    QTest::newRow("beyond the numbers") << "1E5000" << '.' << false;
    QTest::newRow("other separator") << "998.2" << ',' << false;
    QTest::newRow("word") << "heavy" << '.' << false;
    QTest::newRow("empty") << "" << '.' << false;
}

void TestMaterials::densitiesAreNumbersAboveZero() {
    QFETCH(QString, text);
    QFETCH(char, separator);
    QFETCH(bool, valid);
    Extended density = -7;
    QCOMPARE(ReadDensity(text, QLatin1Char(separator), density), valid);
    QVERIFY(valid ? density > 0 : density == -7);
}

void TestMaterials::listHasCustomOwnAndShipped() {
    const TSeparatorGuard guard(',');
    {
        TSettingsStore store(SettingsKeys::Settings);
        store.WriteString(QString(), SettingNames::PresetDensity, QStringLiteral("1000,5"));
        AddOwnMaterial(store, QStringLiteral("Granite of the quarry"), QStringLiteral("2650.5"));
        AddOwnMaterial(store, QStringLiteral("Mud"), QStringLiteral("1700"));
    }
    const QList<TMaterial> czech = MaterialList(BuiltInMaterials(), QStringLiteral("cs"));
    QCOMPARE(czech.size(), BuiltInMaterials().size() + 3);
    QCOMPARE(czech.at(0).Kind, mkCustom);
    QCOMPARE(czech.at(0).Key, MaterialKeys::Custom);
    QCOMPARE(MaterialText(czech.at(0)), QStringLiteral("Custom, 1000,5 kg/m³"));
    QCOMPARE(czech.at(0).Density, 1000.5L);
    QCOMPARE(czech.at(1).Kind, mkOwn);
    QCOMPARE(MaterialText(czech.at(1)), QStringLiteral("Granite of the quarry, 2650,5 kg/m³"));
    QCOMPARE(czech.at(2).Name, QStringLiteral("Mud"));
    QCOMPARE(czech.at(3).Kind, mkShipped);
    QCOMPARE(MaterialText(czech.at(3)), QStringLiteral("Ocel, 7850 kg/m³"));

    // Without a preset density Custom has none, and says only its name.
    {
        TSettingsStore store(SettingsKeys::Settings);
        store.WriteString(QString(), SettingNames::PresetDensity, QStringLiteral("0"));
    }
    const QList<TMaterial> english = MaterialList(BuiltInMaterials(), QStringLiteral("en"));
    QVERIFY(!english.at(0).HasDensity);
    QCOMPARE(MaterialText(english.at(0)), QStringLiteral("Custom"));
    QCOMPARE(MaterialText(english.at(3)), QStringLiteral("Steel, 7850 kg/m³"));
    QCOMPARE(ActiveLanguageCode(), QStringLiteral("en"));
}

void TestMaterials::materialsAreFoundByKeyOrName() {
    const QList<TMaterial> list = MaterialList(BuiltInMaterials(), QStringLiteral("cs"));
    QCOMPARE(FindMaterial(list, QStringLiteral("stainless-steel")),
             FindMaterial(list, QStringLiteral("NEREZOVÁ OCEL")));
    QVERIFY(FindMaterial(list, QStringLiteral("stainless-steel")) > 0);
    QCOMPARE(FindMaterial(list, QStringLiteral("custom")), 0);
    QCOMPARE(FindMaterial(list, QStringLiteral("unobtainium")), -1);
    QCOMPARE(FindMaterial(list, QString()), -1);
}

void TestMaterials::ownMaterialsKeepWhatIsStored() {
    TSettingsStore store(SettingsKeys::Settings);
    const QString& section = SettingsKeys::OwnMaterialsSection;
    // Values a user edited by hand: not materials, but never lost.
    store.WriteString(section, QStringLiteral("7"), QStringLiteral("heavy;Lead shot"));
    store.WriteString(section, QStringLiteral("notes"), QStringLiteral("keep me"));
    const QString first = AddOwnMaterial(store, QStringLiteral("Oak, wet"), QStringLiteral("1000"));
    const QString second = AddOwnMaterial(store, QStringLiteral("Tar"), QStringLiteral("1200"));
    QCOMPARE(first, QStringLiteral("8")); // above every number in use
    QCOMPARE(second, QStringLiteral("9"));

    QList<TOwnMaterial> own = ReadOwnMaterials(store);
    QCOMPARE(own.size(), 2);
    QCOMPARE(own.at(0).Name, QStringLiteral("Oak, wet")); // a name may hold commas
    QCOMPARE(own.at(1).Density, Extended(1200));

    WriteOwnMaterial(store, first, QStringLiteral("Oak; soaked"), QStringLiteral("1080.5"));
    RemoveOwnMaterial(store, second);
    own = ReadOwnMaterials(store);
    QCOMPARE(own.size(), 1);
    QCOMPARE(own.at(0).Name, QStringLiteral("Oak; soaked"));
    QCOMPARE(own.at(0).Density, 1080.5L);
    QCOMPARE(store.ReadString(section, QStringLiteral("7"), QString()),
             QStringLiteral("heavy;Lead shot"));
    QCOMPARE(store.ReadString(section, QStringLiteral("notes"), QString()),
             QStringLiteral("keep me"));
    store.Close();
    // And so after the store was written out and read again.
    const TSettingsStore again(SettingsKeys::Settings);
    QCOMPARE(ReadOwnMaterials(again).size(), 1);
    QCOMPARE(again.ValueNames(section).size(), 3);
}

void TestMaterials::chosenMaterialIsStored() {
    QCOMPARE(ChosenMaterialKey(), MaterialKeys::Custom);
    SetChosenMaterialKey(QStringLiteral("oak"));
    QCOMPARE(ChosenMaterialKey(), QStringLiteral("oak"));
    const TSettingsStore store(SettingsKeys::Settings);
    QCOMPARE(store.ReadString(QString(), SettingNames::Material, QString()), QStringLiteral("oak"));
}

QTEST_MAIN(TestMaterials)
#include "tst_Materials.moc"
