// The formula sheet for solids: captions and formula pictures of every solid and
// variant on one scrolling page, built from the page description (SolidPages.h).
// Its menu opens the sheet for plane figures beside it.
//
//     TFormStereometricalFormulas sheet(this);
//     TakeWindowStyle(&sheet, this);
//     sheet.exec();
#pragma once

#include "PlanimetricalFormulas.h"
#include "SolidPages.h"

#include <QHash>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QMenuBar;

class TFormStereometricalFormulas : public TFormulaSheet {
    Q_OBJECT
public:
    explicit TFormStereometricalFormulas(QWidget* AOwner);

    static constexpr int OuterWidth = 530;
    static constexpr int OuterHeight = 660;

    QAction* MPlanimetryItem() const { return MPlanimetry; }
    // The plane-figure sheet while it is open, or nullptr.
    TFormPlanimetricalFormulas* PlanimetricalFormulas() const { return FPlanimetricalFormulas; }

    // Shows the plane-figure sheet, non-modal and in front, creating it the first time.
    void MPlanimetryClick();

    // Closing the sheet closes the plane-figure sheet too.
    void done(int AResult) override;

private:
    // A caption of the sheet, its text, and the formula picture below it (none
    // under a solid whose variants follow with pictures of their own).
    struct TItem {
        QLabel* Caption;
        std::function<QString()> Text;
        QLabel* Image = nullptr;
    };

    // A solid's items: its caption with its one picture; or its caption, the
    // general formula ("General") and each variant under its name.
    void AddSolid(const TPageDesc& APage);
    void AddItem(QLabel* ACaption, std::function<QString()> AText, const QString& AImageName,
                 const char* APicture);
    void SetLanguage();

    QMenuBar* Menu;
    QAction* MPlanimetry;
    QPointer<TFormPlanimetricalFormulas> FPlanimetricalFormulas;

    std::vector<TItem> FItems;
    // The formula picture of each image.
    QHash<const QLabel*, QString> FPictures;
};
