// The texts of the page description (TText) in the active language.
#pragma once

#include "SolidPages.h"

#include <QString>

#include <functional>

// Puts ALetters in place of the first "$" of AText and tidies the blanks and
// hyphens that an empty substitution leaves behind.
QString FillPlaceholder(const QString& AText, const QString& ALetters);

// Looks up a key's text in a language file section.
using TTextLookup = std::function<QString(const QString& ASection, const QString& AKey)>;

// AText with the texts ALookup gives: the key's text, a blank and Key2's text
// after it, filled with the letters when the text names them; ALetters, when
// given, stands in for the description's letters (a chosen side).
QString ComposeText(const TText& AText, const TTextLookup& ALookup,
                    const QString* ALetters = nullptr);
// The same with the active language file.
QString DescribedText(const TText& AText, const QString* ALetters = nullptr);
