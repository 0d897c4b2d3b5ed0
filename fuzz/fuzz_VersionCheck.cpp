// The version check's reading of the server's answer: any body, decoded and split
// into lines as HttpGetLines does, then read as the about window reads it, for the
// program's own version or any other.
//
// Checked: the lines are the body's text split at CR LF, LF and CR; the answer
// follows the first line ("OK" with a version, "ERROR" with a text, anything
// else); versions parse exactly when they are "major" or "major.minor" of at most
// five digits each and compare number by number; the server's text is shown
// without control characters and within its length.
//
// Input: a byte of flags (code page, whose version), then for a version of our
// own its length and text, then the body.
#include "FuzzSupport.h"

#include "About.h"
#include "LanguageSupport.h"
#include "NetworkFunctions.h"

#include <QStringList>
#include <utility>

namespace {

std::string Show(const QString& AText) {
    return "\"" + AText.left(200).toStdString() + "\"";
}

// The documented line rules, read plainly: an empty text has no line; otherwise
// each CR LF, LF or CR ends a line, and a break at the very end adds none.
QStringList ExpectedLines(const QString& AText) {
    if (AText.isEmpty())
        return {};
    QString Text = AText;
    Text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (Text.endsWith(QLatin1Char('\n')))
        Text.chop(1);
    return Text.split(QLatin1Char('\n'));
}

// "major" or "major.minor", each one to five ASCII digits, blanks around.
bool ExpectedVersion(const QString& AText, std::pair<int, int>& AVersion) {
    const QString Text = AText.trimmed();
    const QStringList Parts = Text.split(QLatin1Char('.'));
    if (Parts.size() > 2)
        return false;
    int Numbers[2] = {0, 0};
    for (int I = 0; I < Parts.size(); ++I) {
        if (Parts[I].isEmpty() || Parts[I].size() > 5)
            return false;
        int Number = 0;
        for (const QChar C : Parts[I]) {
            if (C.unicode() < '0' || C.unicode() > '9')
                return false;
            Number = Number * 10 + (C.unicode() - '0');
        }
        Numbers[I] = Number;
    }
    AVersion = {Numbers[0], Numbers[1]};
    return true;
}

void CheckVersionParsing(const QString& AText) {
    std::pair<int, int> Expected;
    const bool Valid = ExpectedVersion(AText, Expected);
    int Major = -1, Minor = -1;
    FUZZ_CHECK(TFormAbout::ParseVersion(AText, Major, Minor) == Valid, Show(AText));
    if (Valid)
        FUZZ_CHECK(std::make_pair(Major, Minor) == Expected, Show(AText));
}

void CheckServerText(const QString& ALine, const QString& AShown) {
    constexpr int Max = TFormAbout::MaxServerTextLength;
    FUZZ_CHECK(AShown.size() <= Max + 1, Show(AShown));
    FUZZ_CHECK(AShown == AShown.trimmed(), Show(AShown));
    for (const QChar C : AShown)
        FUZZ_CHECK(C.category() != QChar::Other_Control && C.category() != QChar::Other_Format,
                   Show(AShown));
    if (AShown.size() > Max) {
        // Cut with an ellipsis, never between the halves of a character.
        FUZZ_CHECK(AShown.back() == QChar(0x2026), Show(AShown));
        FUZZ_CHECK(!AShown.at(AShown.size() - 2).isHighSurrogate(), Show(AShown));
    }
    // The shown text is the line itself when the line is short and plain.
    if (ALine.size() <= Max && ALine == ALine.trimmed()) {
        bool Plain = true;
        for (const QChar C : ALine)
            Plain = Plain && C.category() != QChar::Other_Control &&
                    C.category() != QChar::Other_Format;
        if (Plain)
            FUZZ_CHECK(AShown == ALine, Show(ALine) + " shown as " + Show(AShown));
    }
}

void CheckAnswer(const QStringList& ALines, const QString& AOwnVersion) {
    using TAnswer = TFormAbout::TVersionAnswer;
    const TAnswer Answer = TFormAbout::ReadVersionAnswer(ALines, AOwnVersion);
    if (ALines.isEmpty()) {
        FUZZ_CHECK(Answer.Kind == TAnswer::NoResponse, "no lines, yet an answer");
        return;
    }
    FUZZ_CHECK(Answer.Kind != TAnswer::NoResponse, "lines, yet no response");
    const QString& Status = ALines.first();
    const QString Second = ALines.value(1);
    if (Status == QLatin1String("OK")) {
        std::pair<int, int> Newest, Own;
        const bool Readable = ALines.size() >= 2 && ExpectedVersion(Second, Newest) &&
                              ExpectedVersion(AOwnVersion, Own);
        if (!Readable) {
            FUZZ_CHECK(Answer.Kind == TAnswer::UnknownError, Show(Second));
            return;
        }
        if (Own >= Newest) {
            FUZZ_CHECK(Answer.Kind == TAnswer::UpToDate, Show(Second) + " / " + Show(AOwnVersion));
        } else {
            FUZZ_CHECK(Answer.Kind == TAnswer::NewVersion && Answer.Text == Second.trimmed(),
                       Show(Second) + " / " + Show(AOwnVersion));
            // The other way round the program is the newer one.
            const TAnswer Swapped =
                TFormAbout::ReadVersionAnswer({QStringLiteral("OK"), AOwnVersion}, Second);
            FUZZ_CHECK(Swapped.Kind == TAnswer::UpToDate, "not antisymmetric");
        }
        return;
    }
    FUZZ_CHECK(Answer.Kind == TAnswer::ServerError || Answer.Kind == TAnswer::UnknownError,
               Show(Status));
    if (Answer.Kind == TAnswer::ServerError) {
        FUZZ_CHECK(Status == QLatin1String("ERROR") && ALines.size() >= 2, Show(Status));
        FUZZ_CHECK(!Answer.Text.isEmpty() && Answer.Text == TFormAbout::ServerText(Second),
                   Show(Answer.Text));
    } else if (Status == QLatin1String("ERROR") && ALines.size() >= 2) {
        FUZZ_CHECK(TFormAbout::ServerText(Second).isEmpty(), "a server text left unshown");
    }
    if (ALines.size() >= 2)
        CheckServerText(Second, TFormAbout::ServerText(Second));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
    Fuzz::TInput Input(AData, ASize);
    const std::uint8_t Flags = Input.Byte();
    const TCodePage CodePage = (Flags & 1) ? TCodePage::Windows1250 : TCodePage::Windows1252;
    QString OwnVersion = QStringLiteral("1.2");
    if (Flags & 2) {
        std::string Own(Input.Byte() % 16, '\0');
        Input.Bytes(Own.data(), Own.size());
        OwnVersion = QString::fromUtf8(Own.data(), qsizetype(Own.size()));
    }
    const std::string Rest = Input.Rest();
    const QByteArray Body(Rest.data(), qsizetype(Rest.size()));

    const QStringList Lines = BodyLines(Body, CodePage);
    const QStringList Expected = ExpectedLines(TLanguageFile::Decode(Body, CodePage));
    FUZZ_CHECK(Lines == Expected, std::to_string(Lines.size()) + " lines, expected " +
                                      std::to_string(Expected.size()));
    CheckAnswer(Lines, OwnVersion);
    CheckVersionParsing(OwnVersion);
    if (Lines.size() >= 2)
        CheckVersionParsing(Lines[1]);
    return 0;
}
