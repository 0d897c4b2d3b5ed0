// The states of the results panel: what a calculation shows instead of the volume
// and the area while the entries give no figure.
#pragma once

#include "MathFunctions.h"

#include <QString>

#include <cstdint>

enum TResultState : std::uint8_t {
    rsNespocitano, // "---": some entry empty or zero
    rsChyba_Z,     // "Input error": some entry unreadable or negative
    rsChyba_V,     // "v < 2r"
    rsChyba_T,     // "a + b > c ..."
    rsChyba_N,     // "n > 2"
    rsChyba_C,     // "h < 2r"
    rsChyba_CR,    // "r1 > r2"
    rsChyba_TC,    // "r1 <> r2"
    rsChyba_TPa,   // "a1 <> a2"
    rsChyba_TPb,   // "b1 <> b2"
    rsSpocitano    // the two numbers are shown
};

// How the results are written: the panel's precision and number form.
struct TNumberForm {
    TPrecision Precision = 2;
    bool Semilogarithmic = false;
    bool operator==(const TNumberForm& AOther) const {
        return Precision == AOther.Precision && Semilogarithmic == AOther.Semilogarithmic;
    }
};

// The fixed text of a state (the same in every language); empty for rsSpocitano.
QString ResultStateText(TResultState AState);
