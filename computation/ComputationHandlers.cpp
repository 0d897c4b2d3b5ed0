// The calculation handlers: one per solid, each reads its page's entries,
// builds the figure and sends its supplementary values.
#include "Computations.h"

#include <QLineEdit>

void TFormComputations::Calculate() {
    switch (FPageIndex) {
    case pgCube:
        Cube_Calculate();
        break;
    case pgBlock:
        Block_Calculate();
        break;
    case pgSphere:
        Sphere_Calculate();
        break;
    default:
        break;
    }
}

void TFormComputations::Cube_Calculate() {
    if (!ReadEntries({Entry("Cube_A")}))
        return;
    const Extended a = FEntries[0];
    if (const TCube* cube = ShowFigure<TCube>([a] { return TCube::Create(a); }))
        SendSupplementaryValues(
            {cube->DiagonalOfSolid(), cube->Face().Diagonal(), cube->Face().Area()});
}

void TFormComputations::Block_Calculate() {
    if (!ReadEntries({Entry("Block_A"), Entry("Block_B"), Entry("Block_C")}))
        return;
    const Extended a = FEntries[0], b = FEntries[1], c = FEntries[2];
    if (const TBlock* block = ShowFigure<TBlock>([=] { return TBlock::Create(a, b, c); }))
        SendSupplementaryValues({block->DiagonalOfSolid(), block->FaceAB().Diagonal(),
                                 block->FaceBC().Diagonal(), block->FaceCA().Diagonal(),
                                 block->FaceAB().Area(), block->FaceBC().Area(),
                                 block->FaceCA().Area()});
}

void TFormComputations::Sphere_Calculate() {
    if (!ReadEntries({Entry("Sphere_R")}))
        return;
    const Extended r = FEntries[0];
    if (ShowFigure<TSphere>([r] { return TSphere::Create(r); }))
        SendSupplementaryValues({});
}
