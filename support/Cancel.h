// TFrameCancel: an invisible Cancel button that gives a window Escape-to-close.
// The owning window places the frame outside its visible area; only the keyboard
// role of the button remains.
//
//     auto* FrameCancel = new TFrameCancel(this);
//     FrameCancel->move(0, -150);
#pragma once

#include <QWidget>
#include <functional>

class QPushButton;
class QShortcut;

class TFrameCancel : public QWidget {
    Q_OBJECT
public:
    // Builds the 114 x 25 frame with CancelButton (89 x 25) at its top left and binds
    // Escape in Owner's window to the button. Neither frame nor button takes focus.
    explicit TFrameCancel(QWidget* Owner);

    QPushButton* CancelButton() const { return FCancelButton; }

    // Replaces what the button does (the computation window runs its own Escape
    // handler); an empty handler restores closing the owner window.
    void SetClickHandler(std::function<void()> Handler);

    // Makes Enter and Return press the button too (the formula sheets).
    void SetDefaultButton(bool Enabled);

public slots:
    // Runs the click handler; by default closes the window that holds the frame.
    void CancelButtonClick();

protected:
    // Embedding may set a focus policy; the frame never takes focus.
    void resizeEvent(QResizeEvent* Event) override;

private:
    QPushButton* FCancelButton;
    QShortcut* FEnterShortcut = nullptr;
    QShortcut* FReturnShortcut = nullptr;
    std::function<void()> FClickHandler;
};
