// An edit with its caption label above it, as the entry fields of every
// window use them. The label is a sibling of the edit (same parent), kept
// 3 pixels above the edit's top-left corner and shown or hidden with it.
#pragma once

#include <QLineEdit>

class QLabel;

class TLabeledEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TLabeledEdit(QWidget* AParent, const QString& AName = QString());

    QLabel* EditLabel() const { return FEditLabel; }
    // Sets the caption, which is also the edit's accessible name.
    void SetLabelText(const QString& AText);

    void setVisible(bool AVisible) override;

    // Distance between the label's bottom and the edit's top.
    static constexpr int LabelSpacing = 3;

protected:
    void moveEvent(QMoveEvent* AEvent) override;
    void resizeEvent(QResizeEvent* AEvent) override;

private:
    void PlaceLabel();

    QLabel* FEditLabel;
};
