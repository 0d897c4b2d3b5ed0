#include "MassCalculation.h"

#include "ComputationHost.h"
#include "FittedText.h"
#include "LabeledEdit.h"
#include "LanguageSupport.h"
#include "NumberEntry.h"
#include "NumberFormat.h"
#include "NumberParsing.h"
#include "Precision.h"
#include "SolidFigures.h"

#include <QPushButton>

#include <cmath>

namespace {

constexpr int ClientWidth = 169;
constexpr int ClientHeight = 145;
const QColor MassBackground(255, 255, 128);

} // namespace

TFormMassCalculation::TFormMassCalculation(TComputationHost* AHost,
                                           std::shared_ptr<const TSolidFigure> AFigure,
                                           TPrecision APrecision)
    : QDialog(AHost ? AHost->HostWindow() : nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FHost(AHost), FFigure(std::move(AFigure)), FPrecision(APrecision),
      EDensity(new TLabeledEdit(this, QStringLiteral("EDensity"))),
      EMass(new TLabeledEdit(this, QStringLiteral("EMass"))), BClose(new QPushButton(this)) {
    setObjectName(QStringLiteral("FormMassCalculation"));
    setFixedSize(ClientWidth, ClientHeight);

    EDensity->setGeometry(12, 26, 145, 21);
    EDensity->setMaxLength(19);

    EMass->setGeometry(12, 74, 145, 21);
    EMass->setReadOnly(true);
    // Not a tab stop; a click still selects the mass for copying.
    EMass->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = EMass->palette();
    palette.setColor(QPalette::Base, MassBackground);
    EMass->setPalette(palette);

    BClose->setObjectName(QStringLiteral("BClose"));
    BClose->setGeometry(47, 110, 75, 25);
    // Enter and Escape both close: the default button, and the dialog's reject.
    BClose->setDefault(true);
    connect(BClose, &QPushButton::clicked, this, &QDialog::reject);

    SetLanguage();
    TNumberEntryFilter::Attach(EDensity);
    connect(EDensity, &QLineEdit::textChanged, this, &TFormMassCalculation::EDensityChange);
    EDensity->setFocus();
}

void TFormMassCalculation::SetLanguage() {
    const QString section = QStringLiteral("TFormMassCalculation");
    setWindowTitle(LanguageText(section, QStringLiteral("Caption")));
    EDensity->SetLabelText(LanguageText(section, QStringLiteral("EDensity")));
    EMass->SetLabelText(LanguageText(section, QStringLiteral("EMass")));
    BClose->setText(LanguageText(QStringLiteral("Buttons"), QStringLiteral("Close")));
}

void TFormMassCalculation::EDensityChange() {
    // Shown whole: a long mass in smaller type.
    ShowFittedText(EMass, MassText(), font());
}

QString TFormMassCalculation::MassText() const {
    Extended density = 0;
    if (EDensity->text().isEmpty() ||
        !TryTextToExtended(EDensity->text(), density, QChar::fromLatin1(DecimalSeparator())))
        return QString();
    if (!FFigure)
        return QString();
    try {
        const Extended mass = FFigure->Mass(density);
        // A mass beyond the range of Extended is not written as a number.
        if (std::isfinite(mass))
            return QuantityText(mass, FPrecision);
    } catch (const EInvalidInputSolidFigures&) {
        // The figure refuses a density of zero (or below): no mass.
    }
    return QString();
}

void TFormMassCalculation::showEvent(QShowEvent* AEvent) {
    QDialog::showEvent(AEvent);
    if (!FPlaced) {
        FPlaced = true;
        PlaceOnHost(this, FHost);
    }
}
