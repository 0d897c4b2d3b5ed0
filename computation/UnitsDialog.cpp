#include "UnitsDialog.h"

#include "Accessibility.h"
#include "LanguageSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const QString UnitsSection = QStringLiteral("TFormUnits");

QString Text(const char* AKey) {
    return LanguageText(UnitsSection, QLatin1String(AKey));
}

// "bbl (US oil barrel)": symbols that not everybody reads get their names.
QString SymbolAndName(const QString& ASymbol, const char* ANameKey) {
    return ASymbol + QStringLiteral(" (") + Text(ANameKey) + QLatin1Char(')');
}

QString ItemText(TLengthUnit AUnit) {
    switch (AUnit) {
    case luNone:
        return Text("sNone");
    case luFeetAndInches:
        return Text("sFeetAndInches");
    default:
        return UnitSymbol(AUnit);
    }
}

QString ItemText(TAreaUnit AUnit) {
    switch (AUnit) {
    case auNone:
        return Text("sNone");
    case auAcre:
        return SymbolAndName(UnitSymbol(AUnit), "sAcre");
    default:
        return UnitSymbol(AUnit);
    }
}

QString ItemText(TVolumeUnit AUnit) {
    switch (AUnit) {
    case vuNone:
        return Text("sNone");
    case vuUSGallon:
        return SymbolAndName(UnitSymbol(AUnit), "sUSGallon");
    case vuImperialGallon:
        return SymbolAndName(UnitSymbol(AUnit), "sImperialGallon");
    case vuUSOilBarrel:
        return SymbolAndName(UnitSymbol(AUnit), "sOilBarrel");
    default:
        return UnitSymbol(AUnit);
    }
}

QString ItemText(TMassUnit AUnit) {
    return UnitSymbol(AUnit);
}

// Fills AList with every unit of a kind, each item holding its id, and keeps the
// unit that was selected.
template <class TUnit> void FillList(QComboBox* AList, int ACount) {
    const QSignalBlocker blocker(AList);
    const int selected = qMax(0, AList->currentIndex());
    AList->clear();
    for (int i = 0; i < ACount; ++i)
        AList->addItem(ItemText(static_cast<TUnit>(i)), UnitId(static_cast<TUnit>(i)));
    AList->setCurrentIndex(selected);
}

template <class TUnit> TUnit Selected(const QComboBox* AList) {
    return static_cast<TUnit>(qMax(0, AList->currentIndex()));
}

void Select(QComboBox* AList, int AIndex) {
    const QSignalBlocker blocker(AList);
    AList->setCurrentIndex(AIndex);
}

QComboBox* MakeList(QWidget* AParent, const char* AName, int ATop) {
    auto* list = new QComboBox(AParent);
    list->setObjectName(QLatin1String(AName));
    list->setEditable(false);
    list->setGeometry(12, ATop, 141, 22);
    // Every unit of the longest list shows without scrolling.
    list->setMaxVisibleItems(VolumeUnitCount);
    return list;
}

QLabel* MakeLabel(QWidget* AParent, const char* AName, int ATop, QComboBox* ABuddy) {
    auto* label = new QLabel(AParent);
    label->setObjectName(QLatin1String(AName));
    label->setGeometry(12, ATop, 141, 13);
    label->setBuddy(ABuddy);
    return label;
}

} // namespace

void PlaceOnOwner(QWidget* ADialog) {
    const QWidget* owner = ADialog->parentWidget();
    if (!owner || ADialog->testAttribute(Qt::WA_Moved))
        return;
    const QRect ownerFrame = owner->window()->frameGeometry();
    const QSize size = ADialog->frameGeometry().size();
    ADialog->move(ownerFrame.center().x() - size.width() / 2,
                  ownerFrame.center().y() - size.height() / 2);
}

TFrameUnits::TFrameUnits(QWidget* AParent)
    : QGroupBox(AParent), CBLengthUnit(MakeList(this, "CBLengthUnit", 40)),
      CBAreaUnit(MakeList(this, "CBAreaUnit", 87)),
      CBVolumeUnit(MakeList(this, "CBVolumeUnit", 134)),
      CBMassUnit(MakeList(this, "CBMassUnit", 181)) {
    setObjectName(QStringLiteral("GBUnits"));
    setFixedSize(FrameWidth, FrameHeight);
    LLengthUnit = MakeLabel(this, "LLengthUnit", 24, CBLengthUnit);
    LAreaUnit = MakeLabel(this, "LAreaUnit", 71, CBAreaUnit);
    LVolumeUnit = MakeLabel(this, "LVolumeUnit", 118, CBVolumeUnit);
    LMassUnit = MakeLabel(this, "LMassUnit", 165, CBMassUnit);
    SetLanguage();
    SetChoice(TUnitChoice());
    for (QComboBox* list : {CBLengthUnit, CBAreaUnit, CBVolumeUnit, CBMassUnit})
        connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &TFrameUnits::ChoiceChanged);
}

void TFrameUnits::SetLanguage() {
    setTitle(LanguageText(UnitsSection, QStringLiteral("GBUnits")));
    const struct {
        QLabel* Label;
        QComboBox* List;
        const char* Key;
    } rows[] = {{LLengthUnit, CBLengthUnit, "LLengthUnit"},
                {LAreaUnit, CBAreaUnit, "LAreaUnit"},
                {LVolumeUnit, CBVolumeUnit, "LVolumeUnit"},
                {LMassUnit, CBMassUnit, "LMassUnit"}};
    for (const auto& row : rows) {
        row.Label->setText(Text(row.Key));
        row.List->setAccessibleName(SpokenCaption(row.Label->text()));
    }
    FillList<TLengthUnit>(CBLengthUnit, LengthUnitCount);
    FillList<TAreaUnit>(CBAreaUnit, AreaUnitCount);
    FillList<TVolumeUnit>(CBVolumeUnit, VolumeUnitCount);
    FillList<TMassUnit>(CBMassUnit, MassUnitCount);
}

TUnitChoice TFrameUnits::Choice() const {
    TUnitChoice choice;
    choice.Length = Selected<TLengthUnit>(CBLengthUnit);
    choice.Area = Selected<TAreaUnit>(CBAreaUnit);
    choice.Volume = Selected<TVolumeUnit>(CBVolumeUnit);
    choice.Mass = Selected<TMassUnit>(CBMassUnit);
    return choice;
}

void TFrameUnits::SetChoice(const TUnitChoice& AChoice) {
    Select(CBLengthUnit, AChoice.Length);
    Select(CBAreaUnit, AChoice.Area);
    Select(CBVolumeUnit, AChoice.Volume);
    Select(CBMassUnit, AChoice.Mass);
}

TFormUnits::TFormUnits(QWidget* AOwner)
    : QDialog(AOwner,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FrameUnits(new TFrameUnits(this)), LPlainNumbers(new QLabel(this)),
      BOK(new QPushButton(this)), BCancel(new QPushButton(this)), FStored(ReadUnitChoice()) {
    setObjectName(QStringLiteral("FormUnits"));
    setFixedSize(ClientWidth, ClientHeight);

    FrameUnits->move(12, 12);
    LPlainNumbers->setObjectName(QStringLiteral("LPlainNumbers"));
    LPlainNumbers->setGeometry(12, 231, 165, 44);
    LPlainNumbers->setWordWrap(true);
    LPlainNumbers->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    BOK->setObjectName(QStringLiteral("BOK"));
    BOK->setGeometry(12, 281, 75, 25);
    // Enter takes the choice, Escape (the dialog's reject) leaves it.
    BOK->setDefault(true);
    BCancel->setObjectName(QStringLiteral("BCancel"));
    BCancel->setGeometry(102, 281, 75, 25);

    FrameUnits->SetChoice(FStored);
    SetLanguage();
    ShowPlainNumbersNote();
    connect(FrameUnits, &TFrameUnits::ChoiceChanged, this, &TFormUnits::ShowPlainNumbersNote);
    connect(BOK, &QPushButton::clicked, this, &TFormUnits::BOKClick);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    FrameUnits->findChild<QComboBox*>(QStringLiteral("CBLengthUnit"))->setFocus();
}

void TFormUnits::SetLanguage() {
    setWindowTitle(LanguageText(UnitsSection, QStringLiteral("Caption")));
    FrameUnits->SetLanguage();
    LPlainNumbers->setText(Text("sPlainNumbers"));
    BOK->setText(LanguageText(QStringLiteral("Buttons"), QStringLiteral("OK")));
    BCancel->setText(LanguageText(QStringLiteral("Buttons"), QStringLiteral("Cancel")));
}

TUnitChoice TFormUnits::Choice() const {
    return FrameUnits->Choice();
}

void TFormUnits::BOKClick() {
    const TUnitChoice choice = Choice();
    WriteUnitChoice(choice);
    const bool changed = choice != FStored;
    FStored = choice;
    accept();
    if (changed)
        emit UnitsChanged();
}

void TFormUnits::ShowPlainNumbersNote() {
    LPlainNumbers->setVisible(Choice().Length == luNone);
}

void TFormUnits::showEvent(QShowEvent* AEvent) {
    QDialog::showEvent(AEvent);
    // Placed once; later showings leave it where the user put it.
    if (!FPlaced) {
        FPlaced = true;
        PlaceOnOwner(this);
    }
}
