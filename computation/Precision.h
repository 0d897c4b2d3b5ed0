// The custom precision dialog: a spinner of 0..14 decimals. While it moves,
// the results are previewed in the spinner's precision; the results panel keeps
// the new precision only when the dialog closes with OK.
#pragma once

#include "MathFunctions.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;
class TComputationHost;
class TFrameCancel;
class TUpDown;

class TFormPrecision : public QDialog {
    Q_OBJECT
public:
    // Owned by the host's window and centred on it; the spinner starts at
    // APrecision (clamped to 0..14), and every move of it calls APreview with
    // the precision it shows.
    TFormPrecision(TComputationHost* AHost, TPrecision APrecision,
                   std::function<void(TPrecision)> APreview = {});

    // The spinner's position: the precision chosen.
    TPrecision NewPrecision() const;

protected:
    void showEvent(QShowEvent* AEvent) override;

private:
    void SetLanguage();
    void ENewPrecisionChange();

    TComputationHost* FHost;
    std::function<void(TPrecision)> FPreview;
    QLineEdit* ENewPrecision;
    TUpDown* UDNewPrecision;
    TFrameCancel* FrameCancel;
    QPushButton* BOK;
    bool FPlaced = false;
};

// Places ADialog at the centre of the host's window, moved left by half the
// width of the open draft panel.
void PlaceOnHost(QWidget* ADialog, TComputationHost* AHost);
