#include "SideWindow.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMetaObject>
#include <QScreen>
#include <QWindow>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
// Moves that the window system undoes again and again (a place off the screen,
// say) are given up after this many snaps back.
constexpr int MaxSnapAttempts = 3;

QMargins DecorationOf(const QWidget* AWindow) {
    const QWindow* window = AWindow ? AWindow->windowHandle() : nullptr;
    return window && window->handle() ? window->frameMargins() : QMargins();
}
} // namespace

QRect OuterFrame(const QWidget* AWindow) {
    // The platform window knows the decoration as the window manager reports it
    // now; the widget's own copy of it is brought up to date only by moves.
    const QWindow* window = AWindow->windowHandle();
    if (window && window->handle())
        return window->frameGeometry();
    return AWindow->frameGeometry();
}

TSideWindow::TSideWindow(QWidget* AOwner)
    : QWidget(AOwner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      FOwner(AOwner) {
    // A display beside its owner: the keyboard stays with the owner.
    setAttribute(Qt::WA_ShowWithoutActivating);
    if (FOwner) {
        FOwner->installEventFilter(this);
        if (QWindow* window = FOwner->windowHandle())
            window->installEventFilter(this);
    }
}

QRect TSideWindow::FrameRect() const {
    if (FFramed)
        return OuterFrame(this);
    // Not framed yet: the window manager will give it a frame like its owner's.
    const QMargins decoration = DecorationOf(FOwner);
    const QPoint topLeft = FPlace ? *FPlace : pos();
    return QRect(topLeft, size().grownBy(decoration));
}

bool TSideWindow::OwnerExposed() const {
    const QWindow* window = FOwner ? FOwner->windowHandle() : nullptr;
    return window && window->isExposed();
}

void TSideWindow::ShowAttached() {
    if (OwnerExposed()) {
        FShowPending = false;
        show();
    } else {
        FShowPending = true;
    }
}

void TSideWindow::PlaceBeside(const QWidget* AOwner, const QRect& ABeside) {
    const QRect frame = OuterFrame(AOwner);
    const QSize size = FrameRect().size();
    QPoint place(ABeside.left() + ABeside.width(), frame.top());
    if (const QScreen* screen = AOwner->screen()) {
        const QRect area = screen->availableGeometry();
        const int right = area.left() + area.width();
        if (place.x() + size.width() > right)
            place.setX(ABeside.left() - size.width() >= area.left()
                           ? ABeside.left() - size.width()
                           : std::max(area.left(), right - size.width()));
        const int bottom = area.top() + area.height();
        place.setY(std::max(area.top(), std::min(place.y(), bottom - size.height())));
    }
    PlaceAt(place);
}

void TSideWindow::PlaceAt(const QPoint& ATopLeft) {
    if (!FPlace || *FPlace != ATopLeft) {
        FRefusals = 0;
        FRefusedFrom.reset();
    }
    FPlace = ATopLeft;
    if (!FFramed) {
        // Before the window manager has framed the window a move asks for the
        // frame's position; it is checked once the frame is known.
        move(ATopLeft);
        return;
    }
    ApplyPlace();
}

void TSideWindow::ApplyPlace() {
    FPlacePending = false;
    if (!FPlace)
        return;
    const QPoint at = FrameRect().topLeft();
    if (at == *FPlace) {
        FRefusals = 0;
        FRefusedFrom.reset();
        return;
    }
    // Still where the last move started from: the window system did not follow.
    if (FRefusedFrom && *FRefusedFrom == at) {
        if (++FRefusals >= MaxSnapAttempts)
            return;
    } else {
        FRefusals = 0;
    }
    FRefusedFrom = at;
    // The client's place from the decoration as the window system reports it
    // now: the widget's own copy of it may still be the one from before the
    // window manager framed the window.
    const QMargins decoration = DecorationOf(this);
    setGeometry(QRect(*FPlace + QPoint(decoration.left(), decoration.top()), size()));
}

void TSideWindow::PostApplyPlace() {
    // Back to the place after the move has been handled, not inside it.
    if (FPlacePending)
        return;
    FPlacePending = true;
    QMetaObject::invokeMethod(this, &TSideWindow::ApplyPlace, Qt::QueuedConnection);
}

void TSideWindow::CheckFrame() {
    if (!FFramed)
        return;
    const QMargins decoration = DecorationOf(this);
    if (decoration == FLastMargins)
        return;
    FLastMargins = decoration;
    emit FrameChanged();
}

bool TSideWindow::event(QEvent* AEvent) {
    const bool result = QWidget::event(AEvent);
    switch (AEvent->type()) {
    case QEvent::Move:
        CheckFrame();
        if (FPlace && FFramed)
            PostApplyPlace();
        break;
    case QEvent::Resize:
        CheckFrame();
        emit FrameChanged();
        break;
    default:
        break;
    }
    return result;
}

bool TSideWindow::eventFilter(QObject* AWatched, QEvent* AEvent) {
    if (FOwner && AWatched == FOwner) {
        // The owner's platform window exists from its first show on.
        if (AEvent->type() == QEvent::Show || AEvent->type() == QEvent::WinIdChange)
            if (QWindow* window = FOwner->windowHandle())
                window->installEventFilter(this);
        return false;
    }
    if (AEvent->type() != QEvent::Expose)
        return false;
    const QWindow* window = qobject_cast<const QWindow*>(AWatched);
    if (!window || !window->isExposed())
        return false;
    if (FOwner && window == FOwner->windowHandle()) {
        if (FOwnerFramed)
            return false;
        // The owner is on the screen and framed: show beside it, in place.
        FOwnerFramed = true;
        emit FrameChanged();
        if (FShowPending) {
            FShowPending = false;
            show();
            // The keyboard stays with the owner, also where the window system
            // activates every window it shows.
            FOwner->activateWindow();
        }
    } else if (window == windowHandle() && !FFramed) {
        // Mapped: from now on the frame is the window manager's.
        FFramed = true;
        FLastMargins = DecorationOf(this);
        emit FrameChanged();
        if (FPlace)
            PostApplyPlace();
    }
    return false;
}

void TSideWindow::showEvent(QShowEvent* AEvent) {
    QWidget::showEvent(AEvent);
    if (QWindow* window = windowHandle())
        window->installEventFilter(this);
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
