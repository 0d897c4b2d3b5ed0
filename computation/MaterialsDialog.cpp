#include "MaterialsDialog.h"

#include "Accessibility.h"
#include "Application.h"
#include "LabeledEdit.h"
#include "LanguageSupport.h"
#include "NumberEntry.h"
#include "NumberParsing.h"
#include "Settings.h"
#include "UnitsDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString MaterialsSection = QStringLiteral("TFormMaterials");
const QString MaterialSection = QStringLiteral("TFormMaterial");
const QString ButtonsSection = QStringLiteral("Buttons");

QPushButton* MakeButton(QWidget* AParent, const char* AName, int ALeft, int ATop) {
    auto* button = new QPushButton(AParent);
    button->setObjectName(QLatin1String(AName));
    button->setGeometry(ALeft, ATop, 75, 25);
    return button;
}

// A density typed with the user's separator, as the settings keep own materials.
QString PointDensityText(const QString& ATyped) {
    QString text = ATyped.trimmed();
    text.replace(LocaleDecimalSeparator(), QLatin1Char('.'));
    return text;
}

} // namespace

TFormMaterials::TFormMaterials(QWidget* AOwner, TLengthUnit ALength,
                               const QList<TShippedMaterial>& AShipped)
    : QDialog(AOwner,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FUsable(ALength != luNone), FLanguageCode(ActiveLanguageCode()), LMaterials(new QLabel(this)),
      LBMaterials(new QListWidget(this)), BAdd(MakeButton(this, "BAdd", 344, 28)),
      BEdit(MakeButton(this, "BEdit", 344, 59)), BRemove(MakeButton(this, "BRemove", 344, 90)),
      LNeedsLengthUnit(new QLabel(this)), BOK(MakeButton(this, "BOK", 262, 310)),
      BCancel(MakeButton(this, "BCancel", 344, 310)) {
    setObjectName(QStringLiteral("FormMaterials"));
    setFixedSize(ClientWidth, ClientHeight);

    LMaterials->setObjectName(QStringLiteral("LMaterials"));
    LMaterials->setGeometry(12, 12, 320, 13);
    LMaterials->setBuddy(LBMaterials);
    LBMaterials->setObjectName(QStringLiteral("LBMaterials"));
    LBMaterials->setGeometry(12, 28, 320, 240);
    LNeedsLengthUnit->setObjectName(QStringLiteral("LNeedsLengthUnit"));
    LNeedsLengthUnit->setGeometry(12, 274, 407, 30);
    LNeedsLengthUnit->setWordWrap(true);
    LNeedsLengthUnit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Enter chooses the selected material, Escape (the dialog's reject) keeps the stored one.
    BOK->setDefault(true);

    for (const TMaterial& material : MaterialList(AShipped, FLanguageCode)) {
        TEntry entry;
        entry.Material = material;
        if (material.Kind == mkOwn)
            entry.ValueName = material.Key.mid(MaterialKeys::OwnPrefix.size());
        FEntries.append(entry);
    }
    QList<TMaterial> materials;
    for (const TEntry& entry : FEntries)
        materials.append(entry.Material);
    FillList(qMax(0, FindMaterial(materials, ChosenMaterialKey())));

    // Without a length unit a material's mass has no meaning: greyed, and said why.
    LBMaterials->setEnabled(FUsable);
    BAdd->setEnabled(FUsable);
    LNeedsLengthUnit->setVisible(!FUsable);
    SetLanguage();
    EnableButtons();

    connect(LBMaterials, &QListWidget::currentRowChanged, this, &TFormMaterials::EnableButtons);
    connect(LBMaterials, &QListWidget::itemDoubleClicked, this, &TFormMaterials::BOKClick);
    connect(BAdd, &QPushButton::clicked, this, &TFormMaterials::BAddClick);
    connect(BEdit, &QPushButton::clicked, this, &TFormMaterials::BEditClick);
    connect(BRemove, &QPushButton::clicked, this, &TFormMaterials::BRemoveClick);
    connect(BOK, &QPushButton::clicked, this, &TFormMaterials::BOKClick);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    if (FUsable)
        LBMaterials->setFocus();
    else
        BOK->setFocus();
}

void TFormMaterials::SetLanguage() {
    setWindowTitle(LanguageText(MaterialsSection, QStringLiteral("Caption")));
    LMaterials->setText(LanguageText(MaterialsSection, QStringLiteral("LMaterials")));
    LBMaterials->setAccessibleName(SpokenCaption(LMaterials->text()));
    BAdd->setText(LanguageText(MaterialsSection, QStringLiteral("BAdd")));
    BEdit->setText(LanguageText(MaterialsSection, QStringLiteral("BEdit")));
    BRemove->setText(LanguageText(MaterialsSection, QStringLiteral("BRemove")));
    LNeedsLengthUnit->setText(LanguageText(MaterialsSection, QStringLiteral("sNeedsLengthUnit")));
    // A screen reader says why the list is greyed when it reaches it.
    LBMaterials->setAccessibleDescription(FUsable ? QString() : LNeedsLengthUnit->text());
    BOK->setText(LanguageText(ButtonsSection, QStringLiteral("OK")));
    BCancel->setText(LanguageText(ButtonsSection, QStringLiteral("Cancel")));
}

void TFormMaterials::FillList(int ASelected) {
    LBMaterials->clear();
    for (const TEntry& entry : FEntries)
        LBMaterials->addItem(MaterialText(entry.Material));
    LBMaterials->setCurrentRow(qBound(0, ASelected, int(FEntries.size()) - 1));
}

int TFormMaterials::SelectedRow() const {
    const int row = LBMaterials->currentRow();
    return row >= 0 && row < FEntries.size() ? row : -1;
}

void TFormMaterials::EnableButtons() {
    const int row = SelectedRow();
    const TMaterialKind kind = row >= 0 ? FEntries.at(row).Material.Kind : mkShipped;
    BEdit->setEnabled(FUsable && kind != mkShipped);
    BRemove->setEnabled(FUsable && kind == mkOwn);
}

QString TFormMaterials::ChosenKey() const {
    const int row = SelectedRow();
    return row >= 0 ? FEntries.at(row).Material.Key : QString();
}

bool TFormMaterials::EditEntry(TEntry& AEntry, bool ANew) {
    TMaterial& material = AEntry.Material;
    TFormMaterial editor(this, material.Name, material.DensityText, ANew,
                         material.Kind == mkCustom);
    if (editor.exec() != QDialog::Accepted)
        return false;
    if (material.Kind != mkCustom)
        material.Name = editor.Name();
    material.DensityText = editor.DensityText();
    material.HasDensity =
        ReadDensity(material.DensityText, LocaleDecimalSeparator(), material.Density);
    AEntry.Edited = true;
    return true;
}

void TFormMaterials::BAddClick() {
    TEntry entry;
    entry.Material.Kind = mkOwn;
    if (!EditEntry(entry, true))
        return;
    // After Custom and the other own materials, before the shipped ones.
    int row = 0;
    while (row < FEntries.size() && FEntries.at(row).Material.Kind != mkShipped)
        ++row;
    FEntries.insert(row, entry);
    FillList(row);
}

void TFormMaterials::BEditClick() {
    const int row = SelectedRow();
    if (row < 0 || FEntries.at(row).Material.Kind == mkShipped)
        return;
    if (EditEntry(FEntries[row], false))
        FillList(row);
}

void TFormMaterials::BRemoveClick() {
    const int row = SelectedRow();
    if (row < 0 || FEntries.at(row).Material.Kind != mkOwn)
        return;
    if (!FEntries.at(row).ValueName.isEmpty())
        FRemoved.append(FEntries.at(row).ValueName);
    FEntries.removeAt(row);
    FillList(row - 1);
}

void TFormMaterials::BOKClick() {
    bool changed = false;
    {
        TSettingsStore store(SettingsKeys::Settings);
        for (const QString& valueName : FRemoved)
            RemoveOwnMaterial(store, valueName);
        changed = !FRemoved.isEmpty();
        for (TEntry& entry : FEntries) {
            if (!entry.Edited)
                continue;
            changed = true;
            TMaterial& material = entry.Material;
            if (material.Kind == mkCustom) {
                // As the settings dialog stores it: as typed.
                store.WriteString(QString(), SettingNames::PresetDensity,
                                  material.DensityText.trimmed());
            } else if (entry.ValueName.isEmpty()) {
                entry.ValueName =
                    AddOwnMaterial(store, material.Name, PointDensityText(material.DensityText));
                material.Key = MaterialKeys::OwnPrefix + entry.ValueName;
            } else {
                WriteOwnMaterial(store, entry.ValueName, material.Name,
                                 PointDensityText(material.DensityText));
            }
            entry.Edited = false;
        }
        FRemoved.clear();
    }
    const QString chosen = ChosenKey();
    if (!chosen.isEmpty() && chosen != ChosenMaterialKey()) {
        SetChosenMaterialKey(chosen);
        changed = true;
    }
    accept();
    if (changed)
        emit MaterialChanged();
}

void TFormMaterials::showEvent(QShowEvent* AEvent) {
    QDialog::showEvent(AEvent);
    // Placed once; later showings leave it where the user put it.
    if (!FPlaced) {
        FPlaced = true;
        PlaceOnOwner(this);
    }
}

TFormMaterial::TFormMaterial(QWidget* AOwner, const QString& AName, const QString& ADensityText,
                             bool ANew, bool ACustom)
    : QDialog(AOwner,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      EName(new TLabeledEdit(this, QStringLiteral("EName"))),
      EDensity(new TLabeledEdit(this, QStringLiteral("EDensity"))),
      BOK(MakeButton(this, "BOK", 32, 110)), BCancel(MakeButton(this, "BCancel", 118, 110)) {
    setObjectName(QStringLiteral("FormMaterial"));
    setFixedSize(ClientWidth, ClientHeight);
    setWindowTitle(LanguageText(MaterialSection, ANew ? QStringLiteral("sAddCaption")
                                                      : QStringLiteral("sEditCaption")));

    EName->setGeometry(12, 26, 201, 21);
    EName->setMaxLength(60);
    EName->setText(AName);
    // Custom is the preset density: its name is not the user's to change.
    EName->setEnabled(!ACustom);
    EDensity->setGeometry(12, 74, 201, 21);
    EDensity->setMaxLength(19);
    EDensity->setText(ADensityText);
    TNumberEntryFilter::Attach(EDensity);
    EName->SetLabelText(LanguageText(MaterialSection, QStringLiteral("EName")));
    EDensity->SetLabelText(LanguageText(MaterialSection, QStringLiteral("EDensity")));

    BOK->setText(LanguageText(ButtonsSection, QStringLiteral("OK")));
    BOK->setDefault(true);
    BCancel->setText(LanguageText(ButtonsSection, QStringLiteral("Cancel")));
    connect(BOK, &QPushButton::clicked, this, &TFormMaterial::BOKClick);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    if (ACustom)
        EDensity->setFocus();
    else
        EName->setFocus();
}

QString TFormMaterial::Name() const {
    return EName->text().trimmed();
}

QString TFormMaterial::DensityText() const {
    return EDensity->text().trimmed();
}

void TFormMaterial::BOKClick() {
    if (EName->isEnabled() && Name().isEmpty()) {
        ShowErrorReport(LanguageText(MaterialSection, QStringLiteral("sEmptyName")));
        EName->setFocus();
        return;
    }
    Extended density = 0;
    if (!ReadDensity(DensityText(), LocaleDecimalSeparator(), density)) {
        // Refused where it is typed: the dialog stays open on the density.
        ShowErrorReport(LanguageText(MaterialSection, QStringLiteral("sInvalidDensity")));
        EDensity->setFocus();
        EDensity->selectAll();
        return;
    }
    accept();
}
