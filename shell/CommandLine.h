// Calculation from the command line: "Kavorin --calc cone r=3 v=4" prints the
// solid's quantities without opening a window, "--list" names every solid,
// variant and entry, "--help" explains the rest. It runs with Qt's non-GUI
// application object, so it needs no display, and it touches neither the stored
// window position nor the running-instance lock.
#pragma once

#include "SolidPages.h"

#include <QString>

#include <vector>

// Whether the arguments are for the command line: any argument but Qt's own
// options for the windows ("-platform NAME", "-style=fusion"), a wrong one
// included. The program then runs RunCommandLine instead of its window, so that
// no command-line call needs a display.
bool IsCommandLineCall(int argc, char* argv[]);

// Creates the application object and the language manager, does what the
// arguments ask (--calc, --list, --help, --version) and returns the exit status:
// 0 done, 2 a wrong argument or an invalid figure (a one-line message on standard
// error says what is wrong), 1 no language file.
int RunCommandLine(int argc, char* argv[]);

// The command line's names of the solids and variants: simple lowercase words,
// the page description's CommandName.
QString CommandLineSolidName(TPage APage);
// Empty for the variant of a page without variant controls and for a variant
// still to be chosen.
QString CommandLineVariantName(TVariant AVariant);

// An entry as the command line names it: the draft letter ("rho" for ρ), with its
// subscript where two entries of the variant share a letter ("r1", "r2"). The entry
// whose letter a choice fills has one name for each item ("a1", "b1"), which also
// sets the choice.
struct TCommandLineEntry {
    QString Name;
    TEntry Entry;
    TEntry Choice = enNone; // the choice this name sets, with the item ChoiceItem
    QString ChoiceItem;
};
// The named entries of a variant, top to bottom; counts the variant fixes are not named.
std::vector<TCommandLineEntry> CommandLineEntries(TVariant AVariant);
