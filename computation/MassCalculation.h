// The mass calculation dialog: a density in, the mass of the computation
// window's current figure out, on every keystroke, in the results panel's
// precision.
#pragma once

#include "MathFunctions.h"

#include <QDialog>
#include <QString>

class QPushButton;
class TComputationHost;
class TLabeledEdit;

class TFormMassCalculation : public QDialog {
    Q_OBJECT
public:
    // Owned by the host's window and centred on it; APrecision is the results
    // panel's precision, the one the mass is written in.
    TFormMassCalculation(TComputationHost* AHost, TPrecision APrecision);

protected:
    void showEvent(QShowEvent* AEvent) override;

private:
    void SetLanguage();
    void EDensityChange();
    // The mass for the density typed, or nothing.
    QString MassText() const;

    TComputationHost* FHost;
    TPrecision FPrecision;
    TLabeledEdit* EDensity;
    TLabeledEdit* EMass;
    QPushButton* BClose;
    bool FPlaced = false;
};
