#include "SolveTexts.h"

#include "SolveItems.h"

#include <QStringList>

#include <cmath>

namespace {

QString Text(const TTextLookup& ALookup, const char* AKey) {
    return ALookup(QLatin1String(SolveSection), QLatin1String(AKey));
}

QString Lookup(const TTextLookup& ALookup, const char* ASection, const char* AKey) {
    return ALookup(QLatin1String(ASection), QLatin1String(AKey));
}

QString Names(TVariant AVariant, const std::vector<std::string>& AIds, const TTextLookup& ALookup,
              const QString& ASeparator = QStringLiteral(", ")) {
    QStringList names;
    for (const std::string& id : AIds)
        names << SolveItemName(AVariant, id, ALookup);
    return names.join(ASeparator);
}

// So many candidates name the kinds that would do; the rest are alike.
constexpr std::size_t ShownCandidates = 4;

// An item's value in the figure's units as the user sees it in AUnits: in the unit
// of its kind, with that unit's symbol.
TShownQuantity ShownItemValue(TVariant AVariant, const std::string& AId, Extended AValue,
                              const TUnitChoice& AUnits) {
    TShownQuantity shown;
    shown.Value = AValue;
    const std::vector<TSolveItem> items = SolveItems(AVariant);
    const int index = FindItem(items, AId);
    if (index < 0 || AUnits.Length == luNone || items[std::size_t(index)].Kind == ikCount)
        return shown;
    const TSolveItem& item = items[std::size_t(index)];
    if (item.Kind == ikMass)
        return ShownMassOf(AValue, AUnits.Length, AUnits);
    TQuantityKind kind = qkLength;
    ItemQuantityKind(item, kind);
    return ShownQuantity(AValue, kind, AUnits.Length, AUnits);
}

QString GivenValue(const TSolveRequest& ARequest, const std::string& AId,
                   const TTextLookup& ALookup, const TUnitChoice& AUnits) {
    for (const TKnownValue& known : ARequest.Known)
        if (known.Id == AId) {
            const TShownQuantity shown = ShownItemValue(ARequest.Variant, AId, known.Value, AUnits);
            return SolveItemName(ARequest.Variant, AId, ALookup) + QStringLiteral(" = ") +
                   (shown.FeetAndInches ? FeetAndInchesText(shown.Value, MaxPrecision, false)
                                        : WithUnit(GeneralText(shown.Value), shown.Symbol));
        }
    return SolveItemName(ARequest.Variant, AId, ALookup);
}

QString BoundSentence(const TSolveRequest& ARequest, const TSolveBound& ABound,
                      const TNumberForm& AForm, const TTextLookup& ALookup,
                      const TUnitChoice& AUnits) {
    static const char* const Keys[] = {"sBoundAtLeast", "sBoundAtMost", "sBoundMoreThan",
                                       "sBoundLessThan", "sBoundOtherThan"};
    QStringList given;
    for (const std::string& id : ABound.Given)
        given << GivenValue(ARequest, id, ALookup, AUnits);
    const TShownQuantity bound = ShownItemValue(ARequest.Variant, ABound.Id, ABound.Value, AUnits);
    QString sentence =
        Text(ALookup, Keys[ABound.Kind])
            .arg(SolveItemName(ARequest.Variant, ABound.Id, ALookup),
                 bound.FeetAndInches
                     ? FeetAndInchesText(bound.Value, AForm.Precision)
                     : WithUnit(BoundText(ABound.Kind, bound.Value, AForm.Precision), bound.Symbol));
    if (given.isEmpty())
        return sentence + QLatin1Char('.');
    return Text(ALookup, "sBoundGiven").arg(sentence, given.join(QStringLiteral(", ")));
}

QString InvalidText(const TSolveRequest& ARequest, const TSolveResult& AResult,
                    const TTextLookup& ALookup) {
    const QString name = SolveItemName(ARequest.Variant, AResult.Invalid, ALookup);
    switch (AResult.InvalidReason) {
    case irNoSolid:
        return Text(ALookup, "sNoSolid");
    case irUnknownId:
        return Text(ALookup, "sUnknownValue").arg(QString::fromStdString(AResult.Invalid));
    case irRepeated:
        return Text(ALookup, "sGivenTwice").arg(name);
    case irNotFinite:
        return Text(ALookup, "sNotANumber").arg(name);
    case irNotPositive:
        return Text(ALookup, "sMustBePositive").arg(name);
    case irNotACount:
        return Text(ALookup, "sMustBeWholeAbove2").arg(name);
    case irNoDensity:
        return Text(ALookup, "sMassNeedsDensity");
    }
    return QString();
}

} // namespace

QString SolveItemName(TVariant AVariant, const std::string& AId, const TTextLookup& ALookup) {
    const std::vector<TSolveItem> items = SolveItems(AVariant);
    const int index = FindItem(items, AId);
    if (index < 0)
        return QString::fromStdString(AId);
    const TSolveItem& item = items[std::size_t(index)];
    switch (item.Kind) {
    case ikEntry:
    case ikCount: {
        const TEntryPlace* place = PlaceOf(AVariant, item.Entry);
        const QString chosen = item.Choice != enNone
                                   ? QLatin1String(EntryDesc(item.Choice).Items[item.ChoiceItem])
                                   : QString();
        const QString caption = item.Choice != enNone
                                    ? ComposeText(place->Caption, ALookup, &chosen)
                                    : ComposeText(place->Caption, ALookup);
        const QString letters = PlaceLetters(*place, chosen);
        return letters.isEmpty() ? caption
                                 : caption + QStringLiteral(" (") + letters + QLatin1Char(')');
    }
    case ikVolume:
        return Lookup(ALookup, ReportSection, "sVolume") + QStringLiteral(" (V)");
    case ikArea:
        return Lookup(ALookup, ReportSection, "sSurfaceArea") + QStringLiteral(" (S)");
    case ikRow:
        return ComposeText(item.Text, ALookup);
    case ikMass:
        return Text(ALookup, "sMass");
    }
    return QString::fromStdString(AId);
}

QString BoundText(TBoundKind AKind, Extended AValue, TPrecision APrecision) {
    const Extended scale = std::pow(10.0L, Extended(APrecision));
    Extended shown = AValue;
    // Within the fixed digits only: beyond them the text is the value's own digits.
    if (std::fabs(AValue) * scale < 1e18L) {
        if (AKind == bkAtLeast || AKind == bkMoreThan)
            shown = std::ceil(AValue * scale) / scale;
        else if (AKind == bkAtMost || AKind == bkLessThan)
            shown = std::floor(AValue * scale) / scale;
    }
    return QuantityText(shown, APrecision);
}

QString SolveOutcomeText(const TSolveRequest& ARequest, const TSolveResult& AResult,
                         const TNumberForm& AForm, const TTextLookup& ALookup,
                         const TUnitChoice& AUnits) {
    const TVariant variant = ARequest.Variant;
    QString text;
    switch (AResult.Outcome) {
    case soSolved:
        if (AResult.Solutions.size() > 1)
            text = Text(ALookup, "sSeveralFit").arg(AResult.Solutions.size());
        break;
    case soNotEnough: {
        std::vector<std::string> shown(
            AResult.Candidates.begin(),
            AResult.Candidates.begin() +
                std::ptrdiff_t(std::min(AResult.Candidates.size(), ShownCandidates)));
        QString candidates = Names(variant, shown, ALookup);
        if (AResult.Candidates.size() > ShownCandidates)
            candidates += QStringLiteral(", …");
        text = Text(ALookup, "sNotEnough").arg(AResult.MoreNeeded).arg(candidates);
        break;
    }
    case soConflict:
        text = Text(ALookup, "sConflict").arg(Names(variant, AResult.Conflicting, ALookup));
        break;
    case soNoneFits:
        text = AResult.Bound ? BoundSentence(ARequest, *AResult.Bound, AForm, ALookup, AUnits)
                             : Text(ALookup, "sNoneFits");
        break;
    case soNotCovered: {
        QStringList sets;
        for (const std::vector<std::string>& set : AResult.Enough)
            sets << Names(variant, set, ALookup, QStringLiteral(" + "));
        text = Text(ALookup, "sNotCovered").arg(sets.join(QStringLiteral("; ")));
        break;
    }
    case soInvalid:
        return InvalidText(ARequest, AResult, ALookup);
    }
    if (!AResult.Redundant.empty() && AResult.Outcome != soSolved)
        text += QLatin1Char(' ') +
                Text(ALookup, "sFollows").arg(Names(variant, AResult.Redundant, ALookup));
    return text;
}

TEntryTexts SolutionTexts(TVariant AVariant, const TSolution& ASolution,
                          const TEntryTexts& AGiven) {
    TEntryTexts texts;
    for (const TEntryPlace& place : VariantDesc(AVariant).Entries) {
        const TEntryDesc& entry = EntryDesc(place.Entry);
        const Extended value = ASolution.Values[place.Entry];
        if (!AGiven[place.Entry].isEmpty())
            texts[place.Entry] = AGiven[place.Entry];
        else if (entry.Kind == ekChoice)
            texts[place.Entry] = value >= 0 && std::size_t(value) < entry.Items.size()
                                     ? QLatin1String(entry.Items[std::size_t(value)])
                                     : QString();
        else if (place.FixedCount > 0)
            texts[place.Entry] = QString::number(place.FixedCount);
        else if (std::isfinite(value) && value > 0)
            texts[place.Entry] = GeneralText(value);
    }
    return texts;
}
