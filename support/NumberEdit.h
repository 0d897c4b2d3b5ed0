// What the key filters of number edits (the computation window's entries, the
// density edits) share. Pasting: text from the clipboard gets in only when the
// edit's text afterwards passes the edit's own check, by every way of pasting
// (keys, the context menu, the middle mouse button); dropping is refused.
#pragma once

#include <QChar>
#include <QString>
#include <Qt>
#include <functional>

class QEvent;
class QKeyEvent;
class QLineEdit;

// Keys that type no character: moving, deleting, the dialog keys and function
// keys reach the edit (or its window) unchanged.
bool IsEditingKey(int AKey);

// Whether a whole edit text is acceptable.
using TTextCheck = std::function<bool(const QString& AText)>;

// The two halves of an edit's key filter: AKeyDown sees every key with its
// modifiers first and returns true when it served it (the clipboard keys);
// AKeyPress decides on one typed character and returns true to discard it.
using TKeyDown = std::function<bool(int AKey, Qt::KeyboardModifiers AShift)>;
using TKeyPress = std::function<bool(QChar AKey)>;

// Routes one key press of a number edit: AKeyDown first, then any other
// paste key goes through the checked paste, moving and deleting keys reach
// the edit, Ctrl combinations (select all, undo, ...) are swallowed, and a
// typed character goes through TypeCharacter. Returns true when the key is
// consumed.
bool FilterNumberEditKey(QLineEdit* AEdit, QKeyEvent* AEvent, const TKeyDown& AKeyDown,
                         const TKeyPress& AKeyPress, const TTextCheck& APasteCheck);

// One character typed into a number edit (by a key or an input method): a
// point or a comma stands for the decimal separator of the regional settings,
// whichever of the two the keyboard gives, so that "2,5" typed with the other
// separator never silently becomes 25. AKeyPress decides on the character (true:
// discard it). Returns true when the character is consumed: discarded, or
// inserted here in place of the one typed.
bool TypeCharacter(QLineEdit* AEdit, QChar AKey, const TKeyPress& AKeyPress);

// The text AEdit would hold with AText in place of its selection (or at the
// caret), AText cut to what the edit's length limit leaves room for; AInserted
// receives the part of AText that would go in.
QString TextAfterPaste(const QLineEdit* AEdit, const QString& AText, QString& AInserted);

// Pastes AText into AEdit if the result passes ACheck; returns whether it did.
bool PasteChecked(QLineEdit* AEdit, const QString& AText, const TTextCheck& ACheck);

// For an edit's event filter: serves the context menu (its Paste item checked
// and disabled when the clipboard would not pass), the middle-button paste of
// the selection clipboard and drops. Returns true when the event was consumed.
bool FilterPasteEvent(QLineEdit* AEdit, QEvent* AEvent, const TTextCheck& ACheck);
