#include "NumberEdit.h"

#include "NumberParsing.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

namespace {

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

bool CanPaste(const QLineEdit* AEdit, const QString& AText, const TTextCheck& ACheck,
              QString& AInserted) {
    if (AEdit->isReadOnly() || AText.isEmpty())
        return false;
    const QString result = TextAfterPaste(AEdit, AText, AInserted);
    return !AInserted.isEmpty() && ACheck(result);
}

void ShowContextMenu(QLineEdit* AEdit, const QPoint& AGlobalPos, const TTextCheck& ACheck) {
    QMenu* menu = AEdit->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* paste = PasteAction(menu)) {
        QObject::disconnect(paste, &QAction::triggered, nullptr, nullptr);
        QString inserted;
        paste->setEnabled(CanPaste(AEdit, QGuiApplication::clipboard()->text(), ACheck, inserted));
        QObject::connect(paste, &QAction::triggered, AEdit, [AEdit, ACheck] {
            PasteChecked(AEdit, QGuiApplication::clipboard()->text(), ACheck);
        });
    }
    menu->popup(AGlobalPos);
}

} // namespace

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

bool FilterNumberEditKey(QLineEdit* AEdit, QKeyEvent* AEvent, const TKeyDown& AKeyDown,
                         const TKeyPress& AKeyPress, const TTextCheck& APasteCheck) {
    const Qt::KeyboardModifiers modifiers = AEvent->modifiers() & ~Qt::KeypadModifier;
    if (AKeyDown(AEvent->key(), modifiers))
        return true;
    if (AEvent->matches(QKeySequence::Paste)) {
        PasteChecked(AEdit, QGuiApplication::clipboard()->text(), APasteCheck);
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
    return text.size() != 1 || TypeCharacter(AEdit, text.at(0), AKeyPress);
}

bool TypeCharacter(QLineEdit* AEdit, QChar AKey, const TKeyPress& AKeyPress) {
    const QChar separator = LocaleDecimalSeparator();
    const bool otherSeparator =
        (AKey == QLatin1Char('.') || AKey == QLatin1Char(',')) && AKey != separator;
    const QChar key = otherSeparator ? separator : AKey;
    if (AKeyPress(key))
        return true;
    if (!otherSeparator)
        return false; // the edit inserts it as typed
    AEdit->insert(QString(key));
    return true;
}

QString TextAfterPaste(const QLineEdit* AEdit, const QString& AText, QString& AInserted) {
    QString result = AEdit->text();
    int caret = AEdit->cursorPosition();
    if (AEdit->hasSelectedText()) {
        caret = AEdit->selectionStart();
        result.remove(caret, AEdit->selectionLength());
    }
    const qsizetype room = qMax<qsizetype>(0, AEdit->maxLength() - result.size());
    AInserted = AText.left(room);
    result.insert(caret, AInserted);
    return result;
}

bool PasteChecked(QLineEdit* AEdit, const QString& AText, const TTextCheck& ACheck) {
    QString inserted;
    if (!CanPaste(AEdit, AText, ACheck, inserted))
        return false;
    AEdit->insert(inserted);
    return true;
}

bool FilterPasteEvent(QLineEdit* AEdit, QEvent* AEvent, const TTextCheck& ACheck) {
    switch (AEvent->type()) {
    case QEvent::ContextMenu:
        ShowContextMenu(AEdit, static_cast<QContextMenuEvent*>(AEvent)->globalPos(), ACheck);
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
            if (!PasteChecked(AEdit, text, ACheck))
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
