// The mass calculation dialog: a density in, the mass of the figure the results
// panel shows out, on every keystroke, in the results panel's precision. While
// lengths have a unit the density is in kg/m³, a list of the materials fills it
// in ("Steel, 7850 kg/m³", starting at the chosen one), and the mass is shown in
// the chosen mass unit.
#pragma once

#include "Materials.h"
#include "MathFunctions.h"
#include "Units.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class TComputationHost;
class TLabeledEdit;
class TSolidFigure;

class TFormMassCalculation : public QDialog {
    Q_OBJECT
public:
    // Owned by the host's window and centred on it; AFigure is the figure whose
    // mass it gives (none: no mass), APrecision the results panel's precision,
    // the one the mass is written in; AUnits the units shown and AFrom the unit
    // of the figure's lengths (TSolidResult::LengthUnit).
    TFormMassCalculation(TComputationHost* AHost, std::shared_ptr<const TSolidFigure> AFigure,
                         TPrecision APrecision, const TUnitChoice& AUnits = {},
                         TLengthUnit AFrom = luNone);

    static constexpr int ClientWidth = 169;
    static constexpr int ClientHeight = 145;
    // With the list of materials.
    static constexpr int MaterialClientWidth = 265;
    static constexpr int MaterialClientHeight = 193;

protected:
    void showEvent(QShowEvent* AEvent) override;

private:
    void SetLanguage();
    void EDensityChange();
    // A material picked in the list: its density goes into the density edit.
    void CBMaterialChange();
    // The density typed by hand: the list shows no material unless it is the
    // selected one's.
    void EDensityEdited();
    // The mass for the density typed, or nothing.
    QString MassText() const;

    TComputationHost* FHost;
    std::shared_ptr<const TSolidFigure> FFigure;
    TPrecision FPrecision;
    TUnitChoice FUnits;
    TLengthUnit FFrom;
    QList<TMaterial> FMaterials;
    QLabel* LMaterial = nullptr;
    QComboBox* CBMaterial = nullptr;
    TLabeledEdit* EDensity;
    TLabeledEdit* EMass;
    QPushButton* BClose;
    bool FPlaced = false;
};
