#include "Computations.h"

#include "Application.h"
#include "Cancel.h"
#include "DesktopServices.h"
#include "FigureView.h"
#include "Formulas.h"
#include "IdleWarmUp.h"
#include "LabeledEdit.h"
#include "LanguageSupport.h"
#include "Maker.h"
#include "MaterialsDialog.h"
#include "NumberEntry.h"
#include "NumberParsing.h"
#include "ResourceLoading.h"
#include "Settings.h"
#include "SolidFigures.h"
#include "SolveTexts.h"
#include "SupplementaryData.h"
#include "UnitsDialog.h"
#include "UpDown.h"
#include "WindowStyle.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWindow>

const QColor TFormComputations::BackgroundColor = Colours::ComputationBackground;

namespace {

const QColor FocusedEntryColor(236, 250, 255);
const QColor EntryColor(255, 255, 255);

// What may be typed into an entry of AKind with lengths in ALength.
TNumberKind NumberKindOf(TEntryKind AKind, TLengthUnit ALength) {
    if (AKind == ekCount)
        return nkCount;
    return LengthNumberKind(AKind == ekRadius, ALength == luFeetAndInches);
}

void SetBackground(QWidget* AControl, const QColor& AColor) {
    QPalette palette = AControl->palette();
    palette.setColor(QPalette::Base, AColor);
    AControl->setPalette(palette);
}

// What the first computation window needs: its fonts (entries, captions, letters, the
// results panel at both looks), its buttons' icons, and every page's first draft and
// formula pictures.
TWarmUpSteps ComputationWindowWarmUp() {
    QFont caption(FontFamilies::MSSansSerif);
    caption.setStyleHint(QFont::SansSerif);
    caption.setPointSize(8);
    caption.setBold(true);
    TWarmUpSteps steps{WarmUpFont(QApplication::font()),
                       WarmUpFont(caption),
                       WarmUpFont(FontFamilies::Verdana, 12, false),
                       WarmUpFont(FontFamilies::Arial, 12, true),
                       WarmUpFont(FontFamilies::Arial, 13, true),
                       WarmUpFont(FontFamilies::Arial, 11, true),
                       WarmUpFont(FontFamilies::Arial, 15, true)};
    for (const char* glyph :
         {"BTN_FORMULAS", "BTN_SUPPLEMENTARYDATA", "BTN_OPTIONSMENU", "BTN_DRAFT"})
        steps.push_back(WarmUpIcon(QStringLiteral("BITMAP"), QLatin1String(glyph)));
    steps.push_back(WarmUpPicture(QStringLiteral("BITMAP"), QStringLiteral("RHO")));
    steps.push_back(WarmUpPicture(QStringLiteral("JPG"), QStringLiteral("COMPUTATION_BACKGROUND")));
    // The kinds of control the window and its side windows draw.
    steps.push_back(WarmUpWidget([] {
        auto* edit = new QLineEdit(QStringLiteral("12.5"));
        edit->resize(90, 21);
        return edit;
    }));
    steps.push_back(WarmUpWidget([] {
        auto* combo = new QComboBox;
        combo->addItem(QStringLiteral("0"));
        combo->resize(90, 21);
        return combo;
    }));
    steps.push_back(WarmUpWidget([] {
        auto* button = new QToolButton;
        button->setIcon(LoadResourceIcon(QStringLiteral("BITMAP"), QStringLiteral("BTN_DRAFT")));
        button->resize(24, 24);
        return button;
    }));
    steps.push_back(WarmUpWidget([] {
        auto* radio = new QRadioButton(QStringLiteral("0"));
        radio->resize(90, 17);
        return radio;
    }));
    steps.push_back(WarmUpWidget([] {
        auto* check = new QCheckBox(QStringLiteral("0"));
        check->resize(90, 17);
        return check;
    }));
    steps.push_back(WarmUpWidget([] {
        auto* frame = new QWidget;
        frame->resize(17, 21);
        new TUpDown(frame);
        return frame;
    }));
    steps.push_back(WarmUpWidget([] {
        auto* grid = new QTableWidget(3, 2);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 2; ++column)
                grid->setItem(row, column, new QTableWidgetItem(QStringLiteral("0")));
        grid->resize(200, 100);
        return grid;
    }));
    for (int i = 0; i < PageCount; ++i) {
        const TPageDesc& page = PageDesc(TPage(i));
        const QString picture = QLatin1String(VariantDesc(page.StartVariant).PictureName);
        if (!picture.isEmpty()) {
            steps.push_back(WarmUpPicture(QStringLiteral("GIF_DRAFT"), picture));
            steps.push_back(WarmUpPicture(QStringLiteral("GIF_FORMULA"), picture));
        } else if (page.GeneralFormula) {
            steps.push_back(
                WarmUpPicture(QStringLiteral("GIF_FORMULA"), QLatin1String(page.GeneralFormula)));
        }
    }
    return steps;
}

} // namespace

static const bool ComputationWindowWarmedUp = RegisterWarmUp(ComputationWindowWarmUp);

TFormComputations::TFormComputations(QWidget* AOwner, int AActivePageIndex)
    : QDialog(AOwner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      FPageIndex(qBound(0, AActivePageIndex, PageCount - 1)) {
    setObjectName(QStringLiteral("FormComputations"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, BackgroundColor);
    setPalette(palette);

    // The page control's frame lies outside the client area: only the page shows.
    PageControl = new QStackedWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(-4, -6, 398, 322);
    PageControl->setContentsMargins(4, 6, 4, 4);
    PageControl->setFocusPolicy(Qt::NoFocus);
    CreatePage();

    FPrimaryClientWidth = PageControl->width() - 8;
    setFixedSize(FPrimaryClientWidth, ClientHeight);
    FPage = PageControl->currentWidget();

    FResults = new TFrameResults(this, FPage);
    FResults->setObjectName(QStringLiteral("Results"));
    FResults->UseComputationWindowLook();
    FResults->move(70, 235);
    // The level table belongs to the tank; the other solids show the item disabled.
    FResults->Menu()->addSeparator()->setObjectName(QStringLiteral("Cara4"));
    MLevelTable = FResults->Menu()->addAction(QString());
    MLevelTable->setObjectName(QStringLiteral("MLevelTable"));
    MLevelTable->setEnabled(FPageIndex == pgCylindricalTank);
    connect(MLevelTable, &QAction::triggered, this, &TFormComputations::MLevelTableClick);
    // Solving for what is not known serves every solid.
    MSolve = FResults->Menu()->addAction(QString());
    MSolve->setObjectName(QStringLiteral("MSolve"));
    connect(MSolve, &QAction::triggered, this, &TFormComputations::MSolveClick);
    // The units and the materials, after the design's items.
    FResults->Menu()->addSeparator()->setObjectName(QStringLiteral("Cara5"));
    MUnits = FResults->Menu()->addAction(QString());
    MUnits->setObjectName(QStringLiteral("MUnits"));
    connect(MUnits, &QAction::triggered, this, &TFormComputations::MUnitsClick);
    MMaterials = FResults->Menu()->addAction(QString());
    MMaterials->setObjectName(QStringLiteral("MMaterials"));
    connect(MMaterials, &QAction::triggered, this, &TFormComputations::MMaterialsClick);
    FUnits = ReadUnitChoice();
    FResults->SetUnits(FUnits);
    FDensity = CurrentDensity();
    ShowResult(StateResult(CurrentVariant(), rsNespocitano));

    FrameCancel = new TFrameCancel(this);
    FrameCancel->setObjectName(QStringLiteral("FrameCancel"));
    FrameCancel->move(0, 408);
    FrameCancel->SetClickHandler([this] { EscapeClick(); });
    CreateDraftPanel();

    AttachEntryHandlers();
    AttachVariantControlKeys();
}

TFormComputations::~TFormComputations() {
    // The side windows go first: they reach back into this window.
    delete FSolve;
    delete FLevelTable;
    delete FSupplementaryData;
    delete FFormulas;
}

void TFormComputations::AttachEntryHandlers() {
    // Only the edits of the window's own page take part in the cycle.
    for (TEntry entry : Page().Entries) {
        TLabeledEdit* edit = FEntryControls[entry].Edit;
        if (!edit)
            continue;
        StyleEntryCaption(edit->EditLabel());
        SetBackground(edit, EntryColor);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, &TFormComputations::Calculate);
    }
}

void TFormComputations::showEvent(QShowEvent* AEvent) {
    QDialog::showEvent(AEvent);
    if (!FShown) {
        FShown = true;
        FormShow();
    }
}

void TFormComputations::FormShow() {
    // Setting up the buttons, the side windows and the draft calculates nothing:
    // the entries are still empty.
    const auto hold = HoldCalculation();
    // The panel's left edge, centred over the page.
    FResults->move((FPage->width() - FResults->width()) / 2, FResults->y());

    FBackground = new QLabel(FPage);
    FBackground->setObjectName(QStringLiteral("Background"));
    FBackground->setGeometry(FPage->rect());
    FBackground->setScaledContents(true);
    LoadJPEGResource(QStringLiteral("JPG"), QStringLiteral("COMPUTATION_BACKGROUND"), FBackground,
                     TImageSizing::KeepSize);
    FBackground->lower();
    FBackground->show();

    const int panelTop = FResults->y(), panelBottom = panelTop + FResults->height();
    const int pageWidth = FPage->width();
    BFormulas = AddButton("BFormulas", "BTN_FORMULAS", 15, panelTop, true);
    BSupplementaryData =
        AddButton("BSupplementaryData", "BTN_SUPPLEMENTARYDATA", 15, panelBottom - 24, true);
    BOptionsMenu = AddButton("BOptionsMenu", "BTN_OPTIONSMENU", pageWidth - 39, panelTop, false);
    BDraft = AddButton("BDraft", "BTN_DRAFT", pageWidth - 39, panelBottom - 24, true);
    connect(BFormulas, &QToolButton::clicked, this, &TFormComputations::BFormulasClick);
    connect(BSupplementaryData, &QToolButton::clicked, this,
            &TFormComputations::BSupplementaryDataClick);
    connect(BOptionsMenu, &QToolButton::clicked, this, &TFormComputations::BOptionsMenuClick);
    connect(BDraft, &QToolButton::clicked, this, &TFormComputations::BDraftClick);

    SetLanguage();

    {
        TSettingsStore reg(SettingsKeys::Settings);
        const bool showFormulas = reg.ReadBool(QString(), SettingNames::ShowFormulas, true);
        const bool showSupplementary =
            reg.ReadBool(QString(), SettingNames::ShowSupplementaryData, true);
        FShowDraft = reg.ReadBool(QString(), SettingNames::ShowDraft, true);
        FToScale = reg.ReadBool(QString(), SettingNames::DraftToScale, false);
        reg.Close();
        MToScale->setChecked(FToScale);
        if (showFormulas) {
            BFormulas->setChecked(true);
            BFormulasClick();
        }
        if (showSupplementary) {
            BSupplementaryData->setChecked(true);
            BSupplementaryDataClick();
        }
        if (FShowDraft) {
            BDraft->setChecked(true);
            BDraftClick();
        }
    }

    HomepageLink->setText(Languages->HomePageAddress(false));
    HomepageLink->adjustSize();
    HomepageLink->move((DraftPanel->width() - HomepageLink->width()) / 2, HomepageLink->y());

    FrameCancel->setFocusPolicy(Qt::NoFocus);
    FResults->setFocusPolicy(Qt::NoFocus);
    // Centred on its owner, the window may leave its side windows off the screen.
    PostMoveSideWindows();
}

QToolButton* TFormComputations::AddButton(const char* AName, const char* AGlyph, int ALeft,
                                          int ATop, bool AToggle) {
    auto* button = new QToolButton(FPage);
    button->setObjectName(QLatin1String(AName));
    button->setGeometry(ALeft, ATop, 24, 24);
    button->setAutoRaise(true);
    button->setCheckable(AToggle);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(LoadResourceIcon(QStringLiteral("BITMAP"), QLatin1String(AGlyph)));
    button->setIconSize(QSize(16, 16));
    button->show();
    return button;
}

// --- Draft panel --------------------------------------------------------------

void TFormComputations::CreateDraftPanel() {
    DraftPanel = new QWidget(this);
    DraftPanel->setObjectName(QStringLiteral("DraftPanel"));
    DraftPanel->setGeometry(FPrimaryClientWidth + 4, 0, 314, ClientHeight);
    DraftPanel->setAutoFillBackground(true);
    QPalette palette = DraftPanel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    DraftPanel->setPalette(palette);

    Draft = new QLabel(DraftPanel);
    Draft->setObjectName(QStringLiteral("Draft"));
    Draft->setGeometry(DraftPanel->rect());
    Draft->setAlignment(Qt::AlignCenter);
    Draft->hide();

    // The figure drawn to scale stands where the draft stands, below the link and
    // the switch.
    FFigureView = new TFigureView(DraftPanel);
    FFigureView->setGeometry(DraftPanel->rect());
    FFigureView->hide();

    // The panel's context menu: the switch, and copying and saving the drawing.
    MToScale = new QAction(this);
    MToScale->setObjectName(QStringLiteral("MToScale"));
    MToScale->setCheckable(true);
    connect(MToScale, &QAction::triggered, this, &TFormComputations::MToScaleClick);
    MCopyDrawing = new QAction(this);
    MCopyDrawing->setObjectName(QStringLiteral("MCopyDrawing"));
    connect(MCopyDrawing, &QAction::triggered, FFigureView, &TFigureView::CopyToClipboard);
    MSaveDrawing = new QAction(this);
    MSaveDrawing->setObjectName(QStringLiteral("MSaveDrawing"));
    connect(MSaveDrawing, &QAction::triggered, FFigureView, &TFigureView::SaveClick);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    DraftPanel->addActions({MToScale, separator, MCopyDrawing, MSaveDrawing});
    DraftPanel->setContextMenuPolicy(Qt::ActionsContextMenu);

    HomepageLink = new QLabel(DraftPanel);
    HomepageLink->setObjectName(QStringLiteral("HomepageLink"));
    QFont font = PixelFont(FontFamilies::Verdana, 12, false);
    font.setUnderline(true);
    HomepageLink->setFont(font);
    SetTextColor(HomepageLink, Qt::blue);
    HomepageLink->setCursor(Qt::PointingHandCursor);
    HomepageLink->move(0, 288);
    HomepageLink->installEventFilter(this);

    // A small switch in the panel's corner, as the menu item is: the drafts leave
    // the corner free.
    BToScale = new QToolButton(DraftPanel);
    BToScale->setObjectName(QStringLiteral("BToScale"));
    BToScale->setDefaultAction(MToScale);
    BToScale->setAutoRaise(true);
    BToScale->setFocusPolicy(Qt::NoFocus);
    BToScale->setToolButtonStyle(Qt::ToolButtonTextOnly);
    BToScale->setFont(PixelFont(FontFamilies::Verdana, 11, false));
    ShowFigureOrDraft();

    TimerR = new QTimer(this);
    TimerR->setObjectName(QStringLiteral("TimerR"));
    TimerR->setInterval(10);
    connect(TimerR, &QTimer::timeout, this, &TFormComputations::TimerRTimer);
    TimerL = new QTimer(this);
    TimerL->setObjectName(QStringLiteral("TimerL"));
    TimerL->setInterval(10);
    connect(TimerL, &QTimer::timeout, this, &TFormComputations::TimerLTimer);
}

int TFormComputations::DraftClientWidth() const {
    return DraftPanel->width() + FPrimaryClientWidth + 4;
}

int TFormComputations::OpenDraftPanelWidth() const {
    return (BDraft && BDraft->isChecked()) ? DraftPanel->width() : 0;
}

bool TFormComputations::ShowDraftPicture() {
    const QString name = GetPictureName();
    if (name.isEmpty()) {
        Draft->hide();
        FFigureView->hide();
        ShowEntryLetters(false);
        return false;
    }
    LoadGIFResource(QStringLiteral("GIF_DRAFT"), name, Draft, TImageSizing::KeepSize);
    Draft->show();
    ShowFigureOrDraft();
    ShowEntryLetters(true);
    return true;
}

void TFormComputations::MToScaleClick(bool AChecked) {
    FToScale = AChecked;
    {
        TSettingsStore reg(SettingsKeys::Settings);
        reg.WriteBool(QString(), SettingNames::DraftToScale, FToScale);
    }
    ShowFigure();
}

void TFormComputations::ShowFigure() {
    if (!FFigureView)
        return;
    // The figure the window calculated, shared: the view draws it as it is.
    TFigureDrawing drawing;
    if (FToScale && FResult.Figure) {
        drawing = TFigureDrawing(FResult.Variant, FResult.Entries, FResult.Figure);
        drawing.SetLengthUnit(FResult.LengthUnit);
    }
    FFigureView->SetDrawing(drawing);
    ShowFigureOrDraft();
}

void TFormComputations::ShowFigureOrDraft() {
    const bool toScale = FFigureView->HasFigure();
    MCopyDrawing->setEnabled(toScale);
    MSaveDrawing->setEnabled(toScale);
    // Only while the panel shows a draft: without a variant it shows nothing.
    if (!Draft->isVisibleTo(DraftPanel) && !FFigureView->isVisibleTo(DraftPanel))
        return;
    FFigureView->setVisible(toScale);
    Draft->setVisible(!toScale);
}

void TFormComputations::BDraftClick() {
    const bool down = BDraft->isChecked();
    // On a variant page without a chosen variant there is nothing to show, and
    // the button popping up again says nothing about the user's preference.
    if (!GetPictureName().isEmpty()) {
        FShowDraft = down;
        TSettingsStore reg(SettingsKeys::Settings);
        reg.WriteBool(QString(), SettingNames::ShowDraft, FShowDraft);
    }
    if (!down) {
        BDraft->setEnabled(false);
        BDraft->setToolTip(QString());
        TimerL->start();
        ShowEntryLetters(false);
    } else if (ShowDraftPicture()) {
        BDraft->setEnabled(false);
        BDraft->setToolTip(QString());
        TimerR->start();
    } else {
        BDraft->setChecked(false);
    }
}

void TFormComputations::TimerRTimer() {
    // The slide starts once the window is on the screen: a window manager that
    // is still taking the window in may place it anew when it changes size.
    if (!windowHandle() || !windowHandle()->isExposed())
        return;
    const int target = DraftClientWidth();
    if (width() < target) {
        setFixedWidth(std::min(width() + 6, target));
        // Near the screen's right edge the window gives way to the left as it grows.
        KeepGroupOnScreen();
        return;
    }
    TimerR->stop();
    if (width() > target)
        setFixedWidth(target);
    BDraft->setToolTip(Text("BDraft"));
    BDraft->setEnabled(true);
    // The open draft panel may have taken the window past the screen's edge.
    PostMoveSideWindows();
}

void TFormComputations::TimerLTimer() {
    if (width() > FPrimaryClientWidth) {
        setFixedWidth(std::max(width() - 6, FPrimaryClientWidth));
        return;
    }
    TimerL->stop();
    if (width() < FPrimaryClientWidth)
        setFixedWidth(FPrimaryClientWidth);
    BDraft->setToolTip(Text("BDraft"));
    BDraft->setEnabled(true);
}

void TFormComputations::RefreshDraft() {
    if (!BDraft)
        return;
    if (FShowDraft && BDraft->isEnabled() && !BDraft->isChecked()) {
        BDraft->setChecked(true);
        BDraftClick();
    } else if (BDraft->isChecked()) {
        ShowDraftPicture();
    }
}

void TFormComputations::HomepageLinkClick() {
    const QString address = Languages->ProductPageAddress(true, Maker::ProductId);
    OpenOrReport(QUrl(address),
                 LanguageText(QStringLiteral("TFormAbout"), QStringLiteral("sCannotOpen")),
                 address);
}

// --- Side windows and the options menu ------------------------------------------

void TFormComputations::BFormulasClick() {
    const bool down = BFormulas->isChecked();
    {
        TSettingsStore reg(SettingsKeys::Settings);
        reg.WriteBool(QString(), SettingNames::ShowFormulas, down);
    }
    if (!down) {
        if (FFormulas)
            FFormulas->deleteLater();
        FFormulas = nullptr;
        return;
    }
    if (FFormulas)
        return;
    FFormulas = new TFormFormulas(this, FPrimaryClientWidth);
    FShownFormula.clear();
    TakeWindowStyle(FFormulas, StyleSource());
    connect(
        FFormulas, &TFormFormulas::Closed, this,
        [this] {
            BFormulas->setChecked(false);
            BFormulasClick();
        },
        Qt::QueuedConnection);
    connect(FFormulas, &TSideWindow::FrameChanged, this, &TFormComputations::SideWindowChanged);
    ShowFormulaPicture();
    MoveSideWindows();
    PostMoveSideWindows();
    FFormulas->ShowAttached();
    activateWindow();
}

void TFormComputations::ShowFormulaPicture() {
    if (!FFormulas)
        return;
    FShownFormula = FormulaPictureName();
    FFormulas->ShowPicture(FShownFormula);
    PostMoveSideWindows();
}

QWidget* TFormComputations::StyleSource() {
    // The side windows take the main window's style, as every window it opens
    // does; the main window is this window's owner.
    return parentWidget() ? parentWidget()->window() : this;
}

void TFormComputations::BSupplementaryDataClick() {
    const bool down = BSupplementaryData->isChecked();
    {
        TSettingsStore reg(SettingsKeys::Settings);
        reg.WriteBool(QString(), SettingNames::ShowSupplementaryData, down);
    }
    if (!down) {
        if (FSupplementaryData)
            FSupplementaryData->deleteLater();
        FSupplementaryData = nullptr;
        return;
    }
    if (FSupplementaryData)
        return;
    FSupplementaryData = new TFormSupplementaryData(this, FPrimaryClientWidth);
    TakeWindowStyle(FSupplementaryData, StyleSource());
    connect(
        FSupplementaryData, &TFormSupplementaryData::Closed, this,
        [this] {
            BSupplementaryData->setChecked(false);
            BSupplementaryDataClick();
        },
        Qt::QueuedConnection);
    connect(FSupplementaryData, &TSideWindow::FrameChanged, this,
            &TFormComputations::SideWindowChanged);
    FSupplementaryData->SetNumberForm(FResults->NumberForm());
    FSupplementaryData->SetUnits(FUnits);
    FSupplementaryData->SetDensity(FDensity);
    AdaptSupplementaryData();
    MoveSideWindows();
    PostMoveSideWindows();
    FSupplementaryData->ShowAttached();
    activateWindow();
    FSupplementaryData->ShowResult(FResult);
}

void TFormComputations::AdaptSupplementaryData() {
    if (FSupplementaryData)
        FSupplementaryData->AdaptToSolid(SolidType());
}

void TFormComputations::moveEvent(QMoveEvent* AEvent) {
    QDialog::moveEvent(AEvent);
    MoveSideWindows();
}

void TFormComputations::MoveSideWindows() {
    // By the outer frames, as the window manager has drawn them: the formula
    // window's frame ends where this window's begins, the supplementary data
    // window's begins where it ends.
    const QRect frame = OuterFrame(this);
    if (FSupplementaryData)
        FSupplementaryData->PlaceAt(QPoint(frame.left(), frame.top() + frame.height()));
    if (FFormulas)
        FFormulas->PlaceAt(QPoint(frame.left(), frame.top() - FFormulas->FrameRect().height()));
}

void TFormComputations::PostMoveSideWindows() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            KeepGroupOnScreen();
            MoveSideWindows();
        },
        Qt::QueuedConnection);
}

void TFormComputations::SideWindowChanged() {
    KeepGroupOnScreen();
    MoveSideWindows();
}

void TFormComputations::KeepGroupOnScreen() {
    const QRect frame = OuterFrame(this);
    QRect group = frame;
    if (FFormulas) {
        const QRect above = FFormulas->FrameRect();
        group.setTop(frame.top() - above.height());
        group.setWidth(std::max(group.width(), above.width()));
    }
    if (FSupplementaryData) {
        const QRect below = FSupplementaryData->FrameRect();
        group.setBottom(frame.bottom() + below.height());
        group.setWidth(std::max(group.width(), below.width()));
    }
    // On the screen this window's centre is on.
    const QPoint shift = MoveOntoScreen(group, frame.center(), this);
    if (!shift.isNull())
        move(pos() + shift);
}

void TFormComputations::MLevelTableClick() {
    if (FPageIndex != pgCylindricalTank)
        return;
    if (!FLevelTable) {
        FLevelTable = new TFormLevelTable(this);
        FLevelTable->SetUnits(FUnits);
        TakeWindowStyle(FLevelTable, StyleSource());
        connect(
            FLevelTable, &TSideWindow::Closed, this,
            [this] {
                if (FLevelTable)
                    FLevelTable->deleteLater();
                FLevelTable = nullptr;
            },
            Qt::QueuedConnection);
        UpdateLevelTable();
        FLevelTable->ShowAttached();
        if (FSolve)
            FSolve->SetNeighbour(FLevelTable);
        return;
    }
    FLevelTable->raise();
}

void TFormComputations::MSolveClick() {
    if (FSolve) {
        FSolve->raise();
        FSolve->activateWindow();
        return;
    }
    FSolve = new TFormSolve(this);
    TakeWindowStyle(FSolve, StyleSource());
    connect(
        FSolve, &TSideWindow::Closed, this,
        [this] {
            if (FSolve)
                FSolve->deleteLater();
            FSolve = nullptr;
        },
        Qt::QueuedConnection);
    FSolve->SetNumberForm(FResults->NumberForm());
    FSolve->SetDensity(FDensity);
    FSolve->SetUnits(FUnits);
    FSolve->SetVariant(CurrentVariant());
    FSolve->SetUseHandler(
        [this](TVariant AVariant, const TEntryTexts& ATexts) { UseEntryTexts(AVariant, ATexts); });
    FSolve->SetNeighbour(FLevelTable);
    FSolve->ShowAttached();
}

void TFormComputations::UseEntryTexts(TVariant AVariant, const TEntryTexts& ATexts) {
    if (AVariant != CurrentVariant())
        return;
    {
        const auto hold = HoldCalculation();
        // A choice first: it gives the entry it fills its caption.
        for (const TEntryPlace& place : VariantDesc(AVariant).Entries) {
            const TEntryControls& controls = FEntryControls[place.Entry];
            if (!controls.Choice)
                continue;
            controls.Choice->setCurrentIndex(controls.Choice->findText(ATexts[place.Entry]));
            ChoiceChange(place.Entry);
        }
        for (const TEntryPlace& place : VariantDesc(AVariant).Entries) {
            const TEntryControls& controls = FEntryControls[place.Entry];
            if (!controls.Edit || place.FixedCount > 0)
                continue;
            controls.Edit->setText(ATexts[place.Entry]);
            if (controls.Spinner)
                controls.Spinner->SetPosition(ATexts[place.Entry].toInt());
        }
    }
    Calculate();
}

void TFormComputations::UpdateLevelTable() {
    if (!FLevelTable)
        return;
    // The table needs only the radius and the length, whatever the level says.
    TReadings readings;
    Extended radius = 0, length = 0;
    readings.Note(
        ReadEntryText(ekRadius, Entry(enCylindricalTank_R)->text(), radius, FUnits.Length));
    readings.Note(
        ReadEntryText(ekNumber, Entry(enCylindricalTank_D)->text(), length, FUnits.Length));
    // The curve marks the level of the tank the window calculated.
    std::optional<Extended> level;
    if (FResult.Computed() && FResult.Variant == vaCylindricalTank)
        level = FResult.Entries[enCylindricalTank_H];
    FLevelTable->SetTank(readings.State(), radius, length, FResults->NumberForm(), level);
}

void TFormComputations::MUnitsClick() {
    TFormUnits dialog(this);
    TakeWindowStyle(&dialog, this);
    connect(&dialog, &TFormUnits::UnitsChanged, this, [this] { ApplyUnits(ReadUnitChoice()); });
    dialog.exec();
}

void TFormComputations::MMaterialsClick() {
    TFormMaterials dialog(this, FUnits.Length, ShippedMaterials());
    TakeWindowStyle(&dialog, this);
    connect(&dialog, &TFormMaterials::MaterialChanged, this, &TFormComputations::MaterialsChanged);
    dialog.exec();
}

TPresetDensity TFormComputations::CurrentDensity() const {
    if (FUnits.Length == luNone)
        return ReadPresetDensity();
    return ReadMassDensity(FUnits.Length, ShippedMaterials());
}

void TFormComputations::ApplyUnits(const TUnitChoice& AUnits) {
    const TUnitChoice old = FUnits;
    FUnits = AUnits;
    // The entries keep their lengths: the kept result, calculated from them in
    // the old unit, is shown converted until the next change calculates anew.
    if (old.Length != AUnits.Length && old.Length != luNone && AUnits.Length != luNone) {
        const auto hold = HoldCalculation();
        ConvertEntryTexts(old.Length, AUnits.Length);
    }
    FResults->SetUnits(FUnits);
    if (FSupplementaryData)
        FSupplementaryData->SetUnits(FUnits);
    if (FLevelTable) {
        FLevelTable->SetUnits(FUnits);
        UpdateLevelTable();
    }
    if (FSolve)
        FSolve->SetUnits(FUnits);
    PlaceEntryUnits();
    // A length unit brings the materials in, or takes them out.
    MaterialsChanged();
}

void TFormComputations::MaterialsChanged() {
    FDensity = CurrentDensity();
    if (FSupplementaryData)
        FSupplementaryData->SetDensity(FDensity);
    if (FSolve)
        FSolve->SetDensity(FDensity);
    // The figure stays; only its mass is taken at the new density.
    FResult.Mass.reset();
    if (FResult.Figure && FDensity.Use)
        FResult.Mass = MassAt(*FResult.Figure, FDensity);
    ShowResult(FResult);
}

void TFormComputations::BOptionsMenuClick() {
    FResults->PopupMenu(BOptionsMenu->mapToGlobal(QPoint(10, 10)));
}

void TFormComputations::SetLanguage() {
    SetPageLanguage();
    BFormulas->setToolTip(Text("BFormulas"));
    BSupplementaryData->setToolTip(Text("BSupplementaryData"));
    BOptionsMenu->setToolTip(Text("BOptionsMenu"));
    BDraft->setToolTip(Text("BDraft"));
    MToScale->setText(DrawingText("MToScale"));
    MCopyDrawing->setText(DrawingText("MCopyDrawing"));
    MSaveDrawing->setText(DrawingText("MSaveDrawing"));
    BToScale->adjustSize();
    BToScale->move(DraftPanel->width() - BToScale->width() - 4, 4);
    FFigureView->SetLanguage();
    // The icon-only buttons are read by their tool-tips (the draft button's
    // tool-tip comes and goes with the panel's animation; its name stays).
    for (QToolButton* button : {BFormulas, BSupplementaryData, BOptionsMenu, BDraft})
        button->setAccessibleName(Text(button->objectName().toLatin1().constData()));
    BOptionsMenu->setAccessibleDescription(
        LanguageText(QStringLiteral("Accessibility"), QStringLiteral("sOptionsMenu")));
    MLevelTable->setText(
        LanguageText(QStringLiteral("TFormLevelTable"), QStringLiteral("MLevelTable")));
    MSolve->setText(LanguageText(QLatin1String(SolveSection), QStringLiteral("MSolve")));
    MUnits->setText(LanguageText(QStringLiteral("TFormUnits"), QStringLiteral("MUnits")));
    MMaterials->setText(
        LanguageText(QStringLiteral("TFormMaterials"), QStringLiteral("MMaterials")));
}

void TFormComputations::StyleEntryCaption(QLabel* ALabel) {
    QFont font(FontFamilies::MSSansSerif);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    font.setBold(true);
    ALabel->setFont(font);
    SetTextColor(ALabel, Colours::Maroon);
}

QString TFormComputations::Text(const char* AKey) {
    return LanguageText(QStringLiteral("TFormComputations"), QLatin1String(AKey));
}

// --- The calculation cycle --------------------------------------------------

void TFormComputations::ShowNumberForm(const TNumberForm& AForm) {
    if (FSupplementaryData)
        FSupplementaryData->SetNumberForm(AForm);
    if (FLevelTable)
        FLevelTable->SetNumberForm(AForm);
    if (FSolve)
        FSolve->SetNumberForm(AForm);
}

void TFormComputations::Calculate() {
    // The level table needs only some of the entries: it follows every change.
    UpdateLevelTable();
    if (!FShown || FCalculationHolds > 0)
        return;
    ShowResult(ReadAndCalculate());
}

TSolidResult TFormComputations::ReadAndCalculate() const {
    const TVariant variant = CurrentVariant();
    TEntryValues values;
    TTypedNumbers typed;
    TReadings readings;
    for (TEntry entry : Page().Entries) {
        const TEntryControls& controls = FEntryControls[entry];
        if (!controls.Control->isVisibleTo(FPage))
            continue;
        Extended value = 0;
        const TEntryKind kind = EntryDesc(entry).Kind;
        const TEntryReading reading =
            controls.Choice ? ReadChoice(controls.Choice->currentIndex(), value)
                            : ReadEntryText(kind, controls.Edit->text(), value, FUnits.Length);
        readings.Note(reading);
        if (reading != erValid)
            continue;
        values.Set(entry, value);
        if (!controls.Choice)
            if (const auto number = TypedNumber(kind, controls.Edit->text(), FUnits.Length))
                typed.Set(entry, *number);
    }
    // A variant still to be chosen shows no entries: nothing entered yet.
    const TResultState state = readings.State();
    TSolidResult result =
        readings.Complete()
            ? CalculateSolid(variant, values, FDensity, &typed)
            : StateResult(variant, state == rsSpocitano ? rsNespocitano : state, values);
    result.LengthUnit = FUnits.Length;
    return result;
}

void TFormComputations::ShowResult(const TSolidResult& AResult) {
    FResult = AResult;
    FResults->ShowResult(FResult);
    if (FSupplementaryData)
        FSupplementaryData->ShowResult(FResult);
    ShowFigure();
    UpdateLevelTable();
}

// --- Keyboard, focus, clipboard ---------------------------------------------

bool TFormComputations::eventFilter(QObject* AWatched, QEvent* AEvent) {
    if (TypedOnVariantControl(AWatched, AEvent))
        return true;
    if (AWatched == HomepageLink) {
        if (AEvent->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(AEvent)->button() == Qt::LeftButton)
            HomepageLinkClick();
        return false;
    }
    auto* edit = qobject_cast<QLineEdit*>(AWatched);
    if (!edit)
        return QDialog::eventFilter(AWatched, AEvent);
    switch (AEvent->type()) {
    case QEvent::FocusIn:
        EditEnter(edit);
        return false;
    case QEvent::FocusOut:
        EditExit(edit);
        return false;
    default:
        break;
    }
    TEntryKind kind = ekNumber;
    for (TEntry entry : Page().Entries)
        if (FEntryControls[entry].Control == edit)
            kind = EntryDesc(entry).Kind;
    return FilterNumberEntryEvent(
        edit, NumberKindOf(kind, FUnits.Length), AEvent,
        [this](int AKey, Qt::KeyboardModifiers AShift) { return Key_Down(AKey, AShift); });
}

void TFormComputations::AttachVariantControlKeys() {
    for (TVariantControl control : Page().Controls) {
        const TVariantControls& controls = FVariantControls[control];
        if (controls.List)
            controls.List->installEventFilter(this);
        if (controls.Button)
            controls.Button->installEventFilter(this);
    }
}

// The focus may rest on a variant control (the window opens with it first in the
// tab order, or the user chose a variant by keyboard): a number typed there is meant
// for the entries, so its characters go to the first entry, which takes the focus.
// While no variant is chosen there is no entry, and the key stays where it is.
bool TFormComputations::TypedOnVariantControl(QObject* AWatched, QEvent* AEvent) {
    if (AEvent->type() != QEvent::KeyPress)
        return false;
    bool onVariantControl = false;
    for (TVariantControl control : Page().Controls) {
        const TVariantControls& controls = FVariantControls[control];
        onVariantControl = onVariantControl || (controls.List && AWatched == controls.List) ||
                           (controls.Button && AWatched == controls.Button);
    }
    if (!onVariantControl)
        return false;
    const auto* key = static_cast<QKeyEvent*>(AEvent);
    const QString text = key->text();
    const bool startsNumber =
        text.size() == 1 && ((text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9')) ||
                             text.at(0) == QLatin1Char('.') || text.at(0) == QLatin1Char(',') ||
                             text.at(0) == QLatin1Char('*'));
    if (!startsNumber || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const TEntry first = VariantDesc(CurrentVariant()).FirstEntry;
    QWidget* entry = first != enNone ? FEntryControls[first].Control : nullptr;
    if (!entry || !entry->isVisible() || !entry->isEnabled())
        return false;
    FocusFirstEntry();
    QKeyEvent typed(QEvent::KeyPress, key->key(), key->modifiers(), key->text(),
                    key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(entry, &typed);
    return true;
}

bool TFormComputations::Key_Down(int AKey, Qt::KeyboardModifiers AShift) {
    const bool ctrl = AShift == Qt::ControlModifier;
    if (ctrl && AKey == Qt::Key_M) {
        if (FResults->ResultState() == rsSpocitano)
            FResults->MassCalculationClick();
        return true;
    }
    if (AKey == Qt::Key_F1) {
        emit HelpRequested();
        return true;
    }
    return false;
}

void TFormComputations::EditEnter(QWidget* AControl) {
    SetBackground(AControl, FocusedEntryColor);
}

void TFormComputations::EditExit(QWidget* AControl) {
    SetBackground(AControl, EntryColor);
}

// --- Escape -----------------------------------------------------------------

void TFormComputations::EscapeClick() {
    const auto edits = FPage->findChildren<QLineEdit*>();
    for (QLineEdit* edit : edits)
        if (edit->isVisibleTo(FPage) && edit->isEnabled() && !edit->text().isEmpty()) {
            ResetEntries();
            return;
        }
    QDialog::reject();
}

void TFormComputations::ResetEntries() {
    {
        const auto hold = HoldCalculation();
        const auto edits = FPage->findChildren<QLineEdit*>();
        for (QLineEdit* edit : edits)
            if (edit->isVisibleTo(FPage) && edit->isEnabled())
                edit->clear();
        // A choice entry (the truncated pyramid's side) belongs to the cleared entries.
        for (TEntry entry : Page().Entries)
            if (QComboBox* choice = FEntryControls[entry].Choice) {
                choice->setCurrentIndex(-1);
                ChoiceChange(entry);
            }
        FocusFirstEntry();
    }
    ShowResult(StateResult(CurrentVariant(), rsNespocitano));
}
