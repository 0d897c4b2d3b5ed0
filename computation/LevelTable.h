// The level table of a horizontal cylindrical tank: a window beside the
// computation window that lists, for levels from the empty to the full tank in
// a step the user types, the volume held and its share of the full tank, and
// answers the reverse question: the level at which the tank holds a volume or
// a share. Below the table the fill curve shows volume and filling over the
// level, with the tank's level and the table's rows marked. It follows the
// tank's radius, length and level, the results panel's number form and the
// chosen units as the computation window hands them in (levels in the length
// unit, volumes in the volume unit, each column's unit in its header); the
// table can be copied (tab-separated) and saved as a CSV file, and printed or
// saved as a PDF as a dip chart (the tank drawn to scale, the curve and the table).
#pragma once

#include "DipChart.h"
#include "MathFunctions.h"
#include "NumberFormat.h"
#include "ResultState.h"
#include "SideWindow.h"
#include "Units.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QPushButton;
class QTableView;
class TFillCurveView;
class TNumberEntryFilter;

// The rows of a table from level 0 to ADiameter in steps of AStep: 0, AStep,
// 2 AStep, ... below the diameter, then the diameter itself (a multiple of the
// step within a rounding of the diameter is that last row). AStep and
// ADiameter positive and finite.
namespace LevelRows {
// The most rows a table holds.
constexpr long long MaxCount = 10000;
// The number of rows, or -1 when there would be more than MaxCount.
long long Count(Extended ADiameter, Extended AStep);
// The level of row ARow of ACount rows.
Extended Level(Extended ADiameter, Extended AStep, long long ARow, long long ACount);
} // namespace LevelRows

// The rows of the table, computed when the view asks for them.
class TLevelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // A tank of radius ARadius and length ALength with ACount rows in steps of
    // AStep; ACount 0 empties the table.
    void SetTable(Extended ARadius, Extended ALength, Extended AStep, long long ACount,
                  const TNumberForm& AForm);
    void SetHeaders(const QStringList& AHeaders);
    // The units the radius and length are in (AUnits.Length) and the volumes are
    // shown in; each column's header names its unit.
    void SetUnits(const TUnitChoice& AUnits);

    // Level, volume and percentage of a row, in the units shown (a level in feet
    // and inches in inches).
    Extended Value(int ARow, int AColumn) const;
    // A column's header with its unit ("Level (cm)"); AForFile: as a file has
    // it, where levels in feet and inches are numbers of inches. Column -1:
    // the levels' unit alone ("cm"; empty without a length unit).
    QString Header(int AColumn, bool AForFile) const;

    int rowCount(const QModelIndex& AParent = QModelIndex()) const override;
    int columnCount(const QModelIndex& AParent = QModelIndex()) const override;
    QVariant data(const QModelIndex& AIndex, int ARole = Qt::DisplayRole) const override;
    QVariant headerData(int ASection, Qt::Orientation AOrientation, int ARole) const override;

    // The header and every row, fields separated by AFieldSeparator, lines
    // ended by ALineEnd; a field holding the separator, a quote or a line
    // break is quoted (CSV). The numbers as the table shows them, or AWhole:
    // with all their digits (GeneralText).
    QString Text(QChar AFieldSeparator, const QString& ALineEnd, bool AWhole = false) const;
    // A line naming a dimension of the tank: ALetter with the levels' unit, then
    // ALength with all its digits ("r (m);1.2").
    QString DimensionLine(const QString& ALetter, Extended ALength, QChar AFieldSeparator) const;

private:
    Extended FRadius = 0;
    Extended FLength = 0;
    Extended FStep = 0;
    long long FCount = 0;
    TNumberForm FForm;
    TUnitChoice FUnits;
    QStringList FHeaders;
};

class TFormLevelTable : public TSideWindow {
    Q_OBJECT
public:
    // AOwner (not null) is the computation window: the table stands right of it.
    explicit TFormLevelTable(QWidget* AOwner);

    // The tank as its entries read now: AState is rsSpocitano when radius and
    // length are both valid (they are then ARadius and ALength), else the state
    // the results panel shows for them ("---", "Input error"). ALevel: the level
    // of the tank the window calculated, marked on the curve and drawn in the
    // dip chart; none while the entries give no tank.
    void SetTank(TResultState AState, Extended ARadius, Extended ALength, const TNumberForm& AForm,
                 std::optional<Extended> ALevel = std::nullopt);
    // The same tank in another number form (the results panel's, or a previewed one).
    void SetNumberForm(const TNumberForm& AForm);
    // The units the tank's radius and length come in (AUnits.Length) and the
    // table is shown in; the step and the level are typed and shown in the
    // length unit, the volume in the volume unit.
    void SetUnits(const TUnitChoice& AUnits);

    // Puts the table on the clipboard, tab-separated.
    void CopyClick();
    // Asks for a file name and saves the table there.
    void SaveClick();
    // Saves the table as CSV in AFileName: the decimal separator of the
    // regional settings and ';' between fields where that is a comma, else
    // ','. The file is written whole or not at all (an existing file is kept
    // on failure); a failure is reported in an error box. Returns success.
    bool SaveCsv(const QString& AFileName);

    // The field separator that goes with the decimal separator ADecimal.
    static QChar FieldSeparator(QChar ADecimal);

    // The dip chart of the table as it is shown (tank, step, level, number form).
    TDipChart DipChart() const;
    // Asks for a printer and prints the dip chart on it.
    void PrintClick();
    // Prints the dip chart on APrinter, set up and not yet begun; a failure is
    // reported in an error box. Returns success.
    bool Print(QPagedPaintDevice& APrinter);
    // Asks for a file name and saves the dip chart there as a PDF.
    void SavePdfClick();
    // Writes the dip chart as a PDF file, A4 or Letter as the regional settings
    // measure; whole or not at all, a failure reported in an error box.
    bool SavePdf(const QString& AFileName);

    const TLevelTableModel* Model() const { return FModel; }
    const TFillCurveView* Curve() const { return FillCurve; }

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    void SetLanguage();
    static QString Text(const char* AKey);
    // Rebuilds the table from the tank, the step and the number form.
    void Refresh();
    // The level for the volume or the percentage typed.
    void RefreshLevel();
    void VolumeChanged();
    void PercentageChanged();
    void PlaceBesideOwner();
    void ShowState(const QString& AText);
    // A length (a level, a step) as the table shows it, with its unit.
    QString LengthText(Extended ALength) const;
    // A length typed (the step) in the length unit.
    bool ReadLength(const QString& AText, Extended& ALength) const;

    QWidget* FOwner;
    QLabel* LStep;
    QLineEdit* EStep;
    QTableView* LevelList;
    QLabel* LState;
    QGroupBox* GBLevelFor;
    QLabel* LVolume;
    QLineEdit* EVolume;
    QLabel* LPercentage;
    QLineEdit* EPercentage;
    QLabel* LLevel;
    QLabel* LevelResult;
    QPushButton* BCopy;
    QPushButton* BSaveCSV;
    TFillCurveView* FillCurve;
    // What the full tank holds, below the step.
    QLabel* LCapacity = nullptr;
    QPushButton* BPrint;
    QPushButton* BSavePdf;
    TLevelTableModel* FModel;
    TNumberEntryFilter* FStepFilter;

    TResultState FState = rsNespocitano;
    Extended FRadius = 0;
    Extended FLength = 0;
    std::optional<Extended> FLevel;
    // The step of the rows shown (typed, or the diameter / 20).
    Extended FStep = 0;
    TNumberForm FForm;
    TUnitChoice FUnits;
};
