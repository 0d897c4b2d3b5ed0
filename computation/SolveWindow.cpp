#include "SolveWindow.h"

#include "LanguageSupport.h"
#include "NumberEntry.h"
#include "NumberParsing.h"
#include "SolveItems.h"
#include "SolveTexts.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int WindowWidth = 440;
constexpr int WindowHeight = 600;

QString Text(const char* AKey) {
    return LanguageText(QLatin1String(SolveSection), QLatin1String(AKey));
}

// What may be typed into an item with lengths in ALength: the entries as the
// computation window's (feet and inches with their marks), quantities as numbers.
TNumberKind KindOf(const TSolveItem& AItem, TLengthUnit ALength) {
    if (AItem.Kind == ikCount)
        return nkCount;
    if (AItem.Kind != ikEntry)
        return nkNumber;
    return LengthNumberKind(EntryDesc(AItem.Entry).Kind == ekRadius, ALength == luFeetAndInches);
}

} // namespace

TFormSolve::TFormSolve(QWidget* AOwner)
    : TSideWindow(AOwner), FOwner(AOwner), LHint(new QLabel(this)), FItemsPanel(new QWidget),
      LOutcome(new QLabel(this)), FigureList(new QListWidget(this)),
      ValueList(new QTableWidget(0, 2, this)), BUse(new QPushButton(this)),
      FForm(ReadNumberForm()) {
    setObjectName(QStringLiteral("FormSolve"));
    LHint->setObjectName(QStringLiteral("LHint"));
    LOutcome->setObjectName(QStringLiteral("LOutcome"));
    FigureList->setObjectName(QStringLiteral("FigureList"));
    ValueList->setObjectName(QStringLiteral("ValueList"));
    BUse->setObjectName(QStringLiteral("BUse"));

    LHint->setWordWrap(true);
    QFont bold = LOutcome->font();
    bold.setBold(true);
    LOutcome->setFont(bold);
    LOutcome->setWordWrap(true);
    LOutcome->setMinimumHeight(3 * LOutcome->fontMetrics().lineSpacing());
    LOutcome->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LOutcome->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("Items"));
    scroll->setWidgetResizable(true);
    scroll->setWidget(FItemsPanel);
    scroll->setFrameShape(QFrame::NoFrame);

    FigureList->setMaximumHeight(4 * FigureList->fontMetrics().height() + 8);
    ValueList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ValueList->setSelectionMode(QAbstractItemView::NoSelection);
    ValueList->setAlternatingRowColors(true);
    ValueList->verticalHeader()->hide();
    ValueList->horizontalHeader()->hide();
    ValueList->verticalHeader()->setDefaultSectionSize(ValueList->fontMetrics().height() + 6);
    ValueList->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ValueList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BUse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LHint);
    layout->addWidget(scroll, 3);
    layout->addWidget(LOutcome);
    layout->addWidget(FigureList);
    layout->addWidget(ValueList, 2);
    layout->addLayout(buttons);

    connect(FigureList, &QListWidget::currentRowChanged, this, &TFormSolve::ShowFigure);
    connect(BUse, &QPushButton::clicked, this, &TFormSolve::UseClick);
    connect(this, &TSideWindow::FrameChanged, this, &TFormSolve::PlaceBesideOwner);
    // Unlike the displays beside the computation window, this one is typed into:
    // it takes the keyboard when it opens.
    setAttribute(Qt::WA_ShowWithoutActivating, false);

    SetLanguage();
    setFixedSize(WindowWidth, WindowHeight);
    Solve();
}

void TFormSolve::SetLanguage() {
    setWindowTitle(Text("Caption"));
    LHint->setText(Text("LHint"));
    BUse->setText(Text("BUse"));
    FigureList->setAccessibleName(Text("sFigures"));
    ValueList->setAccessibleName(Text("sValues"));
    LOutcome->setAccessibleName(Text("Caption"));
}

// Whether AVariant is one with a solid (none yet before the window is told its variant).
static bool HasSolid(TVariant AVariant) {
    return AVariant < VariantCount && VariantDesc(AVariant).SolidType != stNone;
}

void TFormSolve::SetVariant(TVariant AVariant) {
    if (AVariant == FVariant)
        return;
    FVariant = AVariant;
    FOrder.clear();
    BuildItems();
    Solve();
}

namespace {

// The symbol of the unit an item is typed in (empty for a bare number).
QString ItemUnitSymbol(const TSolveItem& AItem, const TUnitChoice& AUnits) {
    if (AItem.Kind == ikCount)
        return QString();
    if (AItem.Kind == ikMass)
        return ShownMass(1, 1, AUnits).Symbol;
    TQuantityKind kind = qkLength;
    ItemQuantityKind(AItem, kind);
    switch (kind) {
    case qkLength:
        return UnitSymbol(AUnits.Length);
    case qkArea:
        return ShownArea(1, AUnits).Symbol;
    case qkVolume:
        return ShownVolume(1, AUnits).Symbol;
    case qkPercentage:
        break;
    }
    return QString();
}

// An item's caption: its name, and the unit it is typed in.
QString ItemCaption(TVariant AVariant, const TSolveItem& AItem, const TUnitChoice& AUnits) {
    const QString name = SolveItemName(AVariant, AItem.Id, LanguageText);
    const QString symbol = ItemUnitSymbol(AItem, AUnits);
    return symbol.isEmpty() ? name : name + QStringLiteral(" (") + symbol + QLatin1Char(')');
}

} // namespace

void TFormSolve::SetUnits(const TUnitChoice& AUnits) {
    if (AUnits == FUnits)
        return;
    FUnits = AUnits;
    for (std::size_t i = 0; i < FItems.size() && i < FFilters.size(); ++i)
        FFilters[i]->SetKind(KindOf(FItems[i], FUnits.Length));
    const QList<QLabel*> labels = FItemsPanel->findChildren<QLabel*>();
    for (std::size_t i = 0; i < FItems.size() && i < FEdits.size(); ++i)
        for (QLabel* label : labels)
            if (label->buddy() == FEdits[i])
                label->setText(ItemCaption(FVariant, FItems[i], FUnits));
    Solve();
}

void TFormSolve::BuildItems() {
    delete FItemsPanel->layout();
    for (QWidget* child :
         FItemsPanel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        delete child;
    FEdits.clear();
    FFilters.clear();
    FItems = SolveItems(FVariant);
    auto* grid = new QGridLayout(FItemsPanel);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const TSolveItem& item : FItems) {
        auto* label = new QLabel(ItemCaption(FVariant, item, FUnits), FItemsPanel);
        auto* edit = new QLineEdit(FItemsPanel);
        edit->setObjectName(QStringLiteral("E") + QString::fromStdString(item.Id));
        FFilters.push_back(TNumberEntryFilter::Attach(edit, KindOf(item, FUnits.Length)));
        edit->setMaxLength(40);
        edit->setAccessibleName(SolveItemName(FVariant, item.Id, LanguageText));
        label->setBuddy(edit);
        label->setWordWrap(true);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
        const std::string id = item.Id;
        connect(edit, &QLineEdit::textChanged, this,
                [this, id](const QString& AText) { ItemChanged(id, AText); });
        FEdits.push_back(edit);
    }
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(row, 1);
    // Typing starts in the first item, whichever control was made first.
    if (!FEdits.empty())
        FEdits.front()->setFocus();
}

void TFormSolve::SetNumberForm(const TNumberForm& AForm) {
    const bool precision = AForm.Precision != FForm.Precision;
    FForm = AForm;
    // Whether further values agree depends on the precision; the figures do not.
    if (precision)
        Solve();
    else
        ShowOutcome();
}

void TFormSolve::SetDensity(const TPresetDensity& ADensity) {
    FDensity = ADensity;
    Solve();
}

void TFormSolve::SetNeighbour(QWidget* ANeighbour) {
    FNeighbour = ANeighbour;
    if (ANeighbour)
        ANeighbour->installEventFilter(this);
    PlaceBesideOwner();
}

void TFormSolve::SetUseHandler(std::function<void(TVariant, const TEntryTexts&)> AHandler) {
    FUse = std::move(AHandler);
}

QLineEdit* TFormSolve::ItemEdit(const std::string& AId) const {
    const int index = FindItem(FItems, AId);
    return index < 0 ? nullptr : FEdits[std::size_t(index)];
}

void TFormSolve::ItemChanged(const std::string& AId, const QString& AText) {
    const auto at = std::find(FOrder.begin(), FOrder.end(), AId);
    if (AText.isEmpty() && at != FOrder.end())
        FOrder.erase(at);
    else if (!AText.isEmpty() && at == FOrder.end())
        FOrder.push_back(AId);
    Solve();
}

void TFormSolve::Solve() {
    FRequest = TSolveRequest();
    FRequest.Variant = FVariant;
    FRequest.Precision = FForm.Precision;
    if (FDensity.Use)
        FRequest.Density = FDensity.Value;
    for (const std::string& id : FOrder) {
        const int index = FindItem(FItems, id);
        const TSolveItem& item = FItems[std::size_t(index)];
        const QString text = FEdits[std::size_t(index)]->text();
        Extended value = std::numeric_limits<Extended>::quiet_NaN();
        if (item.Kind == ikEntry || item.Kind == ikCount) {
            // As the computation window reads its entries: "*" makes a diameter.
            const TEntryReading reading =
                ReadEntryText(EntryDesc(item.Entry).Kind, text, value, FUnits.Length);
            if (reading == erEmpty)
                value = 0;
            else if (reading == erTooFewSides)
                value = 2;
            else if (reading != erValid)
                value = std::numeric_limits<Extended>::quiet_NaN();
        } else if (TryTextToExtended(text, value)) {
            TQuantityKind kind = qkLength;
            ItemQuantityKind(item, kind);
            value = QuantityInFigureUnits(value, kind, item.Kind == ikMass, FUnits, FUnits.Length);
        } else {
            value = std::numeric_limits<Extended>::quiet_NaN();
        }
        FRequest.Known.push_back({id, value});
    }
    FFigures.clear();
    if (FRequest.Known.empty() && HasSolid(FVariant)) {
        FResult = TSolveResult();
        FResult.Outcome = soNotEnough;
    } else {
        FResult = ::Solve(FRequest);
        for (const TSolution& solution : FResult.Solutions) {
            FFigures.push_back(CalculateSolid(FVariant, solution.Values, FDensity));
            FFigures.back().LengthUnit = FUnits.Length;
        }
    }
    ShowOutcome();
}

void TFormSolve::ShowOutcome() {
    if (FRequest.Known.empty() && HasSolid(FVariant))
        LOutcome->setText(Text("sEmpty"));
    else
        LOutcome->setText(SolveOutcomeText(FRequest, FResult, FForm, LanguageText, FUnits));
    const int chosen = std::max(FigureList->currentRow(), 0);
    {
        const QSignalBlocker block(FigureList);
        FigureList->clear();
        for (std::size_t i = 0; i < FResult.Solutions.size(); ++i) {
            const TSolution& solution = FResult.Solutions[i];
            QStringList found;
            for (TEntry entry : solution.Found)
                for (const TSolveItem& item : FItems)
                    if ((item.Kind == ikEntry || item.Kind == ikCount) && item.Entry == entry &&
                        (item.Choice == enNone ||
                         int(solution.Values[item.Choice]) == item.ChoiceItem)) {
                        found << QString::fromStdString(item.Id) + QStringLiteral(" = ") +
                                     (item.Kind == ikCount
                                          ? ResultValueText(solution.Values[entry], FForm)
                                          : LengthText(solution.Values[entry]));
                        break;
                    }
            QString text = Text("sFigureN").arg(i + 1);
            if (solution.Double)
                text += QLatin1Char(' ') + Text("sDoubleFigure");
            if (!found.isEmpty())
                text += QStringLiteral(": ") + found.join(QStringLiteral(", "));
            FigureList->addItem(text);
        }
        FigureList->setCurrentRow(
            FResult.Solutions.empty() ? -1 : std::min(chosen, int(FResult.Solutions.size()) - 1));
    }
    FigureList->setVisible(FResult.Solutions.size() > 1);
    ShowFigure();
}

void TFormSolve::ShowFigure() {
    const int chosen = FigureList->currentRow();
    ValueList->setRowCount(0);
    BUse->setEnabled(chosen >= 0 && std::size_t(chosen) < FFigures.size());
    if (!BUse->isEnabled())
        return;
    const TSolution& solution = FResult.Solutions[std::size_t(chosen)];
    const TFigureReport report = MakeFigureReport(FFigures[std::size_t(chosen)],
                                                  SolutionTexts(FVariant, solution, TEntryTexts()),
                                                  FForm, LanguageText, FUnits);
    std::vector<std::pair<QString, QString>> rows;
    // The report's entries are the variant's places that have a caption, in order.
    std::size_t line = 0;
    for (const TEntryPlace& place : VariantDesc(FVariant).Entries) {
        if (!place.Caption.Key || line >= report.Entries.size())
            continue;
        const TEntryKind kind = EntryDesc(place.Entry).Kind;
        const bool number = kind != ekChoice && kind != ekCount;
        rows.push_back({report.Entries[line].Name,
                        number ? LengthText(solution.Values[place.Entry])
                               : report.Entries[line].Text});
        ++line;
    }
    for (const TReportLine& line : report.Quantities)
        rows.push_back({line.Name, line.Text});
    ValueList->setRowCount(int(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ValueList->setItem(int(i), 0, new QTableWidgetItem(rows[i].first));
        auto* value = new QTableWidgetItem(rows[i].second);
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ValueList->setItem(int(i), 1, value);
    }
}

QString TFormSolve::LengthText(Extended ALength) const {
    if (FUnits.Length == luFeetAndInches)
        return FeetAndInchesText(ALength, FForm.Precision);
    return WithUnit(ResultValueText(ALength, FForm), UnitSymbol(FUnits.Length));
}

void TFormSolve::UseClick() {
    const int chosen = FigureList->currentRow();
    if (chosen < 0 || std::size_t(chosen) >= FResult.Solutions.size() || !FUse)
        return;
    FUse(FVariant, SolutionTexts(FVariant, FResult.Solutions[std::size_t(chosen)], TEntryTexts()));
}

bool TFormSolve::eventFilter(QObject* AWatched, QEvent* AEvent) {
    if ((AWatched == FOwner || (FNeighbour && AWatched == FNeighbour)) &&
        (AEvent->type() == QEvent::Move || AEvent->type() == QEvent::Resize ||
         AEvent->type() == QEvent::Show))
        PlaceBesideOwner();
    return TSideWindow::eventFilter(AWatched, AEvent);
}

void TFormSolve::PlaceBesideOwner() {
    // Beside the computation window and the level table standing beside it.
    const QRect owner = OuterFrame(FOwner);
    PlaceBeside(FOwner, FNeighbour && FNeighbour->isVisible() ? owner.united(OuterFrame(FNeighbour))
                                                              : owner);
}
