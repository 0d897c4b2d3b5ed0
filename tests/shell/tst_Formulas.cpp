// The formula sheets (solids, plane figures).
#include "AppTestEnvironment.h"
#include "Cancel.h"
#include "LanguageSupport.h"
#include "PageTexts.h"
#include "PlanimetricalFormulas.h"
#include "ResourceLoading.h"
#include "SolidPages.h"
#include "StereometricalFormulas.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

enum class TSheetKind { Solids, PlaneFigures };

std::unique_ptr<TFormulaSheet> MakeSheet(TSheetKind AKind, QWidget* AOwner = nullptr) {
    if (AKind == TSheetKind::Solids)
        return std::make_unique<TFormStereometricalFormulas>(AOwner);
    auto sheet = std::make_unique<TFormPlanimetricalFormulas>(AOwner);
    // It deletes itself when it closes; the test keeps it instead.
    QObject::disconnect(sheet.get(), &QDialog::finished, sheet.get(), &QObject::deleteLater);
    return sheet;
}

// Images of the sheet for solids, top to bottom; their pictures are their names without "Img".
const char* const SolidImages[] = {
    "CubeImg",
    "BlockImg",
    "SphereImg",
    "ConeImg",
    "CylinderImg",
    "Pyramid_GeneralImg",
    "Pyramid_TetrahedronImg",
    "Pyramid_SquareImg",
    "Pyramid_RectangleImg",
    "Pyramid_EquilateralTriangleImg",
    "Pyramid_NAngleImg",
    "Prism_GeneralImg",
    "Prism_TriangleImg",
    "Prism_NAngleImg",
    "Prism_CircularRingImg",
    "TruncatedConeImg",
    "TruncatedPyramid_GeneralImg",
    "TruncatedPyramid_SquareImg",
    "TruncatedPyramid_RectangleImg",
    "TruncatedPyramid_EquilateralTriangleImg",
    "TruncatedPyramid_NAngleImg",
    "CylindricalTankImg",
    "SphericalSegmentImg",
    "SphericalSectorImg",
    "SphericalFrustumImg",
};

const char* const PlaneImages[] = {
    "Square",    "Rectangle", "Rhombus", "Parallelogram", "Triangle_General", "Triangle_Heron",
    "Trapezoid", "Circle",    "NAngle",  "CircularRing",  "SegmentOfCircle",  "SectorOfCircle",
};

// The page of the sheet for solids top to bottom: caption, its image ("" for a heading).
const std::pair<const char*, const char*> SolidPage[] = {
    {"CubeLbl", "CubeImg"},
    {"BlockLbl", "BlockImg"},
    {"SphereLbl", "SphereImg"},
    {"ConeLbl", "ConeImg"},
    {"CylinderLbl", "CylinderImg"},
    {"PyramidLbl", ""},
    {"Pyramid_GeneralLbl", "Pyramid_GeneralImg"},
    {"Pyramid_TetrahedronLbl", "Pyramid_TetrahedronImg"},
    {"Pyramid_SquareLbl", "Pyramid_SquareImg"},
    {"Pyramid_RectangleLbl", "Pyramid_RectangleImg"},
    {"Pyramid_EquilateralTriangleLbl", "Pyramid_EquilateralTriangleImg"},
    {"Pyramid_NAngleLbl", "Pyramid_NAngleImg"},
    {"PrismLbl", ""},
    {"Prism_GeneralLbl", "Prism_GeneralImg"},
    {"Prism_TriangleLbl", "Prism_TriangleImg"},
    {"Prism_NAngleLbl", "Prism_NAngleImg"},
    {"Prism_CircularRingLbl", "Prism_CircularRingImg"},
    {"TruncatedConeLbl", "TruncatedConeImg"},
    {"TruncatedPyramidLbl", ""},
    {"TruncatedPyramid_GeneralLbl", "TruncatedPyramid_GeneralImg"},
    {"TruncatedPyramid_SquareLbl", "TruncatedPyramid_SquareImg"},
    {"TruncatedPyramid_RectangleLbl", "TruncatedPyramid_RectangleImg"},
    {"TruncatedPyramid_EquilateralTriangleLbl", "TruncatedPyramid_EquilateralTriangleImg"},
    {"TruncatedPyramid_NAngleLbl", "TruncatedPyramid_NAngleImg"},
    {"CylindricalTankLbl", "CylindricalTankImg"},
    {"SphericalSegmentLbl", "SphericalSegmentImg"},
    {"SphericalSectorLbl", "SphericalSectorImg"},
    {"SphericalFrustumLbl", "SphericalFrustumImg"},
};

const std::pair<const char*, const char*> PlanePage[] = {
    {"SquareL", "Square"},
    {"RectangleL", "Rectangle"},
    {"RhombusL", "Rhombus"},
    {"ParallelogramL", "Parallelogram"},
    {"TriangleL", ""},
    {"Triangle_GeneralL", "Triangle_General"},
    {"Triangle_HeronL", "Triangle_Heron"},
    {"TrapezoidL", "Trapezoid"},
    {"CircleL", "Circle"},
    {"NAngleL", "NAngle"},
    {"CircularRingL", "CircularRing"},
    {"SegmentOfCircleL", "SegmentOfCircle"},
    {"SectorOfCircleL", "SectorOfCircle"},
};

QLabel* Child(const QWidget* AWindow, const char* AName) {
    return AWindow->findChild<QLabel*>(QLatin1String(AName));
}

void Wheel(QWidget* ATarget, int AAngleDelta) {
    const QPointF position(ATarget->rect().center());
    QWheelEvent event(position, ATarget->mapToGlobal(position), QPoint(), QPoint(0, AAngleDelta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ATarget, &event);
}

void ShowActive(QWidget* AWindow) {
    AWindow->show();
    QApplication::setActiveWindow(AWindow);
    QVERIFY(QTest::qWaitForWindowActive(AWindow));
}

} // namespace

Q_DECLARE_METATYPE(TSheetKind)

class TestFormulas : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // The sheets
    void everyImageHoldsItsPicture_data();
    void everyImageHoldsItsPicture();
    void captionsAreTexts_data();
    void captionsAreTexts();
    void textsOfSolidSheet();
    void solidSheetFollowsThePageDescription();
    void textsOfPlaneSheet();
    void captionFonts_data();
    void captionFonts();
    void pageIsStacked_data();
    void pageIsStacked();
    void windowSizeAndScrolling_data();
    void windowSizeAndScrolling();
    void wheelScrollsByNotches_data();
    void wheelScrollsByNotches();
    void undecodablePictureStopsLoading_data();
    void undecodablePictureStopsLoading();
    void solidSheetClosesOnKey_data();
    void solidSheetClosesOnKey();
    void planeSheetClosesOnKeyAndIsDestroyed_data();
    void planeSheetClosesOnKeyAndIsDestroyed();
    void menuOpensOnePlaneSheet();
    void closingSolidSheetClosesPlaneSheet();
    void planeSheetTakesSolidSheetStyle();

private:
    GuiTest::TAppTestEnvironment Environment;
};

void TestFormulas::init() {
    Environment.Settings().Clear();
}

void TestFormulas::cleanup() {
    Environment.LanguageManager().Load(QStringLiteral("English"));
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        if (window->isVisible())
            window->close();
}

// The sheets

void TestFormulas::everyImageHoldsItsPicture_data() {
    QTest::addColumn<TSheetKind>("kind");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("picture");
    for (const char* image : SolidImages) {
        const QString name = QLatin1String(image);
        QTest::addRow("solids %s", image)
            << TSheetKind::Solids << name << name.chopped(3).toUpper();
    }
    for (const char* image : PlaneImages)
        QTest::addRow("plane figures %s", image)
            << TSheetKind::PlaneFigures << QString::fromLatin1(image)
            << QString::fromLatin1(image).toUpper();
}

void TestFormulas::everyImageHoldsItsPicture() {
    QFETCH(TSheetKind, kind);
    QFETCH(QString, image);
    QFETCH(QString, picture);
    const auto sheet = MakeSheet(kind);
    auto* control = sheet->findChild<QLabel*>(image);
    QVERIFY(control);
    QVERIFY(!control->pixmap().isNull());
    QCOMPARE(control->size(), ResourceSize(QStringLiteral("GIF_FORMULA"), picture));
    QCOMPARE(control->x(), TFormulaSheet::PageLeft);
}

void TestFormulas::captionsAreTexts_data() {
    QTest::addColumn<TSheetKind>("kind");
    QTest::addColumn<QString>("language");
    for (const char* language : {"English", "Czech", "Slovak"}) {
        QTest::addRow("solids %s", language) << TSheetKind::Solids << QString::fromLatin1(language);
        QTest::addRow("plane figures %s", language)
            << TSheetKind::PlaneFigures << QString::fromLatin1(language);
    }
}

void TestFormulas::captionsAreTexts() {
    QFETCH(TSheetKind, kind);
    QFETCH(QString, language);
    QVERIFY(Environment.LanguageManager().Load(language));
    const auto sheet = MakeSheet(kind);
    QStringList texts{sheet->windowTitle()};
    const auto& page = kind == TSheetKind::Solids ? std::begin(SolidPage) : std::begin(PlanePage);
    const auto& end = kind == TSheetKind::Solids ? std::end(SolidPage) : std::end(PlanePage);
    for (auto it = page; it != end; ++it) {
        QLabel* caption = Child(sheet.get(), it->first);
        QVERIFY2(caption, it->first);
        texts << caption->text();
    }
    if (kind == TSheetKind::Solids)
        texts << sheet->findChild<QAction*>(QStringLiteral("MPlanimetry"))->text();
    for (const QString& text : std::as_const(texts)) {
        QVERIFY(!text.isEmpty());
        QVERIFY2(!text.contains(TLanguageFile::Undefined), qPrintable(text));
    }
}

void TestFormulas::textsOfSolidSheet() {
    TFormStereometricalFormulas sheet(nullptr);
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Formulas of solids"));
    QCOMPARE(sheet.MPlanimetryItem()->text(), QStringLiteral("Formulas of plane figures"));
    const std::pair<const char*, const char*> expected[] = {
        {"CubeLbl", "Cube"},
        {"TruncatedPyramidLbl", "Truncated pyramid"},
        {"SphericalFrustumLbl", "Spherical frustum"},
        {"Pyramid_GeneralLbl", "General"},
        {"Prism_GeneralLbl", "General"},
        {"TruncatedPyramid_GeneralLbl", "General"},
        {"Pyramid_TetrahedronLbl", "Tetrahedron"},
        {"Pyramid_SquareLbl", "Base: square"},
        {"TruncatedPyramid_SquareLbl", "Base: square"},
        {"Pyramid_RectangleLbl", "Base: rectangle"},
        {"TruncatedPyramid_RectangleLbl", "Base: rectangle"},
        {"Pyramid_EquilateralTriangleLbl", "Base: equilateral triangle"},
        {"TruncatedPyramid_EquilateralTriangleLbl", "Base: equilateral triangle"},
        {"Pyramid_NAngleLbl", "Base: regular n-gon"},
        {"Prism_NAngleLbl", "Base: regular n-gon"},
        {"TruncatedPyramid_NAngleLbl", "Base: regular n-gon"},
        {"Prism_TriangleLbl", "Base: triangle"},
        {"Prism_CircularRingLbl", "Base: circular ring"},
    };
    for (const auto& [name, text] : expected)
        QCOMPARE(Child(&sheet, name)->text(), QString::fromUtf8(text));
}

// Every solid of the page description, in its order, under its title; every
// formula picture its variants and its page name is on the sheet, each once.
void TestFormulas::solidSheetFollowsThePageDescription() {
    const auto original = TFormulaSheet::LoadPicture;
    const auto restore = qScopeGuard([&] { TFormulaSheet::LoadPicture = original; });
    QStringList loaded;
    TFormulaSheet::LoadPicture = [&](const QString& AName, QLabel* AImage) {
        loaded << AName;
        original(AName, AImage);
    };
    TFormStereometricalFormulas sheet(nullptr);
    QStringList described;
    int previousTop = -1;
    for (int i = 0; i < PageCount; ++i) {
        const TPageDesc& page = PageDesc(TPage(i));
        const QString name = QLatin1String(page.Solid()) + QStringLiteral("Lbl");
        QLabel* caption = sheet.findChild<QLabel*>(name);
        QVERIFY2(caption, qPrintable(name));
        QCOMPARE(caption->text(), DescribedText(page.Title));
        QVERIFY2(caption->y() > previousTop, qPrintable(name));
        previousTop = caption->y();
        if (page.GeneralFormula)
            described << QLatin1String(page.GeneralFormula);
        for (TVariant variant : page.Variants) {
            const QString picture = QLatin1String(VariantDesc(variant).PictureName);
            if (!picture.isEmpty() && !described.contains(picture))
                described << picture;
        }
    }
    QCOMPARE(loaded, described);
}

void TestFormulas::textsOfPlaneSheet() {
    const auto sheet = MakeSheet(TSheetKind::PlaneFigures);
    QCOMPARE(sheet->windowTitle(), QStringLiteral("Formulas of plane figures"));
    // Names are capitalised; the two triangle variants are shown as written.
    const std::pair<const char*, const char*> expected[] = {
        {"SquareL", "Square"},
        {"NAngleL", "Regular n-gon"},
        {"SegmentOfCircleL", "Circular segment"},
        {"TriangleL", "Triangle"},
        {"Triangle_GeneralL", "General"},
        {"Triangle_HeronL", "Heron's formula"},
    };
    for (const auto& [name, text] : expected)
        QCOMPARE(Child(sheet.get(), name)->text(), QString::fromUtf8(text));

    QVERIFY(Environment.LanguageManager().Load(QStringLiteral("Czech")));
    const auto czech = MakeSheet(TSheetKind::PlaneFigures);
    const QString lower = Languages->ActiveFile().ReadString(QStringLiteral("TPlaneFigure"),
                                                             QStringLiteral("CircularRing"));
    const QString shown = Child(czech.get(), "CircularRingL")->text();
    QCOMPARE(shown.mid(1), lower.mid(1));
    QCOMPARE(shown.left(1), lower.left(1).toUpper());
}

void TestFormulas::captionFonts_data() {
    QTest::addColumn<TSheetKind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QColor>("color");
    const QColor navy(0, 0, 128), maroon(128, 0, 0);
    for (const auto& [caption, image] : SolidPage) {
        const bool variant = QByteArray(caption).contains('_');
        QTest::addRow("solids %s", caption) << TSheetKind::Solids << QString::fromLatin1(caption)
                                            << (variant ? 12 : 15) << (variant ? maroon : navy);
    }
    for (const auto& [caption, image] : PlanePage) {
        const bool variant = QByteArray(caption).startsWith("Triangle_");
        QTest::addRow("plane figures %s", caption)
            << TSheetKind::PlaneFigures << QString::fromLatin1(caption) << (variant ? 12 : 13)
            << (variant ? maroon : navy);
    }
}

void TestFormulas::captionFonts() {
    QFETCH(TSheetKind, kind);
    QFETCH(QString, caption);
    QFETCH(int, pixelSize);
    QFETCH(QColor, color);
    const auto sheet = MakeSheet(kind);
    auto* label = sheet->findChild<QLabel*>(caption);
    QVERIFY(label);
    QCOMPARE(label->font().family(), QStringLiteral("Verdana"));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->palette().color(QPalette::WindowText), color);
    QCOMPARE(label->x(), TFormulaSheet::PageLeft);
}

void TestFormulas::pageIsStacked_data() {
    QTest::addColumn<TSheetKind>("kind");
    QTest::newRow("solids") << TSheetKind::Solids;
    QTest::newRow("plane figures") << TSheetKind::PlaneFigures;
}

void TestFormulas::pageIsStacked() {
    QFETCH(TSheetKind, kind);
    const auto sheet = MakeSheet(kind);
    const auto begin = kind == TSheetKind::Solids ? std::begin(SolidPage) : std::begin(PlanePage);
    const auto end = kind == TSheetKind::Solids ? std::end(SolidPage) : std::end(PlanePage);
    QLabel* previous = nullptr;
    bool previousIsImage = false;
    for (auto it = begin; it != end; ++it) {
        QLabel* caption = Child(sheet.get(), it->first);
        QVERIFY(caption->height() > 0);
        // 16 from the top, 32 below a picture, 16 below a heading.
        const int expectedTop =
            !previous ? 16 : previous->y() + previous->height() + (previousIsImage ? 32 : 16);
        QCOMPARE(caption->y(), expectedTop);
        previous = caption;
        previousIsImage = false;
        if (*it->second) {
            QLabel* image = Child(sheet.get(), it->second);
            QCOMPARE(image->y(), caption->y() + caption->height() + 16);
            previous = image;
            previousIsImage = true;
        }
    }
    QLabel* endLabel = Child(sheet.get(), "EndLabel");
    QCOMPARE(endLabel->y(), previous->y() + previous->height());
    QCOMPARE(endLabel->height(), 16);
    QCOMPARE(sheet->Page()->minimumHeight(), previous->y() + previous->height() + 16);
}

void TestFormulas::windowSizeAndScrolling_data() {
    QTest::addColumn<TSheetKind>("kind");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QPoint>("frameCancel");
    QTest::newRow("solids") << TSheetKind::Solids << QSize(530, 660) << QPoint(0, -150);
    QTest::newRow("plane figures")
        << TSheetKind::PlaneFigures << QSize(405, 626) << QPoint(-150, 0);
}

void TestFormulas::windowSizeAndScrolling() {
    QFETCH(TSheetKind, kind);
    QFETCH(QSize, outer);
    QFETCH(QPoint, frameCancel);
    QWidget owner;
    owner.setGeometry(200, 150, 448, 336);
    owner.show();
    const auto sheet = MakeSheet(kind, &owner);
    QVERIFY(!sheet->isModal() || kind == TSheetKind::Solids);
    sheet->show();
    QVERIFY(QTest::qWaitForWindowExposed(sheet.get()));
    QCOMPARE(sheet->frameGeometry().size(), outer);
    QCOMPARE(sheet->minimumSize(), sheet->maximumSize()); // the user cannot resize it
    // Centred on its owner, kept inside the screen.
    const QRect screen = owner.screen()->availableGeometry();
    QRect centred(QPoint(), outer);
    centred.moveCenter(owner.frameGeometry().center());
    if (centred.bottom() > screen.bottom())
        centred.moveBottom(screen.bottom());
    if (centred.top() < screen.top())
        centred.moveTop(screen.top());
    QCOMPARE(sheet->frameGeometry().topLeft(), centred.topLeft());
    QCOMPARE(sheet->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(sheet->ScrollArea()->viewport()->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(sheet->FrameCancel()->pos(), frameCancel);

    QScrollArea* area = sheet->ScrollArea();
    QScrollBar* bar = area->verticalScrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->width(), TFormulaSheet::ScrollBarWidth);
    QVERIFY(!area->horizontalScrollBar()->isVisible());
    QVERIFY(bar->hasTracking());
    // Every picture fits beside the scroll bar.
    QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
    for (QLabel* label : sheet->Page()->findChildren<QLabel*>())
        QVERIFY2(label->geometry().right() < area->viewport()->width(),
                 qPrintable(label->objectName()));
    QCOMPARE(bar->maximum(), sheet->Page()->minimumHeight() - area->viewport()->height());

    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(bar->value(), 30);
    QCOMPARE(sheet->Page()->y(), -30);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(bar->value(), 0);
    // The arrow keys step as the scroll bar's arrows do.
    QTest::keyClick(area, Qt::Key_Down);
    QCOMPARE(bar->value(), 30);
    QTest::keyClick(area, Qt::Key_PageDown);
    QCOMPARE(bar->value(), 30 + bar->pageStep());
    QVERIFY(sheet->isVisible());
}

void TestFormulas::wheelScrollsByNotches_data() {
    QTest::addColumn<TSheetKind>("kind");
    QTest::newRow("solids") << TSheetKind::Solids;
    QTest::newRow("plane figures") << TSheetKind::PlaneFigures;
}

void TestFormulas::wheelScrollsByNotches() {
    QFETCH(TSheetKind, kind);
    const auto sheet = MakeSheet(kind);
    sheet->show();
    QVERIFY(QTest::qWaitForWindowExposed(sheet.get()));
    QScrollBar* bar = sheet->ScrollArea()->verticalScrollBar();
    QWidget* viewport = sheet->ScrollArea()->viewport();

    Wheel(viewport, -120); // one notch down
    QCOMPARE(bar->value(), 30);
    Wheel(viewport, -240);
    QCOMPARE(bar->value(), 90);
    Wheel(bar, 120); // over the scroll bar itself
    QCOMPARE(bar->value(), 60);
    // Half notches of a fine wheel add up to one.
    Wheel(viewport, -60);
    QCOMPARE(bar->value(), 60);
    Wheel(viewport, -60);
    QCOMPARE(bar->value(), 90);

    // Clamped at both ends of the range.
    Wheel(viewport, 120 * 10);
    QCOMPARE(bar->value(), 0);
    bar->setValue(bar->maximum() - 10);
    Wheel(viewport, -120);
    QCOMPARE(bar->value(), bar->maximum());
    Wheel(viewport, -120);
    QCOMPARE(bar->value(), bar->maximum());
}

void TestFormulas::undecodablePictureStopsLoading_data() {
    QTest::addColumn<TSheetKind>("kind");
    QTest::addColumn<QString>("badPicture");
    QTest::addColumn<QStringList>("loaded");
    QTest::addColumn<QStringList>("empty");
    QTest::newRow("solids") << TSheetKind::Solids << QStringLiteral("SPHERE")
                            << QStringList{"CubeImg", "BlockImg"}
                            << QStringList{"SphereImg", "ConeImg", "SphericalFrustumImg"};
    QTest::newRow("plane figures")
        << TSheetKind::PlaneFigures << QStringLiteral("SQUARE") << QStringList{}
        << QStringList{"Square", "Rectangle", "SectorOfCircle"};
}

void TestFormulas::undecodablePictureStopsLoading() {
    QFETCH(TSheetKind, kind);
    QFETCH(QString, badPicture);
    QFETCH(QStringList, loaded);
    QFETCH(QStringList, empty);
    const auto original = TFormulaSheet::LoadPicture;
    const auto restore = qScopeGuard([&] { TFormulaSheet::LoadPicture = original; });
    QStringList asked;
    TFormulaSheet::LoadPicture = [&](const QString& AName, QLabel* AImage) {
        asked << AName;
        if (AName == badPicture)
            throw EInvalidGraphic(AName);
        original(AName, AImage);
    };
    const auto sheet = MakeSheet(kind);
    QCOMPARE(asked.size(), loaded.size() + 1);
    QCOMPARE(asked.last(), badPicture);
    for (const QString& name : std::as_const(loaded))
        QVERIFY(!sheet->findChild<QLabel*>(name)->pixmap().isNull());
    for (const QString& name : std::as_const(empty)) {
        QVERIFY(sheet->findChild<QLabel*>(name)->pixmap().isNull());
        QCOMPARE(sheet->findChild<QLabel*>(name)->height(), 0);
    }
    // Texts and layout still follow.
    const char* last = kind == TSheetKind::Solids ? "SphericalFrustumLbl" : "SectorOfCircleL";
    QVERIFY(!Child(sheet.get(), last)->text().isEmpty());
    QVERIFY(Child(sheet.get(), last)->y() > Child(sheet.get(), "EndLabel")->y() - 100);
    QVERIFY(Child(sheet.get(), "EndLabel")->y() > 16);
}

void TestFormulas::solidSheetClosesOnKey_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void TestFormulas::solidSheetClosesOnKey() {
    QFETCH(int, key);
    TFormStereometricalFormulas sheet(nullptr);
    bool pressed = false;
    QTimer::singleShot(0, &sheet, [&] {
        QApplication::setActiveWindow(&sheet);
        QTest::keyClick(sheet.ScrollArea(), Qt::Key(key));
        pressed = true;
    });
    // Only reached when the key failed to close the sheet.
    QTimer::singleShot(3000, &sheet, [&] { sheet.done(99); });
    QCOMPARE(sheet.exec(), int(QDialog::Rejected));
    QVERIFY(pressed);
}

void TestFormulas::planeSheetClosesOnKeyAndIsDestroyed_data() {
    solidSheetClosesOnKey_data();
}

void TestFormulas::planeSheetClosesOnKeyAndIsDestroyed() {
    QFETCH(int, key);
    QPointer<TFormPlanimetricalFormulas> sheet = new TFormPlanimetricalFormulas(nullptr);
    ShowActive(sheet);
    QTest::keyClick(sheet->ScrollArea(), Qt::Key(key));
    QTRY_VERIFY(sheet.isNull());
}

void TestFormulas::menuOpensOnePlaneSheet() {
    TFormStereometricalFormulas sheet(nullptr);
    QList<QPointer<TFormPlanimetricalFormulas>> opened;
    bool stillModal = false;
    QTimer::singleShot(0, &sheet, [&] {
        auto* menu = sheet.findChild<QMenuBar*>(QStringLiteral("Menu"));
        QAction* item = sheet.MPlanimetryItem();
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            opened << sheet.PlanimetricalFormulas();
        }
        stillModal = sheet.isVisible() && QApplication::activeModalWidget() == &sheet;
        sheet.reject();
    });
    QTimer::singleShot(3000, &sheet, [&] { sheet.done(99); });
    sheet.exec();
    QCOMPARE(opened.size(), 2);
    QVERIFY(opened[0]);
    QCOMPARE(opened[0], opened[1]);
    QVERIFY(stillModal);
    QCOMPARE(opened[0]->parentWidget(), &sheet);
    QVERIFY(!opened[0]->isModal());
}

void TestFormulas::closingSolidSheetClosesPlaneSheet() {
    TFormStereometricalFormulas sheet(nullptr);
    QPointer<TFormPlanimetricalFormulas> plane;
    bool planeShown = false;
    QTimer::singleShot(0, &sheet, [&] {
        sheet.MPlanimetryItem()->trigger();
        plane = sheet.PlanimetricalFormulas();
        planeShown = plane && plane->isVisible();
        QApplication::setActiveWindow(&sheet);
        QTest::keyClick(sheet.ScrollArea(), Qt::Key_Escape);
    });
    QTimer::singleShot(3000, &sheet, [&] { sheet.done(99); });
    QCOMPARE(sheet.exec(), int(QDialog::Rejected));
    QVERIFY(planeShown);
    QTRY_VERIFY(plane.isNull());
    QVERIFY(!sheet.PlanimetricalFormulas());

    // A closed plane sheet is forgotten; the next click makes a new one.
    sheet.MPlanimetryClick();
    QVERIFY(sheet.PlanimetricalFormulas());
    QVERIFY(sheet.PlanimetricalFormulas()->isVisible());
}

void TestFormulas::planeSheetTakesSolidSheetStyle() {
    TFormStereometricalFormulas sheet(nullptr);
    sheet.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    sheet.show();
    sheet.MPlanimetryClick();
    QVERIFY(sheet.PlanimetricalFormulas()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

QTEST_MAIN(TestFormulas)
#include "tst_Formulas.moc"
