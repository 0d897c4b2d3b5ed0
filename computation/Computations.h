// The computation window: one solid's entries, the live calculation cycle
// behind them and the results panel below them.
#pragma once

#include "ComputationHost.h"
#include "MathFunctions.h"
#include "Results.h"
#include "SolidFigures.h"

#include <QDialog>
#include <QPointer>
#include <memory>
#include <vector>

class QComboBox;
class QKeyEvent;
class QLabel;
class QTimer;
class QToolButton;
class QLineEdit;
class QStackedWidget;
class TFrameCancel;
class TLabeledEdit;

// The entry buffer: one value per entry of a handler's list, -1 where unread.
using TEntries = std::vector<Extended>;

class TFormComputations : public QDialog, public TComputationHost {
    Q_OBJECT
public:
    // Page (solid) indexes, as the main window's buttons pass them.
    enum TPage {
        pgCube,
        pgBlock,
        pgSphere,
        pgCone,
        pgCylinder,
        pgPyramid,
        pgPrism,
        pgTruncatedCone,
        pgTruncatedPyramid,
        pgCylindricalTank,
        pgSphericalSegment,
        pgSphericalSector,
        pgSphericalFrustum,
        PageCount
    };

    TFormComputations(QWidget* AOwner, int AActivePageIndex);
    ~TFormComputations() override;

    // TComputationHost
    void ReCalculate() override;
    void ReCalculate(TPrecision APrecision) override;
    TPrecision Precision() const override { return FResults->Precision(); }
    const TSolidFigure* SolidFigure() const override { return FSolidFigure.get(); }
    QWidget* HostWindow() override { return this; }
    int OpenDraftPanelWidth() const override;

    int PrimaryClientWidth() const { return FPrimaryClientWidth; }
    // Client width with the draft panel open.
    int DraftClientWidth() const;
    TFrameResults* Results() const { return FResults; }

    // Puts ALetters in place of the first "$" of AText and tidies the
    // blanks and hyphens that an empty substitution leaves behind.
    static QString FillPlaceholder(const QString& AText, const QString& ALetters);

    // Background colour of the window and of its results panel.
    static const QColor BackgroundColor;
    static constexpr int ClientHeight = 312;

signals:
    // The derived values of the current figure, in the rows' order.
    void SupplementaryValuesSent(const std::vector<Extended>& AValues);
    // The current entries give no figure.
    void SupplementaryValuesCleared();

protected:
    void showEvent(QShowEvent* AEvent) override;
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    // --- Window core (Computations.cpp) ---------------------------------------
    QWidget* AddPage(const char* AName);
    TLabeledEdit* AddEntry(QWidget* APage, const char* AName, int ATop);
    void AttachEntryHandlers();
    void FormShow();
    void SetLanguage();
    // A text of the window's language section.
    static QString Text(const char* AKey);

    bool ReadEntries(const std::vector<QWidget*>& AEntryList);
    void ShowResultState(TResultState AState);
    void SendSupplementaryValues(const std::vector<Extended>& AValues);
    // Stores the figure that ABuild constructs and shows it; an invalid-input
    // error of the geometry model (overflow from extreme values) shows
    // "Input error" instead. Returns the figure, or nullptr.
    template <class TFigure, class TBuild> const TFigure* ShowFigure(TBuild ABuild);

    bool Key_Press(QLineEdit* AEdit, QChar AKey);
    bool Key_Down(QLineEdit* AEdit, int AKey, Qt::KeyboardModifiers AShift);
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
    void BDraftClick();
    // Loads the draft of the solid and shows the entry letters; false when
    // the solid (its variant not chosen yet) has no draft.
    bool ShowDraftPicture();
    void TimerRTimer();
    void TimerLTimer();
    void HomepageLinkClick();

    // After a variant change the draft, the supplementary rows and the formula
    // picture follow the new variant.
    void RefreshDraft();
    void AdaptSupplementaryData();
    void ShowFormulaPicture();

    // --- Pages, their texts and variants (ComputationPages.cpp) ----------------
    // Builds the 13 pages with their entries, variant controls and entry letters.
    void CreatePages();
    // The captions of the window's page and its variant controls.
    void SetPageLanguage();
    // Puts the focus on the first entry of the page (after the entries were cleared).
    void FocusFirstEntry();
    // The name of the draft and formula picture of the solid and its variant;
    // empty on a variant page with no variant chosen.
    QString GetPictureName() const;
    // Shows or hides the entry letters of the page, each right of its entry.
    void ShowEntryLetters(bool AShow);

    // --- Calculation handlers (ComputationHandlers.cpp) ------------------------
    // Runs the handler of the window's solid.
    void Calculate();
    void Cube_Calculate();
    void Block_Calculate();
    void Sphere_Calculate();

    QLineEdit* Entry(const char* AName) const;

    TEntries FEntries;
    std::unique_ptr<TSolidFigure> FSolidFigure;
    bool FCanCompute = false;
    bool FShown = false;
    int FPageIndex;
    int FPrimaryClientWidth = 0;

    bool FShowDraft = true;

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
    QLabel* HomepageLink = nullptr;
    QTimer* TimerR = nullptr;
    QTimer* TimerL = nullptr;
};

template <class TFigure, class TBuild> const TFigure* TFormComputations::ShowFigure(TBuild ABuild) {
    try {
        auto figure = std::make_unique<TFigure>(ABuild());
        const TFigure* built = figure.get();
        FSolidFigure = std::move(figure);
        FResults->Output();
        return built;
    } catch (const EInvalidInput&) {
        // Dimensions so extreme that a quantity overflows: no figure, no stale results.
        FSolidFigure.reset();
        ShowResultState(rsChyba_Z);
        return nullptr;
    }
}

// The open computation window, or nullptr while none is open.
extern TFormComputations* FormComputations;

Q_DECLARE_METATYPE(std::vector<Extended>)
