#include "SupplementaryData.h"

#include "Application.h"
#include "CertifiedResults.h"
#include "FigureReport.h"
#include "FittedText.h"
#include "LanguageSupport.h"
#include "PageTexts.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QString Section = QStringLiteral("TFormSupplementaryData");

// Width of the grid's sunken frame on each side; the 4 of the window's height
// formula is this frame at the top and at the bottom.
constexpr int FrameWidth = 2;

// The keys of the item texts in the language file.
constexpr const char* ItemKeys[] = {"sDefaultMass",
                                    "sDiagonalOfSolid",
                                    "sDiagonalOfXFace",
                                    "sAreaOfXFace",
                                    "sSlantHeight",
                                    "sAreaOfBase",
                                    "sAreaOfLateralSurface",
                                    "sHeightOfSolid",
                                    "sSlantHeightByXSide",
                                    "sAreaOfFaceByXSide",
                                    "sAreaOfOuterLateralSurface",
                                    "sAreaOfInnerLateralSurface",
                                    "sAreaOfUpperBase",
                                    "sAreaOfLowerBase",
                                    "sXSideOfLowerBase",
                                    "sChordOfSegmentOfCircle",
                                    "sAreaOfSegmentOfCircle",
                                    "sAreaOfLevelSurface",
                                    "sAreaOfCurvedSurface",
                                    "sPercentageFillingOfTank",
                                    "sVolumeOfFullTank",
                                    "sRadiusOfSphere",
                                    "sAreaOfSphericalCap",
                                    "sAreaOfCircle",
                                    "sPercentageFillingOfSphere",
                                    "sRadiusOfSegment",
                                    "sAreaOfSphericalCapOfSegmentPart",
                                    "sAreaOfLateralSurfaceOfConePart",
                                    "sVolumeOfSegmentPart",
                                    "sVolumeOfConePart",
                                    "sAreaOfUpperCircle",
                                    "sAreaOfLowerCircle",
                                    "sAreaOfSphericalZone"};

QString Text(const QString& AKey) {
    return LanguageText(Section, AKey);
}

// A read-only cell.
QTableWidgetItem* Cell(const QString& AText) {
    auto* item = new QTableWidgetItem(AText);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

// The width a cell of AColumn gives its text, between the margins the style
// keeps on either side.
int CellTextWidth(const QTableWidget* AGrid, int AColumn) {
    const int margin =
        AGrid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, AGrid) + 1;
    return AGrid->columnWidth(AColumn) - 2 * margin;
}

// Shows AText whole in a cell: in smaller type where it needs it; a text too
// long even then is cut by the grid with an ellipsis and shows whole on hovering.
void SetCellText(QTableWidget* AGrid, QTableWidgetItem* AItem, const QString& AText,
                 bool AToolTipAlways) {
    const TFittedText fitted = FitText(AText, AGrid->font(), CellTextWidth(AGrid, AItem->column()));
    AItem->setFont(fitted.Font);
    AItem->setText(AText);
    AItem->setToolTip(AToolTipAlways || fitted.Cut ? AText : QString());
}

} // namespace

TFormSupplementaryData::TFormSupplementaryData(QWidget* AOwner, int APrimaryClientWidth)
    : TSideWindow(AOwner), ValueList(new QTableWidget(1, 2, this)) {
    setObjectName(QStringLiteral("FormSupplementaryData"));

    ValueList->setObjectName(QStringLiteral("ValueList"));
    ValueList->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ValueList->setLineWidth(FrameWidth);
    // A pure display: no tab stop, no editing, no selection.
    ValueList->setFocusPolicy(Qt::NoFocus);
    ValueList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ValueList->setSelectionMode(QAbstractItemView::NoSelection);
    ValueList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ValueList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ValueList->setWordWrap(false);
    ValueList->setCornerButtonEnabled(false);

    // Every row is the row height plus its grid line; the window's height is
    // fitted to the rows, so nothing ever scrolls.
    QHeaderView* rows = ValueList->verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(0);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(RowHeight + GridLineWidth);

    // The title row.
    QHeaderView* titles = ValueList->horizontalHeader();
    titles->setFixedHeight(RowHeight + GridLineWidth);
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titles->setSectionsClickable(false);
    titles->setHighlightSections(false);
    titles->setSectionResizeMode(QHeaderView::Fixed);
    titles->setMinimumSectionSize(0);
    ValueList->setColumnWidth(0, KeyColumnWidth);
    ValueList->setColumnWidth(1, ValueColumnWidth);
    // The value column takes what the window's width leaves beside the key
    // column, from the start: the values are fitted to it.
    titles->setStretchLastSection(false);
    ValueList->setHorizontalHeaderItem(0, new QTableWidgetItem);
    ValueList->setHorizontalHeaderItem(1, new QTableWidgetItem);
    ValueList->setItem(0, 0, Cell(QString()));
    ValueList->setItem(0, 1, Cell(QString()));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ValueList);

    SetLanguage();
    // The client width follows the computation window's; the height follows the rows.
    setFixedSize(APrimaryClientWidth, 2 * (RowHeight + GridLineWidth) + 2 * FrameWidth);
    ValueList->setColumnWidth(1, qMax(0, APrimaryClientWidth - 2 * FrameWidth - KeyColumnWidth));

    FPresetDensity = ReadPresetDensity();
    if (FPresetDensity.Unreadable)
        ShowErrorReport(QStringLiteral("Invalid PresetDensity value"));
}

void TFormSupplementaryData::SetLanguage() {
    for (const char* key : ItemKeys)
        FItemTexts.insert(QLatin1String(key), Text(QLatin1String(key)));
    setWindowTitle(Text(QStringLiteral("Caption")));
    ValueList->horizontalHeaderItem(0)->setText(Text(QStringLiteral("Item")));
    ValueList->horizontalHeaderItem(1)->setText(Text(QStringLiteral("Value")));
    FInvalidDensityText = Text(QStringLiteral("sInvalidDensity"));
}

QString TFormSupplementaryData::ItemText(const char* AKey) const {
    return FItemTexts.value(QLatin1String(AKey), TLanguageFile::Undefined);
}

void TFormSupplementaryData::AdaptToSolid(TSolidType ASolidType) {
    // Another solid's values belong to none of the new rows.
    FResult = TSolidResult();
    FSolidType = ASolidType;
    FRows = SupplementaryRows(ASolidType);
    QStringList names;
    for (const TText& row : FRows)
        names.append(ComposeText(row, [this](const QString&, const QString& AKey) {
            return FItemTexts.value(AKey, TLanguageFile::Undefined);
        }));
    FHasMassRow = FPresetDensity.Use && ASolidType != stNone;
    if (FHasMassRow)
        names.append(MassRowName(FPresetDensity, ASolidType, LanguageText));
    // A solid without items (and without a mass row) keeps one empty row.
    if (names.isEmpty())
        names.append(QString());

    ValueList->setRowCount(int(names.size()));
    for (int i = 0; i < names.size(); ++i) {
        ValueList->setItem(i, 0, Cell(QString()));
        ValueList->setItem(i, 1, Cell(QString()));
        // A long translation (the mass row with its density) takes smaller
        // type; the whole name shows on hovering.
        SetCellText(ValueList, ValueList->item(i, 0), names.at(i), true);
    }
    const int gridRows = ValueList->rowCount() + 1; // with the title row
    setFixedHeight(gridRows * (RowHeight + GridLineWidth) + 2 * FrameWidth);
}

void TFormSupplementaryData::ShowResult(const TSolidResult& AResult) {
    FResult = AResult;
    SetValues();
}

void TFormSupplementaryData::SetNumberForm(const TNumberForm& AForm) {
    FForm = AForm;
    SetValues();
}

void TFormSupplementaryData::SetUnits(const TUnitChoice& AUnits) {
    FUnits = AUnits;
    SetValues();
}

void TFormSupplementaryData::SetDensity(const TPresetDensity& ADensity) {
    FPresetDensity = ADensity;
    // The mass row comes, goes or takes another name; the values stay.
    const TSolidResult result = FResult;
    AdaptToSolid(FSolidType);
    FResult = result;
    SetValues();
}

void TFormSupplementaryData::SetValues() {
    if (!FResult.Computed()) {
        ClearValues();
        return;
    }
    const std::vector<TSupplementaryValue>& values = FResult.SupplementaryValues;
    for (std::size_t index = 0; index < values.size(); ++index)
        for (std::size_t row = 0; row < FRows.size(); ++row)
            if (SameRow(FRows[row], values[index].Row)) {
                const TShownQuantity shown = ShownQuantity(values[index].Value, values[index].Kind,
                                                           FResult.LengthUnit, FUnits);
                SetCellText(ValueList, ValueList->item(int(row), 1),
                            ShownQuantityText(FResult, rqFirstRow + TResultQuantity(index), shown,
                                              FForm.Precision),
                            false);
            }
    if (!FHasMassRow)
        return;
    // A density that gives no mass shows its state; a mass beyond the range of
    // Extended leaves the cell empty rather than raising an error on every
    // keystroke.
    QString mass;
    if (FPresetDensity.Refused)
        mass = FInvalidDensityText;
    else if (FResult.Mass && FResult.Mass->Value)
        mass = ShownQuantityText(FResult, MassQuantity(FResult),
                                 ShownMassOf(*FResult.Mass->Value, FResult.LengthUnit, FUnits),
                                 FForm.Precision);
    SetCellText(ValueList, ValueList->item(int(FRows.size()), 1), mass, false);
}

void TFormSupplementaryData::ClearValues() {
    for (int i = 0; i < ValueList->rowCount(); ++i)
        ValueList->item(i, 1)->setText(QString());
}
