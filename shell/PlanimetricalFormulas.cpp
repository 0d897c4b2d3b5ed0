#include "PlanimetricalFormulas.h"

#include "Cancel.h"
#include "LanguageSupport.h"
#include "StringFunctions.h"
#include "WindowStyle.h"

#include <QLabel>
#include <utility>

TFormPlanimetricalFormulas::TFormPlanimetricalFormulas(QWidget* AOwner)
    : TFormulaSheet(AOwner, QSize(OuterWidth, OuterHeight)) {
    setObjectName(QStringLiteral("FormPlanimetricalFormulas"));
    constexpr int NameSize = 13, VariantSize = 12;
    SquareL = AddCaption("SquareL", NameSize, Colours::Navy);
    Square = AddImage("Square");
    RectangleL = AddCaption("RectangleL", NameSize, Colours::Navy);
    Rectangle = AddImage("Rectangle");
    RhombusL = AddCaption("RhombusL", NameSize, Colours::Navy);
    Rhombus = AddImage("Rhombus");
    ParallelogramL = AddCaption("ParallelogramL", NameSize, Colours::Navy);
    Parallelogram = AddImage("Parallelogram");
    TriangleL = AddCaption("TriangleL", NameSize, Colours::Navy);
    Triangle_General = AddImage("Triangle_General");
    Triangle_GeneralL = AddCaption("Triangle_GeneralL", VariantSize, Colours::Maroon);
    Triangle_Heron = AddImage("Triangle_Heron");
    Triangle_HeronL = AddCaption("Triangle_HeronL", VariantSize, Colours::Maroon);
    TrapezoidL = AddCaption("TrapezoidL", NameSize, Colours::Navy);
    Trapezoid = AddImage("Trapezoid");
    CircleL = AddCaption("CircleL", NameSize, Colours::Navy);
    Circle = AddImage("Circle");
    NAngleL = AddCaption("NAngleL", NameSize, Colours::Navy);
    NAngle = AddImage("NAngle");
    CircularRingL = AddCaption("CircularRingL", NameSize, Colours::Navy);
    CircularRing = AddImage("CircularRing");
    SegmentOfCircleL = AddCaption("SegmentOfCircleL", NameSize, Colours::Navy);
    SegmentOfCircle = AddImage("SegmentOfCircle");
    SectorOfCircleL = AddCaption("SectorOfCircleL", NameSize, Colours::Navy);
    SectorOfCircle = AddImage("SectorOfCircle");
    AddEndLabel();
    FrameCancel()->move(-150, 0);

    SetLanguage();
    LoadPictures([](const QLabel* AImage) { return AImage->objectName().toUpper(); });

    StackBelow(SquareL, Square, nullptr);
    StackBelow(RectangleL, Rectangle, Square);
    StackBelow(RhombusL, Rhombus, Rectangle);
    StackBelow(ParallelogramL, Parallelogram, Rhombus);
    StackBelow(TriangleL, nullptr, Parallelogram);
    StackBelow(Triangle_GeneralL, Triangle_General, TriangleL);
    StackBelow(Triangle_HeronL, Triangle_Heron, Triangle_General);
    StackBelow(TrapezoidL, Trapezoid, Triangle_Heron);
    StackBelow(CircleL, Circle, Trapezoid);
    StackBelow(NAngleL, NAngle, Circle);
    StackBelow(CircularRingL, CircularRing, NAngle);
    StackBelow(SegmentOfCircleL, SegmentOfCircle, CircularRing);
    StackBelow(SectorOfCircleL, SectorOfCircle, SegmentOfCircle);
    FinishPage(SectorOfCircle);

    // Lives until it is closed; the sheet for solids forgets it then.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void TFormPlanimetricalFormulas::SetLanguage() {
    const QString own = QStringLiteral("TFormPlanimetricalFormulas");
    const QString plane = QStringLiteral("TPlaneFigure");
    setWindowTitle(LanguageText(own, QStringLiteral("Caption")));
    const std::pair<QLabel*, const char*> names[] = {
        {SquareL, "Square"},
        {RectangleL, "Rectangle"},
        {RhombusL, "Rhombus"},
        {ParallelogramL, "Parallelogram"},
        {TriangleL, "Triangle"},
        {TrapezoidL, "Trapezoid"},
        {CircleL, "Circle"},
        {NAngleL, "NAngle"},
        {CircularRingL, "CircularRing"},
        {SegmentOfCircleL, "SegmentOfCircle"},
        {SectorOfCircleL, "SectorOfCircle"},
    };
    for (const auto& [label, key] : names)
        label->setText(CapitalizeFirstLetter(LanguageText(plane, QLatin1String(key))));
    Triangle_GeneralL->setText(
        LanguageText(QStringLiteral("TFormStereometricalFormulas"), QStringLiteral("General")));
    Triangle_HeronL->setText(LanguageText(plane, QStringLiteral("Triangle_Heron")));
}
