#include "SolveItems.h"

#include "SolidHandlers.h"

#include <cctype>
#include <cstring>
#include <utility>

namespace {

std::string Glyph(const char* AGlyph) {
    if (!AGlyph)
        return std::string();
    if (std::strcmp(AGlyph, Rho) == 0)
        return "rho";
    return AGlyph;
}

} // namespace

std::vector<TEntryName> EntryNames(TVariant AVariant) {
    // The letters first, one for each item of a choice that fills a letter...
    std::vector<std::pair<std::string, TEntryName>> lettered;
    for (const TEntryPlace& place : VariantDesc(AVariant).Entries) {
        if (!place.Caption.Key || place.FixedCount > 0)
            continue;
        const std::string subscript = place.Letter.Subscript ? place.Letter.Subscript : "";
        if (place.ChosenBy != enNone) {
            const TSpan<const char*> items = EntryDesc(place.ChosenBy).Items;
            for (std::size_t i = 0; i < items.size(); ++i)
                lettered.push_back({items[i], {subscript, place.Entry, place.ChosenBy, int(i)}});
        } else {
            lettered.push_back({Glyph(place.Letter.Glyph), {subscript, place.Entry}});
        }
    }
    // ...then the subscript where a letter stands for more than one entry.
    std::vector<TEntryName> names;
    for (const auto& [letter, entry] : lettered) {
        int count = 0;
        for (const auto& other : lettered)
            count += other.first == letter ? 1 : 0;
        TEntryName named = entry;
        named.Name = count > 1 ? letter + entry.Name : letter;
        names.push_back(named);
    }
    return names;
}

std::string QuantityId(const TText& ARow) {
    std::vector<std::string> words;
    const char* key = ARow.Key;
    if (*key == 's')
        ++key;
    for (const char* c = key; *c; ++c) {
        if (std::isupper(static_cast<unsigned char>(*c)) || words.empty())
            words.emplace_back();
        words.back() += char(std::tolower(static_cast<unsigned char>(*c)));
    }
    std::string id;
    for (const std::string& word : words) {
        // "X" marks where the row's letters go; they come last in the id.
        if (ARow.Letters && word == "x")
            continue;
        id += (id.empty() ? "" : "-") + word;
    }
    if (ARow.Letters && *ARow.Letters) {
        id += '-';
        for (const char* c = ARow.Letters; *c; ++c)
            id += char(std::tolower(static_cast<unsigned char>(*c)));
    }
    return id;
}

std::vector<TSolveItem> SolveItems(TVariant AVariant) {
    std::vector<TSolveItem> items;
    // No variant yet (VariantCount), or one without a solid: nothing to give.
    if (AVariant >= VariantCount)
        return items;
    const TVariantDesc& variant = VariantDesc(AVariant);
    if (variant.SolidType == stNone)
        return items;
    for (const TEntryName& name : EntryNames(AVariant)) {
        TSolveItem item;
        item.Id = name.Name;
        item.Kind = EntryDesc(name.Entry).Kind == ekCount ? ikCount : ikEntry;
        item.Entry = name.Entry;
        item.Choice = name.Choice;
        item.ChoiceItem = name.ChoiceItem;
        item.Text = PlaceOf(AVariant, name.Entry)->Caption;
        items.push_back(item);
    }
    items.push_back({"volume", ikVolume});
    items.push_back({"area", ikArea});
    const std::vector<TText> rows = SupplementaryRows(variant.SolidType);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // The sides of the rectangular lower base are the entries a1 and b1 already,
        // by which they are given.
        if (std::strcmp(rows[i].Key, "sXSideOfLowerBase") == 0)
            continue;
        TSolveItem item{QuantityId(rows[i]), ikRow};
        item.Row = int(i);
        item.Text = rows[i];
        items.push_back(item);
    }
    items.push_back({"mass", ikMass});
    return items;
}

int FindItem(const std::vector<TSolveItem>& AItems, const std::string& AId) {
    for (std::size_t i = 0; i < AItems.size(); ++i)
        if (AItems[i].Id == AId)
            return int(i);
    return -1;
}

bool ItemQuantityKind(const TSolveItem& AItem, TQuantityKind& AKind) {
    switch (AItem.Kind) {
    case ikEntry:
    case ikCount:
        return false;
    case ikVolume:
    case ikMass:
        AKind = qkVolume;
        return true;
    case ikArea:
        AKind = qkArea;
        return true;
    case ikRow:
        AKind = SupplementaryRowKind(AItem.Text);
        return true;
    }
    return false;
}

Extended QuantityInFigureUnits(Extended AValue, TQuantityKind AKind, bool AMass,
                               const TUnitChoice& ATypedIn, TLengthUnit AFigureLength) {
    if (AFigureLength == luNone || AKind == qkPercentage)
        return AValue;
    if (AMass)
        return Convert(AValue, InverseFactor(MassFactor(AFigureLength, ATypedIn.Mass)));
    switch (AKind) {
    case qkLength:
        return ConvertLength(AValue, ATypedIn.Length, AFigureLength);
    case qkArea:
        return ATypedIn.Area == auNone
                   ? AValue
                   : Convert(AValue, InverseFactor(AreaFactor(AFigureLength, ATypedIn.Area)));
    case qkVolume:
        return ATypedIn.Volume == vuNone
                   ? AValue
                   : Convert(AValue, InverseFactor(VolumeFactor(AFigureLength, ATypedIn.Volume)));
    case qkPercentage:
        break;
    }
    return AValue;
}
