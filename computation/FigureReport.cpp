#include "FigureReport.h"

#include "CertifiedResults.h"

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

TEntryReading ReadPlaceText(const TEntryPlace& APlace, const QString& AText, Extended& AValue,
                            TLengthUnit ALength) {
    const TEntryDesc& entry = EntryDesc(APlace.Entry);
    if (entry.Kind != ekChoice)
        return ReadEntryText(entry.Kind, AText, AValue, ALength);
    int index = -1;
    for (std::size_t i = 0; i < entry.Items.size(); ++i)
        if (AText == QLatin1String(entry.Items[i]))
            index = int(i);
    return ReadChoice(index, AValue);
}

TSolidResult CalculateFromTexts(TVariant AVariant, const TEntryTexts& ATexts,
                                const TPresetDensity& ADensity, TLengthUnit ALength) {
    TEntryValues values;
    TTypedNumbers typed;
    TReadings readings;
    for (const TEntryPlace& place : VariantDesc(AVariant).Entries) {
        Extended value = 0;
        const TEntryReading reading = ReadPlaceText(place, ATexts[place.Entry], value, ALength);
        readings.Note(reading);
        if (reading != erValid)
            continue;
        values.Set(place.Entry, value);
        const TEntryKind kind = EntryDesc(place.Entry).Kind;
        if (const auto number = TypedNumber(kind, ATexts[place.Entry], ALength))
            typed.Set(place.Entry, *number);
    }
    TSolidResult result = readings.Complete() ? CalculateSolid(AVariant, values, ADensity, &typed)
                                              : StateResult(AVariant, readings.State(), values);
    result.LengthUnit = ALength;
    return result;
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

QString MassRowName(const TPresetDensity& ADensity, TSolidType ASolidType,
                    const TTextLookup& ALookup) {
    if (!ADensity.Material)
        return Lookup(ALookup, SupplementarySection, "sDefaultMass") + QStringLiteral(" (") +
               GeneralText(ADensity.Value) + QLatin1Char(')');
    // A tank holds a liquid to its level: the mass is that of its contents.
    const char* key = ASolidType == stCylindricalTank ? "sMassOfContents" : "sMass";
    return Lookup(ALookup, MassSection, key) + QStringLiteral(" (") +
           MaterialText(*ADensity.Material) + QLatin1Char(')');
}

QString MassRowName(const TMass& AMass, TSolidType ASolidType, const TTextLookup& ALookup) {
    TPresetDensity density;
    density.Value = AMass.Density;
    density.Material = AMass.Material;
    return MassRowName(density, ASolidType, ALookup);
}

TFigureReport MakeFigureReport(const TSolidResult& AResult, const TEntryTexts& ATexts,
                               const TNumberForm& AForm, const TTextLookup& ALookup,
                               const TUnitChoice& AUnits) {
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
        // A length typed as a bare number is in the entries' unit; feet and
        // inches carry their marks.
        const TEntryKind kind = EntryDesc(place.Entry).Kind;
        if ((kind == ekNumber || kind == ekRadius) && !line.Text.isEmpty() &&
            AUnits.Length != luFeetAndInches)
            line.Text = WithUnit(line.Text, UnitSymbol(AUnits.Length));
        report.Entries.push_back(line);
    }

    const QString volumeName = WithLetters(Lookup(ALookup, ReportSection, "sVolume"), "V");
    const QString areaName = WithLetters(Lookup(ALookup, ReportSection, "sSurfaceArea"), "S");
    if (!AResult.Computed()) {
        // The panel shows the state on both lines.
        report.State = AResult.State;
        const QString state = ResultStateText(AResult.State);
        report.Quantities.push_back({QuantityIds::Volume, volumeName, state, {}, {}, {}});
        report.Quantities.push_back({QuantityIds::Area, areaName, state, {}, {}, {}});
        return report;
    }
    const TLengthUnit from = AResult.LengthUnit;
    const TShownQuantity volume = ShownQuantity(AResult.Volume, qkVolume, from, AUnits);
    const TShownQuantity area = ShownQuantity(AResult.Area, qkArea, from, AUnits);
    const bool finite = std::isfinite(volume.Value) && std::isfinite(area.Value);
    report.State = finite ? rsSpocitano : rsChyba_Z;
    // A value beyond Extended shows "Input error" on both lines, as in the panel.
    const auto resultLine = [&](const QString& AId, const QString& AName,
                                const TShownQuantity& AShown, TResultQuantity AQuantity) {
        if (!finite)
            return TReportLine{AId, AName, ResultStateText(rsChyba_Z), std::nullopt, QString(), QString()};
        const TResultNumber number = ShownResultNumber(AResult, AQuantity, AShown.Value, AForm);
        return TReportLine{
            AId,
            AName,
            WithUnit(ResultNumberText(number), AShown.Symbol),
            AShown.Value,
            ShownUnitId(AQuantity == rqVolume ? qkVolume : qkArea, AUnits),
            QString::fromStdString(ShownResultExact(AResult, AQuantity, AShown.Value, AForm))};
    };
    report.Quantities.push_back(resultLine(QuantityIds::Volume, volumeName, volume, rqVolume));
    report.Quantities.push_back(resultLine(QuantityIds::Area, areaName, area, rqArea));

    const std::vector<TSupplementaryValue>& values = AResult.SupplementaryValues;
    for (std::size_t index = 0; index < values.size(); ++index) {
        const TShownQuantity shown = ShownQuantity(values[index].Value, values[index].Kind, from, AUnits);
        const TResultQuantity quantity = rqFirstRow + TResultQuantity(index);
        report.Quantities.push_back(
            {values[index].Id(), ComposeText(values[index].Row, ALookup),
             ShownQuantityText(AResult, quantity, shown, AForm.Precision), shown.Value,
             ShownUnitId(values[index].Kind, AUnits),
             QString::fromStdString(
                 ShownResultExact(AResult, quantity, shown.Value, {AForm.Precision, false}))});
    }

    if (AResult.Mass) {
        TReportLine mass;
        mass.Id = QuantityIds::Mass;
        mass.Name = MassRowName(*AResult.Mass, variant.SolidType, ALookup);
        if (AResult.Mass->Refused) {
            mass.Text = Lookup(ALookup, SupplementarySection, "sInvalidDensity");
        } else if (AResult.Mass->Value) {
            const TShownQuantity shown = ShownMassOf(*AResult.Mass->Value, from, AUnits);
            const TResultQuantity quantity = MassQuantity(AResult);
            mass.Text = ShownQuantityText(AResult, quantity, shown, AForm.Precision);
            mass.Value = shown.Value;
            mass.Unit = ShownMassUnitId(AUnits);
            mass.Exact = QString::fromStdString(
                ShownResultExact(AResult, quantity, shown.Value, {AForm.Precision, false}));
        }
        report.Quantities.push_back(mass);
    }
    return report;
}

TFigureReport MakeFigureReport(TVariant AVariant, const TEntryTexts& ATexts,
                               const TNumberForm& AForm, const TTextLookup& ALookup,
                               const TPresetDensity& ADensity, const TUnitChoice& AUnits) {
    return MakeFigureReport(CalculateFromTexts(AVariant, ATexts, ADensity, AUnits.Length), ATexts,
                            AForm, ALookup, AUnits);
}
