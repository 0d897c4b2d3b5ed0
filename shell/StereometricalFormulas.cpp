#include "StereometricalFormulas.h"

#include "Cancel.h"
#include "LanguageSupport.h"
#include "WindowStyle.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {
constexpr int SolidCaptionSize = 15;
constexpr int VariantCaptionSize = 12;
// The suffix of the images' names that their pictures' names lack.
constexpr int ImageSuffixLength = 3; // "Img"
} // namespace

TFormStereometricalFormulas::TFormStereometricalFormulas(QWidget* AOwner)
    : TFormulaSheet(AOwner, QSize(OuterWidth, OuterHeight)) {
    setObjectName(QStringLiteral("FormStereometricalFormulas"));
    Menu = new QMenuBar(this);
    Menu->setObjectName(QStringLiteral("Menu"));
    MPlanimetry = Menu->addAction(QString());
    MPlanimetry->setObjectName(QStringLiteral("MPlanimetry"));
    connect(MPlanimetry, &QAction::triggered, this, [this] { MPlanimetryClick(); });
    static_cast<QVBoxLayout*>(layout())->setMenuBar(Menu);
    FrameCancel()->move(0, -150);

    CubeLbl = AddSolidCaption("CubeLbl");
    CubeImg = AddImage("CubeImg");
    BlockLbl = AddSolidCaption("BlockLbl");
    BlockImg = AddImage("BlockImg");
    SphereLbl = AddSolidCaption("SphereLbl");
    SphereImg = AddImage("SphereImg");
    ConeLbl = AddSolidCaption("ConeLbl");
    ConeImg = AddImage("ConeImg");
    CylinderLbl = AddSolidCaption("CylinderLbl");
    CylinderImg = AddImage("CylinderImg");
    PyramidLbl = AddSolidCaption("PyramidLbl");
    Pyramid_GeneralImg = AddImage("Pyramid_GeneralImg");
    Pyramid_GeneralLbl = AddVariantCaption("Pyramid_GeneralLbl");
    Pyramid_SquareLbl = AddVariantCaption("Pyramid_SquareLbl");
    Pyramid_SquareImg = AddImage("Pyramid_SquareImg");
    Pyramid_TetrahedronLbl = AddVariantCaption("Pyramid_TetrahedronLbl");
    Pyramid_TetrahedronImg = AddImage("Pyramid_TetrahedronImg");
    Pyramid_RectangleLbl = AddVariantCaption("Pyramid_RectangleLbl");
    Pyramid_RectangleImg = AddImage("Pyramid_RectangleImg");
    Pyramid_EquilateralTriangleLbl = AddVariantCaption("Pyramid_EquilateralTriangleLbl");
    Pyramid_EquilateralTriangleImg = AddImage("Pyramid_EquilateralTriangleImg");
    Pyramid_NAngleLbl = AddVariantCaption("Pyramid_NAngleLbl");
    Pyramid_NAngleImg = AddImage("Pyramid_NAngleImg");
    PrismLbl = AddSolidCaption("PrismLbl");
    Prism_GeneralImg = AddImage("Prism_GeneralImg");
    Prism_GeneralLbl = AddVariantCaption("Prism_GeneralLbl");
    Prism_TriangleLbl = AddVariantCaption("Prism_TriangleLbl");
    Prism_TriangleImg = AddImage("Prism_TriangleImg");
    Prism_NAngleLbl = AddVariantCaption("Prism_NAngleLbl");
    Prism_NAngleImg = AddImage("Prism_NAngleImg");
    Prism_CircularRingLbl = AddVariantCaption("Prism_CircularRingLbl");
    Prism_CircularRingImg = AddImage("Prism_CircularRingImg");
    TruncatedConeImg = AddImage("TruncatedConeImg");
    TruncatedConeLbl = AddSolidCaption("TruncatedConeLbl");
    TruncatedPyramidLbl = AddSolidCaption("TruncatedPyramidLbl");
    TruncatedPyramid_GeneralImg = AddImage("TruncatedPyramid_GeneralImg");
    TruncatedPyramid_GeneralLbl = AddVariantCaption("TruncatedPyramid_GeneralLbl");
    TruncatedPyramid_SquareLbl = AddVariantCaption("TruncatedPyramid_SquareLbl");
    TruncatedPyramid_SquareImg = AddImage("TruncatedPyramid_SquareImg");
    TruncatedPyramid_RectangleLbl = AddVariantCaption("TruncatedPyramid_RectangleLbl");
    TruncatedPyramid_RectangleImg = AddImage("TruncatedPyramid_RectangleImg");
    TruncatedPyramid_EquilateralTriangleLbl =
        AddVariantCaption("TruncatedPyramid_EquilateralTriangleLbl");
    TruncatedPyramid_EquilateralTriangleImg = AddImage("TruncatedPyramid_EquilateralTriangleImg");
    TruncatedPyramid_NAngleLbl = AddVariantCaption("TruncatedPyramid_NAngleLbl");
    TruncatedPyramid_NAngleImg = AddImage("TruncatedPyramid_NAngleImg");
    CylindricalTankLbl = AddSolidCaption("CylindricalTankLbl");
    CylindricalTankImg = AddImage("CylindricalTankImg");
    SphericalSegmentLbl = AddSolidCaption("SphericalSegmentLbl");
    SphericalSegmentImg = AddImage("SphericalSegmentImg");
    SphericalSectorLbl = AddSolidCaption("SphericalSectorLbl");
    SphericalSectorImg = AddImage("SphericalSectorImg");
    SphericalFrustumLbl = AddSolidCaption("SphericalFrustumLbl");
    SphericalFrustumImg = AddImage("SphericalFrustumImg");
    AddEndLabel();

    SetLanguage();
    LoadPictures([](const QLabel* AImage) {
        return AImage->objectName().chopped(ImageSuffixLength).toUpper();
    });

    StackBelow(CubeLbl, CubeImg, nullptr);
    StackBelow(BlockLbl, BlockImg, CubeImg);
    StackBelow(SphereLbl, SphereImg, BlockImg);
    StackBelow(ConeLbl, ConeImg, SphereImg);
    StackBelow(CylinderLbl, CylinderImg, ConeImg);
    StackBelow(PyramidLbl, nullptr, CylinderImg);
    StackBelow(Pyramid_GeneralLbl, Pyramid_GeneralImg, PyramidLbl);
    StackBelow(Pyramid_TetrahedronLbl, Pyramid_TetrahedronImg, Pyramid_GeneralImg);
    StackBelow(Pyramid_SquareLbl, Pyramid_SquareImg, Pyramid_TetrahedronImg);
    StackBelow(Pyramid_RectangleLbl, Pyramid_RectangleImg, Pyramid_SquareImg);
    StackBelow(Pyramid_EquilateralTriangleLbl, Pyramid_EquilateralTriangleImg,
               Pyramid_RectangleImg);
    StackBelow(Pyramid_NAngleLbl, Pyramid_NAngleImg, Pyramid_EquilateralTriangleImg);
    StackBelow(PrismLbl, nullptr, Pyramid_NAngleImg);
    StackBelow(Prism_GeneralLbl, Prism_GeneralImg, PrismLbl);
    StackBelow(Prism_TriangleLbl, Prism_TriangleImg, Prism_GeneralImg);
    StackBelow(Prism_NAngleLbl, Prism_NAngleImg, Prism_TriangleImg);
    StackBelow(Prism_CircularRingLbl, Prism_CircularRingImg, Prism_NAngleImg);
    StackBelow(TruncatedConeLbl, TruncatedConeImg, Prism_CircularRingImg);
    StackBelow(TruncatedPyramidLbl, nullptr, TruncatedConeImg);
    StackBelow(TruncatedPyramid_GeneralLbl, TruncatedPyramid_GeneralImg, TruncatedPyramidLbl);
    StackBelow(TruncatedPyramid_SquareLbl, TruncatedPyramid_SquareImg, TruncatedPyramid_GeneralImg);
    StackBelow(TruncatedPyramid_RectangleLbl, TruncatedPyramid_RectangleImg,
               TruncatedPyramid_SquareImg);
    StackBelow(TruncatedPyramid_EquilateralTriangleLbl, TruncatedPyramid_EquilateralTriangleImg,
               TruncatedPyramid_RectangleImg);
    StackBelow(TruncatedPyramid_NAngleLbl, TruncatedPyramid_NAngleImg,
               TruncatedPyramid_EquilateralTriangleImg);
    StackBelow(CylindricalTankLbl, CylindricalTankImg, TruncatedPyramid_NAngleImg);
    StackBelow(SphericalSegmentLbl, SphericalSegmentImg, CylindricalTankImg);
    StackBelow(SphericalSectorLbl, SphericalSectorImg, SphericalSegmentImg);
    StackBelow(SphericalFrustumLbl, SphericalFrustumImg, SphericalSectorImg);
    FinishPage(SphericalFrustumImg);
}

QLabel* TFormStereometricalFormulas::AddSolidCaption(const char* AName) {
    return AddCaption(AName, SolidCaptionSize, Colours::Navy);
}

QLabel* TFormStereometricalFormulas::AddVariantCaption(const char* AName) {
    return AddCaption(AName, VariantCaptionSize, Colours::Maroon);
}

void TFormStereometricalFormulas::SetLanguage() {
    const QString own = QStringLiteral("TFormStereometricalFormulas");
    const QString solid = QStringLiteral("TSolidFigure");
    const QString plane = QStringLiteral("TPlaneFigure");
    auto ownText = [&](const char* AKey) { return LanguageText(own, QLatin1String(AKey)); };
    auto planeText = [&](const char* AKey) { return LanguageText(plane, QLatin1String(AKey)); };

    setWindowTitle(ownText("Caption"));
    MPlanimetry->setText(
        LanguageText(QStringLiteral("TFormPlanimetricalFormulas"), QStringLiteral("Caption")));

    const std::pair<QLabel*, const char*> solids[] = {
        {CubeLbl, "Cube"},
        {BlockLbl, "Block"},
        {SphereLbl, "Sphere"},
        {ConeLbl, "Cone"},
        {CylinderLbl, "Cylinder"},
        {PyramidLbl, "Pyramid"},
        {PrismLbl, "Prism"},
        {TruncatedConeLbl, "TruncatedCone"},
        {TruncatedPyramidLbl, "TruncatedPyramid"},
        {CylindricalTankLbl, "CylindricalTank"},
        {SphericalSegmentLbl, "SphericalSegment"},
        {SphericalSectorLbl, "SphericalSector"},
        {SphericalFrustumLbl, "SphericalFrustum"},
    };
    for (const auto& [label, key] : solids)
        label->setText(LanguageText(solid, QLatin1String(key)));

    Pyramid_GeneralLbl->setText(ownText("General"));
    Pyramid_TetrahedronLbl->setText(ownText("Tetrahedron"));
    const QString base = ownText("Base") + QStringLiteral(": ");
    Pyramid_SquareLbl->setText(base + planeText("Square"));
    Pyramid_RectangleLbl->setText(base + planeText("Rectangle"));
    Pyramid_EquilateralTriangleLbl->setText(base + planeText("Triangle_Equilateral") +
                                            QLatin1Char(' ') + planeText("Triangle"));
    Pyramid_NAngleLbl->setText(base + planeText("NAngle"));
    Prism_TriangleLbl->setText(base + planeText("Triangle"));
    Prism_CircularRingLbl->setText(base + planeText("CircularRing"));

    Prism_GeneralLbl->setText(Pyramid_GeneralLbl->text());
    TruncatedPyramid_GeneralLbl->setText(Pyramid_GeneralLbl->text());
    Prism_NAngleLbl->setText(Pyramid_NAngleLbl->text());
    TruncatedPyramid_SquareLbl->setText(Pyramid_SquareLbl->text());
    TruncatedPyramid_RectangleLbl->setText(Pyramid_RectangleLbl->text());
    TruncatedPyramid_EquilateralTriangleLbl->setText(Pyramid_EquilateralTriangleLbl->text());
    TruncatedPyramid_NAngleLbl->setText(Pyramid_NAngleLbl->text());
}

void TFormStereometricalFormulas::MPlanimetryClick() {
    if (!FPlanimetricalFormulas) {
        FPlanimetricalFormulas = new TFormPlanimetricalFormulas(this);
        TakeWindowStyle(FPlanimetricalFormulas, this);
    }
    FPlanimetricalFormulas->show();
    FPlanimetricalFormulas->raise();
    FPlanimetricalFormulas->activateWindow();
}

void TFormStereometricalFormulas::done(int AResult) {
    if (FPlanimetricalFormulas)
        FPlanimetricalFormulas->close();
    TFormulaSheet::done(AResult);
}
