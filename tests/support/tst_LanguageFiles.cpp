// Checks the language files that ship beside the executable: every text the program reads is
// there in every language, the files identify themselves correctly, the translations are real
// translations, and the flag pictures and help files that go with the languages are usable.

#include "LanguageKeys.h"
#include "LanguageSupport.h"

#include <QtTest>

#include <QFile>
#include <QImage>
#include <QLocale>
#include <QMap>
#include <QSet>
#include <QStringList>

#include <cctype>
#include <memory>

namespace {

const QString SourceDir = QStringLiteral(KAVORIN_SOURCE_DIR);

QString LanguagePath(const QString& id) {
    return SourceDir + QStringLiteral("/Languages/") + id + QStringLiteral(".ini");
}

// Trims white space and control characters, as the language file reader does with every line
// and every value.
QString TrimControl(const QString& s) {
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && (s.at(first).isSpace() || s.at(first).unicode() < 32))
        ++first;
    while (last > first && (s.at(last - 1).isSpace() || s.at(last - 1).unicode() < 32))
        --last;
    return s.mid(first, last - first);
}

// What the program's reader silently passes over in a file: repeated sections and keys (only the
// first counts), lines without "=", text before the first section. In a shipped file those are
// mistakes, so the scan lists them, and it lists every key for the check against the key list.
class LanguageFileScan {
public:
    bool Load(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        Raw = file.readAll();
        const QStringList lines = TLanguageFile::Decode(Raw).split(QLatin1Char('\n'));
        QString section;
        bool inSection = false;
        QSet<QString> seenSections;
        QSet<QString> seenKeys;
        for (const QString& rawLine : lines) {
            const QString line = TrimControl(rawLine);
            if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
                continue;
            if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
                section = TrimControl(line.mid(1, line.size() - 2)).toLower();
                inSection = true;
                if (seenSections.contains(section))
                    Problems << QStringLiteral("section [%1] occurs twice").arg(section);
                seenSections.insert(section);
                continue;
            }
            if (!inSection) {
                Problems << QStringLiteral("text before the first section: %1").arg(line);
                continue;
            }
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq < 0) {
                Problems << QStringLiteral("line without '=' in [%1]: %2").arg(section, line);
                continue;
            }
            const QString id = section + QLatin1Char('/') + TrimControl(line.left(eq)).toLower();
            if (seenKeys.contains(id))
                Problems << QStringLiteral("key %1 occurs twice").arg(id);
            seenKeys.insert(id);
            Keys << id;
        }
        return true;
    }

    QByteArray Raw;
    QStringList Keys; // "section/key" in lower case, in file order
    QStringList Problems;
};

// The file as the program reads it.
std::unique_ptr<TLanguageFile> ReadLanguage(const QString& id) {
    return TLanguageFile::Read(LanguagePath(id));
}

QString Read(const TLanguageFile& file, const TLanguageKey& k) {
    return file.ReadString(QString::fromLatin1(k.Section), QString::fromLatin1(k.Key));
}

bool IsPlaceholderKey(const TLanguageKey& k) {
    for (const TLanguageKey& p : PlaceholderLanguageKeys)
        if (qstrcmp(p.Section, k.Section) == 0 && qstrcmp(p.Key, k.Key) == 0)
            return true;
    return false;
}

// The text of an RTF document, enough to look for words in it: groups and control words are
// dropped, "\\uN" escapes become their characters (skipping the fallback character after them),
// "\\par" becomes a line break. Returns false when braces do not pair up.
bool RtfText(const QByteArray& rtf, QString& text) {
    int depth = 0;
    text.clear();
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf.at(i);
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth < 0)
                return false;
            if (depth == 0 && i != rtf.size() - 1 && !rtf.mid(i + 1).trimmed().isEmpty())
                return false; // text after the document's group
        } else if (c == '\\' && i + 1 < rtf.size()) {
            const char next = rtf.at(i + 1);
            if (!std::isalpha(static_cast<unsigned char>(next))) {
                if (next == '\'') {
                    i += 3; // a character given in hex: only fallbacks use it here
                    continue;
                }
                if (next == '\\' || next == '{' || next == '}')
                    text += QLatin1Char(next);
                ++i;
                continue;
            }
            qsizetype j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf.at(j))))
                ++j;
            const QByteArray word = rtf.mid(i + 1, j - i - 1);
            const qsizetype numberStart = j;
            if (j < rtf.size() && rtf.at(j) == '-')
                ++j;
            while (j < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf.at(j))))
                ++j;
            const QByteArray number = rtf.mid(numberStart, j - numberStart);
            if (j < rtf.size() && rtf.at(j) == ' ')
                ++j;
            if (word == "u" && !number.isEmpty()) {
                text += QChar(static_cast<char16_t>(number.toInt()));
                // skip the fallback: one character, or one hex escape
                j += (j < rtf.size() && rtf.at(j) == '\\') ? 4 : 1;
            } else if (word == "par" || word == "cell") {
                text += QLatin1Char('\n');
            } else if (word == "tab") {
                text += QLatin1Char(' ');
            }
            i = j - 1;
        } else if (c != '\r' && c != '\n') {
            text += QLatin1Char(c);
        }
    }
    return depth == 0;
}

} // namespace

class TestLanguageFiles : public QObject {
    Q_OBJECT
private slots:
    void keyListHasNoRepeats();

    void fileIdentifiesItself_data();
    void fileIdentifiesItself();

    void everyKeyHasText_data();
    void everyKeyHasText();

    void fileHoldsOnlyKnownKeys_data();
    void fileHoldsOnlyKnownKeys();

    void placeholdersStandWhereLettersGo_data();
    void placeholdersStandWhereLettersGo();

    void composedTextsLeavePunctuationToTheProgram_data();
    void composedTextsLeavePunctuationToTheProgram();

    void translationIsNotACopy_data();
    void translationIsNotACopy();

    void languageManagerListsTheFiles();

    void defaultLanguageFindsTheFiles_data();
    void defaultLanguageFindsTheFiles();

    void flagPictureFitsTheLanguageList_data();
    void flagPictureFitsTheLanguageList();

    void helpFileCoversEverySolid_data();
    void helpFileCoversEverySolid();

    void licenseTextIsTheLicense();
};

void TestLanguageFiles::keyListHasNoRepeats() {
    QSet<QString> seen;
    for (const TLanguageKey& k : LanguageKeys) {
        const QString id = QString::fromLatin1(k.Section).toLower() + QLatin1Char('/') +
                           QString::fromLatin1(k.Key).toLower();
        QVERIFY2(!seen.contains(id), qPrintable(id));
        seen.insert(id);
    }
    for (const TLanguageKey& p : PlaceholderLanguageKeys) {
        const QString id = QString::fromLatin1(p.Section).toLower() + QLatin1Char('/') +
                           QString::fromLatin1(p.Key).toLower();
        QVERIFY2(seen.contains(id), qPrintable(id));
    }
}

static void AddLanguageRows() {
    QTest::addColumn<QString>("id");
    QTest::newRow("English") << QStringLiteral("English");
    QTest::newRow("Czech") << QStringLiteral("Czech");
    QTest::newRow("Slovak") << QStringLiteral("Slovak");
}

void TestLanguageFiles::fileIdentifiesItself_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("abbr");
    QTest::newRow("English") << QStringLiteral("English") << QStringLiteral("en");
    QTest::newRow("Czech") << QStringLiteral("Czech") << QStringLiteral("cs");
    QTest::newRow("Slovak") << QStringLiteral("Slovak") << QStringLiteral("sk");
}

void TestLanguageFiles::fileIdentifiesItself() {
    QFETCH(QString, id);
    QFETCH(QString, abbr);
    LanguageFileScan scan;
    QVERIFY2(scan.Load(LanguagePath(id)), qPrintable(LanguagePath(id)));
    // Without the UTF-8 mark the program would decode the file in the ANSI code page.
    QVERIFY(scan.Raw.startsWith("\xEF\xBB\xBF"));
    QVERIFY2(!QString::fromUtf8(scan.Raw).contains(QChar::ReplacementCharacter),
             "the file is not valid UTF-8");
    QVERIFY2(scan.Problems.isEmpty(), qPrintable(scan.Problems.join(QLatin1Char('\n'))));
    // The file name must equal Id + ".ini" exactly, or the language list rejects the file.
    const auto file = ReadLanguage(id);
    QVERIFY(file);
    QCOMPARE(file->ReadString(QStringLiteral("FileInfo"), QStringLiteral("Id")), id);
    QCOMPARE(file->ReadString(QStringLiteral("FileInfo"), QStringLiteral("Abbr")), abbr);
}

void TestLanguageFiles::everyKeyHasText_data() {
    AddLanguageRows();
}

void TestLanguageFiles::everyKeyHasText() {
    QFETCH(QString, id);
    const auto file = ReadLanguage(id);
    QVERIFY(file);
    QStringList missing;
    for (const TLanguageKey& k : LanguageKeys) {
        const QString text = Read(*file, k);
        if (text == TLanguageFile::Undefined || text.isEmpty())
            missing << QStringLiteral("[%1] %2").arg(QLatin1String(k.Section),
                                                     QLatin1String(k.Key));
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

void TestLanguageFiles::fileHoldsOnlyKnownKeys_data() {
    AddLanguageRows();
}

// A key that nobody reads is usually a misspelt one whose window shows "[undefined]".
void TestLanguageFiles::fileHoldsOnlyKnownKeys() {
    QFETCH(QString, id);
    LanguageFileScan scan;
    QVERIFY(scan.Load(LanguagePath(id)));
    QSet<QString> known;
    for (const TLanguageKey& k : LanguageKeys)
        known.insert(QString::fromLatin1(k.Section).toLower() + QLatin1Char('/') +
                     QString::fromLatin1(k.Key).toLower());
    QStringList unknown;
    for (const QString& key : scan.Keys)
        if (!known.contains(key))
            unknown << key;
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QStringLiteral(", "))));
}

void TestLanguageFiles::placeholdersStandWhereLettersGo_data() {
    AddLanguageRows();
}

// Letters are put in place of the first "$" only: a text meant for letters needs exactly one,
// and any other text would show a stray "$".
void TestLanguageFiles::placeholdersStandWhereLettersGo() {
    QFETCH(QString, id);
    const auto file = ReadLanguage(id);
    QVERIFY(file);
    QStringList wrong;
    for (const TLanguageKey& k : LanguageKeys) {
        const int expected = IsPlaceholderKey(k) ? 1 : 0;
        const QString text = Read(*file, k);
        if (text.count(QLatin1Char('$')) != expected)
            wrong << QStringLiteral("[%1] %2 = %3")
                         .arg(QLatin1String(k.Section), QLatin1String(k.Key), text);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
}

void TestLanguageFiles::composedTextsLeavePunctuationToTheProgram_data() {
    AddLanguageRows();
}

// Texts that the program follows with ":", "...", "?", "." or a parenthesis get their punctuation
// there; a translation that brings its own would show "File not found::".
void TestLanguageFiles::composedTextsLeavePunctuationToTheProgram() {
    QFETCH(QString, id);
    static const TLanguageKey composed[] = {
        {"TFormAbout", "LAppVersion"},
        {"TFormAbout", "sNewVersionAvailable"},
        {"TFormAbout", "sGoToProductsWebPage"},
        {"TFormAbout", "sApplication"},
        {"TFormAbout", "sUpToDate"},
        {"TFormAbout", "sFileNotFound"},
        {"TFormAbout", "sCannotOpen"},
        {"TFormMain", "sSettingsNotSaved"},
        {"TFormSettings", "LLanguage"},
        {"TFrameResults", "sCustomPrecision"},
        {"TFrameResults", "MPrecision14Full"},
        {"TFormPrecision", "Caption"},
        {"TFormMassCalculation", "Caption"},
        {"TFormSupplementaryData", "sDefaultMass"},
        {"TFormStereometricalFormulas", "Base"},
        {"Report", "sVolume"},
        {"Report", "sSurfaceArea"},
        {"CommandLine", "sUnknownOption"},
        {"CommandLine", "sUnknownSolid"},
        {"CommandLine", "sUnknownVariant"},
        {"CommandLine", "sMissingVariant"},
        {"CommandLine", "sNotAnEntry"},
        {"CommandLine", "sUnknownEntry"},
        {"CommandLine", "sRepeatedEntry"},
        {"CommandLine", "sOnlyOneOf"},
        {"CommandLine", "sMissingEntry"},
        {"CommandLine", "sNotANumber"},
        {"CommandLine", "sNotAWholeNumber"},
        {"CommandLine", "sNotPositive"},
        {"CommandLine", "sInvalidFigure"},
        {"CommandLine", "sBadPrecision"},
        {"CommandLine", "sBadDensity"},
        {"CommandLine", "sCalculationFailed"},
        {"CommandLine", "sDefaultVariant"},
        {"Materials", "sFileUnreadable"},
        {"Materials", "sFileDamaged"},
        {"Materials", "sLine"},
        {"TFormMaterial", "sEmptyName"},
        {"TFormMaterial", "sInvalidDensity"},
    };
    const auto file = ReadLanguage(id);
    QVERIFY(file);
    QStringList wrong;
    for (const TLanguageKey& k : composed) {
        const QString text = Read(*file, k);
        if (text.isEmpty() || QStringLiteral(".:?!()").contains(text.back()))
            wrong << QStringLiteral("[%1] %2 = %3")
                         .arg(QLatin1String(k.Section), QLatin1String(k.Key), text);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
}

void TestLanguageFiles::translationIsNotACopy_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("other");
    QTest::addColumn<double>("minimumShareDiffering");
    // Some texts are the same in every language ("OK", "Kavorin"); most must not be.
    QTest::newRow("Czech vs English")
        << QStringLiteral("Czech") << QStringLiteral("English") << 0.85;
    QTest::newRow("Slovak vs English")
        << QStringLiteral("Slovak") << QStringLiteral("English") << 0.85;
    // The two languages are close relatives and share many words, but not most texts.
    QTest::newRow("Slovak vs Czech") << QStringLiteral("Slovak") << QStringLiteral("Czech") << 0.5;
}

void TestLanguageFiles::translationIsNotACopy() {
    QFETCH(QString, id);
    QFETCH(QString, other);
    QFETCH(double, minimumShareDiffering);
    const auto file = ReadLanguage(id);
    const auto reference = ReadLanguage(other);
    QVERIFY(file);
    QVERIFY(reference);
    int compared = 0;
    int differing = 0;
    for (const TLanguageKey& k : LanguageKeys) {
        if (qstrcmp(k.Section, "FileInfo") == 0)
            continue;
        ++compared;
        if (Read(*file, k) != Read(*reference, k))
            ++differing;
    }
    const double share = double(differing) / compared;
    QVERIFY2(share >= minimumShareDiffering,
             qPrintable(QStringLiteral("only %1 of %2 texts differ").arg(differing).arg(compared)));
}

// The shipped folder as the language manager scans it: no file is rejected, each is listed with
// its code.
void TestLanguageFiles::languageManagerListsTheFiles() {
    QStringList errors;
    TLanguageEnvironment environment;
    environment.ExecutableFolder = SourceDir;
    environment.ShowError = [&errors](const QString& text) { errors << text; };
    TLanguages manager(QString(), QStringLiteral("Settings"), false, environment);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    QMap<QString, QString> listed;
    for (int i = 0; i < manager.List().size(); ++i)
        listed.insert(manager.List().at(i), manager.ListAbbr().value(i));
    const QMap<QString, QString> expected{{QStringLiteral("English"), QStringLiteral("en")},
                                          {QStringLiteral("Czech"), QStringLiteral("cs")},
                                          {QStringLiteral("Slovak"), QStringLiteral("sk")}};
    QCOMPARE(listed, expected);
    QVERIFY(manager.Load(QStringLiteral("Slovak")));
    QCOMPARE(
        manager.ActiveFile().ReadString(QStringLiteral("TSolidFigure"), QStringLiteral("Cube")),
        QStringLiteral("Kocka"));
}

void TestLanguageFiles::defaultLanguageFindsTheFiles_data() {
    QTest::addColumn<QString>("displayLanguage");
    QTest::addColumn<QLocale>("systemLocale");
    QTest::addColumn<QLocale>("userLocale");
    QTest::addColumn<QString>("expected");
    const QLocale german(QLocale::German, QLocale::Germany);
    // The display language is matched against the files' "Abbr"...
    QTest::newRow("display cs") << QStringLiteral("cs-CZ") << german << german
                                << QStringLiteral("Czech");
    QTest::newRow("display sk") << QStringLiteral("sk-SK") << german << german
                                << QStringLiteral("Slovak");
    QTest::newRow("display en") << QStringLiteral("en-GB") << german << german
                                << QStringLiteral("English");
    // ...the locales' language names against the files' Ids.
    QTest::newRow("system locale Slovak")
        << QStringLiteral("de-DE") << QLocale(QLocale::Slovak, QLocale::Slovakia) << german
        << QStringLiteral("Slovak");
    QTest::newRow("regional format Czech")
        << QStringLiteral("de-DE") << german << QLocale(QLocale::Czech, QLocale::CzechRepublic)
        << QStringLiteral("Czech");
    QTest::newRow("nothing matches")
        << QStringLiteral("de-DE") << german << german << QStringLiteral("English");
}

void TestLanguageFiles::defaultLanguageFindsTheFiles() {
    QFETCH(QString, displayLanguage);
    QFETCH(QLocale, systemLocale);
    QFETCH(QLocale, userLocale);
    QFETCH(QString, expected);
    QStringList errors;
    TLanguageEnvironment environment;
    environment.ExecutableFolder = SourceDir;
    environment.UiLanguages = [displayLanguage] { return QStringList{displayLanguage}; };
    environment.SystemLocale = [systemLocale] { return systemLocale; };
    environment.UserLocale = [userLocale] { return userLocale; };
    environment.ShowError = [&errors](const QString& text) { errors << text; };
    TLanguages manager(QString(), QStringLiteral("Settings"), false, environment);
    QCOMPARE(manager.DefaultLanguage(), expected);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
}

void TestLanguageFiles::flagPictureFitsTheLanguageList_data() {
    AddLanguageRows();
}

// The settings dialog shows Id + ".bmp" beside each language in an image list of 16 x 12.
void TestLanguageFiles::flagPictureFitsTheLanguageList() {
    QFETCH(QString, id);
    const QString path = SourceDir + QStringLiteral("/Languages/") + id + QStringLiteral(".bmp");
    QImage flag;
    QVERIFY2(flag.load(path, "BMP"), qPrintable(path));
    QCOMPARE(flag.size(), QSize(16, 12));
    QSet<QRgb> colours;
    for (int y = 0; y < flag.height(); ++y)
        for (int x = 0; x < flag.width(); ++x)
            colours.insert(flag.pixel(x, y));
    QVERIFY2(colours.size() >= 3, "a flag of fewer than three colours is not drawn");
}

void TestLanguageFiles::helpFileCoversEverySolid_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("language");
    QTest::newRow("EN") << QStringLiteral("EN") << QStringLiteral("English");
    QTest::newRow("CS") << QStringLiteral("CS") << QStringLiteral("Czech");
}

// The help button opens Help_EN.rtf or Help_CS.rtf with the desktop's word processor: the file
// must be a well-formed RTF document in plain ASCII (other characters as escapes), and a guide
// that names the solids as the program does.
void TestLanguageFiles::helpFileCoversEverySolid() {
    QFETCH(QString, code);
    QFETCH(QString, language);
    QFile file(SourceDir + QStringLiteral("/help/Help_") + code + QStringLiteral(".rtf"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray rtf = file.readAll();
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi"));
    for (const char c : rtf)
        QVERIFY2(static_cast<unsigned char>(c) < 128, "a character that is not escaped");
    QString text;
    QVERIFY2(RtfText(rtf, text), "braces do not pair up");

    const auto names = ReadLanguage(language);
    QVERIFY(names);
    QStringList missing;
    for (const TLanguageKey& k : LanguageKeys) {
        if (qstrcmp(k.Section, "TSolidFigure") != 0)
            continue;
        const QString name = Read(*names, k);
        if (!text.contains(name, Qt::CaseInsensitive))
            missing << name;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

// The about window opens License.txt beside the executable: it must carry the project's licence.
void TestLanguageFiles::licenseTextIsTheLicense() {
    QFile licence(SourceDir + QStringLiteral("/LICENSE"));
    QFile shipped(SourceDir + QStringLiteral("/License.txt"));
    QVERIFY(licence.open(QIODevice::ReadOnly));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray licenceText = licence.readAll().trimmed();
    QVERIFY(!licenceText.isEmpty());
    QVERIFY(shipped.readAll().contains(licenceText));
}

QTEST_GUILESS_MAIN(TestLanguageFiles)
#include "tst_LanguageFiles.moc"
