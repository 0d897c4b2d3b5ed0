#include "CommandLine.h"

#include "DipChart.h"
#include "FigureDrawing.h"
#include "FigureReport.h"
#include "LanguageSupport.h"
#include "LevelTable.h"
#include "Materials.h"
#include "NumberFormat.h"
#include "NumberParsing.h"
#include "PageTexts.h"
#include "Settings.h"
#include "SolveItems.h"
#include "SolveTexts.h"
#include "Solver.h"
#include "Units.h"
#include "Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QStringList>
#include <QTextStream>

#include <algorithm>

#include <cstdio>
#include <cstring>
#include <exception>
#include <map>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

constexpr const char* Section = "CommandLine";
// The messages of lengths with units and of materials.
constexpr const char* UnitsSection = "CommandLineUnits";
// The messages of the options that write drawings and dip charts.
constexpr const char* OutputSection = "CommandLineOutput";
// The texts that point a user from a wrong argument to the right one.
constexpr const char* HintSection = "CommandLineHints";

QString Text(const char* AKey, const char* ASection = Section) {
    return LanguageText(QLatin1String(ASection), QLatin1String(AKey));
}

QString HintText(const char* AKey) {
    return LanguageText(QLatin1String(HintSection), QLatin1String(AKey));
}

// "what (hint)": the wrong argument, then where the right one is found.
QString WithHint(const QString& AWhat, const QString& AHint) {
    return AWhat + QStringLiteral(" (") + AHint + QLatin1Char(')');
}

// How many arguments from AArgument on are one of Qt's own options for the
// windows ("-platform offscreen", "-reverse", "-style=fusion"); 0 for any other.
// Qt reads them with one dash or two.
int QtOptionLength(const QString& AArgument) {
    static const QStringList WithValue = {
        QStringLiteral("-platform"),        QStringLiteral("-platformpluginpath"),
        QStringLiteral("-platformtheme"),   QStringLiteral("-plugin"),
        QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowicon"),
        QStringLiteral("-qwindowtitle"),    QStringLiteral("-session"),
        QStringLiteral("-display"),         QStringLiteral("-geometry"),
        QStringLiteral("-style"),           QStringLiteral("-stylesheet")};
    static const QStringList Alone = {QStringLiteral("-reverse"), QStringLiteral("-widgetcount"),
                                      QStringLiteral("-nograb"), QStringLiteral("-dograb"),
                                      QStringLiteral("-sync")};
    static const QStringList Joined = {QStringLiteral("-style="), QStringLiteral("-stylesheet="),
                                       QStringLiteral("-qmljsdebugger="),
                                       QStringLiteral("-dialogs="), QStringLiteral("-fontengine=")};
    QString option = AArgument;
    if (option.startsWith(QLatin1String("--")))
        option.remove(0, 1);
    if (WithValue.contains(option))
        return 2;
    if (Alone.contains(option))
        return 1;
    for (const QString& prefix : Joined)
        if (option.startsWith(prefix))
            return 1;
    return 0;
}

// The number of single-character edits (insertions, deletions, substitutions and
// swaps of neighbours) that turn one name into the other.
int EditDistance(const QString& AFrom, const QString& ATo) {
    const qsizetype rows = AFrom.size() + 1, columns = ATo.size() + 1;
    std::vector<int> table(std::size_t(rows * columns));
    const auto at = [&table, columns](qsizetype i, qsizetype j) -> int& {
        return table[std::size_t(i * columns + j)];
    };
    for (qsizetype i = 0; i < rows; ++i)
        at(i, 0) = int(i);
    for (qsizetype j = 0; j < columns; ++j)
        at(0, j) = int(j);
    for (qsizetype i = 1; i < rows; ++i)
        for (qsizetype j = 1; j < columns; ++j) {
            const int cost = AFrom.at(i - 1) == ATo.at(j - 1) ? 0 : 1;
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + cost});
            if (i > 1 && j > 1 && AFrom.at(i - 1) == ATo.at(j - 2) &&
                AFrom.at(i - 2) == ATo.at(j - 1))
                at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
        }
    return at(rows - 1, columns - 1);
}

constexpr qsizetype MaxMisspeltName = 40;

// What "Unknown solid" adds: the solid whose name is closest, when it is close
// enough to be a slip of the keyboard, and where every name is listed.
QString UnknownSolidHint(const QString& AName) {
    // A long text is no slip of the keyboard (and would make a large table).
    if (AName.size() > MaxMisspeltName)
        return HintText("sSeeList");
    QString nearest;
    int distance = 0;
    for (int p = 0; p < PageCount; ++p) {
        const QString name = CommandLineSolidName(TPage(p));
        const int edits = EditDistance(AName.toLower(), name);
        if (nearest.isEmpty() || edits < distance) {
            nearest = name;
            distance = edits;
        }
    }
    const QString list = HintText("sSeeList");
    if (distance > 2 || distance * 3 > nearest.size())
        return list;
    return HintText("sDidYouMean") + QLatin1Char(' ') + nearest + QStringLiteral("? ") + list;
}

// What "Unknown entry" adds on a page with variants: the variants that have an
// entry of that name.
QString UnknownEntryHint(TPage APage, const QString& AName) {
    QStringList variants;
    for (TVariant variant : PageDesc(APage).Variants)
        for (const TCommandLineEntry& entry : CommandLineEntries(variant))
            if (entry.Name == AName && !CommandLineVariantName(variant).isEmpty() &&
                !variants.contains(CommandLineVariantName(variant)))
                variants << CommandLineVariantName(variant);
    if (variants.isEmpty())
        return QString();
    return HintText("sEntryOfVariant") + QLatin1Char(' ') + variants.join(QStringLiteral(", "));
}

// Whether an entry's text that does not read as its value is a number all the
// same, one of zero or below.
bool IsNumberNotAboveZero(TEntryKind AKind, QString AText) {
    if (AKind == ekRadius && AText.startsWith(QLatin1Char('*')))
        AText.remove(0, 1);
    Extended value = 0;
    return AKind != ekCount && TryTextToExtended(AText, value) && value <= 0;
}

// A language text as a terminal shows it: line breaks without carriage returns.
QString TerminalText(QString AText) {
    return AText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QTextStream& Out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& Err() {
    static QTextStream stream(stderr);
    return stream;
}

// A wrong argument: the message names what is wrong; the exit status is 2.
struct TArgumentError {
    QString Message;
};

[[noreturn]] void Fail(const char* AKey, const QString& AWhat = QString(),
                       const char* ASection = Section) {
    QString message = Text(AKey, ASection);
    if (!AWhat.isEmpty())
        message += QStringLiteral(": ") + AWhat;
    throw TArgumentError{message};
}

TVariant FindVariant(TPage APage, const QString& AName) {
    for (TVariant variant : PageDesc(APage).Variants)
        if (!CommandLineVariantName(variant).isEmpty() && CommandLineVariantName(variant) == AName)
            return variant;
    return VariantCount;
}

QStringList VariantNames(TPage APage) {
    QStringList names;
    for (TVariant variant : PageDesc(APage).Variants)
        if (!CommandLineVariantName(variant).isEmpty())
            names << CommandLineVariantName(variant);
    return names;
}

// The size of a drawing written by --draw, in logical pixels (a PNG has twice as many).
const QSize DrawingFileSize(800, 600);

// What the options choose.
struct TOptions {
    bool Calc = false, List = false, Help = false, Json = false;
    std::optional<bool> Semilogarithmic;
    std::optional<int> Precision;
    std::optional<Extended> Density;
    std::optional<TDecimalNumber> DensityTyped;
    std::optional<TLengthUnit> Length;
    std::optional<TAreaUnit> Area;
    std::optional<TVolumeUnit> Volume;
    std::optional<TMassUnit> Mass;
    QString Material;
    QString Drawing;                 // --draw FILE
    std::optional<Extended> DipStep; // --dip-chart STEP
    QString DipChartPdf;             // --pdf FILE
    QStringList Positional;          // after --calc: solid, variant, entries
};

// The unit an option names; an unknown one fails with the known ones' ids.
template <class TUnit>
TUnit UnitOption(const QStringList& AArguments, int AIndex, const QString& AKnown) {
    TUnit unit{};
    if (AIndex >= AArguments.size() || !FindUnit(AArguments.at(AIndex), unit))
        Fail("sUnknownUnit",
             AArguments.value(AIndex) + QStringLiteral(" (") + AKnown + QLatin1Char(')'),
             UnitsSection);
    return unit;
}

// The options that write a file: a paint device, and with it an application
// object with fonts.
constexpr const char* FileOptions[] = {"--draw", "--pdf"};
// The options that only go with --calc.
constexpr const char* CalcOptions[] = {"--draw", "--dip-chart", "--pdf"};

// The file name that follows the option at AIndex.
QString FileArgument(const QStringList& AArguments, int AIndex) {
    const QString name = AArguments.value(AIndex + 1);
    if (name.isEmpty() || name.startsWith(QLatin1String("--")))
        Fail("sMissingFileName", AArguments.at(AIndex), OutputSection);
    return name;
}

TOptions ReadOptions(const QStringList& AArguments) {
    TOptions options;
    for (int i = 0; i < AArguments.size(); ++i) {
        const QString& argument = AArguments.at(i);
        // Qt's own options are the window's, and leave a calculation as it is.
        if (const int length = QtOptionLength(argument)) {
            i += length - 1;
            continue;
        }
        if (!argument.startsWith(QLatin1String("--")) && argument != QLatin1String("-h")) {
            options.Positional << argument;
            continue;
        }
        if (argument == QLatin1String("--calc")) {
            options.Calc = true;
        } else if (argument == QLatin1String("--list")) {
            options.List = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.Help = true;
        } else if (argument == QLatin1String("--json")) {
            options.Json = true;
        } else if (argument == QLatin1String("--semilog")) {
            options.Semilogarithmic = true;
        } else if (argument == QLatin1String("--basic")) {
            options.Semilogarithmic = false;
        } else if (argument == QLatin1String("--precision")) {
            long long precision = -1;
            if (i + 1 >= AArguments.size() || !TryTextToInteger(AArguments.at(i + 1), precision) ||
                precision < 0 || precision > MaxPrecision)
                Fail("sBadPrecision", AArguments.value(i + 1));
            options.Precision = int(precision);
            ++i;
        } else if (argument == QLatin1String("--density")) {
            Extended density = 0;
            if (i + 1 >= AArguments.size() || !TryTextToExtended(AArguments.at(i + 1), density) ||
                !std::isfinite(density) || density <= 0)
                Fail("sBadDensity", AArguments.value(i + 1));
            options.Density = density;
            options.DensityTyped = TypedNumber(ekNumber, AArguments.at(i + 1));
            ++i;
        } else if (argument == QLatin1String("--unit")) {
            options.Length = UnitOption<TLengthUnit>(AArguments, ++i, LengthUnitIds());
        } else if (argument == QLatin1String("--area-unit")) {
            options.Area = UnitOption<TAreaUnit>(AArguments, ++i, AreaUnitIds());
        } else if (argument == QLatin1String("--volume-unit")) {
            options.Volume = UnitOption<TVolumeUnit>(AArguments, ++i, VolumeUnitIds());
        } else if (argument == QLatin1String("--mass-unit")) {
            options.Mass = UnitOption<TMassUnit>(AArguments, ++i, MassUnitIds());
        } else if (argument == QLatin1String("--material")) {
            if (i + 1 >= AArguments.size() || AArguments.at(i + 1).trimmed().isEmpty())
                Fail("sUnknownMaterial", QString(), UnitsSection);
            options.Material = AArguments.at(++i);
        } else if (argument == QLatin1String("--draw")) {
            options.Drawing = FileArgument(AArguments, i);
            // Refused before anything is calculated or written.
            if (DrawingFormatOf(options.Drawing) == dfNone)
                throw TArgumentError{
                    DrawingText("sUnknownFormat").arg(QDir::toNativeSeparators(options.Drawing))};
            ++i;
        } else if (argument == QLatin1String("--dip-chart")) {
            Extended step = 0;
            if (i + 1 >= AArguments.size() || !TryTextToExtended(AArguments.at(i + 1), step) ||
                !std::isfinite(step) || step <= 0)
                Fail("sBadStep", AArguments.value(i + 1), OutputSection);
            options.DipStep = step;
            ++i;
        } else if (argument == QLatin1String("--pdf")) {
            options.DipChartPdf = FileArgument(AArguments, i);
            ++i;
        } else {
            Fail("sUnknownOption", WithHint(argument, HintText("sSeeHelp")));
        }
    }
    if (!options.Calc && !options.Positional.isEmpty())
        Fail("sUnknownOption", WithHint(options.Positional.first(), HintText("sSeeHelp")));
    if (!options.Calc &&
        (!options.Drawing.isEmpty() || options.DipStep || !options.DipChartPdf.isEmpty())) {
        for (const char* option : CalcOptions)
            if (AArguments.contains(QLatin1String(option)))
                Fail("sOnlyWithCalc", QLatin1String(option), OutputSection);
    }
    if (!options.DipChartPdf.isEmpty() && !options.DipStep)
        Fail("sPdfWithoutDipChart", QStringLiteral("--pdf"), OutputSection);
    // The table as CSV takes the standard output for itself.
    if (options.DipStep && options.DipChartPdf.isEmpty() && options.Json)
        Fail("sExcludeEachOther", QStringLiteral("--json, --dip-chart"), OutputSection);
    return options;
}

// The materials file as the command line reads it: a file it cannot use is told
// on standard error, and the built-in list stands in.
QList<TShippedMaterial> CommandLineMaterials() {
    return ShippedMaterials(QString(), [](const QString& AMessage) {
        Err() << "Kavorin: " << TerminalText(AMessage).simplified() << '\n';
    });
}

// A length as given: its value in Unit (inches for feet and inches), luNone for a
// bare number; a radius's diameter already halved.
struct TGivenLength {
    QString What; // NAME=VALUE, for the messages
    Extended Value = 0;
    TLengthUnit Unit = luNone;
};

// The length ids a number may carry.
QString LengthSuffixes() {
    QStringList ids;
    for (int i = 0; i < LengthUnitCount; ++i)
        if (TLengthUnit(i) != luNone && TLengthUnit(i) != luFeetAndInches)
            ids << UnitId(TLengthUnit(i));
    return ids.join(QStringLiteral(", "));
}

// Reads a length entry's text: a number as the entries take it ("*" before a
// radius's diameter), which may carry its unit ("10cm", "2.5in", "6ft3.5in",
// "6' 3.5""); a bare number is in ALength, feet where that is feet and inches.
TGivenLength ReadLength(TEntryKind AKind, const QString& AText, const QString& AWhat,
                        TLengthUnit ALength) {
    QString text = AText;
    const bool diameter = AKind == ekRadius && text.startsWith(QLatin1Char('*'));
    if (diameter)
        text.remove(0, 1);
    const QChar separator = LocaleDecimalSeparator();
    TGivenLength given;
    given.What = AWhat;
    TLength length;
    QString unknown;
    // An empty length, and one below zero, are refused as zero is.
    if (text.isEmpty())
        Fail("sNotPositive", AWhat);
    if (text.startsWith(QLatin1Char('-'))) {
        TLength magnitude;
        if (TryTextToExtended(text.mid(1), magnitude.Value) ||
            ParseLength(text.mid(1), separator, magnitude) == lpOk)
            Fail("sNotPositive", AWhat);
    }
    if (TryTextToExtended(text, length.Value)) {
        length.Unit = luNone;
    } else {
        switch (ParseLength(text, separator, length, &unknown)) {
        case lpOk:
            break;
        case lpUnknownUnit:
            Fail("sUnknownUnit", AWhat + QStringLiteral(" (") + LengthSuffixes() + QLatin1Char(')'),
                 UnitsSection);
        case lpNotANumber:
            Fail("sNotANumber", AWhat);
        }
    }
    if (length.Unit == luNone && ALength == luFeetAndInches) {
        if (!ParseFeetAndInches(text, separator, length.Value))
            Fail("sNotANumber", AWhat);
        length.Unit = luFeetAndInches;
    }
    if (!std::isfinite(length.Value) || length.Value < 0)
        Fail("sNotANumber", AWhat);
    if (length.Value == 0)
        Fail("sNotPositive", AWhat);
    given.Value = diameter ? length.Value / 2 : length.Value;
    given.Unit = length.Unit;
    return given;
}

// Whether a length in A is shorter than one in B (feet and inches count as inches).
bool IsSmaller(TLengthUnit A, TLengthUnit B) {
    return Convert(1, LengthFactor(A, B)) < 1;
}

// The density of the mass: --density, else --material, else the settings' (the
// preset density while lengths are bare, else the chosen material).
TPresetDensity MassDensityOf(const TOptions& AOptions, TLengthUnit ALength) {
    TPresetDensity density;
    if (AOptions.Density) {
        density.Use = true;
        density.Value = *AOptions.Density;
        density.Typed = AOptions.DensityTyped;
        // With a unit the density is in kg/m³, and the mass row says so.
        if (ALength != luNone) {
            TMaterial given;
            given.Key = MaterialKeys::Custom;
            given.Name = LanguageText(QStringLiteral("Materials"), QStringLiteral("sCustom"));
            given.HasDensity = true;
            given.Density = density.Value;
            given.DensityText = GeneralText(density.Value);
            density.Material = given;
        }
        return density;
    }
    if (AOptions.Material.isEmpty())
        return ALength == luNone ? ReadPresetDensity()
                                 : MassDensity(ALength, MaterialList(CommandLineMaterials(),
                                                                     ActiveLanguageCode()));
    if (ALength == luNone)
        Fail("sMaterialNeedsUnit", AOptions.Material, UnitsSection);
    const QList<TMaterial> materials = MaterialList(CommandLineMaterials(), ActiveLanguageCode());
    const int index = FindMaterial(materials, AOptions.Material);
    if (index < 0) {
        QStringList keys;
        for (const TMaterial& material : materials)
            keys << material.Key;
        Fail("sUnknownMaterial",
             AOptions.Material + QStringLiteral(" (") + keys.join(QStringLiteral(", ")) +
                 QLatin1Char(')'),
             UnitsSection);
    }
    const TMaterial& material = materials.at(index);
    if (!material.HasDensity)
        Fail("sBadDensity", material.Name);
    density.Use = true;
    density.Value = material.Density;
    density.Material = material;
    return density;
}

void PrintHelp() {
    Out() << TerminalText(Text("sHelp")) << '\n';
}

void PrintList() {
    const auto column = [](const QString& AName, int AIndent) {
        return QString(AIndent, QLatin1Char(' ')) + AName.leftJustified(30 - AIndent) +
               QLatin1Char(' ');
    };
    const auto printEntries = [&](TVariant AVariant, int AIndent) {
        for (const TCommandLineEntry& entry : CommandLineEntries(AVariant)) {
            const TEntryPlace* place = PlaceOf(AVariant, entry.Entry);
            const QString caption =
                entry.Choice != enNone
                    ? ComposeText(place->Caption, LanguageText, &entry.ChoiceItem)
                    : ComposeText(place->Caption, LanguageText);
            Out() << column(entry.Name, AIndent) << caption << '\n';
        }
        // The quantities that may stand for entries, after them.
        for (const TSolveItem& item : SolveItems(AVariant))
            if (item.Kind != ikEntry && item.Kind != ikCount)
                Out() << column(QString::fromStdString(item.Id), AIndent)
                      << SolveItemName(AVariant, item.Id, LanguageText) << '\n';
    };
    for (int p = 0; p < PageCount; ++p) {
        const TPage page = TPage(p);
        const TPageDesc& desc = PageDesc(page);
        Out() << column(CommandLineSolidName(page), 0) << SolidName(page, LanguageText) << '\n';
        if (desc.Controls.empty()) {
            printEntries(desc.StartVariant, 4);
            continue;
        }
        for (TVariant variant : desc.Variants) {
            if (CommandLineVariantName(variant).isEmpty())
                continue;
            QString name = VariantName(variant, LanguageText);
            if (variant == desc.StartVariant)
                name += QStringLiteral(" (") + Text("sDefaultVariant") + QLatin1Char(')');
            Out() << column(CommandLineVariantName(variant), 2) << name << '\n';
            printEntries(variant, 4);
        }
    }
    // The units and the materials the options name, by their ids.
    const QString units = QStringLiteral("TFormUnits");
    Out() << '\n' << LanguageText(units, QStringLiteral("Caption")) << '\n';
    const struct {
        const char* Option;
        const char* Label;
        QString Ids;
    } kinds[] = {{"--unit", "LLengthUnit", LengthUnitIds()},
                 {"--area-unit", "LAreaUnit", AreaUnitIds()},
                 {"--volume-unit", "LVolumeUnit", VolumeUnitIds()},
                 {"--mass-unit", "LMassUnit", MassUnitIds()}};
    for (const auto& kind : kinds)
        Out() << column(QLatin1String(kind.Option), 2)
              << LanguageText(units, QLatin1String(kind.Label)) << ": " << kind.Ids << '\n';
    Out() << '\n'
          << LanguageText(QStringLiteral("TFormMaterials"), QStringLiteral("Caption")) << '\n';
    for (const TMaterial& material : MaterialList(CommandLineMaterials(), ActiveLanguageCode()))
        Out() << column(material.Key, 2) << MaterialText(material) << '\n';
}

// The list as JSON: every solid with its variants, each variant with its entries,
// under the names --calc takes and the texts the windows show.
void PrintListJson() {
    QJsonArray solids;
    for (int p = 0; p < PageCount; ++p) {
        const TPage page = TPage(p);
        const TPageDesc& desc = PageDesc(page);
        QJsonArray variants;
        for (TVariant variant : desc.Variants) {
            if (!desc.Controls.empty() && CommandLineVariantName(variant).isEmpty())
                continue;
            QJsonArray entries;
            for (const TCommandLineEntry& entry : CommandLineEntries(variant)) {
                const TEntryPlace* place = PlaceOf(variant, entry.Entry);
                QJsonObject item;
                item.insert(QStringLiteral("entry"), entry.Name);
                item.insert(QStringLiteral("name"),
                            entry.Choice != enNone
                                ? ComposeText(place->Caption, LanguageText, &entry.ChoiceItem)
                                : ComposeText(place->Caption, LanguageText));
                entries.append(item);
            }
            QJsonArray quantities;
            for (const TSolveItem& solveItem : SolveItems(variant)) {
                if (solveItem.Kind == ikEntry || solveItem.Kind == ikCount)
                    continue;
                QJsonObject quantity;
                quantity.insert(QStringLiteral("id"), QString::fromStdString(solveItem.Id));
                quantity.insert(QStringLiteral("name"),
                                SolveItemName(variant, solveItem.Id, LanguageText));
                quantities.append(quantity);
            }
            QJsonObject item;
            item.insert(QStringLiteral("quantities"), quantities);
            item.insert(QStringLiteral("variant"), CommandLineVariantName(variant));
            item.insert(QStringLiteral("variantName"), VariantName(variant, LanguageText));
            item.insert(QStringLiteral("default"), variant == desc.StartVariant);
            item.insert(QStringLiteral("entries"), entries);
            variants.append(item);
            if (desc.Controls.empty())
                break;
        }
        QJsonObject solid;
        solid.insert(QStringLiteral("solid"), CommandLineSolidName(page));
        solid.insert(QStringLiteral("name"), SolidName(page, LanguageText));
        solid.insert(QStringLiteral("variants"), variants);
        solids.append(solid);
    }
    // The ids the unit options take, and the materials --material takes.
    QJsonObject units;
    units.insert(QStringLiteral("length"),
                 QJsonArray::fromStringList(LengthUnitIds().split(QStringLiteral(", "))));
    units.insert(QStringLiteral("area"),
                 QJsonArray::fromStringList(AreaUnitIds().split(QStringLiteral(", "))));
    units.insert(QStringLiteral("volume"),
                 QJsonArray::fromStringList(VolumeUnitIds().split(QStringLiteral(", "))));
    units.insert(QStringLiteral("mass"),
                 QJsonArray::fromStringList(MassUnitIds().split(QStringLiteral(", "))));
    QJsonArray materials;
    for (const TMaterial& material : MaterialList(CommandLineMaterials(), ActiveLanguageCode())) {
        QJsonObject item;
        item.insert(QStringLiteral("material"), material.Key);
        item.insert(QStringLiteral("name"), material.Name);
        item.insert(QStringLiteral("density"), material.HasDensity
                                                   ? QJsonValue(double(material.Density))
                                                   : QJsonValue(QJsonValue::Null));
        materials.append(item);
    }
    QJsonObject root;
    root.insert(QStringLiteral("solids"), solids);
    root.insert(QStringLiteral("units"), units);
    root.insert(QStringLiteral("materials"), materials);
    Out() << QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

QJsonValue JsonNumber(const std::optional<Extended>& AValue) {
    if (!AValue || !std::isfinite(*AValue))
        return QJsonValue(QJsonValue::Null);
    return QJsonValue(double(*AValue));
}

// Qt's own notes (such as one about a missing runtime folder, which the offscreen
// platform writes) would add lines to the one line of an error: only what is
// critical passes.
QtMessageHandler QtMessages = nullptr;
void QuietQtMessages(QtMsgType AType, const QMessageLogContext& AContext, const QString& AText) {
    if ((AType == QtCriticalMsg || AType == QtFatalMsg) && QtMessages)
        QtMessages(AType, AContext, AText);
}

// Writes the drawing of AResult's figure, seen as the draft panel first shows it.
void WriteDrawing(const TSolidResult& AResult, const QString& AFileName) {
    TFigureDrawing drawing(AResult.Variant, AResult.Entries, AResult.Figure);
    drawing.SetLengthUnit(AResult.LengthUnit);
    QString error;
    if (!SaveDrawing(drawing, AFileName, DrawingFileSize, TViewAngles(), error))
        throw TArgumentError{error.simplified()};
}

// Writes the files the options ask for, of AResult's figure: the drawing, the dip
// chart as PDF; true when the dip chart's table went to the standard output, which
// is then the whole output. The chart's lengths are in AUnits.Length, as the entries.
bool WriteFiles(const TOptions& AOptions, const TSolidResult& AResult, const TNumberForm& AForm,
                const TUnitChoice& AUnits = {}) {
    if (!AOptions.Drawing.isEmpty())
        WriteDrawing(AResult, AOptions.Drawing);
    if (!AOptions.DipStep)
        return false;
    TDipChart chart;
    chart.Radius = AResult.Entries[enCylindricalTank_R];
    chart.Length = AResult.Entries[enCylindricalTank_D];
    chart.Level = AResult.Entries[enCylindricalTank_H];
    chart.Step = *AOptions.DipStep;
    chart.Form = AForm;
    chart.Units = AUnits;
    const QString problem = DipChartProblem(chart);
    if (!problem.isEmpty())
        throw TArgumentError{problem};
    if (AOptions.DipChartPdf.isEmpty()) {
        Out() << DipChartCsv(chart, TFormLevelTable::FieldSeparator(LocaleDecimalSeparator()));
        return true;
    }
    QString error;
    if (!SaveDipChartPdf(chart, AOptions.DipChartPdf, DefaultDipChartPageSize(), error))
        throw TArgumentError{error.simplified()};
    return false;
}

const TCommandLineEntry* FindEntry(const std::vector<TCommandLineEntry>& AEntries,
                                   const QString& AName) {
    for (const TCommandLineEntry& entry : AEntries)
        if (entry.Name == AName)
            return &entry;
    return nullptr;
}

// Reads an entry's text as its entry does; a text it does not take fails with a
// message that names the entry and its text.
void CheckEntryText(TVariant AVariant, TEntry AEntry, const QString& AName, const QString& AText,
                    Extended& AValue) {
    const TEntryPlace* place = PlaceOf(AVariant, AEntry);
    const QString what = AName + QLatin1Char('=') + AText;
    switch (ReadPlaceText(*place, AText, AValue)) {
    case erValid:
        return;
    case erEmpty:
        Fail("sNotPositive", what);
    case erUnreadable:
        // A number below zero is refused as zero is.
        if (IsNumberNotAboveZero(EntryDesc(AEntry).Kind, AText))
            Fail("sNotPositive", what);
        Fail(EntryDesc(AEntry).Kind == ekCount ? "sNotAWholeNumber" : "sNotANumber", what);
    case erTooFewSides:
        Fail("sInvalidFigure",
             ResultStateText(rsChyba_N) + QStringLiteral(" (") + what + QLatin1Char(')'));
    }
}

TNumberForm NumberForm(const TOptions& AOptions) {
    TNumberForm form = ReadNumberForm();
    if (AOptions.Precision)
        form.Precision = TPrecision(*AOptions.Precision);
    if (AOptions.Semilogarithmic)
        form.Semilogarithmic = *AOptions.Semilogarithmic;
    return form;
}

// One figure as JSON: the solid, the entries given by their names, every dimension
// (given or found) with its text and value, and every quantity.
QJsonObject FigureJson(const QString& ASolid, TVariant AVariant, const TFigureReport& AReport,
                       const TEntryTexts& ATexts, const std::map<int, QString>& AGiven,
                       const TNumberForm& AForm, const TEntryValues* AValues = nullptr) {
    QJsonObject root;
    root.insert(QStringLiteral("solid"), ASolid);
    root.insert(QStringLiteral("variant"), CommandLineVariantName(AVariant));
    root.insert(QStringLiteral("name"), AReport.Solid);
    root.insert(QStringLiteral("variantName"), AReport.VariantText);
    QJsonObject entryTexts;
    for (const auto& [entry, name] : AGiven)
        entryTexts.insert(name, ATexts[std::size_t(entry)]);
    root.insert(QStringLiteral("entries"), entryTexts);
    QJsonObject dimensions;
    for (const TCommandLineEntry& entry : CommandLineEntries(AVariant)) {
        // The name of a chosen side stands for its entry only where it was chosen.
        if (entry.Choice != enNone && ATexts[entry.Choice] != entry.ChoiceItem)
            continue;
        Extended value = 0;
        if (AValues)
            value = (*AValues)[entry.Entry];
        else if (ReadPlaceText(*PlaceOf(AVariant, entry.Entry), ATexts[entry.Entry], value) !=
                 erValid)
            continue;
        QJsonObject dimension;
        dimension.insert(QStringLiteral("text"), ATexts[entry.Entry]);
        dimension.insert(QStringLiteral("value"), JsonNumber(value));
        dimensions.insert(entry.Name, dimension);
    }
    root.insert(QStringLiteral("dimensions"), dimensions);
    root.insert(QStringLiteral("precision"), int(AForm.Precision));
    root.insert(QStringLiteral("semilogarithmic"), AForm.Semilogarithmic);
    QJsonArray quantities;
    for (const TReportLine& line : AReport.Quantities) {
        QJsonObject quantity;
        quantity.insert(QStringLiteral("id"), line.Id);
        quantity.insert(QStringLiteral("name"), line.Name);
        quantity.insert(QStringLiteral("value"), JsonNumber(line.Value));
        if (!line.Exact.isEmpty())
            quantity.insert(QStringLiteral("exact"), line.Exact);
        quantity.insert(QStringLiteral("text"), line.Text);
        quantity.insert(QStringLiteral("unit"),
                        line.Unit.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(line.Unit));
        quantities.append(quantity);
    }
    root.insert(QStringLiteral("quantities"), quantities);
    return root;
}

// The units: the settings', and the options over them.
TUnitChoice ChosenUnits(const TOptions& AOptions) {
    TUnitChoice units = ReadUnitChoice();
    if (AOptions.Length)
        units.Length = *AOptions.Length;
    if (AOptions.Area)
        units.Area = *AOptions.Area;
    if (AOptions.Volume)
        units.Volume = *AOptions.Volume;
    if (AOptions.Mass)
        units.Mass = *AOptions.Mass;
    return units;
}

// A quantity given to the solver: its number, and the unit it carried ("500l",
// "2.5 m2", "3kg"); without one it is in the chosen unit of its kind.
struct TGivenQuantity {
    QString What;
    std::string Id;
    bool Mass = false;
    TQuantityKind Kind = qkLength;
    Extended Value = 0;
    bool HasUnit = false;
    TLengthUnit Length = luNone;
    TAreaUnit Area = auNone;
    TVolumeUnit Volume = vuNone;
    TMassUnit MassUnit = muKilogram;
};

// Reads a quantity's text: a number, or a number followed by a unit of its kind.
TGivenQuantity ReadQuantity(const TSolveItem& AItem, const QString& AText, const QString& AWhat,
                            TLengthUnit ALength) {
    TGivenQuantity given;
    given.What = AWhat;
    given.Id = AItem.Id;
    given.Mass = AItem.Kind == ikMass;
    ItemQuantityKind(AItem, given.Kind);
    if (TryTextToExtended(AText, given.Value))
        return given;
    if (!given.Mass && given.Kind == qkLength) {
        const TGivenLength length = ReadLength(ekNumber, AText, AWhat, ALength);
        given.Value = length.Value;
        given.Length = length.Unit;
        given.HasUnit = length.Unit != luNone;
        return given;
    }
    // The number is the longest start that reads as one, the rest its unit.
    for (int split = AText.size() - 1; split > 0; --split) {
        const QString unit = AText.mid(split).trimmed();
        if (!TryTextToExtended(AText.left(split).trimmed(), given.Value))
            continue;
        bool found = false;
        if (given.Mass)
            found = FindUnit(unit, given.MassUnit);
        else if (given.Kind == qkArea)
            found = FindUnit(unit, given.Area) && given.Area != auNone;
        else if (given.Kind == qkVolume)
            found = FindUnit(unit, given.Volume) && given.Volume != vuNone;
        if (!found)
            Fail("sUnknownUnit",
                 AWhat + QStringLiteral(" (") +
                     (given.Mass             ? MassUnitIds()
                      : given.Kind == qkArea ? AreaUnitIds().mid(6)
                                             : VolumeUnitIds().mid(6)) +
                     QLatin1Char(')'),
                 UnitsSection);
        given.HasUnit = true;
        return given;
    }
    Fail("sNotANumber", AWhat);
}

// A quantity's number in the figure's units (AUnits' length unit): one given with a
// unit is in that unit, a bare number in AUnits' unit of its kind.
Extended QuantityInFigureUnits(const TGivenQuantity& AQuantity, const TUnitChoice& AUnits) {
    TUnitChoice typed = AUnits;
    if (AQuantity.HasUnit) {
        typed.Length = AQuantity.Length;
        typed.Area = AQuantity.Area;
        typed.Volume = AQuantity.Volume;
        typed.Mass = AQuantity.MassUnit;
    }
    return ::QuantityInFigureUnits(AQuantity.Value, AQuantity.Kind, AQuantity.Mass, typed,
                                   AUnits.Length);
}

// The entries and quantities given by name, the rest solved for: every figure that
// has them, or one line saying why there is none. Lengths and quantities may carry
// units; the figure is solved in the entries' length unit.
int SolveAndPrint(const TOptions& AOptions, const QString& ASolid, TVariant AVariant,
                  const QStringList& AArguments) {
    const std::vector<TSolveItem> items = SolveItems(AVariant);
    const std::vector<TCommandLineEntry> entries = CommandLineEntries(AVariant);
    const TNumberForm form = NumberForm(AOptions);
    TUnitChoice units = ChosenUnits(AOptions);
    TEntryTexts texts;
    std::map<int, QString> given;
    std::map<int, TGivenLength> lengths;
    std::vector<TGivenQuantity> quantities;
    TSolveRequest request;
    request.Variant = AVariant;
    request.Precision = form.Precision;
    for (const QString& argument : AArguments) {
        const int equal = argument.indexOf(QLatin1Char('='));
        if (equal <= 0)
            Fail("sNotAnEntry", argument);
        const QString name = argument.left(equal);
        const QString text = argument.mid(equal + 1);
        const int index = FindItem(items, name.toStdString());
        if (index < 0)
            Fail("sUnknownEntry", name);
        const TSolveItem& item = items[std::size_t(index)];
        Extended value = 0;
        if (item.Kind == ikEntry || item.Kind == ikCount) {
            const TCommandLineEntry* entry = FindEntry(entries, name);
            if (given.count(item.Entry))
                Fail(given[item.Entry] == name ? "sRepeatedEntry" : "sOnlyOneOf",
                     given[item.Entry] == name ? name
                                               : given[item.Entry] + QStringLiteral(", ") + name);
            const TEntryKind kind = EntryDesc(item.Entry).Kind;
            if (kind == ekNumber || kind == ekRadius)
                lengths[item.Entry] =
                    ReadLength(kind, text, name + QLatin1Char('=') + text, units.Length);
            else
                CheckEntryText(AVariant, item.Entry, name, text, value);
            given[item.Entry] = name;
            texts[item.Entry] = text;
            if (entry && entry->Choice != enNone)
                texts[entry->Choice] = entry->ChoiceItem;
            request.Known.push_back({item.Id, value});
        } else {
            for (const TGivenQuantity& known : quantities)
                if (known.Id == item.Id)
                    Fail("sRepeatedEntry", name);
            quantities.push_back(
                ReadQuantity(item, text, name + QLatin1Char('=') + text, units.Length));
        }
    }
    // Lengths with units and no unit chosen: the figure is solved in the smallest
    // of their units, as a figure of entries is calculated.
    if (units.Length == luNone) {
        const TGivenLength* bare = nullptr;
        for (const auto& [entry, length] : lengths) {
            if (length.Unit == luNone)
                bare = bare ? bare : &length;
            else if (units.Length == luNone || IsSmaller(length.Unit, units.Length))
                units.Length = length.Unit;
        }
        for (const TGivenQuantity& quantity : quantities)
            if (quantity.Length != luNone &&
                (units.Length == luNone || IsSmaller(quantity.Length, units.Length)))
                units.Length = quantity.Length;
        if (units.Length != luNone && bare)
            Fail("sMissingUnit", bare->What, UnitsSection);
        // An area, a volume or a mass with a unit needs a length unit to be in.
        for (const TGivenQuantity& quantity : quantities)
            if (units.Length == luNone && quantity.HasUnit)
                Fail("sMissingUnit", quantity.What, UnitsSection);
    }
    for (TKnownValue& known : request.Known)
        for (const auto& [entry, length] : lengths)
            if (items[std::size_t(FindItem(items, known.Id))].Entry == entry)
                known.Value = ConvertLength(
                    length.Value, length.Unit == luNone ? units.Length : length.Unit, units.Length);
    for (const TGivenQuantity& quantity : quantities)
        request.Known.push_back({quantity.Id, QuantityInFigureUnits(quantity, units)});
    const TPresetDensity density = MassDensityOf(AOptions, units.Length);
    if (density.Use)
        request.Density = density.Value;
    // The report writes the entries' unit after each length: a length given with
    // its own unit is shown as its number in the entries' unit.
    TEntryTexts shownTexts = texts;
    for (const auto& [entry, length] : lengths) {
        if (length.Unit == luNone)
            continue;
        const bool diameter = texts[std::size_t(entry)].startsWith(QLatin1Char('*'));
        const Extended value = ConvertLength(length.Value, length.Unit, units.Length);
        shownTexts[std::size_t(entry)] =
            diameter ? QLatin1Char('*') + GeneralText(2 * value) : GeneralText(value);
    }

    TSolveResult result;
    try {
        result = Solve(request);
    } catch (const std::exception& e) {
        Fail("sCalculationFailed", QString::fromLocal8Bit(e.what()).simplified());
    }
    if (result.Outcome != soSolved)
        throw TArgumentError{SolveOutcomeText(request, result, form, LanguageText, units)};
    // A drawing or a dip chart is of one figure: where several fit, the user picks one
    // by giving a dimension that tells them apart.
    if (!AOptions.Drawing.isEmpty() || AOptions.DipStep) {
        if (AOptions.DipStep && VariantDesc(AVariant).Page != pgCylindricalTank)
            Fail("sDipChartTankOnly", ASolid, OutputSection);
        if (result.Solutions.size() > 1)
            throw TArgumentError{SolveOutcomeText(request, result, form, LanguageText, units)};
        TSolidResult figure = CalculateSolid(AVariant, result.Solutions.front().Values, density);
        figure.LengthUnit = units.Length;
        if (WriteFiles(AOptions, figure, form))
            return 0;
    }

    QJsonArray solutions;
    int number = 0;
    for (const TSolution& solution : result.Solutions) {
        ++number;
        const TEntryTexts solved = SolutionTexts(AVariant, solution, texts);
        TSolidResult figure = CalculateSolid(AVariant, solution.Values, density);
        figure.LengthUnit = units.Length;
        const TFigureReport report = MakeFigureReport(
            figure, SolutionTexts(AVariant, solution, shownTexts), form, LanguageText, units);
        if (AOptions.Json) {
            solutions.append(
                FigureJson(ASolid, AVariant, report, solved, given, form, &solution.Values));
            continue;
        }
        if (result.Solutions.size() > 1) {
            if (number > 1)
                Out() << '\n';
            QString heading =
                LanguageText(QLatin1String(SolveSection), QStringLiteral("sFigureN")).arg(number);
            if (solution.Double)
                heading += QLatin1Char(' ') + LanguageText(QLatin1String(SolveSection),
                                                           QStringLiteral("sDoubleFigure"));
            Out() << heading << '\n';
        }
        for (const TReportLine& line : report.Entries)
            Out() << line.Name << ": " << line.Text << '\n';
        for (const TReportLine& line : report.Quantities)
            Out() << line.Name << ": " << line.Text << '\n';
    }
    if (AOptions.Json) {
        QJsonDocument document;
        if (solutions.size() == 1) {
            document.setObject(solutions.first().toObject());
        } else {
            QJsonObject root;
            root.insert(QStringLiteral("solutions"), solutions);
            document.setObject(root);
        }
        Out() << QString::fromUtf8(document.toJson(QJsonDocument::Indented));
    }
    return 0;
}

int Calculate(const TOptions& AOptions) {
    QStringList positional = AOptions.Positional;
    if (positional.isEmpty())
        Fail("sMissingSolid");
    const QString solid = positional.takeFirst();
    TPage page = PageCount;
    for (int p = 0; p < PageCount; ++p)
        if (CommandLineSolidName(TPage(p)) == solid)
            page = TPage(p);
    if (page == PageCount)
        Fail("sUnknownSolid", WithHint(solid, UnknownSolidHint(solid)));

    // The variant: named next, or the page's own when the page starts in one.
    TVariant variant = PageDesc(page).StartVariant;
    if (!positional.isEmpty() && !positional.first().contains(QLatin1Char('='))) {
        const QString name = positional.takeFirst();
        variant = FindVariant(page, name);
        if (variant == VariantCount) {
            if (VariantNames(page).isEmpty())
                Fail("sNotAnEntry", name);
            Fail("sUnknownVariant", name + QStringLiteral(" (") +
                                        VariantNames(page).join(QStringLiteral(", ")) +
                                        QLatin1Char(')'));
        }
    }
    if (VariantDesc(variant).Entries.empty())
        Fail("sMissingVariant", VariantNames(page).join(QStringLiteral(", ")));

    const std::vector<TCommandLineEntry> entries = CommandLineEntries(variant);
    // A quantity where an entry's name stands: the remaining entries are solved for.
    const std::vector<TSolveItem> items = SolveItems(variant);
    for (const QString& argument : positional) {
        const QString name = argument.left(argument.indexOf(QLatin1Char('=')));
        const int item = FindItem(items, name.toStdString());
        if (item >= 0 && items[std::size_t(item)].Kind != ikEntry &&
            items[std::size_t(item)].Kind != ikCount)
            return SolveAndPrint(AOptions, solid, variant, positional);
    }
    TEntryTexts texts;
    std::map<int, QString> given; // by entry: the name that gave it
    for (const QString& argument : positional) {
        const int equal = argument.indexOf(QLatin1Char('='));
        if (equal <= 0)
            Fail("sNotAnEntry", argument);
        const QString name = argument.left(equal);
        const QString value = argument.mid(equal + 1);
        const TCommandLineEntry* entry = FindEntry(entries, name);
        if (!entry) {
            const QString hint = UnknownEntryHint(page, name);
            Fail("sUnknownEntry", hint.isEmpty() ? name : WithHint(name, hint));
        }
        const auto previous = given.find(entry->Entry);
        if (previous != given.end()) {
            if (previous->second == name)
                Fail("sRepeatedEntry", name);
            Fail("sOnlyOneOf", previous->second + QStringLiteral(", ") + name);
        }
        given[entry->Entry] = name;
        texts[entry->Entry] = value;
        if (entry->Choice != enNone)
            texts[entry->Choice] = entry->ChoiceItem;
    }
    // Every entry the variant shows: each one named, or fixed by the variant.
    for (const TEntryPlace& place : VariantDesc(variant).Entries) {
        if (place.FixedCount > 0) {
            texts[place.Entry] = QString::number(place.FixedCount);
            continue;
        }
        if (EntryDesc(place.Entry).Kind == ekChoice || given.count(place.Entry))
            continue;
        QStringList names;
        for (const TCommandLineEntry& entry : entries)
            if (entry.Entry == place.Entry)
                names << entry.Name;
        Fail("sMissingEntry", names.join(QStringLiteral(" | ")));
    }
    TUnitChoice units = ChosenUnits(AOptions);

    // Each text as its entry reads it, a length with its unit; the message names
    // the entry and its text.
    std::map<int, TGivenLength> lengths;
    for (const auto& [entry, name] : given) {
        Extended value = 0;
        const TEntryKind kind = EntryDesc(TEntry(entry)).Kind;
        if (kind == ekNumber || kind == ekRadius) {
            const QString what = name + QLatin1Char('=') + texts[std::size_t(entry)];
            lengths[entry] = ReadLength(kind, texts[std::size_t(entry)], what, units.Length);
            continue;
        }
        CheckEntryText(variant, TEntry(entry), name, texts[std::size_t(entry)], value);
    }
    // Lengths with units and no unit chosen: the figure is calculated in the
    // smallest of their units, which the lengths are then shown in.
    if (units.Length == luNone) {
        const TGivenLength* bare = nullptr;
        for (const auto& [entry, length] : lengths) {
            if (length.Unit == luNone)
                bare = bare ? bare : &length;
            else if (units.Length == luNone || IsSmaller(length.Unit, units.Length))
                units.Length = length.Unit;
        }
        if (units.Length != luNone && bare)
            Fail("sMissingUnit", bare->What, UnitsSection);
    }

    TEntryValues values;
    TTypedNumbers typed;
    TReadings readings;
    for (const TEntryPlace& place : VariantDesc(variant).Entries) {
        Extended value = 0;
        const auto length = lengths.find(place.Entry);
        if (length != lengths.end()) {
            const TLengthUnit unit =
                length->second.Unit == luNone ? units.Length : length->second.Unit;
            value = ConvertLength(length->second.Value, unit, units.Length);
            readings.Note(erValid);
            // A bare number is the figure's as typed; one converted from its
            // unit is shown as calculated.
            if (length->second.Unit == luNone)
                if (const auto number = TypedNumber(EntryDesc(place.Entry).Kind,
                                                    texts[place.Entry], units.Length))
                    typed.Set(place.Entry, *number);
        } else {
            readings.Note(ReadPlaceText(place, texts[place.Entry], value));
        }
        values.Set(place.Entry, value);
    }

    const TNumberForm form = NumberForm(AOptions);
    const TPresetDensity density = MassDensityOf(AOptions, units.Length);
    if (AOptions.DipStep && page != pgCylindricalTank)
        Fail("sDipChartTankOnly", solid, OutputSection);

    TSolidResult result;
    TFigureReport report;
    try {
        result = readings.Complete() ? CalculateSolid(variant, values, density, &typed)
                                     : StateResult(variant, readings.State(), values);
        result.LengthUnit = units.Length;
        report = MakeFigureReport(result, texts, form, LanguageText, units);
    } catch (const std::exception& e) {
        Fail("sCalculationFailed", QString::fromLocal8Bit(e.what()).simplified());
    }
    if (report.State != rsSpocitano)
        Fail("sInvalidFigure", ResultStateText(report.State));

    // The files first: a failure leaves the standard output empty.
    if (WriteFiles(AOptions, result, form, units))
        return 0;

    if (AOptions.Json) {
        QJsonObject root = FigureJson(solid, variant, report, texts, given, form);
        Out() << QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
        return 0;
    }
    for (const TReportLine& line : report.Quantities)
        Out() << line.Name << ": " << line.Text << '\n';
    return 0;
}

} // namespace

QString CommandLineSolidName(TPage APage) {
    return QLatin1String(PageDesc(APage).CommandName);
}

QString CommandLineVariantName(TVariant AVariant) {
    return QLatin1String(VariantDesc(AVariant).CommandName);
}

std::vector<TCommandLineEntry> CommandLineEntries(TVariant AVariant) {
    std::vector<TCommandLineEntry> entries;
    for (const TEntryName& name : EntryNames(AVariant)) {
        TCommandLineEntry entry{QString::fromStdString(name.Name), name.Entry, name.Choice,
                                QString()};
        if (name.Choice != enNone)
            entry.ChoiceItem = QLatin1String(EntryDesc(name.Choice).Items[name.ChoiceItem]);
        entries.push_back(entry);
    }
    return entries;
}

bool IsCommandLineCall(int argc, char* argv[]) {
    // Any argument but Qt's own options is for the command line, a wrong one
    // included: it is answered there, without a display.
    for (int i = 1; i < argc; ++i) {
        const int length = QtOptionLength(QString::fromLocal8Bit(argv[i]));
        if (length == 0)
            return true;
        i += length - 1;
    }
    return false;
}

int RunCommandLine(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    // A windowed program has no console of its own: write to the one it was started from.
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        FILE* stream = nullptr;
#ifdef _MSC_VER
        freopen_s(&stream, "CONOUT$", "w", stdout);
        freopen_s(&stream, "CONOUT$", "w", stderr);
#else
        stream = std::freopen("CONOUT$", "w", stdout);
        stream = std::freopen("CONOUT$", "w", stderr);
#endif
        (void)stream;
    }
#endif
    // Drawing into a file needs fonts, so an application object with a platform:
    // the offscreen one, which needs no display. The rest needs neither.
    bool paints = false;
    for (int i = 1; i < argc; ++i)
        for (const char* option : FileOptions)
            paints = paints || std::strcmp(argv[i], option) == 0;
    std::unique_ptr<QCoreApplication> application;
    QtMessages = qInstallMessageHandler(QuietQtMessages);
    const auto restoreMessages = qScopeGuard([] { qInstallMessageHandler(QtMessages); });
    if (paints) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication& app = *application;
    SetDecimalSeparatorProvider(SystemDecimalSeparator);

    // The version needs no language file: it is the one answer that must work always.
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.contains(QLatin1String("--version")) || arguments.contains(QLatin1String("-v"))) {
        Out() << "Kavorin " << Version::Text() << '\n';
        Out().flush();
        return 0;
    }

    TLanguageEnvironment environment;
    environment.ShowError = [](const QString& AText) {
        Err() << TerminalText(AText).simplified() << '\n';
    };
    auto languages = std::make_unique<TLanguages>(
        SettingsKeys::Program, SettingsKeys::SettingsSection, true, std::move(environment));
    if (languages->StartUpFailed())
        return 1;
    Languages = languages.get();
    struct TForget {
        ~TForget() { Languages = nullptr; }
    } forget;

    // Whatever the outcome, everything written reaches the terminal before the program ends.
    struct TFlush {
        ~TFlush() {
            Out().flush();
            Err().flush();
        }
    } flush;
    try {
        const TOptions options = ReadOptions(arguments);
        if (options.Help) {
            PrintHelp();
            return 0;
        }
        if (options.List) {
            if (options.Json)
                PrintListJson();
            else
                PrintList();
            return 0;
        }
        return Calculate(options);
    } catch (const TArgumentError& error) {
        Err() << "Kavorin: " << error.Message << '\n';
        return 2;
    }
}
