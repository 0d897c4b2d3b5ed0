// The results panel of the computation window: the volume on the line "V ="
// and the surface area on the line "S =", in the panel's precision and number
// form, or a short fixed text while the entries give no figure. Its popup menu
// copies a result, switches the number form and the precision, and opens the
// mass calculation dialog. The panel reaches its window only through
// TComputationHost.
#pragma once

#include "MathFunctions.h"
#include "ResultState.h"

#include <QFrame>
#include <QString>

#include <cstdint>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class TComputationHost;

// The general text of a value: 15 significant digits (rounded from the value's
// 18-digit decimal expansion, ties away from zero, trailing zeros dropped) in
// fixed notation, or in scientific notation ("1E15", "1.234E-5") when the
// magnitude is 10^15 or more or below 10^-4; zero gives "0". The separator is
// the one RoundToStr uses. AValue must be finite.
QString GeneralText(Extended AValue);

// A finite value as the results panel writes it at APrecision: the digits of
// the value, or in the semilogarithmic form (chosen, or taken by itself for a
// magnitude of 10^15 or more or below 10^-4) the digits of the mantissa with
// the decimal exponent. Decade tells whether "x10" follows the digits, and the
// exponent is shown after it unless it is 1.
struct TResultNumber {
    QString Digits;
    bool Decade = false;
    int Exponent = 0;
};
TResultNumber ResultNumber(Extended AValue, TPrecision APrecision, bool ASemilogarithmic);

class TFrameResults : public QFrame {
    Q_OBJECT
public:
    // Builds the panel, reads its texts and the "Precision" and "Form" settings.
    TFrameResults(TComputationHost* AHost, QWidget* AParent);

    TResultState ResultState() const { return FResultState; }
    // States 0..9 show their text on both lines (and hide "x10" and the
    // exponents); rsSpocitano leaves the lines as Output has drawn them.
    void SetResultState(TResultState AValue);

    // A plain field: changing it redraws nothing until the next Output.
    TPrecision Precision() const { return FPrecision; }
    void SetPrecision(TPrecision AValue) { FPrecision = AValue; }

    bool SemilogarithmicForm() const;

    // Shows the volume and area of the host's current figure (the state
    // becomes rsSpocitano); without a figure the panel shows "---".
    void Output();
    // Shows the two values; a value that is not finite shows "Input error".
    void Output(Extended AVolume, Extended AArea);

    // The computation window's variant: its background and larger type, sized
    // to the content (220 x 54).
    void UseComputationWindowLook();

    // Opens the popup menu at a screen point (the window's options button).
    void PopupMenu(const QPoint& AGlobalPos);
    // The menu item "mass calculation" (Ctrl+M in the entries): opens the mass
    // dialog while results are shown; does nothing in any other state.
    void MassCalculationClick();

    QMenu* Menu() const { return FMenu; }

    // The report of the host's figure (the menu item "Copy report"): the solid, its
    // entries and every quantity, in the panel's precision and number form and the
    // active language; empty when the host has no entries to report.
    QString ReportText() const;

protected:
    void contextMenuEvent(QContextMenuEvent* AEvent) override;
    void resizeEvent(QResizeEvent* AEvent) override;

private:
    struct TLine {
        QLabel* Caption;
        QLabel* Equal;
        QLabel* Value;
        QLabel* Decade;
        QLabel* Exponent;
        int Top;        // in frame coordinates
        QString Text;   // the whole value, also while the label shows it cut
        QString Spoken; // what a screen reader calls the line ("Volume")
    };

    void SetLanguage();
    void ApplyLook(int ACaptionPixels, int AValuePixels);
    void PlaceLine(const TLine& ALine);
    // Shows AText on the line's value label, fitted as FitLine does.
    void SetValueText(TLine& ALine, const QString& AText);
    // Fits the value, "x10" and the exponent of a line into the panel: the
    // design's type while the value fits its place, then smaller type down to
    // a legible size, then the panel's width beside the value; a value that
    // still does not fit shows an ellipsis where it is cut and its whole text
    // as a tool-tip.
    void FitLine(const TLine& ALine);
    // Gives the value its accessible name: the line's name and the whole value,
    // "Volume 37.70".
    static void SpeakLine(const TLine& ALine);
    void OutputValue(TLine& ALine, Extended AValue);
    void MenuPopup();
    void MenuClick(QAction* AItem);
    void MenuStep(QAction* AItem);
    void SavePrecision();
    QLabel* MakeLabel(const QString& AName, const QString& AText);
    QAction* MakeItem(const QString& AName, QActionGroup* AGroup = nullptr);

    TComputationHost* FHost;
    QFrame* Panel;
    TLine FVolumeLine;
    TLine FAreaLine;
    QMenu* FMenu;
    QAction* MCopyVolumeToClipboard;
    QAction* MCopyAreaToClipboard;
    QAction* MCopyReportToClipboard;
    QAction* MBasicForm;
    QAction* MSemilogarithmicForm;
    QAction* MPrecision2;
    QAction* MPrecision3;
    QAction* MPrecision14;
    QAction* MCustomPrecision;
    QAction* MMassCalculation;
    int FValuePixels = 11;
    TResultState FResultState = rsNespocitano;
    TPrecision FPrecision = 2;
};
