#include "NumberEntry.h"

#include "LanguageSupport.h"
#include "MathFunctions.h"
#include "NumberParsing.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleHints>
#include <QToolTip>

namespace {

constexpr char16_t Backspace = 8;

bool IsAsciiDigit(QChar AChar) {
    return AChar >= QLatin1Char('0') && AChar <= QLatin1Char('9');
}

// Keys that type no character: moving, deleting, the dialog keys and function
// keys reach the edit (or its window) unchanged.
bool IsEditingKey(int AKey) {
    switch (AKey) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return AKey >= Qt::Key_F1 && AKey <= Qt::Key_F35;
    }
}

// The edit's text without its selection, and where the selection (or the caret)
// starts: the text a typed or pasted character goes into.
QString RestOf(const QLineEdit* AEdit, int& ACaret) {
    QString rest = AEdit->text();
    if (AEdit->hasSelectedText()) {
        ACaret = AEdit->selectionStart();
        rest.remove(ACaret, AEdit->selectionLength());
    } else {
        ACaret = AEdit->cursorPosition();
    }
    return rest;
}

// What a paste would put into AEdit: AText cut to the room the length limit
// leaves (AInserted), and the edit's whole text afterwards.
QString TextAfterPaste(const QLineEdit* AEdit, const QString& AText, QString& AInserted) {
    int caret = 0;
    QString result = RestOf(AEdit, caret);
    const qsizetype room = qMax<qsizetype>(0, AEdit->maxLength() - result.size());
    AInserted = AText.left(room);
    result.insert(caret, AInserted);
    return result;
}

// What a refused key shows at the edit for a while: what the edit takes. A tool-tip,
// not a beep or a message: it neither interrupts the typing nor piles up when keys
// repeat (the same tip is shown again in place).
void ShowRefusal(QLineEdit* AEdit, TNumberKind AKind) {
    const char* key = AKind == nkCount    ? "sTakesCount"
                      : AKind == nkRadius ? "sTakesRadius"
                                          : "sTakesNumber";
    const QString text = LanguageText(QLatin1String(NumberEntrySection), QLatin1String(key));
    QToolTip::showText(AEdit->mapToGlobal(QPoint(0, AEdit->height())), text, AEdit, QRect(),
                       RefusalTipMilliseconds);
}

bool CanPaste(const QLineEdit* AEdit, const QString& AText, QString& AInserted) {
    if (AEdit->isReadOnly() || AText.isEmpty())
        return false;
    const QString result = TextAfterPaste(AEdit, AText, AInserted);
    return !AInserted.isEmpty() && IsPastableNumber(result);
}

// One character typed (by a key or an input method): the other decimal
// separator stands for the user's. Returns true when the character is consumed:
// discarded, or inserted here in place of the one typed.
bool TypeCharacter(QLineEdit* AEdit, TNumberKind AKind, QChar AKey) {
    const QChar separator = LocaleDecimalSeparator();
    const bool otherSeparator =
        (AKey == QLatin1Char('.') || AKey == QLatin1Char(',')) && AKey != separator;
    const QChar key = otherSeparator ? separator : AKey;
    const QString before = AEdit->text();
    if (RejectTypedKey(AEdit, AKind, key)) {
        // A digit refused (a zero that would only lead the number) loses nothing;
        // any other character refused is said so. A separator typed first is no
        // refusal: it became "0" and the separator.
        if (!IsAsciiDigit(key) && AEdit->text() == before)
            ShowRefusal(AEdit, AKind);
        return true;
    }
    if (!otherSeparator)
        return false; // the edit inserts it as typed
    AEdit->insert(QString(key));
    return true;
}

// A paste by a key; a clipboard text that the edit does not take is said so.
void PasteByKey(QLineEdit* AEdit, TNumberKind AKind) {
    const QString text = QGuiApplication::clipboard()->text();
    if (!PasteNumber(AEdit, text) && !text.isEmpty() && !AEdit->isReadOnly())
        ShowRefusal(AEdit, AKind);
}

// Ctrl+X, Ctrl+C and the checked Ctrl+V (with exactly Ctrl held) and Shift+Insert:
// true when the key was one of them.
bool ClipboardKey(QLineEdit* AEdit, TNumberKind AKind, int AKey, Qt::KeyboardModifiers AShift) {
    if (AShift == Qt::ShiftModifier && AKey == Qt::Key_Insert) {
        PasteByKey(AEdit, AKind);
        return true;
    }
    if (AShift != Qt::ControlModifier)
        return false;
    switch (AKey) {
    case Qt::Key_X:
        if (AEdit->isReadOnly())
            AEdit->copy();
        else
            AEdit->cut();
        return true;
    case Qt::Key_C:
        AEdit->copy();
        return true;
    case Qt::Key_V:
        PasteByKey(AEdit, AKind);
        return true;
    default:
        return false;
    }
}

bool FilterKey(QLineEdit* AEdit, TNumberKind AKind, QKeyEvent* AEvent,
               const TOwnerKeys& AOwnerKeys) {
    const Qt::KeyboardModifiers modifiers = AEvent->modifiers() & ~Qt::KeypadModifier;
    if (AOwnerKeys && AOwnerKeys(AEvent->key(), modifiers))
        return true;
    if (ClipboardKey(AEdit, AKind, AEvent->key(), modifiers))
        return true;
    if (AEvent->matches(QKeySequence::Paste)) {
        PasteByKey(AEdit, AKind);
        return true;
    }
    if (IsEditingKey(AEvent->key()))
        return false;
    // Ctrl with a key types a control character (select all, undo, the line
    // editing shortcuts): discarded. Ctrl+Alt is AltGr on some keyboards.
    const bool altGr =
        modifiers.testFlag(Qt::ControlModifier) && modifiers.testFlag(Qt::AltModifier);
    if ((modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !altGr)
        return true;
    const QString text = AEvent->text();
    if (text.isEmpty())
        return false;
    return text.size() != 1 || TypeCharacter(AEdit, AKind, text.at(0));
}

// An item of the context menu: Qt's own text for it (Qt's translation follows the
// language), the shortcut that does the same in the edit, if any.
QAction* AddMenuItem(QMenu* AMenu, const char* AName, const char* AText,
                     QKeySequence::StandardKey AShortcut, bool AEnabled) {
    QString text = QCoreApplication::translate("QLineEdit", AText);
    if (AShortcut != QKeySequence::UnknownKey &&
        QGuiApplication::styleHints()->showShortcutsInContextMenus())
        text += QLatin1Char('\t') + QKeySequence(AShortcut).toString(QKeySequence::NativeText);
    QAction* action = AMenu->addAction(text);
    action->setObjectName(QLatin1String(AName));
    action->setEnabled(AEnabled);
    return action;
}

// The edit's own context menu, with only what works in it: Cut, Copy, Paste (checked
// as typing is, and disabled when the clipboard would not pass), Delete and Select
// All, the last without a shortcut, as Ctrl+A types nothing here. Qt's standard menu
// would offer Undo and Redo and name shortcuts the typing rule swallows.
void ShowContextMenu(QLineEdit* AEdit, const QPoint& AGlobalPos) {
    auto* menu = new QMenu(AEdit);
    menu->setObjectName(QStringLiteral("NumberEntryMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool selected = AEdit->hasSelectedText();
    const bool writable = !AEdit->isReadOnly();
    QString inserted;
    QAction* cut = AddMenuItem(menu, "edit-cut", "Cu&t", QKeySequence::Cut, selected && writable);
    QAction* copy = AddMenuItem(menu, "edit-copy", "&Copy", QKeySequence::Copy, selected);
    QAction* paste = AddMenuItem(menu, "edit-paste", "&Paste", QKeySequence::Paste,
                                 CanPaste(AEdit, QGuiApplication::clipboard()->text(), inserted));
    QAction* remove =
        AddMenuItem(menu, "edit-delete", "Delete", QKeySequence::UnknownKey, selected && writable);
    menu->addSeparator();
    QAction* selectAll = AddMenuItem(menu, "select-all", "Select All", QKeySequence::UnknownKey,
                                     !AEdit->text().isEmpty() &&
                                         AEdit->selectedText().size() < AEdit->text().size());
    QObject::connect(cut, &QAction::triggered, AEdit, &QLineEdit::cut);
    QObject::connect(copy, &QAction::triggered, AEdit, &QLineEdit::copy);
    QObject::connect(paste, &QAction::triggered, AEdit,
                     [AEdit] { PasteNumber(AEdit, QGuiApplication::clipboard()->text()); });
    QObject::connect(remove, &QAction::triggered, AEdit, [AEdit] {
        if (AEdit->hasSelectedText())
            AEdit->del();
    });
    QObject::connect(selectAll, &QAction::triggered, AEdit, &QLineEdit::selectAll);
    menu->popup(AGlobalPos);
}

// The context menu (its Paste item checked, and disabled when the clipboard
// would not pass), the middle-button paste of the selection clipboard and drops.
bool FilterPasteEvent(QLineEdit* AEdit, QEvent* AEvent) {
    switch (AEvent->type()) {
    case QEvent::ContextMenu:
        ShowContextMenu(AEdit, static_cast<QContextMenuEvent*>(AEvent)->globalPos());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // The middle button pastes the selection clipboard where it is supported.
        auto* mouseEvent = static_cast<QMouseEvent*>(AEvent);
        if (mouseEvent->button() != Qt::MiddleButton ||
            !QGuiApplication::clipboard()->supportsSelection())
            return false;
        if (AEvent->type() == QEvent::MouseButtonRelease && !AEdit->isReadOnly()) {
            const QString text = QGuiApplication::clipboard()->text(QClipboard::Selection);
            const int oldCaret = AEdit->cursorPosition();
            AEdit->deselect();
            AEdit->setCursorPosition(AEdit->cursorPositionAt(mouseEvent->position().toPoint()));
            if (!PasteNumber(AEdit, text))
                AEdit->setCursorPosition(oldCaret);
        }
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        AEvent->ignore();
        return true;
    default:
        return false;
    }
}

} // namespace

bool RejectTypedKey(QLineEdit* AEdit, TNumberKind AKind, QChar AKey) {
    const QChar separator = LocaleDecimalSeparator();
    int caret = 0;
    const QString rest = RestOf(AEdit, caret);
    const bool digit = IsAsciiDigit(AKey);
    const bool backspace = AKey.unicode() == Backspace;

    if (AKind == nkCount)
        return !(digit || backspace) || (AKey == QLatin1Char('0') && caret == 0);

    if (AKey == separator && caret == 0 && !rest.contains(separator)) {
        AEdit->setText(QLatin1Char('0') + separator + rest);
        AEdit->setCursorPosition(2);
        return true;
    }
    if (AKey == QLatin1Char('*'))
        return !(AKind == nkRadius && caret == 0 && !rest.contains(QLatin1Char('*')));
    if (!digit && AKey != separator && !backspace)
        return true;
    if (AKey == separator && rest.contains(separator))
        return true;
    if (AKey == QLatin1Char('0')) {
        // A zero that would only lead the number.
        if (rest.startsWith(QLatin1Char('0')) && caret <= 1)
            return true;
        if (caret == 0 && rest.indexOf(separator) > 0)
            return true;
    }
    return false;
}

bool IsPastableNumber(const QString& AText) {
    Extended value = 0;
    return TryTextToExtended(AText, value, LocaleDecimalSeparator());
}

bool PasteNumber(QLineEdit* AEdit, const QString& AText) {
    QString inserted;
    if (!CanPaste(AEdit, AText, inserted))
        return false;
    AEdit->insert(inserted);
    return true;
}

bool FilterNumberEntryEvent(QLineEdit* AEdit, TNumberKind AKind, QEvent* AEvent,
                            const TOwnerKeys& AOwnerKeys) {
    switch (AEvent->type()) {
    case QEvent::KeyPress:
        return FilterKey(AEdit, AKind, static_cast<QKeyEvent*>(AEvent), AOwnerKeys);
    case QEvent::InputMethod: {
        // Text committed by an input method is one more way of typing.
        const QString commit = static_cast<QInputMethodEvent*>(AEvent)->commitString();
        return !commit.isEmpty() &&
               (commit.size() != 1 || TypeCharacter(AEdit, AKind, commit.at(0)));
    }
    default:
        return FilterPasteEvent(AEdit, AEvent);
    }
}

TNumberEntryFilter::TNumberEntryFilter(QLineEdit* AEdit, TNumberKind AKind)
    : QObject(AEdit), FKind(AKind) {
    setObjectName(QStringLiteral("NumberEntryFilter"));
}

TNumberEntryFilter* TNumberEntryFilter::Attach(QLineEdit* AEdit, TNumberKind AKind) {
    auto* filter = new TNumberEntryFilter(AEdit, AKind);
    AEdit->installEventFilter(filter);
    // A drop would insert text past every check.
    AEdit->setAcceptDrops(false);
    return filter;
}

bool TNumberEntryFilter::eventFilter(QObject* AWatched, QEvent* AEvent) {
    auto* edit = qobject_cast<QLineEdit*>(AWatched);
    if (!edit)
        return QObject::eventFilter(AWatched, AEvent);
    return FilterNumberEntryEvent(edit, FKind, AEvent) || QObject::eventFilter(AWatched, AEvent);
}
