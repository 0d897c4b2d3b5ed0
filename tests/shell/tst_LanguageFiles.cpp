// Checks the language files that ship beside the executable: every text the program reads is
// there in every language, the files identify themselves correctly, the translations are real
// translations, and the flag pictures and help files that go with the languages are usable.

#include "LanguageKeys.h"

#include <QtTest>

#include <QFile>
#include <QImage>
#include <QSet>
#include <QStringList>

#include <cctype>

namespace {

const QString SourceDir = QStringLiteral(KAVORIN_SOURCE_DIR);
const QString Undefined = QStringLiteral("[undefined]");

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

// One language file read by the rules of the program's reader: sections and keys without regard
// to letter case, the first occurrence wins, "\n" becomes a line break. It also remembers what
// the reader would silently ignore (repeated sections and keys, lines without "="), because in
// a shipped file those are mistakes.
class LanguageText {
public:
    bool Load(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        Raw = file.readAll();
        QByteArray body = Raw;
        if (body.startsWith("\xEF\xBB\xBF"))
            body.remove(0, 3);
        const QStringList lines = QString::fromUtf8(body).split(QLatin1Char('\n'));
        QString section;
        bool inSection = false;
        QSet<QString> seenSections;
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
                Order << section;
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
            const QString key = TrimControl(line.left(eq)).toLower();
            QString value = line.mid(eq + 1);
            value.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
            value = TrimControl(value);
            const QString id = section + QLatin1Char('/') + key;
            if (Values.contains(id)) {
                Problems << QStringLiteral("key %1 occurs twice").arg(id);
                continue;
            }
            Values.insert(id, value);
            Keys << id;
        }
        return true;
    }

    QString ReadString(const QString& section, const QString& key) const {
        return Values.value(section.toLower() + QLatin1Char('/') + key.toLower(), Undefined);
    }

    QByteArray Raw;
    QStringList Keys;  // "section/key" in lower case, in file order
    QStringList Order; // section names in lower case, in file order
    QStringList Problems;

private:
    QHash<QString, QString> Values;
};

QString Read(const LanguageText& file, const TLanguageKey& k) {
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

    void translationIsNotACopy_data();
    void translationIsNotACopy();

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
    LanguageText file;
    QVERIFY2(file.Load(LanguagePath(id)), qPrintable(LanguagePath(id)));
    // Without the UTF-8 mark the program would decode the file in the ANSI code page.
    QVERIFY(file.Raw.startsWith("\xEF\xBB\xBF"));
    QVERIFY2(!QString::fromUtf8(file.Raw).contains(QChar::ReplacementCharacter),
             "the file is not valid UTF-8");
    // The file name must equal Id + ".ini" exactly, or the language list rejects the file.
    QCOMPARE(file.ReadString(QStringLiteral("FileInfo"), QStringLiteral("Id")), id);
    QCOMPARE(file.ReadString(QStringLiteral("FileInfo"), QStringLiteral("Abbr")), abbr);
    QVERIFY2(file.Problems.isEmpty(), qPrintable(file.Problems.join(QLatin1Char('\n'))));
}

void TestLanguageFiles::everyKeyHasText_data() {
    AddLanguageRows();
}

void TestLanguageFiles::everyKeyHasText() {
    QFETCH(QString, id);
    LanguageText file;
    QVERIFY(file.Load(LanguagePath(id)));
    QStringList missing;
    for (const TLanguageKey& k : LanguageKeys) {
        const QString text = Read(file, k);
        if (text == Undefined || text.isEmpty())
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
    LanguageText file;
    QVERIFY(file.Load(LanguagePath(id)));
    QSet<QString> known;
    for (const TLanguageKey& k : LanguageKeys)
        known.insert(QString::fromLatin1(k.Section).toLower() + QLatin1Char('/') +
                     QString::fromLatin1(k.Key).toLower());
    QStringList unknown;
    for (const QString& key : file.Keys)
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
    LanguageText file;
    QVERIFY(file.Load(LanguagePath(id)));
    QStringList wrong;
    for (const TLanguageKey& k : LanguageKeys) {
        const int expected = IsPlaceholderKey(k) ? 1 : 0;
        const QString text = Read(file, k);
        if (text.count(QLatin1Char('$')) != expected)
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
    LanguageText file;
    LanguageText reference;
    QVERIFY(file.Load(LanguagePath(id)));
    QVERIFY(reference.Load(LanguagePath(other)));
    int compared = 0;
    int differing = 0;
    for (const TLanguageKey& k : LanguageKeys) {
        if (qstrcmp(k.Section, "FileInfo") == 0)
            continue;
        ++compared;
        if (Read(file, k) != Read(reference, k))
            ++differing;
    }
    const double share = double(differing) / compared;
    QVERIFY2(share >= minimumShareDiffering,
             qPrintable(QStringLiteral("only %1 of %2 texts differ").arg(differing).arg(compared)));
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

    LanguageText names;
    QVERIFY(names.Load(LanguagePath(language)));
    QStringList missing;
    for (const TLanguageKey& k : LanguageKeys) {
        if (qstrcmp(k.Section, "TSolidFigure") != 0)
            continue;
        const QString name = Read(names, k);
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
