#include "LanguageSupport.h"

#include "MessageBoxes.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

TLanguages* Languages = nullptr;

const QString TLanguageFile::Undefined = QStringLiteral("[undefined]");

namespace {
// Larger files are not language files; refusing them keeps memory bounded.
constexpr qint64 MaxLanguageFileSize = 64 * 1024 * 1024;

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
} // namespace

// --- TLanguageFile ------------------------------------------------------------

QString TLanguageFile::Decode(const QByteArray& Bytes) {
    if (Bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(Bytes.constData() + 3, Bytes.size() - 3);
    if (Bytes.startsWith("\xFF\xFE")) {
        QStringDecoder Decoder(QStringConverter::Utf16LE);
        return Decoder.decode(QByteArrayView(Bytes).sliced(2));
    }
    if (Bytes.startsWith("\xFE\xFF")) {
        QStringDecoder Decoder(QStringConverter::Utf16BE);
        return Decoder.decode(QByteArrayView(Bytes).sliced(2));
    }
    QStringDecoder System(QStringConverter::System);
    const QString Text = System.decode(Bytes);
    // Where the system encoding is UTF-8 (not an 8-bit code page), a file written in
    // a Windows code page would lose its accented letters; Latin-1 keeps every byte.
    if (System.hasError())
        return QString::fromLatin1(Bytes);
    return Text;
}

TLanguageFile TLanguageFile::FromBytes(const QByteArray& Bytes) {
    TLanguageFile File;
    const QString Text = Decode(Bytes);
    QHash<QString, QString>* Current = nullptr;
    QHash<QString, QString> Ignored; // lines of a repeated section
    qsizetype Start = 0;
    const qsizetype Size = Text.size();
    while (Start <= Size) {
        qsizetype End = Start;
        while (End < Size && Text.at(End) != QLatin1Char('\r') && Text.at(End) != QLatin1Char('\n'))
            ++End;
        const QString Line = TrimControl(QStringView(Text).mid(Start, End - Start));
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
            if (File.FSections.contains(Name)) {
                Ignored.clear();
                Current = &Ignored;
            } else {
                Current = &File.FSections[Name];
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
    return File;
}

std::unique_ptr<TLanguageFile> TLanguageFile::Read(const QString& Path) {
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly) || File.size() > MaxLanguageFileSize)
        return nullptr;
    const QByteArray Bytes = File.read(MaxLanguageFileSize + 1);
    if (File.error() != QFileDevice::NoError || Bytes.size() > MaxLanguageFileSize)
        return nullptr;
    return std::make_unique<TLanguageFile>(FromBytes(Bytes));
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
    FLanguageFolderPath = FExecutableFolder + QStringLiteral("Languages/");
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

TLanguages::~TLanguages() = default;

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

void TLanguages::RefreshList() {
    FList.clear();
    FListAbbr.clear();
    // Sorted by name so that the order (and so the fallback choice) does not depend
    // on the file system.
    const QDir Folder(FLanguageFolderPath);
    const QStringList Names =
        Folder.entryList({QStringLiteral("*.ini")}, QDir::Files | QDir::Hidden | QDir::System,
                         QDir::Name | QDir::IgnoreCase);
    for (const QString& Name : Names) {
        // A file that cannot be read has no Id and is reported as a mismatch.
        const std::unique_ptr<TLanguageFile> File = TLanguageFile::Read(Folder.filePath(Name));
        const TLanguageFile Empty;
        const TLanguageFile& Info = File ? *File : Empty;
        const QString Id = Info.ReadString(QStringLiteral("FileInfo"), QStringLiteral("Id"));
        const QString Abbr = Info.ReadString(QStringLiteral("FileInfo"), QStringLiteral("Abbr"));
        if (Name != Id + QStringLiteral(".ini")) {
            ShowError(QStringLiteral("Language File Name and its [.ini]FileInfo.Id key "
                                     "mismatch:\r\n\r\nFile Name = ") +
                      Name + QStringLiteral("\r\n[.ini]FileInfo.Id = ") + Id);
            continue;
        }
        FList.append(Id);
        FListAbbr.append(Abbr);
    }
}

bool TLanguages::Load(const QString& ALanguage) {
    const int Index = ALanguage.isEmpty() ? -1 : IndexOf(FList, ALanguage);
    // The listed Id names the file on disk; a stored name in another letter case
    // finds it on case-sensitive file systems too.
    const QString Path =
        FLanguageFolderPath + (Index >= 0 ? FList.at(Index) : ALanguage) + QStringLiteral(".ini");
    if (Index >= 0 && QFileInfo(Path).isFile()) {
        std::unique_ptr<TLanguageFile> File = TLanguageFile::Read(Path);
        if (File) {
            FActiveFile = std::move(File);
            FActiveLanguage = ALanguage;
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
    const QString Language = QStringLiteral("Language");
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
