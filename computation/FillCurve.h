// The fill curve of a horizontal cylindrical tank: the volume held (left axis)
// and the filling in percent (right axis) over the level, with the current
// level and the rows of the level table marked. One painting code serves the
// widget beside the level table and the printed dip chart; the widget shows
// the values under the pointer.
#pragma once

#include "MathFunctions.h"
#include "Units.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QPainter;

// How a number is written (the level table's form); empty: six significant
// digits with the regional decimal separator.
using TNumberText = std::function<QString(Extended)>;

struct TFillCurve {
    Extended Radius = 0;
    Extended Length = 0;
    // The level entered for the tank, marked on the curve.
    std::optional<Extended> Level;
    // The levels of the table's rows, marked on the curve.
    std::vector<Extended> RowLevels;
    TNumberText NumberText;
    // The level table's units: lengths in the entries' unit (feet and inches written
    // 7' 6.55", at LevelPrecision), volumes in the chosen volume unit.
    TUnitChoice Units;
    TPrecision LevelPrecision = 2;

    bool Valid() const;
    QString Number(Extended AValue) const;
    QString LevelText(Extended ALevel) const;
    // A volume as the level table shows it.
    Extended ShownVolume(Extended AVolume) const;
    // The axes' titles with their units: "Level (cm)", "Volume (L)".
    QString LevelTitle() const;
    QString VolumeTitle() const;
    Extended FullVolume() const;
    // Volume and percentage at a level from 0 to 2 Radius.
    Extended VolumeAt(Extended ALevel) const;
    Extended PercentageAt(Extended ALevel) const;
};

// Where a curve painted into a rectangle puts things.
class TCurveLayout {
public:
    TCurveLayout(const TFillCurve& ACurve, const QRectF& ATarget, double AUnit = 1);

    // The rectangle of the axes.
    QRectF Plot() const { return FPlot; }
    // The point of the curve at ALevel.
    QPointF PointAt(Extended ALevel) const;
    // The level at the horizontal position AX; none outside the plot.
    std::optional<Extended> LevelAt(double AX) const;

    struct TTick {
        double Position; // x for the level axis, y for the others
        QString Text;
    };
    const std::vector<TTick>& LevelTicks() const { return FLevelTicks; }
    const std::vector<TTick>& VolumeTicks() const { return FVolumeTicks; }
    const std::vector<TTick>& PercentageTicks() const { return FPercentageTicks; }
    QFont Font() const { return FFont; }
    double Unit() const { return FUnit; }

private:
    const TFillCurve& FCurve;
    QRectF FPlot;
    QFont FFont;
    double FUnit;
    std::vector<TTick> FLevelTicks, FVolumeTicks, FPercentageTicks;
};

// Paints the curve into ATarget; AHover: the level whose values are shown.
void PaintFillCurve(QPainter& APainter, const QRectF& ATarget, const TFillCurve& ACurve,
                    std::optional<Extended> AHover = std::nullopt, double AUnit = 1);

// The lines that tell the values at a level: "Level 1.2", "Volume 3.4", "Filling (%) 56".
QStringList CurveValueTexts(const TFillCurve& ACurve, Extended ALevel);

class TFillCurveView : public QWidget {
    Q_OBJECT
public:
    explicit TFillCurveView(QWidget* AParent = nullptr);

    void SetCurve(const TFillCurve& ACurve);
    const TFillCurve& Curve() const { return FCurve; }
    // The level under the pointer, whose values the view shows.
    std::optional<Extended> HoverLevel() const { return FHover; }

    void SetLanguage();

protected:
    void paintEvent(QPaintEvent* AEvent) override;
    void mouseMoveEvent(QMouseEvent* AEvent) override;
    void leaveEvent(QEvent* AEvent) override;

private:
    TFillCurve FCurve;
    std::optional<Extended> FHover;
};
