#include "Results.h"

#include "CertifiedResults.h"
#include "ComputationHost.h"
#include "FigureReport.h"
#include "FittedText.h"
#include "LanguageSupport.h"
#include "MassCalculation.h"
#include "Precision.h"
#include "Settings.h"
#include "SolidFigures.h"
#include "WindowStyle.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>

#include <cmath>

namespace {

// The translated "custom precision" text, shared by every panel; read when a
// panel is created.
QString CustomPrecisionText;

const QColor CaptionColour(0, 102, 0);

constexpr int PanelWidth = 220;
constexpr int PanelHeight = 54;
constexpr int VolumeLineTop = 6;
constexpr int AreaLineTop = 30;
constexpr int CaptionLeft = 16;
constexpr int EqualLeft = 32;
constexpr int ValueLeft = 56;
constexpr int ValueWidth = 111;
constexpr int DecadeLeft = 174;
constexpr int ExponentLeft = 198;
constexpr int ExponentRaise = 4;
constexpr int RightMargin = 3;
// Space kept free after "=" and before "x10" when a value takes the panel's width.
constexpr int EqualGap = 4;
constexpr int DecadeGap = 3;
// Between a value (or its exponent) and its unit.
constexpr int UnitGap = 4;

void SetPixelFont(QLabel* ALabel, int APixels) {
    ALabel->setFont(PixelFont(FontFamilies::Arial, APixels, true));
}

} // namespace

TFrameResults::TFrameResults(TComputationHost* AHost, QWidget* AParent)
    : QFrame(AParent), FHost(AHost), Panel(new QFrame(this)), FMenu(new QMenu(this)) {
    setObjectName(QStringLiteral("Results"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFixedSize(PanelWidth, PanelHeight);

    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setFrameStyle(QFrame::NoFrame);
    Panel->setGeometry(1, 1, PanelWidth - 2, PanelHeight - 2);

    FVolumeLine = {MakeLabel(QStringLiteral("LVolume"), QStringLiteral("V")),
                   MakeLabel(QStringLiteral("LEqualV"), QStringLiteral("=")),
                   MakeLabel(QStringLiteral("ResultVolume"), QStringLiteral("---")),
                   MakeLabel(QStringLiteral("DecadeV"), QStringLiteral("x10")),
                   MakeLabel(QStringLiteral("ExponentV"), QStringLiteral("0")),
                   MakeLabel(QStringLiteral("UnitV"), QString()),
                   VolumeLineTop,
                   QStringLiteral("---"),
                   QString()};
    FAreaLine = {MakeLabel(QStringLiteral("LArea"), QStringLiteral("S")),
                 MakeLabel(QStringLiteral("LEqualA"), QStringLiteral("=")),
                 MakeLabel(QStringLiteral("ResultArea"), QStringLiteral("---")),
                 MakeLabel(QStringLiteral("DecadeA"), QStringLiteral("x10")),
                 MakeLabel(QStringLiteral("ExponentA"), QStringLiteral("0")),
                 MakeLabel(QStringLiteral("UnitA"), QString()),
                 AreaLineTop,
                 QStringLiteral("---"),
                 QString()};
    for (const TLine& line : {FVolumeLine, FAreaLine}) {
        SetTextColor(line.Caption, CaptionColour);
        SetTextColor(line.Equal, CaptionColour);
        SetTextColor(line.Decade, Colours::Maroon);
        line.Value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        SetTextColor(line.Unit, CaptionColour);
        line.Decade->hide();
        line.Exponent->hide();
        line.Unit->hide();
    }
    ApplyLook(13, 11);

    FMenu->setObjectName(QStringLiteral("Menu"));
    MCopyVolumeToClipboard = MakeItem(QStringLiteral("MCopyVolumeToClipboard"));
    MCopyAreaToClipboard = MakeItem(QStringLiteral("MCopyAreaToClipboard"));
    MCopyReportToClipboard = MakeItem(QStringLiteral("MCopyReportToClipboard"));
    FMenu->addSeparator()->setObjectName(QStringLiteral("Cara1"));
    auto* formGroup = new QActionGroup(this);
    formGroup->setObjectName(QStringLiteral("FormGroup"));
    MBasicForm = MakeItem(QStringLiteral("MBasicForm"), formGroup);
    MSemilogarithmicForm = MakeItem(QStringLiteral("MSemilogarithmicForm"), formGroup);
    FMenu->addSeparator()->setObjectName(QStringLiteral("Cara2"));
    auto* precisionGroup = new QActionGroup(this);
    precisionGroup->setObjectName(QStringLiteral("PrecisionGroup"));
    MPrecision2 = MakeItem(QStringLiteral("MPrecision2"), precisionGroup);
    MPrecision3 = MakeItem(QStringLiteral("MPrecision3"), precisionGroup);
    MPrecision14 = MakeItem(QStringLiteral("MPrecision14"), precisionGroup);
    MCustomPrecision = MakeItem(QStringLiteral("MCustomPrecision"), precisionGroup);
    FMenu->addSeparator()->setObjectName(QStringLiteral("Cara3"));
    MMassCalculation = MakeItem(QStringLiteral("MMassCalculation"));
    // Shown in the menu; the entries' own key handler performs the item.
    MMassCalculation->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    MMassCalculation->setShortcutContext(Qt::WidgetShortcut);
    connect(FMenu, &QMenu::aboutToShow, this, &TFrameResults::MenuPopup);

    SetLanguage();
    FResultState = rsNespocitano;
    const TNumberForm form = ReadNumberForm();
    FPrecision = form.Precision;
    (form.Semilogarithmic ? MSemilogarithmicForm : MBasicForm)->setChecked(true);
    setFocusPolicy(Qt::NoFocus);
}

QLabel* TFrameResults::MakeLabel(const QString& AName, const QString& AText) {
    auto* label = new QLabel(AText, Panel);
    label->setObjectName(AName);
    return label;
}

QAction* TFrameResults::MakeItem(const QString& AName, QActionGroup* AGroup) {
    auto* item = new QAction(FMenu);
    item->setObjectName(AName);
    if (AGroup) {
        item->setCheckable(true);
        AGroup->addAction(item);
    }
    FMenu->addAction(item);
    connect(item, &QAction::triggered, this, [this, item] { MenuClick(item); });
    return item;
}

void TFrameResults::SetLanguage() {
    const QString section = QStringLiteral("TFrameResults");
    CustomPrecisionText = LanguageText(section, QStringLiteral("sCustomPrecision"));
    for (QAction* item :
         {MCopyVolumeToClipboard, MCopyAreaToClipboard, MBasicForm, MSemilogarithmicForm})
        item->setText(LanguageText(section, item->objectName()));
    const QString precision =
        LanguageText(QStringLiteral("TFormPrecision"), QStringLiteral("Caption"));
    MPrecision2->setText(precision + QStringLiteral(": 2"));
    MPrecision3->setText(precision + QStringLiteral(": 3"));
    MPrecision14->setText(precision + QStringLiteral(": 14 (") +
                          LanguageText(section, QStringLiteral("MPrecision14Full")) +
                          QStringLiteral(")"));
    MCustomPrecision->setText(CustomPrecisionText + QStringLiteral("..."));
    MCopyReportToClipboard->setText(
        LanguageText(QLatin1String(ReportSection), MCopyReportToClipboard->objectName()));
    MMassCalculation->setText(
        LanguageText(QStringLiteral("TFormMassCalculation"), QStringLiteral("Caption")) +
        QStringLiteral("..."));
    FVolumeLine.Spoken = LanguageText(QStringLiteral("Accessibility"), QStringLiteral("Volume"));
    FAreaLine.Spoken = LanguageText(QStringLiteral("Accessibility"), QStringLiteral("Area"));
    for (const TLine* line : {&FVolumeLine, &FAreaLine})
        SpeakLine(*line);
}

void TFrameResults::SpeakLine(const TLine& ALine) {
    QString value = ALine.Text;
    // "x10" and its exponent, as the panel shows them beside the mantissa.
    if (!ALine.Decade->isHidden())
        value +=
            QStringLiteral(" × 10") +
            (ALine.Exponent->isHidden() ? QString() : QLatin1Char('^') + ALine.Exponent->text());
    if (!ALine.Unit->isHidden())
        value = WithUnit(value, ALine.Unit->text());
    ALine.Value->setAccessibleName(ALine.Spoken + QLatin1Char(' ') + value);
}

void TFrameResults::ApplyLook(int ACaptionPixels, int AValuePixels) {
    FValuePixels = AValuePixels;
    for (const TLine* line : {&FVolumeLine, &FAreaLine}) {
        SetPixelFont(line->Caption, ACaptionPixels);
        SetPixelFont(line->Equal, ACaptionPixels);
        PlaceLine(*line);
    }
}

void TFrameResults::PlaceLine(const TLine& ALine) {
    // The panel's children are placed in frame coordinates less the border.
    ALine.Caption->adjustSize();
    ALine.Caption->move(CaptionLeft - Panel->x(), ALine.Top - Panel->y());
    ALine.Equal->adjustSize();
    ALine.Equal->move(EqualLeft - Panel->x(), ALine.Top - Panel->y());
    FitLine(ALine);
}

void TFrameResults::SetValueText(TLine& ALine, const QString& AText) {
    ALine.Text = AText;
    FitLine(ALine);
}

void TFrameResults::FitLine(const TLine& ALine) {
    const int px = Panel->x();
    const int top = ALine.Top - Panel->y();
    const int captionAscent = ALine.Caption->fontMetrics().ascent();
    const bool decade = !ALine.Decade->isHidden();
    const bool exponent = !ALine.Exponent->isHidden();
    const bool unit = !ALine.Unit->isHidden();
    // The value's own place, and the room the panel has beside the captions.
    const int slotLeft = ValueLeft - px;
    const int slotRight = ValueLeft + ValueWidth - px;
    const int innerRight = PanelWidth - RightMargin - px;
    const int roomLeft = ALine.Equal->x() + ALine.Equal->width() + EqualGap;

    struct TLayout {
        int DecadeLeft = 0, ExponentLeft = 0, UnitLeft = 0, ValueRight = 0;
        int UnitWidth = 0; // with the gap before it
    };
    // "x10", the exponent and the unit at their places, moved left together as
    // far as a long exponent or the unit needs; the value ends before "x10". A
    // unit without "x10" follows the value, which leaves it the room.
    auto layout = [&](const QFont& AFont, int ARoomRight) {
        for (QLabel* label : {ALine.Decade, ALine.Exponent, ALine.Unit}) {
            label->setFont(AFont);
            label->adjustSize();
        }
        TLayout result;
        result.UnitWidth = unit ? UnitGap + ALine.Unit->width() : 0;
        result.DecadeLeft = DecadeLeft - px;
        const int decadeRight = result.DecadeLeft + ALine.Decade->width();
        result.ExponentLeft = qMax(ExponentLeft - px, decadeRight);
        const int tailRight =
            exponent ? result.ExponentLeft + ALine.Exponent->width() : decadeRight;
        result.UnitLeft = tailRight + UnitGap;
        const int shift = decade ? qMax(0, tailRight + result.UnitWidth - innerRight) : 0;
        result.DecadeLeft -= shift;
        result.ExponentLeft -= shift;
        result.UnitLeft -= shift;
        result.ValueRight = decade ? qMin(ARoomRight, result.DecadeLeft - DecadeGap)
                                   : ARoomRight - result.UnitWidth;
        return result;
    };

    // The largest type, from the design's down to the smallest legible one,
    // in which the value fits its place (with a unit and without "x10", the
    // value's place reaches to the panel's edge: the unit follows the value).
    QFont font = PixelFont(FontFamilies::Arial, FValuePixels, true);
    const bool unitFollows = unit && !decade;
    const int placeRight = unitFollows ? innerRight : slotRight;
    TLayout place = layout(font, placeRight);
    int textWidth = QFontMetrics(font).horizontalAdvance(ALine.Text);
    for (int pixels = FValuePixels - 1;
         textWidth > place.ValueRight - slotLeft && pixels >= MinimumLegiblePixels; --pixels) {
        font.setPixelSize(pixels);
        place = layout(font, placeRight);
        textWidth = QFontMetrics(font).horizontalAdvance(ALine.Text);
    }
    const QFontMetrics metrics(font);
    int left = slotLeft;
    int right = place.ValueRight;
    QString shown = ALine.Text;
    if (textWidth > right - left) {
        // Still too long: the panel's width beside the value, centred on its
        // place as far as the room allows.
        place = layout(font, innerRight);
        const int width = qMin(textWidth, place.ValueRight - roomLeft);
        const int centre = (slotLeft + slotRight) / 2;
        left = qBound(roomLeft, centre - width / 2, place.ValueRight - width);
        right = left + width;
        if (textWidth > width)
            shown = metrics.elidedText(ALine.Text, Qt::ElideRight, width);
    } else if (unitFollows) {
        // The value and its unit side by side, centred on the value's place as
        // far as the panel allows.
        const int block = textWidth + place.UnitWidth;
        left = qBound(slotLeft, (slotLeft + slotRight) / 2 - block / 2, innerRight - block);
        right = left + textWidth;
    }
    ALine.Value->setFont(font);
    ALine.Value->setText(shown);
    // The whole value on hovering wherever the panel had to cut it.
    ALine.Value->setToolTip(shown == ALine.Text ? QString() : ALine.Text);

    // The value sits on the caption's baseline, the exponent a little higher.
    const int valueTop = top + captionAscent - metrics.ascent();
    ALine.Value->setGeometry(left, valueTop, right - left, metrics.height());
    ALine.Decade->move(place.DecadeLeft, valueTop);
    ALine.Exponent->move(place.ExponentLeft, valueTop - ExponentRaise);
    ALine.Unit->move(unitFollows ? right + UnitGap : place.UnitLeft, valueTop);
    SpeakLine(ALine);
}

void TFrameResults::UseComputationWindowLook() {
    setAutoFillBackground(true);
    Panel->setAutoFillBackground(true);
    for (QWidget* widget : {static_cast<QWidget*>(this), static_cast<QWidget*>(Panel)}) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, Colours::ComputationBackground);
        widget->setPalette(palette);
    }
    ApplyLook(15, 12);
}

void TFrameResults::ShowResult(const TSolidResult& AResult) {
    FResult = AResult;
    Output(NumberForm());
}

void TFrameResults::SetPrecision(TPrecision AValue) {
    FPrecision = AValue;
    Output(NumberForm());
}

void TFrameResults::SetUnits(const TUnitChoice& AUnits) {
    FUnits = AUnits;
    Output(NumberForm());
}

void TFrameResults::PreviewPrecision(TPrecision APrecision) {
    const TNumberForm form{APrecision, SemilogarithmicForm()};
    Output(form);
    if (FHost)
        FHost->ShowNumberForm(form);
}

void TFrameResults::ApplyNumberForm() {
    Output(NumberForm());
    if (FHost)
        FHost->ShowNumberForm(NumberForm());
}

void TFrameResults::Output(const TNumberForm& AForm) {
    if (!FResult.Computed()) {
        SetResultState(FResult.State);
        return;
    }
    const TShownQuantity volume =
        ShownQuantity(FResult.Volume, qkVolume, FResult.LengthUnit, FUnits);
    const TShownQuantity area = ShownQuantity(FResult.Area, qkArea, FResult.LengthUnit, FUnits);
    // A value beyond what the panel can write is an input error, never a number.
    if (!std::isfinite(volume.Value) || !std::isfinite(area.Value)) {
        SetResultState(rsChyba_Z);
        return;
    }
    OutputValue(FVolumeLine, ShownResultNumber(FResult, rqVolume, volume.Value, AForm), volume);
    OutputValue(FAreaLine, ShownResultNumber(FResult, rqArea, area.Value, AForm), area);
    FResultState = rsSpocitano;
}

void TFrameResults::SetResultState(TResultState AValue) {
    for (TLine* line : {&FVolumeLine, &FAreaLine}) {
        line->Decade->hide();
        line->Exponent->hide();
        line->Unit->hide();
        SetValueText(*line, ResultStateText(AValue));
    }
    FResultState = AValue;
}

bool TFrameResults::SemilogarithmicForm() const {
    return MSemilogarithmicForm->isChecked();
}

void TFrameResults::OutputValue(TLine& ALine, const TResultNumber& ANumber,
                                const TShownQuantity& AValue) {
    ALine.Decade->setVisible(ANumber.Decade);
    ALine.Exponent->setText(QString::number(ANumber.Exponent));
    ALine.Exponent->setVisible(ANumber.Decade && ANumber.Exponent != 1);
    ALine.Unit->setText(AValue.Symbol);
    ALine.Unit->setVisible(!AValue.Symbol.isEmpty());
    SetValueText(ALine, ANumber.Digits);
}

void TFrameResults::contextMenuEvent(QContextMenuEvent* AEvent) {
    PopupMenu(AEvent->globalPos());
    AEvent->accept();
}

void TFrameResults::resizeEvent(QResizeEvent* AEvent) {
    QFrame::resizeEvent(AEvent);
    // Embedding may have set a focus policy; the panel never takes the focus.
    setFocusPolicy(Qt::NoFocus);
}

void TFrameResults::PopupMenu(const QPoint& AGlobalPos) {
    FMenu->popup(AGlobalPos);
}

void TFrameResults::MassCalculationClick() {
    if (FResultState == rsSpocitano)
        MenuClick(MMassCalculation);
}

void TFrameResults::MenuPopup() {
    const bool computed = FResultState == rsSpocitano;
    MCopyVolumeToClipboard->setEnabled(computed);
    MCopyAreaToClipboard->setEnabled(computed);
    MMassCalculation->setEnabled(computed);
    TVariant variant = VariantCount;
    TEntryTexts texts;
    MCopyReportToClipboard->setEnabled(FHost && FHost->ReportInput(variant, texts));
    switch (FPrecision) {
    case 2:
        MPrecision2->setChecked(true);
        break;
    case 3:
        MPrecision3->setChecked(true);
        break;
    case 14:
        MPrecision14->setChecked(true);
        break;
    default:
        MCustomPrecision->setChecked(true);
        MCustomPrecision->setText(CustomPrecisionText + QStringLiteral(": ") +
                                  QString::number(FPrecision) + QStringLiteral("..."));
    }
    if (!MCustomPrecision->isChecked())
        MCustomPrecision->setText(CustomPrecisionText + QStringLiteral("..."));
}

void TFrameResults::MenuClick(QAction* AItem) {
    // Whatever the item did, and also when it failed, the results are written
    // anew in the current form and precision (which also ends a preview).
    try {
        MenuStep(AItem);
    } catch (...) {
        ApplyNumberForm();
        throw;
    }
    ApplyNumberForm();
}

void TFrameResults::MenuStep(QAction* AItem) {
    if (AItem->isCheckable() && !AItem->isChecked())
        AItem->setChecked(true);

    if (AItem == MCopyVolumeToClipboard) {
        QGuiApplication::clipboard()->setText(FVolumeLine.Text);
    } else if (AItem == MCopyAreaToClipboard) {
        QGuiApplication::clipboard()->setText(FAreaLine.Text);
    } else if (AItem == MCopyReportToClipboard) {
        QGuiApplication::clipboard()->setText(ReportText());
    } else if (AItem == MBasicForm || AItem == MSemilogarithmicForm) {
        TSettingsStore reg(SettingsKeys::Settings);
        reg.WriteInteger(QString(), SettingNames::Form, MBasicForm->isChecked() ? 0 : 1);
    } else if (AItem == MPrecision2 || AItem == MPrecision3 || AItem == MPrecision14) {
        FPrecision = AItem == MPrecision2 ? 2 : AItem == MPrecision3 ? 3 : 14;
        SavePrecision();
    } else if (AItem == MCustomPrecision) {
        TFormPrecision dialog(FHost, FPrecision,
                              [this](TPrecision APrecision) { PreviewPrecision(APrecision); });
        TakeWindowStyle(&dialog, FHost ? FHost->HostWindow() : nullptr);
        if (dialog.exec() == QDialog::Accepted) {
            FPrecision = dialog.NewPrecision();
            SavePrecision();
        }
    } else if (AItem == MMassCalculation) {
        TFormMassCalculation dialog(FHost, FResult.Figure, FPrecision, FUnits, FResult.LengthUnit);
        TakeWindowStyle(&dialog, FHost ? FHost->HostWindow() : nullptr);
        dialog.exec();
    }
}

QString TFrameResults::ReportText() const {
    TVariant variant = VariantCount;
    TEntryTexts texts;
    if (!FHost || !FHost->ReportInput(variant, texts))
        return QString();
    // Until the host hands a result of its variant, the panel shows "---".
    const TSolidResult& result =
        FResult.Variant == variant ? FResult : StateResult(variant, rsNespocitano);
    return MakeFigureReport(result, texts, NumberForm(), LanguageText, FUnits).Text();
}

void TFrameResults::SavePrecision() {
    TSettingsStore reg(SettingsKeys::Settings);
    reg.WriteInteger(QString(), SettingNames::Precision, FPrecision);
}
