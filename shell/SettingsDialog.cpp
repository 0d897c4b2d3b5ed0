#include "SettingsDialog.h"

#include "Accessibility.h"
#include "Application.h"
#include "LabeledEdit.h"
#include "LanguageSupport.h"
#include "NumberEntry.h"
#include "NumberFormat.h"
#include "NumberParsing.h"
#include "Settings.h"
#include "UpDown.h"
#include "WindowStyle.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <cmath>

namespace {

const QSize FlagSize(16, 12);

QString ActiveLanguage() {
    return Languages ? Languages->ActiveLanguage() : QString();
}

QFont PixelFont(const QString& AFamily, int APixels) {
    QFont font(AFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(APixels);
    return font;
}

template <class TWidget> TWidget* Named(TWidget* AWidget, const char* AName) {
    AWidget->setObjectName(QLatin1String(AName));
    return AWidget;
}

// The flag beside a language file, at the list's picture size; a transparent
// picture where there is none, so that picture i stays with language i.
QPixmap LoadFlag(const QString& APath) {
    // A flag is a small picture: anything else under its name (a FIFO, a huge or
    // damaged file) gives the empty flag instead of blocking or filling memory.
    constexpr qint64 MaxFlagFileSize = 256 * 1024;
    constexpr int MaxFlagSide = 256;
    QPixmap flag;
    QByteArray bytes;
    if (ReadRegularFile(APath, MaxFlagFileSize, bytes) == TLanguageFile::TReadError::None) {
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        if (size.isValid() && size.width() <= MaxFlagSide && size.height() <= MaxFlagSide)
            flag = QPixmap::fromImage(reader.read());
    }
    if (!flag.isNull()) {
        if (flag.size() != FlagSize)
            flag = flag.scaled(FlagSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return flag;
    }
    QPixmap empty(FlagSize);
    empty.fill(Qt::transparent);
    return empty;
}

const QString SettingsSection = QStringLiteral("TFormSettings");
const QString NoSection; // values directly in the opened key

} // namespace

TFormSettings::TFormSettings(QWidget* AOwner)
    : QDialog(AOwner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      GBResults(Named(new QGroupBox(this), "GBResults")),
      EPrecision(new TLabeledEdit(GBResults, QStringLiteral("EPrecision"))),
      UDPrecision(new TUpDown(GBResults, QStringLiteral("UDPrecision"))),
      RGForm(Named(new QGroupBox(GBResults), "RGForm")), FFormItems{},
      FFormGroup(new QButtonGroup(this)),
      ChBUsePresetDensity(Named(new QCheckBox(GBResults), "ChBUsePresetDensity")),
      EPresetDensity(Named(new QLineEdit(GBResults), "EPresetDensity")),
      GBView(Named(new QGroupBox(this), "GBView")),
      ChBDraft(Named(new QCheckBox(GBView), "ChBDraft")),
      ChBSupplementaryData(Named(new QCheckBox(GBView), "ChBSupplementaryData")),
      ChBFormulas(Named(new QCheckBox(GBView), "ChBFormulas")),
      LLanguage(Named(new QLabel(GBView), "LLanguage")),
      CBLanguage(Named(new QComboBox(GBView), "CBLanguage")),
      BOK(Named(new QPushButton(this), "BOK")), BCancel(Named(new QPushButton(this), "BCancel")),
      BDefault(Named(new QPushButton(this), "BDefault")) {
    setObjectName(QStringLiteral("FormSettings"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(PixelFont(FontFamilies::MSSansSerif, 11));
    TakeWindowStyle(this, AOwner);

    GBResults->setGeometry(12, 12, 165, 213);
    EPrecision->setGeometry(12, 40, 40, 21);
    EPrecision->setReadOnly(true);
    EPrecision->setText(QStringLiteral("0"));
    UDPrecision->setGeometry(52, 40, 16, 21);
    UDPrecision->SetMin(0);
    UDPrecision->SetMax(MaxPrecision);
    UDPrecision->Associate(EPrecision);

    RGForm->setGeometry(12, 76, 141, 64);
    RGForm->setFont(PixelFont(QStringLiteral("Trebuchet MS"), 12));
    for (int i = 0; i < 2; ++i) {
        auto* item = new QRadioButton(RGForm);
        item->setObjectName(QStringLiteral("RGForm_%1").arg(i));
        // Two rows sharing the room below the group's caption.
        item->setGeometry(8, 18 + 21 * i, 125, 20);
        FFormGroup->addButton(item, i);
        FFormItems[i] = item;
    }

    ChBUsePresetDensity->setGeometry(12, 156, 141, 17);
    EPresetDensity->setGeometry(12, 176, 141, 21);
    EPresetDensity->setEnabled(false);
    TNumberEntryFilter::Attach(EPresetDensity);

    GBView->setGeometry(189, 12, 165, 213);
    ChBDraft->setGeometry(12, 48, 141, 17);
    ChBSupplementaryData->setGeometry(12, 72, 141, 17);
    ChBFormulas->setGeometry(12, 24, 141, 17);
    LLanguage->setGeometry(12, 102, 141, 13);
    LLanguage->setBuddy(CBLanguage);
    CBLanguage->setEditable(false);
    CBLanguage->setIconSize(FlagSize);
    CBLanguage->setGeometry(12, 118, 141, 22);

    const QFont buttonFont = PixelFont(FontFamilies::MSSansSerif, 12);
    const struct {
        QPushButton* Button;
        int Left;
    } buttons[] = {{BOK, 35}, {BCancel, 145}, {BDefault, 255}};
    for (const auto& place : buttons) {
        place.Button->setGeometry(place.Left, 236, 75, 23);
        place.Button->setFont(buttonFont);
        QPalette palette = place.Button->palette();
        palette.setColor(QPalette::ButtonText, Qt::black);
        place.Button->setPalette(palette);
    }
    // Enter presses OK, unless another button has the focus (that one is pressed).
    BOK->setDefault(true);

    setTabOrder(EPrecision, UDPrecision);
    setTabOrder(UDPrecision, FFormItems[0]);
    setTabOrder(FFormItems[0], FFormItems[1]);
    setTabOrder(FFormItems[1], ChBUsePresetDensity);
    setTabOrder(ChBUsePresetDensity, EPresetDensity);
    setTabOrder(EPresetDensity, ChBFormulas);
    setTabOrder(ChBFormulas, ChBDraft);
    setTabOrder(ChBDraft, ChBSupplementaryData);
    setTabOrder(ChBSupplementaryData, CBLanguage);
    setTabOrder(CBLanguage, BOK);
    setTabOrder(BOK, BCancel);
    setTabOrder(BCancel, BDefault);

    FormCreate();

    // Connected after the controls are filled: reading the store runs the check box
    // handler itself, and a language is loaded only when the user picks one.
    connect(ChBUsePresetDensity, &QCheckBox::toggled, this,
            &TFormSettings::ChBUsePresetDensityClick);
    connect(CBLanguage, QOverload<int>::of(&QComboBox::activated), this,
            &TFormSettings::CBLanguageChange);
    connect(BOK, &QPushButton::clicked, this, &TFormSettings::BOKClick);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BDefault, &QPushButton::clicked, this, &TFormSettings::BDefaultClick);
    EPrecision->setFocus();
}

TFormSettings::~TFormSettings() {
    // Destroyed without closing (its owner went first): as any close but OK.
    FormClose(Rejected);
}

void TFormSettings::FormCreate() {
    FInitialLanguage = ActiveLanguage();
    if (Languages) {
        Languages->RefreshList();
        for (const QString& id : Languages->List()) {
            ILFlags.append(LoadFlag(Languages->LanguageFolderPath() + id + QStringLiteral(".bmp")));
            CBLanguage->addItem(QIcon(ILFlags.back()), id);
        }
    }
    Reg = std::make_unique<TSettingsStore>(SettingsKeys::Settings);
    ReadSettings();
    SelectLanguage(ActiveLanguage());
    SetLanguage();
}

void TFormSettings::ReadSettings() {
    UDPrecision->SetPosition(
        Reg->ReadInteger(NoSection, SettingNames::Precision, DefaultPrecision));
    const int form = Reg->ReadInteger(NoSection, SettingNames::Form, 0);
    SetFormIndex(form > 1 ? 1 : form);
    ChBUsePresetDensity->setChecked(
        Reg->ReadBool(NoSection, SettingNames::UsePresetDensity, false));
    ChBUsePresetDensityClick();
    EPresetDensity->setText(Reg->ReadString(NoSection, SettingNames::PresetDensity, QString()));
    ChBDraft->setChecked(Reg->ReadBool(NoSection, SettingNames::ShowDraft, true));
    ChBSupplementaryData->setChecked(
        Reg->ReadBool(NoSection, SettingNames::ShowSupplementaryData, true));
    ChBFormulas->setChecked(Reg->ReadBool(NoSection, SettingNames::ShowFormulas, true));
}

void TFormSettings::SetLanguage() {
    FInvalidDensity = LanguageText(SettingsSection, QStringLiteral("sInvalidDensity"));
    setWindowTitle(LanguageText(SettingsSection, QStringLiteral("Caption")));
    GBResults->setTitle(LanguageText(SettingsSection, QStringLiteral("GBResults")));
    EPrecision->SetLabelText(
        LanguageText(QStringLiteral("TFormPrecision"), QStringLiteral("Caption")));
    RGForm->setTitle(LanguageText(SettingsSection, QStringLiteral("RGForm")));
    FFormItems[0]->setText(LanguageText(SettingsSection, QStringLiteral("RGForm.Items[0]")));
    FFormItems[1]->setText(LanguageText(SettingsSection, QStringLiteral("RGForm.Items[1]")));
    ChBUsePresetDensity->setText(
        LanguageText(SettingsSection, QStringLiteral("ChBUsePresetDensity")));
    GBView->setTitle(LanguageText(SettingsSection, QStringLiteral("GBView")));
    const QString computations = QStringLiteral("TFormComputations");
    ChBDraft->setText(LanguageText(computations, QStringLiteral("BDraft")));
    ChBSupplementaryData->setText(LanguageText(computations, QStringLiteral("BSupplementaryData")));
    ChBFormulas->setText(LanguageText(computations, QStringLiteral("BFormulas")));
    QString language = LanguageText(SettingsSection, QStringLiteral("LLanguage"));
    // The language choice stays recognisable whatever language is shown.
    if (ActiveLanguage() != QLatin1String("English"))
        language += QStringLiteral(" (Language)");
    LLanguage->setText(language);
    // Screen readers: the controls without a caption of their own are read by the
    // label or check box that says what they hold.
    LLanguage->setBuddy(CBLanguage);
    CBLanguage->setAccessibleName(SpokenCaption(language));
    UDPrecision->setAccessibleName(EPrecision->accessibleName());
    EPresetDensity->setAccessibleName(SpokenCaption(ChBUsePresetDensity->text()));
    const QString buttons = QStringLiteral("Buttons");
    BOK->setText(LanguageText(buttons, QStringLiteral("OK")));
    BCancel->setText(LanguageText(buttons, QStringLiteral("Cancel")));
    BDefault->setText(LanguageText(buttons, QStringLiteral("Default")));
}

int TFormSettings::FormIndex() const {
    return FFormGroup->checkedId();
}

void TFormSettings::SetFormIndex(int AIndex) {
    if (AIndex == 0 || AIndex == 1) {
        FFormItems[AIndex]->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; none is selected only this way.
    FFormGroup->setExclusive(false);
    for (QRadioButton* item : FFormItems)
        item->setChecked(false);
    FFormGroup->setExclusive(true);
}

void TFormSettings::SelectLanguage(const QString& ALanguage) {
    const QSignalBlocker blocker(CBLanguage);
    CBLanguage->setCurrentIndex(
        CBLanguage->findText(ALanguage, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TFormSettings::CBLanguageChange() {
    if (!Languages || CBLanguage->count() == 0 || CBLanguage->currentIndex() < 0)
        return;
    const QString picked = CBLanguage->currentText();
    if (picked == Languages->ActiveLanguage())
        return;
    if (Languages->Load(picked))
        SetLanguage();
    else
        SelectLanguage(Languages->ActiveLanguage());
}

void TFormSettings::ChBUsePresetDensityClick() {
    EPresetDensity->setEnabled(ChBUsePresetDensity->isChecked());
    if (EPresetDensity->isVisible() && EPresetDensity->isEnabled())
        EPresetDensity->setFocus();
}

void TFormSettings::BDefaultClick() {
    UDPrecision->SetPosition(DefaultPrecision);
    SetFormIndex(0);
    ChBUsePresetDensity->setChecked(false);
    ChBUsePresetDensityClick();
    EPresetDensity->clear();
    ChBDraft->setChecked(true);
    ChBSupplementaryData->setChecked(true);
    ChBFormulas->setChecked(true);
    if (!Languages)
        return;
    const int index = CBLanguage->findText(Languages->DefaultLanguage(),
                                           Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        CBLanguage->setCurrentIndex(index);
        CBLanguageChange();
    }
}

bool TFormSettings::IsValidDensity(const QString& AText) {
    // A density of zero or below (or beyond the numbers' range) gives no mass: the
    // supplementary data window would fail on every recalculation.
    Extended density = 0;
    return TryTextToExtended(AText, density) && std::isfinite(density) && density > 0;
}

void TFormSettings::BOKClick() {
    if (ChBUsePresetDensity->isChecked() && !IsValidDensity(EPresetDensity->text())) {
        // The dialog stays open with everything as it was; nothing is stored.
        ShowErrorReport(FInvalidDensity);
        return;
    }
    const QString density = EPresetDensity->text();
    Reg->WriteInteger(NoSection, SettingNames::Precision, UDPrecision->Position());
    Reg->WriteInteger(NoSection, SettingNames::Form, FormIndex());
    Reg->WriteBool(NoSection, SettingNames::UsePresetDensity,
                   ChBUsePresetDensity->isChecked() && !density.isEmpty());
    Reg->WriteString(NoSection, SettingNames::PresetDensity, density);
    Reg->WriteBool(NoSection, SettingNames::ShowDraft, ChBDraft->isChecked());
    Reg->WriteBool(NoSection, SettingNames::ShowSupplementaryData,
                   ChBSupplementaryData->isChecked());
    Reg->WriteBool(NoSection, SettingNames::ShowFormulas, ChBFormulas->isChecked());
    Reg->WriteString(NoSection, SettingNames::Language, ActiveLanguage());
    emit LanguageChanged();
    accept();
}

void TFormSettings::done(int AResult) {
    FormClose(AResult);
    QDialog::done(AResult);
}

void TFormSettings::FormClose(int AResult) {
    if (FClosed)
        return;
    FClosed = true;
    if (AResult != Accepted && Languages && Languages->ActiveLanguage() != FInitialLanguage)
        Languages->Load(FInitialLanguage);
    if (Reg)
        Reg->Close();
}
