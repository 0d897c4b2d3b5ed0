// The formula sheet for plane figures, which the sheet for solids
// (StereometricalFormulas.h) opens beside itself.
#pragma once

#include "FormulaSheet.h"

class TFormPlanimetricalFormulas : public TFormulaSheet {
    Q_OBJECT
public:
    // The sheet destroys itself when it closes.
    explicit TFormPlanimetricalFormulas(QWidget* AOwner);

    static constexpr int OuterWidth = 405;
    static constexpr int OuterHeight = 626;

private:
    void SetLanguage();

    QLabel* SquareL;
    QLabel* Square;
    QLabel* RectangleL;
    QLabel* Rectangle;
    QLabel* RhombusL;
    QLabel* Rhombus;
    QLabel* ParallelogramL;
    QLabel* Parallelogram;
    QLabel* TriangleL;
    QLabel* Triangle_General;
    QLabel* Triangle_GeneralL;
    QLabel* Triangle_Heron;
    QLabel* Triangle_HeronL;
    QLabel* TrapezoidL;
    QLabel* Trapezoid;
    QLabel* CircleL;
    QLabel* Circle;
    QLabel* NAngleL;
    QLabel* NAngle;
    QLabel* CircularRingL;
    QLabel* CircularRing;
    QLabel* SegmentOfCircleL;
    QLabel* SegmentOfCircle;
    QLabel* SectorOfCircleL;
    QLabel* SectorOfCircle;
};
