// What the results panel, its dialogs and the side windows need from the
// computation window that hosts them. TFormComputations implements it; tests
// can host the panel in a small fake.
#pragma once

#include "FigureReport.h"
#include "MathFunctions.h"

class QWidget;
class TSolidFigure;

class TComputationHost {
public:
    virtual ~TComputationHost() = default;

    // Runs the calculation handler of the window's solid as if an entry had changed.
    virtual void ReCalculate() = 0;
    // Recalculates with APrecision shown, leaving the panel's own precision unchanged.
    virtual void ReCalculate(TPrecision APrecision) = 0;
    // The precision results are shown in now (during a preview, the previewed one).
    virtual TPrecision Precision() const = 0;
    // The figure of the current entries, or nullptr when the entries give none.
    virtual const TSolidFigure* SolidFigure() const = 0;
    // The window itself: owner of the dialogs, source of their window style.
    virtual QWidget* HostWindow() = 0;
    // Width of the draft panel while it is open, 0 while it is closed; the
    // dialogs shift left by half of it.
    virtual int OpenDraftPanelWidth() const = 0;
    // The variant the window shows and its entries' texts, for a report of the
    // figure; false (the default) where the host has no entries to report.
    virtual bool ReportInput(TVariant& AVariant, TEntryTexts& ATexts) const {
        (void)AVariant;
        (void)ATexts;
        return false;
    }
};
