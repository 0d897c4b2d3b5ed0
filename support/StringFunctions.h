// Small text helpers shared by the windows.
#pragma once

#include <QString>

// S with its first character upper-cased by the user's locale; the rest unchanged.
// The empty string stays empty.
QString CapitalizeFirstLetter(const QString& S);

// S wrapped in double quotes for the desktop shell: a quote is added in front unless
// S begins with one and at the end unless S ends with one. The empty string and a
// lone quote both give two quotes.
QString QuoteFileName(const QString& S);
