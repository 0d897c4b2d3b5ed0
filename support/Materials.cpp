#include "Materials.h"

#include "LanguageSupport.h"
#include "MessageBoxes.h"
#include "NumberParsing.h"
#include "ProgramFolder.h"
#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <cmath>

// The built-in list is the shipped file, compiled into the static library.
static void InitMaterialResources() {
    Q_INIT_RESOURCE(materials);
}

namespace {

// Far more than a list of materials needs; a larger file is not one.
constexpr qint64 MaxFileSize = 1024 * 1024;
const QString English = QStringLiteral("en");
const QString BuiltInPath = QStringLiteral(":/data/Materials.csv");
const QStringList HeaderStart = {QStringLiteral("id"), QStringLiteral("density"),
                                 QStringLiteral("source"), English};
constexpr QChar FieldSeparator = QLatin1Char(';');

bool IsMaterialId(const QString& AText) {
    static const QRegularExpression id(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$"));
    return id.match(AText).hasMatch();
}

bool IsLanguageCode(const QString& AText) {
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}$"));
    return code.match(AText).hasMatch();
}

// The header's language codes after "id;density;source"; empty when the header is
// not one.
QStringList LanguageCodes(const QString& AHeader) {
    const QStringList fields = AHeader.split(FieldSeparator);
    if (fields.size() < HeaderStart.size() || fields.mid(0, HeaderStart.size()) != HeaderStart)
        return {};
    const QStringList codes = fields.mid(3);
    if (QSet<QString>(codes.cbegin(), codes.cend()).size() != codes.size() ||
        !std::all_of(codes.cbegin(), codes.cend(), IsLanguageCode))
        return {};
    return codes;
}

// One material line; false when it is damaged.
bool ParseMaterialLine(const QString& ALine, const QStringList& ACodes,
                       TShippedMaterial& AMaterial) {
    const QStringList fields = ALine.split(FieldSeparator);
    if (fields.size() < 4 || fields.size() > 3 + ACodes.size())
        return false;
    AMaterial.Id = fields.at(0).trimmed();
    AMaterial.DensityText = fields.at(1).trimmed();
    AMaterial.Source = fields.at(2).trimmed();
    for (int i = 3; i < fields.size(); ++i) {
        const QString name = fields.at(i).trimmed();
        if (!name.isEmpty())
            AMaterial.Names.insert(ACodes.at(i - 3), name);
    }
    return IsMaterialId(AMaterial.Id) &&
           ReadDensity(AMaterial.DensityText, QLatin1Char('.'), AMaterial.Density) &&
           !AMaterial.Source.isEmpty() && AMaterial.Names.contains(English);
}

// Each file's trouble is told once a run.
QSet<QString>& ReportedFiles() {
    static QSet<QString> reported;
    return reported;
}

QString ReportText(const QString& APath, TMaterialFile AState, int ALine) {
    const QString section = QStringLiteral("Materials");
    QString text = LanguageText(section, AState == mfDamaged ? QStringLiteral("sFileDamaged")
                                                             : QStringLiteral("sFileUnreadable")) +
                   QStringLiteral(":\r\n\r\n") + QDir::toNativeSeparators(APath);
    if (AState == mfDamaged && ALine > 0)
        text += QStringLiteral(" (") + LanguageText(section, QStringLiteral("sLine")) +
                QLatin1Char(' ') + QString::number(ALine) + QLatin1Char(')');
    return text;
}

// The user's form of a density written with a point.
QString UserDensityText(const QString& APointText) {
    QString text = APointText;
    text.replace(QLatin1Char('.'), LocaleDecimalSeparator());
    return text;
}

// A value name's number; names that are not numbers come after all numbers.
qulonglong ValueNumber(const QString& AName) {
    bool ok = false;
    const qulonglong number = AName.toULongLong(&ok);
    return ok ? number : ~qulonglong(0);
}

} // namespace

QString TShippedMaterial::Name(const QString& ACode) const {
    const QString name = Names.value(ACode.toLower());
    return name.isEmpty() ? Names.value(English) : name;
}

TMaterialFile ParseMaterials(const QByteArray& ABytes, QList<TShippedMaterial>& AMaterials,
                             int* ALine) {
    auto damaged = [ALine](int ALineNumber) {
        if (ALine)
            *ALine = ALineNumber;
        return mfDamaged;
    };
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(ABytes);
    if (decoder.hasError())
        return damaged(0);
    QStringList codes;
    QList<TShippedMaterial> materials;
    QSet<QString> ids;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i).trimmed();
        if (i == 0 && line.startsWith(QChar(0xFEFF)))
            line = line.mid(1).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (codes.isEmpty()) {
            codes = LanguageCodes(line);
            if (codes.isEmpty())
                return damaged(i + 1);
            continue;
        }
        TShippedMaterial material;
        if (!ParseMaterialLine(line, codes, material) || ids.contains(material.Id))
            return damaged(i + 1);
        ids.insert(material.Id);
        materials.append(material);
    }
    if (materials.isEmpty())
        return damaged(0);
    AMaterials = materials;
    if (ALine)
        *ALine = 0;
    return mfRead;
}

TMaterialFile ReadMaterialFile(const QString& APath, QList<TShippedMaterial>& AMaterials,
                               int* ALine) {
    QByteArray bytes;
    if (APath.startsWith(QLatin1Char(':'))) {
        QFile resource(APath);
        if (!resource.open(QIODevice::ReadOnly))
            return mfUnreadable;
        bytes = resource.readAll();
    } else if (ReadRegularFile(APath, MaxFileSize, bytes) != TLanguageFile::TReadError::None) {
        return mfUnreadable;
    }
    return ParseMaterials(bytes, AMaterials, ALine);
}

const QList<TShippedMaterial>& BuiltInMaterials() {
    static const QList<TShippedMaterial> materials = [] {
        InitMaterialResources();
        QList<TShippedMaterial> list;
        // The tests check the shipped file; a build without it has no list to offer.
        ReadMaterialFile(BuiltInPath, list);
        return list;
    }();
    return materials;
}

QString MaterialFilePath() {
    return ProgramDataPath(QStringLiteral("Languages/Materials.csv"));
}

QList<TShippedMaterial> ShippedMaterials(const QString& APath, const TMaterialReport& AReport) {
    const QString path = APath.isEmpty() ? MaterialFilePath() : APath;
    QList<TShippedMaterial> materials;
    int line = 0;
    const TMaterialFile state = ReadMaterialFile(path, materials, &line);
    if (state == mfRead)
        return materials;
    if (!ReportedFiles().contains(path)) {
        ReportedFiles().insert(path);
        const QString text = ReportText(path, state, line);
        if (AReport)
            AReport(text);
        else
            ShowErrorMessage(text);
    }
    return BuiltInMaterials();
}

QList<TMaterial> MaterialList(const QList<TShippedMaterial>& AShipped,
                              const QString& ALanguageCode) {
    QList<TMaterial> list;
    const TSettingsStore store(SettingsKeys::Settings);

    TMaterial custom;
    custom.Kind = mkCustom;
    custom.Key = MaterialKeys::Custom;
    custom.Name = LanguageText(QStringLiteral("Materials"), QStringLiteral("sCustom"));
    // Stored as the settings dialog takes it: in the user's form.
    custom.DensityText =
        store.ReadString(QString(), SettingNames::PresetDensity, QString()).trimmed();
    custom.HasDensity = ReadDensity(custom.DensityText, LocaleDecimalSeparator(), custom.Density);
    list.append(custom);

    for (const TOwnMaterial& own : ReadOwnMaterials(store)) {
        TMaterial material;
        material.Kind = mkOwn;
        material.Key = MaterialKeys::OwnPrefix + own.ValueName;
        material.Name = own.Name;
        material.HasDensity = true;
        material.Density = own.Density;
        material.DensityText = UserDensityText(own.DensityText);
        list.append(material);
    }
    for (const TShippedMaterial& shipped : AShipped) {
        TMaterial material;
        material.Kind = mkShipped;
        material.Key = shipped.Id;
        material.Name = shipped.Name(ALanguageCode);
        material.HasDensity = true;
        material.Density = shipped.Density;
        material.DensityText = UserDensityText(shipped.DensityText);
        list.append(material);
    }
    return list;
}

int FindMaterial(const QList<TMaterial>& AMaterials, const QString& AText) {
    const QString text = AText.trimmed();
    if (text.isEmpty())
        return -1;
    for (int i = 0; i < AMaterials.size(); ++i)
        if (AMaterials.at(i).Key.compare(text, Qt::CaseInsensitive) == 0)
            return i;
    for (int i = 0; i < AMaterials.size(); ++i)
        if (AMaterials.at(i).Name.compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString MaterialText(const TMaterial& AMaterial) {
    if (!AMaterial.HasDensity)
        return AMaterial.Name;
    return AMaterial.Name + QStringLiteral(", ") + AMaterial.DensityText + QStringLiteral(" kg/m³");
}

QString ActiveLanguageCode() {
    if (!Languages)
        return English;
    const QStringList& ids = Languages->List();
    for (int i = 0; i < ids.size(); ++i)
        if (ids.at(i).compare(Languages->ActiveLanguage(), Qt::CaseInsensitive) == 0) {
            const QString code = Languages->ListAbbr().value(i).trimmed().toLower();
            return code.isEmpty() ? English : code;
        }
    return English;
}

QString ChosenMaterialKey() {
    const TSettingsStore store(SettingsKeys::Settings);
    const QString key = store.ReadString(QString(), SettingNames::Material, QString()).trimmed();
    return key.isEmpty() ? MaterialKeys::Custom : key;
}

void SetChosenMaterialKey(const QString& AKey) {
    TSettingsStore store(SettingsKeys::Settings);
    store.WriteString(QString(), SettingNames::Material, AKey);
}

bool ReadDensity(const QString& AText, QChar ASeparator, Extended& ADensity) {
    Extended density = 0;
    if (!TryTextToExtended(AText, density, ASeparator) || !std::isfinite(density) || density <= 0)
        return false;
    ADensity = density;
    return true;
}

QList<TOwnMaterial> ReadOwnMaterials(const TSettingsStore& AStore) {
    const QString& section = SettingsKeys::OwnMaterialsSection;
    QStringList names = AStore.ValueNames(section);
    std::sort(names.begin(), names.end(), [](const QString& A, const QString& B) {
        const qulonglong a = ValueNumber(A);
        const qulonglong b = ValueNumber(B);
        return a != b ? a < b : A < B;
    });
    QList<TOwnMaterial> materials;
    for (const QString& valueName : names) {
        const QString text = AStore.ReadString(section, valueName, QString());
        const qsizetype split = text.indexOf(FieldSeparator);
        TOwnMaterial material;
        material.ValueName = valueName;
        material.DensityText = text.left(split).trimmed();
        material.Name = text.mid(split + 1).trimmed();
        if (split > 0 && !material.Name.isEmpty() &&
            ReadDensity(material.DensityText, QLatin1Char('.'), material.Density))
            materials.append(material);
    }
    return materials;
}

QString AddOwnMaterial(TSettingsStore& AStore, const QString& AName, const QString& ADensityText) {
    qulonglong highest = 0;
    for (const QString& valueName : AStore.ValueNames(SettingsKeys::OwnMaterialsSection)) {
        const qulonglong number = ValueNumber(valueName);
        if (number != ~qulonglong(0))
            highest = std::max(highest, number);
    }
    const QString valueName = QString::number(highest + 1);
    WriteOwnMaterial(AStore, valueName, AName, ADensityText);
    return valueName;
}

void WriteOwnMaterial(TSettingsStore& AStore, const QString& AValueName, const QString& AName,
                      const QString& ADensityText) {
    AStore.WriteString(SettingsKeys::OwnMaterialsSection, AValueName,
                       ADensityText.trimmed() + FieldSeparator + AName.trimmed());
}

void RemoveOwnMaterial(TSettingsStore& AStore, const QString& AValueName) {
    AStore.DeleteValue(SettingsKeys::OwnMaterialsSection, AValueName);
}
