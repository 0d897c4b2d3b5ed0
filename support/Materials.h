// Materials a mass is computed with: the list shipped beside the language files
// (Languages/Materials.csv, built into the program as well), the user's own
// materials kept in the settings, and "Custom", the preset density of the
// settings dialog. Densities are in kg/m³.
//
//     const QList<TMaterial> materials = MaterialList(ShippedMaterials(), ActiveLanguageCode());
//     const int chosen = FindMaterial(materials, ChosenMaterialKey());
//     MaterialText(materials.at(chosen)); // "Steel, 7850 kg/m³"
//
// A shipped file that is missing, unreadable or damaged is reported once a run
// (naming the file) and the built-in list stands in for it.
#pragma once

#include "MathFunctions.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

class TSettingsStore;

// One material of the shipped list.
struct TShippedMaterial {
    QString Id;          // lower-case letters, digits and "-": "stainless-steel"
    QString DensityText; // as written in the file, with a point
    Extended Density = 0;
    QString Source;                // where the density comes from
    QHash<QString, QString> Names; // by language code ("en", "cs")

    // The name in the language ACode, else the English one.
    QString Name(const QString& ACode) const;
};

// How a materials file was read.
enum TMaterialFile : std::uint8_t {
    mfRead,
    mfUnreadable, // missing, not a regular file, too large, or an I/O error
    mfDamaged     // read, but not a list of materials; the line at fault is told
};

// The materials of a file's bytes. A file is damaged when it is not UTF-8, its
// header line is not "id;density;source;en" followed by language codes, or a
// material line has more fields than the header, an id that is not one word of
// lower-case letters, digits and "-" or is used twice, a density that is not a
// finite number above zero written with a point, no source or no English name;
// and when it lists no material. AMaterials is only written on mfRead; ALine
// gets the damaged line's number (from 1), or 0 when the whole file is at fault.
TMaterialFile ParseMaterials(const QByteArray& ABytes, QList<TShippedMaterial>& AMaterials,
                             int* ALine = nullptr);
TMaterialFile ReadMaterialFile(const QString& APath, QList<TShippedMaterial>& AMaterials,
                               int* ALine = nullptr);

// The list the program was built with.
const QList<TShippedMaterial>& BuiltInMaterials();

// The shipped file: Languages/Materials.csv beside the executable, or in the
// installed data folder (ProgramDataPath).
QString MaterialFilePath();

// Tells the user that a materials file could not be used; the default shows an
// error box in the active language.
using TMaterialReport = std::function<void(const QString& AMessage)>;

// The materials of APath (empty: MaterialFilePath()). When the file cannot be
// used, AReport hears of it the first time in a run for that file, with the file's
// name (and the line at fault), and the built-in list is returned.
QList<TShippedMaterial> ShippedMaterials(const QString& APath = QString(),
                                         const TMaterialReport& AReport = {});

// --- The materials offered --------------------------------------------------------

enum TMaterialKind : std::uint8_t {
    mkCustom, // the preset density of the settings
    mkOwn,    // the user's own, in the settings
    mkShipped
};

// The keys the settings keep a chosen material by.
namespace MaterialKeys {
inline const QString Custom = QStringLiteral("custom");
// An own material's key: this prefix and its value's name in the settings.
inline const QString OwnPrefix = QStringLiteral("own:");
} // namespace MaterialKeys

struct TMaterial {
    TMaterialKind Kind = mkCustom;
    QString Key;  // MaterialKeys::Custom, "own:" + value name, or the shipped id
    QString Name; // in the language asked for; an own material's as typed
    // Custom has none while the preset density is not a finite number above zero.
    bool HasDensity = false;
    Extended Density = 0;
    QString DensityText; // in the user's form (their decimal separator)
};

// "Custom", then the own materials in the order they were added, then the shipped
// list in its order; names in ALanguageCode.
QList<TMaterial> MaterialList(const QList<TShippedMaterial>& AShipped,
                              const QString& ALanguageCode);

// The index of the material whose key, or name, is AText (any letter case); -1
// when none is.
int FindMaterial(const QList<TMaterial>& AMaterials, const QString& AText);

// "Steel, 7850 kg/m³"; a material without a density is its name alone.
QString MaterialText(const TMaterial& AMaterial);

// The code of the active language file ("en", "cs"); "en" without one.
QString ActiveLanguageCode();

// The chosen material's key (SettingNames::Material); Custom when none is stored.
QString ChosenMaterialKey();
void SetChosenMaterialKey(const QString& AKey);

// Whether AText, written with ASeparator, is a density: a finite number above zero.
bool ReadDensity(const QString& AText, QChar ASeparator, Extended& ADensity);

// --- Own materials in the settings -------------------------------------------------

// One own material as stored: SettingsKeys::OwnMaterialsSection, value ValueName,
// text "density;name" with the density written with a point.
struct TOwnMaterial {
    QString ValueName;
    QString Name;
    QString DensityText; // with a point
    Extended Density = 0;
};

// The readable own materials, in the order they were added. A value that is not
// one (edited by hand) is skipped here and never written or removed.
QList<TOwnMaterial> ReadOwnMaterials(const TSettingsStore& AStore);
// Stores a new material under a name no value has had yet (one more than the
// highest number in use); returns that name. ADensityText is written with a point.
QString AddOwnMaterial(TSettingsStore& AStore, const QString& AName, const QString& ADensityText);
// Rewrites one material; the others stay as they are.
void WriteOwnMaterial(TSettingsStore& AStore, const QString& AValueName, const QString& AName,
                      const QString& ADensityText);
void RemoveOwnMaterial(TSettingsStore& AStore, const QString& AValueName);
