// The calculation handlers, one per solid, and the supplementary rows of every
// kind of solid: each row's item text together with the figure's value for it,
// so that a row and its value come from one line of one table.
#include "SolidHandlers.h"

#include "BoundedFigures.h"
#include "CertifiedResults.h"
#include "ExactFigures.h"
#include "SolidBuilds.h"
#include "SolveItems.h"

#include "NumberParsing.h"
#include "Settings.h"
#include "SolidFigures.h"
#include "TankLevels.h"

#include <atomic>
#include <cmath>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <stdexcept>

// --- Reading the entries --------------------------------------------------------------

TEntryReading ReadEntryText(TEntryKind AKind, const QString& AText, Extended& AValue,
                            TLengthUnit ALength) {
    if (AKind == ekCount) {
        long long count = 0;
        if (AText.isEmpty())
            return erEmpty;
        if (!TryTextToInteger(AText, count))
            return erUnreadable;
        if (count <= 2)
            return erTooFewSides;
        AValue = static_cast<Extended>(count);
        return erValid;
    }
    if (AKind == ekChoice)
        return erUnreadable; // a choice has no text to read
    QString text = AText;
    // "*" before a radius marks the number as a diameter.
    const bool diameter = AKind == ekRadius && text.startsWith(QLatin1Char('*'));
    if (diameter)
        text.remove(0, 1);
    Extended value = 0;
    if (text.isEmpty())
        return erEmpty;
    const bool read = ALength == luFeetAndInches
                          ? ParseFeetAndInches(text, LocaleDecimalSeparator(), value)
                          : TryTextToExtended(text, value);
    if (!read || value < 0)
        return erUnreadable;
    if (value == 0)
        return erEmpty; // zero counts as not yet entered
    AValue = diameter ? value / 2 : value;
    return erValid;
}

std::optional<TDecimalNumber> TypedNumber(TEntryKind AKind, const QString& AText,
                                          TLengthUnit ALength) {
    if ((AKind != ekNumber && AKind != ekRadius) || ALength == luFeetAndInches)
        return std::nullopt;
    // As ReadEntryText reads it.
    QString text = AText;
    const bool diameter = AKind == ekRadius && text.startsWith(QLatin1Char('*'));
    if (diameter)
        text.remove(0, 1);
    text = text.trimmed();
    std::optional<TDecimalNumber> number =
        TDecimalNumber::Parse(text.toStdString(), DecimalSeparator());
    // A pasted number of hundreds of digits would hold a keystroke for a second
    // in the slow path: beyond MaxTypedDigits the program's digits stand.
    if (number && number->Digits().size() > MaxTypedDigits)
        return std::nullopt;
    if (number && diameter)
        number = number->Halved();
    return number;
}

void TTypedNumbers::Set(TEntry AEntry, const TDecimalNumber& ANumber) {
    for (auto& [entry, number] : FNumbers)
        if (entry == AEntry) {
            number = ANumber;
            return;
        }
    FNumbers.emplace_back(AEntry, ANumber);
}

const TDecimalNumber* TTypedNumbers::Find(TEntry AEntry) const {
    for (const auto& [entry, number] : FNumbers)
        if (entry == AEntry)
            return &number;
    return nullptr;
}

TEntryReading ReadChoice(int AItemIndex, Extended& AValue) {
    if (AItemIndex < 0)
        return erEmpty;
    AValue = AItemIndex;
    return erValid;
}

void TReadings::Note(TEntryReading AReading) {
    ++FCount;
    FEmpty = FEmpty || AReading == erEmpty;
    FUnreadable = FUnreadable || AReading == erUnreadable;
    FTooFewSides = FTooFewSides || AReading == erTooFewSides;
}

bool TReadings::Complete() const {
    return FCount > 0 && !FEmpty && !FUnreadable && !FTooFewSides;
}

TResultState TReadings::State() const {
    if (FUnreadable)
        return rsChyba_Z;
    if (FTooFewSides)
        return rsChyba_N;
    if (FEmpty)
        return rsNespocitano;
    return rsSpocitano;
}

// --- Building figures ---------------------------------------------------------------------

namespace {

std::atomic<long long> FiguresBuilt{0};

TSolidResult StateOnly(TResultState AState) {
    TSolidResult result;
    result.State = AState;
    return result;
}

// The program's maker for SolidBuilds::Build: the figure that ABuild
// constructs. The geometry model's refusal of dimensions that passed the
// reading is "Input error" (an overflow from extreme values), except that a
// solid's own refusal of its dimensions shows ARejection where the solid has
// a state of its own for it.
struct TProgramMaker {
    template <class TBuild>
    TSolidResult Make(TBuild ABuild, TResultState ARejection = rsChyba_Z) const {
        using TFigure = decltype(ABuild());
        try {
            ++FiguresBuilt;
            TSolidResult result;
            result.Figure = std::make_shared<const TFigure>(ABuild());
            result.State = rsSpocitano;
            return result;
        } catch (const EInvalidInputSolidFigures& AError) {
            return StateOnly(AError.NotFinite() ? rsChyba_Z : ARejection);
        } catch (const EInvalidInput&) {
            return StateOnly(rsChyba_Z);
        }
    }
    TSolidResult Refuse(TResultState AState) const { return StateOnly(AState); }
};

} // namespace

// --- Supplementary rows -------------------------------------------------------------------

namespace {

// One row of a kind of solid in the number type T: its item, and how its
// value comes from the figure (and the entries).
template <class T> struct TRowDesc {
    TText Row;
    std::function<T(const Figures::TSolidFigure<T>&, const TRowInputs<T>&)> Value;
};

template <class TFigure, class T> struct TTypedRow {
    TText Row;
    T (*Value)(const TFigure& AFigure, const TRowInputs<T>& AIn);
};

template <class TFigure, class T> const TFigure& As(const Figures::TSolidFigure<T>& AFigure) {
    const auto* figure = dynamic_cast<const TFigure*>(&AFigure);
    if (!figure)
        throw std::logic_error("The figure is not of the kind of its supplementary rows");
    return *figure;
}

// The rows of a figure of class TFigure, each written once as a generic lambda
// of the figure and the entries.
template <class TFigure, class T = std::decay_t<decltype(std::declval<TFigure>().Volume())>>
std::vector<TRowDesc<T>> RowsOf(std::initializer_list<TTypedRow<TFigure, T>> ARows) {
    std::vector<TRowDesc<T>> rows;
    for (const TTypedRow<TFigure, T>& row : ARows)
        rows.push_back({row.Row, [value = row.Value](const Figures::TSolidFigure<T>& AFigure,
                                                     const TRowInputs<T>& AIn) {
                            return value(As<TFigure>(AFigure), AIn);
                        }});
    return rows;
}

// An item of the supplementary data window: plain, or X(key, letters).
constexpr TText Item(const char* AKey, const char* ALetters = nullptr) {
    return {SupplementarySection, AKey, ALetters};
}

// The rows of every kind of solid, in the window's order.
template <class T> std::array<std::vector<TRowDesc<T>>, SolidTypeCount> MakeRowTables() {
    std::array<std::vector<TRowDesc<T>>, SolidTypeCount> t;
    t[stCube] = RowsOf<Figures::TCube<T>>({
        {Item("sDiagonalOfSolid"),
         [](const auto& ACube, const auto&) { return ACube.DiagonalOfSolid(); }},
        {Item("sDiagonalOfXFace", ""),
         [](const auto& ACube, const auto&) { return ACube.Face().Diagonal(); }},
        {Item("sAreaOfXFace", ""),
         [](const auto& ACube, const auto&) { return ACube.Face().Area(); }},
    });
    t[stBlock] = RowsOf<Figures::TBlock<T>>({
        {Item("sDiagonalOfSolid"),
         [](const auto& ABlock, const auto&) { return ABlock.DiagonalOfSolid(); }},
        {Item("sDiagonalOfXFace", "AB"),
         [](const auto& ABlock, const auto&) { return ABlock.FaceAB().Diagonal(); }},
        {Item("sDiagonalOfXFace", "BC"),
         [](const auto& ABlock, const auto&) { return ABlock.FaceBC().Diagonal(); }},
        {Item("sDiagonalOfXFace", "CA"),
         [](const auto& ABlock, const auto&) { return ABlock.FaceCA().Diagonal(); }},
        {Item("sAreaOfXFace", "AB"),
         [](const auto& ABlock, const auto&) { return ABlock.FaceAB().Area(); }},
        {Item("sAreaOfXFace", "BC"),
         [](const auto& ABlock, const auto&) { return ABlock.FaceBC().Area(); }},
        {Item("sAreaOfXFace", "CA"),
         [](const auto& ABlock, const auto&) { return ABlock.FaceCA().Area(); }},
    });
    t[stSphere] = {};
    t[stCone] = RowsOf<Figures::TCone<T>>({
        {Item("sSlantHeight"),
         [](const auto& ACone, const auto&) { return ACone.SlantHeight(); }},
        {Item("sAreaOfBase"),
         [](const auto& ACone, const auto&) { return ACone.Base().Area(); }},
        {Item("sAreaOfLateralSurface"),
         [](const auto& ACone, const auto&) { return ACone.LateralSurface().Area(); }},
    });
    t[stCylinder] = RowsOf<Figures::TCylinder<T>>({
        {Item("sAreaOfBase"),
         [](const auto& ACylinder, const auto&) { return ACylinder.Base().Area(); }},
        {Item("sAreaOfLateralSurface"),
         [](const auto& ACylinder, const auto&) {
             return ACylinder.LateralSurface().Area();
         }},
    });
    t[stPyramid_Tetrahedron] = RowsOf<Figures::TPyramid_Tetrahedron<T>>({
        {Item("sHeightOfSolid"), [](const auto& APyramid, const auto&) { return APyramid.Height(); }},
        {Item("sSlantHeight"),
         [](const auto& APyramid, const auto&) {
             return APyramid.Face().HeightOrMedian();
         }},
        {Item("sAreaOfXFace", ""), [](const auto& APyramid, const auto&) { return APyramid.Face().Area(); }},
    });
    t[stPyramid_Rectangle] = RowsOf<Figures::TPyramid_Rectangle<T>>({
        {Item("sSlantHeightByXSide", "A"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().FaceA.HeightOrMedianOnBase();
         }},
        {Item("sSlantHeightByXSide", "B"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().FaceB.HeightOrMedianOnBase();
         }},
        {Item("sAreaOfBase"), [](const auto& APyramid, const auto&) { return APyramid.Base().Area(); }},
        {Item("sAreaOfFaceByXSide", "A"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().FaceA.Area();
         }},
        {Item("sAreaOfFaceByXSide", "B"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().FaceB.Area();
         }},
        {Item("sAreaOfLateralSurface"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().Area;
         }},
    });
    t[stPyramid_NAngle] = RowsOf<Figures::TPyramid_NAngle<T>>({
        {Item("sSlantHeight"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().Face.HeightOrMedianOnBase();
         }},
        {Item("sAreaOfBase"), [](const auto& APyramid, const auto&) { return APyramid.Base().Area(); }},
        {Item("sAreaOfXFace", ""),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().Face.Area();
         }},
        {Item("sAreaOfLateralSurface"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().Area;
         }},
    });
    t[stPrism_Triangle] = RowsOf<Figures::TPrism_Triangle<T>>({
        {Item("sAreaOfBase"),
         [](const auto& APrism, const auto&) { return APrism.Base().Area(); }},
        {Item("sAreaOfFaceByXSide", "A"),
         [](const auto& APrism, const auto&) {
             return APrism.LateralSurface().FaceA.Area();
         }},
        {Item("sAreaOfFaceByXSide", "B"),
         [](const auto& APrism, const auto&) {
             return APrism.LateralSurface().FaceB.Area();
         }},
        {Item("sAreaOfFaceByXSide", "C"),
         [](const auto& APrism, const auto&) {
             return APrism.LateralSurface().FaceC.Area();
         }},
        {Item("sAreaOfLateralSurface"),
         [](const auto& APrism, const auto&) {
             return APrism.LateralSurface().Area;
         }},
    });
    t[stPrism_NAngle] = RowsOf<Figures::TPrism_NAngle<T>>({
        {Item("sAreaOfBase"),
         [](const auto& APrism, const auto&) { return APrism.Base().Area(); }},
        {Item("sAreaOfXFace", ""),
         [](const auto& APrism, const auto&) {
             return APrism.LateralSurface().Face.Area();
         }},
        {Item("sAreaOfLateralSurface"),
         [](const auto& APrism, const auto&) {
             return APrism.LateralSurface().Area;
         }},
    });
    t[stPrism_CircularRing] = RowsOf<Figures::TPrism_CircularRing<T>>({
        {Item("sAreaOfBase"), [](const auto& APrism, const auto&) { return APrism.Base().Area(); }},
        {Item("sAreaOfOuterLateralSurface"),
         [](const auto& APrism, const auto&) {
             return APrism.LateralSurface().OuterFace.Area();
         }},
        {Item("sAreaOfInnerLateralSurface"),
         [](const auto& APrism, const auto&) {
             return APrism.LateralSurface().InnerFace.Area();
         }},
    });
    t[stTruncatedCone] = RowsOf<Figures::TTruncatedCone<T>>({
        {Item("sSlantHeight"),
         [](const auto& ACone, const auto&) { return ACone.SlantHeight(); }},
        {Item("sAreaOfUpperBase"),
         [](const auto& ACone, const auto&) { return ACone.Base1().Area(); }},
        {Item("sAreaOfLowerBase"),
         [](const auto& ACone, const auto&) { return ACone.Base2().Area(); }},
        {Item("sAreaOfLateralSurface"),
         [](const auto& ACone, const auto&) {
             return ACone.LateralSurface().Area();
         }},
    });
    t[stTruncatedPyramid_Rectangle] = RowsOf<Figures::TTruncatedPyramid_Rectangle<T>>({
        {Item("sSlantHeightByXSide", "A"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().FaceA.Height();
         }},
        {Item("sSlantHeightByXSide", "B"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().FaceB.Height();
         }},
        {Item("sAreaOfUpperBase"), [](const auto& APyramid, const auto&) { return APyramid.Base1().Area(); }},
        {Item("sAreaOfLowerBase"), [](const auto& APyramid, const auto&) { return APyramid.Base2().Area(); }},
        {Item("sAreaOfFaceByXSide", "A"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().FaceA.Area();
         }},
        {Item("sAreaOfFaceByXSide", "B"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().FaceB.Area();
         }},
        {Item("sAreaOfLateralSurface"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().Area;
         }},
        // The lower base's sides: one is typed, the other follows from the
        // similar upper base and is shown nowhere else.
        {Item("sXSideOfLowerBase", "a"),
         [](const auto& APyramid, const auto&) {
             return APyramid.Base2().SideA();
         }},
        {Item("sXSideOfLowerBase", "b"),
         [](const auto& APyramid, const auto&) {
             return APyramid.Base2().SideB();
         }},
    });
    t[stTruncatedPyramid_NAngle] = RowsOf<Figures::TTruncatedPyramid_NAngle<T>>({
        {Item("sSlantHeight"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().Face.Height();
         }},
        {Item("sAreaOfUpperBase"), [](const auto& APyramid, const auto&) { return APyramid.Base1().Area(); }},
        {Item("sAreaOfLowerBase"), [](const auto& APyramid, const auto&) { return APyramid.Base2().Area(); }},
        {Item("sAreaOfXFace", ""),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().Face.Area();
         }},
        {Item("sAreaOfLateralSurface"),
         [](const auto& APyramid, const auto&) {
             return APyramid.LateralSurface().Area;
         }},
    });
    t[stCylindricalTank] = RowsOf<Figures::TCylindricalTank<T>>({
        {Item("sChordOfSegmentOfCircle"),
         [](const auto& ATank, const auto&) {
             return ATank.SideFace().Chord();
         }},
        {Item("sAreaOfSegmentOfCircle"),
         [](const auto& ATank, const auto&) {
             return ATank.SideFace().Area();
         }},
        {Item("sAreaOfLevelSurface"),
         [](const auto& ATank, const auto&) {
             return ATank.LateralSurface().SurfaceAtLevel.Area();
         }},
        {Item("sAreaOfCurvedSurface"),
         [](const auto& ATank, const auto&) {
             return ATank.LateralSurface().Sleeve.Area();
         }},
        {Item("sPercentageFillingOfTank"),
         [](const auto& ATank, const auto&) {
             return ATank.PercentageFilling();
         }},
        // What the tank holds when full: the level table's and the report's capacity.
        {Item("sVolumeOfFullTank"),
         [](const auto&, const auto& AIn) {
             return Figures::TankFullVolume(AIn[enCylindricalTank_R], AIn[enCylindricalTank_D]);
         }},
    });
    // The radius not given comes first.
    t[stSphericalSegment_RadiusOfSegment] = RowsOf<Figures::TSphericalSegment<T>>({
        {Item("sRadiusOfSphere"),
         [](const auto& ASegment, const auto&) {
             return ASegment.ParentSphere().Radius();
         }},
        {Item("sAreaOfSphericalCap"),
         [](const auto& ASegment, const auto&) {
             return ASegment.AreaOfSphericalCap();
         }},
        {Item("sAreaOfCircle"),
         [](const auto& ASegment, const auto&) {
             return ASegment.IntersectingSurface().Area();
         }},
        {Item("sPercentageFillingOfSphere"),
         [](const auto& ASegment, const auto&) {
             return ASegment.PercentageFilling();
         }},
    });
    t[stSphericalSegment_RadiusOfSphere] = RowsOf<Figures::TSphericalSegment<T>>({
        {Item("sRadiusOfSegment"),
         [](const auto& ASegment, const auto&) {
             return ASegment.IntersectingSurface().Radius();
         }},
        {Item("sAreaOfSphericalCap"),
         [](const auto& ASegment, const auto&) {
             return ASegment.AreaOfSphericalCap();
         }},
        {Item("sAreaOfCircle"),
         [](const auto& ASegment, const auto&) {
             return ASegment.IntersectingSurface().Area();
         }},
        {Item("sPercentageFillingOfSphere"),
         [](const auto& ASegment, const auto&) {
             return ASegment.PercentageFilling();
         }},
    });
    // A hemisphere has no cone: the flat circle takes its place. Above a hemisphere
    // the cone is taken away, which its negative volume shows.
    t[stSphericalSector] = RowsOf<Figures::TSphericalSector<T>>({
        {Item("sRadiusOfSphere"),
         [](const auto& ASector, const auto&) {
             return ASector.ParentSphere().Radius();
         }},
        {Item("sAreaOfSphericalCapOfSegmentPart"),
         [](const auto& ASector, const auto&) {
             return ASector.SphericalSegment().AreaOfSphericalCap();
         }},
        {Item("sAreaOfLateralSurfaceOfConePart"),
         [](const auto& ASector, const auto& AIn) {
             const T rho = AIn[enSphericalSector_Ro];
             return ASector.Cone() ? ASector.Cone()->LateralSurface().Area()
                                   : rho * rho * Figures::Pi<T>();
         }},
        {Item("sVolumeOfSegmentPart"),
         [](const auto& ASector, const auto&) {
             return ASector.SphericalSegment().Volume();
         }},
        {Item("sVolumeOfConePart"),
         [](const auto& ASector, const auto& AIn) -> T {
             if (!ASector.Cone())
                 return T(0);
             const bool belowHemisphere =
                 AIn[enSphericalSector_V] <= AIn[enSphericalSector_Ro];
             return belowHemisphere ? ASector.Cone()->Volume() : -ASector.Cone()->Volume();
         }},
        {Item("sPercentageFillingOfSphere"),
         [](const auto& ASector, const auto&) {
             return ASector.PercentageFilling();
         }},
    });
    t[stSphericalFrustum] = RowsOf<Figures::TSphericalFrustum<T>>({
        {Item("sRadiusOfSphere"),
         [](const auto& AFrustum, const auto&) {
             return AFrustum.ParentSphere().Radius();
         }},
        {Item("sAreaOfUpperCircle"), [](const auto& AFrustum, const auto&) { return AFrustum.Base1().Area(); }},
        {Item("sAreaOfLowerCircle"), [](const auto& AFrustum, const auto&) { return AFrustum.Base2().Area(); }},
        {Item("sAreaOfSphericalZone"),
         [](const auto& AFrustum, const auto&) {
             return AFrustum.AreaOfSphericalZone();
         }},
        {Item("sPercentageFillingOfSphere"),
         [](const auto& AFrustum, const auto&) {
             return AFrustum.PercentageFilling();
         }},
    });
    return t;
}

template <class T> const std::vector<TRowDesc<T>>& RowTable(TSolidType AType) {
    static const std::array<std::vector<TRowDesc<T>>, SolidTypeCount> tables = MakeRowTables<T>();
    return tables[AType];
}

// The entries' values, as the rows read them in Extended.
class TEntryInputs : public TRowInputs<Extended> {
public:
    explicit TEntryInputs(const TEntryValues& AValues) : FValues(AValues) {}
    Extended operator[](TEntry AEntry) const override { return FValues[AEntry]; }

private:
    const TEntryValues& FValues;
};

// The rows' keys say what they measure: "sAreaOf...", "sVolumeOf...",
// "sPercentageFilling...", and lengths (diagonals, heights, chords, radii).
TQuantityKind RowKind(const TText& ARow) {
    const QLatin1String key(ARow.Key);
    if (key.startsWith(QLatin1String("sArea")))
        return qkArea;
    if (key.startsWith(QLatin1String("sVolume")))
        return qkVolume;
    if (key.startsWith(QLatin1String("sPercentage")))
        return qkPercentage;
    return qkLength;
}

bool SameText(const char* AText1, const char* AText2) {
    if (!AText1 || !AText2)
        return AText1 == AText2;
    return std::strcmp(AText1, AText2) == 0;
}

} // namespace

TQuantityKind SupplementaryRowKind(const TText& ARow) {
    return RowKind(ARow);
}

QString TSupplementaryValue::Id() const {
    return QString::fromStdString(QuantityId(Row));
}

bool SameRow(const TText& ARow1, const TText& ARow2) {
    return SameText(ARow1.Key, ARow2.Key) && SameText(ARow1.Letters, ARow2.Letters);
}

std::vector<TText> SupplementaryRows(TSolidType AType) {
    std::vector<TText> rows;
    for (const TRowDesc<Extended>& row : RowTable<Extended>(AType))
        rows.push_back(row.Row);
    return rows;
}

std::vector<TSupplementaryValue> SupplementaryValues(TSolidType AType, const TSolidFigure& AFigure,
                                                     const TEntryValues& AValues) {
    const TEntryInputs inputs(AValues);
    std::vector<TSupplementaryValue> values;
    for (const TRowDesc<Extended>& row : RowTable<Extended>(AType))
        values.push_back({row.Row, row.Value(AFigure, inputs), RowKind(row.Row)});
    return values;
}

template <class T>
std::vector<T> SupplementaryRowValues(TSolidType AType, const Figures::TSolidFigure<T>& AFigure,
                                      const TRowInputs<T>& AIn) {
    std::vector<T> values;
    for (const TRowDesc<T>& row : RowTable<T>(AType))
        values.push_back(row.Value(AFigure, AIn));
    return values;
}

template std::vector<Extended> SupplementaryRowValues(TSolidType, const Figures::TSolidFigure<Extended>&,
                                                      const TRowInputs<Extended>&);
template std::vector<TBounded> SupplementaryRowValues(TSolidType, const Figures::TSolidFigure<TBounded>&,
                                                      const TRowInputs<TBounded>&);
template std::vector<TInterval> SupplementaryRowValues(TSolidType,
                                                       const Figures::TSolidFigure<TInterval>&,
                                                       const TRowInputs<TInterval>&);

// --- The mass ---------------------------------------------------------------------------------

TPresetDensity ReadPresetDensity() {
    TPresetDensity density;
    TSettingsStore reg(SettingsKeys::Settings);
    if (!reg.ReadBool(QString(), SettingNames::UsePresetDensity, false))
        return density;
    const QString text = reg.ReadString(QString(), SettingNames::PresetDensity, QString());
    Extended value = 0;
    if (!TryTextToExtended(text, value)) {
        density.Unreadable = true;
        return density;
    }
    density.Use = true;
    density.Value = value;
    density.Typed = TypedNumber(ekNumber, text);
    // The settings dialog refuses such a density; one stored another way gets the
    // mass row's own state.
    density.Refused = !std::isfinite(value) || value <= 0;
    return density;
}

TPresetDensity MassDensity(TLengthUnit ALength, const QList<TMaterial>& AMaterials) {
    if (ALength == luNone)
        return ReadPresetDensity();
    const int chosen = FindMaterial(AMaterials, ChosenMaterialKey());
    // A material no longer offered (an own one removed) is Custom again.
    const int index = chosen >= 0 ? chosen : FindMaterial(AMaterials, MaterialKeys::Custom);
    if (index < 0)
        return ReadPresetDensity();
    const TMaterial& material = AMaterials.at(index);
    TPresetDensity density;
    if (material.Kind == mkCustom) {
        density = ReadPresetDensity();
    } else {
        density.Use = true;
        density.Value = material.Density;
    }
    density.Material = material;
    return density;
}

TPresetDensity ReadMassDensity(TLengthUnit ALength, const QList<TShippedMaterial>& AShipped) {
    if (ALength == luNone)
        return ReadPresetDensity();
    return MassDensity(ALength, MaterialList(AShipped, ActiveLanguageCode()));
}

TMass MassAt(const TSolidFigure& AFigure, const TPresetDensity& ADensity) {
    TMass mass;
    mass.Density = ADensity.Value;
    mass.Refused = ADensity.Refused;
    mass.Material = ADensity.Material;
    if (mass.Refused)
        return mass;
    // A mass beyond the range of Extended is no number to show.
    try {
        const Extended value = AFigure.Mass(ADensity.Value);
        if (std::isfinite(value))
            mass.Value = value;
    } catch (const EInvalidInputSolidFigures&) {
    }
    return mass;
}

// --- Calculating ---------------------------------------------------------------------------

TSolidResult StateResult(TVariant AVariant, TResultState AState, const TEntryValues& AValues) {
    TSolidResult result = StateOnly(AState);
    result.Variant = AVariant;
    result.Entries = AValues;
    return result;
}

TSolidResult CalculateSolid(TVariant AVariant, const TEntryValues& AValues) {
    const TVariantDesc& variant = VariantDesc(AVariant);
    // A page whose variant is still to be chosen has no solid yet.
    if (variant.SolidType == stNone)
        return StateResult(AVariant, rsNespocitano, AValues);
    const TProgramMaker maker;
    TSolidResult result = SolidBuilds::Build(AVariant, AValues, AValues, maker);
    result.Variant = AVariant;
    result.Entries = AValues;
    if (result.Figure) {
        result.Volume = result.Figure->Volume();
        result.Area = result.Figure->Area();
        result.SupplementaryValues =
            SupplementaryValues(variant.SolidType, *result.Figure, AValues);
    }
    return result;
}

namespace {

// AResult decided for the typed numbers of its lengths: whether they make a
// figure is theirs to say, at the default form, so that every view shows the
// same. A figure they make though the program refuses its 80-bit images (a
// triangle flatter than 80 bits can tell) takes the Extended values nearest
// to the exact ones, and has no figure object: no mass and no drawing.
TSolidResult CertifiedResult(TSolidResult AResult, const TTypedNumbers& ATyped,
                             const TPresetDensity& ADensity) {
    // The mass is certified where it is the bare volume times a typed density.
    const bool mass = ADensity.Use && !ADensity.Refused && ADensity.Typed &&
                      !ADensity.Material && ADensity.Typed->Rounded() == ADensity.Value;
    auto certified = TCertifiedQuantities::Make(AResult.Variant, AResult.Entries, ATyped,
                                                mass ? &*ADensity.Typed : nullptr);
    if (!certified)
        return AResult;
    const TCertifiedShown& shown = certified->At(TNumberForm());
    if (shown.State != rsSpocitano)
        return StateResult(AResult.Variant, shown.State, AResult.Entries);
    if (!AResult.Figure) {
        const std::vector<TText> rows = SupplementaryRows(VariantDesc(AResult.Variant).SolidType);
        if (shown.Calculated.size() < rows.size() + 2)
            return AResult; // undecided: the program's refusal stands
        AResult.State = rsSpocitano;
        AResult.Volume = shown.Calculated[0];
        AResult.Area = shown.Calculated[1];
        for (std::size_t i = 0; i < rows.size(); ++i)
            AResult.SupplementaryValues.push_back(
                {rows[i], shown.Calculated[i + 2], RowKind(rows[i])});
    }
    AResult.Certified = std::move(certified);
    return AResult;
}

} // namespace

TSolidResult CalculateSolid(TVariant AVariant, const TEntryValues& AValues,
                            const TPresetDensity& ADensity, const TTypedNumbers* ATyped) {
    TSolidResult result = CalculateSolid(AVariant, AValues);
    if (ATyped && VariantDesc(AVariant).SolidType != stNone)
        result = CertifiedResult(std::move(result), *ATyped, ADensity);
    if (result.Figure && ADensity.Use)
        result.Mass = MassAt(*result.Figure, ADensity);
    return result;
}

long long BuiltFigureCount() {
    return FiguresBuilt;
}
