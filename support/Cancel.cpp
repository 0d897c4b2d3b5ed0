#include "Cancel.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

namespace {
QShortcut* BindKey(QWidget* Frame, QPushButton* Button, Qt::Key Key) {
    // Parented to the frame so that it is active wherever the focus is inside the
    // frame's window, in dialogs and plain windows alike.
    auto* Shortcut = new QShortcut(QKeySequence(Key), Frame);
    Shortcut->setContext(Qt::WindowShortcut);
    Shortcut->setAutoRepeat(false);
    QObject::connect(Shortcut, &QShortcut::activated, Button, &QPushButton::click);
    return Shortcut;
}
} // namespace

TFrameCancel::TFrameCancel(QWidget* Owner)
    : QWidget(Owner), FCancelButton(new QPushButton(QStringLiteral("CancelButton"), this)) {
    setObjectName(QStringLiteral("FrameCancel"));
    setFocusPolicy(Qt::NoFocus);
    resize(114, 25);
    FCancelButton->setObjectName(QStringLiteral("CancelButton"));
    FCancelButton->setGeometry(0, 0, 89, 25);
    FCancelButton->setFocusPolicy(Qt::NoFocus);
    FCancelButton->setAutoDefault(false);
    connect(FCancelButton, &QPushButton::clicked, this, &TFrameCancel::CancelButtonClick);
    BindKey(this, FCancelButton, Qt::Key_Escape);
}

void TFrameCancel::SetClickHandler(std::function<void()> Handler) {
    FClickHandler = std::move(Handler);
}

void TFrameCancel::SetDefaultButton(bool Enabled) {
    if (Enabled && !FReturnShortcut) {
        FReturnShortcut = BindKey(this, FCancelButton, Qt::Key_Return);
        FEnterShortcut = BindKey(this, FCancelButton, Qt::Key_Enter);
    } else if (!Enabled && FReturnShortcut) {
        delete FReturnShortcut;
        delete FEnterShortcut;
        FReturnShortcut = nullptr;
        FEnterShortcut = nullptr;
    }
}

void TFrameCancel::CancelButtonClick() {
    if (FClickHandler) {
        FClickHandler();
        return;
    }
    if (QWidget* Owner = window(); Owner && Owner != this)
        Owner->close();
}

void TFrameCancel::resizeEvent(QResizeEvent* Event) {
    setFocusPolicy(Qt::NoFocus);
    QWidget::resizeEvent(Event);
}
