#include "FigureReport.h"

#include "NumberParsing.h"
#include "Results.h"
#include "Settings.h"
#include "SolidFigures.h"

#include <cmath>

namespace {

QString Lookup(const TTextLookup& ALookup, const char* ASection, const char* AKey) {
    return ALookup(QLatin1String(ASection), QLatin1String(AKey));
}

// "Name (letters)", or the name alone.
QString WithLetters(const QString& AName, const QString& ALetters) {
    return ALetters.isEmpty() ? AName : AName + QStringLiteral(" (") + ALetters + QLatin1Char(')');
}

// A name for programs: the row's key without its "s", and its letters.
QString RowId(const TText& ARow) {
    QString id = QLatin1String(ARow.Key);
    if (id.startsWith(QLatin1Char('s')))
        id.remove(0, 1);
    if (ARow.Letters && *ARow.Letters)
        id += QLatin1Char('_') + QLatin1String(ARow.Letters);
    return id;
}

// The choice that fills APlace's caption and letter, as its text names it.
QString ChosenText(const TEntryPlace& APlace, const TEntryTexts& ATexts) {
    return APlace.ChosenBy == enNone ? QString() : ATexts[APlace.ChosenBy];
}

const char* const SolidKeys[] = {
    "Cube",
    "Block",
    "Sphere",
    "Cone",
    "Cylinder",
    "Pyramid",
    "Prism",
    "TruncatedCone",
    "TruncatedPyramid",
    "CylindricalTank",
    "SphericalSegment",
    "SphericalSector",
    "SphericalFrustum",
};
static_assert(std::size(SolidKeys) == PageCount, "one name per page");

} // namespace

TPresetDensity ReadPresetDensity() {
    TPresetDensity density;
    TSettingsStore reg(SettingsKeys::Settings);
    if (!reg.ReadBool(QString(), QStringLiteral("UsePresetDensity"), false))
        return density;
    const QString text = reg.ReadString(QString(), QStringLiteral("PresetDensity"), QString());
    Extended value = 0;
    if (!TryTextToExtended(text, value))
        return density; // unreadable: no mass, as in the supplementary data window
    density.Use = true;
    density.Value = value;
    density.Refused = !std::isfinite(value) || value <= 0;
    return density;
}

TEntryReading ReadPlaceText(const TEntryPlace& APlace, const QString& AText, Extended& AValue) {
    const TEntryDesc& entry = EntryDesc(APlace.Entry);
    if (entry.Kind != ekChoice)
        return ReadEntryText(entry.Kind, AText, AValue);
    int index = -1;
    for (std::size_t i = 0; i < entry.Items.size(); ++i)
        if (AText == QLatin1String(entry.Items[i]))
            index = int(i);
    return ReadChoice(index, AValue);
}

TSolidResult CalculateFromTexts(TVariant AVariant, const TEntryTexts& ATexts) {
    TEntryValues values;
    TReadings readings;
    for (const TEntryPlace& place : VariantDesc(AVariant).Entries) {
        Extended value = 0;
        const TEntryReading reading = ReadPlaceText(place, ATexts[place.Entry], value);
        readings.Note(reading);
        if (reading == erValid)
            values.Set(place.Entry, value);
    }
    if (!readings.Complete()) {
        TSolidResult result;
        result.State = readings.State();
        return result;
    }
    return CalculateSolid(AVariant, values);
}

QString PlaceLetters(const TEntryPlace& APlace, const QString& AChosen) {
    const QString glyph =
        APlace.ChosenBy != enNone ? AChosen : QString::fromUtf8(APlace.Letter.Glyph);
    if (glyph.isEmpty())
        return QString();
    return glyph + QString::fromUtf8(APlace.Letter.Subscript);
}

QString SolidName(TPage APage, const TTextLookup& ALookup) {
    return Lookup(ALookup, "TSolidFigure", SolidKeys[APage]);
}

QString VariantName(TVariant AVariant, const TTextLookup& ALookup) {
    const TSelector& selector = VariantDesc(AVariant).Selector;
    if (selector.Control == vcNone)
        return QString();
    const TVariantControlDesc& control = VariantControlDesc(selector.Control);
    const QString caption = ComposeText(control.Caption, ALookup);
    if (control.Kind != vkList)
        return caption;
    return caption + QStringLiteral(": ") + ComposeText(control.Items[selector.Value], ALookup);
}

QString ResultValueText(Extended AValue, const TNumberForm& AForm) {
    if (!std::isfinite(AValue))
        return ResultStateText(rsChyba_Z);
    const TResultNumber number = ResultNumber(AValue, AForm.Precision, AForm.Semilogarithmic);
    QString text = number.Digits;
    if (number.Decade)
        text += QStringLiteral(" x10");
    if (number.Decade && number.Exponent != 1)
        text += QLatin1Char('^') + QString::number(number.Exponent);
    return text;
}

QString TFigureReport::Text() const {
    QStringList lines;
    lines << (VariantText.isEmpty()
                  ? Solid
                  : Solid + QStringLiteral(" (") + VariantText + QLatin1Char(')'));
    lines << QString();
    for (const TReportLine& line : Entries)
        lines << line.Name + QStringLiteral(": ") + line.Text;
    if (!Entries.empty())
        lines << QString();
    for (const TReportLine& line : Quantities)
        lines << line.Name + QStringLiteral(": ") + line.Text;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

TFigureReport MakeFigureReport(TVariant AVariant, const TEntryTexts& ATexts,
                               const TNumberForm& AForm, const TTextLookup& ALookup,
                               const TPresetDensity& ADensity) {
    const TVariantDesc& variant = VariantDesc(AVariant);
    TFigureReport report;
    report.Variant = AVariant;
    report.Solid = SolidName(variant.Page, ALookup);
    report.VariantText = VariantName(AVariant, ALookup);

    for (const TEntryPlace& place : variant.Entries) {
        // A choice shows in the caption and letters of the entry it fills.
        if (!place.Caption.Key)
            continue;
        const QString chosen = ChosenText(place, ATexts);
        const QString caption = place.ChosenBy != enNone
                                    ? ComposeText(place.Caption, ALookup, &chosen)
                                    : ComposeText(place.Caption, ALookup);
        TReportLine line;
        line.Id = QLatin1String(EntryDesc(place.Entry).Name);
        line.Name = WithLetters(caption, PlaceLetters(place, chosen));
        line.Text = ATexts[place.Entry];
        report.Entries.push_back(line);
    }

    const QString volumeName = WithLetters(Lookup(ALookup, ReportSection, "sVolume"), "V");
    const QString areaName = WithLetters(Lookup(ALookup, ReportSection, "sSurfaceArea"), "S");
    const TSolidResult result = CalculateFromTexts(AVariant, ATexts);
    if (!result.Figure) {
        // The panel shows the state on both lines.
        report.State = result.State;
        const QString state = ResultStateText(result.State);
        report.Quantities.push_back({QStringLiteral("volume"), volumeName, state, {}});
        report.Quantities.push_back({QStringLiteral("area"), areaName, state, {}});
        return report;
    }
    const TSolidFigure& figure = *result.Figure;
    const bool finite = std::isfinite(figure.Volume()) && std::isfinite(figure.Area());
    report.State = finite ? rsSpocitano : rsChyba_Z;
    // A value beyond Extended shows "Input error" on both lines, as in the panel.
    const QString volume =
        finite ? ResultValueText(figure.Volume(), AForm) : ResultStateText(rsChyba_Z);
    const QString area =
        finite ? ResultValueText(figure.Area(), AForm) : ResultStateText(rsChyba_Z);
    report.Quantities.push_back({QStringLiteral("volume"), volumeName, volume,
                                 finite ? std::optional<Extended>(figure.Volume()) : std::nullopt});
    report.Quantities.push_back({QStringLiteral("area"), areaName, area,
                                 finite ? std::optional<Extended>(figure.Area()) : std::nullopt});

    for (const TSupplementaryValue& value : result.SupplementaryValues)
        report.Quantities.push_back(
            {RowId(value.Row), ComposeText(value.Row, ALookup),
             QString::fromStdString(RoundToStr(AForm.Precision, true, value.Value)), value.Value});

    if (ADensity.Use) {
        TReportLine mass;
        mass.Id = QStringLiteral("mass");
        mass.Name = Lookup(ALookup, SupplementarySection, "sDefaultMass") + QStringLiteral(" (") +
                    GeneralText(ADensity.Value) + QLatin1Char(')');
        if (ADensity.Refused) {
            mass.Text = Lookup(ALookup, SupplementarySection, "sInvalidDensity");
        } else {
            try {
                const Extended value = figure.Mass(ADensity.Value);
                if (std::isfinite(value)) {
                    mass.Text = QString::fromStdString(RoundToStr(AForm.Precision, true, value));
                    mass.Value = value;
                }
            } catch (const EInvalidInputSolidFigures&) {
            }
        }
        report.Quantities.push_back(mass);
    }
    return report;
}
