#include "Application.h"

#include "MessageBoxes.h"

#include <QDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyleOption>

#include <exception>

QString ErrorReportText(const QString& Message) {
    if (!Message.isEmpty() && Message.back().unicode() > u'.')
        return Message + QLatin1Char('.');
    return Message;
}

void ShowErrorReport(const QString& Message) {
    ShowErrorMessage(ErrorReportText(Message));
}

QPoint MoveOntoScreen(const QRect& AFrame, const QPoint& AAt, const QWidget* AWindow) {
    const QScreen* screen = QGuiApplication::screenAt(AAt);
    if (!screen)
        screen = AWindow->screen();
    if (!screen)
        return QPoint();
    const QRect area = screen->availableGeometry();
    int dx = 0, dy = 0;
    if (AFrame.right() > area.right())
        dx = area.right() - AFrame.right();
    if (AFrame.left() + dx < area.left())
        dx = area.left() - AFrame.left();
    if (AFrame.bottom() > area.bottom())
        dy = area.bottom() - AFrame.bottom();
    if (AFrame.top() + dy < area.top())
        dy = area.top() - AFrame.top();
    return QPoint(dx, dy);
}

void KeepOnScreen(QWidget* AWindow) {
    const QRect frame = AWindow->frameGeometry();
    const QPoint move = MoveOntoScreen(frame, frame.center(), AWindow);
    if (move.isNull())
        return;
    // A dialog centred by Qt is centred again at its next showing; the move keeps that.
    const bool placed = AWindow->testAttribute(Qt::WA_Moved);
    AWindow->move(AWindow->pos() + move);
    AWindow->setAttribute(Qt::WA_Moved, placed);
}

TApplication::TApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {}

bool TApplication::notify(QObject* Receiver, QEvent* Event) {
    try {
        const bool handled = QApplication::notify(Receiver, Event);
        if (Event->type() == QEvent::Show && Receiver->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(Receiver);
            if (widget->isWindow() && qobject_cast<QDialog*>(widget))
                KeepOnScreen(widget);
        }
        return handled;
    } catch (const std::exception& Error) {
        ShowErrorReport(QString::fromUtf8(Error.what()));
    } catch (...) {
        ShowErrorReport(QStringLiteral("Unexpected error"));
    }
    // The event counts as handled: the action that failed does not go on elsewhere.
    return true;
}

int TKavorinStyle::styleHint(StyleHint AHint, const QStyleOption* AOption, const QWidget* AWidget,
                             QStyleHintReturn* AReturn) const {
    if (AHint == SH_ToolTip_WakeUpDelay)
        return 400;
    return QProxyStyle::styleHint(AHint, AOption, AWidget, AReturn);
}

QPalette TKavorinStyle::Canonical(const QPalette& APalette) const {
    for (const QPalette& known : FPalettes)
        if (known == APalette) {
            QPalette drawn = known;
            drawn.setCurrentColorGroup(APalette.currentColorGroup());
            return drawn;
        }
    if (FPalettes.size() < MaxPalettes)
        FPalettes.push_back(APalette);
    return APalette;
}

namespace {
// Draws with the option's palette swapped for its canonical equal, and puts the
// option's own palette back afterwards. The options come from the widgets' paint
// code, which builds them for this one call.
//
// A control with the focus is drawn as if the focus had come by keyboard: the
// platform style may show the focus only then (Fusion), yet a window opens with
// the focus on a control, and a user who starts typing must see which one.
template <class TDraw>
void DrawWithCanonicalPalette(const TKavorinStyle& AStyle, const QStyleOption* AOption,
                              TDraw ADraw) {
    if (!AOption) {
        ADraw();
        return;
    }
    auto* option = const_cast<QStyleOption*>(AOption);
    const QPalette own = option->palette;
    const QStyle::State state = option->state;
    option->palette = AStyle.Canonical(own);
    if (state & QStyle::State_HasFocus)
        option->state |= QStyle::State_KeyboardFocusChange;
    ADraw();
    option->palette = own;
    option->state = state;
}
} // namespace

void TKavorinStyle::drawPrimitive(PrimitiveElement AElement, const QStyleOption* AOption,
                                  QPainter* APainter, const QWidget* AWidget) const {
    if (AElement == PE_FrameFocusRect && AOption && APainter) {
        // A plain frame in the highlight colour, which shows where the platform's
        // (Fusion's) is too faint to find at a glance.
        APainter->save();
        APainter->setPen(QPen(AOption->palette.color(QPalette::Highlight), 1));
        APainter->setBrush(Qt::NoBrush);
        APainter->drawRect(AOption->rect.adjusted(0, 0, -1, -1));
        APainter->restore();
        return;
    }
    DrawWithCanonicalPalette(
        *this, AOption, [&] { QProxyStyle::drawPrimitive(AElement, AOption, APainter, AWidget); });
}

void TKavorinStyle::drawControl(ControlElement AElement, const QStyleOption* AOption,
                                QPainter* APainter, const QWidget* AWidget) const {
    DrawWithCanonicalPalette(
        *this, AOption, [&] { QProxyStyle::drawControl(AElement, AOption, APainter, AWidget); });
}

void TKavorinStyle::drawComplexControl(ComplexControl AControl, const QStyleOptionComplex* AOption,
                                       QPainter* APainter, const QWidget* AWidget) const {
    DrawWithCanonicalPalette(*this, AOption, [&] {
        QProxyStyle::drawComplexControl(AControl, AOption, APainter, AWidget);
    });
}
