#include "FigureReport.h"

#include <QStringList>

#include <cmath>

namespace {

QString Lookup(const TTextLookup& ALookup, const char* ASection, const char* AKey) {
    return ALookup(QLatin1String(ASection), QLatin1String(AKey));
}

// "Name (letters)", or the name alone.
QString WithLetters(const QString& AName, const QString& ALetters) {
    return ALetters.isEmpty() ? AName : AName + QStringLiteral(" (") + ALetters + QLatin1Char(')');
}

// The choice that fills APlace's caption and letter, as its text names it.
QString ChosenText(const TEntryPlace& APlace, const TEntryTexts& ATexts) {
    return APlace.ChosenBy == enNone ? QString() : ATexts[APlace.ChosenBy];
}

} // namespace

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

TSolidResult CalculateFromTexts(TVariant AVariant, const TEntryTexts& ATexts,
                                const TPresetDensity& ADensity) {
    TEntryValues values;
    TReadings readings;
    for (const TEntryPlace& place : VariantDesc(AVariant).Entries) {
        Extended value = 0;
        const TEntryReading reading = ReadPlaceText(place, ATexts[place.Entry], value);
        readings.Note(reading);
        if (reading == erValid)
            values.Set(place.Entry, value);
    }
    if (!readings.Complete())
        return StateResult(AVariant, readings.State(), values);
    return CalculateSolid(AVariant, values, ADensity);
}

QString PlaceLetters(const TEntryPlace& APlace, const QString& AChosen) {
    const QString glyph =
        APlace.ChosenBy != enNone ? AChosen : QString::fromUtf8(APlace.Letter.Glyph);
    if (glyph.isEmpty())
        return QString();
    return glyph + QString::fromUtf8(APlace.Letter.Subscript);
}

QString SolidName(TPage APage, const TTextLookup& ALookup) {
    return ComposeText(PageDesc(APage).Title, ALookup);
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

TFigureReport MakeFigureReport(const TSolidResult& AResult, const TEntryTexts& ATexts,
                               const TNumberForm& AForm, const TTextLookup& ALookup) {
    const TVariantDesc& variant = VariantDesc(AResult.Variant);
    TFigureReport report;
    report.Variant = AResult.Variant;
    report.Solid = SolidName(variant.Page, ALookup);
    report.VariantText = VariantName(AResult.Variant, ALookup);

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
    if (!AResult.Computed()) {
        // The panel shows the state on both lines.
        report.State = AResult.State;
        const QString state = ResultStateText(AResult.State);
        report.Quantities.push_back({QuantityIds::Volume, volumeName, state, {}});
        report.Quantities.push_back({QuantityIds::Area, areaName, state, {}});
        return report;
    }
    const bool finite = std::isfinite(AResult.Volume) && std::isfinite(AResult.Area);
    report.State = finite ? rsSpocitano : rsChyba_Z;
    // A value beyond Extended shows "Input error" on both lines, as in the panel.
    const QString volume =
        finite ? ResultValueText(AResult.Volume, AForm) : ResultStateText(rsChyba_Z);
    const QString area = finite ? ResultValueText(AResult.Area, AForm) : ResultStateText(rsChyba_Z);
    report.Quantities.push_back({QuantityIds::Volume, volumeName, volume,
                                 finite ? std::optional<Extended>(AResult.Volume) : std::nullopt});
    report.Quantities.push_back({QuantityIds::Area, areaName, area,
                                 finite ? std::optional<Extended>(AResult.Area) : std::nullopt});

    for (const TSupplementaryValue& value : AResult.SupplementaryValues)
        report.Quantities.push_back({value.Id(), ComposeText(value.Row, ALookup),
                                     QuantityText(value.Value, AForm.Precision), value.Value});

    if (AResult.Mass) {
        TReportLine mass;
        mass.Id = QuantityIds::Mass;
        mass.Name = Lookup(ALookup, SupplementarySection, "sDefaultMass") + QStringLiteral(" (") +
                    GeneralText(AResult.Mass->Density) + QLatin1Char(')');
        if (AResult.Mass->Refused) {
            mass.Text = Lookup(ALookup, SupplementarySection, "sInvalidDensity");
        } else if (AResult.Mass->Value) {
            mass.Text = QuantityText(*AResult.Mass->Value, AForm.Precision);
            mass.Value = AResult.Mass->Value;
        }
        report.Quantities.push_back(mass);
    }
    return report;
}

TFigureReport MakeFigureReport(TVariant AVariant, const TEntryTexts& ATexts,
                               const TNumberForm& AForm, const TTextLookup& ALookup,
                               const TPresetDensity& ADensity) {
    return MakeFigureReport(CalculateFromTexts(AVariant, ATexts, ADensity), ATexts, AForm, ALookup);
}
