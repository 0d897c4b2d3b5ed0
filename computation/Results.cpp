#include "Results.h"

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
#include <iomanip>
#include <locale>
#include <sstream>
#include <string>

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

// A value as 0.Digits x 10^Exponent with at most 15 significant digits, the
// digits of its general text; Digits is empty for zero.
struct TDecimalDigits {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;
};

TDecimalDigits DecimalDigits(Extended AValue) {
    TDecimalDigits result;
    if (AValue == 0)
        return result;
    result.Negative = std::signbit(AValue);
    // 18 significant digits, rounded to nearest: "d.ddddddddddddddddde+XX".
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << std::scientific << std::setprecision(17) << std::fabs(AValue);
    const std::string text = stream.str();
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    int exponent = std::stoi(text.substr(e + 1)) + 1;

    // Then 15 digits, ties away from zero.
    const bool roundUp = digits[15] >= '5';
    digits.resize(15);
    if (roundUp) {
        int i = 14;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
            digits[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            digits.resize(15);
            ++exponent;
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    result.Digits = digits;
    result.Exponent = exponent;
    return result;
}

// Whether the general text of these digits takes the scientific form.
bool IsScientific(const TDecimalDigits& ADecimal) {
    return !ADecimal.Digits.empty() && (ADecimal.Exponent > 15 || ADecimal.Exponent < -3);
}

// The number 0.Digits x 10^AExponent, as reading its text would give it.
Extended ReadDigits(const TDecimalDigits& ADecimal, int AExponent) {
    if (ADecimal.Digits.empty())
        return 0;
    std::istringstream stream((ADecimal.Negative ? "-0." : "0.") + ADecimal.Digits + "e" +
                              std::to_string(AExponent));
    stream.imbue(std::locale::classic());
    Extended value = 0;
    stream >> value;
    return value;
}

void SetPixelFont(QLabel* ALabel, int APixels) {
    ALabel->setFont(PixelFont(FontFamilies::Arial, APixels, true));
}

} // namespace

QString GeneralText(Extended AValue) {
    const TDecimalDigits decimal = DecimalDigits(AValue);
    if (decimal.Digits.empty())
        return QStringLiteral("0");
    const QString separator = QString(QChar::fromLatin1(DecimalSeparator()));
    const QString digits = QString::fromStdString(decimal.Digits);
    QString text = decimal.Negative ? QStringLiteral("-") : QString();
    if (IsScientific(decimal)) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += separator + digits.mid(1);
        text += QStringLiteral("E") + QString::number(decimal.Exponent - 1);
    } else if (decimal.Exponent <= 0) {
        text +=
            QStringLiteral("0") + separator + QString(-decimal.Exponent, QLatin1Char('0')) + digits;
    } else {
        const QString integer =
            digits.left(decimal.Exponent).leftJustified(decimal.Exponent, QLatin1Char('0'));
        text += integer;
        if (digits.size() > decimal.Exponent)
            text += separator + digits.mid(decimal.Exponent);
    }
    return text;
}

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
                   VolumeLineTop,
                   QStringLiteral("---"),
                   QString()};
    FAreaLine = {MakeLabel(QStringLiteral("LArea"), QStringLiteral("S")),
                 MakeLabel(QStringLiteral("LEqualA"), QStringLiteral("=")),
                 MakeLabel(QStringLiteral("ResultArea"), QStringLiteral("---")),
                 MakeLabel(QStringLiteral("DecadeA"), QStringLiteral("x10")),
                 MakeLabel(QStringLiteral("ExponentA"), QStringLiteral("0")),
                 AreaLineTop,
                 QStringLiteral("---"),
                 QString()};
    for (const TLine& line : {FVolumeLine, FAreaLine}) {
        SetTextColor(line.Caption, CaptionColour);
        SetTextColor(line.Equal, CaptionColour);
        SetTextColor(line.Decade, Colours::Maroon);
        line.Value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        line.Decade->hide();
        line.Exponent->hide();
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
    {
        TSettingsStore reg(SettingsKeys::Settings);
        // The precision is a count of decimals 0..14; anything else stored is
        // brought into that range.
        FPrecision = static_cast<TPrecision>(
            qBound(0, reg.ReadInteger(QString(), SettingNames::Precision, 2), 14));
        if (reg.ReadInteger(QString(), QStringLiteral("Form"), 0) != 0)
            MSemilogarithmicForm->setChecked(true);
        else
            MBasicForm->setChecked(true);
    }
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
    // The value's own place, and the room the panel has beside the captions.
    const int slotLeft = ValueLeft - px;
    const int slotRight = ValueLeft + ValueWidth - px;
    const int innerRight = PanelWidth - RightMargin - px;
    const int roomLeft = ALine.Equal->x() + ALine.Equal->width() + EqualGap;

    struct TLayout {
        int DecadeLeft = 0, ExponentLeft = 0, ValueRight = 0;
    };
    // "x10" and the exponent at their places, moved left together as far as a
    // long exponent needs; the value ends before "x10".
    auto layout = [&](const QFont& AFont, int ARoomRight) {
        for (QLabel* label : {ALine.Decade, ALine.Exponent}) {
            label->setFont(AFont);
            label->adjustSize();
        }
        TLayout result;
        result.DecadeLeft = DecadeLeft - px;
        const int decadeRight = result.DecadeLeft + ALine.Decade->width();
        result.ExponentLeft = qMax(ExponentLeft - px, decadeRight);
        const int exponentRight = result.ExponentLeft + ALine.Exponent->width();
        const int shift = exponent ? qMax(0, exponentRight - innerRight) : 0;
        result.DecadeLeft -= shift;
        result.ExponentLeft -= shift;
        result.ValueRight = decade ? qMin(ARoomRight, result.DecadeLeft - DecadeGap) : ARoomRight;
        return result;
    };

    // The largest type, from the design's down to the smallest legible one,
    // in which the value fits its place.
    QFont font = PixelFont(FontFamilies::Arial, FValuePixels, true);
    TLayout place = layout(font, slotRight);
    int textWidth = QFontMetrics(font).horizontalAdvance(ALine.Text);
    for (int pixels = FValuePixels - 1;
         textWidth > place.ValueRight - slotLeft && pixels >= MinimumLegiblePixels; --pixels) {
        font.setPixelSize(pixels);
        place = layout(font, slotRight);
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

void TFrameResults::SetResultState(TResultState AValue) {
    if (AValue != rsSpocitano) {
        for (TLine* line : {&FVolumeLine, &FAreaLine}) {
            line->Decade->hide();
            line->Exponent->hide();
            SetValueText(*line, ResultStateText(AValue));
        }
    }
    FResultState = AValue;
}

bool TFrameResults::SemilogarithmicForm() const {
    return MSemilogarithmicForm->isChecked();
}

void TFrameResults::Output() {
    const TSolidFigure* figure = FHost ? FHost->SolidFigure() : nullptr;
    if (!figure) {
        SetResultState(rsNespocitano);
        return;
    }
    Output(figure->Volume(), figure->Area());
}

void TFrameResults::Output(Extended AVolume, Extended AArea) {
    // A value beyond what the panel can write is an input error, never a number.
    if (!std::isfinite(AVolume) || !std::isfinite(AArea)) {
        SetResultState(rsChyba_Z);
        return;
    }
    OutputValue(FVolumeLine, AVolume);
    OutputValue(FAreaLine, AArea);
    SetResultState(rsSpocitano);
}

void TFrameResults::OutputValue(TLine& ALine, Extended AValue) {
    ALine.Decade->hide();
    ALine.Exponent->hide();
    if (!std::isfinite(AValue)) {
        SetValueText(ALine, ResultStateText(rsChyba_Z));
        return;
    }
    const TResultNumber number =
        ResultNumber(AValue, FPrecision, MSemilogarithmicForm->isChecked());
    ALine.Decade->setVisible(number.Decade);
    ALine.Exponent->setText(QString::number(number.Exponent));
    ALine.Exponent->setVisible(number.Decade && number.Exponent != 1);
    SetValueText(ALine, number.Digits);
}

TResultNumber ResultNumber(Extended AValue, TPrecision APrecision, bool ASemilogarithmic) {
    TResultNumber result;
    const TDecimalDigits decimal = DecimalDigits(AValue);
    Extended shown = 0;
    if (IsScientific(decimal) || ASemilogarithmic) {
        // Mantissa and decimal exponent: 1.23 x10^-5. The exponent is the one of
        // the 15-digit text, so a mantissa that rounds up shows 10.00.
        result.Exponent = decimal.Digits.empty() ? 0 : decimal.Exponent - 1;
        result.Decade = result.Exponent != 0;
        shown = ReadDigits(decimal, 1);
    } else {
        shown = ReadDigits(decimal, decimal.Exponent);
    }
    result.Digits = QString::fromStdString(RoundToStr(APrecision, true, shown));
    return result;
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
    // Whatever the item did, and also when it failed, the window redraws the
    // results in the current form and precision.
    try {
        MenuStep(AItem);
    } catch (...) {
        if (FHost)
            FHost->ReCalculate();
        throw;
    }
    if (FHost)
        FHost->ReCalculate();
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
        reg.WriteInteger(QString(), QStringLiteral("Form"), MBasicForm->isChecked() ? 0 : 1);
    } else if (AItem == MPrecision2 || AItem == MPrecision3 || AItem == MPrecision14) {
        FPrecision = AItem == MPrecision2 ? 2 : AItem == MPrecision3 ? 3 : 14;
        SavePrecision();
    } else if (AItem == MCustomPrecision) {
        TFormPrecision dialog(FHost, FPrecision);
        TakeWindowStyle(&dialog, FHost ? FHost->HostWindow() : nullptr);
        if (dialog.exec() == QDialog::Accepted) {
            FPrecision = dialog.NewPrecision();
            SavePrecision();
        }
    } else if (AItem == MMassCalculation) {
        TFormMassCalculation dialog(FHost, FPrecision);
        TakeWindowStyle(&dialog, FHost ? FHost->HostWindow() : nullptr);
        dialog.exec();
    }
}

QString TFrameResults::ReportText() const {
    TVariant variant = VariantCount;
    TEntryTexts texts;
    if (!FHost || !FHost->ReportInput(variant, texts))
        return QString();
    const TNumberForm form{FPrecision, SemilogarithmicForm()};
    return MakeFigureReport(variant, texts, form, LanguageText, ReadPresetDensity()).Text();
}

void TFrameResults::SavePrecision() {
    TSettingsStore reg(SettingsKeys::Settings);
    reg.WriteInteger(QString(), SettingNames::Precision, FPrecision);
}
