#include "LevelTable.h"

#include "FillCurve.h"
#include "IdleWarmUp.h"
#include "LanguageSupport.h"
#include "MessageBoxes.h"
#include "ModuleLoading.h"
#include "NumberEntry.h"
#include "NumberParsing.h"
#include "PrintModule.h"
#include "Settings.h"
#include "TankLevels.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

// Set by the build: the print module's file name.
#ifndef KAVORIN_PRINT_MODULE
#define KAVORIN_PRINT_MODULE "libkavorin_print.so"
#endif

namespace {

// The folder the file dialogs start in: the one a table or chart was last saved
// to, else the documents folder, else home.
QString SaveFolder() {
    const QString last = TSettingsStore(SettingsKeys::Settings)
                             .ReadString(QString(), SettingNames::LevelTableFolder, QString());
    if (!last.isEmpty() && QDir(last).exists())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

void RememberSaveFolder(const QString& AFileName) {
    TSettingsStore(SettingsKeys::Settings)
        .WriteString(QString(), SettingNames::LevelTableFolder,
                     QFileInfo(AFileName).absolutePath());
}

const QString Section = QStringLiteral("TFormLevelTable");

// The window with the table alone, and the fill curve below the table: wider, the
// window would not fit beside a computation window with its draft panel open.
constexpr int WindowWidth = 440;
constexpr int WindowHeight = 480;
constexpr int CurveHeight = 200;

QString ChartText(const char* AKey) {
    return LanguageText(QStringLiteral("TDipChart"), QLatin1String(AKey));
}

// A multiple of the step this close to the diameter (relative) is the
// diameter: 1 / 20 of a diameter times 20 need not give the diameter back.
constexpr Extended SameLevel = 1e-12L;

// A field of a line of the table, quoted where the separator, a quote or a
// line break would otherwise split or end it.
QString Field(const QString& AText, QChar ASeparator) {
    if (!AText.contains(ASeparator) && !AText.contains(QLatin1Char('"')) &&
        !AText.contains(QLatin1Char('\n')) && !AText.contains(QLatin1Char('\r')))
        return AText;
    QString quoted = AText;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// What a volume in the cube of the length unit is multiplied by to be shown:
// nothing while either is bare.
TUnitFactor ShownVolumeFactor(const TUnitChoice& AUnits) {
    if (AUnits.Length == luNone || AUnits.Volume == vuNone)
        return {};
    return VolumeFactor(AUnits.Length, AUnits.Volume);
}

} // namespace

// The table's bold result line; its other fonts are the computation window's.
static const bool LevelTableWarmedUp = RegisterWarmUp([] {
    QFont bold = QApplication::font();
    bold.setBold(true);
    return TWarmUpSteps{WarmUpFont(bold)};
});

// --- Rows ------------------------------------------------------------------------

long long LevelRows::Count(Extended ADiameter, Extended AStep) {
    const Extended Steps = ADiameter / AStep;
    if (!(Steps >= 0) || !(Steps < Extended(MaxCount)))
        return -1;
    const Extended Nearest = std::round(Steps);
    const Extended Below =
        std::fabs(Steps - Nearest) <= Steps * SameLevel ? Nearest : std::ceil(Steps);
    // The levels below the diameter, then the diameter.
    const long long Rows = static_cast<long long>(Below) + 1;
    return Rows > MaxCount ? -1 : std::max(Rows, 2LL);
}

Extended LevelRows::Level(Extended ADiameter, Extended AStep, long long ARow, long long ACount) {
    if (ARow >= ACount - 1)
        return ADiameter;
    return std::fmin(Extended(ARow) * AStep, ADiameter);
}

// --- The table's rows --------------------------------------------------------------

void TLevelTableModel::SetTable(Extended ARadius, Extended ALength, Extended AStep,
                                long long ACount, const TNumberForm& AForm) {
    beginResetModel();
    FRadius = ARadius;
    FLength = ALength;
    FStep = AStep;
    FCount = ACount;
    FForm = AForm;
    endResetModel();
}

void TLevelTableModel::SetHeaders(const QStringList& AHeaders) {
    FHeaders = AHeaders;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void TLevelTableModel::SetUnits(const TUnitChoice& AUnits) {
    beginResetModel();
    FUnits = AUnits;
    endResetModel();
}

QString TLevelTableModel::Header(int AColumn, bool AForFile) const {
    QString symbol;
    if (AColumn <= 0 && AForFile && FUnits.Length == luFeetAndInches)
        symbol = UnitSymbol(luInch);
    else if (AColumn <= 0)
        symbol = UnitSymbol(FUnits.Length);
    if (AColumn < 0)
        return symbol;
    const QString header = FHeaders.value(AColumn);
    if (AColumn == 1)
        symbol = ShownQuantity(0, qkVolume, FUnits.Length, FUnits).Symbol;
    else if (AColumn > 1)
        symbol.clear(); // the filling is a percentage
    return symbol.isEmpty() ? header : header + QStringLiteral(" (") + symbol + QLatin1Char(')');
}

Extended TLevelTableModel::Value(int ARow, int AColumn) const {
    const Extended Level = LevelRows::Level(FRadius * 2, FStep, ARow, FCount);
    try {
        switch (AColumn) {
        case 0:
            return Level;
        case 1:
            return ShownQuantity(TankVolumeAtLevel(FRadius, FLength, Level), qkVolume,
                                 FUnits.Length, FUnits)
                .Value;
        default:
            return TankPercentageAtLevel(FRadius, FLength, Level);
        }
    } catch (const EInvalidInput&) {
        // Dimensions at the very ends of the range of Extended: no number.
        return NAN;
    }
}

int TLevelTableModel::rowCount(const QModelIndex& AParent) const {
    return AParent.isValid() ? 0 : int(FCount);
}

int TLevelTableModel::columnCount(const QModelIndex& AParent) const {
    return AParent.isValid() ? 0 : 3;
}

QVariant TLevelTableModel::data(const QModelIndex& AIndex, int ARole) const {
    if (!AIndex.isValid())
        return QVariant();
    // The whole number also on hovering, for a column too narrow for it.
    if (ARole == Qt::DisplayRole || ARole == Qt::ToolTipRole) {
        const Extended value = Value(AIndex.row(), AIndex.column());
        if (AIndex.column() == 0 && FUnits.Length == luFeetAndInches)
            return FeetAndInchesText(value, FForm.Precision);
        return ShownNumber(value, FForm);
    }
    if (ARole == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QVariant TLevelTableModel::headerData(int ASection, Qt::Orientation AOrientation, int ARole) const {
    if (ARole == Qt::DisplayRole && AOrientation == Qt::Horizontal)
        return Header(ASection, false);
    return QAbstractTableModel::headerData(ASection, AOrientation, ARole);
}

QString TLevelTableModel::DimensionLine(const QString& ALetter, Extended ALength,
                                        QChar AFieldSeparator) const {
    // Lengths in the unit of the level column's header.
    const QString unit = Header(-1, true);
    const QString name =
        unit.isEmpty() ? ALetter : ALetter + QStringLiteral(" (") + unit + QLatin1Char(')');
    return Field(name, AFieldSeparator) + AFieldSeparator +
           Field(std::isfinite(ALength) ? GeneralText(ALength) : QString(), AFieldSeparator);
}

QString TLevelTableModel::Text(QChar AFieldSeparator, const QString& ALineEnd, bool AWhole) const {
    QString text;
    QStringList fields;
    for (int column = 0; column < FHeaders.size(); ++column)
        fields.append(Field(Header(column, true), AFieldSeparator));
    text += fields.join(AFieldSeparator) + ALineEnd;
    for (int row = 0; row < FCount; ++row) {
        fields.clear();
        for (int column = 0; column < 3; ++column) {
            const Extended value = Value(row, column);
            const QString number = !AWhole                ? PlainNumber(value, FForm)
                                   : std::isfinite(value) ? GeneralText(value)
                                                          : QString();
            fields.append(Field(number, AFieldSeparator));
        }
        text += fields.join(AFieldSeparator) + ALineEnd;
    }
    return text;
}

// --- The window --------------------------------------------------------------------

TFormLevelTable::TFormLevelTable(QWidget* AOwner)
    : TSideWindow(AOwner), FOwner(AOwner), LStep(new QLabel(this)), EStep(new QLineEdit(this)),
      LevelList(new QTableView(this)), LState(new QLabel(this)), GBLevelFor(new QGroupBox(this)),
      LVolume(new QLabel(GBLevelFor)), EVolume(new QLineEdit(GBLevelFor)),
      LPercentage(new QLabel(GBLevelFor)), EPercentage(new QLineEdit(GBLevelFor)),
      LLevel(new QLabel(GBLevelFor)), LevelResult(new QLabel(GBLevelFor)),
      BCopy(new QPushButton(this)), BSaveCSV(new QPushButton(this)),
      FillCurve(new TFillCurveView(this)), BPrint(new QPushButton(this)),
      BSavePdf(new QPushButton(this)), FModel(new TLevelTableModel(this)), FStepFilter(nullptr) {
    setObjectName(QStringLiteral("FormLevelTable"));
    LStep->setObjectName(QStringLiteral("LStep"));
    EStep->setObjectName(QStringLiteral("EStep"));
    LevelList->setObjectName(QStringLiteral("LevelList"));
    LState->setObjectName(QStringLiteral("LState"));
    GBLevelFor->setObjectName(QStringLiteral("GBLevelFor"));
    LVolume->setObjectName(QStringLiteral("LVolume"));
    EVolume->setObjectName(QStringLiteral("EVolume"));
    LPercentage->setObjectName(QStringLiteral("LPercentage"));
    EPercentage->setObjectName(QStringLiteral("EPercentage"));
    LLevel->setObjectName(QStringLiteral("LLevel"));
    LevelResult->setObjectName(QStringLiteral("LevelResult"));
    BCopy->setObjectName(QStringLiteral("BCopy"));
    BSaveCSV->setObjectName(QStringLiteral("BSaveCSV"));
    BPrint->setObjectName(QStringLiteral("BPrint"));
    BSavePdf->setObjectName(QStringLiteral("BSavePdf"));

    // Only positive decimal numbers are typed, as into the density entries.
    for (QLineEdit* edit : {EStep, EVolume, EPercentage}) {
        TNumberEntryFilter* filter = TNumberEntryFilter::Attach(edit);
        if (edit == EStep)
            FStepFilter = filter;
        edit->setMaxLength(40);
    }
    LStep->setBuddy(EStep);
    LVolume->setBuddy(EVolume);
    LPercentage->setBuddy(EPercentage);

    LevelList->setModel(FModel);
    LevelList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LevelList->setSelectionBehavior(QAbstractItemView::SelectRows);
    LevelList->setWordWrap(false);
    LevelList->setAlternatingRowColors(true);
    LevelList->verticalHeader()->hide();
    LevelList->verticalHeader()->setDefaultSectionSize(LevelList->fontMetrics().height() + 6);
    LevelList->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    LevelList->horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LevelList->horizontalHeader()->setHighlightSections(false);

    QFont bold = LevelResult->font();
    bold.setBold(true);
    LevelResult->setFont(bold);
    LState->setFont(bold);
    LState->setWordWrap(true);
    LState->setMinimumHeight(2 * LState->fontMetrics().lineSpacing());
    LState->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LevelResult->setTextInteractionFlags(Qt::TextSelectableByMouse);

    LCapacity = new QLabel(this);
    LCapacity->setObjectName(QStringLiteral("LCapacity"));
    LCapacity->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* stepRow = new QHBoxLayout;
    stepRow->addWidget(LStep);
    stepRow->addWidget(EStep, 1);

    auto* levelFor = new QGridLayout(GBLevelFor);
    levelFor->addWidget(LVolume, 0, 0);
    levelFor->addWidget(EVolume, 0, 1);
    levelFor->addWidget(LPercentage, 1, 0);
    levelFor->addWidget(EPercentage, 1, 1);
    levelFor->addWidget(LLevel, 2, 0);
    levelFor->addWidget(LevelResult, 2, 1);
    levelFor->setColumnStretch(1, 1);

    // The table's buttons, then the dip chart's.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BCopy);
    buttons->addWidget(BSaveCSV);
    buttons->addSpacing(8);
    buttons->addWidget(BPrint);
    buttons->addWidget(BSavePdf);

    FillCurve->setFixedHeight(CurveHeight);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(stepRow);
    layout->addWidget(LCapacity);
    layout->addWidget(LevelList, 1);
    layout->addWidget(LState);
    layout->addWidget(FillCurve);
    layout->addWidget(GBLevelFor);
    layout->addLayout(buttons);

    connect(EStep, &QLineEdit::textChanged, this, &TFormLevelTable::Refresh);
    connect(EVolume, &QLineEdit::textChanged, this, &TFormLevelTable::VolumeChanged);
    connect(EPercentage, &QLineEdit::textChanged, this, &TFormLevelTable::PercentageChanged);
    connect(BCopy, &QPushButton::clicked, this, &TFormLevelTable::CopyClick);
    connect(BSaveCSV, &QPushButton::clicked, this, &TFormLevelTable::SaveClick);
    connect(BPrint, &QPushButton::clicked, this, &TFormLevelTable::PrintClick);
    connect(BSavePdf, &QPushButton::clicked, this, &TFormLevelTable::SavePdfClick);
    connect(this, &TSideWindow::FrameChanged, this, &TFormLevelTable::PlaceBesideOwner);

    SetLanguage();
    setFixedSize(WindowWidth, WindowHeight + CurveHeight + layout->spacing());
    Refresh();
}

QString TFormLevelTable::Text(const char* AKey) {
    return LanguageText(Section, QLatin1String(AKey));
}

void TFormLevelTable::SetLanguage() {
    setWindowTitle(Text("Caption"));
    LStep->setText(Text("LStep"));
    GBLevelFor->setTitle(Text("GBLevelFor"));
    LVolume->setText(Text("LVolume"));
    LPercentage->setText(Text("LPercentage"));
    LLevel->setText(Text("LLevel"));
    BCopy->setText(Text("BCopy"));
    BSaveCSV->setText(Text("BSaveCSV"));
    BPrint->setText(ChartText("MPrint"));
    BSavePdf->setText(ChartText("MSavePdf"));
    FillCurve->SetLanguage();
    FModel->SetHeaders({Text("ColLevel"), Text("ColVolume"), Text("ColPercentage")});
    // Every caption is also what a screen reader says for its control.
    for (QLabel* label : {LStep, LVolume, LPercentage})
        label->buddy()->setAccessibleName(label->text());
    LevelList->setAccessibleName(Text("Caption"));
    LevelResult->setAccessibleName(LLevel->text());
}

void TFormLevelTable::SetTank(TResultState AState, Extended ARadius, Extended ALength,
                              const TNumberForm& AForm, std::optional<Extended> ALevel) {
    if (AState != rsSpocitano)
        ALevel.reset();
    if (AState == FState && ARadius == FRadius && ALength == FLength && AForm == FForm &&
        ALevel == FLevel)
        return;
    FState = AState;
    FRadius = AState == rsSpocitano ? ARadius : 0;
    FLength = AState == rsSpocitano ? ALength : 0;
    FLevel = ALevel;
    FForm = AForm;
    Refresh();
}

void TFormLevelTable::SetNumberForm(const TNumberForm& AForm) {
    SetTank(FState, FRadius, FLength, AForm, FLevel);
}

void TFormLevelTable::SetUnits(const TUnitChoice& AUnits) {
    if (AUnits == FUnits)
        return;
    FUnits = AUnits;
    FModel->SetUnits(AUnits);
    // The step is typed as the entries are: feet and inches with their marks.
    FStepFilter->SetKind(AUnits.Length == luFeetAndInches ? nkFeetAndInches : nkNumber);
    const QString volume = ShownQuantity(0, qkVolume, AUnits.Length, AUnits).Symbol;
    LVolume->setText(volume.isEmpty()
                         ? Text("LVolume")
                         : Text("LVolume") + QStringLiteral(" (") + volume + QLatin1Char(')'));
    LVolume->buddy()->setAccessibleName(LVolume->text());
    Refresh();
}

QString TFormLevelTable::LengthText(Extended ALength) const {
    const TShownQuantity shown = ShownQuantity(ALength, qkLength, FUnits.Length, FUnits);
    if (shown.FeetAndInches)
        return FeetAndInchesText(shown.Value, FForm.Precision);
    return WithUnit(ShownNumber(shown.Value, FForm), shown.Symbol);
}

bool TFormLevelTable::ReadLength(const QString& AText, Extended& ALength) const {
    if (FUnits.Length == luFeetAndInches)
        return ParseFeetAndInches(AText, LocaleDecimalSeparator(), ALength);
    return TryTextToExtended(AText, ALength);
}

void TFormLevelTable::ShowState(const QString& AText) {
    // The table takes the state's room while there is none.
    LState->setText(AText);
    LState->setVisible(!AText.isEmpty());
}

void TFormLevelTable::Refresh() {
    const auto empty = [this](const QString& AState) {
        FModel->SetTable(0, 0, 0, 0, FForm);
        FStep = 0;
        FillCurve->SetCurve(TFillCurve());
        LCapacity->clear();
        ShowState(AState);
        for (QPushButton* button : {BCopy, BSaveCSV, BPrint, BSavePdf})
            button->setEnabled(false);
        RefreshLevel();
    };
    EStep->setPlaceholderText(QString());
    if (FState != rsSpocitano)
        return empty(ResultStateText(FState));
    const Extended Diameter = FRadius * 2;
    const Extended Full = TankFullVolume(FRadius, FLength);
    if (!std::isfinite(Diameter) || !std::isfinite(Full) || !(Full > 0))
        return empty(ResultStateText(rsChyba_Z));

    const TShownQuantity capacity = ShownQuantity(Full, qkVolume, FUnits.Length, FUnits);
    LCapacity->setText(LanguageText(QStringLiteral("TFormSupplementaryData"),
                                    QStringLiteral("sVolumeOfFullTank")) +
                       QStringLiteral(": ") +
                       WithUnit(ShownNumber(capacity.Value, FForm), capacity.Symbol));
    LCapacity->setAccessibleName(LCapacity->text());

    const Extended DefaultStep = Diameter / 20;
    EStep->setPlaceholderText(Text("sDefaultStep").arg(LengthText(DefaultStep)));
    Extended Step = DefaultStep;
    if (!EStep->text().trimmed().isEmpty() &&
        (!ReadLength(EStep->text(), Step) || !std::isfinite(Step) || !(Step > 0)))
        return empty(Text("sInvalidStep"));
    const long long Count = LevelRows::Count(Diameter, Step);
    if (Count < 0)
        return empty(Text("sTooManyRows"));
    FModel->SetTable(FRadius, FLength, Step, Count, FForm);
    FStep = Step;
    TFillCurve curve;
    curve.Radius = FRadius;
    curve.Length = FLength;
    curve.Level = FLevel;
    curve.RowLevels.reserve(std::size_t(Count));
    for (long long row = 0; row < Count; ++row)
        curve.RowLevels.push_back(LevelRows::Level(Diameter, Step, row, Count));
    curve.NumberText = [form = FForm](Extended AValue) { return ShownNumber(AValue, form); };
    curve.Units = FUnits;
    curve.LevelPrecision = FForm.Precision;
    FillCurve->SetCurve(curve);
    ShowState(QString());
    for (QPushButton* button : {BCopy, BSaveCSV, BPrint, BSavePdf})
        button->setEnabled(true);
    RefreshLevel();
}

void TFormLevelTable::VolumeChanged() {
    if (!EVolume->text().isEmpty()) {
        const QSignalBlocker blocker(EPercentage);
        EPercentage->clear();
    }
    RefreshLevel();
}

void TFormLevelTable::PercentageChanged() {
    if (!EPercentage->text().isEmpty()) {
        const QSignalBlocker blocker(EVolume);
        EVolume->clear();
    }
    RefreshLevel();
}

void TFormLevelTable::RefreshLevel() {
    const bool byVolume = !EVolume->text().trimmed().isEmpty();
    const QString typed = byVolume ? EVolume->text() : EPercentage->text();
    if (FState != rsSpocitano) {
        LevelResult->setText(ResultStateText(FState));
        return;
    }
    if (typed.trimmed().isEmpty()) {
        LevelResult->setText(ResultStateText(rsNespocitano));
        return;
    }
    Extended value = 0;
    if (!TryTextToExtended(typed, value) || !std::isfinite(value)) {
        LevelResult->setText(ResultStateText(rsChyba_Z));
        return;
    }
    // A volume typed in the volume unit, back in the cube of the length unit.
    if (byVolume)
        value = Convert(value, InverseFactor(ShownVolumeFactor(FUnits)));
    const Extended Whole = byVolume ? TankFullVolume(FRadius, FLength) : Extended(100);
    if (value < 0) {
        LevelResult->setText(Text("sBelowZero"));
        return;
    }
    if (value > Whole) {
        LevelResult->setText(Text("sAboveFull"));
        return;
    }
    try {
        const Extended Level = byVolume ? TankLevelForVolume(FRadius, FLength, value)
                                        : TankLevelForPercentage(FRadius, value);
        LevelResult->setText(LengthText(Level));
    } catch (const EInvalidInput&) {
        LevelResult->setText(ResultStateText(rsChyba_Z));
    }
}

QChar TFormLevelTable::FieldSeparator(QChar ADecimal) {
    return ADecimal == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
}

void TFormLevelTable::CopyClick() {
    if (FModel->rowCount() == 0)
        return;
    QGuiApplication::clipboard()->setText(FModel->Text(QLatin1Char('\t'), QStringLiteral("\n")));
}

void TFormLevelTable::SaveClick() {
    if (FModel->rowCount() == 0)
        return;
    QString name = QFileDialog::getSaveFileName(this, Text("Caption"),
                                                QDir(SaveFolder()).filePath(Text("sCsvFileName")),
                                                Text("sCsvFilter"));
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".csv");
    if (SaveCsv(name))
        RememberSaveFolder(name);
}

bool TFormLevelTable::SaveCsv(const QString& AFileName) {
    const QChar decimal = QChar::fromLatin1(DecimalSeparator());
    // A byte-order mark, so that spreadsheets read the texts as UTF-8.
    const QChar separator = FieldSeparator(decimal);
    const QString lineEnd = QStringLiteral("\r\n");
    // The tank's radius and length first, then the table; every number with all
    // its digits, not the panel's precision.
    const QString dimensions =
        FModel->DimensionLine(QStringLiteral("r"), FRadius, separator) + lineEnd +
        FModel->DimensionLine(QStringLiteral("d"), FLength, separator) + lineEnd;
    const QByteArray bytes =
        QByteArray("\xEF\xBB\xBF") + (dimensions + FModel->Text(separator, lineEnd, true)).toUtf8();
    // Written beside the target and renamed onto it at the end: a failure
    // leaves no half-written file and an existing file as it was.
    QSaveFile file(AFileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    const QString reason = file.errorString();
    file.cancelWriting();
    ShowErrorMessage(Text("sCannotSave").arg(QDir::toNativeSeparators(AFileName)) +
                     QStringLiteral("\n\n") + reason);
    return false;
}

TDipChart TFormLevelTable::DipChart() const {
    TDipChart chart;
    chart.Radius = FRadius;
    chart.Length = FLength;
    chart.Step = FStep;
    chart.Level = FLevel;
    chart.Form = FForm;
    chart.Units = FUnits;
    return chart;
}

void TFormLevelTable::PrintClick() {
    if (FModel->rowCount() == 0)
        return;
    const TPrintService* service = Module<TPrintService>(QStringLiteral(KAVORIN_PRINT_MODULE));
    if (!service) {
        ShowErrorMessage(ChartText("sCannotPrint"));
        return;
    }
    service->Print(this, ChartText("Caption"), ChartText("sTitle"), DefaultDipChartPageSize(),
                   QMarginsF(15, 15, 15, 15),
                   [this](QPagedPaintDevice& APrinter) { Print(APrinter); });
}

bool TFormLevelTable::Print(QPagedPaintDevice& APrinter) {
    if (PaintDipChart(APrinter, DipChart()))
        return true;
    QString message = DipChartProblem(DipChart());
    if (message.isEmpty())
        message = ChartText("sCannotPrint");
    ShowErrorMessage(message);
    return false;
}

void TFormLevelTable::SavePdfClick() {
    if (FModel->rowCount() == 0)
        return;
    QString name = QFileDialog::getSaveFileName(
        this, ChartText("MSavePdf").remove(QChar(0x2026)),
        QDir(SaveFolder()).filePath(ChartText("sPdfFileName")), ChartText("sPdfFilter"));
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".pdf");
    if (SavePdf(name))
        RememberSaveFolder(name);
}

bool TFormLevelTable::SavePdf(const QString& AFileName) {
    QString error;
    if (SaveDipChartPdf(DipChart(), AFileName, DefaultDipChartPageSize(), error))
        return true;
    ShowErrorMessage(error);
    return false;
}

bool TFormLevelTable::eventFilter(QObject* AWatched, QEvent* AEvent) {
    if (AWatched == FOwner && (AEvent->type() == QEvent::Move || AEvent->type() == QEvent::Resize ||
                               AEvent->type() == QEvent::Show))
        PlaceBesideOwner();
    return TSideWindow::eventFilter(AWatched, AEvent);
}

void TFormLevelTable::PlaceBesideOwner() {
    // Right of the computation window, top-aligned with it; it follows the window
    // as the draft panel widens it.
    PlaceBeside(FOwner, OuterFrame(FOwner));
}
