// The materials a mass is computed with: a list of every material with its
// density ("Steel, 7850 kg/m³"), where the user picks one and adds, edits and
// removes materials of their own; "Custom" is the preset density of the settings,
// whose density can be edited here too. OK stores the choice and the edits; any
// other way of closing stores nothing. While lengths have no unit a material's
// mass cannot be computed: the list is greyed and says why.
//
//     TFormMaterials Dialog(this, Choice.Length, ShippedMaterials());
//     connect(&Dialog, &TFormMaterials::MaterialChanged, this, ...);
//     Dialog.exec();
#pragma once

#include "Materials.h"
#include "Units.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;
class TLabeledEdit;

class TFormMaterials : public QDialog {
    Q_OBJECT
public:
    // Owned by AOwner, over whose window it opens (PlaceOnHost may put it
    // elsewhere before it is shown); ALength is the length unit in force, AShipped
    // the shipped list. The stored choice is selected.
    TFormMaterials(QWidget* AOwner, TLengthUnit ALength, const QList<TShippedMaterial>& AShipped);

    void SetLanguage();

    // The key of the selected material; empty for an own material added since the
    // dialog opened, until OK has stored it.
    QString ChosenKey() const;

    // A new own material (TFormMaterial), added to the list and selected.
    void BAddClick();
    // The selected own material's name and density, or Custom's density.
    void BEditClick();
    // Takes the selected own material off the list.
    void BRemoveClick();
    // Stores the edits and the choice, and closes; MaterialChanged follows when
    // anything was stored.
    void BOKClick();

    static constexpr int ClientWidth = 431;
    static constexpr int ClientHeight = 345;

signals:
    void MaterialChanged();

protected:
    void showEvent(QShowEvent* AEvent) override;

private:
    // A material of the list and what became of it since the dialog opened.
    struct TEntry {
        TMaterial Material;
        QString ValueName; // an own material's value in the settings; empty when new
        bool Edited = false;
    };

    void FillList(int ASelected);
    void EnableButtons();
    // Opens the editor on AEntry; true when it was closed with OK.
    bool EditEntry(TEntry& AEntry, bool ANew);
    int SelectedRow() const;

    bool FUsable;
    QString FLanguageCode;
    QList<TEntry> FEntries;
    QStringList FRemoved; // value names of own materials taken off the list
    QLabel* LMaterials;
    QListWidget* LBMaterials;
    QPushButton* BAdd;
    QPushButton* BEdit;
    QPushButton* BRemove;
    QLabel* LNeedsLengthUnit;
    QPushButton* BOK;
    QPushButton* BCancel;
    bool FPlaced = false;
};

// One material of the user's own, new or edited, or Custom's density: a name and
// a density in kg/m³ typed with the user's decimal separator. OK refuses a missing
// name and a density that is not a finite number above zero (an error message,
// the dialog stays open with the focus on the text at fault).
class TFormMaterial : public QDialog {
    Q_OBJECT
public:
    // ANew: a new material (the title says so). ACustom: Custom, whose name is fixed.
    TFormMaterial(QWidget* AOwner, const QString& AName, const QString& ADensityText, bool ANew,
                  bool ACustom);

    QString Name() const;
    // As typed: the user's separator.
    QString DensityText() const;
    void BOKClick();

    static constexpr int ClientWidth = 225;
    static constexpr int ClientHeight = 145;

private:
    TLabeledEdit* EName;
    TLabeledEdit* EDensity;
    QPushButton* BOK;
    QPushButton* BCancel;
};
