#include "LanguageSupport.h"

#include "Maker.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringDecoder>
#include <QTranslator>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

TLanguages* Languages = nullptr;

const QString TLanguageFile::Undefined = QStringLiteral("[undefined]");

namespace {

// Trims blanks and control characters (every code up to the space) at both ends.
QString TrimControl(QStringView S) {
    qsizetype First = 0;
    qsizetype Last = S.size();
    while (First < Last && S.at(First).unicode() <= u' ')
        ++First;
    while (Last > First && S.at(Last - 1).unicode() <= u' ')
        --Last;
    return S.mid(First, Last - First).toString();
}

QString FoldCase(const QString& S) {
    return S.toCaseFolded();
}

QString WithSeparator(const QString& Folder) {
    return Folder.endsWith(QLatin1Char('/')) ? Folder : Folder + QLatin1Char('/');
}

const QString FileInfoSection = QStringLiteral("FileInfo");

// The upper halves (bytes 0x80 to 0xFF) of the two code pages. Bytes that a code
// page leaves unassigned become the control character of the same number, as
// Windows decodes them.
constexpr char16_t Windows1250[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 0x98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // 0xA0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // 0xA8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // 0xB8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // 0xC0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // 0xC8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // 0xD0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // 0xD8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // 0xE0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // 0xE8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // 0xF0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // 0xF8
};
// From 0xA0 on, Windows-1252 is Latin-1.
constexpr char16_t Windows1252[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // 0xA0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, // 0xA8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, // 0xB8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, // 0xC0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, // 0xC8
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, // 0xD0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, // 0xD8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, // 0xE0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, // 0xE8
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, // 0xF0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF, // 0xF8
};

// Languages whose Windows code page is Windows-1250, by English name and by code.
const QStringList CentralEuropeanLanguages = {
    QStringLiteral("Albanian"), QStringLiteral("sq"),        QStringLiteral("Bosnian"),
    QStringLiteral("bs"),       QStringLiteral("Croatian"),  QStringLiteral("hr"),
    QStringLiteral("Czech"),    QStringLiteral("cs"),        QStringLiteral("Hungarian"),
    QStringLiteral("hu"),       QStringLiteral("Polish"),    QStringLiteral("pl"),
    QStringLiteral("Romanian"), QStringLiteral("ro"),        QStringLiteral("Slovak"),
    QStringLiteral("sk"),       QStringLiteral("Slovenian"), QStringLiteral("sl"),
};

} // namespace

TLanguageFile::TReadError ReadRegularFile(const QString& Path, qint64 MaxSize, QByteArray& Bytes) {
    using TReadError = TLanguageFile::TReadError;
    QFile File;
#ifdef Q_OS_UNIX
    const int Descriptor =
        ::open(QFile::encodeName(Path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (Descriptor < 0)
        return TReadError::Unreadable;
    struct stat Status {};
    if (::fstat(Descriptor, &Status) != 0 || !S_ISREG(Status.st_mode) ||
        !File.open(Descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(Descriptor);
        return TReadError::Unreadable;
    }
#else
    if (!QFileInfo(Path).isFile())
        return TReadError::Unreadable;
    File.setFileName(Path);
    if (!File.open(QIODevice::ReadOnly))
        return TReadError::Unreadable;
#endif
    const qint64 Size = File.size();
    if (Size > MaxSize)
        return TReadError::TooLarge;
    // One byte more than announced tells a file that grew meanwhile.
    Bytes = File.read(Size + 1);
    if (File.error() != QFileDevice::NoError)
        return TReadError::Unreadable;
    if (Bytes.size() > MaxSize)
        return TReadError::TooLarge;
    return TReadError::None;
}

TCodePage CodePageOfLanguage(const QString& AIdOrAbbr) {
    return CentralEuropeanLanguages.contains(AIdOrAbbr.trimmed(), Qt::CaseInsensitive)
               ? TCodePage::Windows1250
               : TCodePage::Windows1252;
}

// --- TLanguageFile ------------------------------------------------------------

QString TLanguageFile::FromCodePage(QByteArrayView Bytes, TCodePage ACodePage) {
    const char16_t* Table = ACodePage == TCodePage::Windows1250 ? Windows1250 : Windows1252;
    QString Text(Bytes.size(), Qt::Uninitialized);
    QChar* Out = Text.data();
    for (const char Byte : Bytes) {
        const auto Code = static_cast<unsigned char>(Byte);
        *Out++ = QChar(Code < 0x80 ? char16_t(Code) : Table[Code - 0x80]);
    }
    return Text;
}

namespace {
// The text of bytes that start with a byte-order mark or are valid UTF-8; false for
// any other bytes.
bool DecodeUnicode(const QByteArray& Bytes, QString& Text) {
    if (Bytes.startsWith("\xEF\xBB\xBF")) {
        Text = QString::fromUtf8(Bytes.constData() + 3, Bytes.size() - 3);
        return true;
    }
    if (Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF")) {
        QStringDecoder Decoder(Bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                            : QStringConverter::Utf16BE);
        Text = Decoder.decode(QByteArrayView(Bytes).sliced(2));
        return true;
    }
    QStringDecoder Decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    Text = Decoder.decode(Bytes);
    return !Decoder.hasError();
}
} // namespace

QString TLanguageFile::Decode(const QByteArray& Bytes, TCodePage ACodePage) {
    QString Text;
    return DecodeUnicode(Bytes, Text) ? Text : FromCodePage(Bytes, ACodePage);
}

QString TLanguageFile::Decode(const QByteArray& Bytes, const QString& ANameHint) {
    QString Text;
    if (DecodeUnicode(Bytes, Text))
        return Text;
    // Read as Windows-1252 first (the code pages agree on ASCII, and the Id and
    // code are ASCII), the file names its language, and so its code page.
    Text = FromCodePage(Bytes, TCodePage::Windows1252);
    TLanguageFile Info;
    Info.Parse(Text, FileInfoSection);
    QString Id, Abbr;
    Info.FindValue(FileInfoSection, QStringLiteral("Id"), Id);
    Info.FindValue(FileInfoSection, QStringLiteral("Abbr"), Abbr);
    const QStringList Names =
        Id.isEmpty() && Abbr.isEmpty() ? QStringList{ANameHint} : QStringList{Id, Abbr};
    for (const QString& Name : Names)
        if (CodePageOfLanguage(Name) == TCodePage::Windows1250)
            return FromCodePage(Bytes, TCodePage::Windows1250);
    return Text;
}

TLanguageFile TLanguageFile::FromBytes(const QByteArray& Bytes, const QString& ANameHint,
                                       const QString& AOnlySection) {
    TLanguageFile File;
    File.Parse(Decode(Bytes, ANameHint), AOnlySection);
    return File;
}

void TLanguageFile::Parse(QStringView Text, const QString& AOnlySection) {
    const QString Only = FoldCase(AOnlySection);
    QHash<QString, QString>* Current = nullptr;
    QHash<QString, QString> Ignored; // lines of a repeated or unwanted section
    qsizetype Start = 0;
    const qsizetype Size = Text.size();
    while (Start <= Size) {
        qsizetype End = Start;
        while (End < Size && Text.at(End) != QLatin1Char('\r') && Text.at(End) != QLatin1Char('\n'))
            ++End;
        const QString Line = TrimControl(Text.mid(Start, End - Start));
        // CR LF, LF and CR all end a line.
        if (End < Size && Text.at(End) == QLatin1Char('\r') && End + 1 < Size &&
            Text.at(End + 1) == QLatin1Char('\n'))
            ++End;
        Start = End + 1;

        if (Line.isEmpty() || Line.startsWith(QLatin1Char(';')))
            continue;
        if (Line.startsWith(QLatin1Char('[')) && Line.endsWith(QLatin1Char(']')) &&
            Line.size() >= 2) {
            const QString Name = FoldCase(TrimControl(QStringView(Line).mid(1, Line.size() - 2)));
            // The one section wanted is complete once the next begins.
            if (!Only.isEmpty() && FSections.contains(Only))
                return;
            if (FSections.contains(Name) || (!Only.isEmpty() && Name != Only)) {
                Ignored.clear();
                Current = &Ignored;
            } else {
                Current = &FSections[Name];
            }
            continue;
        }
        if (!Current)
            continue; // before the first section
        const qsizetype Equal = Line.indexOf(QLatin1Char('='));
        if (Equal < 0)
            continue; // no look-up can find it
        const QString Key = FoldCase(TrimControl(QStringView(Line).left(Equal)));
        if (!Current->contains(Key))
            Current->insert(Key, TrimControl(QStringView(Line).mid(Equal + 1)));
    }
}

std::unique_ptr<TLanguageFile> TLanguageFile::Read(const QString& Path, TReadError* AError,
                                                   const QString& AOnlySection) {
    QByteArray Bytes;
    const TReadError Error = ReadRegularFile(Path, MaxSize, Bytes);
    if (AError)
        *AError = Error;
    if (Error != TReadError::None)
        return nullptr;
    return std::make_unique<TLanguageFile>(
        FromBytes(Bytes, QFileInfo(Path).completeBaseName(), AOnlySection));
}

bool TLanguageFile::FindValue(const QString& Section, const QString& Identifier,
                              QString& Value) const {
    const auto SectionIt = FSections.constFind(FoldCase(Section));
    if (SectionIt == FSections.cend())
        return false;
    const auto KeyIt = SectionIt->constFind(FoldCase(Identifier));
    if (KeyIt == SectionIt->cend())
        return false;
    Value = *KeyIt;
    return true;
}

QString TLanguageFile::ReadString(const QString& Section, const QString& Identifier) const {
    QString Value;
    if (!FindValue(Section, Identifier, Value))
        return Undefined;
    Value.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
    return TrimControl(Value);
}

// --- TLanguages ---------------------------------------------------------------

TLanguages::TLanguages(const QString& ARegPrimaryKey_IniFileName,
                       const QString& ARegSettingsSection, bool LoadAutomatically,
                       TLanguageEnvironment Environment)
    : FEnvironment(std::move(Environment)), FRegPrimaryKey_IniFileName(ARegPrimaryKey_IniFileName),
      FRegSettingsSection(ARegSettingsSection) {
    const QString Folder = FEnvironment.ExecutableFolder.isEmpty()
                               ? QCoreApplication::applicationDirPath()
                               : FEnvironment.ExecutableFolder;
    FExecutableFolder = WithSeparator(QDir::fromNativeSeparators(Folder));
    FLanguageFolderPath = ProgramDataPath(FExecutableFolder, QStringLiteral("Languages/"));
    RefreshList();
    if (LoadAutomatically) {
        FStarting = true;
        const QString Stored = RegIniLanguage();
        if (!Stored.isEmpty() && IndexOf(FList, Stored) >= 0)
            Load(Stored);
        else
            Load(DefaultLanguage());
        FStarting = false;
        // Without a language no window has texts: the program cannot go on.
        if (!FActiveFile)
            FStartUpFailed = true;
    }
}

TLanguages::~TLanguages() {
    LoadQtTranslations(QString());
}

void TLanguages::ShowError(const QString& Text) const {
    if (FEnvironment.ShowError)
        FEnvironment.ShowError(Text);
    else
        ShowErrorMessage(Text);
}

int TLanguages::IndexOf(const QStringList& Items, const QString& Item) const {
    for (int i = 0; i < Items.size(); ++i)
        if (Items.at(i).compare(Item, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TLanguages::ShowScanError(const QString& Text) {
    if (FScanMessagesShown.contains(Text))
        return;
    FScanMessagesShown.insert(Text);
    ShowError(Text);
}

void TLanguages::RefreshList() {
    using TReadError = TLanguageFile::TReadError;
    FList.clear();
    FListAbbr.clear();
    // Sorted by name so that the order (and so the fallback choice) does not depend
    // on the file system. Only regular files: reading a FIFO would wait for ever.
    const QDir Folder(FLanguageFolderPath);
    const QFileInfoList Entries = Folder.entryInfoList(
        {QStringLiteral("*.ini")}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    QHash<QString, TScanEntry> Scanned;
    for (const QFileInfo& Entry : Entries) {
        const QString Name = Entry.fileName();
        TScanEntry Scan = FScanned.value(Name);
        const QDateTime Changed = Entry.metadataChangeTime();
        if (Scan.Size != Entry.size() || Scan.Modified != Entry.lastModified() ||
            Scan.Changed != Changed) {
            // Only the file's identity is wanted here; the whole file is parsed when
            // it is loaded.
            Scan = TScanEntry();
            Scan.Size = Entry.size();
            Scan.Modified = Entry.lastModified();
            Scan.Changed = Changed;
            const QString Path = Folder.filePath(Name);
            if (FEnvironment.FileRead)
                FEnvironment.FileRead(Path, false);
            const std::unique_ptr<TLanguageFile> Info =
                TLanguageFile::Read(Path, &Scan.Error, FileInfoSection);
            if (Info) {
                Scan.Id = Info->ReadString(FileInfoSection, QStringLiteral("Id"));
                Scan.Abbr = Info->ReadString(FileInfoSection, QStringLiteral("Abbr"));
            }
        }
        Scanned.insert(Name, Scan);
        if (Scan.Error != TReadError::None) {
            QString Text =
                QStringLiteral("Language file cannot be read:\r\n\r\nFile Name = ") + Name;
            if (Scan.Error == TReadError::TooLarge)
                Text += QStringLiteral("\r\n(larger than %1 MB)")
                            .arg(TLanguageFile::MaxSize / (1024 * 1024));
            ShowScanError(Text);
            continue;
        }
        if (Name != Scan.Id + QStringLiteral(".ini")) {
            ShowScanError(QStringLiteral("Language File Name and its [.ini]FileInfo.Id key "
                                         "mismatch:\r\n\r\nFile Name = ") +
                          Name + QStringLiteral("\r\n[.ini]FileInfo.Id = ") + Scan.Id);
            continue;
        }
        FList.append(Scan.Id);
        FListAbbr.append(Scan.Abbr);
    }
    FScanned = std::move(Scanned);
}

bool TLanguages::Load(const QString& ALanguage) {
    const int Index = ALanguage.isEmpty() ? -1 : IndexOf(FList, ALanguage);
    // The listed Id names the file on disk; a stored name in another letter case
    // finds it on case-sensitive file systems too.
    const QString Path =
        FLanguageFolderPath + (Index >= 0 ? FList.at(Index) : ALanguage) + QStringLiteral(".ini");
    if (Index >= 0 && QFileInfo(Path).isFile()) {
        if (FEnvironment.FileRead)
            FEnvironment.FileRead(Path, true);
        std::unique_ptr<TLanguageFile> File = TLanguageFile::Read(Path);
        if (File) {
            FActiveFile = std::move(File);
            FActiveLanguage = ALanguage;
            LoadQtTranslations(FListAbbr.at(Index));
            return true;
        }
        ShowError(QStringLiteral("Error while loading language file.\r\n") +
                  QDir::toNativeSeparators(Path));
        return false;
    }
    ShowError(QStringLiteral("Language file missing.\r\nYou need to unpack the whole archive in "
                             "case of portable version."));
    if (FStarting)
        FStartUpFailed = true;
    return false;
}

void TLanguages::LoadQtTranslations(const QString& AAbbr) {
    if (FQtTranslator) {
        QCoreApplication::removeTranslator(FQtTranslator.get());
        FQtTranslator.reset();
    }
    // Qt's texts are English in the first place; a language code Qt does not know
    // (or none) leaves them so.
    const QString Code = AAbbr.trimmed().toLower();
    if (!QCoreApplication::instance() || Code.isEmpty() || Code == QLatin1String("en"))
        return;
    const QLocale Locale(Code);
    if (Locale.language() == QLocale::C || Locale.language() == QLocale::AnyLanguage)
        return;
    const QString Folder = FEnvironment.QtTranslationsFolder.isEmpty()
                               ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                               : FEnvironment.QtTranslationsFolder;
    auto Translator = std::make_unique<QTranslator>();
    if (!Translator->load(Locale, QStringLiteral("qtbase"), QStringLiteral("_"), Folder))
        return;
    if (QCoreApplication::installTranslator(Translator.get()))
        FQtTranslator = std::move(Translator);
}

QString TLanguages::QtTranslationsFile() const {
    return FQtTranslator ? FQtTranslator->filePath() : QString();
}

const TLanguageFile& TLanguages::ActiveFile() const {
    static const TLanguageFile Empty;
    return FActiveFile ? *FActiveFile : Empty;
}

QString TLanguages::HomePageAddress(bool IncludeHTTP) const {
    return (IncludeHTTP ? QStringLiteral("http://") : QString()) + Maker::HostName;
}

QString TLanguages::ProductPageAddress(bool IncludeHTTP, int ProductId) const {
    QString Address =
        HomePageAddress(IncludeHTTP) + QStringLiteral("/?pg=1&pid=") + QString::number(ProductId);
    if (FActiveLanguage == QLatin1String("Czech") || FActiveLanguage == QLatin1String("Slovak"))
        Address += QStringLiteral("&lng=cs");
    return Address;
}

QString TLanguages::EmailAddress(const QString& MailBoxName) const {
    return MailBoxName + QLatin1Char('@') + Maker::MailDomain;
}

QString TLanguages::LocaleLanguageName(const QLocale& Locale) {
    const QLocale::Language Language = Locale.language();
    if (Language == QLocale::AnyLanguage || Language == QLocale::C)
        return QString();
    return QLocale::languageToString(Language).left(32);
}

QString TLanguages::DisplayLanguage() const {
    const QStringList Preferred =
        FEnvironment.UiLanguages ? FEnvironment.UiLanguages() : QLocale::system().uiLanguages();
    return Preferred.isEmpty() ? QString() : Preferred.constFirst().left(2);
}

QString TLanguages::NonUnicodeLanguage() const {
    return LocaleLanguageName(FEnvironment.SystemLocale ? FEnvironment.SystemLocale()
                                                        : QLocale::system());
}

QString TLanguages::RegionalFormatLanguage() const {
    return LocaleLanguageName(FEnvironment.UserLocale ? FEnvironment.UserLocale() : QLocale());
}

QString TLanguages::DefaultLanguage() {
    RefreshList();
    if (FList.isEmpty())
        return QString();
    if (FList.size() == 1)
        return FList.constFirst();
    const QString Display = DisplayLanguage();
    if (!Display.isEmpty()) {
        const int Index = IndexOf(FListAbbr, Display);
        if (Index >= 0)
            return FList.at(Index);
    }
    const QString NonUnicode = NonUnicodeLanguage();
    if (!NonUnicode.isEmpty() && IndexOf(FList, NonUnicode) >= 0)
        return NonUnicode;
    const QString Regional = RegionalFormatLanguage();
    if (!Regional.isEmpty() && IndexOf(FList, Regional) >= 0)
        return Regional;
    const QString English = QStringLiteral("English");
    if (IndexOf(FList, English) >= 0)
        return English;
    return FList.constFirst();
}

QString TLanguages::RegIniLanguage() const {
    if (FRegPrimaryKey_IniFileName.isEmpty())
        return QString();
    QString Relative = FRegPrimaryKey_IniFileName;
    Relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString IniPath = FExecutableFolder + Relative;
    const QString Language = SettingNames::Language;
    if (QFileInfo(IniPath).isFile()) {
        QString Value;
        const std::unique_ptr<TLanguageFile> Ini = TLanguageFile::Read(IniPath);
        if (Ini && Ini->FindValue(FRegSettingsSection, Language, Value))
            return Value;
        return QString();
    }
    TSettingsStore Reg(FRegPrimaryKey_IniFileName);
    return Reg.ReadString(FRegSettingsSection, Language, QString());
}

QString LanguageText(const QString& Section, const QString& Identifier) {
    if (!Languages)
        return TLanguageFile::Undefined;
    return Languages->ActiveFile().ReadString(Section, Identifier);
}
