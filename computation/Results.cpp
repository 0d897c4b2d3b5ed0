#include "Results.h"

#include "ComputationHost.h"
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
const QColor DecadeColour(128, 0, 0);
const QColor ComputationWindowBackground(245, 243, 239);

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
    ALabel->setFont(PixelFont(QStringLiteral("Arial"), APixels, true));
}

} // namespace

QString ResultStateText(TResultState AState) {
    switch (AState) {
    case rsNespocitano:
        return QStringLiteral("---");
    case rsChyba_Z:
        return QStringLiteral("Input error");
    case rsChyba_V:
        return QStringLiteral("v < 2r");
    case rsChyba_T:
        return QStringLiteral("a + b > c ...");
    case rsChyba_N:
        return QStringLiteral("n > 2");
    case rsChyba_C:
        return QStringLiteral("h < 2r");
    case rsChyba_CR:
        return QStringLiteral("r1 > r2");
    case rsChyba_TC:
        return QStringLiteral("r1 <> r2");
    case rsChyba_TPa:
        return QStringLiteral("a1 <> a2");
    case rsChyba_TPb:
        return QStringLiteral("b1 <> b2");
    case rsSpocitano:
        break;
    }
    return QString();
}

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
    setAccessibleName(objectName());
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFixedSize(PanelWidth, PanelHeight);

    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setAccessibleName(Panel->objectName());
    Panel->setFrameStyle(QFrame::NoFrame);
    Panel->setGeometry(1, 1, PanelWidth - 2, PanelHeight - 2);

    FVolumeLine = {MakeLabel(QStringLiteral("LVolume"), QStringLiteral("V")),
                   MakeLabel(QStringLiteral("LEqualV"), QStringLiteral("=")),
                   MakeLabel(QStringLiteral("ResultVolume"), QStringLiteral("---")),
                   MakeLabel(QStringLiteral("DecadeV"), QStringLiteral("x10")),
                   MakeLabel(QStringLiteral("ExponentV"), QStringLiteral("0"))};
    FAreaLine = {MakeLabel(QStringLiteral("LArea"), QStringLiteral("S")),
                 MakeLabel(QStringLiteral("LEqualA"), QStringLiteral("=")),
                 MakeLabel(QStringLiteral("ResultArea"), QStringLiteral("---")),
                 MakeLabel(QStringLiteral("DecadeA"), QStringLiteral("x10")),
                 MakeLabel(QStringLiteral("ExponentA"), QStringLiteral("0"))};
    for (const TLine& line : {FVolumeLine, FAreaLine}) {
        SetTextColor(line.Caption, CaptionColour);
        SetTextColor(line.Equal, CaptionColour);
        SetTextColor(line.Decade, DecadeColour);
        line.Value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        line.Decade->hide();
        line.Exponent->hide();
    }
    ApplyLook(13, 11);

    FMenu->setObjectName(QStringLiteral("Menu"));
    MCopyVolumeToClipboard = MakeItem(QStringLiteral("MCopyVolumeToClipboard"));
    MCopyAreaToClipboard = MakeItem(QStringLiteral("MCopyAreaToClipboard"));
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
            qBound(0, reg.ReadInteger(QString(), QStringLiteral("Precision"), 2), 14));
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
    label->setAccessibleName(AName);
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
    MMassCalculation->setText(
        LanguageText(QStringLiteral("TFormMassCalculation"), QStringLiteral("Caption")) +
        QStringLiteral("..."));
}

void TFrameResults::ApplyLook(int ACaptionPixels, int AValuePixels) {
    for (const TLine& line : {FVolumeLine, FAreaLine}) {
        SetPixelFont(line.Caption, ACaptionPixels);
        SetPixelFont(line.Equal, ACaptionPixels);
        SetPixelFont(line.Value, AValuePixels);
        SetPixelFont(line.Decade, AValuePixels);
        SetPixelFont(line.Exponent, AValuePixels);
    }
    PlaceLine(FVolumeLine, VolumeLineTop);
    PlaceLine(FAreaLine, AreaLineTop);
}

void TFrameResults::PlaceLine(const TLine& ALine, int ATop) {
    // The panel's children are placed in frame coordinates less the border.
    const int top = ATop - Panel->y();
    const int captionAscent = ALine.Caption->fontMetrics().ascent();
    const int valueAscent = ALine.Value->fontMetrics().ascent();
    // The smaller type of the value sits on the caption's baseline.
    const int valueTop = top + captionAscent - valueAscent;
    const int valueHeight = ALine.Value->fontMetrics().height();

    ALine.Caption->adjustSize();
    ALine.Caption->move(CaptionLeft - Panel->x(), top);
    ALine.Equal->adjustSize();
    ALine.Equal->move(EqualLeft - Panel->x(), top);
    ALine.Value->setGeometry(ValueLeft - Panel->x(), valueTop, ValueWidth, valueHeight);
    ALine.Decade->adjustSize();
    ALine.Decade->move(DecadeLeft - Panel->x(), valueTop);
    ALine.Exponent->adjustSize();
    ALine.Exponent->move(ExponentLeft - Panel->x(), valueTop - ExponentRaise);
}

void TFrameResults::UseComputationWindowLook() {
    setAutoFillBackground(true);
    Panel->setAutoFillBackground(true);
    for (QWidget* widget : {static_cast<QWidget*>(this), static_cast<QWidget*>(Panel)}) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, ComputationWindowBackground);
        widget->setPalette(palette);
    }
    ApplyLook(15, 12);
}

void TFrameResults::SetResultState(TResultState AValue) {
    if (AValue != rsSpocitano) {
        for (const TLine& line : {FVolumeLine, FAreaLine}) {
            line.Decade->hide();
            line.Exponent->hide();
            line.Value->setText(ResultStateText(AValue));
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
    for (const TLine& line : {FVolumeLine, FAreaLine}) {
        line.Decade->hide();
        line.Exponent->hide();
    }
    OutputValue(FVolumeLine.Value, FVolumeLine.Decade, FVolumeLine.Exponent, AVolume);
    OutputValue(FAreaLine.Value, FAreaLine.Decade, FAreaLine.Exponent, AArea);
    SetResultState(rsSpocitano);
}

void TFrameResults::OutputValue(QLabel* AValueLabel, QLabel* ADecadeLabel, QLabel* AExponentLabel,
                                Extended AValue) {
    if (!std::isfinite(AValue)) {
        ADecadeLabel->hide();
        AExponentLabel->hide();
        AValueLabel->setText(ResultStateText(rsChyba_Z));
        return;
    }
    const TDecimalDigits decimal = DecimalDigits(AValue);
    Extended shown = 0;
    if (IsScientific(decimal) || MSemilogarithmicForm->isChecked()) {
        // Mantissa and decimal exponent: 1.23 x10^-5. The exponent is the one of
        // the 15-digit text, so a mantissa that rounds up shows 10.00.
        const int exponent = decimal.Digits.empty() ? 0 : decimal.Exponent - 1;
        ADecadeLabel->setVisible(exponent != 0);
        AExponentLabel->setText(QString::number(exponent));
        AExponentLabel->adjustSize();
        AExponentLabel->setVisible(exponent < 0 || exponent > 1);
        // A long exponent moves "x10" and itself left rather than leave the frame.
        const int room = width() - RightMargin - Panel->x() - (ExponentLeft - Panel->x());
        const int shift = qMax(0, AExponentLabel->width() - room);
        ADecadeLabel->move(DecadeLeft - Panel->x() - shift, ADecadeLabel->y());
        AExponentLabel->move(ExponentLeft - Panel->x() - shift, AExponentLabel->y());
        shown = ReadDigits(decimal, 1);
    } else {
        shown = ReadDigits(decimal, decimal.Exponent);
    }
    AValueLabel->setText(QString::fromStdString(RoundToStr(FPrecision, true, shown)));
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
        QGuiApplication::clipboard()->setText(FVolumeLine.Value->text());
    } else if (AItem == MCopyAreaToClipboard) {
        QGuiApplication::clipboard()->setText(FAreaLine.Value->text());
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

void TFrameResults::SavePrecision() {
    TSettingsStore reg(SettingsKeys::Settings);
    reg.WriteInteger(QString(), QStringLiteral("Precision"), FPrecision);
}
