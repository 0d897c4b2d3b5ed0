// The thirteen solids of the computation window, each described once, as data:
// a page's entries; its variants (which entries each one shows, where, under
// which caption and draft letter, which kind of solid and which pictures it
// stands for, which entry takes the focus); and the controls that choose a
// variant. How a page builds its solid is in SolidBuilds.h. The window builds its
// pages, captions, letters, pictures, focus and supplementary rows from this
// description; nothing here needs a widget or a language file, so a command-line
// calculator or a text report can read it just as well.
//
// Texts are named by their language file keys (TText). A caption "X(key, letters)"
// is the key's text with the letters put in place of its "$" (FillPlaceholder,
// PageTexts.h); a plain caption is the key's text as it stands.
//
// Adding a solid: a page, its entries and variants here (and their tables in
// SolidPages.cpp), how it builds its solid in SolidBuilds.h, its supplementary
// rows in SolidHandlers.cpp; the
// formula sheet, the report, the command line and the benchmarks list it from
// here (CONTRIBUTING.md names what else it needs).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// --- Identifiers ------------------------------------------------------------------

// The pages, in the order of the main window's solid buttons (their tags).
enum TPage : std::uint8_t {
    pgCube,
    pgBlock,
    pgSphere,
    pgCone,
    pgCylinder,
    pgPyramid,
    pgPrism,
    pgTruncatedCone,
    pgTruncatedPyramid,
    pgCylindricalTank,
    pgSphericalSegment,
    pgSphericalSector,
    pgSphericalFrustum,
    PageCount
};

// Every entry of every page, named as its control ("Cone_R" is enCone_R), in page
// order and, within a page, in the order its handler reads them.
enum TEntry : std::uint8_t {
    enCube_A,
    enBlock_A,
    enBlock_B,
    enBlock_C,
    enSphere_R,
    enCone_R,
    enCone_V,
    enCylinder_R,
    enCylinder_V,
    enPyramid_N,
    enPyramid_A,
    enPyramid_B,
    enPyramid_V,
    enPrism_N,
    enPrism_E1,
    enPrism_E2,
    enPrism_E3,
    enPrism_V,
    enTruncatedCone_R2,
    enTruncatedCone_R1,
    enTruncatedCone_V,
    enTruncatedPyramid_N,
    enTruncatedPyramid_E1,
    enTruncatedPyramid_E2,
    enTruncatedPyramid_E3,
    enTruncatedPyramid_V,
    enTruncatedPyramid_Side,
    enCylindricalTank_R,
    enCylindricalTank_H,
    enCylindricalTank_D,
    enSphericalSegment_R,
    enSphericalSegment_V,
    enSphericalSector_Ro,
    enSphericalSector_V,
    enSphericalFrustum_Ro2,
    enSphericalFrustum_Ro1,
    enSphericalFrustum_V,
    EntryCount,
    enNone = EntryCount
};

// The controls that choose a page's variant (none of them is an entry).
enum TVariantControl : std::uint8_t {
    vcPyramid_Tetrahedron,
    vcPyramid_Base,
    vcPrism_Base,
    vcTruncatedPyramid_Base,
    vcSphericalSegment_RadiusOfSegment,
    vcSphericalSegment_RadiusOfSphere,
    VariantControlCount,
    vcNone = VariantControlCount
};

// Every variant of every page: what one state of a page's variant controls shows.
// A page without variant controls has one variant; a page whose variant the user
// has still to choose starts in its "_None" variant, which shows no entry.
enum TVariant : std::uint8_t {
    vaCube,
    vaBlock,
    vaSphere,
    vaCone,
    vaCylinder,
    vaPyramid_Tetrahedron,
    vaPyramid_Square,
    vaPyramid_Rectangle,
    vaPyramid_EquilateralTriangle,
    vaPyramid_NAngle,
    vaPyramid_None,
    vaPrism_Triangle,
    vaPrism_NAngle,
    vaPrism_CircularRing,
    vaPrism_None,
    vaTruncatedCone,
    vaTruncatedPyramid_Square,
    vaTruncatedPyramid_Rectangle,
    vaTruncatedPyramid_EquilateralTriangle,
    vaTruncatedPyramid_NAngle,
    vaTruncatedPyramid_None,
    vaCylindricalTank,
    vaSphericalSegment_RadiusOfSegment,
    vaSphericalSegment_RadiusOfSphere,
    vaSphericalSector,
    vaSphericalFrustum,
    VariantCount
};

// The kind of solid (and variant) whose rows the supplementary data window shows.
enum TSolidType : std::uint8_t {
    stNone,
    stCube,
    stBlock,
    stSphere,
    stCone,
    stCylinder,
    stPyramid_Tetrahedron,
    stPyramid_Rectangle,
    stPyramid_NAngle,
    stPrism_Triangle,
    stPrism_NAngle,
    stPrism_CircularRing,
    stTruncatedCone,
    stTruncatedPyramid_Rectangle,
    stTruncatedPyramid_NAngle,
    stCylindricalTank,
    stSphericalSegment_RadiusOfSegment,
    stSphericalSegment_RadiusOfSphere,
    stSphericalSector,
    stSphericalFrustum,
    SolidTypeCount
};

// --- Building blocks ----------------------------------------------------------------

// A read-only view of a table: the description's lists are static arrays.
template <class T> class TSpan {
public:
    constexpr TSpan() = default;
    template <std::size_t N> constexpr TSpan(const T (&AItems)[N]) : FData(AItems), FSize(N) {}
    constexpr const T* begin() const { return FData; }
    constexpr const T* end() const { return FData + FSize; }
    constexpr std::size_t size() const { return FSize; }
    constexpr bool empty() const { return FSize == 0; }
    constexpr const T& operator[](std::size_t AIndex) const { return FData[AIndex]; }

private:
    const T* FData = nullptr;
    std::size_t FSize = 0;
};

// A text of the active language file: Key in Section. With Letters (even ""), the
// text is filled as X(Key, Letters); with Key2, a blank and Key2's text follow.
struct TText {
    const char* Section = nullptr;
    const char* Key = nullptr;
    const char* Letters = nullptr;
    const char* Key2 = nullptr;
};

inline constexpr const char* ComputationsSection = "TFormComputations";
inline constexpr const char* SupplementarySection = "TFormSupplementaryData";

// A caption of the computation window: plain, or X(key, letters).
constexpr TText Caption(const char* AKey) {
    return {ComputationsSection, AKey};
}
constexpr TText CaptionX(const char* AKey, const char* ALetters) {
    return {ComputationsSection, AKey, ALetters};
}

// The symbol beside an entry, as the draft letters the entry's quantity. Glyph
// "ρ" (Greek rho) is drawn as a picture, every other glyph as text. The letter's
// control is named after the entry ("Cone_R" + "_EL") unless Label names another;
// the subscript's control is the entry's name + "i_EL".
struct TLetter {
    // None: the entry has no letter, unless its place is ChosenBy a choice.
    const char* Glyph = nullptr;
    const char* Subscript = nullptr;
    const char* Label = nullptr;
    // The subscript stands 2 pixels closer to a narrow glyph ("r").
    bool NarrowGlyph = false;
};

inline constexpr const char* Rho = "ρ";

// --- Entries ------------------------------------------------------------------------

// How an entry's text is read (Part of the calculation cycle: ReadEntryText).
enum TEntryKind : std::uint8_t {
    ekNumber, // a positive number
    ekRadius, // a positive number, or "*" and a diameter (halved)
    ekCount,  // a whole number of edges, above 2, with an up-down spinner beside it
    ekChoice  // a list whose chosen item index is the value
};

// Geometry shared by every entry of every page.
inline constexpr int EntryLeft = 134;
inline constexpr int EntryWidth = 121;
inline constexpr int EntryHeight = 21;
inline constexpr int ChoiceWidth = 40;

struct TEntryDesc {
    TEntry Id;
    TPage Page;
    const char* Name; // the control's name
    TEntryKind Kind;
    // A choice's fixed items (the same in every language).
    TSpan<const char*> Items = {};
    int Left = EntryLeft;
    int Width = EntryWidth;
};

// --- Variant controls -----------------------------------------------------------------

enum TVariantControlKind : std::uint8_t {
    vkCheckBox, // a check box with a caption label that toggles it
    vkList,     // a drop-down list with its caption label left of it; nothing chosen at start
    vkRadio     // a radio button with a caption label that checks it
};

struct TVariantControlDesc {
    TVariantControl Id;
    TPage Page;
    TVariantControlKind Kind;
    const char* Name;        // the control's name
    const char* CaptionName; // its caption label's name
    TText Caption;
    int Left, Top;
    int Width = 0;           // lists only
    TSpan<TText> Items = {}; // lists only
    // A check box that, when it changes, empties this list and enables it only
    // while the box is unchecked.
    TVariantControl Clears = vcNone;
    bool Checked = false; // a radio button checked at start
};

// --- Variants -------------------------------------------------------------------------

// An entry as a variant shows it.
struct TEntryPlace {
    TEntry Entry;
    int Top;
    TText Caption = {}; // none for a choice
    TLetter Letter = {};
    // A count that the variant fixes: shown disabled, holding this number; 0: free.
    int FixedCount = 0;
    // The choice entry whose chosen item ("a", "b") fills this entry's caption and
    // letter; the letter then stands right of the choice, and shows only while an
    // item is chosen.
    TEntry ChosenBy = enNone;
};

// Which value of a variant control chooses a variant: a check box or radio button
// checked (1), a list's item index.
struct TSelector {
    TVariantControl Control = vcNone; // none: the page's starting variant
    int Value = 0;
};

struct TVariantDesc {
    TVariant Id;
    TPage Page;
    TSelector Selector;
    TSolidType SolidType;
    // The name of the draft picture and the formula picture; "" while the page's
    // variant is still to be chosen.
    const char* PictureName;
    TSpan<TEntryPlace> Entries; // the entries shown, top to bottom
    // The entry that takes the focus when the entries are cleared; none: the focus stays.
    TEntry FirstEntry;
    // The variant's name in control names ("Pyramid_Square": the formula sheet's
    // "Pyramid_SquareLbl" and "Pyramid_SquareImg"), as its identifier reads.
    const char* Name = nullptr;
    // Its name on the command line ("square"); none on a page without variant
    // controls and for the variant still to be chosen.
    const char* CommandName = nullptr;
};

// --- Pages ------------------------------------------------------------------------------

struct TPageDesc {
    TPage Id;
    const char* Name;                // the page's name: "pg" and the solid's ("pgCube")
    TSpan<TEntry> Entries;           // every entry of the page, in reading order
    TSpan<TVariantControl> Controls; // the variant controls, in creation order
    TSpan<TVariant> Variants;        // in the order they are tested (TSelector)
    TVariant StartVariant;           // what the page shows when it opens
    // The formula picture while the variant shows no picture; nullptr: none.
    const char* GeneralFormula;
    // The solid's name as the user reads it: the main window's button, the
    // formula sheet's caption, the report.
    TText Title = {};
    // The solid's name on the command line ("cube", "truncated-cone").
    const char* CommandName = nullptr;

    // The solid's name in control names ("Cube": "BCube", "CubeLbl").
    constexpr const char* Solid() const { return Name + 2; }
};

// --- The description ------------------------------------------------------------------------

const TPageDesc& PageDesc(TPage APage);
const TEntryDesc& EntryDesc(TEntry AEntry);
const TVariantDesc& VariantDesc(TVariant AVariant);
const TVariantControlDesc& VariantControlDesc(TVariantControl AControl);

// The variant that the state of the page's variant controls chooses: the first of
// the page's variants whose selector matches (AValueOf gives a control's value: 1
// for a checked box or button, 0 unchecked, a list's item index, -1 for none), else
// the page's starting variant.
TVariant ChosenVariant(TPage APage, const std::function<int(TVariantControl)>& AValueOf);

// Where AEntry stands in AVariant; nullptr when the variant does not show it.
const TEntryPlace* PlaceOf(TVariant AVariant, TEntry AEntry);

// Whether APlace has a letter beside its entry.
bool HasLetter(const TEntryPlace& APlace);
// The names of the controls that show APlace's letter and its subscript.
std::string LetterLabelName(const TEntryPlace& APlace);
std::string SubscriptLabelName(TEntry AEntry);
