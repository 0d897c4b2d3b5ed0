#include "SideWindow.h"

#include <QCloseEvent>
#include <QMetaObject>
#include <QMoveEvent>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
// Moves that the window system undoes again and again (a place off the screen,
// say) are given up after this many snaps back.
constexpr int MaxSnapAttempts = 3;
} // namespace

TSideWindow::TSideWindow(QWidget* AOwner)
    : QWidget(AOwner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {}

void TSideWindow::PlaceAt(const QPoint& ATopLeft) {
    FPlace = ATopLeft;
    FSnapAttempts = 0;
    if (pos() != ATopLeft)
        move(ATopLeft);
}

void TSideWindow::SnapBack() {
    FSnapPending = false;
    if (!FPlace || pos() == *FPlace)
        return;
    if (++FSnapAttempts > MaxSnapAttempts)
        return;
    move(*FPlace);
}

void TSideWindow::moveEvent(QMoveEvent* AEvent) {
    QWidget::moveEvent(AEvent);
    if (!FPlace)
        return;
    if (pos() == *FPlace) {
        FSnapAttempts = 0;
        return;
    }
    // Back to the place after the move has been handled, not inside it.
    if (!FSnapPending) {
        FSnapPending = true;
        QMetaObject::invokeMethod(this, &TSideWindow::SnapBack, Qt::QueuedConnection);
    }
}

void TSideWindow::showEvent(QShowEvent* AEvent) {
    QWidget::showEvent(AEvent);
#ifdef Q_OS_WIN
    // The owner places this window; the user cannot drag it.
    if (HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE))
        DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
#endif
}

void TSideWindow::closeEvent(QCloseEvent* AEvent) {
    QWidget::closeEvent(AEvent);
    if (AEvent->isAccepted())
        emit Closed(); // last: the receiver may schedule this window's deletion
}
