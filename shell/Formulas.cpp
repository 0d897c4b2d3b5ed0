#include "Formulas.h"

#include "LanguageSupport.h"
#include "ResourceLoading.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMoveEvent>
#include <QPalette>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
constexpr int InitialClientWidth = 260;
constexpr int InitialClientHeight = 70;
} // namespace

TFormFormulas::TFormFormulas(QWidget* AOwner, int AMinimumClientWidth)
    : QWidget(AOwner), FFormulasImage(new QLabel(this)),
      FMinimumClientWidth(qMax(0, AMinimumClientWidth)) {
    setObjectName(QStringLiteral("FormFormulas"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    FFormulasImage->setObjectName(QStringLiteral("FormulasImage"));
    FFormulasImage->setAccessibleName(QStringLiteral("FormulasImage"));
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

void TFormFormulas::PlaceAt(const QPoint& ATopLeft) {
    FPlace = ATopLeft;
    FRefusedAt.reset();
    if (pos() != ATopLeft)
        move(ATopLeft);
}

void TFormFormulas::moveEvent(QMoveEvent* AEvent) {
    QWidget::moveEvent(AEvent);
    if (!FPlace || pos() == *FPlace) {
        FRefusedAt.reset();
        return;
    }
    // The user dragged it (only the computation window places it). Back to its place,
    // unless the window system has just kept it here against that very snap back.
    if (FRefusedAt && *FRefusedAt == pos())
        return;
    FRefusedAt = pos();
    move(*FPlace);
}

void TFormFormulas::closeEvent(QCloseEvent* AEvent) {
    QWidget::closeEvent(AEvent);
    if (AEvent->isAccepted())
        emit Closed();
}

#ifdef Q_OS_WIN
void TFormFormulas::showEvent(QShowEvent* AEvent) {
    QWidget::showEvent(AEvent);
    // Only the computation window places this window.
    if (HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE))
        DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
}
#endif
