// The per-user settings store: the registry key HKCU\Software\Ternwick\Kavorin on
// Windows, Qt's per-user settings file elsewhere. Every value is kept as text.
//
// A window opens the store where it needs a value, reads or writes, and closes it
// (the destructor closes it too):
//
//     TSettingsStore Reg(SettingsKeys::Settings);
//     const int Precision = Reg.ReadInteger(QString(), SettingNames::Precision, 2);
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QSettings;

namespace SettingsKeys {
// The program's key; also the relative path of the settings INI file beside the
// executable (read for the language only).
inline const QString Program = QStringLiteral("Software\\Ternwick\\Kavorin");
// Result, view and language preferences.
inline const QString Settings = QStringLiteral("Software\\Ternwick\\Kavorin\\Settings");
// The main window's last position.
inline const QString Position = QStringLiteral("Software\\Ternwick\\Kavorin\\Position");
// The sub-key (and INI section) that holds "Language".
inline const QString SettingsSection = QStringLiteral("Settings");
} // namespace SettingsKeys

// The names of the values under SettingsKeys::Settings, for every window that
// reads or writes them.
namespace SettingNames {
// The results' precision (0..14) and number form (0 basic, else semilogarithmic);
// ReadNumberForm (NumberFormat.h) reads the two.
inline const QString Precision = QStringLiteral("Precision");
inline const QString Form = QStringLiteral("Form");
inline const QString UsePresetDensity = QStringLiteral("UsePresetDensity");
inline const QString PresetDensity = QStringLiteral("PresetDensity");
inline const QString ShowFormulas = QStringLiteral("ShowFormulas");
inline const QString ShowSupplementaryData = QStringLiteral("ShowSupplementaryData");
inline const QString ShowDraft = QStringLiteral("ShowDraft");
// The draft panel shows the entered figure drawn to scale in place of the
// catalogue draft (0 or 1).
inline const QString DraftToScale = QStringLiteral("DraftToScale");
inline const QString Language = QStringLiteral("Language");
} // namespace SettingNames

class TSettingsStore {
public:
    // Opens the key at KeyPath below the user's root, e.g. SettingsKeys::Settings.
    explicit TSettingsStore(const QString& KeyPath);
    ~TSettingsStore();
    TSettingsStore(const TSettingsStore&) = delete;
    TSettingsStore& operator=(const TSettingsStore&) = delete;

    // Whether the opened key has a sub-key of that name holding values.
    bool KeyExists(const QString& Name) const;

    // An empty Section means the opened key itself. A missing value, an empty text
    // or a text of the wrong form reads as Default; "2" reads as true.
    int ReadInteger(const QString& Section, const QString& Name, int Default) const;
    bool ReadBool(const QString& Section, const QString& Name, bool Default) const;
    QString ReadString(const QString& Section, const QString& Name, const QString& Default) const;

    // Integers as decimal text, booleans as "1" / "0", strings unchanged.
    void WriteInteger(const QString& Section, const QString& Name, int Value);
    void WriteBool(const QString& Section, const QString& Name, bool Value);
    void WriteString(const QString& Section, const QString& Name, const QString& Value);

    // Writes pending values out and releases the store; later reads give their
    // defaults and later writes are dropped. When the values cannot be written (a
    // read-only folder, a full disk), the write-failure handler is told, the first
    // time in a run only.
    void Close();
    bool IsOpen() const { return FSettings != nullptr; }

    // Tests point the store at an INI file of their own (also on Windows, where the
    // native store is the registry); an empty path restores the native store.
    static void SetStoreFile(const QString& IniFilePath);
    static QString StoreFile();

    // What is done the first time values cannot be written; AStoreName is the file
    // (or registry key) that failed. The default tells the user in an error box, so
    // that preferences are not lost silently. Setting a handler (an empty one
    // restores the default) lets the next failure be reported again.
    using TWriteFailureHandler = std::function<void(const QString& AStoreName)>;
    static void SetWriteFailureHandler(TWriteFailureHandler AHandler);

private:
    QString ValueKey(const QString& Section, const QString& Name) const;
    // The stored text, or no value when it is missing or not a single text.
    bool ReadText(const QString& Section, const QString& Name, QString& Text) const;

    std::unique_ptr<QSettings> FSettings;
    bool FWritten = false;
    QString FGroup; // the key path below "Software\Ternwick\Kavorin", '/'-separated
};
