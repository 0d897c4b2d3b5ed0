// Language files and the language manager. Every text a window shows comes from
// the active language file:
//
//     const TLanguageFile& File = Languages->ActiveFile();
//     setWindowTitle(File.ReadString(QStringLiteral("TFormSettings"), QStringLiteral("Caption")));
//
// A language file is an INI text file "<Id>.ini" in the folder "Languages" beside
// the executable (or in the installed data folder); its section "FileInfo" holds "Id" and "Abbr"
// (two-letter code).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QTranslator;

// The Windows 8-bit code pages a language file without a byte-order mark may be
// written in.
enum class TCodePage { Windows1250, Windows1252 };

// The code page Windows uses for a language, named by its Id (English name, as
// "Czech") or its two-letter code ("cs"): Windows-1250 for the Central European
// languages written in Latin letters, Windows-1252 for every other.
TCodePage CodePageOfLanguage(const QString& AIdOrAbbr);

// One language file held in memory, read once. Syntax, line by line after trimming
// blanks and control characters: empty lines and lines starting with ";" are
// skipped; "[Name]" starts a section; "key = value" inside a section. Names match
// without regard to case; the first occurrence of a section or of a key wins.
// Encoding: UTF-8 or UTF-16 by byte-order mark; without one, UTF-8 when the bytes
// are valid UTF-8, else the Windows code page of the file's language (its
// "FileInfo" Id or Abbr, else the file's name).
class TLanguageFile {
public:
    // Why a file could not be read.
    enum class TReadError {
        None,
        // Missing, not a regular file (a folder, a FIFO, a device), or an I/O error.
        Unreadable,
        // Larger than MaxSize.
        TooLarge
    };
    // Larger files are not language files; refusing them keeps memory and start-up
    // time bounded.
    static constexpr qint64 MaxSize = 16 * 1024 * 1024;

    // An empty file: every look-up reads "[undefined]".
    TLanguageFile() = default;

    // Reads the file at Path; null when it cannot be read (AError says why). Only
    // regular files are opened, so a FIFO never blocks the program. With
    // AOnlySection, only that section is kept and the rest of the file is not parsed.
    static std::unique_ptr<TLanguageFile> Read(const QString& Path, TReadError* AError = nullptr,
                                               const QString& AOnlySection = QString());
    static TLanguageFile FromBytes(const QByteArray& Bytes, const QString& ANameHint = QString(),
                                   const QString& AOnlySection = QString());
    // The text of a language file's bytes by the encoding rules above.
    static QString Decode(const QByteArray& Bytes, const QString& ANameHint = QString());
    // The text of bytes: by byte-order mark, else UTF-8 when valid, else ACodePage.
    static QString Decode(const QByteArray& Bytes, TCodePage ACodePage);
    // Bytes in a Windows code page.
    static QString FromCodePage(QByteArrayView Bytes, TCodePage ACodePage);

    // The value with "\n" turned into CR LF and trimmed again; "[undefined]" when
    // the section or key is missing.
    QString ReadString(const QString& Section, const QString& Identifier) const;
    // The stored value as written (trimmed); false when it is missing.
    bool FindValue(const QString& Section, const QString& Identifier, QString& Value) const;

    static const QString Undefined; // "[undefined]"

private:
    void Parse(QStringView Text, const QString& AOnlySection);

    // Case-folded section name -> case-folded key -> value.
    QHash<QString, QHash<QString, QString>> FSections;
};

// The bytes of a regular file of at most MaxSize bytes (a language file, a flag
// picture). The file is opened without waiting and checked before anything is read,
// so a FIFO or device under a file's name never blocks.
TLanguageFile::TReadError ReadRegularFile(const QString& Path, qint64 MaxSize, QByteArray& Bytes);

// Where the language manager looks for its inputs. The defaults are the running
// program's; tests set their own folder, locales and message sink.
struct TLanguageEnvironment {
    // The executable's folder, which holds the settings INI file and "Languages"
    // (else the installed data folder does, see ProgramDataPath); empty means
    // QCoreApplication::applicationDirPath().
    QString ExecutableFolder;
    // The user's preferred display languages; empty means QLocale::system().uiLanguages().
    std::function<QStringList()> UiLanguages;
    // The system locale and the user's regional format; empty means QLocale::system()
    // and QLocale().
    std::function<QLocale()> SystemLocale;
    std::function<QLocale()> UserLocale;
    // Shows an error message; empty means ShowErrorMessage.
    std::function<void(const QString&)> ShowError;
    // Told of every language file read from disk: whole (to be loaded), or only for
    // its "FileInfo" (the folder scan). Tests count the reads.
    std::function<void(const QString& Path, bool Whole)> FileRead;
    // The folder of Qt's own translations ("qtbase_cs.qm"); empty means
    // QLibraryInfo::path(QLibraryInfo::TranslationsPath).
    QString QtTranslationsFolder;
};

class TLanguages {
public:
    // Scans the language folder and, with LoadAutomatically, chooses and loads the
    // language: the settings INI file's or the store's "Language" when a file with
    // that Id exists, else DefaultLanguage. ARegPrimaryKey_IniFileName is
    // SettingsKeys::Program, ARegSettingsSection SettingsKeys::SettingsSection.
    TLanguages(const QString& ARegPrimaryKey_IniFileName, const QString& ARegSettingsSection,
               bool LoadAutomatically, TLanguageEnvironment Environment = {});
    ~TLanguages();
    TLanguages(const TLanguages&) = delete;
    TLanguages& operator=(const TLanguages&) = delete;

    // Rescans the folder: every regular file "*.ini" whose name is its Id + ".ini".
    // A file that cannot be read, or whose name and Id differ, is skipped and named in
    // an error message, once for the manager's lifetime however often the folder is
    // scanned. Files unchanged since the last scan are not read again. The active
    // language does not change.
    void RefreshList();
    // Makes ALanguage (an Id, any letter case) the active language. On failure an
    // error message is shown and the previous language stays active. Qt's own
    // texts (message box buttons, the entries' context menu) follow: Qt's
    // translation for the file's "Abbr" replaces the previous one, and where Qt
    // has none they stay English, without a message.
    bool Load(const QString& ALanguage);
    // The file of Qt's translations in use; empty when Qt speaks English.
    QString QtTranslationsFile() const;

    // True when the automatic load at construction left no usable language; the
    // program then ends (the message has been shown).
    bool StartUpFailed() const { return FStartUpFailed; }

    // "http://www.ternwick.com" or "www.ternwick.com".
    QString HomePageAddress(bool IncludeHTTP) const;
    // HomePageAddress + "/?pg=1&pid=<ProductId>", + "&lng=cs" for Czech and Slovak.
    QString ProductPageAddress(bool IncludeHTTP, int ProductId) const;
    // MailBoxName + "@ternwick.com".
    QString EmailAddress(const QString& MailBoxName) const;

    // The folder of the language files, ending with a separator.
    const QString& LanguageFolderPath() const { return FLanguageFolderPath; }
    // Ids of the valid files, and their "Abbr" values at the same indexes.
    const QStringList& List() const { return FList; }
    const QStringList& ListAbbr() const { return FListAbbr; }
    // The Id as it was passed to the last successful Load; empty before.
    const QString& ActiveLanguage() const { return FActiveLanguage; }
    // The loaded file; an empty file (every text "[undefined]") before the first load.
    const TLanguageFile& ActiveFile() const;

    // Two-letter code of the user's first display language; empty when none.
    QString DisplayLanguage() const;
    // English names of the system locale's and the regional format's languages.
    QString NonUnicodeLanguage() const;
    QString RegionalFormatLanguage() const;
    // Rescans, then picks: the only file; the display language's file (by Abbr); the
    // system locale's or regional format's language; "English"; the first file.
    QString DefaultLanguage();
    // "Language" from the settings INI file beside the executable when that file
    // exists, else from the settings store; empty when not set.
    QString RegIniLanguage() const;

    static QString LocaleLanguageName(const QLocale& Locale);

private:
    // What the scan learnt of one file, kept while the file stays the same.
    struct TScanEntry {
        qint64 Size = -1;
        QDateTime Modified;
        QDateTime Changed;
        TLanguageFile::TReadError Error = TLanguageFile::TReadError::None;
        QString Id;
        QString Abbr;
    };

    void ShowError(const QString& Text) const;
    // Shows a message of the folder scan unless it has been shown before.
    void ShowScanError(const QString& Text);
    int IndexOf(const QStringList& Items, const QString& Item) const;
    // Installs Qt's translation for the language code AAbbr ("cs") in place of
    // the previous one.
    void LoadQtTranslations(const QString& AAbbr);

    TLanguageEnvironment FEnvironment;
    QString FRegPrimaryKey_IniFileName;
    QString FRegSettingsSection;
    QString FExecutableFolder; // with a trailing separator
    QString FLanguageFolderPath;
    QStringList FList;
    QStringList FListAbbr;
    QString FActiveLanguage;
    std::unique_ptr<TLanguageFile> FActiveFile;
    std::unique_ptr<QTranslator> FQtTranslator; // installed while not null
    bool FStarting = false;
    bool FStartUpFailed = false;
    QHash<QString, TScanEntry> FScanned; // by file name
    QSet<QString> FScanMessagesShown;
};

// The program-wide language manager, created by start-up before any window and
// destroyed after the last one. Tests point it at an instance of their own.
extern TLanguages* Languages;

// A text of the active language file; "[undefined]" while no language manager
// exists.
QString LanguageText(const QString& Section, const QString& Identifier);
