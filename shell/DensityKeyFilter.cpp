#include "DensityKeyFilter.h"

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

namespace {

// The separator the program writes its numbers with (RoundToStr's).
QChar Separator() {
    return QChar::fromLatin1(DecimalSeparator());
}

bool IsDecimalNumber(const QString& AText) {
    Extended value = 0;
    return TryTextToExtended(AText, value, Separator());
}

bool IsAsciiDigit(QChar AChar) {
    return AChar >= QLatin1Char('0') && AChar <= QLatin1Char('9');
}

// Keys that produce no character of the number: moving, deleting, the dialog
// keys and function keys reach the edit (or its window) unchanged.
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

// The edit's text without its selection, and where the selection (or the
// caret) starts.
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

// Whether pasting AText into AEdit leaves a number in it; AInserted receives
// the part of AText that the edit keeps (it cuts what exceeds its length limit).
bool CanPaste(const QLineEdit* AEdit, const QString& AText, QString& AInserted) {
    if (AEdit->isReadOnly() || AText.isEmpty())
        return false;
    int caret = 0;
    QString result = RestOf(AEdit, caret);
    const qsizetype room = qMax<qsizetype>(0, AEdit->maxLength() - result.size());
    AInserted = AText.left(room);
    result.insert(caret, AInserted);
    return !AInserted.isEmpty() && IsDecimalNumber(result);
}

// The paste item of an edit's standard context menu: named "edit-paste" by
// newer Qt versions, found by its text ("&Paste" and the shortcut) before.
QAction* PasteAction(const QMenu* AMenu) {
    const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
    const QList<QAction*> actions = AMenu->actions();
    for (QAction* action : actions) {
        if (action->objectName() == QLatin1String("edit-paste") ||
            action->text().section(QLatin1Char('\t'), 0, 0) == pasteText) {
            action->setObjectName(QStringLiteral("edit-paste"));
            return action;
        }
    }
    return nullptr;
}

} // namespace

TDensityKeyFilter::TDensityKeyFilter(QLineEdit* AEdit) : QObject(AEdit) {
    setObjectName(QStringLiteral("DensityKeyFilter"));
}

TDensityKeyFilter* TDensityKeyFilter::Attach(QLineEdit* AEdit) {
    auto* filter = new TDensityKeyFilter(AEdit);
    AEdit->installEventFilter(filter);
    // A drop would insert text past every check.
    AEdit->setAcceptDrops(false);
    return filter;
}

bool TDensityKeyFilter::EPresetDensityKeyPress(QLineEdit* ASender, QChar AKey) {
    const QChar separator = Separator();
    int caret = 0;
    const QString rest = RestOf(ASender, caret);

    if (AKey == separator && caret == 0 && !rest.contains(separator)) {
        ASender->setText(QLatin1Char('0') + separator + rest);
        ASender->setCursorPosition(2);
        return true;
    }
    if (!IsAsciiDigit(AKey) && AKey != separator && AKey != QChar(8))
        return true;
    if (AKey == separator && rest.contains(separator))
        return true;
    if (AKey == QLatin1Char('0')) {
        if (rest.startsWith(QLatin1Char('0')) && caret <= 1)
            return true;
        if (caret == 0 && rest.indexOf(separator) > 0)
            return true;
    }
    return false;
}

bool TDensityKeyFilter::EPresetDensityKeyDown(QLineEdit* ASender, int AKey,
                                              Qt::KeyboardModifiers AShift) {
    if ((AShift & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return false;
    switch (AKey) {
    case Qt::Key_X:
        if (ASender->isReadOnly())
            ASender->copy();
        else
            ASender->cut();
        return true;
    case Qt::Key_C:
        ASender->copy();
        return true;
    case Qt::Key_V:
        PasteChecked(ASender, QGuiApplication::clipboard()->text());
        return true;
    default:
        return false;
    }
}

bool TDensityKeyFilter::PasteChecked(QLineEdit* ASender, const QString& AText) {
    QString inserted;
    if (!CanPaste(ASender, AText, inserted))
        return false;
    ASender->insert(inserted);
    return true;
}

bool TDensityKeyFilter::eventFilter(QObject* AWatched, QEvent* AEvent) {
    auto* edit = qobject_cast<QLineEdit*>(AWatched);
    if (!edit)
        return QObject::eventFilter(AWatched, AEvent);

    switch (AEvent->type()) {
    case QEvent::KeyPress:
        return FilterKey(edit, static_cast<QKeyEvent*>(AEvent));
    case QEvent::ContextMenu:
        ShowContextMenu(edit, static_cast<QContextMenuEvent*>(AEvent)->globalPos());
        return true;
    case QEvent::InputMethod: {
        // Text committed by an input method is one more way of typing.
        auto* imEvent = static_cast<QInputMethodEvent*>(AEvent);
        const QString commit = imEvent->commitString();
        if (commit.isEmpty())
            return false;
        return commit.size() != 1 || EPresetDensityKeyPress(edit, commit.at(0));
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // The middle button pastes the selection clipboard where it is supported.
        auto* mouseEvent = static_cast<QMouseEvent*>(AEvent);
        if (mouseEvent->button() != Qt::MiddleButton ||
            !QGuiApplication::clipboard()->supportsSelection())
            return false;
        if (AEvent->type() == QEvent::MouseButtonRelease && !edit->isReadOnly()) {
            const QString text = QGuiApplication::clipboard()->text(QClipboard::Selection);
            const int oldCaret = edit->cursorPosition();
            edit->deselect();
            edit->setCursorPosition(edit->cursorPositionAt(mouseEvent->position().toPoint()));
            if (!PasteChecked(edit, text))
                edit->setCursorPosition(oldCaret);
        }
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        AEvent->ignore();
        return true;
    default:
        return QObject::eventFilter(AWatched, AEvent);
    }
}

bool TDensityKeyFilter::FilterKey(QLineEdit* AEdit, QKeyEvent* AEvent) {
    const Qt::KeyboardModifiers modifiers = AEvent->modifiers() & ~Qt::KeypadModifier;
    if (EPresetDensityKeyDown(AEdit, AEvent->key(), modifiers))
        return true;
    if (AEvent->matches(QKeySequence::Paste)) {
        PasteChecked(AEdit, QGuiApplication::clipboard()->text());
        return true;
    }
    if (IsEditingKey(AEvent->key()))
        return false;
    // Ctrl with a key gives a control character (select all, undo, the line
    // editing shortcuts): swallowed. Ctrl+Alt is AltGr on some keyboards.
    const bool altGr =
        modifiers.testFlag(Qt::ControlModifier) && modifiers.testFlag(Qt::AltModifier);
    if ((modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !altGr)
        return true;
    const QString text = AEvent->text();
    if (text.isEmpty())
        return false;
    if (text.size() != 1)
        return true;
    return EPresetDensityKeyPress(AEdit, text.at(0));
}

void TDensityKeyFilter::ShowContextMenu(QLineEdit* AEdit, const QPoint& AGlobalPos) {
    QMenu* menu = AEdit->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* paste = PasteAction(menu)) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        QString inserted;
        paste->setEnabled(CanPaste(AEdit, QGuiApplication::clipboard()->text(), inserted));
        connect(paste, &QAction::triggered, AEdit,
                [AEdit] { PasteChecked(AEdit, QGuiApplication::clipboard()->text()); });
    }
    menu->popup(AGlobalPos);
}
