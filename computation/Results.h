// The results panel of the computation window: the volume on the line "V ="
// and the surface area on the line "S =", in the panel's precision and number
// form and in the chosen units (the unit's symbol after the value), or a short
// fixed text while the entries give no figure. It keeps the result it was
// handed and writes it anew when its form or its units change. Its popup menu
// copies a result, switches the number form and the precision, and opens the
// mass calculation dialog. The panel reaches its window only through
// TComputationHost.
#pragma once

#include "MathFunctions.h"
#include "NumberFormat.h"
#include "ResultState.h"
#include "SolidHandlers.h"
#include "Units.h"

#include <QFrame>
#include <QString>

#include <cstdint>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class TComputationHost;

class TFrameResults : public QFrame {
    Q_OBJECT
public:
    // Builds the panel, reads its texts and its number form (ReadNumberForm).
    TFrameResults(TComputationHost* AHost, QWidget* AParent);

    // Keeps AResult and shows it: its volume and area in the panel's number form,
    // or its state's text on both lines (without "x10" and the exponents). A value
    // that is not finite shows "Input error" on both lines.
    void ShowResult(const TSolidResult& AResult);
    const TSolidResult& Result() const { return FResult; }
    // The state the panel shows: the result's, or rsChyba_Z for a value beyond Extended.
    TResultState ResultState() const { return FResultState; }

    TPrecision Precision() const { return FPrecision; }
    bool SemilogarithmicForm() const;
    TNumberForm NumberForm() const { return {FPrecision, SemilogarithmicForm()}; }
    // Sets the precision, without storing it, and writes the kept result in it.
    void SetPrecision(TPrecision AValue);

    // The units the values are shown in (the defaults: bare numbers); setting
    // them writes the kept result anew.
    const TUnitChoice& Units() const { return FUnits; }
    void SetUnits(const TUnitChoice& AUnits);

    // Writes the kept result in APrecision, here and through the host in its side
    // windows, while the panel's own precision stays: the custom precision
    // dialog's preview.
    void PreviewPrecision(TPrecision APrecision);
    // Writes the kept result in the panel's own number form, here and through the
    // host: every menu item ends with it, whatever it did.
    void ApplyNumberForm();

    // The computation window's variant: its background and larger type, sized
    // to the content (220 x 54).
    void UseComputationWindowLook();

    // Opens the popup menu at a screen point (the window's options button).
    void PopupMenu(const QPoint& AGlobalPos);
    // The menu item "mass calculation" (Ctrl+M in the entries): opens the mass
    // dialog while results are shown; does nothing in any other state.
    void MassCalculationClick();

    QMenu* Menu() const { return FMenu; }

    // The report of the kept result (the menu item "Copy report"): the solid, its
    // entries as the host has them and every quantity, in the panel's precision and
    // number form and the active language; empty when the host has no entries to report.
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
        QLabel* Unit;   // the unit's symbol, after the value (and its exponent)
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
    // Writes the kept result in AForm: its two values, or its state.
    void Output(const TNumberForm& AForm);
    // States 0..9 show their text on both lines and hide "x10" and the exponents.
    void SetResultState(TResultState AValue);
    // ANumber: AValue as the line shows it (ShownResultNumber).
    void OutputValue(TLine& ALine, const TResultNumber& ANumber, const TShownQuantity& AValue);
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
    TSolidResult FResult;
    TResultState FResultState = rsNespocitano;
    TPrecision FPrecision = DefaultPrecision;
    TUnitChoice FUnits;
};
