// The language-file reader on any bytes: byte-order marks or none, UTF-8,
// UTF-16 and the two Windows code pages, sections, keys and values of any shape.
//
// Each input is read three ways and the ways must agree:
//  - in memory (TLanguageFile::FromBytes), compared with a plain reading of the
//    file syntax written out here, key by key;
//  - one section only, as the folder scan reads "FileInfo";
//  - from disk by the language manager, as start-up does: the file is scanned,
//    chosen when its name matches its Id, and loaded; ReadRegularFile is also
//    asked with a size limit around the file's size.
//
// Input: a byte of flags (name hint, whether to go through the disk, the size
// limit), then the file's bytes.
#include "FuzzSupport.h"
#include "LanguageSupport.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace {

const QString FileInfo = QStringLiteral("FileInfo");

std::string Show(const QString& AText) {
    return AText.left(200).toStdString();
}

// Blanks and control characters (every code up to the space) off both ends.
QString Trimmed(QStringView AText) {
    qsizetype First = 0, Last = AText.size();
    while (First < Last && AText[First].unicode() <= u' ')
        ++First;
    while (Last > First && AText[Last - 1].unicode() <= u' ')
        --Last;
    return AText.mid(First, Last - First).toString();
}

// The file syntax read plainly: lines end with CR LF, LF or CR; blank lines and
// ";" comments are skipped; "[name]" opens a section; "key = value" inside one.
// The first of a repeated section or key counts; names ignore letter case.
struct TReference {
    struct TSection {
        QString Name; // as written
        QHash<QString, QString> Values;
        QStringList Keys; // as written, in order
    };
    std::vector<TSection> Sections;
    QHash<QString, std::size_t> Index; // folded name -> section

    explicit TReference(const QString& AText) {
        const QString Text = QString(AText)
                                 .replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                 .replace(QLatin1Char('\r'), QLatin1Char('\n'));
        TSection* Current = nullptr;
        TSection Ignored;
        for (const QString& Raw : Text.split(QLatin1Char('\n'))) {
            const QString Line = Trimmed(Raw);
            if (Line.isEmpty() || Line.startsWith(QLatin1Char(';')))
                continue;
            if (Line.size() >= 2 && Line.startsWith(QLatin1Char('[')) &&
                Line.endsWith(QLatin1Char(']'))) {
                const QString Name = Trimmed(QStringView(Line).mid(1, Line.size() - 2));
                const QString Folded = Name.toCaseFolded();
                if (Index.contains(Folded)) {
                    Ignored = TSection();
                    Current = &Ignored;
                } else {
                    Index.insert(Folded, Sections.size());
                    Sections.push_back(TSection{Name, {}, {}});
                    Current = &Sections.back();
                }
                continue;
            }
            const qsizetype Equal = Line.indexOf(QLatin1Char('='));
            if (!Current || Equal < 0)
                continue;
            const QString Key = Trimmed(QStringView(Line).left(Equal));
            if (Current->Values.contains(Key.toCaseFolded()))
                continue;
            Current->Values.insert(Key.toCaseFolded(), Trimmed(QStringView(Line).mid(Equal + 1)));
            Current->Keys.append(Key);
        }
    }

    bool Find(const QString& ASection, const QString& AKey, QString& AValue) const {
        const auto It = Index.constFind(ASection.toCaseFolded());
        if (It == Index.cend())
            return false;
        const auto& Values = Sections[*It].Values;
        const auto Value = Values.constFind(AKey.toCaseFolded());
        if (Value == Values.cend())
            return false;
        AValue = *Value;
        return true;
    }

    // ReadString of the documented conventions: "\n" becomes CR LF, then trimmed.
    QString Read(const QString& ASection, const QString& AKey) const {
        QString Value;
        if (!Find(ASection, AKey, Value))
            return TLanguageFile::Undefined;
        return Trimmed(Value.replace(QLatin1String("\\n"), QLatin1String("\r\n")));
    }
};

bool IsAscii(const QString& AText) {
    for (const QChar C : AText)
        if (C.unicode() >= 0x80)
            return false;
    return true;
}

// Every way of naming the key that must find it: as written, case-folded, and in
// capitals where that is a plain ASCII change.
QStringList Spellings(const QString& AName) {
    QStringList Names{AName, AName.toCaseFolded()};
    if (IsAscii(AName))
        Names << AName.toUpper();
    return Names;
}

void CheckAgainstReference(const TLanguageFile& AFile, const TReference& AReference,
                           const char* AHow) {
    for (const auto& Section : AReference.Sections) {
        for (const QString& Key : Section.Keys) {
            const QString Expected = AReference.Read(Section.Name, Key);
            for (const QString& SectionName : Spellings(Section.Name))
                for (const QString& KeyName : Spellings(Key)) {
                    const QString Actual = AFile.ReadString(SectionName, KeyName);
                    FUZZ_CHECK(Actual == Expected, std::string(AHow) + ": [" + Show(SectionName) +
                                                       "] " + Show(KeyName) + " reads \"" +
                                                       Show(Actual) + "\", expected \"" +
                                                       Show(Expected) + "\"");
                }
        }
        // A key that is not there.
        FUZZ_CHECK(AFile.ReadString(Section.Name, QStringLiteral("\x01missing")) ==
                       TLanguageFile::Undefined,
                   AHow);
    }
    FUZZ_CHECK(AFile.ReadString(QStringLiteral("\x01missing"), QStringLiteral("Id")) ==
                   TLanguageFile::Undefined,
               AHow);
}

// The decoding rules: a byte-order mark decides; else valid UTF-8 is UTF-8; else
// one character per byte in the code page of the file's language.
void CheckDecoding(const QByteArray& ABytes, const QString& AHint, const QString& AText) {
    if (ABytes.startsWith("\xEF\xBB\xBF")) {
        FUZZ_CHECK(AText == QString::fromUtf8(ABytes.mid(3)), "UTF-8 with a byte-order mark");
        return;
    }
    if (ABytes.startsWith("\xFF\xFE") || ABytes.startsWith("\xFE\xFF")) {
        // Two bytes a character; an odd byte at the end makes at most one more, and
        // the decoder takes a second mark for part of the first.
        const qsizetype Units = (ABytes.size() - 2) / 2;
        FUZZ_CHECK(AText.size() >= Units - 1 && AText.size() <= Units + 1,
                   "UTF-16 with a byte-order mark");
        return;
    }
    QStringDecoder Utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString AsUtf8 = Utf8.decode(ABytes);
    if (!Utf8.hasError()) {
        FUZZ_CHECK(AText == AsUtf8, "valid UTF-8");
        return;
    }
    FUZZ_CHECK(AText.size() == ABytes.size(), "a code page gives one character per byte");
    for (qsizetype I = 0; I < ABytes.size(); ++I)
        if (static_cast<unsigned char>(ABytes[I]) < 0x80)
            FUZZ_CHECK(AText[I].unicode() == static_cast<unsigned char>(ABytes[I]),
                       "ASCII in a code page");
    // The language named in the file (read as Windows-1252) picks the page.
    const TReference Info(TLanguageFile::FromCodePage(ABytes, TCodePage::Windows1252));
    QString Id, Abbr;
    Info.Find(FileInfo, QStringLiteral("Id"), Id);
    Info.Find(FileInfo, QStringLiteral("Abbr"), Abbr);
    const QStringList Names =
        Id.isEmpty() && Abbr.isEmpty() ? QStringList{AHint} : QStringList{Id, Abbr};
    TCodePage Page = TCodePage::Windows1252;
    for (const QString& Name : Names)
        if (CodePageOfLanguage(Name) == TCodePage::Windows1250)
            Page = TCodePage::Windows1250;
    FUZZ_CHECK(AText == TLanguageFile::FromCodePage(ABytes, Page), "the code page of the language");
}

// A file name that any file system takes: the Id when it is one, else a fixed name.
QString FileNameFor(const QString& AId) {
    if (AId.isEmpty() || AId.size() > 64 || AId.startsWith(QLatin1Char('.')))
        return QStringLiteral("Fuzz");
    for (const QChar C : AId)
        if (!(C.isLetterOrNumber() && C.unicode() < 0x80) && C != QLatin1Char(' ') &&
            C != QLatin1Char('-') && C != QLatin1Char('_'))
            return QStringLiteral("Fuzz");
    return AId;
}

// The folder that stands for the program's: "Languages" inside it holds the one
// file under test. Made once, in the temporary folder.
const QString& ProgramFolder() {
    static QTemporaryDir Folder;
    static const QString Path = [] {
        QDir(Folder.path()).mkpath(QStringLiteral("Languages"));
        return Folder.path();
    }();
    return Path;
}

void CheckFromDisk(const QByteArray& ABytes, const TLanguageFile& AInMemory,
                   const TReference& AReference, std::uint8_t ALimitByte) {
    const QString Id = AInMemory.ReadString(FileInfo, QStringLiteral("Id"));
    const QString Name = FileNameFor(Id);
    QDir Languages(ProgramFolder() + QStringLiteral("/Languages"));
    for (const QString& Old : Languages.entryList(QDir::Files | QDir::Hidden))
        Languages.remove(Old);
    const QString Path = Languages.filePath(Name + QStringLiteral(".ini"));
    {
        QFile File(Path);
        FUZZ_CHECK(File.open(QIODevice::WriteOnly) && File.write(ABytes) == ABytes.size(),
                   "cannot write the language file");
    }

    // The size limit: a file larger than it is refused, any other read whole.
    const qint64 Limit = qMax<qint64>(0, ABytes.size() - 8 + (ALimitByte % 17));
    QByteArray Read;
    const TLanguageFile::TReadError Error = ReadRegularFile(Path, Limit, Read);
    if (ABytes.size() > Limit)
        FUZZ_CHECK(Error == TLanguageFile::TReadError::TooLarge, "size limit not applied");
    else
        FUZZ_CHECK(Error == TLanguageFile::TReadError::None && Read == ABytes,
                   "file not read whole");

    // Start-up with this file as the only language.
    QStringList Messages;
    TLanguageEnvironment Environment;
    Environment.ExecutableFolder = ProgramFolder();
    Environment.UiLanguages = [] { return QStringList(); };
    Environment.SystemLocale = [] { return QLocale::c(); };
    Environment.UserLocale = [] { return QLocale::c(); };
    Environment.ShowError = [&Messages](const QString& AText) { Messages << AText; };
    TLanguages Manager(QString(), QStringLiteral("Settings"), true, Environment);

    if (Name == Id) {
        // Its name is its Id: listed, chosen and loaded.
        FUZZ_CHECK(Manager.List() == QStringList{Id}, Show(Id));
        FUZZ_CHECK(Manager.ListAbbr() ==
                       QStringList{AInMemory.ReadString(FileInfo, QStringLiteral("Abbr"))},
                   Show(Id));
        FUZZ_CHECK(Messages.isEmpty(), Show(Messages.value(0)));
        FUZZ_CHECK(!Manager.StartUpFailed() && Manager.ActiveLanguage() == Id, Show(Id));
        CheckAgainstReference(Manager.ActiveFile(), AReference, "loaded from disk");
    } else {
        // Name and Id differ: left out with a message, and no language is left.
        FUZZ_CHECK(Manager.List().isEmpty(), Show(Manager.List().join(QLatin1Char(','))));
        FUZZ_CHECK(Manager.StartUpFailed(), "started without a language");
        FUZZ_CHECK(Messages.size() == 2 &&
                       Messages[0].startsWith(QStringLiteral("Language File Name and its")) &&
                       Messages[1].startsWith(QStringLiteral("Language file missing.")),
                   Show(Messages.join(QLatin1Char('|'))));
        FUZZ_CHECK(Manager.ActiveFile().ReadString(FileInfo, QStringLiteral("Id")) ==
                       TLanguageFile::Undefined,
                   "a file is active after a failed start");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
    if (ASize == 0)
        return 0;
    const std::uint8_t Flags = AData[0];
    const QByteArray Bytes(reinterpret_cast<const char*>(AData + 1), qsizetype(ASize - 1));
    // The file's own name is the hint to its code page when it names no language.
    static const QString Hints[] = {QString(), QStringLiteral("English"), QStringLiteral("Czech"),
                                    QStringLiteral("sk")};
    const QString& Hint = Hints[Flags % 4];

    const QString Text = TLanguageFile::Decode(Bytes, Hint);
    CheckDecoding(Bytes, Hint, Text);
    const TReference Reference(Text);
    const TLanguageFile File = TLanguageFile::FromBytes(Bytes, Hint);
    CheckAgainstReference(File, Reference, "in memory");

    // One section alone reads as it does in the whole file.
    const QString Only = Reference.Sections.empty()
                             ? FileInfo
                             : Reference.Sections[(Flags >> 2) % Reference.Sections.size()].Name;
    const TLanguageFile Section = TLanguageFile::FromBytes(Bytes, Hint, Only);
    if (const auto It = Reference.Index.constFind(Only.toCaseFolded());
        It != Reference.Index.cend())
        for (const QString& Key : Reference.Sections[*It].Keys)
            FUZZ_CHECK(Section.ReadString(Only, Key) == File.ReadString(Only, Key),
                       "section " + Show(Only) + " alone, key " + Show(Key));

    // The disk costs time: one input in eight goes through it.
    if ((Flags & 0xE0) == 0xE0)
        CheckFromDisk(Bytes, File, Reference, AData[ASize - 1]);
    return 0;
}
