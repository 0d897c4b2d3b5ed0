#include "Settings.h"

#include "LanguageSupport.h"
#include "MessageBoxes.h"

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace {
QString& StoreFileOverride() {
    static QString Path;
    return Path;
}

TSettingsStore::TWriteFailureHandler& WriteFailureHandler() {
    static TSettingsStore::TWriteFailureHandler Handler;
    return Handler;
}

// Whether this run has reported a failed write already.
bool& WriteFailureReported() {
    static bool Reported = false;
    return Reported;
}

void ReportWriteFailure(const QString& StoreName) {
    if (WriteFailureReported())
        return;
    WriteFailureReported() = true;
    if (WriteFailureHandler()) {
        WriteFailureHandler()(StoreName);
        return;
    }
    ShowErrorMessage(
        LanguageText(QStringLiteral("TFormMain"), QStringLiteral("sSettingsNotSaved")) +
        QStringLiteral(":\r\n") + QDir::toNativeSeparators(StoreName));
}

// "Software\Ternwick\Kavorin\Settings" -> "Settings". QSettings is already scoped to
// organisation "Ternwick" and application "Kavorin"; a path outside that key keeps
// its full form as a group below it.
QString GroupOf(const QString& KeyPath) {
    QString Path = KeyPath;
    Path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QString& Root = SettingsKeys::Program;
    if (Path.compare(Root, Qt::CaseInsensitive) == 0)
        Path.clear();
    else if (Path.startsWith(Root + QLatin1Char('\\'), Qt::CaseInsensitive))
        Path = Path.mid(Root.size() + 1);
    const QStringList Parts = Path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    return Parts.join(QLatin1Char('/'));
}

// Decimal text with an optional sign, nothing else (no blanks, no hex).
bool ParseInteger(const QString& Text, int& Value) {
    if (Text.isEmpty())
        return false;
    for (int i = 0; i < Text.size(); ++i) {
        const QChar C = Text.at(i);
        const bool Sign = i == 0 && (C == QLatin1Char('-') || C == QLatin1Char('+'));
        if (!Sign && (C < QLatin1Char('0') || C > QLatin1Char('9')))
            return false;
    }
    bool Ok = false;
    const int Parsed = Text.toInt(&Ok, 10);
    if (Ok)
        Value = Parsed;
    return Ok;
}
} // namespace

TSettingsStore::TSettingsStore(const QString& KeyPath) : FGroup(GroupOf(KeyPath)) {
    const QString& File = StoreFileOverride();
    if (File.isEmpty())
        FSettings =
            std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                        QStringLiteral("Ternwick"), QStringLiteral("Kavorin"));
    else
        FSettings = std::make_unique<QSettings>(File, QSettings::IniFormat);
}

TSettingsStore::~TSettingsStore() {
    Close();
}

void TSettingsStore::Close() {
    if (FSettings) {
        FSettings->sync();
        if (FWritten && FSettings->status() == QSettings::AccessError)
            ReportWriteFailure(FSettings->fileName());
    }
    FSettings.reset();
}

void TSettingsStore::SetWriteFailureHandler(TWriteFailureHandler AHandler) {
    WriteFailureHandler() = std::move(AHandler);
    WriteFailureReported() = false;
}

void TSettingsStore::SetStoreFile(const QString& IniFilePath) {
    StoreFileOverride() = IniFilePath;
}

QString TSettingsStore::StoreFile() {
    return StoreFileOverride();
}

QString TSettingsStore::ValueKey(const QString& Section, const QString& Name) const {
    QString Key = FGroup;
    const QString Sub = GroupOf(Section);
    if (!Sub.isEmpty())
        Key += (Key.isEmpty() ? QString() : QStringLiteral("/")) + Sub;
    return Key.isEmpty() ? Name : Key + QLatin1Char('/') + Name;
}

bool TSettingsStore::KeyExists(const QString& Name) const {
    if (!FSettings || Name.isEmpty())
        return false;
    FSettings->beginGroup(FGroup);
    const QStringList Groups = FSettings->childGroups();
    FSettings->endGroup();
    return Groups.contains(Name, Qt::CaseInsensitive);
}

QStringList TSettingsStore::ValueNames(const QString& Section) const {
    if (!FSettings)
        return {};
    QString group = FGroup;
    const QString sub = GroupOf(Section);
    if (!sub.isEmpty())
        group += (group.isEmpty() ? QString() : QStringLiteral("/")) + sub;
    FSettings->beginGroup(group);
    const QStringList names = FSettings->childKeys();
    FSettings->endGroup();
    return names;
}

bool TSettingsStore::ReadText(const QString& Section, const QString& Name, QString& Text) const {
    if (!FSettings || Name.isEmpty())
        return false;
    const QVariant Value = FSettings->value(ValueKey(Section, Name));
    if (!Value.isValid())
        return false;
    // A list (an INI text with commas written by hand) or any other non-text kind
    // is not a value of ours.
    switch (Value.typeId()) {
    case QMetaType::QString:
        Text = Value.toString();
        return true;
    case QMetaType::QByteArray:
        Text = QString::fromUtf8(Value.toByteArray());
        return true;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        Text = Value.toString();
        return true;
    default:
        return false;
    }
}

int TSettingsStore::ReadInteger(const QString& Section, const QString& Name, int Default) const {
    QString Text;
    int Value = Default;
    if (ReadText(Section, Name, Text) && ParseInteger(Text, Value))
        return Value;
    return Default;
}

bool TSettingsStore::ReadBool(const QString& Section, const QString& Name, bool Default) const {
    return ReadInteger(Section, Name, Default ? 1 : 0) != 0;
}

QString TSettingsStore::ReadString(const QString& Section, const QString& Name,
                                   const QString& Default) const {
    QString Text;
    return ReadText(Section, Name, Text) ? Text : Default;
}

void TSettingsStore::WriteInteger(const QString& Section, const QString& Name, int Value) {
    WriteString(Section, Name, QString::number(Value));
}

void TSettingsStore::WriteBool(const QString& Section, const QString& Name, bool Value) {
    WriteString(Section, Name, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TSettingsStore::WriteString(const QString& Section, const QString& Name,
                                 const QString& Value) {
    if (!FSettings || Name.isEmpty())
        return;
    const QString Key = ValueKey(Section, Name);
    // A value stored already as this text is not written again: an unchanged store
    // is not rewritten (and synced to disk) at every exit of the main window.
    const QVariant Stored = FSettings->value(Key);
    if (Stored.typeId() == QMetaType::QString && Stored.toString() == Value)
        return;
    FSettings->setValue(Key, Value);
    FWritten = true;
}

void TSettingsStore::DeleteValue(const QString& Section, const QString& Name) {
    if (!FSettings || Name.isEmpty())
        return;
    FSettings->remove(ValueKey(Section, Name));
    FWritten = true;
}
