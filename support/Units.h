// Units of lengths, areas, volumes and masses: the ids that the settings and the
// command line use, the symbols shown beside numbers, and exact conversions.
//
// Every unit is defined by its exact definition in metres, square metres, cubic
// metres or kilograms (inch = 0.0254 m, foot = 12 in, US gallon = 231 in³, pound =
// 0.45359237 kg, ...), kept as an exact fraction. The factor between two units is
// the exact ratio of their definitions, and Convert rounds a value times that
// ratio once: the result is the Extended nearest to the exact product.
//
// A figure is calculated in the length unit of its entries; its areas and volumes
// are in that unit squared and cubed, and are converted for showing:
//
//     const Extended litres = Convert(volume, VolumeFactor(luCentimetre, vuLitre));
//
// "none" is a bare number, as the program has always shown it: no factor
// converts to or from it. Feet-and-inches is a length unit whose numbers are
// inches, typed and shown as 6' 3.5" (FeetAndInchesText, ParseFeetAndInches).
#pragma once

#include "MathFunctions.h"

#include <QChar>
#include <QString>

#include <cstdint>

enum TLengthUnit : std::uint8_t {
    luNone,
    luMillimetre,
    luCentimetre,
    luDecimetre,
    luMetre,
    luKilometre,
    luInch,
    luFoot,
    luYard,
    luFeetAndInches // numbers in inches, shown as 7' 6.55"
};

enum TAreaUnit : std::uint8_t {
    auNone,
    auSquareMillimetre,
    auSquareCentimetre,
    auSquareDecimetre,
    auSquareMetre,
    auSquareKilometre,
    auHectare,
    auSquareInch,
    auSquareFoot,
    auSquareYard,
    auAcre
};

enum TVolumeUnit : std::uint8_t {
    vuNone,
    vuCubicMillimetre,
    vuCubicCentimetre,
    vuMillilitre,
    vuCubicDecimetre,
    vuLitre,
    vuHectolitre,
    vuCubicMetre,
    vuCubicInch,
    vuCubicFoot,
    vuCubicYard,
    vuUSGallon,
    vuImperialGallon,
    vuUSOilBarrel
};

enum TMassUnit : std::uint8_t { muGram, muKilogram, muTonne, muOunce, muPound };

// How many units of each kind there are: the enum values run from 0 to Count - 1.
constexpr int LengthUnitCount = luFeetAndInches + 1;
constexpr int AreaUnitCount = auAcre + 1;
constexpr int VolumeUnitCount = vuUSOilBarrel + 1;
constexpr int MassUnitCount = muPound + 1;

// The id of a unit in the settings and on the command line: lower-case ASCII, one
// word ("none", "mm", "ftin", "m2", "l", "gal", "impgal", "bbl", "lb").
QString UnitId(TLengthUnit AUnit);
QString UnitId(TAreaUnit AUnit);
QString UnitId(TVolumeUnit AUnit);
QString UnitId(TMassUnit AUnit);

// The symbol shown after a number ("mm", "m²", "L", "US gal", "lb"); empty for
// "none". Feet-and-inches has "ft-in", for headings: its numbers carry their marks.
QString UnitSymbol(TLengthUnit AUnit);
QString UnitSymbol(TAreaUnit AUnit);
QString UnitSymbol(TVolumeUnit AUnit);
QString UnitSymbol(TMassUnit AUnit);

// The unit whose id or symbol AText is, in any letter case ("L", "l", "m3", "m³");
// false, AUnit unchanged, for any other text.
bool FindUnit(const QString& AText, TLengthUnit& AUnit);
bool FindUnit(const QString& AText, TAreaUnit& AUnit);
bool FindUnit(const QString& AText, TVolumeUnit& AUnit);
bool FindUnit(const QString& AText, TMassUnit& AUnit);

// The ids of every unit of a kind in the enum's order, separated by ", ", for the
// messages that name the known ones.
QString LengthUnitIds();
QString AreaUnitIds();
QString VolumeUnitIds();
QString MassUnitIds();

// An exact positive factor Numerator / Denominator * 2^Exponent, both odd or the
// fraction 1/1.
struct TUnitFactor {
    std::uint64_t Numerator = 1;
    std::uint64_t Denominator = 1;
    int Exponent = 0;

    bool operator==(const TUnitFactor& AOther) const {
        return Numerator == AOther.Numerator && Denominator == AOther.Denominator &&
               Exponent == AOther.Exponent;
    }
    bool operator!=(const TUnitFactor& AOther) const { return !(*this == AOther); }
};

// What a value in AFrom is multiplied by to be in ATo. A factor to or from "none"
// is 1: a bare number stays as it is.
TUnitFactor LengthFactor(TLengthUnit AFrom, TLengthUnit ATo);
TUnitFactor AreaFactor(TAreaUnit AFrom, TAreaUnit ATo);
TUnitFactor VolumeFactor(TVolumeUnit AFrom, TVolumeUnit ATo);
TUnitFactor MassFactor(TMassUnit AFrom, TMassUnit ATo);
// An area in the square of ALength, a volume in its cube, into ATo.
TUnitFactor AreaFactor(TLengthUnit ALength, TAreaUnit ATo);
TUnitFactor VolumeFactor(TLengthUnit ALength, TVolumeUnit ATo);
// A volume in the cube of ALength times a density in kg/m³, into a mass in ATo.
TUnitFactor MassFactor(TLengthUnit ALength, TMassUnit ATo);

// What a value in ATo is multiplied by to be in AFrom again.
TUnitFactor InverseFactor(const TUnitFactor& AFactor);

// AValue * AFactor, rounded once to the nearest Extended (ties to even) wherever
// the result is in the normal range; zeros, infinities and NaNs pass unchanged.
Extended Convert(Extended AValue, const TUnitFactor& AFactor);

// --- Lengths as typed ------------------------------------------------------------

// Why a length text was not read.
enum TLengthParse : std::uint8_t {
    lpOk,
    lpNotANumber,  // no number, or a number that is not written right
    lpUnknownUnit, // a word after the number that is no length unit
};

// A length and the unit it was written in; a number without a unit has luNone,
// and feet-and-inches (6' 3.5", 6ft3.5in) a value in inches.
struct TLength {
    Extended Value = 0;
    TLengthUnit Unit = luNone;
};

// Reads a length that may carry its unit: "10cm", "2.5 in", "1e3mm", "1200 mm",
// "6ft3.5in", "6ft 3 1/2in", or feet-and-inches with marks ("6' 3.5"", "6'",
// "3 1/2"", "6'3"", where the inches after feet may go without their mark; the
// marks ′ and ″ too). Numbers use ASeparator and may be fractions ("1/2") or a
// whole number and a fraction ("3 1/2"); blanks may stand between the parts; an
// optional sign leads the whole text. A unit is any length id or symbol but "none"
// and "ftin", in any letter case. On lpUnknownUnit AUnknownUnit (when given) gets
// the word that is no unit. ALength is only written on lpOk.
TLengthParse ParseLength(const QString& AText, QChar ASeparator, TLength& ALength,
                         QString* AUnknownUnit = nullptr);

// A length typed into an entry in feet-and-inches: marks only, no words and no
// exponent; a number without a mark is feet ("6" is 6'). AInches gets the length
// in inches; false, AInches unchanged, when the text is no such length.
bool ParseFeetAndInches(const QString& AText, QChar ASeparator, Extended& AInches);

// A length in inches as feet and inches, "7' 6.55"": whole feet, a blank, then the
// inches below 12 with APrecision decimals (RoundToStr, its separator and zero
// padding; fewer where its 15 digits run out); inches that round to 12 carry
// into the feet ("8' 0.00"", never "7' 12.00""). A negative length has its sign in front. Feet of 10^15 or more
// are shown alone, in RoundToStr's form with the foot mark ("1.2E16'").
QString FeetAndInchesText(Extended AInches, TPrecision APrecision, bool AZeroPadding = true);

// ANumber followed by a blank and ASymbol; ANumber alone when ASymbol is empty.
QString WithUnit(const QString& ANumber, const QString& ASymbol);

// --- The chosen units -------------------------------------------------------------

// The units a figure's quantities are shown in. The defaults are the program as it
// has always been: bare numbers, and a mass in kilograms once a length has a unit.
struct TUnitChoice {
    TLengthUnit Length = luNone;
    TAreaUnit Area = auNone;
    TVolumeUnit Volume = vuNone;
    TMassUnit Mass = muKilogram;

    bool operator==(const TUnitChoice& AOther) const {
        return Length == AOther.Length && Area == AOther.Area && Volume == AOther.Volume &&
               Mass == AOther.Mass;
    }
    bool operator!=(const TUnitChoice& AOther) const { return !(*this == AOther); }
};

// The choice stored under SettingsKeys::Settings (SettingNames::LengthUnit,
// AreaUnit, VolumeUnit, MassUnit, each a unit id); a missing or unknown id reads as
// its default.
TUnitChoice ReadUnitChoice();
void WriteUnitChoice(const TUnitChoice& AChoice);

// A quantity of a figure calculated in AChoice.Length, as it is shown: the number
// in the unit it is shown in, and that unit's symbol (empty for a bare number).
// FeetAndInches: Value is inches, to be written by FeetAndInchesText.
struct TShownQuantity {
    Extended Value = 0;
    QString Symbol;
    bool FeetAndInches = false;
};

// A length keeps the entries' unit. With a bare length, areas, volumes and masses
// are bare too (a mass is then AVolume * ADensity, as the program has always
// computed it); otherwise they are converted into the chosen units, and ADensity
// is in kg/m³.
TShownQuantity ShownLength(Extended ALength, const TUnitChoice& AChoice);
TShownQuantity ShownArea(Extended AArea, const TUnitChoice& AChoice);
TShownQuantity ShownVolume(Extended AVolume, const TUnitChoice& AChoice);
TShownQuantity ShownMass(Extended AVolume, Extended ADensity, const TUnitChoice& AChoice);

// What a quantity of a figure measures: its unit follows from it.
enum TQuantityKind : std::uint8_t { qkLength, qkArea, qkVolume, qkPercentage };

// A quantity of a figure whose entries were in AFrom, shown in AChoice: the
// same as above when AFrom is AChoice.Length, converted from AFrom's lengths,
// areas and volumes otherwise. A figure of bare entries (AFrom luNone) takes
// AChoice.Length as its unit: there is nothing to convert from. A percentage
// stays as it is (its name says "%").
TShownQuantity ShownQuantity(Extended AValue, TQuantityKind AKind, TLengthUnit AFrom,
                             const TUnitChoice& AChoice);
// A mass of such a figure: AMass is its volume in AFrom's cube times a density
// in kg/m³, converted into AChoice.Mass; bare while lengths are.
TShownQuantity ShownMassOf(Extended AMass, TLengthUnit AFrom, const TUnitChoice& AChoice);

// The id a program reads with a shown quantity ("cm", "m2", "l", "kg", "%"; "in"
// for feet and inches, whose value is inches; an area or volume shown bare with a
// length unit is in its square or cube, "cm2", "cm3"); empty while lengths are bare.
QString ShownUnitId(TQuantityKind AKind, const TUnitChoice& AChoice);
QString ShownMassUnitId(const TUnitChoice& AChoice);

// A shown quantity's text at APrecision: the number (QuantityText) and its
// symbol, or feet and inches ("7' 6.55"").
QString ShownText(const TShownQuantity& AQuantity, TPrecision APrecision);

// A length in AUnit as an entry takes it back: 15 significant digits in the
// user's form, trailing zeros dropped ("3.93700787401575"); feet and inches
// (AValue in inches) as 6' 3.5" or 3.5" below a foot. Empty for a value that
// is not finite.
QString LengthEntryText(Extended AValue, TLengthUnit AUnit);

// ALength in AFrom, in ATo: converted, or as it is where either is luNone.
Extended ConvertLength(Extended ALength, TLengthUnit AFrom, TLengthUnit ATo);
