// The computation window's pages: their entries, variant controls and entry
// letters, their captions, which entry comes first, and the variant handlers
// that rearrange a page when the user picks another base or radius.
#include "Computations.h"

#include "LabeledEdit.h"
#include "LanguageSupport.h"
#include "ResourceLoading.h"
#include "UpDown.h"
#include "WindowStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>
#include <functional>

namespace {

const char* const PageNames[TFormComputations::PageCount] = {"pgCube",
                                                             "pgBlock",
                                                             "pgSphere",
                                                             "pgCone",
                                                             "pgCylinder",
                                                             "pgPyramid",
                                                             "pgPrism",
                                                             "pgTruncatedCone",
                                                             "pgTruncatedPyramid",
                                                             "pgCylindricalTank",
                                                             "pgSphericalSegment",
                                                             "pgSphericalSector",
                                                             "pgSphericalFrustum"};

constexpr int ComboWidth = 160;
constexpr int SideChooserWidth = 40;
constexpr int SpinnerWidth = 16;
constexpr int LetterGap = 6;
constexpr int IndexOffset = 9;
constexpr int CountMin = 3;
constexpr int CountMax = 9999;

// Base list items by index.
enum { BaseSquare, BaseRectangle, BaseEquilateralTriangle, BaseNAngle };
enum { PrismTriangle, PrismNAngle, PrismCircularRing };

// A caption label that the user can click like the control it names. A double
// click counts as two clicks, as it does on the check box itself.
class TClickLabel : public QLabel {
public:
    TClickLabel(QWidget* AParent, const QString& AName) : QLabel(AParent) {
        setObjectName(AName);
        setAccessibleName(AName);
    }
    std::function<void()> OnClick;

protected:
    void mousePressEvent(QMouseEvent* AEvent) override {
        FPressed = AEvent->button() == Qt::LeftButton;
        AEvent->accept();
    }
    void mouseReleaseEvent(QMouseEvent* AEvent) override {
        const bool click = FPressed && AEvent->button() == Qt::LeftButton &&
                           rect().contains(AEvent->position().toPoint());
        FPressed = false;
        AEvent->accept();
        if (click && OnClick)
            OnClick();
    }
    void mouseDoubleClickEvent(QMouseEvent* AEvent) override {
        // The release that follows is not a click of its own.
        FPressed = false;
        AEvent->accept();
        if (AEvent->button() == Qt::LeftButton && OnClick)
            OnClick();
    }

private:
    bool FPressed = false;
};

QLabel* AddLetter(QWidget* APage, const char* AName, const QString& AText) {
    auto* letter = new QLabel(AText, APage);
    letter->setObjectName(QLatin1String(AName));
    letter->setFont(PixelFont(QStringLiteral("Arial"), 12, true));
    SetTextColor(letter, Qt::black);
    letter->adjustSize();
    letter->hide();
    return letter;
}

// The Greek rho is a picture: the letter font may not have it.
QLabel* AddRho(QWidget* APage, const char* AName) {
    auto* letter = new QLabel(APage);
    letter->setObjectName(QLatin1String(AName));
    letter->setPixmap(LoadResourcePixmap(QStringLiteral("BITMAP"), QStringLiteral("RHO")));
    letter->setFixedSize(7, 12);
    letter->hide();
    return letter;
}

QComboBox* AddList(QWidget* APage, const char* AName, int ALeft, int AWidth,
                   const QStringList& AItems) {
    auto* list = new QComboBox(APage);
    list->setObjectName(QLatin1String(AName));
    list->setAccessibleName(QLatin1String(AName));
    list->addItems(AItems);
    // Nothing is chosen until the user picks an item.
    list->setCurrentIndex(-1);
    list->setFocusPolicy(Qt::ClickFocus);
    list->setGeometry(ALeft, 16, AWidth, 21);
    return list;
}

QLabel* AddListCaption(QWidget* APage, const char* AName) {
    auto* label = new QLabel(APage);
    label->setObjectName(QLatin1String(AName));
    TFormComputations::StyleEntryCaption(label);
    label->move(0, 20);
    return label;
}

void MoveTop(QWidget* AControl, int ATop) {
    AControl->move(AControl->x(), ATop);
}

void SetCaption(QLineEdit* AEntry, const QString& AText) {
    if (auto* edit = qobject_cast<TLabeledEdit*>(AEntry))
        edit->SetLabelText(AText);
}

} // namespace

void TFormComputations::CreatePages() {
    const QStringList baseItems{QStringLiteral("square"), QStringLiteral("rectangle"),
                                QStringLiteral("equilateral triangle"),
                                QStringLiteral("regular n-gon")};
    // A count edit with its spinner right of it.
    auto addCount = [this](QWidget* APage, const char* AName, const char* ASpinnerName) {
        TLabeledEdit* edit = AddEntry(APage, AName, 88);
        auto* spinner = new TUpDown(APage, QLatin1String(ASpinnerName));
        spinner->SetMax(CountMax);
        spinner->SetMin(CountMin);
        spinner->setGeometry(edit->x() + edit->width(), edit->y(), SpinnerWidth, edit->height());
        spinner->Associate(edit);
        edit->hide();
        spinner->hide();
        return spinner;
    };
    auto hidden = [](TLabeledEdit* AEdit) { AEdit->hide(); };

    for (int i = 0; i < PageCount; ++i) {
        QWidget* page = AddPage(PageNames[i]);
        switch (i) {
        case pgCube:
            AddEntry(page, "Cube_A", 128);
            AddLetter(page, "Cube_A_EL", QStringLiteral("a"));
            break;
        case pgBlock:
            AddEntry(page, "Block_A", 88);
            AddEntry(page, "Block_B", 128);
            AddEntry(page, "Block_C", 168);
            AddLetter(page, "Block_A_EL", QStringLiteral("a"));
            AddLetter(page, "Block_B_EL", QStringLiteral("b"));
            AddLetter(page, "Block_C_EL", QStringLiteral("c"));
            break;
        case pgSphere:
            AddEntry(page, "Sphere_R", 128);
            AddLetter(page, "Sphere_R_EL", QStringLiteral("r"));
            break;
        case pgCone:
            AddEntry(page, "Cone_R", 112);
            AddEntry(page, "Cone_V", 152);
            AddLetter(page, "Cone_R_EL", QStringLiteral("r"));
            AddLetter(page, "Cone_V_EL", QStringLiteral("v"));
            break;
        case pgCylinder:
            AddEntry(page, "Cylinder_R", 112);
            AddEntry(page, "Cylinder_V", 152);
            AddLetter(page, "Cylinder_R_EL", QStringLiteral("r"));
            AddLetter(page, "Cylinder_V_EL", QStringLiteral("v"));
            break;
        case pgPyramid: {
            Pyramid_Tetrahedron = new QCheckBox(page);
            Pyramid_Tetrahedron->setObjectName(QStringLiteral("Pyramid_Tetrahedron"));
            Pyramid_Tetrahedron->setAccessibleName(QStringLiteral("Pyramid_Tetrahedron"));
            Pyramid_Tetrahedron->setGeometry(24, 20, 17, 17);
            auto* tetrahedronLabel = new TClickLabel(page, QStringLiteral("Pyramid_Tetrahedron_L"));
            StyleEntryCaption(tetrahedronLabel);
            tetrahedronLabel->move(43, 20);
            tetrahedronLabel->OnClick = [this] { Pyramid_Tetrahedron_Click(); };
            Pyramid_Tetrahedron_L = tetrahedronLabel;
            Pyramid_Base = AddList(page, "Pyramid_Base", 203, ComboWidth, baseItems);
            Pyramid_Base_L = AddListCaption(page, "Pyramid_Base_L");
            Pyramid_N_UD = addCount(page, "Pyramid_N", "Pyramid_N_UD");
            hidden(AddEntry(page, "Pyramid_A", 128));
            hidden(AddEntry(page, "Pyramid_B", 128));
            hidden(AddEntry(page, "Pyramid_V", 168));
            AddLetter(page, "Pyramid_N_EL", QStringLiteral("n"));
            AddLetter(page, "Pyramid_A_EL", QStringLiteral("a"));
            AddLetter(page, "Pyramid_B_EL", QStringLiteral("b"));
            AddLetter(page, "Pyramid_V_EL", QStringLiteral("v"));
            connect(Pyramid_Tetrahedron, &QCheckBox::toggled, this,
                    [this] { Pyramid_Click(Pyramid_Tetrahedron); });
            connect(Pyramid_Base, &QComboBox::activated, this,
                    [this] { Pyramid_Click(Pyramid_Base); });
            break;
        }
        case pgPrism:
            Prism_Base = AddList(page, "Prism_Base", 136, ComboWidth,
                                 {QStringLiteral("triangle"), QStringLiteral("regular n-gon"),
                                  QStringLiteral("circular ring")});
            Prism_Base_L = AddListCaption(page, "Prism_Base_L");
            Prism_N_UD = addCount(page, "Prism_N", "Prism_N_UD");
            hidden(AddEntry(page, "Prism_E1", 68));
            hidden(AddEntry(page, "Prism_E2", 108));
            hidden(AddEntry(page, "Prism_E3", 148));
            hidden(AddEntry(page, "Prism_V", 188));
            AddLetter(page, "Prism_N_EL", QStringLiteral("n"));
            AddLetter(page, "Prism_E1_EL", QStringLiteral("a"));
            AddLetter(page, "Prism_E2_EL", QStringLiteral("b"));
            AddLetter(page, "Prism_E2i_EL", QStringLiteral("1"));
            AddLetter(page, "Prism_E3_EL", QStringLiteral("c"));
            AddLetter(page, "Prism_E3i_EL", QStringLiteral("2"));
            AddLetter(page, "Prism_V_EL", QStringLiteral("v"));
            connect(Prism_Base, &QComboBox::activated, this, [this] { Prism_Click(); });
            break;
        case pgTruncatedCone:
            AddEntry(page, "TruncatedCone_R2", 88);
            AddEntry(page, "TruncatedCone_R1", 128);
            AddEntry(page, "TruncatedCone_V", 168);
            AddLetter(page, "TruncatedCone_R2_EL", QStringLiteral("r"));
            AddLetter(page, "TruncatedCone_R2i_EL", QStringLiteral("2"));
            AddLetter(page, "TruncatedCone_R1_EL", QStringLiteral("r"));
            AddLetter(page, "TruncatedCone_R1i_EL", QStringLiteral("1"));
            AddLetter(page, "TruncatedCone_V_EL", QStringLiteral("v"));
            break;
        case pgTruncatedPyramid: {
            TruncatedPyramid_Base =
                AddList(page, "TruncatedPyramid_Base", 136, ComboWidth, baseItems);
            TruncatedPyramid_Base_L = AddListCaption(page, "TruncatedPyramid_Base_L");
            TruncatedPyramid_N_UD = addCount(page, "TruncatedPyramid_N", "TruncatedPyramid_N_UD");
            MoveTop(Entry("TruncatedPyramid_N"), 68);
            MoveTop(TruncatedPyramid_N_UD, 68);
            hidden(AddEntry(page, "TruncatedPyramid_E1", 68));
            hidden(AddEntry(page, "TruncatedPyramid_E2", 108));
            TLabeledEdit* lowerSide = AddEntry(page, "TruncatedPyramid_E3", 148);
            lowerSide->hide();
            hidden(AddEntry(page, "TruncatedPyramid_V", 188));
            // The side of the lower base that TruncatedPyramid_E3 gives; the
            // letters are the drawing's, the same in every language.
            TruncatedPyramid_Side =
                AddList(page, "TruncatedPyramid_Side", lowerSide->x() + lowerSide->width(),
                        SideChooserWidth, {QStringLiteral("a"), QStringLiteral("b")});
            MoveTop(TruncatedPyramid_Side, lowerSide->y());
            TruncatedPyramid_Side->hide();
            AddLetter(page, "TruncatedPyramid_N_EL", QStringLiteral("n"));
            AddLetter(page, "TruncatedPyramid_E1_EL", QStringLiteral("a"));
            AddLetter(page, "TruncatedPyramid_E1i_EL", QStringLiteral("2"));
            AddLetter(page, "TruncatedPyramid_E2_EL", QStringLiteral("a"));
            AddLetter(page, "TruncatedPyramid_E2i_EL", QStringLiteral("2"));
            AddLetter(page, "TruncatedPyramid_E3_EL", QStringLiteral("a"));
            AddLetter(page, "TruncatedPyramid_E3i_EL", QStringLiteral("1"));
            AddLetter(page, "TruncatedPyramid_V_EL", QStringLiteral("v"));
            connect(TruncatedPyramid_Base, &QComboBox::activated, this,
                    [this] { TruncatedPyramid_Click(); });
            connect(TruncatedPyramid_Side, &QComboBox::activated, this,
                    [this] { TruncatedPyramid_Side_Change(); });
            break;
        }
        case pgCylindricalTank:
            AddEntry(page, "CylindricalTank_R", 88);
            AddEntry(page, "CylindricalTank_H", 128);
            AddEntry(page, "CylindricalTank_D", 168);
            AddLetter(page, "CylindricalTank_R_EL", QStringLiteral("r"));
            AddLetter(page, "CylindricalTank_H_EL", QStringLiteral("h"));
            AddLetter(page, "CylindricalTank_D_EL", QStringLiteral("d"));
            break;
        case pgSphericalSegment: {
            auto addChoice = [this, page](const char* AName, const char* ALabelName, int ATop) {
                auto* radio = new QRadioButton(page);
                radio->setObjectName(QLatin1String(AName));
                radio->setAccessibleName(QLatin1String(AName));
                radio->setGeometry(24, ATop, 17, 17);
                radio->setFocusPolicy(Qt::NoFocus);
                auto* label = new TClickLabel(page, QLatin1String(ALabelName));
                StyleEntryCaption(label);
                label->move(43, ATop);
                label->OnClick = [this, label] { SphericalSegment_Click(label); };
                connect(radio, &QRadioButton::toggled, this, [this, radio](bool AChecked) {
                    if (AChecked)
                        SphericalSegment_Click(radio);
                });
                return std::make_pair(radio, static_cast<QLabel*>(label));
            };
            std::tie(SphericalSegment_RadiusOfSegmentR, SphericalSegment_RadiusOfSegmentL) =
                addChoice("SphericalSegment_RadiusOfSegmentR", "SphericalSegment_RadiusOfSegmentL",
                          20);
            std::tie(SphericalSegment_RadiusOfSphereR, SphericalSegment_RadiusOfSphereL) =
                addChoice("SphericalSegment_RadiusOfSphereR", "SphericalSegment_RadiusOfSphereL",
                          38);
            {
                // The starting choice is no variant change.
                const QSignalBlocker blocker(SphericalSegment_RadiusOfSegmentR);
                SphericalSegment_RadiusOfSegmentR->setChecked(true);
            }
            AddEntry(page, "SphericalSegment_R", 112);
            AddEntry(page, "SphericalSegment_V", 152);
            AddRho(page, "SphericalSegment_Ro_EL");
            AddLetter(page, "SphericalSegment_R_EL", QStringLiteral("r"));
            AddLetter(page, "SphericalSegment_V_EL", QStringLiteral("v"));
            break;
        }
        case pgSphericalSector:
            AddEntry(page, "SphericalSector_Ro", 112);
            AddEntry(page, "SphericalSector_V", 152);
            AddRho(page, "SphericalSector_Ro_EL");
            AddLetter(page, "SphericalSector_V_EL", QStringLiteral("v"));
            break;
        case pgSphericalFrustum:
            AddEntry(page, "SphericalFrustum_Ro2", 88);
            AddEntry(page, "SphericalFrustum_Ro1", 128);
            AddEntry(page, "SphericalFrustum_V", 168);
            AddRho(page, "SphericalFrustum_Ro2_EL");
            AddLetter(page, "SphericalFrustum_Ro2i_EL", QStringLiteral("2"));
            AddRho(page, "SphericalFrustum_Ro1_EL");
            AddLetter(page, "SphericalFrustum_Ro1i_EL", QStringLiteral("1"));
            AddLetter(page, "SphericalFrustum_V_EL", QStringLiteral("v"));
            break;
        default:
            break;
        }
    }
}

void TFormComputations::SetPageLanguage() {
    FTexts.Side = Text("sSide");
    FTexts.XSideOfBase = Text("sXSideOfBase");
    FTexts.Prism_InnerRadiusOfBase = Text("sPrism_InnerRadiusOfBase");
    FTexts.Prism_OuterRadiusOfBase = Text("sPrism_OuterRadiusOfBase");
    FTexts.TruncatedPyramid_XSideOfUpperBase = Text("sTruncatedPyramid_XSideOfUpperBase");
    FTexts.TruncatedPyramid_XSideOfLowerBase = Text("sTruncatedPyramid_XSideOfLowerBase");
    FTexts.RadiusOfSegment = Text("sRadiusOfSegment");
    FTexts.RadiusOfSphere = Text("sRadiusOfSphere");
    FTexts.HeightOfSegment = Text("sHeightOfSegment");

    auto caption = [this](const char* AEdit, const QString& AText) {
        if (auto* edit = FPage->findChild<TLabeledEdit*>(QLatin1String(AEdit)))
            edit->SetLabelText(AText);
    };
    const QString height = Text("sHeight");
    const QString numberOfEdges = Text("sNumberOfEdges");
    switch (FPageIndex) {
    case pgCube:
        caption("Cube_A", FTexts.Side);
        break;
    case pgBlock:
        caption("Block_A", FillPlaceholder(Text("Block_X"), QStringLiteral("a")));
        caption("Block_B", FillPlaceholder(Text("Block_X"), QStringLiteral("b")));
        caption("Block_C", FillPlaceholder(Text("Block_X"), QStringLiteral("c")));
        break;
    case pgSphere:
        caption("Sphere_R", Text("Sphere_R"));
        break;
    case pgCone:
        caption("Cone_R", Text("sRadiusOfBase"));
        caption("Cone_V", height);
        break;
    case pgCylinder:
        caption("Cylinder_R", Text("sRadiusOfBase"));
        caption("Cylinder_V", height);
        break;
    case pgPyramid:
        caption("Pyramid_N", numberOfEdges);
        caption("Pyramid_B", FillPlaceholder(FTexts.XSideOfBase, QStringLiteral("b")));
        caption("Pyramid_V", height);
        break;
    case pgPrism:
        caption("Prism_N", numberOfEdges);
        caption("Prism_E1", FillPlaceholder(FTexts.XSideOfBase, QStringLiteral("a")));
        caption("Prism_V", height);
        break;
    case pgTruncatedCone:
        caption("TruncatedCone_R2", Text("TruncatedCone_R2"));
        caption("TruncatedCone_R1", Text("TruncatedCone_R1"));
        caption("TruncatedCone_V", height);
        break;
    case pgTruncatedPyramid:
        caption("TruncatedPyramid_N", numberOfEdges);
        caption("TruncatedPyramid_E1",
                FillPlaceholder(FTexts.TruncatedPyramid_XSideOfUpperBase, QStringLiteral("a")));
        caption("TruncatedPyramid_V", height);
        break;
    case pgCylindricalTank:
        caption("CylindricalTank_R", Text("CylindricalTank_R"));
        caption("CylindricalTank_H", Text("CylindricalTank_H"));
        caption("CylindricalTank_D", Text("CylindricalTank_D"));
        break;
    case pgSphericalSegment:
        caption("SphericalSegment_R", FTexts.RadiusOfSegment);
        caption("SphericalSegment_V", FTexts.HeightOfSegment);
        break;
    case pgSphericalSector:
        caption("SphericalSector_Ro", FTexts.RadiusOfSegment);
        caption("SphericalSector_V", FTexts.HeightOfSegment);
        break;
    case pgSphericalFrustum:
        caption("SphericalFrustum_Ro2", Text("SphericalFrustum_Ro2"));
        caption("SphericalFrustum_Ro1", Text("SphericalFrustum_Ro1"));
        caption("SphericalFrustum_V", height);
        break;
    default:
        break;
    }

    auto formulasText = [](const char* AKey) {
        return LanguageText(QStringLiteral("TFormStereometricalFormulas"), QLatin1String(AKey));
    };
    auto planeFigure = [](const char* AKey) {
        return LanguageText(QStringLiteral("TPlaneFigure"), QLatin1String(AKey));
    };
    Pyramid_Tetrahedron_L->setText(formulasText("Tetrahedron"));
    Pyramid_Tetrahedron_L->adjustSize();
    const QString base = formulasText("Base");
    for (QLabel* label : {Pyramid_Base_L, Prism_Base_L, TruncatedPyramid_Base_L}) {
        label->setText(base);
        label->adjustSize();
    }
    const QStringList baseItems{planeFigure("Square"), planeFigure("Rectangle"),
                                planeFigure("Triangle_Equilateral") + QLatin1Char(' ') +
                                    planeFigure("Triangle"),
                                planeFigure("NAngle")};
    const QStringList prismItems{planeFigure("Triangle"), planeFigure("NAngle"),
                                 planeFigure("CircularRing")};
    // In place: the selection stays as it is.
    for (int i = 0; i < baseItems.size(); ++i) {
        Pyramid_Base->setItemText(i, baseItems.at(i));
        TruncatedPyramid_Base->setItemText(i, Pyramid_Base->itemText(i));
    }
    for (int i = 0; i < prismItems.size(); ++i)
        Prism_Base->setItemText(i, prismItems.at(i));
    SphericalSegment_RadiusOfSegmentL->setText(FTexts.RadiusOfSegment);
    SphericalSegment_RadiusOfSegmentL->adjustSize();
    SphericalSegment_RadiusOfSphereL->setText(FTexts.RadiusOfSphere);
    SphericalSegment_RadiusOfSphereL->adjustSize();

    AlignComboLabel(Pyramid_Base, Pyramid_Base_L);
    AlignComboLabel(Prism_Base, Prism_Base_L);
    AlignComboLabel(TruncatedPyramid_Base, TruncatedPyramid_Base_L);
}

void TFormComputations::AlignComboLabel(QComboBox* AComboBox, QLabel* ALabel) {
    ALabel->move(AComboBox->x() - ALabel->width() - 6, ALabel->y());
}

// --- Focus and pictures -------------------------------------------------------

void TFormComputations::FocusFirstEntry() {
    auto usable = [this](QWidget* AControl) {
        return AControl->isVisibleTo(FPage) && AControl->isEnabled();
    };
    auto shown = [this](QWidget* AControl) { return AControl->isVisibleTo(FPage); };
    QWidget* first = nullptr;
    switch (FPageIndex) {
    case pgBlock:
        first = Entry("Block_A");
        break;
    case pgCone:
        first = Entry("Cone_R");
        break;
    case pgCylinder:
        first = Entry("Cylinder_R");
        break;
    case pgPyramid:
        if (usable(Entry("Pyramid_N")))
            first = Entry("Pyramid_N");
        else if (shown(Entry("Pyramid_A")))
            first = Entry("Pyramid_A");
        break;
    case pgPrism:
        if (shown(Entry("Prism_N")))
            first = Entry("Prism_N");
        else if (shown(Entry("Prism_E1")))
            first = Entry("Prism_E1");
        else
            first = Entry("Prism_E2");
        break;
    case pgTruncatedCone:
        first = Entry("TruncatedCone_R2");
        break;
    case pgTruncatedPyramid:
        // The side choice belongs to the cleared entries.
        TruncatedPyramid_Side->setCurrentIndex(-1);
        if (TruncatedPyramid_Base->currentIndex() == BaseRectangle)
            TruncatedPyramid_Side_Change();
        if (usable(Entry("TruncatedPyramid_N")))
            first = Entry("TruncatedPyramid_N");
        else if (shown(Entry("TruncatedPyramid_E1")))
            first = Entry("TruncatedPyramid_E1");
        else
            first = Entry("TruncatedPyramid_E2");
        break;
    case pgCylindricalTank:
        first = Entry("CylindricalTank_R");
        break;
    case pgSphericalSegment:
        first = Entry("SphericalSegment_R");
        break;
    case pgSphericalSector:
        first = Entry("SphericalSector_Ro");
        break;
    case pgSphericalFrustum:
        first = Entry("SphericalFrustum_Ro2");
        break;
    default:
        // On the cube and sphere pages the focus stays where it is.
        break;
    }
    if (first)
        first->setFocus();
}

QString TFormComputations::GetPictureName() const {
    static const char* const PyramidBases[] = {"SQUARE", "RECTANGLE", "EQUILATERALTRIANGLE",
                                               "NANGLE"};
    static const char* const PrismBases[] = {"PRISM_TRIANGLE", "PRISM_NANGLE",
                                             "PRISM_CIRCULARRING"};
    auto baseName = [](const char* APrefix, const QComboBox* ABase) {
        const int k = ABase->currentIndex();
        return k >= 0 && k < 4 ? QLatin1String(APrefix) + QLatin1String(PyramidBases[k])
                               : QString();
    };
    switch (FPageIndex) {
    case pgCube:
        return QStringLiteral("CUBE");
    case pgBlock:
        return QStringLiteral("BLOCK");
    case pgSphere:
        return QStringLiteral("SPHERE");
    case pgCone:
        return QStringLiteral("CONE");
    case pgCylinder:
        return QStringLiteral("CYLINDER");
    case pgPyramid:
        if (Pyramid_Tetrahedron->isChecked())
            return QStringLiteral("PYRAMID_TETRAHEDRON");
        return baseName("PYRAMID_", Pyramid_Base);
    case pgPrism: {
        const int k = Prism_Base->currentIndex();
        return k >= 0 && k < 3 ? QLatin1String(PrismBases[k]) : QString();
    }
    case pgTruncatedCone:
        return QStringLiteral("TRUNCATEDCONE");
    case pgTruncatedPyramid:
        return baseName("TRUNCATEDPYRAMID_", TruncatedPyramid_Base);
    case pgCylindricalTank:
        return QStringLiteral("CYLINDRICALTANK");
    case pgSphericalSegment:
        return QStringLiteral("SPHERICALSEGMENT");
    case pgSphericalSector:
        return QStringLiteral("SPHERICALSECTOR");
    case pgSphericalFrustum:
        return QStringLiteral("SPHERICALFRUSTUM");
    default:
        return QString();
    }
}

// --- Entry letters --------------------------------------------------------------

QLabel* TFormComputations::Letter(const char* AName) const {
    return FPage->findChild<QLabel*>(QLatin1String(AName));
}

void TFormComputations::PlaceEntryLetter(QWidget* AEntry, QWidget* ALetter, QWidget* AIndex) {
    ALetter->move(AEntry->x() + AEntry->width() + LetterGap, AEntry->y() + 3);
    if (AIndex)
        AIndex->move(ALetter->x() + IndexOffset, ALetter->y() + IndexOffset);
}

void TFormComputations::ShowEntryLetters(bool AShow) {
    const bool S = AShow;
    auto shown = [this](QWidget* AControl) { return AControl->isVisibleTo(FPage); };
    // Places a letter (and its index) right of AEntry and sets its visibility.
    auto letter = [this](QWidget* AEntry, const char* ALetter, bool AVisible,
                         const char* AIndex = nullptr, bool AIndexVisible = false) {
        QLabel* label = Letter(ALetter);
        QLabel* index = AIndex ? Letter(AIndex) : nullptr;
        PlaceEntryLetter(AEntry, label, index);
        label->setVisible(AVisible);
        if (index)
            index->setVisible(AIndexVisible);
        return index;
    };
    // Subscripts right of a letter narrower than the index offset are drawn closer.
    auto nudge = [](QWidget* AIndex) { AIndex->move(AIndex->x() - 2, AIndex->y()); };
    switch (FPageIndex) {
    case pgCube:
        letter(Entry("Cube_A"), "Cube_A_EL", S);
        break;
    case pgBlock:
        letter(Entry("Block_A"), "Block_A_EL", S);
        letter(Entry("Block_B"), "Block_B_EL", S);
        letter(Entry("Block_C"), "Block_C_EL", S);
        break;
    case pgSphere:
        letter(Entry("Sphere_R"), "Sphere_R_EL", S);
        break;
    case pgCone:
        letter(Entry("Cone_R"), "Cone_R_EL", S);
        letter(Entry("Cone_V"), "Cone_V_EL", S);
        break;
    case pgCylinder:
        letter(Entry("Cylinder_R"), "Cylinder_R_EL", S);
        letter(Entry("Cylinder_V"), "Cylinder_V_EL", S);
        break;
    case pgPyramid:
        letter(Pyramid_N_UD, "Pyramid_N_EL", S && shown(Entry("Pyramid_N")));
        letter(Entry("Pyramid_A"), "Pyramid_A_EL", S && shown(Entry("Pyramid_A")));
        letter(Entry("Pyramid_B"), "Pyramid_B_EL", S && shown(Entry("Pyramid_B")));
        letter(Entry("Pyramid_V"), "Pyramid_V_EL", S && shown(Entry("Pyramid_V")));
        break;
    case pgPrism: {
        const int k = Prism_Base->currentIndex();
        if (k == PrismTriangle) {
            Letter("Prism_E2_EL")->setText(QStringLiteral("b"));
            Letter("Prism_E3_EL")->setText(QStringLiteral("c"));
        } else if (k == PrismNAngle) {
            Letter("Prism_E3_EL")->setText(QStringLiteral("a"));
        } else if (k == PrismCircularRing) {
            Letter("Prism_E2_EL")->setText(QStringLiteral("r"));
            Letter("Prism_E3_EL")->setText(QStringLiteral("r"));
        }
        Letter("Prism_E2_EL")->adjustSize();
        Letter("Prism_E3_EL")->adjustSize();
        const bool ring = k == PrismCircularRing;
        letter(Prism_N_UD, "Prism_N_EL", S && shown(Entry("Prism_N")));
        letter(Entry("Prism_E1"), "Prism_E1_EL", S && shown(Entry("Prism_E1")));
        nudge(letter(Entry("Prism_E2"), "Prism_E2_EL", S && shown(Entry("Prism_E2")),
                     "Prism_E2i_EL", S && ring));
        nudge(letter(Entry("Prism_E3"), "Prism_E3_EL", S, "Prism_E3i_EL", S && ring));
        letter(Entry("Prism_V"), "Prism_V_EL", S);
        break;
    }
    case pgTruncatedCone:
        nudge(
            letter(Entry("TruncatedCone_R2"), "TruncatedCone_R2_EL", S, "TruncatedCone_R2i_EL", S));
        nudge(
            letter(Entry("TruncatedCone_R1"), "TruncatedCone_R1_EL", S, "TruncatedCone_R1i_EL", S));
        letter(Entry("TruncatedCone_V"), "TruncatedCone_V_EL", S);
        break;
    case pgTruncatedPyramid: {
        const int k = TruncatedPyramid_Base->currentIndex();
        QLabel* upperSide = Letter("TruncatedPyramid_E2_EL");
        QLabel* lowerSide = Letter("TruncatedPyramid_E3_EL");
        bool lowerVisible = S;
        if (k == BaseRectangle) {
            // The lower base's letter is the chosen side's, none before a choice.
            upperSide->setText(QStringLiteral("b"));
            lowerVisible =
                S && !(shown(TruncatedPyramid_Side) && TruncatedPyramid_Side->currentIndex() < 0);
        } else {
            upperSide->setText(QStringLiteral("a"));
            lowerSide->setText(QStringLiteral("a"));
        }
        upperSide->adjustSize();
        lowerSide->adjustSize();
        letter(TruncatedPyramid_N_UD, "TruncatedPyramid_N_EL",
               S && shown(Entry("TruncatedPyramid_N")));
        const bool upperA = S && shown(Entry("TruncatedPyramid_E1"));
        letter(Entry("TruncatedPyramid_E1"), "TruncatedPyramid_E1_EL", upperA,
               "TruncatedPyramid_E1i_EL", upperA);
        letter(Entry("TruncatedPyramid_E2"), "TruncatedPyramid_E2_EL", S, "TruncatedPyramid_E2i_EL",
               S);
        letter(k == BaseRectangle ? static_cast<QWidget*>(TruncatedPyramid_Side)
                                  : Entry("TruncatedPyramid_E3"),
               "TruncatedPyramid_E3_EL", lowerVisible, "TruncatedPyramid_E3i_EL", lowerVisible);
        letter(Entry("TruncatedPyramid_V"), "TruncatedPyramid_V_EL", S);
        break;
    }
    case pgCylindricalTank:
        letter(Entry("CylindricalTank_R"), "CylindricalTank_R_EL", S);
        letter(Entry("CylindricalTank_H"), "CylindricalTank_H_EL", S);
        letter(Entry("CylindricalTank_D"), "CylindricalTank_D_EL", S);
        break;
    case pgSphericalSegment: {
        const bool ofSegment = SphericalSegment_RadiusOfSegmentR->isChecked();
        letter(Entry("SphericalSegment_R"), "SphericalSegment_Ro_EL", S && ofSegment);
        letter(Entry("SphericalSegment_R"), "SphericalSegment_R_EL",
               S && SphericalSegment_RadiusOfSphereR->isChecked());
        letter(Entry("SphericalSegment_V"), "SphericalSegment_V_EL", S);
        break;
    }
    case pgSphericalSector:
        letter(Entry("SphericalSector_Ro"), "SphericalSector_Ro_EL", S);
        letter(Entry("SphericalSector_V"), "SphericalSector_V_EL", S);
        break;
    case pgSphericalFrustum:
        letter(Entry("SphericalFrustum_Ro2"), "SphericalFrustum_Ro2_EL", S,
               "SphericalFrustum_Ro2i_EL", S);
        letter(Entry("SphericalFrustum_Ro1"), "SphericalFrustum_Ro1_EL", S,
               "SphericalFrustum_Ro1i_EL", S);
        letter(Entry("SphericalFrustum_V"), "SphericalFrustum_V_EL", S);
        break;
    default:
        break;
    }
}

// --- Variant handlers -------------------------------------------------------------

void TFormComputations::FinishVariantChange(bool AShowFormula, TUpDown* ACountSpinner,
                                            int ABaseIndex) {
    ResetEntries();
    RefreshDraft();
    AdaptSupplementaryData();
    if (AShowFormula)
        ShowFormulaPicture();
    // A square or triangular base fixes the number of edges.
    if (ACountSpinner && (ABaseIndex == BaseSquare || ABaseIndex == BaseEquilateralTriangle)) {
        const int count = ABaseIndex == BaseSquare ? 4 : 3;
        ACountSpinner->SetPosition(count);
        ACountSpinner->Associated()->setText(QString::number(count));
    }
    FCanCompute = true;
}

void TFormComputations::Pyramid_Click(QObject* ASender) {
    FCanCompute = false;
    QLineEdit* count = Entry("Pyramid_N");
    QLineEdit* sideA = Entry("Pyramid_A");
    QLineEdit* sideB = Entry("Pyramid_B");
    QLineEdit* height = Entry("Pyramid_V");
    const bool fromCheckBox = ASender == Pyramid_Tetrahedron;
    const bool fromBase = ASender == Pyramid_Base;

    int k = Pyramid_Base->currentIndex();
    const bool countFree = k != BaseSquare && k != BaseEquilateralTriangle;
    count->setEnabled(countFree);
    Pyramid_N_UD->setEnabled(countFree);
    const bool tetrahedron = Pyramid_Tetrahedron->isChecked();
    if (fromCheckBox) {
        Pyramid_Base->setCurrentIndex(-1);
        Pyramid_Base->setEnabled(!tetrahedron);
        Pyramid_Base_L->setEnabled(!tetrahedron);
    }
    k = Pyramid_Base->currentIndex();

    count->setVisible(fromBase && k != BaseRectangle);
    Pyramid_N_UD->setVisible(fromBase && k != BaseRectangle);
    sideA->setVisible(!(fromCheckBox && !tetrahedron));
    sideB->setVisible(k == BaseRectangle);
    height->setVisible(fromBase);

    if (tetrahedron) {
        SetCaption(sideA, FTexts.Side);
        MoveTop(sideA, 128);
    } else if (k == BaseRectangle) {
        SetCaption(sideA, FillPlaceholder(FTexts.XSideOfBase, QStringLiteral("a")));
        MoveTop(sideA, 88);
        MoveTop(sideB, 128);
        MoveTop(height, 168);
    } else {
        SetCaption(sideA, FillPlaceholder(FTexts.XSideOfBase, QString()));
        MoveTop(count, 88);
        MoveTop(Pyramid_N_UD, 88);
        MoveTop(sideA, 128);
        MoveTop(height, 168);
    }
    FinishVariantChange(true, Pyramid_N_UD, k);
}

void TFormComputations::Pyramid_Tetrahedron_Click() {
    // The box's own change runs the variant handler.
    Pyramid_Tetrahedron->toggle();
}

void TFormComputations::Prism_Click() {
    FCanCompute = false;
    QLineEdit* count = Entry("Prism_N");
    QLineEdit* e1 = Entry("Prism_E1");
    QLineEdit* e2 = Entry("Prism_E2");
    QLineEdit* e3 = Entry("Prism_E3");
    QLineEdit* height = Entry("Prism_V");
    const int k = Prism_Base->currentIndex();

    count->setVisible(k == PrismNAngle);
    Prism_N_UD->setVisible(k == PrismNAngle);
    e1->setVisible(k == PrismTriangle);
    e2->setVisible(k == PrismTriangle || k == PrismCircularRing);
    e3->setVisible(true);
    height->setVisible(true);

    if (k == PrismTriangle) {
        SetCaption(e2, FillPlaceholder(FTexts.XSideOfBase, QStringLiteral("b")));
        SetCaption(e3, FillPlaceholder(FTexts.XSideOfBase, QStringLiteral("c")));
        MoveTop(e1, 68);
        MoveTop(e2, 108);
        MoveTop(e3, 148);
        MoveTop(height, 188);
    } else if (k == PrismNAngle) {
        SetCaption(e3, FillPlaceholder(FTexts.XSideOfBase, QString()));
        MoveTop(count, 88);
        MoveTop(Prism_N_UD, 88);
        MoveTop(e3, 128);
        MoveTop(height, 168);
    } else if (k == PrismCircularRing) {
        SetCaption(e2, FTexts.Prism_OuterRadiusOfBase);
        SetCaption(e3, FTexts.Prism_InnerRadiusOfBase);
        MoveTop(e2, 88);
        MoveTop(e3, 128);
        MoveTop(height, 168);
    }
    FinishVariantChange(true);
}

void TFormComputations::TruncatedPyramid_Click() {
    FCanCompute = false;
    QLineEdit* count = Entry("TruncatedPyramid_N");
    QLineEdit* e1 = Entry("TruncatedPyramid_E1");
    QLineEdit* e2 = Entry("TruncatedPyramid_E2");
    QLineEdit* e3 = Entry("TruncatedPyramid_E3");
    QLineEdit* height = Entry("TruncatedPyramid_V");
    const int k = TruncatedPyramid_Base->currentIndex();

    const bool countFree = k != BaseSquare && k != BaseEquilateralTriangle;
    count->setEnabled(countFree);
    TruncatedPyramid_N_UD->setEnabled(countFree);

    const bool rectangle = k == BaseRectangle;
    TruncatedPyramid_Side->setVisible(rectangle);
    count->setVisible(!rectangle);
    TruncatedPyramid_N_UD->setVisible(!rectangle);
    e1->setVisible(rectangle);
    e2->setVisible(true);
    e3->setVisible(true);
    height->setVisible(true);

    if (rectangle) {
        SetCaption(e2,
                   FillPlaceholder(FTexts.TruncatedPyramid_XSideOfUpperBase, QStringLiteral("b")));
        SetCaption(e3, FillPlaceholder(FTexts.TruncatedPyramid_XSideOfLowerBase, QString()));
        MoveTop(e1, 68);
        MoveTop(e2, 108);
        MoveTop(e3, 148);
        TruncatedPyramid_Side->move(e3->x() + e3->width(), e3->y());
    } else {
        SetCaption(e2, FillPlaceholder(FTexts.TruncatedPyramid_XSideOfUpperBase, QString()));
        SetCaption(e3, FillPlaceholder(FTexts.TruncatedPyramid_XSideOfLowerBase, QString()));
        MoveTop(count, 68);
        MoveTop(TruncatedPyramid_N_UD, 68);
        MoveTop(e2, 108);
        MoveTop(e3, 148);
    }
    MoveTop(height, 188);
    FinishVariantChange(true, TruncatedPyramid_N_UD, k);
}

void TFormComputations::TruncatedPyramid_Side_Change() {
    const QString side = TruncatedPyramid_Side->currentText();
    SetCaption(Entry("TruncatedPyramid_E3"),
               FillPlaceholder(FTexts.TruncatedPyramid_XSideOfLowerBase, side));
    QLabel* letter = Letter("TruncatedPyramid_E3_EL");
    letter->setText(side);
    letter->adjustSize();
    const bool lettersShown = !side.isEmpty() && BDraft && BDraft->isChecked();
    letter->setVisible(lettersShown);
    Letter("TruncatedPyramid_E3i_EL")->setVisible(lettersShown);
    TruncatedPyramid_Calculate();
}

void TFormComputations::SphericalSegment_Click(QObject* ASender) {
    FCanCompute = false;
    // Checking the other radio button runs this handler once more, nested.
    if (ASender == SphericalSegment_RadiusOfSegmentL)
        SphericalSegment_RadiusOfSegmentR->setChecked(true);
    else if (ASender == SphericalSegment_RadiusOfSphereL)
        SphericalSegment_RadiusOfSphereR->setChecked(true);
    SphericalSegment_RadiusOfSegmentR->setFocusPolicy(Qt::NoFocus);
    SphericalSegment_RadiusOfSphereR->setFocusPolicy(Qt::NoFocus);
    SetCaption(Entry("SphericalSegment_R"), SphericalSegment_RadiusOfSegmentR->isChecked()
                                                ? FTexts.RadiusOfSegment
                                                : FTexts.RadiusOfSphere);
    // Both choices have the same formula picture.
    FinishVariantChange(false);
}
