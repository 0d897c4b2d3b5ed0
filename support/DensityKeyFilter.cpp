#include "DensityKeyFilter.h"

#include "MathFunctions.h"
#include "NumberEdit.h"
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

QChar Separator() {
    return LocaleDecimalSeparator();
}

bool IsDecimalNumber(const QString& AText) {
    Extended value = 0;
    return TryTextToExtended(AText, value, Separator());
}

bool IsAsciiDigit(QChar AChar) {
    return AChar >= QLatin1Char('0') && AChar <= QLatin1Char('9');
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
    return ::PasteChecked(ASender, AText, IsDecimalNumber);
}

bool TDensityKeyFilter::eventFilter(QObject* AWatched, QEvent* AEvent) {
    auto* edit = qobject_cast<QLineEdit*>(AWatched);
    if (!edit)
        return QObject::eventFilter(AWatched, AEvent);

    switch (AEvent->type()) {
    case QEvent::KeyPress:
        return FilterNumberEditKey(
            edit, static_cast<QKeyEvent*>(AEvent),
            [edit](int AKey, Qt::KeyboardModifiers AShift) {
                return EPresetDensityKeyDown(edit, AKey, AShift);
            },
            [edit](QChar AKey) { return EPresetDensityKeyPress(edit, AKey); }, IsDecimalNumber);
    case QEvent::InputMethod: {
        // Text committed by an input method is one more way of typing.
        auto* imEvent = static_cast<QInputMethodEvent*>(AEvent);
        const QString commit = imEvent->commitString();
        if (commit.isEmpty())
            return false;
        return commit.size() != 1 || TypeCharacter(edit, commit.at(0), [edit](QChar AKey) {
                   return EPresetDensityKeyPress(edit, AKey);
               });
    }
    default:
        return FilterPasteEvent(edit, AEvent, IsDecimalNumber) ||
               QObject::eventFilter(AWatched, AEvent);
    }
}
