// The computation window's page, built from its description (SolidPages.h):
// its variant controls, entries and entry letters, their captions, which entry
// comes first, and the variant handlers that rearrange a page when the user picks
// another base or radius.
#include "Computations.h"

#include "Accessibility.h"
#include "LabeledEdit.h"
#include "LanguageSupport.h"
#include "NumberParsing.h"
#include "PageTexts.h"
#include "ResourceLoading.h"
#include "UpDown.h"
#include "WindowStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

namespace {

constexpr int SpinnerWidth = 16;
constexpr int LetterGap = 6;
constexpr int IndexOffset = 9;
// A subscript beside a narrow letter stands this much closer to it.
constexpr int NarrowGlyphNudge = 2;
constexpr int CountMin = 3;
constexpr int CountMax = 9999;
constexpr int NumberMaxLength = 19;
constexpr int CountMaxLength = 4;
// Check boxes and radio buttons: the box, and its caption label right of it.
constexpr int ChoiceBoxSize = 17;
constexpr int ChoiceCaptionOffset = 19;
// A list's caption label stands this much lower than the list's top.
constexpr int ListCaptionDrop = 4;
// Between an entry's letter (or its subscript) and its unit.
constexpr int UnitGap = 4;
constexpr int UnitPixels = 11;

// A caption label that the user can click like the control it names. A double
// click counts as two clicks, as it does on the check box itself.
class TClickLabel : public QLabel {
public:
    TClickLabel(QWidget* AParent, const QString& AName) : QLabel(AParent) { setObjectName(AName); }
    std::function<void()> OnClick;

protected:
    void mousePressEvent(QMouseEvent* AEvent) override {
        FPressed = AEvent->button() == Qt::LeftButton;
        AEvent->accept();
    }
    void mouseReleaseEvent(QMouseEvent* AEvent) override {
        const bool click = FPressed && AEvent->button() == Qt::LeftButton &&
                           rect().contains(AEvent->position().toPoint());
        FPressed = false;
        AEvent->accept();
        if (click && OnClick)
            OnClick();
    }
    void mouseDoubleClickEvent(QMouseEvent* AEvent) override {
        // The release that follows is not a click of its own.
        FPressed = false;
        AEvent->accept();
        if (AEvent->button() == Qt::LeftButton && OnClick)
            OnClick();
    }

private:
    bool FPressed = false;
};

QLabel* AddLetter(QWidget* APage, const QString& AName, const QString& AText) {
    auto* letter = new QLabel(AText, APage);
    letter->setObjectName(AName);
    letter->setFont(PixelFont(FontFamilies::Arial, 12, true));
    SetTextColor(letter, Qt::black);
    letter->adjustSize();
    letter->hide();
    return letter;
}

// The unit of a length entry, shown after its letter.
QLabel* AddUnit(QWidget* APage, const QString& AName) {
    auto* unit = new QLabel(APage);
    unit->setObjectName(AName);
    unit->setFont(PixelFont(FontFamilies::Arial, UnitPixels, false));
    SetTextColor(unit, Qt::black);
    unit->hide();
    return unit;
}

// The Greek rho is a picture: the letter font may not have it.
QLabel* AddRho(QWidget* APage, const QString& AName) {
    auto* letter = new QLabel(APage);
    letter->setObjectName(AName);
    letter->setPixmap(LoadResourcePixmap(QStringLiteral("BITMAP"), QStringLiteral("RHO")));
    letter->setFixedSize(7, 12);
    letter->hide();
    return letter;
}

QComboBox* AddList(QWidget* APage, const char* AName, const QRect& AGeometry, int AItemCount) {
    auto* list = new QComboBox(APage);
    list->setObjectName(QLatin1String(AName));
    // The items' texts come with the language (SetPageLanguage) or are fixed.
    for (int i = 0; i < AItemCount; ++i)
        list->addItem(QString());
    // Nothing is chosen until the user picks an item.
    list->setCurrentIndex(-1);
    // A tab stop, so that the keyboard alone can choose a variant and an item.
    list->setFocusPolicy(Qt::StrongFocus);
    list->setGeometry(AGeometry);
    return list;
}

bool IsRho(const char* AGlyph) {
    return AGlyph && std::strcmp(AGlyph, Rho) == 0;
}

void MoveTop(QWidget* AControl, int ATop) {
    AControl->move(AControl->x(), ATop);
}

} // namespace

// --- Building the page ------------------------------------------------------------

// A window shows one solid all its life: only that page is built.
void TFormComputations::CreatePage() {
    const TPageDesc& page = Page();
    auto* widget = new QWidget;
    widget->setObjectName(QLatin1String(page.Name));
    PageControl->addWidget(widget);
    for (TVariantControl control : page.Controls)
        CreateVariantControl(widget, control);
    for (TEntry entry : page.Entries)
        CreateEntry(widget, entry);
    // The letters of each entry, as its variants show them, then its subscript.
    for (TEntry entry : page.Entries) {
        TEntryControls& controls = FEntryControls[entry];
        const char* subscript = nullptr;
        for (TVariant variant : page.Variants) {
            const TEntryPlace* place = PlaceOf(variant, entry);
            if (!place || !HasLetter(*place))
                continue;
            const QString name = QString::fromStdString(LetterLabelName(*place));
            subscript = subscript ? subscript : place->Letter.Subscript;
            bool created = false;
            for (const auto& letter : controls.Letters)
                created = created || letter.first == name.toStdString();
            if (created)
                continue;
            QLabel* label = IsRho(place->Letter.Glyph)
                                ? AddRho(widget, name)
                                : AddLetter(widget, name, QString::fromUtf8(place->Letter.Glyph));
            controls.Letters.emplace_back(name.toStdString(), label);
        }
        if (subscript)
            controls.Subscript =
                AddLetter(widget, QString::fromStdString(SubscriptLabelName(entry)),
                          QLatin1String(subscript));
    }
    // A choice comes after the variant's last entry: Tab from the entry whose
    // caption it fills goes on to the next entry (the height), which a user types
    // next, and the choice is still reached, last.
    for (TVariant variant : page.Variants) {
        const TSpan<TEntryPlace>& places = VariantDesc(variant).Entries;
        for (const TEntryPlace& place : places)
            if (place.ChosenBy != enNone)
                QWidget::setTabOrder(FEntryControls[places[places.size() - 1].Entry].Control,
                                     FEntryControls[place.ChosenBy].Control);
    }
    PlaceVariantEntries(page.StartVariant);
}

void TFormComputations::CreateVariantControl(QWidget* APage, TVariantControl AControl) {
    const TVariantControlDesc& desc = VariantControlDesc(AControl);
    TVariantControls& controls = FVariantControls[AControl];
    const QString name = QLatin1String(desc.Name);
    if (desc.Kind == vkList) {
        controls.List =
            AddList(APage, desc.Name, QRect(desc.Left, desc.Top, desc.Width, EntryHeight),
                    int(desc.Items.size()));
        controls.CaptionLabel = new QLabel(APage);
        controls.CaptionLabel->setObjectName(QLatin1String(desc.CaptionName));
        StyleEntryCaption(controls.CaptionLabel);
        // Linux screen readers take a list's label from its buddy.
        controls.CaptionLabel->setBuddy(controls.List);
        // Left of its list once it has its text (AlignComboLabel).
        controls.CaptionLabel->move(0, desc.Top + ListCaptionDrop);
        connect(controls.List, &QComboBox::activated, this,
                [this, AControl] { VariantClick(AControl); });
        return;
    }
    QAbstractButton* button = nullptr;
    if (desc.Kind == vkCheckBox) {
        button = new QCheckBox(APage);
    } else {
        button = new QRadioButton(APage);
    }
    button->setObjectName(name);
    button->setGeometry(desc.Left, desc.Top, ChoiceBoxSize, ChoiceBoxSize);
    auto* label = new TClickLabel(APage, QLatin1String(desc.CaptionName));
    StyleEntryCaption(label);
    label->move(desc.Left + ChoiceCaptionOffset, desc.Top);
    label->OnClick = [this, AControl] { VariantCaptionClick(AControl); };
    controls.Button = button;
    controls.CaptionLabel = label;
    if (desc.Checked) {
        // The starting choice is no variant change.
        const QSignalBlocker blocker(button);
        button->setChecked(true);
    }
    connect(button, &QAbstractButton::toggled, this, [this, AControl](bool AChecked) {
        // A radio button changes twice when another is checked: once is enough.
        if (AChecked || VariantControlDesc(AControl).Kind == vkCheckBox)
            VariantClick(AControl);
    });
}

void TFormComputations::CreateEntry(QWidget* APage, TEntry AEntry) {
    const TEntryDesc& desc = EntryDesc(AEntry);
    TEntryControls& controls = FEntryControls[AEntry];
    const QString name = QLatin1String(desc.Name);
    // Created where the first variant that shows it places it.
    int top = 0;
    for (TVariant variant : PageDesc(desc.Page).Variants)
        if (const TEntryPlace* place = PlaceOf(variant, AEntry)) {
            top = place->Top;
            break;
        }
    if (desc.Kind == ekChoice) {
        QStringList items;
        for (const char* item : desc.Items)
            items.append(QString::fromUtf8(item));
        controls.Choice = AddList(APage, desc.Name, QRect(desc.Left, top, desc.Width, EntryHeight),
                                  int(items.size()));
        for (int i = 0; i < items.size(); ++i)
            controls.Choice->setItemText(i, items.at(i));
        controls.Control = controls.Choice;
        connect(controls.Choice, &QComboBox::activated, this,
                [this, AEntry] { ChoiceChange(AEntry); });
        return;
    }
    auto* edit = new TLabeledEdit(APage, name);
    edit->setGeometry(desc.Left, top, desc.Width, EntryHeight);
    edit->setMaxLength(desc.Kind == ekCount ? CountMaxLength : NumberMaxLength);
    // Dropped text would bypass the typing filter and the paste check.
    edit->setAcceptDrops(false);
    controls.Edit = edit;
    controls.Control = edit;
    if (desc.Kind != ekCount) {
        controls.Unit = AddUnit(APage, name + QStringLiteral("_Unit"));
        return;
    }
    // A count edit with its spinner right of it; both start empty.
    auto* spinner = new TUpDown(APage, name + QStringLiteral("_UD"));
    spinner->SetMax(CountMax);
    spinner->SetMin(CountMin);
    spinner->setGeometry(edit->x() + edit->width(), edit->y(), SpinnerWidth, edit->height());
    spinner->Associate(edit);
    edit->clear();
    controls.Spinner = spinner;
}

const TPageDesc& TFormComputations::Page() const {
    return PageDesc(TPage(FPageIndex));
}

int TFormComputations::ControlValue(TVariantControl AControl) const {
    const TVariantControls& controls = FVariantControls[AControl];
    if (controls.List)
        return controls.List->currentIndex();
    return controls.Button && controls.Button->isChecked() ? 1 : 0;
}

TVariant TFormComputations::CurrentVariant() const {
    return ChosenVariant(TPage(FPageIndex),
                         [this](TVariantControl AControl) { return ControlValue(AControl); });
}

QString TFormComputations::GetPictureName() const {
    return QLatin1String(VariantDesc(CurrentVariant()).PictureName);
}

TSolidType TFormComputations::SolidType() const {
    return VariantDesc(CurrentVariant()).SolidType;
}

QString TFormComputations::FormulaPictureName() const {
    const QString name = GetPictureName();
    if (name.isEmpty() && Page().GeneralFormula)
        return QLatin1String(Page().GeneralFormula);
    return name;
}

bool TFormComputations::ReportInput(TVariant& AVariant, TEntryTexts& ATexts) const {
    AVariant = CurrentVariant();
    ATexts = {};
    for (const TEntryPlace& place : VariantDesc(AVariant).Entries) {
        const TEntryControls& controls = FEntryControls[place.Entry];
        ATexts[place.Entry] =
            controls.Choice ? controls.Choice->currentText() : controls.Edit->text();
    }
    return true;
}

QLineEdit* TFormComputations::Entry(TEntry AEntry) const {
    return FEntryControls[AEntry].Edit;
}

// --- Texts ----------------------------------------------------------------------------------

void TFormComputations::SetPageLanguage() {
    FTexts.clear();
    auto remember = [this](const TText& AText) {
        for (const char* key : {AText.Key, AText.Key2})
            if (key) {
                const QString section = QLatin1String(AText.Section);
                FTexts.insert(section + QLatin1Char('/') + QLatin1String(key),
                              LanguageText(section, QLatin1String(key)));
            }
    };
    for (TVariant variant : Page().Variants)
        for (const TEntryPlace& place : VariantDesc(variant).Entries)
            if (place.Caption.Key)
                remember(place.Caption);
    for (TVariantControl control : Page().Controls) {
        const TVariantControlDesc& desc = VariantControlDesc(control);
        remember(desc.Caption);
        for (const TText& item : desc.Items)
            remember(item);
    }

    for (TVariantControl variantControl : Page().Controls) {
        const TVariantControlDesc& desc = VariantControlDesc(variantControl);
        const TVariantControls& controls = FVariantControls[variantControl];
        controls.CaptionLabel->setText(DescribedText(desc.Caption));
        controls.CaptionLabel->adjustSize();
        // Check boxes and lists are read by their caption labels.
        QWidget* control = controls.List ? static_cast<QWidget*>(controls.List)
                                         : static_cast<QWidget*>(controls.Button);
        control->setAccessibleName(SpokenCaption(controls.CaptionLabel->text()));
        if (!controls.List)
            continue;
        // In place: the selection stays as it is.
        for (std::size_t item = 0; item < desc.Items.size(); ++item)
            controls.List->setItemText(int(item), DescribedText(desc.Items[item]));
        // What the list is for while no base is chosen.
        controls.List->setPlaceholderText(
            LanguageText(QStringLiteral("BaseLists"), QStringLiteral("sChooseBase")));
        AlignComboLabel(controls.List, controls.CaptionLabel);
    }
    // The side list has no caption of its own: the entry left of it says it.
    for (TEntry entry : Page().Entries)
        if (QComboBox* choice = FEntryControls[entry].Choice)
            choice->setAccessibleName(LanguageText(QStringLiteral("Accessibility"),
                                                   QLatin1String(EntryDesc(entry).Name)));
    SetEntryCaptions(CurrentVariant());
}

QString TFormComputations::DescribedText(const TText& AText, const QString* ALetters) const {
    return ComposeText(
        AText,
        [this](const QString& ASection, const QString& AKey) {
            return FTexts.value(ASection + QLatin1Char('/') + AKey, TLanguageFile::Undefined);
        },
        ALetters);
}

void TFormComputations::AlignComboLabel(QComboBox* AComboBox, QLabel* ALabel) {
    ALabel->move(AComboBox->x() - ALabel->width() - 6, ALabel->y());
}

// --- Variants -----------------------------------------------------------------------------

void TFormComputations::PlaceVariantEntries(TVariant AVariant) {
    for (TEntry entry : PageDesc(VariantDesc(AVariant).Page).Entries) {
        const TEntryControls& controls = FEntryControls[entry];
        const TEntryPlace* place = PlaceOf(AVariant, entry);
        // An entry already shown is left alone (it shows with its page).
        if (!place || controls.Control->isHidden()) {
            controls.Control->setVisible(place != nullptr);
            if (controls.Spinner)
                controls.Spinner->setVisible(place != nullptr);
        }
        if (!place)
            continue;
        MoveTop(controls.Control, place->Top);
        if (controls.Spinner) {
            MoveTop(controls.Spinner, place->Top);
            // A count the variant fixes cannot be changed.
            controls.Edit->setEnabled(place->FixedCount == 0);
            controls.Spinner->setEnabled(place->FixedCount == 0);
        }
    }
}

void TFormComputations::SetEntryCaptions(TVariant AVariant) {
    for (const TEntryPlace& place : VariantDesc(AVariant).Entries) {
        TLabeledEdit* edit = FEntryControls[place.Entry].Edit;
        if (!edit || !place.Caption.Key)
            continue;
        if (place.ChosenBy != enNone) {
            const QString chosen = FEntryControls[place.ChosenBy].Choice->currentText();
            edit->SetLabelText(DescribedText(place.Caption, &chosen));
        } else {
            edit->SetLabelText(DescribedText(place.Caption));
        }
        NameSpinner(place.Entry);
    }
    PlaceEntryUnits();
}

void TFormComputations::VariantClick(TVariantControl AControl) {
    const TVariantControlDesc& desc = VariantControlDesc(AControl);
    if (desc.Clears != vcNone) {
        // The check box empties the list and locks it while it is checked.
        const bool checked = FVariantControls[AControl].Button->isChecked();
        const TVariantControls& cleared = FVariantControls[desc.Clears];
        cleared.List->setCurrentIndex(-1);
        cleared.List->setEnabled(!checked);
        cleared.CaptionLabel->setEnabled(!checked);
    }
    const TVariant variant = CurrentVariant();
    PlaceVariantEntries(variant);
    SetEntryCaptions(variant);
    FinishVariantChange();
}

void TFormComputations::VariantCaptionClick(TVariantControl AControl) {
    QAbstractButton* button = FVariantControls[AControl].Button;
    if (VariantControlDesc(AControl).Kind == vkCheckBox) {
        // The box's own change runs the variant handler.
        button->toggle();
        return;
    }
    // A radio button's caption chooses it (its own change runs the handler once
    // more, nested) and clears the entries even when it was chosen already.
    button->setChecked(true);
    VariantClick(AControl);
}

void TFormComputations::FinishVariantChange() {
    ResetEntries();
    if (FSolve)
        FSolve->SetVariant(CurrentVariant());
    RefreshDraft();
    AdaptSupplementaryData();
    if (FormulaPictureName() != FShownFormula)
        ShowFormulaPicture();
    // A square or triangular base fixes the number of edges.
    for (const TEntryPlace& place : VariantDesc(CurrentVariant()).Entries)
        if (place.FixedCount != 0) {
            const TEntryControls& controls = FEntryControls[place.Entry];
            controls.Spinner->SetPosition(place.FixedCount);
            controls.Edit->setText(QString::number(place.FixedCount));
        }
}

void TFormComputations::ChoiceChange(TEntry AChoice) {
    const QString chosen = FEntryControls[AChoice].Choice->currentText();
    const bool lettersShown = !chosen.isEmpty() && BDraft && BDraft->isChecked();
    for (const TEntryPlace& place : VariantDesc(CurrentVariant()).Entries) {
        if (place.ChosenBy != AChoice)
            continue;
        const TEntryControls& controls = FEntryControls[place.Entry];
        controls.Edit->SetLabelText(DescribedText(place.Caption, &chosen));
        NameSpinner(place.Entry);
        QLabel* letter = LetterLabel(place);
        letter->setText(chosen);
        letter->adjustSize();
        letter->setVisible(lettersShown);
        if (controls.Subscript)
            controls.Subscript->setVisible(lettersShown);
    }
    PlaceEntryUnits();
    Calculate();
}

void TFormComputations::NameSpinner(TEntry AEntry) {
    const TEntryControls& controls = FEntryControls[AEntry];
    if (!controls.Spinner)
        return;
    controls.Spinner->setAccessibleName(controls.Edit->accessibleName());
    controls.Spinner->setAccessibleDescription(
        LanguageText(QStringLiteral("Accessibility"), QStringLiteral("sSpinner")));
}

void TFormComputations::FocusFirstEntry() {
    const TEntry first = VariantDesc(CurrentVariant()).FirstEntry;
    // On the cube and sphere pages the focus stays where it is.
    if (first != enNone)
        FEntryControls[first].Control->setFocus();
}

// --- Entry letters --------------------------------------------------------------

QWidget* TFormComputations::LetterAnchor(const TEntryPlace& APlace) const {
    if (APlace.ChosenBy != enNone)
        return FEntryControls[APlace.ChosenBy].Control;
    const TEntryControls& controls = FEntryControls[APlace.Entry];
    return controls.Spinner ? static_cast<QWidget*>(controls.Spinner) : controls.Control;
}

QLabel* TFormComputations::LetterLabel(const TEntryPlace& APlace) const {
    const std::string name = LetterLabelName(APlace);
    for (const auto& letter : FEntryControls[APlace.Entry].Letters)
        if (letter.first == name)
            return letter.second;
    return nullptr;
}

void TFormComputations::PlaceEntryLetter(QWidget* AAnchor, QWidget* ALetter, QWidget* AIndex) {
    ALetter->move(AAnchor->x() + AAnchor->width() + LetterGap, AAnchor->y() + 3);
    if (AIndex)
        AIndex->move(ALetter->x() + IndexOffset, ALetter->y() + IndexOffset);
}

void TFormComputations::ShowEntryLetters(bool AShow) {
    const TVariant variant = CurrentVariant();
    for (TEntry entry : Page().Entries) {
        const TEntryControls& controls = FEntryControls[entry];
        const TEntryPlace* place = PlaceOf(variant, entry);
        QLabel* letter = place && HasLetter(*place) ? LetterLabel(*place) : nullptr;
        QLabel* subscript = letter && place->Letter.Subscript ? controls.Subscript : nullptr;
        // The letters that this variant does not show.
        for (const auto& other : controls.Letters)
            if (other.second != letter)
                other.second->setVisible(false);
        if (controls.Subscript && controls.Subscript != subscript)
            controls.Subscript->setVisible(false);
        if (!letter)
            continue;
        bool shown = AShow;
        if (place->ChosenBy != enNone) {
            // The letter of the chosen side, none before a choice.
            shown = shown && FEntryControls[place->ChosenBy].Choice->currentIndex() >= 0;
        } else if (!IsRho(place->Letter.Glyph)) {
            letter->setText(QString::fromUtf8(place->Letter.Glyph));
            letter->adjustSize();
        }
        PlaceEntryLetter(LetterAnchor(*place), letter, subscript);
        if (subscript && place->Letter.NarrowGlyph)
            subscript->move(subscript->x() - NarrowGlyphNudge, subscript->y());
        letter->setVisible(shown);
        if (subscript)
            subscript->setVisible(shown);
    }
    PlaceEntryUnits();
}

void TFormComputations::PlaceEntryUnits() {
    const TVariant variant = CurrentVariant();
    const QString symbol = UnitSymbol(FUnits.Length);
    for (TEntry entry : Page().Entries) {
        const TEntryControls& controls = FEntryControls[entry];
        if (!controls.Unit)
            continue;
        const TEntryPlace* place = PlaceOf(variant, entry);
        const bool shown = place && !symbol.isEmpty();
        controls.Unit->setVisible(shown);
        // A screen reader says the unit with the entry's caption.
        const QString caption = SpokenCaption(controls.Edit->EditLabel()->text());
        controls.Edit->setAccessibleName(
            shown ? caption + QStringLiteral(" (") + symbol + QLatin1Char(')') : caption);
        if (!shown)
            continue;
        controls.Unit->setText(symbol);
        controls.Unit->adjustSize();
        // After the letter and its subscript while they show, else where the
        // letter stands: the unit never covers a letter.
        const QWidget* anchor = LetterAnchor(*place);
        int left = anchor->x() + anchor->width() + LetterGap;
        int baseline =
            anchor->y() + 3 + QFontMetrics(PixelFont(FontFamilies::Arial, 12, true)).ascent();
        const QLabel* letter = HasLetter(*place) ? LetterLabel(*place) : nullptr;
        if (letter && !letter->isHidden()) {
            left = letter->x() + letter->width();
            if (controls.Subscript && !controls.Subscript->isHidden())
                left = std::max(left, controls.Subscript->x() + controls.Subscript->width());
            left += UnitGap;
        }
        controls.Unit->move(left, baseline - controls.Unit->fontMetrics().ascent());
    }
}

void TFormComputations::ConvertEntryTexts(TLengthUnit AFrom, TLengthUnit ATo) {
    for (TEntry entry : Page().Entries) {
        const TEntryControls& controls = FEntryControls[entry];
        if (!controls.Unit || controls.Edit->text().isEmpty())
            continue;
        QString text = controls.Edit->text();
        const bool diameter =
            EntryDesc(entry).Kind == ekRadius && text.startsWith(QLatin1Char('*'));
        if (diameter)
            text.remove(0, 1);
        Extended value = 0;
        const bool read = AFrom == luFeetAndInches
                              ? ParseFeetAndInches(text, LocaleDecimalSeparator(), value)
                              : TryTextToExtended(text, value);
        // A text that is no length yet stays as it is.
        if (!read || !std::isfinite(value))
            continue;
        QString converted = LengthEntryText(ConvertLength(value, AFrom, ATo), ATo);
        if (converted.isEmpty())
            continue;
        if (diameter)
            converted.prepend(QLatin1Char('*'));
        // The same length may take more characters in the other unit.
        controls.Edit->setMaxLength(std::max(controls.Edit->maxLength(), int(converted.size())));
        controls.Edit->setText(converted);
    }
}
