#include "StereometricalFormulas.h"

#include "Cancel.h"
#include "FigureReport.h"
#include "LanguageSupport.h"
#include "PageTexts.h"
#include "WindowStyle.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include <cstring>

namespace {

constexpr int SolidCaptionSize = 15;
constexpr int VariantCaptionSize = 12;

// The formula pictures of a page's variants, each once, in the variants' order.
std::vector<const char*> VariantPictures(const TPageDesc& APage) {
    std::vector<const char*> pictures;
    for (TVariant variant : APage.Variants) {
        const char* picture = VariantDesc(variant).PictureName;
        bool listed = !*picture;
        for (const char* other : pictures)
            listed = listed || std::strcmp(other, picture) == 0;
        if (!listed)
            pictures.push_back(picture);
    }
    return pictures;
}

} // namespace

TFormStereometricalFormulas::TFormStereometricalFormulas(QWidget* AOwner)
    : TFormulaSheet(AOwner, QSize(OuterWidth, OuterHeight)) {
    setObjectName(QStringLiteral("FormStereometricalFormulas"));
    Menu = new QMenuBar(this);
    Menu->setObjectName(QStringLiteral("Menu"));
    MPlanimetry = Menu->addAction(QString());
    MPlanimetry->setObjectName(QStringLiteral("MPlanimetry"));
    connect(MPlanimetry, &QAction::triggered, this, [this] { MPlanimetryClick(); });
    static_cast<QVBoxLayout*>(layout())->setMenuBar(Menu);
    FrameCancel()->move(0, -150);

    for (int i = 0; i < PageCount; ++i)
        AddSolid(PageDesc(TPage(i)));
    AddEndLabel();

    SetLanguage();
    LoadPictures([this](const QLabel* AImage) { return FPictures.value(AImage); });

    QLabel* previous = nullptr;
    for (const TItem& item : FItems) {
        StackBelow(item.Caption, item.Image, previous);
        previous = item.Image ? item.Image : item.Caption;
    }
    FinishPage(previous);
}

void TFormStereometricalFormulas::AddSolid(const TPageDesc& APage) {
    const QString solid = QLatin1String(APage.Solid());
    QLabel* caption = AddCaption(solid + QStringLiteral("Lbl"), SolidCaptionSize, Colours::Navy);
    const TText title = APage.Title;
    const auto titleText = [title] { return ComposeText(title, LanguageText); };
    const std::vector<const char*> pictures = VariantPictures(APage);
    if (pictures.empty() && !APage.GeneralFormula) {
        FItems.push_back({caption, titleText});
        return;
    }
    if (pictures.size() == 1 && !APage.GeneralFormula) {
        AddItem(caption, titleText, solid + QStringLiteral("Img"), pictures.front());
        return;
    }
    FItems.push_back({caption, titleText});
    const auto variantCaption = [this](const QString& AName) {
        return AddCaption(AName + QStringLiteral("Lbl"), VariantCaptionSize, Colours::Maroon);
    };
    if (APage.GeneralFormula) {
        const QString name = solid + QStringLiteral("_General");
        AddItem(
            variantCaption(name),
            [] {
                return LanguageText(QStringLiteral("TFormStereometricalFormulas"),
                                    QStringLiteral("General"));
            },
            name + QStringLiteral("Img"), APage.GeneralFormula);
    }
    for (TVariant variant : APage.Variants) {
        const TVariantDesc& desc = VariantDesc(variant);
        if (!*desc.PictureName)
            continue;
        const QString name = QLatin1String(desc.Name);
        AddItem(
            variantCaption(name), [variant] { return VariantName(variant, LanguageText); },
            name + QStringLiteral("Img"), desc.PictureName);
    }
}

void TFormStereometricalFormulas::AddItem(QLabel* ACaption, std::function<QString()> AText,
                                          const QString& AImageName, const char* APicture) {
    QLabel* image = AddImage(AImageName);
    FPictures.insert(image, QLatin1String(APicture));
    FItems.push_back({ACaption, std::move(AText), image});
}

void TFormStereometricalFormulas::SetLanguage() {
    setWindowTitle(
        LanguageText(QStringLiteral("TFormStereometricalFormulas"), QStringLiteral("Caption")));
    MPlanimetry->setText(
        LanguageText(QStringLiteral("TFormPlanimetricalFormulas"), QStringLiteral("Caption")));
    for (const TItem& item : FItems)
        item.Caption->setText(item.Text());
}

void TFormStereometricalFormulas::MPlanimetryClick() {
    if (!FPlanimetricalFormulas) {
        FPlanimetricalFormulas = new TFormPlanimetricalFormulas(this);
        TakeWindowStyle(FPlanimetricalFormulas, this);
    }
    FPlanimetricalFormulas->show();
    FPlanimetricalFormulas->raise();
    FPlanimetricalFormulas->activateWindow();
}

void TFormStereometricalFormulas::done(int AResult) {
    if (FPlanimetricalFormulas)
        FPlanimetricalFormulas->close();
    TFormulaSheet::done(AResult);
}
