// The computation window's pages: their entries, variant controls and entry
// letters, their captions, and which entry comes first.
#include "Computations.h"

#include "LabeledEdit.h"

#include <QLineEdit>

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

} // namespace

void TFormComputations::CreatePages() {
    for (int i = 0; i < PageCount; ++i) {
        QWidget* page = AddPage(PageNames[i]);
        switch (i) {
        case pgCube:
            AddEntry(page, "Cube_A", 128);
            break;
        case pgBlock:
            AddEntry(page, "Block_A", 88);
            AddEntry(page, "Block_B", 128);
            AddEntry(page, "Block_C", 168);
            break;
        case pgSphere:
            AddEntry(page, "Sphere_R", 128);
            break;
        default:
            break;
        }
    }
}

void TFormComputations::SetPageLanguage() {
    auto caption = [this](const char* AEdit, const QString& AText) {
        if (auto* edit = FPage->findChild<TLabeledEdit*>(QLatin1String(AEdit)))
            edit->SetLabelText(AText);
    };
    switch (FPageIndex) {
    case pgCube:
        caption("Cube_A", Text("sSide"));
        break;
    case pgBlock:
        caption("Block_A", FillPlaceholder(Text("Block_X"), QStringLiteral("a")));
        caption("Block_B", FillPlaceholder(Text("Block_X"), QStringLiteral("b")));
        caption("Block_C", FillPlaceholder(Text("Block_X"), QStringLiteral("c")));
        break;
    case pgSphere:
        caption("Sphere_R", Text("Sphere_R"));
        break;
    default:
        break;
    }
}

void TFormComputations::FocusFirstEntry() {
    switch (FPageIndex) {
    case pgBlock:
        Entry("Block_A")->setFocus();
        break;
    default:
        // On the cube and sphere pages the focus stays where it is.
        break;
    }
}

QString TFormComputations::GetPictureName() const {
    static const char* const Names[] = {"CUBE", "BLOCK", "SPHERE"};
    return FPageIndex <= pgSphere ? QLatin1String(Names[FPageIndex]) : QString();
}

void TFormComputations::ShowEntryLetters(bool AShow) {
    Q_UNUSED(AShow);
}
