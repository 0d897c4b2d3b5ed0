// What the results panel, its dialogs and the side windows need from the
// computation window that hosts them. TFormComputations implements it; tests
// can host the panel in a small fake.
#pragma once

#include "FigureReport.h"
#include "NumberFormat.h"

class QWidget;

class TComputationHost {
public:
    virtual ~TComputationHost() = default;

    // The results panel writes its values in AForm now: its own number form after
    // any of its menu items, or the precision the custom precision dialog previews.
    // The host's other views of the result write the values they keep in it too.
    virtual void ShowNumberForm(const TNumberForm& AForm) = 0;
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
