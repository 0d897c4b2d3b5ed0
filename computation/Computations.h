// The computation window: one solid's entries, the live calculation cycle
// behind them and the results panel below them. Each change of the entries is
// read and calculated once; the result goes to the panel, the supplementary data
// window and the level table, which keep it and write it anew in another number
// form or other units without a new calculation. The entries' lengths are in
// the chosen length unit, shown after each entry's letter.
#pragma once

#include "ComputationHost.h"
#include "Formulas.h"
#include "LevelTable.h"
#include "MathFunctions.h"
#include "Results.h"
#include "SolidFigures.h"
#include "SolidHandlers.h"
#include "SolidPages.h"
#include "SolveWindow.h"
#include "SupplementaryData.h"
#include "Units.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QScopeGuard>
#include <array>
#include <memory>
#include <utility>
#include <vector>

class QAbstractButton;
class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QTimer;
class QToolButton;
class QLineEdit;
class QStackedWidget;
class TFigureView;
class TFrameCancel;
class TLabeledEdit;
class TUpDown;

class TFormComputations : public QDialog, public TComputationHost {
    Q_OBJECT
public:
    // AActivePageIndex is the page (TPage) of the solid, as the main window's buttons pass it.
    TFormComputations(QWidget* AOwner, int AActivePageIndex);
    ~TFormComputations() override;

    // TComputationHost
    void ShowNumberForm(const TNumberForm& AForm) override;
    QWidget* HostWindow() override { return this; }
    int OpenDraftPanelWidth() const override;
    bool ReportInput(TVariant& AVariant, TEntryTexts& ATexts) const override;

    // The result of the entries as they are now, and its figure (nullptr when the
    // entries give none).
    const TSolidResult& Result() const { return FResult; }
    const TSolidFigure* SolidFigure() const { return FResult.Figure.get(); }

    int PrimaryClientWidth() const { return FPrimaryClientWidth; }
    // Client width with the draft panel open.
    int DraftClientWidth() const;

    // The side windows while their buttons are down, else nullptr.
    TFormFormulas* FormulasWindow() const { return FFormulas; }
    TFormSupplementaryData* SupplementaryDataWindow() const { return FSupplementaryData; }
    TFrameResults* Results() const { return FResults; }
    // The tank's level table while it is open, else nullptr.
    TFormLevelTable* LevelTableWindow() const { return FLevelTable; }
    // The solving window while it is open, else nullptr.
    TFormSolve* SolveWindow() const { return FSolve; }
    // Puts ATexts into the entries of AVariant, the variant the window shows, and
    // calculates as if they had been typed (the solving window's "Use").
    void UseEntryTexts(TVariant AVariant, const TEntryTexts& ATexts);
    // The view of the entered figure drawn to scale in the draft panel; shown in
    // place of the catalogue draft while "To scale" is on and the entries give a figure.
    TFigureView* FigureView() const { return FFigureView; }

    // Entry captions (and the variant controls' captions) in small bold maroon.
    static void StyleEntryCaption(QLabel* ALabel);

    // The page's variant as its controls choose it now.
    TVariant CurrentVariant() const;
    // The name of the draft and formula picture of the solid and its variant;
    // empty on a variant page with no variant chosen.
    QString GetPictureName() const;
    // The kind of solid and variant whose supplementary rows the page shows.
    TSolidType SolidType() const;
    // Shows or hides the entry letters of the page, each right of its entry.
    void ShowEntryLetters(bool AShow);

    // The units the window shows (ReadUnitChoice when it opened).
    const TUnitChoice& Units() const { return FUnits; }
    // Shows everything in AUnits from now on: the kept result is written anew
    // (no new calculation); with another length unit the entries' texts are
    // written in it, the same lengths (bare numbers stay as they are).
    void ApplyUnits(const TUnitChoice& AUnits);
    // The chosen material (or the preset density) changed: the mass follows.
    void MaterialsChanged();
    // The density the mass is calculated at: the preset density while lengths
    // are bare, else the chosen material.
    TPresetDensity CurrentDensity() const;

    // Background colour of the window and of its results panel.
    static const QColor BackgroundColor;
    static constexpr int ClientHeight = 312;

signals:
    // F1 in an entry: the owner opens the help.
    void HelpRequested();

protected:
    void showEvent(QShowEvent* AEvent) override;
    void moveEvent(QMoveEvent* AEvent) override;
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    // --- Window core (Computations.cpp) ---------------------------------------
    void AttachEntryHandlers();
    void FormShow();
    void SetLanguage();
    // A text of the window's language section.
    static QString Text(const char* AKey);

    // Reads the entries the page shows and calculates the solid when every one
    // of them is valid; otherwise the state their readings give.
    TSolidResult ReadAndCalculate() const;
    // Keeps AResult and hands it to the panel and the supplementary data window.
    void ShowResult(const TSolidResult& AResult);

    // The window's own keys in an entry (Ctrl+M, F1); what may be typed or
    // pasted is the number entries' rule (NumberEntry.h).
    bool Key_Down(int AKey, Qt::KeyboardModifiers AShift);
    // The variant controls of the page (radio buttons, check box, base lists) pass
    // the start of a number typed on them to the first entry (TypedOnVariantControl).
    void AttachVariantControlKeys();
    bool TypedOnVariantControl(QObject* AWatched, QEvent* AEvent);
    void EditEnter(QWidget* AControl);
    void EditExit(QWidget* AControl);

    void EscapeClick();
    void ResetEntries();

    // The four buttons around the results panel and the draft panel.
    QToolButton* AddButton(const char* AName, const char* AGlyph, int ALeft, int ATop,
                           bool AToggle);
    void CreateDraftPanel();
    void BFormulasClick();
    void BSupplementaryDataClick();
    void BOptionsMenuClick();
    // The options menu's "Level table" item: opens the tank's level table (or
    // raises it), which then follows the radius and length entries.
    void MLevelTableClick();
    void UpdateLevelTable();
    // The options menu's "Units…" and "Materials…" items.
    void MUnitsClick();
    void MMaterialsClick();
    // The options menu's "Solve…" item: opens the solving window (or raises it).
    void MSolveClick();
    void BDraftClick();
    // Loads the draft of the solid and shows the entry letters; false when
    // the solid (its variant not chosen yet) has no draft.
    bool ShowDraftPicture();
    // The draft panel's "To scale" switch (its button and its context menu).
    void MToScaleClick(bool AChecked);
    // Hands the result's figure to the view drawn to scale while "To scale" is on.
    void ShowFigure();
    // The figure drawn to scale where there is one to draw, else the catalogue draft.
    void ShowFigureOrDraft();
    void TimerRTimer();
    void TimerLTimer();
    void HomepageLinkClick();
    // Keeps the formula window directly above and the supplementary data
    // window directly below this window, left-aligned with it.
    void MoveSideWindows();
    // The same, once the code running now has finished, after KeepGroupOnScreen:
    // for the places the program chooses (first showing, a side window opened or
    // resized, the draft panel opened), not for the user's own moves.
    void PostMoveSideWindows();
    // Moves this window so that it and its side windows lie inside the work area
    // of its screen (their top left corner where they are larger).
    void KeepGroupOnScreen();
    // A side window changed size (new rows, a new formula picture) or got its
    // frame: the group stays on the screen, the side windows attached.
    void SideWindowChanged();
    // The window whose normal or stay-on-top style the side windows take.
    QWidget* StyleSource();

    // After a variant change the draft, the supplementary rows and the formula
    // picture follow the new variant.
    void RefreshDraft();
    void AdaptSupplementaryData();
    // The formula picture of the variant, or the page's general one.
    QString FormulaPictureName() const;
    void ShowFormulaPicture();

    // --- Pages, built from their description (ComputationPages.cpp) ----------
    // The controls that show one entry.
    struct TEntryControls {
        QWidget* Control = nullptr;   // the edit or the choice list
        TLabeledEdit* Edit = nullptr; // edits only
        QComboBox* Choice = nullptr;  // choices only
        TUpDown* Spinner = nullptr;   // counts only
        // The entry's letters by their control's name, and its subscript.
        std::vector<std::pair<std::string, QLabel*>> Letters;
        QLabel* Subscript = nullptr;
        QLabel* Unit = nullptr; // lengths only
    };
    // The controls of one variant control.
    struct TVariantControls {
        QAbstractButton* Button = nullptr; // check box or radio button
        QComboBox* List = nullptr;
        QLabel* CaptionLabel = nullptr;
    };

    // Builds the window's page (the one solid it shows) with its variant controls,
    // entries and entry letters.
    void CreatePage();
    void CreateEntry(QWidget* APage, TEntry AEntry);
    void CreateVariantControl(QWidget* APage, TVariantControl AControl);
    // The page's description.
    const TPageDesc& Page() const;
    // The value a variant control has now (TSelector).
    int ControlValue(TVariantControl AControl) const;
    // The captions of the window's page and its variant controls.
    void SetPageLanguage();
    // A text of the description as SetPageLanguage has read it; ALetters, when
    // given, in place of the description's letters.
    QString DescribedText(const TText& AText, const QString* ALetters = nullptr) const;
    // Shows the entries of AVariant where it places them, and hides the others.
    void PlaceVariantEntries(TVariant AVariant);
    // Gives the entries of AVariant their captions.
    void SetEntryCaptions(TVariant AVariant);
    // Puts the focus on the first entry of the page (after the entries were cleared).
    void FocusFirstEntry();
    // Names an entry's spinner for screen readers after its edit's caption.
    void NameSpinner(TEntry AEntry);
    // Puts ALetter right of AAnchor and its subscript AIndex (if any) below right of it.
    static void PlaceEntryLetter(QWidget* AAnchor, QWidget* ALetter, QWidget* AIndex = nullptr);
    // Shows the length unit after the letter of each length entry the variant
    // shows (where the letter stands when letters are hidden), and names the
    // entries with it for screen readers; hides them while lengths are bare.
    void PlaceEntryUnits();
    // Writes each length entry's text, read in AFrom, as the same length in ATo.
    void ConvertEntryTexts(TLengthUnit AFrom, TLengthUnit ATo);
    // Places ALabel left of its list.
    static void AlignComboLabel(QComboBox* AComboBox, QLabel* ALabel);
    // The control a letter stands right of: a count's spinner, a chosen side's list.
    QWidget* LetterAnchor(const TEntryPlace& APlace) const;
    QLabel* LetterLabel(const TEntryPlace& APlace) const;

    // Variant handlers: the user changed a variant control (or clicked its
    // caption). The page shows the variant's entries, clears them and lets the
    // draft, the supplementary rows and the formula picture follow.
    void VariantClick(TVariantControl AControl);
    void VariantCaptionClick(TVariantControl AControl);
    // A choice entry changed: the captions and letters it fills follow, and the
    // solid is calculated.
    void ChoiceChange(TEntry AChoice);
    // The steps every variant change ends with.
    void FinishVariantChange();

    // --- The calculation (Computations.cpp) -----------------------------------
    // Runs the handler of the window's solid: once the window is shown, unless a
    // hold is in place.
    void Calculate();
    // While the guard this returns lives, changes of the entries calculate
    // nothing (the window fills or empties several entries at once).
    [[nodiscard]] auto HoldCalculation() {
        ++FCalculationHolds;
        return qScopeGuard([this] { --FCalculationHolds; });
    }
    QLineEdit* Entry(TEntry AEntry) const;

    TSolidResult FResult;
    // The density the results' mass is calculated at (CurrentDensity).
    TPresetDensity FDensity;
    TUnitChoice FUnits;
    int FCalculationHolds = 0;
    bool FShown = false;
    int FPageIndex;
    int FPrimaryClientWidth = 0;

    bool FShowDraft = true;
    // The formula picture the formula window shows.
    QString FShownFormula;

    QStackedWidget* PageControl = nullptr;
    QWidget* FPage = nullptr;
    TFrameResults* FResults = nullptr;
    TFrameCancel* FrameCancel = nullptr;
    QLabel* FBackground = nullptr;
    QToolButton* BFormulas = nullptr;
    QToolButton* BSupplementaryData = nullptr;
    QToolButton* BOptionsMenu = nullptr;
    QToolButton* BDraft = nullptr;
    QWidget* DraftPanel = nullptr;
    QLabel* Draft = nullptr;
    TFigureView* FFigureView = nullptr;
    QToolButton* BToScale = nullptr;
    QAction* MToScale = nullptr;
    QAction* MCopyDrawing = nullptr;
    QAction* MSaveDrawing = nullptr;
    bool FToScale = false;
    QLabel* HomepageLink = nullptr;
    QTimer* TimerR = nullptr;
    QTimer* TimerL = nullptr;
    QPointer<TFormFormulas> FFormulas;
    QPointer<TFormSupplementaryData> FSupplementaryData;
    QPointer<TFormLevelTable> FLevelTable;
    QPointer<TFormSolve> FSolve;
    QAction* MLevelTable = nullptr;
    QAction* MUnits = nullptr;
    QAction* MMaterials = nullptr;
    QAction* MSolve = nullptr;

    std::array<TEntryControls, EntryCount> FEntryControls;
    std::array<TVariantControls, VariantControlCount> FVariantControls;
    // The texts of the page's captions, by section and key, read once with the language.
    QHash<QString, QString> FTexts;
};
