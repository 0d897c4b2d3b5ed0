// The dip chart of a horizontal cylindrical tank: what someone who reads a
// dipstick needs on paper. A title with the tank's dimensions, the tank drawn
// to scale with its current level, the fill curve, and the level table (level,
// volume, filling) in as many columns and pages as it takes, each page
// numbered. It paints on any paged device (a PDF writer, a printer), and the
// same table comes as CSV. The rows and their numbers are those of the level
// table window (TLevelTableModel) in its number form.
#pragma once

#include "MathFunctions.h"
#include "ResultState.h"
#include "Units.h"

#include <QPageSize>
#include <QString>

#include <optional>

class QPagedPaintDevice;

struct TDipChart {
    Extended Radius = 0;
    Extended Length = 0;
    // The step of level between rows, as the level table takes it.
    Extended Step = 0;
    // The level entered for the tank; none: the tank is drawn empty.
    std::optional<Extended> Level;
    TNumberForm Form;
    // The units the tank's lengths come in (Units.Length) and the chart is shown
    // in, as the level table shows them.
    TUnitChoice Units;
};

// Why a chart cannot be made ("The step must be a positive number.", "The step
// gives more than 10,000 rows. ..."), in the active language; empty when it can.
QString DipChartProblem(const TDipChart& AChart);

// The table as CSV: a header, then level, volume and filling per row, the fields
// separated by ASeparator, numbers as other programs read them ("1.2E5").
QString DipChartCsv(const TDipChart& AChart, QChar ASeparator,
                    const QString& ALineEnd = QStringLiteral("\n"));

// The number of pages the chart takes on ADevice (as its page layout is now).
int DipChartPageCount(const QPagedPaintDevice& ADevice, const TDipChart& AChart);
// Paints the chart on ADevice, page after page (the device's painter is begun and
// ended here). Returns false when the chart cannot be made or the device cannot be
// painted.
bool PaintDipChart(QPagedPaintDevice& ADevice, const TDipChart& AChart);

// A4, or Letter where the regional settings measure in inches (the US).
QPageSize DefaultDipChartPageSize();

// Writes the chart as a PDF file of pages of APageSize. The file is written whole
// or not at all: an existing file is kept on failure. Returns false with the
// message in AError.
bool SaveDipChartPdf(const TDipChart& AChart, const QString& AFileName, const QPageSize& APageSize,
                     QString& AError);
