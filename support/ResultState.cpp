#include "ResultState.h"

QString ResultStateText(TResultState AState) {
    switch (AState) {
    case rsNespocitano:
        return QStringLiteral("---");
    case rsChyba_Z:
        return QStringLiteral("Input error");
    case rsChyba_V:
        return QStringLiteral("v < 2r");
    case rsChyba_T:
        return QStringLiteral("a + b > c ...");
    case rsChyba_N:
        return QStringLiteral("n > 2");
    case rsChyba_C:
        return QStringLiteral("h < 2r");
    case rsChyba_CR:
        return QStringLiteral("r1 > r2");
    case rsChyba_TC:
        return QStringLiteral("r1 <> r2");
    case rsChyba_TPa:
        return QStringLiteral("a1 <> a2");
    case rsChyba_TPb:
        return QStringLiteral("b1 <> b2");
    case rsSpocitano:
        break;
    }
    return QString();
}
