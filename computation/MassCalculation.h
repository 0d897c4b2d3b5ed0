// The mass calculation dialog: a density in, the mass of the figure the results
// panel shows out, on every keystroke, in the results panel's precision.
#pragma once

#include "MathFunctions.h"

#include <QDialog>
#include <QString>

#include <memory>

class QPushButton;
class TComputationHost;
class TLabeledEdit;
class TSolidFigure;

class TFormMassCalculation : public QDialog {
    Q_OBJECT
public:
    // Owned by the host's window and centred on it; AFigure is the figure whose
    // mass it gives (none: no mass), APrecision the results panel's precision,
    // the one the mass is written in.
    TFormMassCalculation(TComputationHost* AHost, std::shared_ptr<const TSolidFigure> AFigure,
                         TPrecision APrecision);

protected:
    void showEvent(QShowEvent* AEvent) override;

private:
    void SetLanguage();
    void EDensityChange();
    // The mass for the density typed, or nothing.
    QString MassText() const;

    TComputationHost* FHost;
    std::shared_ptr<const TSolidFigure> FFigure;
    TPrecision FPrecision;
    TLabeledEdit* EDensity;
    TLabeledEdit* EMass;
    QPushButton* BClose;
    bool FPlaced = false;
};
