// A tool window that another window keeps attached beside itself: the owner
// places it, the user cannot move it away (it snaps back to its place), and
// closing it with its close box tells the owner, which then destroys it.
#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>

class TSideWindow : public QWidget {
    Q_OBJECT
public:
    explicit TSideWindow(QWidget* AOwner);

    // Moves the outer frame's top-left to ATopLeft and keeps it there.
    void PlaceAt(const QPoint& ATopLeft);

signals:
    // The user closed the window with its close box; emitted last, so the
    // receiver may delete the window (deferred) at once.
    void Closed();

protected:
    void closeEvent(QCloseEvent* AEvent) override;
    void moveEvent(QMoveEvent* AEvent) override;
    void showEvent(QShowEvent* AEvent) override;

private:
    void SnapBack();

    std::optional<QPoint> FPlace;
    bool FSnapPending = false;
    int FSnapAttempts = 0;
};
