// The key filter of a density entry: only a decimal number can be typed or
// pasted. One filter object per edit; the settings dialog's preset density and
// the mass calculation dialog's density use the same rules.
//
// Typing (EPresetDensityKeyPress) accepts digits, one decimal separator (the
// user's, as the geometry library reports it) and backspace; a separator typed
// first becomes "0" + separator, and zeros that would only lead the number are
// swallowed. A point or a comma typed on the keyboard stands for the user's
// separator, whichever of the two it is. The clipboard keys (EPresetDensityKeyDown) cut and copy as
// usual and paste only when the edit's text after pasting is a number (as TryTextToExtended reads
// it with that separator). Every other way of pasting (Shift+Insert, the context menu, the middle
// mouse button) goes through the same check; dropping text on the edit is switched off. Ctrl with
// any other letter (select all, undo) is swallowed like the control character it types.
#pragma once

#include <QObject>
#include <QString>

class QKeyEvent;
class QLineEdit;

class TDensityKeyFilter : public QObject {
    Q_OBJECT
public:
    // Installs a filter on AEdit; the edit owns it.
    static TDensityKeyFilter* Attach(QLineEdit* AEdit);

    // The typing rule for the character AKey typed into ASender. Returns true
    // when the key is swallowed (the edit must not receive it); may rewrite the
    // edit's text itself (a separator typed first).
    static bool EPresetDensityKeyPress(QLineEdit* ASender, QChar AKey);
    // The clipboard keys: Ctrl+X, Ctrl+C and the checked Ctrl+V, with exactly
    // Ctrl held. Returns true when the key was one of them (and is consumed).
    static bool EPresetDensityKeyDown(QLineEdit* ASender, int AKey, Qt::KeyboardModifiers AShift);
    // Replaces the selection of ASender by AText (at the caret when nothing is
    // selected) if the edit's text is a number afterwards; returns whether it did.
    static bool PasteChecked(QLineEdit* ASender, const QString& AText);

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    explicit TDensityKeyFilter(QLineEdit* AEdit);
};
