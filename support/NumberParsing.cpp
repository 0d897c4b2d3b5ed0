#include "NumberParsing.h"

#include <QLocale>
#include <cmath>
#include <locale>
#include <sstream>

QChar LocaleDecimalSeparator() {
    return QChar::fromLatin1(DecimalSeparator());
}

char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    // The geometry library writes single-byte separators; others fall back to '.'.
    return (point.size() == 1 && point.at(0).unicode() < 128) ? char(point.at(0).unicode()) : '.';
}

bool TryTextToExtended(const QString& AText, Extended& AValue) {
    return TryTextToExtended(AText, AValue, LocaleDecimalSeparator());
}

bool TryTextToExtended(const QString& AText, Extended& AValue, QChar ASeparator) {
    const QString text = AText.trimmed();
    std::string plain; // the number rewritten with '.' for the C++ parser
    plain.reserve(text.size());
    int i = 0;
    const int n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        plain += char(text[i++].unicode());
    int mantissaDigits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        plain += char(text[i++].unicode());
        ++mantissaDigits;
    }
    if (i < n && text[i] == ASeparator) {
        plain += '.';
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            plain += char(text[i++].unicode());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            plain += char(text[i++].unicode());
        int exponentDigits = 0;
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            plain += char(text[i++].unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    if (i != n)
        return false;

    // The classic locale keeps the parser independent of the process locale.
    std::istringstream stream(plain);
    stream.imbue(std::locale::classic());
    Extended value = 0;
    stream >> value;
    if (stream.fail() || !std::isfinite(value))
        return false;
    AValue = value;
    return true;
}

bool TryTextToInteger(const QString& AText, long long& AValue) {
    const QString text = AText.trimmed();
    if (text.isEmpty())
        return false;
    int i = (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (i == text.size())
        return false;
    for (int k = i; k < text.size(); ++k)
        if (text[k] < '0' || text[k] > '9')
            return false;
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok)
        return false;
    AValue = value;
    return true;
}
