#include "PageTexts.h"

#include "LanguageSupport.h"

QString FillPlaceholder(const QString& AText, const QString& ALetters) {
    QString text = AText;
    const int at = text.indexOf(QLatin1Char('$'));
    if (at >= 0)
        text.replace(at, 1, ALetters);
    // Trim blanks and control characters at both ends.
    int first = 0;
    int last = text.size() - 1;
    while (first <= last && text.at(first).unicode() <= ' ')
        ++first;
    while (last >= first && text.at(last).unicode() <= ' ')
        --last;
    text = text.mid(first, last - first + 1);
    if (text.startsWith(QLatin1Char('-')))
        text.remove(0, 1);
    if (text.endsWith(QLatin1Char('-')))
        text.chop(1);
    while (text.contains(QLatin1String("  ")))
        text.replace(QLatin1String("  "), QLatin1String(" "));
    return text;
}

QString ComposeText(const TText& AText, const TTextLookup& ALookup, const QString* ALetters) {
    const QString section = QLatin1String(AText.Section);
    QString text = ALookup(section, QLatin1String(AText.Key));
    if (AText.Key2)
        text += QLatin1Char(' ') + ALookup(section, QLatin1String(AText.Key2));
    if (ALetters)
        return FillPlaceholder(text, *ALetters);
    if (AText.Letters)
        return FillPlaceholder(text, QString::fromUtf8(AText.Letters));
    return text;
}

QString DescribedText(const TText& AText, const QString* ALetters) {
    return ComposeText(AText, LanguageText, ALetters);
}
