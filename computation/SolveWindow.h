// The solving window: beside the computation window, it lists every dimension and
// quantity of the window's solid and variant as entries, solves for what is not
// given as the user types (Solver.h), and tells the outcome in words: every figure
// that has the values given (the user picks one, "Use" puts its dimensions into the
// computation window's entries), or how many more values and which would do, which
// values do not fit together, the bound no figure passes. It follows the
// computation window's variant and the results panel's number form.
#pragma once

#include "FigureReport.h"
#include "NumberFormat.h"
#include "SideWindow.h"
#include "Solver.h"
#include "Units.h"

#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class TNumberEntryFilter;

class TFormSolve : public TSideWindow {
    Q_OBJECT
public:
    // AOwner (not null) is the computation window: the window stands right of it.
    explicit TFormSolve(QWidget* AOwner);

    // The items of AVariant, empty; the same variant again keeps what is typed.
    void SetVariant(TVariant AVariant);
    void SetNumberForm(const TNumberForm& AForm);
    void SetDensity(const TPresetDensity& ADensity);
    // The units of the computation window: the entries' length unit, in which the
    // figure is solved, and the units the quantities are typed and shown in.
    void SetUnits(const TUnitChoice& AUnits);
    // A window that stands right of the computation window already: this one
    // stands right of it (nullptr: none).
    void SetNeighbour(QWidget* ANeighbour);
    // What "Use" does with the chosen figure: the variant and every entry's text.
    void SetUseHandler(std::function<void(TVariant, const TEntryTexts&)> AHandler);

    // The edit of the item AId ("r", "volume", "slant-height"), nullptr if none.
    QLineEdit* ItemEdit(const std::string& AId) const;
    const TSolveResult& Result() const { return FResult; }
    void UseClick();

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    void SetLanguage();
    void BuildItems();
    void ItemChanged(const std::string& AId, const QString& AText);
    // Solves from the values typed, in the order typed, and shows the outcome.
    void Solve();
    // Writes the outcome in the number form: the sentence, the figures, the chosen one.
    void ShowOutcome();
    void ShowFigure();
    // A found dimension as the figure's entries are written, with their unit.
    QString LengthText(Extended ALength) const;
    void PlaceBesideOwner();

    QWidget* FOwner;
    QPointer<QWidget> FNeighbour;
    QLabel* LHint;
    QWidget* FItemsPanel;
    QLabel* LOutcome;
    QListWidget* FigureList;
    QTableWidget* ValueList;
    QPushButton* BUse;

    TVariant FVariant = VariantCount;
    std::vector<TSolveItem> FItems;
    std::vector<QLineEdit*> FEdits;
    std::vector<TNumberEntryFilter*> FFilters; // the typing rule of each edit
    std::vector<std::string> FOrder; // the ids of the values given, in the order typed
    TNumberForm FForm;
    TPresetDensity FDensity;
    TUnitChoice FUnits;
    TSolveRequest FRequest;
    TSolveResult FResult;
    std::vector<TSolidResult> FFigures; // each solution's figure
    std::function<void(TVariant, const TEntryTexts&)> FUse;
};
