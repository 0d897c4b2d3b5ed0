// A tool window that another window keeps attached beside itself: the owner
// places it by the outer frames of both windows, the user cannot move it away
// (it snaps back to its place), and closing it with its close box tells the
// owner, which then destroys it.
//
// Under a window manager the frame of a window is known only after the window
// manager has framed it, some time after show(); until then the owner's frame
// stands in for the side window's own, and FrameChanged() asks the owner to
// place the window again as soon as the real frame is known.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <optional>

// The outer rectangle of the top-level window AWindow, decoration included, as
// the window system reports it now (the client rectangle where there is no
// decoration).
QRect OuterFrame(const QWidget* AWindow);

class TSideWindow : public QWidget {
    Q_OBJECT
public:
    // AOwner (not null) is the window the side window belongs to: window
    // managers stack the side window above it (it is transient for it).
    explicit TSideWindow(QWidget* AOwner);

    // The outer frame: the real one once the window manager has framed the
    // window, before that the client rectangle with the owner's decoration.
    QRect FrameRect() const;
    // Moves the outer frame's top-left to ATopLeft and keeps it there.
    void PlaceAt(const QPoint& ATopLeft);
    // Places the window right of ABeside (outer frames: the owner's, with those of
    // side windows standing beside it), top-aligned with AOwner's frame; left of
    // ABeside where the screen has no room on the right, and with room on neither
    // side at the screen's right edge; a window near the screen's bottom rises until
    // it fits.
    void PlaceBeside(const QWidget* AOwner, const QRect& ABeside);
    // Shows the window as soon as its owner is on the screen: a window manager
    // stacks a window with its owner only when the owner is already managed.
    // The side window never takes the focus from its owner.
    void ShowAttached();

signals:
    // The user closed the window with its close box; emitted last, so the
    // receiver may delete the window (deferred) at once.
    void Closed();
    // The frame's size changed or became known, or the owner appeared on the
    // screen: the owner places the window again.
    void FrameChanged();

protected:
    bool event(QEvent* AEvent) override;
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;
    void closeEvent(QCloseEvent* AEvent) override;
    void showEvent(QShowEvent* AEvent) override;

private:
    // Moves the window to its place unless it is there; gives up when the
    // window system keeps refusing the place (one off the screen, say).
    void ApplyPlace();
    void PostApplyPlace();
    // Emits FrameChanged when the decoration differs from the last one seen.
    void CheckFrame();
    bool OwnerExposed() const;

    QWidget* FOwner;
    std::optional<QPoint> FPlace;
    std::optional<QPoint> FRefusedFrom;
    int FRefusals = 0;
    bool FPlacePending = false;
    bool FShowPending = false;
    bool FFramed = false;
    bool FOwnerFramed = false;
    QMargins FLastMargins;
};
