// What may be typed, pasted or dropped into a number edit: the computation
// window's entries (numbers, radii, counts of edges) and the density edits of the
// settings and mass dialogs. The rule is written once, here, and every way text
// gets into such an edit goes through it.
//
// Typing: digits and backspace; in a number or radius one decimal separator
// (the user's, as the geometry library reports it), where a separator typed
// first becomes "0" + separator and zeros that would only lead the number are
// swallowed; in a radius a "*" at its start (a diameter follows). A point or a
// comma typed on the keyboard stands for the user's separator, whichever of the
// two it is, so that "2,5" typed with the other separator never silently becomes
// 25. A count takes digits only, and no zero in front. A length in feet and
// inches takes, besides digits and separators, the marks ' and " (each once, the
// feet before the inches), "/" after a digit and single blanks, none of them first;
// a radius in feet and inches also a "*" at its start.
//
// Pasting (Ctrl+V, Shift+Insert, the context menu, the middle mouse button):
// the text gets in only when the edit's text afterwards is a number as
// TryTextToExtended reads it. Dropping is refused. Ctrl+X and Ctrl+C cut and
// copy as usual; Ctrl with any other key (select all, undo) is swallowed like
// the control character it types. Moving, deleting, the dialog keys and the
// function keys reach the edit (or its window) unchanged.
//
// A character refused (other than a zero that would only lead the number) and a
// clipboard text refused by a paste key are never silent: a short tool-tip at the
// edit says what it takes, in the language's words (section NumberEntrySection).
// The context menu is the edit's own and offers only what works in it: Cut, Copy,
// Paste (checked as above), Delete and Select All.
#pragma once

#include <QObject>
#include <QString>
#include <Qt>

#include <cstdint>
#include <functional>

class QEvent;
class QLineEdit;

// The language file section of the tool-tips of refused keys.
inline constexpr const char* NumberEntrySection = "NumberEntry";
// How long such a tool-tip stays.
constexpr int RefusalTipMilliseconds = 3000;

// What a number edit holds.
enum TNumberKind : std::uint8_t {
    nkNumber,             // a positive decimal number
    nkRadius,             // a number, or "*" and a diameter
    nkCount,              // a whole number of edges
    nkFeetAndInches,      // a length in feet and inches, 6' 3 1/2" (Units.h)
    nkRadiusFeetAndInches // such a length, or "*" and a diameter in feet and inches
};

// What a length edit holds with lengths in feet and inches (AFeetAndInches) or not;
// a radius (ARadius) also takes "*" and a diameter.
inline TNumberKind LengthNumberKind(bool ARadius, bool AFeetAndInches) {
    if (ARadius)
        return AFeetAndInches ? nkRadiusFeetAndInches : nkRadius;
    return AFeetAndInches ? nkFeetAndInches : nkNumber;
}

// The typing rule: whether the character AKey typed into AEdit is discarded
// (true: the edit must not receive it). May rewrite the edit's text itself (a
// separator typed first).
bool RejectTypedKey(QLineEdit* AEdit, TNumberKind AKind, QChar AKey);

// Whether a whole edit text may stand after a paste: a number in the user's form;
// for nkFeetAndInches a length as ParseFeetAndInches reads it.
bool IsPastableNumber(const QString& AText, TNumberKind AKind = nkNumber);

// Pastes AText into AEdit (in place of the selection, else at the caret, cut to
// the edit's length limit) if the edit's text is a number afterwards; returns
// whether it did.
bool PasteNumber(QLineEdit* AEdit, const QString& AText, TNumberKind AKind = nkNumber);

// A window's own keys in a number edit (F1, Ctrl+M): true when served.
using TOwnerKeys = std::function<bool(int AKey, Qt::KeyboardModifiers AShift)>;

// Applies the rules above to one event of AEdit: keys (AOwnerKeys sees each key
// first), input method commits, the context menu, the middle mouse button and
// drops. Returns true when the event is consumed.
bool FilterNumberEntryEvent(QLineEdit* AEdit, TNumberKind AKind, QEvent* AEvent,
                            const TOwnerKeys& AOwnerKeys = {});

// The same as an event filter that an edit owns (the density edits).
class TNumberEntryFilter : public QObject {
    Q_OBJECT
public:
    // Installs a filter on AEdit; the edit owns it.
    static TNumberEntryFilter* Attach(QLineEdit* AEdit, TNumberKind AKind = nkNumber);
    // What the edit holds from now on (lengths in feet and inches, or numbers).
    void SetKind(TNumberKind AKind) { FKind = AKind; }

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    TNumberEntryFilter(QLineEdit* AEdit, TNumberKind AKind);
    TNumberKind FKind;
};
