// The computation window: one solid's entries, the live calculation cycle
// behind them and the results panel below them.
#pragma once

#include "ComputationHost.h"
#include "Formulas.h"
#include "MathFunctions.h"
#include "Results.h"
#include "SolidFigures.h"
#include "SupplementaryData.h"

#include <QDialog>
#include <QPointer>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QTimer;
class QToolButton;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class TFrameCancel;
class TLabeledEdit;
class TUpDown;

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

    // The side windows while their buttons are down, else nullptr.
    TFormFormulas* FormulasWindow() const { return FFormulas; }
    TFormSupplementaryData* SupplementaryDataWindow() const { return FSupplementaryData; }
    TFrameResults* Results() const { return FResults; }

    // Puts ALetters in place of the first "$" of AText and tidies the
    // blanks and hyphens that an empty substitution leaves behind.
    static QString FillPlaceholder(const QString& AText, const QString& ALetters);
    // Entry captions (and the variant controls' captions) in small bold maroon.
    static void StyleEntryCaption(QLabel* ALabel);

    // Background colour of the window and of its results panel.
    static const QColor BackgroundColor;
    static constexpr int ClientHeight = 312;

signals:
    // The derived values of the current figure, in the rows' order.
    void SupplementaryValuesSent(const std::vector<Extended>& AValues);
    // The current entries give no figure.
    void SupplementaryValuesCleared();
    // F1 in an entry: the owner opens the help.
    void HelpRequested();

protected:
    void showEvent(QShowEvent* AEvent) override;
    void moveEvent(QMoveEvent* AEvent) override;
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
    // Keeps the formula window directly above and the supplementary data
    // window directly below this window, left-aligned with it.
    void MoveSideWindows();
    // The same, once the code running now has finished.
    void PostMoveSideWindows();
    // The window whose normal or stay-on-top style the side windows take.
    QWidget* StyleSource();

    // After a variant change the draft, the supplementary rows and the formula
    // picture follow the new variant.
    void RefreshDraft();
    void AdaptSupplementaryData();
    // The kind of solid and variant whose supplementary rows the page shows.
    TSolidType SolidType() const;
    void ShowFormulaPicture();

    // --- Pages, their texts and variants (ComputationPages.cpp) ----------------
    // Reads the picture names and places the letters without a draft panel.
    friend class TestComputationPages;
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
    // Puts ALetter right of AEntry and its subscript AIndex (if any) below right of it.
    static void PlaceEntryLetter(QWidget* AEntry, QWidget* ALetter, QWidget* AIndex = nullptr);
    // Places ALabel left of its list.
    static void AlignComboLabel(QComboBox* AComboBox, QLabel* ALabel);

    // Variant handlers: each rearranges its page, clears the entries and lets
    // the draft, the supplementary rows and the formula picture follow.
    void Pyramid_Click(QObject* ASender);
    void Pyramid_Tetrahedron_Click();
    void Prism_Click();
    void TruncatedPyramid_Click();
    void TruncatedPyramid_Side_Change();
    void SphericalSegment_Click(QObject* ASender);
    // The steps every variant change ends with. ACountSpinner is the count of
    // a page whose square or triangular base (ABaseIndex 0 or 2) fixes it.
    void FinishVariantChange(bool AShowFormula, TUpDown* ACountSpinner = nullptr,
                             int ABaseIndex = -1);
    QLabel* Letter(const char* AName) const;

    // --- Calculation handlers (ComputationHandlers.cpp) ------------------------
    // Runs the handler of the window's solid.
    void Calculate();
    void Cube_Calculate();
    void Block_Calculate();
    void Sphere_Calculate();
    void Cone_Calculate();
    void Cylinder_Calculate();
    void Pyramid_Calculate();
    void Prism_Calculate();
    void TruncatedCone_Calculate();
    void TruncatedPyramid_Calculate();
    void CylindricalTank_Calculate();
    void SphericalSegment_Calculate();
    void SphericalSector_Calculate();
    void SphericalFrustum_Calculate();

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
    QPointer<TFormFormulas> FFormulas;
    QPointer<TFormSupplementaryData> FSupplementaryData;

    // --- Variant controls and their texts (ComputationPages.cpp) ---------------
    QCheckBox* Pyramid_Tetrahedron = nullptr;
    QLabel* Pyramid_Tetrahedron_L = nullptr;
    QComboBox* Pyramid_Base = nullptr;
    QLabel* Pyramid_Base_L = nullptr;
    TUpDown* Pyramid_N_UD = nullptr;
    QComboBox* Prism_Base = nullptr;
    QLabel* Prism_Base_L = nullptr;
    TUpDown* Prism_N_UD = nullptr;
    QComboBox* TruncatedPyramid_Base = nullptr;
    QLabel* TruncatedPyramid_Base_L = nullptr;
    QComboBox* TruncatedPyramid_Side = nullptr;
    TUpDown* TruncatedPyramid_N_UD = nullptr;
    QRadioButton* SphericalSegment_RadiusOfSegmentR = nullptr;
    QRadioButton* SphericalSegment_RadiusOfSphereR = nullptr;
    QLabel* SphericalSegment_RadiusOfSegmentL = nullptr;
    QLabel* SphericalSegment_RadiusOfSphereL = nullptr;
    // Captions the variant handlers give the entries, read once with the language.
    struct TVariantTexts {
        QString Side, XSideOfBase, Prism_InnerRadiusOfBase, Prism_OuterRadiusOfBase,
            TruncatedPyramid_XSideOfUpperBase, TruncatedPyramid_XSideOfLowerBase, RadiusOfSegment,
            RadiusOfSphere, HeightOfSegment;
    } FTexts;
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

Q_DECLARE_METATYPE(std::vector<Extended>)
