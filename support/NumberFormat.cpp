#include "NumberFormat.h"

#include "ResultState.h"
#include "Settings.h"

#include <QtGlobal>

#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

namespace {

// Whether the general text of these digits takes the scientific form.
bool IsScientific(const TDecimalDigits& ADecimal) {
    return !ADecimal.Digits.empty() && (ADecimal.Exponent > 15 || ADecimal.Exponent < -3);
}

// The number 0.Digits x 10^AExponent, as reading its text would give it.
Extended ReadDigits(const TDecimalDigits& ADecimal, int AExponent) {
    if (ADecimal.Digits.empty())
        return 0;
    std::istringstream stream((ADecimal.Negative ? "-0." : "0.") + ADecimal.Digits + "e" +
                              std::to_string(AExponent));
    stream.imbue(std::locale::classic());
    Extended value = 0;
    stream >> value;
    return value;
}

QString Superscript(int AValue) {
    static const QString Digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString text;
    for (const QChar c : QString::number(AValue))
        text += c == QLatin1Char('-') ? QStringLiteral("⁻") : QString(Digits.at(c.digitValue()));
    return text;
}

} // namespace

// --- Precision and number form ------------------------------------------------------

TPrecision ClampPrecision(long long APrecision) {
    return static_cast<TPrecision>(qBound<long long>(0, APrecision, MaxPrecision));
}

TNumberForm ReadNumberForm() {
    TSettingsStore reg(SettingsKeys::Settings);
    TNumberForm form;
    form.Precision =
        ClampPrecision(reg.ReadInteger(QString(), SettingNames::Precision, DefaultPrecision));
    form.Semilogarithmic = reg.ReadInteger(QString(), SettingNames::Form, 0) != 0;
    return form;
}

// --- Digits ---------------------------------------------------------------------------

TDecimalDigits DecimalDigits(Extended AValue) {
    TDecimalDigits result;
    if (AValue == 0)
        return result;
    result.Negative = std::signbit(AValue);
    // 18 significant digits, rounded to nearest: "d.ddddddddddddddddde+XX".
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << std::scientific << std::setprecision(17) << std::fabs(AValue);
    const std::string text = stream.str();
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    int exponent = std::stoi(text.substr(e + 1)) + 1;

    // Then 15 digits, ties away from zero.
    const bool roundUp = digits[15] >= '5';
    digits.resize(15);
    if (roundUp) {
        int i = 14;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
            digits[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            digits.resize(15);
            ++exponent;
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    result.Digits = digits;
    result.Exponent = exponent;
    return result;
}

QString GeneralText(Extended AValue) {
    const TDecimalDigits decimal = DecimalDigits(AValue);
    if (decimal.Digits.empty())
        return QStringLiteral("0");
    const QString separator = QString(QChar::fromLatin1(DecimalSeparator()));
    const QString digits = QString::fromStdString(decimal.Digits);
    QString text = decimal.Negative ? QStringLiteral("-") : QString();
    if (IsScientific(decimal)) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += separator + digits.mid(1);
        text += QStringLiteral("E") + QString::number(decimal.Exponent - 1);
    } else if (decimal.Exponent <= 0) {
        text +=
            QStringLiteral("0") + separator + QString(-decimal.Exponent, QLatin1Char('0')) + digits;
    } else {
        const QString integer =
            digits.left(decimal.Exponent).leftJustified(decimal.Exponent, QLatin1Char('0'));
        text += integer;
        if (digits.size() > decimal.Exponent)
            text += separator + digits.mid(decimal.Exponent);
    }
    return text;
}

// --- Results ----------------------------------------------------------------------------

TResultNumber ResultNumber(Extended AValue, TPrecision APrecision, bool ASemilogarithmic) {
    TResultNumber result;
    const TDecimalDigits decimal = DecimalDigits(AValue);
    Extended shown = 0;
    if (IsScientific(decimal) || ASemilogarithmic) {
        // Mantissa and decimal exponent: 1.23 x10^-5. The exponent is the one of
        // the 15-digit text, so a mantissa that rounds up shows 10.00.
        result.Exponent = decimal.Digits.empty() ? 0 : decimal.Exponent - 1;
        result.Decade = result.Exponent != 0;
        shown = ReadDigits(decimal, 1);
    } else {
        shown = ReadDigits(decimal, decimal.Exponent);
    }
    result.Digits = QString::fromStdString(RoundToStr(APrecision, true, shown));
    return result;
}

QString ResultValueText(Extended AValue, const TNumberForm& AForm) {
    if (!std::isfinite(AValue))
        return ResultStateText(rsChyba_Z);
    return ResultNumberText(ResultNumber(AValue, AForm.Precision, AForm.Semilogarithmic));
}

QString ResultNumberText(const TResultNumber& ANumber) {
    QString text = ANumber.Digits;
    if (ANumber.Decade)
        text += QStringLiteral(" x10");
    if (ANumber.Decade && ANumber.Exponent != 1)
        text += QLatin1Char('^') + QString::number(ANumber.Exponent);
    return text;
}

QString QuantityText(Extended AValue, TPrecision APrecision) {
    return QString::fromStdString(RoundToStr(APrecision, true, AValue));
}

QString ShownNumber(Extended AValue, const TNumberForm& AForm) {
    if (!std::isfinite(AValue))
        return QString();
    const TResultNumber number = ResultNumber(AValue, AForm.Precision, AForm.Semilogarithmic);
    if (!number.Decade)
        return number.Digits;
    return number.Digits + QStringLiteral(" x10") +
           (number.Exponent == 1 ? QString() : Superscript(number.Exponent));
}

QString PlainNumber(Extended AValue, const TNumberForm& AForm) {
    if (!std::isfinite(AValue))
        return QString();
    const TResultNumber number = ResultNumber(AValue, AForm.Precision, AForm.Semilogarithmic);
    if (!number.Decade)
        return number.Digits;
    return number.Digits + QLatin1Char('E') + QString::number(number.Exponent);
}
