// The units quantities are shown in: a group of four lists (length of the entries,
// area, volume, mass) that the units dialog holds and that the settings dialog can
// hold as well, and the units dialog, which reads the stored choice and stores it
// on OK.
//
//     TFormUnits Dialog(this);
//     connect(&Dialog, &TFormUnits::UnitsChanged, this, &TFormComputations::...);
//     Dialog.exec();
#pragma once

#include "Units.h"

#include <QDialog>
#include <QGroupBox>

class QComboBox;
class QLabel;
class QPushButton;

class TFrameUnits : public QGroupBox {
    Q_OBJECT
public:
    // A group of FrameWidth x FrameHeight, showing the default choice.
    explicit TFrameUnits(QWidget* AParent);

    // (Re)reads the caption, the labels and the lists' names of units.
    void SetLanguage();

    TUnitChoice Choice() const;
    void SetChoice(const TUnitChoice& AChoice);

    static constexpr int FrameWidth = 165;
    static constexpr int FrameHeight = 213;

signals:
    // The user picked another unit in one of the lists.
    void ChoiceChanged();

private:
    QLabel* LLengthUnit;
    QComboBox* CBLengthUnit;
    QLabel* LAreaUnit;
    QComboBox* CBAreaUnit;
    QLabel* LVolumeUnit;
    QComboBox* CBVolumeUnit;
    QLabel* LMassUnit;
    QComboBox* CBMassUnit;
};

class TFormUnits : public QDialog {
    Q_OBJECT
public:
    // Owned by AOwner, over whose window it opens (PlaceOnHost may put it
    // elsewhere before it is shown); the lists start at the stored choice.
    explicit TFormUnits(QWidget* AOwner);

    void SetLanguage();
    TUnitChoice Choice() const;
    // Stores the choice and closes with OK; UnitsChanged follows when it differs
    // from the stored one.
    void BOKClick();

    static constexpr int ClientWidth = 189;
    static constexpr int ClientHeight = 316;

signals:
    void UnitsChanged();

protected:
    void showEvent(QShowEvent* AEvent) override;

private:
    // The note that bare lengths keep every number bare, shown while they are.
    void ShowPlainNumbersNote();

    TFrameUnits* FrameUnits;
    QLabel* LPlainNumbers;
    QPushButton* BOK;
    QPushButton* BCancel;
    TUnitChoice FStored;
    bool FPlaced = false;
};

// Centres ADialog on its owner's window, unless it has been moved (PlaceOnHost)
// before it was first shown.
void PlaceOnOwner(QWidget* ADialog);
