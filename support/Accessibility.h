// What a screen reader says for a control: its visible caption in the current
// language, never its objectName (which stays for findChild and the language
// file's keys).
#pragma once

#include <QString>

// A caption as one spoken phrase: line breaks become blanks, a trailing colon
// and accelerator marks go.
inline QString SpokenCaption(QString ACaption) {
    ACaption.replace(QLatin1String("&&"), QLatin1String("\x01"));
    ACaption.remove(QLatin1Char('&'));
    ACaption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    ACaption = ACaption.simplified();
    while (ACaption.endsWith(QLatin1Char(':')))
        ACaption.chop(1);
    return ACaption.trimmed();
}
