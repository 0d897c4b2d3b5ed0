// The supplementary data window: a small tool window below the computation
// window that lists the current solid's derived quantities (diagonals, slant
// heights, face and base areas, filling percentages, partial volumes), one per
// row, and, with a preset density, the solid's mass.
#pragma once

#include "MathFunctions.h"
#include "SideWindow.h"
#include "SolidHandlers.h"
#include "SolidPages.h"

#include <QHash>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class QTableWidget;
class TComputationHost;

class TFormSupplementaryData : public TSideWindow {
    Q_OBJECT
public:
    // AHost (not null, outlives the window) gives SolidFigure() for the mass and
    // the precision to write values in;
    // APrimaryClientWidth is the computation window's client width without the
    // draft panel. An unreadable preset density is reported here (error box) and
    // the window then works without the mass row.
    TFormSupplementaryData(QWidget* AOwner, TComputationHost* AHost, int APrimaryClientWidth);

    // Rebuilds the rows for a kind of solid (SupplementaryRows) and fits the
    // window's height to them.
    void AdaptToSolid(TSolidType ASolidType);
    // Writes each value into its row (the values of the kind of solid the window
    // shows, as SupplementaryValues gives them), then the mass.
    void SetValues(const std::vector<TSupplementaryValue>& AValues);
    // Empties every value cell, the mass included; the row names stay.
    void ClearValues();
    // Grid geometry: the title row and every item row are RowHeight plus one
    // grid line high.
    static constexpr int KeyColumnWidth = 244;
    static constexpr int ValueColumnWidth = 138;
    static constexpr int RowHeight = 18;
    static constexpr int GridLineWidth = 1;

private:
    void SetLanguage();
    void ReadSettings();
    QString ItemText(const char* AKey) const;

    QTableWidget* ValueList;
    bool FUsePresetDensity = false;
    Extended FPresetDensity = 0;
    bool FPresetDensityInvalid = false;
    // A density that parses but gives no mass (zero, negative): the mass row shows
    // the text "sInvalidDensity" instead of a value.
    bool FPresetDensityRefused = false;
    QString FInvalidDensityText;

    TComputationHost* FHost;
    // Texts of the item keys, read once by SetLanguage.
    QHash<QString, QString> FItemTexts;
    // The item rows below the title row, and whether a mass row follows them.
    std::vector<TText> FRows;
    bool FHasMassRow = false;
};
