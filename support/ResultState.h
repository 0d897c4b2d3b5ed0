// The states of the results panel: what a calculation shows instead of the volume
// and the area while the entries give no figure. The names are the design's, in
// Czech: "spočítáno" computed, "nespočítáno" not computed, "chyba" error (the
// glossary in CONTRIBUTING.md gives each one).
#pragma once

// The number form the results are written in (TNumberForm) goes with them.
#include "NumberFormat.h"

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

// The fixed text of a state (the same in every language); empty for rsSpocitano.
QString ResultStateText(TResultState AState);
