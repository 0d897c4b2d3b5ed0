// The formula sheet for solids: captions and formula pictures of every solid and
// variant on one scrolling page. Its menu opens the sheet for plane figures beside it.
//
//     TFormStereometricalFormulas sheet(this);
//     TakeWindowStyle(&sheet, this);
//     sheet.exec();
#pragma once

#include "PlanimetricalFormulas.h"

#include <QPointer>

class QAction;
class QMenuBar;

class TFormStereometricalFormulas : public TFormulaSheet {
    Q_OBJECT
public:
    explicit TFormStereometricalFormulas(QWidget* AOwner);

    static constexpr int OuterWidth = 530;
    static constexpr int OuterHeight = 660;

    QAction* MPlanimetryItem() const { return MPlanimetry; }
    // The plane-figure sheet while it is open, or nullptr.
    TFormPlanimetricalFormulas* PlanimetricalFormulas() const { return FPlanimetricalFormulas; }

    // Shows the plane-figure sheet, non-modal and in front, creating it the first time.
    void MPlanimetryClick();

    // Closing the sheet closes the plane-figure sheet too.
    void done(int AResult) override;

private:
    void SetLanguage();
    QLabel* AddSolidCaption(const char* AName);
    QLabel* AddVariantCaption(const char* AName);

    QMenuBar* Menu;
    QAction* MPlanimetry;
    QPointer<TFormPlanimetricalFormulas> FPlanimetricalFormulas;

    QLabel* CubeLbl;
    QLabel* CubeImg;
    QLabel* BlockLbl;
    QLabel* BlockImg;
    QLabel* SphereLbl;
    QLabel* SphereImg;
    QLabel* ConeLbl;
    QLabel* ConeImg;
    QLabel* CylinderLbl;
    QLabel* CylinderImg;
    QLabel* PyramidLbl;
    QLabel* Pyramid_GeneralImg;
    QLabel* Pyramid_GeneralLbl;
    QLabel* Pyramid_SquareLbl;
    QLabel* Pyramid_SquareImg;
    QLabel* Pyramid_TetrahedronLbl;
    QLabel* Pyramid_TetrahedronImg;
    QLabel* Pyramid_RectangleLbl;
    QLabel* Pyramid_RectangleImg;
    QLabel* Pyramid_EquilateralTriangleLbl;
    QLabel* Pyramid_EquilateralTriangleImg;
    QLabel* Pyramid_NAngleLbl;
    QLabel* Pyramid_NAngleImg;
    QLabel* PrismLbl;
    QLabel* Prism_GeneralImg;
    QLabel* Prism_GeneralLbl;
    QLabel* Prism_TriangleLbl;
    QLabel* Prism_TriangleImg;
    QLabel* Prism_NAngleLbl;
    QLabel* Prism_NAngleImg;
    QLabel* Prism_CircularRingLbl;
    QLabel* Prism_CircularRingImg;
    QLabel* TruncatedConeImg;
    QLabel* TruncatedConeLbl;
    QLabel* TruncatedPyramidLbl;
    QLabel* TruncatedPyramid_GeneralImg;
    QLabel* TruncatedPyramid_GeneralLbl;
    QLabel* TruncatedPyramid_SquareLbl;
    QLabel* TruncatedPyramid_SquareImg;
    QLabel* TruncatedPyramid_RectangleLbl;
    QLabel* TruncatedPyramid_RectangleImg;
    QLabel* TruncatedPyramid_EquilateralTriangleLbl;
    QLabel* TruncatedPyramid_EquilateralTriangleImg;
    QLabel* TruncatedPyramid_NAngleLbl;
    QLabel* TruncatedPyramid_NAngleImg;
    QLabel* CylindricalTankLbl;
    QLabel* CylindricalTankImg;
    QLabel* SphericalSegmentLbl;
    QLabel* SphericalSegmentImg;
    QLabel* SphericalSectorLbl;
    QLabel* SphericalSectorImg;
    QLabel* SphericalFrustumLbl;
    QLabel* SphericalFrustumImg;
};
