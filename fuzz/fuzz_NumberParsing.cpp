// Number text as the entries and pastes deliver it: TryTextToExtended with either
// decimal separator and TryTextToInteger, on any text. Checked against the
// grammar the functions promise, written out here on its own: a text is
// accepted exactly when it follows the grammar and its value is finite, the
// value is the one the C library reads, a refused text leaves the value alone,
// and the two separators behave as mirror images of each other.
//
// Input: a byte of flags (separator, how the text is made), then the text.
#include "FuzzSupport.h"
#include "MathFunctions.h"
#include "NumberParsing.h"

#include <QString>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

char GSeparator = '.';
char FuzzSeparator() {
    return GSeparator;
}

// The text from the fuzzer's bytes, made one of four ways so that both any
// text and number-like text are close at hand.
QString MakeText(std::uint8_t AMode, const std::string& ABytes) {
    switch (AMode % 4) {
    case 0:
        return QString::fromUtf8(ABytes.data(), qsizetype(ABytes.size()));
    case 1:
        return QString::fromLatin1(ABytes.data(), qsizetype(ABytes.size()));
    case 2: // any UTF-16 code units, lone surrogates and other scripts' digits included
        return QString(reinterpret_cast<const QChar*>(ABytes.data()), qsizetype(ABytes.size() / 2));
    default: { // only the characters numbers are made of, and a few neighbours
        static const char Alphabet[] = "0123456789.,eE+- *\t0";
        QString Text;
        for (const char Byte : ABytes)
            Text += QLatin1Char(Alphabet[static_cast<unsigned char>(Byte) % (sizeof Alphabet - 1)]);
        return Text;
    }
    }
}

bool IsDigit(QChar C) {
    return C >= QLatin1Char('0') && C <= QLatin1Char('9');
}

// The grammar of TryTextToExtended: blanks, an optional sign, digits with at
// most one separator and digits on at least one side of it, an optional
// exponent. APlain receives the number in the C library's notation.
bool FollowsNumberGrammar(const QString& AText, QChar ASeparator, std::string& APlain) {
    const QString Text = AText.trimmed();
    qsizetype I = 0;
    const qsizetype N = Text.size();
    APlain.clear();
    if (I < N && (Text[I] == QLatin1Char('+') || Text[I] == QLatin1Char('-')))
        APlain += char(Text[I++].unicode());
    qsizetype Digits = 0;
    for (; I < N && IsDigit(Text[I]); ++I, ++Digits)
        APlain += char(Text[I].unicode());
    if (I < N && Text[I] == ASeparator) {
        APlain += '.';
        for (++I; I < N && IsDigit(Text[I]); ++I, ++Digits)
            APlain += char(Text[I].unicode());
    }
    if (Digits == 0)
        return false;
    if (I < N && (Text[I] == QLatin1Char('e') || Text[I] == QLatin1Char('E'))) {
        APlain += 'e';
        ++I;
        if (I < N && (Text[I] == QLatin1Char('+') || Text[I] == QLatin1Char('-')))
            APlain += char(Text[I++].unicode());
        const qsizetype First = I;
        for (; I < N && IsDigit(Text[I]); ++I)
            APlain += char(Text[I].unicode());
        if (I == First)
            return false;
    }
    return I == N;
}

// The other separator in place of each one.
QString Mirrored(const QString& AText) {
    QString Text = AText;
    for (QChar& C : Text) {
        if (C == QLatin1Char('.'))
            C = QLatin1Char(',');
        else if (C == QLatin1Char(','))
            C = QLatin1Char('.');
    }
    return Text;
}

std::string Show(const QString& AText) {
    return "text \"" + AText.toStdString() + "\"";
}

void FuzzExtended(const QString& AText, QChar ASeparator) {
    constexpr Extended Untouched = 12345.678L;
    Extended Value = Untouched;
    const bool Accepted = TryTextToExtended(AText, Value, ASeparator);

    std::string Plain;
    const bool Grammar = FollowsNumberGrammar(AText, ASeparator, Plain);
    Extended Expected = 0;
    if (Grammar)
        Expected = std::strtold(Plain.c_str(), nullptr);
    FUZZ_CHECK(Accepted == (Grammar && std::isfinite(Expected)),
               Show(AText) + (Accepted ? " accepted" : " refused") + " with separator " +
                   char(ASeparator.unicode()));
    if (!Accepted) {
        FUZZ_CHECK(Value == Untouched, Show(AText) + ": value changed though refused");
    } else {
        FUZZ_CHECK(std::isfinite(Value), Show(AText));
        // Both read the same digits; the signs of zero may differ.
        FUZZ_CHECK(Value == Expected, Show(AText) + " read as " + Fuzz::Image(Value) +
                                          ", the C library reads " + Fuzz::Image(Expected));
    }

    // The other separator mirrors this one exactly.
    const QChar Other = ASeparator == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    Extended MirrorValue = Untouched;
    const bool MirrorAccepted = TryTextToExtended(Mirrored(AText), MirrorValue, Other);
    FUZZ_CHECK(MirrorAccepted == Accepted, Show(AText) + " and its mirror image differ");
    FUZZ_CHECK(!Accepted || MirrorValue == Value, Show(AText) + ": mirror image reads otherwise");
    // A foreign separator is never read.
    if (AText.contains(Other))
        FUZZ_CHECK(!Accepted, Show(AText) + " accepted with a foreign separator");

    // Without an explicit separator the one of the regional settings applies.
    GSeparator = char(ASeparator.unicode());
    Extended LocaleValue = Untouched;
    FUZZ_CHECK(TryTextToExtended(AText, LocaleValue) == Accepted &&
                   (!Accepted || LocaleValue == Value),
               Show(AText) + ": the regional separator reads otherwise");
}

void FuzzInteger(const QString& AText) {
    constexpr long long Untouched = 424242;
    long long Value = Untouched;
    const bool Accepted = TryTextToInteger(AText, Value);

    const QString Text = AText.trimmed();
    qsizetype I =
        (!Text.isEmpty() && (Text[0] == QLatin1Char('+') || Text[0] == QLatin1Char('-'))) ? 1 : 0;
    bool Grammar = I < Text.size();
    for (; I < Text.size(); ++I)
        Grammar = Grammar && IsDigit(Text[I]);
    long long Expected = 0;
    bool Fits = false;
    if (Grammar) {
        const std::string Plain = Text.toStdString();
        errno = 0;
        Expected = std::strtoll(Plain.c_str(), nullptr, 10);
        Fits = errno != ERANGE;
    }
    FUZZ_CHECK(Accepted == (Grammar && Fits),
               Show(AText) + (Accepted ? " accepted" : " refused") + " as an integer");
    FUZZ_CHECK(Accepted ? Value == Expected : Value == Untouched,
               Show(AText) + " read as the integer " + std::to_string(Value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
    SetDecimalSeparatorProvider(&FuzzSeparator);
    Fuzz::TInput Input(AData, ASize);
    const std::uint8_t Flags = Input.Byte();
    const QChar Separator = (Flags & 0x80) ? QLatin1Char(',') : QLatin1Char('.');
    const QString Text = MakeText(Flags, Input.Rest());
    FuzzExtended(Text, Separator);
    FuzzInteger(Text);
    return 0;
}
