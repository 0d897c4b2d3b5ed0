// The pages of the computation window: which entries each variant shows and
// where, their captions, the variant controls, the count entries, the entry
// letters and the picture and solid type of each variant.
#include "AppTestEnvironment.h"
#include "ComputationWindowFixture.h"
#include "Computations.h"
#include "LabeledEdit.h"
#include "SeparatorGuard.h"
#include "UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

namespace {

struct TPageWindow : TOpenWindow {
    using TOpenWindow::TOpenWindow;
    // The visible entries of the page, top to bottom, as "name@top".
    QStringList VisibleEntries(const QStringList& ANames) const {
        QList<QPair<int, QString>> shown;
        for (const QString& name : ANames) {
            QLineEdit* edit = Entry(name);
            if (edit->isVisible()) {
                shown.append({edit->y(), name + QLatin1Char('@') + QString::number(edit->y())});
                const QLabel* caption = static_cast<TLabeledEdit*>(edit)->EditLabel();
                if (!caption->isVisible())
                    shown.append({-1, name + QStringLiteral(" without caption")});
            }
        }
        std::stable_sort(shown.begin(), shown.end(),
                         [](const auto& A, const auto& B) { return A.first < B.first; });
        QStringList result;
        for (const auto& item : shown)
            result.append(item.second);
        return result;
    }
};

const QStringList PyramidEntries{"Pyramid_N", "Pyramid_A", "Pyramid_B", "Pyramid_V"};
const QStringList PrismEntries{"Prism_N", "Prism_E1", "Prism_E2", "Prism_E3", "Prism_V"};
const QStringList TruncatedPyramidEntries{"TruncatedPyramid_N", "TruncatedPyramid_E1",
                                          "TruncatedPyramid_E2", "TruncatedPyramid_E3",
                                          "TruncatedPyramid_V"};

} // namespace

class TestComputationPages : public QObject {
    Q_OBJECT
private slots:
    void init();
    void variantPagesStartEmpty_data();
    void variantPagesStartEmpty();
    void pyramidVariants_data();
    void pyramidVariants();
    void tetrahedronCaptionTogglesTheBox();
    void variantChangeClearsTheEntries();
    void countTypingFilter_data();
    void countTypingFilter();
    void countSpinnerStaysAboveTwo();
    void prismVariants_data();
    void prismVariants();
    void truncatedPyramidVariants_data();
    void truncatedPyramidVariants();
    void truncatedPyramidSideChoice();
    void sphericalSegmentRadiusChoice();
    void baseListsAndTheirCaptions();
    void entryLettersBesideTheirEntries_data();
    void entryLettersBesideTheirEntries();
    void refusedKeyInAnEntrySaysWhatItTakes();
    void numberTypedOnAVariantControl_data();
    void numberTypedOnAVariantControl();
    void sideChoiceComesAfterTheHeight();

private:
    GuiTest::TAppTestEnvironment Environment;
};

void TestComputationPages::init() {
    Environment.Settings().Clear();
}

void TestComputationPages::variantPagesStartEmpty_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("pyramid") << int(pgPyramid) << PyramidEntries;
    QTest::newRow("prism") << int(pgPrism) << PrismEntries;
    QTest::newRow("truncated pyramid") << int(pgTruncatedPyramid) << TruncatedPyramidEntries;
}

void TestComputationPages::variantPagesStartEmpty() {
    QFETCH(int, page);
    QFETCH(QStringList, entries);
    TPageWindow open(page);
    QCOMPARE(open.VisibleEntries(entries), QStringList());
    QCOMPARE(open.Volume(), QStringLiteral("---"));
    QCOMPARE(open.Window->GetPictureName(), QString());
    QCOMPARE(open.Window->SolidType(), stNone);
    // No draft without a variant: the button pops up again.
    QVERIFY(!open.Control<QToolButton>(QStringLiteral("BDraft"))->isChecked());
    const auto letters = open.Window->findChildren<QLabel*>(QRegularExpression("_EL$"));
    QVERIFY(!letters.isEmpty());
    for (const QLabel* letter : letters)
        QVERIFY2(!letter->isVisible(), qPrintable(letter->objectName()));
}

void TestComputationPages::pyramidVariants_data() {
    QTest::addColumn<int>("base"); // -1: the tetrahedron box checked; -2: checked and unchecked
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("count"); // the visible count entry's text and state
    QTest::addColumn<QString>("captionA");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("solidType");
    QTest::newRow("square") << 0 << QStringList{"Pyramid_N@88", "Pyramid_A@128", "Pyramid_V@168"}
                            << "4 disabled"
                            << "Base side"
                            << "PYRAMID_SQUARE" << int(stPyramid_NAngle);
    QTest::newRow("rectangle") << 1 << QStringList{"Pyramid_A@88", "Pyramid_B@128", "Pyramid_V@168"}
                               << " enabled"
                               << "Base side a"
                               << "PYRAMID_RECTANGLE" << int(stPyramid_Rectangle);
    QTest::newRow("equilateral triangle")
        << 2 << QStringList{"Pyramid_N@88", "Pyramid_A@128", "Pyramid_V@168"} << "3 disabled"
        << "Base side"
        << "PYRAMID_EQUILATERALTRIANGLE" << int(stPyramid_NAngle);
    QTest::newRow("regular n-gon")
        << 3 << QStringList{"Pyramid_N@88", "Pyramid_A@128", "Pyramid_V@168"} << " enabled"
        << "Base side"
        << "PYRAMID_NANGLE" << int(stPyramid_NAngle);
    QTest::newRow("tetrahedron") << -1 << QStringList{"Pyramid_A@128"} << " enabled"
                                 << "Edge"
                                 << "PYRAMID_TETRAHEDRON" << int(stPyramid_Tetrahedron);
    QTest::newRow("tetrahedron unchecked") << -2 << QStringList{} << " enabled"
                                           << "Base side"
                                           << "" << int(stNone);
}

void TestComputationPages::pyramidVariants() {
    QFETCH(int, base);
    QFETCH(QStringList, shown);
    QFETCH(QString, count);
    QFETCH(QString, captionA);
    QFETCH(QString, picture);
    QFETCH(int, solidType);
    TPageWindow open(pgPyramid);
    auto* box = open.Control<QCheckBox>(QStringLiteral("Pyramid_Tetrahedron"));
    auto* list = open.Control<QComboBox>(QStringLiteral("Pyramid_Base"));
    // A base chosen before the box is checked is cleared by it.
    open.Choose(QStringLiteral("Pyramid_Base"), 2);
    if (base >= 0)
        open.Choose(QStringLiteral("Pyramid_Base"), base);
    if (base <= -1)
        box->setChecked(true);
    if (base == -2)
        box->setChecked(false);

    QCOMPARE(open.VisibleEntries(PyramidEntries), shown);
    QLineEdit* countEntry = open.Entry(QStringLiteral("Pyramid_N"));
    // A hidden count is neither read nor cleared.
    if (countEntry->isVisible())
        QCOMPARE(countEntry->text() + (countEntry->isEnabled() ? " enabled" : " disabled"), count);
    QCOMPARE(open.Control(QStringLiteral("Pyramid_N_UD"))->isVisible(), countEntry->isVisible());
    QCOMPARE(open.Control(QStringLiteral("Pyramid_N_UD"))->isEnabled(), countEntry->isEnabled());
    if (open.Entry(QStringLiteral("Pyramid_A"))->isVisible())
        QCOMPARE(open.Caption(QStringLiteral("Pyramid_A")), captionA);
    QCOMPARE(open.Window->GetPictureName(), picture);
    QCOMPARE(int(open.Window->SolidType()), solidType);
    QCOMPARE(list->isEnabled(), base != -1);
    QCOMPARE(open.Control(QStringLiteral("Pyramid_Base_L"))->isEnabled(), base != -1);
    if (base < 0)
        QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(open.Volume(), QStringLiteral("---"));
}

void TestComputationPages::tetrahedronCaptionTogglesTheBox() {
    TPageWindow open(pgPyramid);
    auto* box = open.Control<QCheckBox>(QStringLiteral("Pyramid_Tetrahedron"));
    auto* caption = open.Control<QLabel>(QStringLiteral("Pyramid_Tetrahedron_L"));
    QCOMPARE(caption->text(), QStringLiteral("Tetrahedron"));
    QSignalSpy toggled(box, &QCheckBox::toggled);
    QTest::mouseClick(caption, Qt::LeftButton);
    QVERIFY(box->isChecked());
    QVERIFY(open.Entry(QStringLiteral("Pyramid_A"))->isVisible());
    QTest::mouseClick(caption, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QCOMPARE(toggled.count(), 2);

    // A double click is two clicks, on the caption as on the box itself.
    auto doubleClick = [](QWidget* AWidget) {
        QTest::mousePress(AWidget, Qt::LeftButton);
        QTest::mouseRelease(AWidget, Qt::LeftButton);
        QTest::mouseDClick(AWidget, Qt::LeftButton);
        QTest::mouseRelease(AWidget, Qt::LeftButton);
    };
    toggled.clear();
    doubleClick(box);
    const int byBox = int(toggled.count());
    const bool checkedByBox = box->isChecked();
    toggled.clear();
    doubleClick(caption);
    QCOMPARE(int(toggled.count()), byBox);
    QCOMPARE(box->isChecked(), checkedByBox);
    QCOMPARE(toggled.count(), 2);
}

void TestComputationPages::variantChangeClearsTheEntries() {
    TPageWindow open(pgPyramid);
    open.Choose(QStringLiteral("Pyramid_Base"), 0);
    open.Entry(QStringLiteral("Pyramid_A"))->setText(QStringLiteral("2"));
    open.Entry(QStringLiteral("Pyramid_V"))->setText(QStringLiteral("3"));
    QCOMPARE(open.Volume(), QStringLiteral("4.00"));
    // The same entries would fit the triangle too, yet the page starts afresh.
    open.Choose(QStringLiteral("Pyramid_Base"), 2);
    QCOMPARE(open.Volume(), QStringLiteral("---"));
    QCOMPARE(open.Window->SolidFigure(), nullptr);
    QVERIFY(open.Entry(QStringLiteral("Pyramid_A"))->text().isEmpty());
    QVERIFY(open.Entry(QStringLiteral("Pyramid_V"))->text().isEmpty());
    QCOMPARE(open.Entry(QStringLiteral("Pyramid_N"))->text(), QStringLiteral("3"));
    QCOMPARE(QApplication::focusWidget(), open.Entry(QStringLiteral("Pyramid_A")));
    // The n-gon frees the count and clears it.
    open.Choose(QStringLiteral("Pyramid_Base"), 3);
    QVERIFY(open.Entry(QStringLiteral("Pyramid_N"))->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), open.Entry(QStringLiteral("Pyramid_N")));
}

void TestComputationPages::countTypingFilter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<char>("separator");
    QTest::newRow("digits") << "12"
                            << "12" << '.';
    QTest::newRow("point separator") << "1.5"
                                     << "15" << '.';
    QTest::newRow("comma separator") << "1,5"
                                     << "15" << ',';
    QTest::newRow("asterisk") << "*7"
                              << "7" << '.';
    QTest::newRow("leading zero") << "05"
                                  << "5" << '.';
    QTest::newRow("zero after a digit") << "10"
                                        << "10" << '.';
    QTest::newRow("letters and signs") << "a-+e"
                                       << "" << '.';
}

void TestComputationPages::countTypingFilter() {
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(char, separator);
    const TSeparatorGuard guard(separator);
    TPageWindow open(pgPyramid);
    open.Choose(QStringLiteral("Pyramid_Base"), 3);
    QLineEdit* count = open.Entry(QStringLiteral("Pyramid_N"));
    QCOMPARE(count->maxLength(), 4);
    QTest::keyClicks(count, typed);
    QCOMPARE(count->text(), after);
}

void TestComputationPages::countSpinnerStaysAboveTwo() {
    TPageWindow open(pgPyramid);
    open.Choose(QStringLiteral("Pyramid_Base"), 3);
    auto* spinner = open.Control<TUpDown>(QStringLiteral("Pyramid_N_UD"));
    QCOMPARE(spinner->Min(), 3);
    QCOMPARE(spinner->Max(), 9999);
    QLineEdit* count = open.Entry(QStringLiteral("Pyramid_N"));
    // Right of its edit, at the edit's top.
    QCOMPARE(spinner->x(), count->x() + count->width());
    QCOMPARE(spinner->y(), count->y());
    open.Entry(QStringLiteral("Pyramid_A"))->setText(QStringLiteral("2"));
    open.Entry(QStringLiteral("Pyramid_V"))->setText(QStringLiteral("3"));
    QTest::keyClicks(count, QStringLiteral("2"));
    QCOMPARE(open.Volume(), QStringLiteral("n > 2"));
    spinner->SetPosition(3);
    spinner->StepDown();
    QCOMPARE(spinner->Position(), 3);
    spinner->StepUp();
    QCOMPARE(count->text(), QStringLiteral("4"));
    // The spinner's text is calculated like typed text: a square base of side 2.
    QCOMPARE(open.Volume(), QStringLiteral("4.00"));
}

void TestComputationPages::prismVariants_data() {
    QTest::addColumn<int>("base");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("captionE2");
    QTest::addColumn<QString>("captionE3");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("solidType");
    QTest::newRow("triangle") << 0
                              << QStringList{"Prism_E1@68", "Prism_E2@108", "Prism_E3@148",
                                             "Prism_V@188"}
                              << "Base side b"
                              << "Base side c"
                              << "PRISM_TRIANGLE" << int(stPrism_Triangle);
    QTest::newRow("regular n-gon")
        << 1 << QStringList{"Prism_N@88", "Prism_E3@128", "Prism_V@168"} << ""
        << "Base side"
        << "PRISM_NANGLE" << int(stPrism_NAngle);
    QTest::newRow("circular ring")
        << 2 << QStringList{"Prism_E2@88", "Prism_E3@128", "Prism_V@168"} << "Outer radius of base"
        << "Inner radius of base"
        << "PRISM_CIRCULARRING" << int(stPrism_CircularRing);
}

void TestComputationPages::prismVariants() {
    QFETCH(int, base);
    QFETCH(QStringList, shown);
    QFETCH(QString, captionE2);
    QFETCH(QString, captionE3);
    QFETCH(QString, picture);
    QFETCH(int, solidType);
    TPageWindow open(pgPrism);
    // Coming from another base: the previous layout leaves nothing behind.
    open.Choose(QStringLiteral("Prism_Base"), (base + 1) % 3);
    open.Choose(QStringLiteral("Prism_Base"), base);
    QCOMPARE(open.VisibleEntries(PrismEntries), shown);
    if (!captionE2.isEmpty())
        QCOMPARE(open.Caption(QStringLiteral("Prism_E2")), captionE2);
    QCOMPARE(open.Caption(QStringLiteral("Prism_E3")), captionE3);
    QCOMPARE(open.Window->GetPictureName(), picture);
    QCOMPARE(int(open.Window->SolidType()), solidType);
    // The prism's count is never preset nor disabled.
    QVERIFY(open.Entry(QStringLiteral("Prism_N"))->text().isEmpty());
    QVERIFY(open.Entry(QStringLiteral("Prism_N"))->isEnabled());
    QCOMPARE(QApplication::focusWidget(),
             open.Entry(open.VisibleEntries(PrismEntries).first().section(QLatin1Char('@'), 0, 0)));
}

void TestComputationPages::truncatedPyramidVariants_data() {
    QTest::addColumn<int>("base");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("captionE2");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("solidType");
    const QStringList nAngle{"TruncatedPyramid_N@68", "TruncatedPyramid_E2@108",
                             "TruncatedPyramid_E3@148", "TruncatedPyramid_V@188"};
    QTest::newRow("square") << 0 << nAngle << "4 disabled"
                            << "Upper base side"
                            << "TRUNCATEDPYRAMID_SQUARE" << int(stTruncatedPyramid_NAngle);
    QTest::newRow("rectangle") << 1
                               << QStringList{"TruncatedPyramid_E1@68", "TruncatedPyramid_E2@108",
                                              "TruncatedPyramid_E3@148", "TruncatedPyramid_V@188"}
                               << " enabled"
                               << "Upper base side b"
                               << "TRUNCATEDPYRAMID_RECTANGLE" << int(stTruncatedPyramid_Rectangle);
    QTest::newRow("equilateral triangle")
        << 2 << nAngle << "3 disabled"
        << "Upper base side"
        << "TRUNCATEDPYRAMID_EQUILATERALTRIANGLE" << int(stTruncatedPyramid_NAngle);
    QTest::newRow("regular n-gon") << 3 << nAngle << " enabled"
                                   << "Upper base side"
                                   << "TRUNCATEDPYRAMID_NANGLE" << int(stTruncatedPyramid_NAngle);
}

void TestComputationPages::truncatedPyramidVariants() {
    QFETCH(int, base);
    QFETCH(QStringList, shown);
    QFETCH(QString, count);
    QFETCH(QString, captionE2);
    QFETCH(QString, picture);
    QFETCH(int, solidType);
    TPageWindow open(pgTruncatedPyramid);
    open.Choose(QStringLiteral("TruncatedPyramid_Base"), base);
    QCOMPARE(open.VisibleEntries(TruncatedPyramidEntries), shown);
    QLineEdit* countEntry = open.Entry(QStringLiteral("TruncatedPyramid_N"));
    if (countEntry->isVisible())
        QCOMPARE(countEntry->text() + (countEntry->isEnabled() ? " enabled" : " disabled"), count);
    QCOMPARE(open.Caption(QStringLiteral("TruncatedPyramid_E2")), captionE2);
    QCOMPARE(open.Caption(QStringLiteral("TruncatedPyramid_E3")),
             QStringLiteral("Lower base side"));
    auto* side = open.Control<QComboBox>(QStringLiteral("TruncatedPyramid_Side"));
    QCOMPARE(side->isVisible(), base == 1);
    if (base == 1) {
        QLineEdit* lower = open.Entry(QStringLiteral("TruncatedPyramid_E3"));
        QCOMPARE(side->pos(), QPoint(lower->x() + lower->width(), lower->y()));
        QCOMPARE(side->currentIndex(), -1);
    }
    QCOMPARE(open.Window->GetPictureName(), picture);
    QCOMPARE(int(open.Window->SolidType()), solidType);
}

void TestComputationPages::truncatedPyramidSideChoice() {
    TPageWindow open(pgTruncatedPyramid);
    open.Choose(QStringLiteral("TruncatedPyramid_Base"), 1);
    // The draft opened with the variant: no letter beside the lower base yet.
    QVERIFY(open.Control<QToolButton>(QStringLiteral("BDraft"))->isChecked());
    auto* letter = open.Control<QLabel>(QStringLiteral("TruncatedPyramid_E3_EL"));
    auto* index = open.Control<QLabel>(QStringLiteral("TruncatedPyramid_E3i_EL"));
    QVERIFY(!letter->isVisible());
    QVERIFY(open.Control<QLabel>(QStringLiteral("TruncatedPyramid_E2_EL"))->isVisible());
    QCOMPARE(open.Control<QLabel>(QStringLiteral("TruncatedPyramid_E2_EL"))->text(),
             QStringLiteral("b"));

    open.Choose(QStringLiteral("TruncatedPyramid_Side"), 1);
    QCOMPARE(open.Caption(QStringLiteral("TruncatedPyramid_E3")),
             QStringLiteral("Lower base side b"));
    QCOMPARE(letter->text(), QStringLiteral("b"));
    QVERIFY(letter->isVisible());
    QVERIFY(index->isVisible());
    QCOMPARE(index->text(), QStringLiteral("1"));

    // Escape clears the side choice with the entries.
    QLineEdit* upper = open.Entry(QStringLiteral("TruncatedPyramid_E1"));
    upper->setText(QStringLiteral("4"));
    upper->setFocus();
    QTest::keyClick(upper, Qt::Key_Escape);
    QCOMPARE(open.Control<QComboBox>(QStringLiteral("TruncatedPyramid_Side"))->currentIndex(), -1);
    QCOMPARE(open.Caption(QStringLiteral("TruncatedPyramid_E3")),
             QStringLiteral("Lower base side"));
    QVERIFY(!letter->isVisible());
    QVERIFY(!index->isVisible());
    QCOMPARE(QApplication::focusWidget(), upper);
    QCOMPARE(open.Volume(), QStringLiteral("---"));
}

void TestComputationPages::sphericalSegmentRadiusChoice() {
    TPageWindow open(pgSphericalSegment);
    auto* ofSegment =
        open.Control<QRadioButton>(QStringLiteral("SphericalSegment_RadiusOfSegmentR"));
    auto* ofSphere = open.Control<QRadioButton>(QStringLiteral("SphericalSegment_RadiusOfSphereR"));
    auto* ofSphereLabel = open.Control<QLabel>(QStringLiteral("SphericalSegment_RadiusOfSphereL"));
    QCOMPARE(ofSegment->y(), 20);
    QCOMPARE(ofSphere->y(), 38);
    QVERIFY(ofSegment->isChecked());
    // The keyboard reaches the choice: Tab stops at the checked button.
    QVERIFY(ofSegment->focusPolicy() & Qt::TabFocus);
    QCOMPARE(ofSphereLabel->text(), QStringLiteral("Radius of sphere"));
    QCOMPARE(open.Caption(QStringLiteral("SphericalSegment_R")),
             QStringLiteral("Radius of segment"));
    QCOMPARE(open.Window->SolidType(), stSphericalSegment_RadiusOfSegment);

    QLineEdit* radius = open.Entry(QStringLiteral("SphericalSegment_R"));
    radius->setText(QStringLiteral("3"));
    open.Entry(QStringLiteral("SphericalSegment_V"))->setText(QStringLiteral("1"));
    QVERIFY(open.Window->SolidFigure());
    QTest::mouseClick(ofSphereLabel, Qt::LeftButton);
    QVERIFY(ofSphere->isChecked());
    QCOMPARE(open.Caption(QStringLiteral("SphericalSegment_R")),
             QStringLiteral("Radius of sphere"));
    QVERIFY(radius->text().isEmpty());
    QCOMPARE(open.Volume(), QStringLiteral("---"));
    QCOMPARE(open.Window->SolidType(), stSphericalSegment_RadiusOfSphere);
    QCOMPARE(open.Window->GetPictureName(), QStringLiteral("SPHERICALSEGMENT"));
    // The letter beside the radius follows the choice.
    QVERIFY(open.Control<QToolButton>(QStringLiteral("BDraft"))->isChecked());
    QVERIFY(open.Control(QStringLiteral("SphericalSegment_R_EL"))->isVisible());
    QVERIFY(!open.Control(QStringLiteral("SphericalSegment_Ro_EL"))->isVisible());

    ofSegment->click();
    QCOMPARE(open.Caption(QStringLiteral("SphericalSegment_R")),
             QStringLiteral("Radius of segment"));
    QCOMPARE(open.Window->SolidType(), stSphericalSegment_RadiusOfSegment);
    QVERIFY(!open.Control(QStringLiteral("SphericalSegment_R_EL"))->isVisible());
    QVERIFY(open.Control(QStringLiteral("SphericalSegment_Ro_EL"))->isVisible());
}

void TestComputationPages::baseListsAndTheirCaptions() {
    TPageWindow open(pgTruncatedPyramid);
    auto* list = open.Control<QComboBox>(QStringLiteral("TruncatedPyramid_Base"));
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->itemText(0), QStringLiteral("square"));
    QCOMPARE(list->itemText(2), QStringLiteral("equilateral triangle"));
    QCOMPARE(list->itemText(3), QStringLiteral("regular n-gon"));
    QCOMPARE(list->geometry().topLeft(), QPoint(136, 16));
    QCOMPARE(list->width(), 160);
    auto* caption = open.Control<QLabel>(QStringLiteral("TruncatedPyramid_Base_L"));
    QCOMPARE(caption->text(), QStringLiteral("Base"));
    QCOMPARE(caption->x() + caption->width() + 6, list->x());
    // Empty, the list says what it is for; a chosen base shows instead.
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(list->placeholderText(), QStringLiteral("Choose a base…"));
    open.Choose(QStringLiteral("TruncatedPyramid_Base"), 1);
    QCOMPARE(list->currentText(), QStringLiteral("rectangle"));

    TOpenWindow prism(pgPrism);
    auto* prismList = prism.Control<QComboBox>(QStringLiteral("Prism_Base"));
    QCOMPARE(prismList->itemText(0), QStringLiteral("triangle"));
    QCOMPARE(prismList->itemText(2), QStringLiteral("circular ring"));
    QCOMPARE(prismList->currentIndex(), -1);
    QCOMPARE(prismList->placeholderText(), QStringLiteral("Choose a base…"));
    {
        GuiTest::TLanguageSandbox czech(QStringLiteral("Czech"));
        TOpenWindow pyramid(pgPyramid);
        QCOMPARE(pyramid.Control<QComboBox>(QStringLiteral("Pyramid_Base"))->placeholderText(),
                 QStringLiteral("Zvolte podstavu…"));
    }

    // The keyboard alone chooses a base: the list is a tab stop and Down picks
    // its first item, which shows the variant's entries.
    QVERIFY(prismList->focusPolicy() & Qt::TabFocus);
    prismList->setFocus();
    QTest::keyClick(prismList, Qt::Key_Down);
    QCOMPARE(prismList->currentIndex(), 0);
    QCOMPARE(prism.Window->SolidType(), stPrism_Triangle);
}

void TestComputationPages::entryLettersBesideTheirEntries_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("base");
    QTest::addColumn<QStringList>("letters"); // "entry>letter[>index]" of the visible letters
    QTest::newRow("cone") << int(pgCone) << -1
                          << QStringList{"Cone_R>Cone_R_EL", "Cone_V>Cone_V_EL"};
    QTest::newRow("truncated cone")
        << int(pgTruncatedCone) << -1
        << QStringList{"TruncatedCone_R2>TruncatedCone_R2_EL>TruncatedCone_R2i_EL",
                       "TruncatedCone_R1>TruncatedCone_R1_EL>TruncatedCone_R1i_EL",
                       "TruncatedCone_V>TruncatedCone_V_EL"};
    QTest::newRow("spherical frustum")
        << int(pgSphericalFrustum) << -1
        << QStringList{"SphericalFrustum_Ro2>SphericalFrustum_Ro2_EL>SphericalFrustum_Ro2i_EL",
                       "SphericalFrustum_Ro1>SphericalFrustum_Ro1_EL>SphericalFrustum_Ro1i_EL",
                       "SphericalFrustum_V>SphericalFrustum_V_EL"};
    QTest::newRow("pyramid, rectangle")
        << int(pgPyramid) << 1
        << QStringList{"Pyramid_A>Pyramid_A_EL", "Pyramid_B>Pyramid_B_EL",
                       "Pyramid_V>Pyramid_V_EL"};
    QTest::newRow("pyramid, n-gon")
        << int(pgPyramid) << 3
        << QStringList{"Pyramid_N_UD>Pyramid_N_EL", "Pyramid_A>Pyramid_A_EL",
                       "Pyramid_V>Pyramid_V_EL"};
    QTest::newRow("prism, circular ring")
        << int(pgPrism) << 2
        << QStringList{"Prism_E2>Prism_E2_EL>Prism_E2i_EL", "Prism_E3>Prism_E3_EL>Prism_E3i_EL",
                       "Prism_V>Prism_V_EL"};
    QTest::newRow("prism, triangle") << int(pgPrism) << 0
                                     << QStringList{"Prism_E1>Prism_E1_EL", "Prism_E2>Prism_E2_EL",
                                                    "Prism_E3>Prism_E3_EL", "Prism_V>Prism_V_EL"};
}

void TestComputationPages::entryLettersBesideTheirEntries() {
    QFETCH(int, page);
    QFETCH(int, base);
    QFETCH(QStringList, letters);
    TPageWindow open(page);
    if (base >= 0)
        open.Choose(page == pgPyramid ? QStringLiteral("Pyramid_Base")
                                      : QStringLiteral("Prism_Base"),
                    base);
    open.Window->ShowEntryLetters(true);
    QStringList seen;
    const auto all = open.Window->findChildren<QLabel*>(QRegularExpression("_EL$"));
    for (const QLabel* label : all)
        if (label->isVisible())
            seen.append(label->objectName());
    QStringList expected;
    for (const QString& item : letters) {
        const QStringList parts = item.split(QLatin1Char('>'));
        const QWidget* entry = open.Control(parts.at(0));
        const QWidget* letter = open.Control(parts.at(1));
        QVERIFY2(letter->isVisible(), qPrintable(parts.at(1)));
        QCOMPARE(letter->y(), entry->y() + 3);
        QCOMPARE(letter->x(), entry->x() + entry->width() + 6);
        expected.append(parts.at(1));
        if (parts.size() > 2) {
            const QWidget* index = open.Control(parts.at(2));
            QVERIFY2(index->isVisible(), qPrintable(parts.at(2)));
            QCOMPARE(index->y(), letter->y() + 9);
            // Subscripts sit at 9 pixels right of their letter, closer where it is narrow.
            QVERIFY(index->x() == letter->x() + 9 || index->x() == letter->x() + 7);
            expected.append(parts.at(2));
        }
    }
    seen.sort();
    expected.sort();
    QCOMPARE(seen, expected);
    open.Window->ShowEntryLetters(false);
    for (const QLabel* label : all)
        QVERIFY2(!label->isVisible(), qPrintable(label->objectName()));
}

// --- Keyboard ---------------------------------------------------------------------------------

// The entries refuse keys as every number edit does, and say so at the entry.
void TestComputationPages::refusedKeyInAnEntrySaysWhatItTakes() {
    const TSeparatorGuard separator('.');
    TOpenWindow open(pgCone);
    QLineEdit* radius = open.Entry(QStringLiteral("Cone_R"));
    radius->setFocus();
    QToolTip::hideText();
    QTest::keyClicks(radius, QStringLiteral("1E"));
    QCOMPARE(radius->text(), QStringLiteral("1"));
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Digits and one decimal separator; a * first makes "
                                              "the number a diameter"));
    QToolTip::hideText();
}

void TestComputationPages::numberTypedOnAVariantControl_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("base"); // the base chosen first; -1: none
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("entry"); // the entry that gets the number; empty: none
    QTest::addColumn<QString>("text");
    QTest::newRow("radio button") << int(pgSphericalSegment) << -1
                                  << "SphericalSegment_RadiusOfSegmentR"
                                  << "12"
                                  << "SphericalSegment_R"
                                  << "12";
    QTest::newRow("diameter on the other radio button")
        << int(pgSphericalSegment) << -1 << "SphericalSegment_RadiusOfSphereR"
        << "*4"
        << "SphericalSegment_R"
        << "*4";
    QTest::newRow("base list") << int(pgPyramid) << 0 << "Pyramid_Base"
                               << "3"
                               << "Pyramid_A"
                               << "3";
    QTest::newRow("separator first on a base list")
        << int(pgTruncatedPyramid) << 1 << "TruncatedPyramid_Base"
        << ".5"
        << "TruncatedPyramid_E1"
        << "0.5";
    QTest::newRow("tetrahedron box") << int(pgPyramid) << -1 << "Pyramid_Tetrahedron"
                                     << "7"
                                     << ""
                                     << "";
    QTest::newRow("letters stay") << int(pgPrism) << 0 << "Prism_Base"
                                  << "t"
                                  << ""
                                  << "";
}

// The start of a number typed while a variant control has the focus goes to the
// first entry, which takes the focus; with no variant chosen (no entry) or with a
// key that starts no number, the control keeps the key.
void TestComputationPages::numberTypedOnAVariantControl() {
    QFETCH(int, page);
    QFETCH(int, base);
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, entry);
    QFETCH(QString, text);
    const TSeparatorGuard separator('.');
    TOpenWindow open(page);
    if (base >= 0)
        open.Choose(control, base);
    if (control.endsWith(QLatin1String("SphereR")))
        open.Control<QRadioButton>(control)->click();
    QWidget* focused = open.Control(control);
    focused->setFocus();
    QTest::keyClicks(focused, typed);
    if (entry.isEmpty()) {
        QVERIFY(focused->hasFocus());
        for (const QLineEdit* edit : open.Window->findChildren<QLineEdit*>())
            QVERIFY2(edit->text().isEmpty() || !edit->isEnabled(), qPrintable(edit->objectName()));
        return;
    }
    QLineEdit* first = open.Entry(entry);
    QVERIFY(first->hasFocus());
    QCOMPARE(first->text(), text);
}

// Truncated pyramid with a rectangular base: a2, b2, a1, Tab, then the height. The
// side list (a or b) comes after the height, and is still reached.
void TestComputationPages::sideChoiceComesAfterTheHeight() {
    TOpenWindow open(pgTruncatedPyramid);
    open.Choose(QStringLiteral("TruncatedPyramid_Base"), 1);
    QWidget* current = open.Entry(QStringLiteral("TruncatedPyramid_E1"));
    current->setFocus();
    QStringList order{current->objectName()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order,
             (QStringList{"TruncatedPyramid_E1", "TruncatedPyramid_E2", "TruncatedPyramid_E3",
                          "TruncatedPyramid_V", "TruncatedPyramid_Side"}));
}

QTEST_MAIN(TestComputationPages)
#include "tst_ComputationPages.moc"
