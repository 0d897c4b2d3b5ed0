#include "Computations.h"

#include "Cancel.h"
#include "LabeledEdit.h"
#include "LanguageSupport.h"
#include "Main.h"
#include "NumberEdit.h"
#include "NumberParsing.h"
#include "ResourceLoading.h"
#include "SolidFigures.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScopeGuard>
#include <QStackedWidget>

TFormComputations* FormComputations = nullptr;

const QColor TFormComputations::BackgroundColor(245, 243, 239);

namespace {

constexpr int EntryLeft = 134;
constexpr int EntryWidth = 121;
constexpr int EntryHeight = 21;
constexpr int NumberMaxLength = 19;
constexpr int CountMaxLength = 4;

const QColor FocusedEntryColor(236, 250, 255);
const QColor EntryColor(255, 255, 255);

// The kind of an edit entry follows from its name: "_R" marks a radius
// (optionally typed as "*" and a diameter), "_N" a count of sides.
bool IsRadiusEntry(const QObject* AEdit) {
    return AEdit->objectName().contains(QLatin1String("_R"));
}
bool IsCountEntry(const QObject* AEdit) {
    return !IsRadiusEntry(AEdit) && AEdit->objectName().contains(QLatin1String("_N"));
}

// What a pasted entry text must be: a number in the conversion of the reading.
bool IsEntryNumber(const QString& AText) {
    Extended value = 0;
    return TryTextToExtended(AText, value);
}

void SetBackground(QWidget* AControl, const QColor& AColor) {
    QPalette palette = AControl->palette();
    palette.setColor(QPalette::Base, AColor);
    AControl->setPalette(palette);
}

} // namespace

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
    CreatePages();
    PageControl->setCurrentIndex(FPageIndex);
    FCanCompute = false;

    FPrimaryClientWidth = PageControl->width() - 8;
    setFixedSize(FPrimaryClientWidth, ClientHeight);
    FPage = PageControl->currentWidget();

    FResults = new TFrameResults(this, FPage);
    FResults->setObjectName(QStringLiteral("Results"));
    FResults->UseComputationWindowLook();
    FResults->move(70, 235);

    FrameCancel = new TFrameCancel(this);
    FrameCancel->setObjectName(QStringLiteral("FrameCancel"));
    FrameCancel->move(0, 408);
    FrameCancel->SetClickHandler([this] { EscapeClick(); });

    AttachEntryHandlers();
    for (const char* name : {"Pyramid_N", "Prism_N", "TruncatedPyramid_N"})
        if (QLineEdit* edit = Entry(name))
            edit->clear();

    FormComputations = this;
}

TFormComputations::~TFormComputations() {
    FSolidFigure.reset();
    if (FormComputations == this)
        FormComputations = nullptr;
}

QWidget* TFormComputations::AddPage(const char* AName) {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(AName));
    PageControl->addWidget(page);
    return page;
}

TLabeledEdit* TFormComputations::AddEntry(QWidget* APage, const char* AName, int ATop) {
    auto* edit = new TLabeledEdit(APage, QLatin1String(AName));
    edit->setGeometry(EntryLeft, ATop, EntryWidth, EntryHeight);
    edit->setMaxLength(IsCountEntry(edit) ? CountMaxLength : NumberMaxLength);
    // Dropped text would bypass the typing filter and the paste check.
    edit->setAcceptDrops(false);
    return edit;
}

void TFormComputations::AttachEntryHandlers() {
    // Only the edits of the window's own page take part in the cycle.
    const auto edits = FPage->findChildren<TLabeledEdit*>(QString(), Qt::FindDirectChildrenOnly);
    for (TLabeledEdit* edit : edits) {
        QLabel* label = edit->EditLabel();
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSize(8);
        font.setBold(true);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
        label->setPalette(palette);
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
    // The panel's left edge, centred over the page.
    FResults->move((FPage->width() - FResults->width()) / 2, FResults->y());

    auto* background = new QLabel(FPage);
    background->setObjectName(QStringLiteral("Background"));
    background->setGeometry(FPage->rect());
    background->setScaledContents(true);
    LoadJPEGResource(QStringLiteral("JPG"), QStringLiteral("COMPUTATION_BACKGROUND"), background,
                     TImageSizing::KeepSize);
    background->lower();
    background->show();

    SetLanguage();

    FrameCancel->setFocusPolicy(Qt::NoFocus);
    FResults->setFocusPolicy(Qt::NoFocus);
    FCanCompute = true;
}

void TFormComputations::SetLanguage() {
    SetPageLanguage();
}

QString TFormComputations::Text(const char* AKey) {
    return Languages->ActiveFile().ReadString(QStringLiteral("TFormComputations"),
                                              QLatin1String(AKey));
}

QString TFormComputations::FillPlaceholder(const QString& AText, const QString& ALetters) {
    QString text = AText;
    const int at = text.indexOf(QLatin1Char('$'));
    if (at >= 0)
        text.replace(at, 1, ALetters);
    // Trim blanks and control characters at both ends.
    int first = 0;
    int last = text.size() - 1;
    while (first <= last && text.at(first).unicode() <= ' ')
        ++first;
    while (last >= first && text.at(last).unicode() <= ' ')
        --last;
    text = text.mid(first, last - first + 1);
    if (text.startsWith(QLatin1Char('-')))
        text.remove(0, 1);
    if (text.endsWith(QLatin1Char('-')))
        text.chop(1);
    while (text.contains(QLatin1String("  ")))
        text.replace(QLatin1String("  "), QLatin1String(" "));
    return text;
}

QLineEdit* TFormComputations::Entry(const char* AName) const {
    return PageControl->findChild<QLineEdit*>(QLatin1String(AName));
}

// --- The calculation cycle --------------------------------------------------

void TFormComputations::ReCalculate() {
    Calculate();
}

void TFormComputations::ReCalculate(TPrecision APrecision) {
    const TPrecision kept = FResults->Precision();
    const auto restore = qScopeGuard([this, kept] { FResults->SetPrecision(kept); });
    FResults->SetPrecision(APrecision);
    ReCalculate();
}

bool TFormComputations::ReadEntries(const std::vector<QWidget*>& AEntryList) {
    if (!FCanCompute) {
        FEntries.clear();
        return false;
    }
    FSolidFigure.reset();
    FEntries.assign(AEntryList.size(), -1.0L);

    bool empty = false, unreadable = false, tooFewSides = false;
    int read = 0;
    for (std::size_t i = 0; i < AEntryList.size(); ++i) {
        QWidget* control = AEntryList[i];
        auto* edit = qobject_cast<QLineEdit*>(control);
        auto* combo = qobject_cast<QComboBox*>(control);
        if (!edit && !combo)
            throw std::runtime_error("Unexpected entry type");
        if (!control->isVisibleTo(FPage))
            continue;
        ++read;
        if (combo) {
            if (combo->currentIndex() < 0)
                empty = true;
            else
                FEntries[i] = combo->currentIndex();
            continue;
        }
        if (IsCountEntry(edit)) {
            long long count = 0;
            if (edit->text().isEmpty())
                empty = true;
            else if (!TryTextToInteger(edit->text(), count))
                unreadable = true;
            else if (count <= 2)
                tooFewSides = true;
            else
                FEntries[i] = static_cast<Extended>(count);
            continue;
        }
        QString text = edit->text();
        const bool diameter = IsRadiusEntry(edit) && text.startsWith(QLatin1Char('*'));
        if (diameter)
            text.remove(0, 1);
        Extended value = 0;
        if (text.isEmpty())
            empty = true;
        else if (!TryTextToExtended(text, value))
            unreadable = true;
        else if (value < 0)
            unreadable = true; // negative
        else if (value == 0)
            empty = true; // zero counts as not yet entered
        else
            FEntries[i] = diameter ? value / 2 : value;
    }

    if (unreadable)
        ShowResultState(rsChyba_Z);
    else if (tooFewSides)
        ShowResultState(rsChyba_N);
    else if (empty)
        ShowResultState(rsNespocitano);

    if (read > 0 && !unreadable && !tooFewSides && !empty)
        return true;
    FEntries.clear();
    return false;
}

void TFormComputations::ShowResultState(TResultState AState) {
    FResults->SetResultState(AState);
    if (AState != rsSpocitano)
        emit SupplementaryValuesCleared();
}

void TFormComputations::SendSupplementaryValues(const std::vector<Extended>& AValues) {
    emit SupplementaryValuesSent(AValues);
}

// --- Keyboard, focus, clipboard ---------------------------------------------

bool TFormComputations::eventFilter(QObject* AWatched, QEvent* AEvent) {
    auto* edit = qobject_cast<QLineEdit*>(AWatched);
    if (!edit)
        return QDialog::eventFilter(AWatched, AEvent);
    switch (AEvent->type()) {
    case QEvent::KeyPress:
        return FilterKey(edit, static_cast<QKeyEvent*>(AEvent));
    case QEvent::InputMethod: {
        // Text committed by an input method is one more way of typing.
        const QString commit = static_cast<QInputMethodEvent*>(AEvent)->commitString();
        return !commit.isEmpty() && (commit.size() != 1 || Key_Press(edit, commit.at(0)));
    }
    case QEvent::FocusIn:
        EditEnter(edit);
        return false;
    case QEvent::FocusOut:
        EditExit(edit);
        return false;
    default:
        return FilterPasteEvent(edit, AEvent, IsEntryNumber);
    }
}

bool TFormComputations::FilterKey(QLineEdit* AEdit, QKeyEvent* AEvent) {
    const Qt::KeyboardModifiers modifiers = AEvent->modifiers() & ~Qt::KeypadModifier;
    if (Key_Down(AEdit, AEvent->key(), modifiers))
        return true;
    if (AEvent->key() == Qt::Key_Backspace)
        return Key_Press(AEdit, QChar(8));
    if (IsEditingKey(AEvent->key()))
        return false;
    // Ctrl with a key types a control character (select all, undo, the line
    // editing shortcuts): discarded. Ctrl+Alt is AltGr on some keyboards.
    const bool altGr =
        modifiers.testFlag(Qt::ControlModifier) && modifiers.testFlag(Qt::AltModifier);
    if ((modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !altGr)
        return true;
    const QString text = AEvent->text();
    if (text.isEmpty())
        return false;
    return text.size() != 1 || Key_Press(AEdit, text.at(0));
}

bool TFormComputations::Key_Press(QLineEdit* AEdit, QChar AKey) {
    const QChar D = LocaleDecimalSeparator();
    // The text as it will be once the selection is replaced, and the caret.
    QString T = AEdit->text();
    int P = AEdit->cursorPosition();
    if (AEdit->hasSelectedText()) {
        P = AEdit->selectionStart();
        T.remove(P, AEdit->selectedText().size());
    }
    const bool isDigit = AKey >= QLatin1Char('0') && AKey <= QLatin1Char('9');
    const bool allowed = isDigit || AKey == QLatin1Char('*') || AKey == D || AKey.unicode() == 8;

    if (IsCountEntry(AEdit))
        return !allowed || AKey == D || AKey == QLatin1Char('*') ||
               (AKey == QLatin1Char('0') && P == 0);

    if (AKey == D && P == 0 && !T.contains(D)) {
        AEdit->setText(QStringLiteral("0") + D + T);
        AEdit->setCursorPosition(2);
        return true;
    }
    if (AKey == QLatin1Char('*') &&
        !(P == 0 && !T.contains(QLatin1Char('*')) && IsRadiusEntry(AEdit)))
        return true;
    if (!allowed)
        return true;
    if (AKey == D && T.contains(D))
        return true;
    if (AKey == QLatin1Char('0')) {
        if (T.startsWith(QLatin1Char('0')) && (P == 0 || P == 1))
            return true;
        if (P == 0 && T.indexOf(D) >= 1)
            return true;
    }
    return false;
}

bool TFormComputations::Key_Down(QLineEdit* AEdit, int AKey, Qt::KeyboardModifiers AShift) {
    const Qt::KeyboardModifiers modifiers = AShift & ~Qt::KeypadModifier;
    const bool ctrl = modifiers == Qt::ControlModifier;
    if (ctrl && AKey == Qt::Key_X) {
        AEdit->cut();
        return true;
    }
    if (ctrl && AKey == Qt::Key_C) {
        AEdit->copy();
        return true;
    }
    if ((ctrl && AKey == Qt::Key_V) || (modifiers == Qt::ShiftModifier && AKey == Qt::Key_Insert)) {
        PasteChecked(AEdit, QGuiApplication::clipboard()->text(), IsEntryNumber);
        return true;
    }
    if (ctrl && AKey == Qt::Key_M) {
        if (FResults->ResultState() == rsSpocitano)
            FResults->MassCalculationClick();
        return true;
    }
    if (AKey == Qt::Key_F1) {
        if (FormMain)
            FormMain->HelpClick();
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

void TFormComputations::RefreshDraft() {}

void TFormComputations::AdaptSupplementaryData() {}

void TFormComputations::ShowFormulaPicture() {}

void TFormComputations::ResetEntries() {
    FCanCompute = false;
    const auto edits = FPage->findChildren<QLineEdit*>();
    for (QLineEdit* edit : edits)
        if (edit->isVisibleTo(FPage) && edit->isEnabled())
            edit->clear();
    FocusFirstEntry();
    ShowResultState(rsNespocitano);
    FCanCompute = true;
}
