#include "LabeledEdit.h"

#include "Accessibility.h"

#include <QLabel>

TLabeledEdit::TLabeledEdit(QWidget* AParent, const QString& AName)
    : QLineEdit(AParent), FEditLabel(new QLabel(AParent)) {
    if (!AName.isEmpty()) {
        setObjectName(AName);
        FEditLabel->setObjectName(AName + QStringLiteral("_Label"));
    }
    FEditLabel->setBuddy(this);
    PlaceLabel();
}

void TLabeledEdit::SetLabelText(const QString& AText) {
    FEditLabel->setText(AText);
    // A screen reader names the entry by the caption the user sees.
    setAccessibleName(SpokenCaption(AText));
    FEditLabel->adjustSize();
    PlaceLabel();
}

void TLabeledEdit::setVisible(bool AVisible) {
    QLineEdit::setVisible(AVisible);
    FEditLabel->setVisible(AVisible);
}

void TLabeledEdit::moveEvent(QMoveEvent* AEvent) {
    QLineEdit::moveEvent(AEvent);
    PlaceLabel();
}

void TLabeledEdit::resizeEvent(QResizeEvent* AEvent) {
    QLineEdit::resizeEvent(AEvent);
    PlaceLabel();
}

void TLabeledEdit::PlaceLabel() {
    FEditLabel->adjustSize();
    FEditLabel->move(x(), y() - FEditLabel->height() - LabelSpacing);
}
