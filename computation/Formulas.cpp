#include "Formulas.h"

#include "LanguageSupport.h"
#include "ResourceLoading.h"

#include <QLabel>
#include <QPalette>

namespace {
constexpr int InitialClientWidth = 260;
constexpr int InitialClientHeight = 70;
} // namespace

TFormFormulas::TFormFormulas(QWidget* AOwner, int AMinimumClientWidth)
    : TSideWindow(AOwner), FFormulasImage(new QLabel(this)),
      FMinimumClientWidth(qMax(0, AMinimumClientWidth)) {
    setObjectName(QStringLiteral("FormFormulas"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    FFormulasImage->setObjectName(QStringLiteral("FormulasImage"));
    FFormulasImage->setAlignment(Qt::AlignCenter);

    SetLanguage();
    SetClientSize(QSize(InitialClientWidth, InitialClientHeight));
}

void TFormFormulas::SetLanguage() {
    setWindowTitle(LanguageText(QStringLiteral("TFormFormulas"), QStringLiteral("Caption")));
}

void TFormFormulas::SetClientSize(QSize ASize) {
    ASize.setWidth(qMax(ASize.width(), FMinimumClientWidth));
    setFixedSize(ASize);
    // The picture fills the client area and is centred in it.
    FFormulasImage->setGeometry(rect());
}

void TFormFormulas::SetMinimumClientWidth(int AWidth) {
    FMinimumClientWidth = qMax(0, AWidth);
    SetClientSize(size());
}

void TFormFormulas::ShowPicture(const QString& AName) {
    if (AName.isEmpty()) {
        FFormulasImage->clear();
        return;
    }
    // The size first: a picture that cannot be had leaves the window as it was.
    const QSize picture = ResourceSize(QStringLiteral("GIF_FORMULA"), AName);
    SetClientSize(picture + QSize(2 * PictureMargin, 2 * PictureMargin));
    LoadGIFResource(QStringLiteral("GIF_FORMULA"), AName, FFormulasImage, TImageSizing::KeepSize);
}
