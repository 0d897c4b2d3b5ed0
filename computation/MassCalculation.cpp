#include "MassCalculation.h"

#include "Accessibility.h"
#include "ComputationHost.h"
#include "FittedText.h"
#include "LabeledEdit.h"
#include "LanguageSupport.h"
#include "NumberEntry.h"
#include "NumberFormat.h"
#include "NumberParsing.h"
#include "Precision.h"
#include "SolidFigures.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace {

const QColor MassBackground(255, 255, 128);

} // namespace

TFormMassCalculation::TFormMassCalculation(TComputationHost* AHost,
                                           std::shared_ptr<const TSolidFigure> AFigure,
                                           TPrecision APrecision, const TUnitChoice& AUnits,
                                           TLengthUnit AFrom)
    : QDialog(AHost ? AHost->HostWindow() : nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FHost(AHost), FFigure(std::move(AFigure)), FPrecision(APrecision), FUnits(AUnits),
      FFrom(AFrom), EDensity(new TLabeledEdit(this, QStringLiteral("EDensity"))),
      EMass(new TLabeledEdit(this, QStringLiteral("EMass"))), BClose(new QPushButton(this)) {
    setObjectName(QStringLiteral("FormMassCalculation"));
    // Without a length unit the dialog is as it has always been; with one, the
    // list of materials stands above the density, and everything is wider.
    const bool materials = FUnits.Length != luNone;
    const int width = materials ? MaterialClientWidth : ClientWidth;
    const int shift = materials ? 48 : 0;
    setFixedSize(width, materials ? MaterialClientHeight : ClientHeight);

    if (materials) {
        LMaterial = new QLabel(this);
        LMaterial->setObjectName(QStringLiteral("LMaterial"));
        CBMaterial = new QComboBox(this);
        CBMaterial->setObjectName(QStringLiteral("CBMaterial"));
        CBMaterial->setGeometry(12, 26, width - 24, 22);
        LMaterial->setGeometry(12, 10, width - 24, 13);
        LMaterial->setBuddy(CBMaterial);
        FMaterials = MaterialList(ShippedMaterials(), ActiveLanguageCode());
    }

    EDensity->setGeometry(12, 26 + shift, width - 24, 21);
    EDensity->setMaxLength(19);

    EMass->setGeometry(12, 74 + shift, width - 24, 21);
    EMass->setReadOnly(true);
    // Not a tab stop; a click still selects the mass for copying.
    EMass->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = EMass->palette();
    palette.setColor(QPalette::Base, MassBackground);
    EMass->setPalette(palette);

    BClose->setObjectName(QStringLiteral("BClose"));
    BClose->setGeometry((width - 75) / 2, 110 + shift, 75, 25);
    // Enter and Escape both close: the default button, and the dialog's reject.
    BClose->setDefault(true);
    connect(BClose, &QPushButton::clicked, this, &QDialog::reject);

    SetLanguage();
    TNumberEntryFilter::Attach(EDensity);
    connect(EDensity, &QLineEdit::textChanged, this, &TFormMassCalculation::EDensityChange);
    if (CBMaterial) {
        const int chosen = FindMaterial(FMaterials, ChosenMaterialKey());
        CBMaterial->setCurrentIndex(chosen >= 0 ? chosen : 0);
        CBMaterialChange();
        connect(CBMaterial, QOverload<int>::of(&QComboBox::activated), this,
                &TFormMassCalculation::CBMaterialChange);
        connect(EDensity, &QLineEdit::textEdited, this, &TFormMassCalculation::EDensityEdited);
    }
    EDensity->setFocus();
}

void TFormMassCalculation::SetLanguage() {
    const QString section = QStringLiteral("TFormMassCalculation");
    setWindowTitle(LanguageText(section, QStringLiteral("Caption")));
    QString density = LanguageText(section, QStringLiteral("EDensity"));
    const QString mass = LanguageText(section, QStringLiteral("EMass"));
    if (CBMaterial) {
        density += QStringLiteral(" (kg/m³)");
        LMaterial->setText(
            LanguageText(QStringLiteral("TFormMaterials"), QStringLiteral("LMaterials")));
        CBMaterial->setAccessibleName(SpokenCaption(LMaterial->text()));
        const int selected = CBMaterial->currentIndex();
        CBMaterial->clear();
        for (const TMaterial& material : FMaterials)
            CBMaterial->addItem(MaterialText(material), material.Key);
        CBMaterial->setCurrentIndex(selected);
    }
    EDensity->SetLabelText(density);
    EMass->SetLabelText(mass);
    BClose->setText(LanguageText(QStringLiteral("Buttons"), QStringLiteral("Close")));
}

void TFormMassCalculation::CBMaterialChange() {
    const int index = CBMaterial->currentIndex();
    if (index < 0 || index >= FMaterials.size())
        return;
    const TMaterial& material = FMaterials.at(index);
    EDensity->setText(material.HasDensity ? material.DensityText : QString());
}

void TFormMassCalculation::EDensityEdited() {
    const int index = CBMaterial->currentIndex();
    if (index >= 0 && index < FMaterials.size() &&
        EDensity->text() != FMaterials.at(index).DensityText)
        CBMaterial->setCurrentIndex(-1);
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
        const TShownQuantity mass = ShownMassOf(FFigure->Mass(density), FFrom, FUnits);
        // A mass beyond the range of Extended is not written as a number.
        if (std::isfinite(mass.Value))
            return ShownText(mass, FPrecision);
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
