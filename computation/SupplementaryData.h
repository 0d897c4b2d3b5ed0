// The supplementary data window: a small tool window below the computation
// window that lists the current solid's derived quantities (diagonals, slant
// heights, face and base areas, filling percentages, partial volumes), one per
// row, and, with a preset density, the solid's mass. It keeps the result it was
// handed and writes it anew when the number form changes.
#pragma once

#include "MathFunctions.h"
#include "NumberFormat.h"
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

class TFormSupplementaryData : public TSideWindow {
    Q_OBJECT
public:
    // APrimaryClientWidth is the computation window's client width without the
    // draft panel. The preset density is read here (ReadPresetDensity); an
    // unreadable one is reported (error box) and the window then works without
    // the mass row.
    TFormSupplementaryData(QWidget* AOwner, int APrimaryClientWidth);

    // Rebuilds the rows for a kind of solid (SupplementaryRows) and fits the
    // window's height to them; their values come with the next result.
    void AdaptToSolid(TSolidType ASolidType);
    // Keeps AResult and writes it: each supplementary value into its row (a value
    // of a row the window does not show is left out), then the mass. A result
    // that is only a state empties every value cell, the mass included; the row
    // names stay.
    void ShowResult(const TSolidResult& AResult);
    // Writes the kept result in AForm's precision.
    void SetNumberForm(const TNumberForm& AForm);
    // Grid geometry: the title row and every item row are RowHeight plus one
    // grid line high.
    static constexpr int KeyColumnWidth = 244;
    static constexpr int ValueColumnWidth = 138;
    static constexpr int RowHeight = 18;
    static constexpr int GridLineWidth = 1;

private:
    void SetLanguage();
    QString ItemText(const char* AKey) const;
    // Writes the kept result's values into their rows, and the mass.
    void SetValues();
    // Empties every value cell, the mass included; the row names stay.
    void ClearValues();

    QTableWidget* ValueList;
    // A density that parses but gives no mass (zero, negative): the mass row shows
    // the text "sInvalidDensity" instead of a value.
    TPresetDensity FPresetDensity;
    QString FInvalidDensityText;

    TSolidResult FResult;
    TNumberForm FForm;
    // Texts of the item keys, read once by SetLanguage.
    QHash<QString, QString> FItemTexts;
    // The item rows below the title row, and whether a mass row follows them.
    std::vector<TText> FRows;
    bool FHasMassRow = false;
};
