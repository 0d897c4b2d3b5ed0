#include "StringFunctions.h"

#include <QLocale>

QString CapitalizeFirstLetter(const QString& S) {
    if (S.isEmpty())
        return S;
    // A character outside the basic plane is two code units; upper-case it whole.
    const int FirstLength = (S.size() > 1 && S.at(0).isHighSurrogate()) ? 2 : 1;
    return QLocale().toUpper(S.left(FirstLength)) + S.mid(FirstLength);
}

QString QuoteFileName(const QString& S) {
    const QChar Quote = QLatin1Char('"');
    if (S.isEmpty() || S == QString(Quote))
        return QStringLiteral("\"\"");
    QString Result = S;
    if (!Result.startsWith(Quote))
        Result.prepend(Quote);
    if (!Result.endsWith(Quote))
        Result.append(Quote);
    return Result;
}
