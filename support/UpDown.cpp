#include "UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QWheelEvent>

namespace {

QToolButton* MakeArrowButton(QWidget* AParent, Qt::ArrowType AArrow, const QString& AName) {
    auto* button = new QToolButton(AParent);
    button->setObjectName(AName);
    button->setArrowType(AArrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(400);
    button->setAutoRepeatInterval(80);
    // The edit keeps the focus while the arrows are clicked.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TUpDown::TUpDown(QWidget* AParent, const QString& AName)
    : QWidget(AParent), FUpButton(MakeArrowButton(this, Qt::UpArrow, QStringLiteral("UpButton"))),
      FDownButton(MakeArrowButton(this, Qt::DownArrow, QStringLiteral("DownButton"))) {
    // The owner names the spinner for screen readers (by its edit's caption).
    if (!AName.isEmpty())
        setObjectName(AName);
    FUpButton->setAccessibleName(QStringLiteral("Up"));
    FDownButton->setAccessibleName(QStringLiteral("Down"));
    setFocusPolicy(Qt::TabFocus);
    connect(FUpButton, &QToolButton::clicked, this, &TUpDown::StepUp);
    connect(FDownButton, &QToolButton::clicked, this, &TUpDown::StepDown);
    resize(sizeHint());
    UpdateButtons();
}

void TUpDown::SetMin(int AValue) {
    FMin = AValue;
    if (FMax < FMin)
        FMax = FMin;
    SetPosition(FPosition);
    UpdateButtons();
}

void TUpDown::SetMax(int AValue) {
    FMax = AValue;
    if (FMin > FMax)
        FMin = FMax;
    SetPosition(FPosition);
    UpdateButtons();
}

void TUpDown::SetPosition(int AValue) {
    const int position = qBound(FMin, AValue, FMax);
    if (position == FPosition)
        return;
    FPosition = position;
    UpdateButtons();
    WriteAssociate();
    emit PositionChanged(FPosition);
}

void TUpDown::Associate(QLineEdit* AEdit) {
    if (FAssociate) {
        FAssociate->removeEventFilter(this);
        disconnect(FAssociate, nullptr, this, nullptr);
    }
    FAssociate = AEdit;
    if (FAssociate) {
        FAssociate->installEventFilter(this);
        // A number typed into the edit is where the next step starts from.
        connect(FAssociate, &QLineEdit::textChanged, this, [this](const QString& AText) {
            bool ok = false;
            const int value = AText.toInt(&ok);
            if (ok) {
                FPosition = qBound(FMin, value, FMax);
                UpdateButtons();
            }
        });
        WriteAssociate();
    }
}

void TUpDown::WriteAssociate() {
    if (!FAssociate)
        return;
    const QString text = QString::number(FPosition);
    if (FAssociate->text() != text)
        FAssociate->setText(text);
}

void TUpDown::UpdateButtons() {
    const bool enabled = isEnabled();
    FUpButton->setEnabled(enabled && FPosition < FMax);
    FDownButton->setEnabled(enabled && FPosition > FMin);
}

bool TUpDown::eventFilter(QObject* AWatched, QEvent* AEvent) {
    // The type first: while the edit is being destroyed it is no longer a QLineEdit.
    if (AEvent->type() == QEvent::KeyPress && AWatched == FAssociate && isEnabled()) {
        auto* keyEvent = static_cast<QKeyEvent*>(AEvent);
        const Qt::KeyboardModifiers modifiers = keyEvent->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::NoModifier && keyEvent->key() == Qt::Key_Up) {
            StepUp();
            return true;
        }
        if (modifiers == Qt::NoModifier && keyEvent->key() == Qt::Key_Down) {
            StepDown();
            return true;
        }
    }
    return QWidget::eventFilter(AWatched, AEvent);
}

void TUpDown::keyPressEvent(QKeyEvent* AEvent) {
    switch (AEvent->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        StepUp();
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        StepDown();
        break;
    default:
        QWidget::keyPressEvent(AEvent);
    }
}

void TUpDown::wheelEvent(QWheelEvent* AEvent) {
    const int delta = AEvent->angleDelta().y();
    if (delta > 0)
        StepUp();
    else if (delta < 0)
        StepDown();
    AEvent->accept();
}

void TUpDown::resizeEvent(QResizeEvent* AEvent) {
    QWidget::resizeEvent(AEvent);
    const int upHeight = (height() + 1) / 2;
    FUpButton->setGeometry(0, 0, width(), upHeight);
    FDownButton->setGeometry(0, upHeight, width(), height() - upHeight);
}

void TUpDown::changeEvent(QEvent* AEvent) {
    QWidget::changeEvent(AEvent);
    if (AEvent->type() == QEvent::EnabledChange)
        UpdateButtons();
}
