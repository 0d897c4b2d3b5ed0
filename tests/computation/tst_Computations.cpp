#include "AppTestEnvironment.h"
#include "ComputationWindowFixture.h"
#include "Computations.h"
#include "DesktopServices.h"
#include "FigureView.h"
#include "Formulas.h"
#include "LabeledEdit.h"
#include "MassCalculation.h"
#include "PageTexts.h"
#include "SeparatorGuard.h"
#include "SolidFigures.h"
#include "SupplementaryData.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <cmath>

namespace {

constexpr double Tolerance = 1e-12;

void StoreSetting(const QString& AName, const QString& AValue) {
    TSettingsStore reg(SettingsKeys::Settings);
    reg.WriteString(QString(), AName, AValue);
}

QString StoredSetting(const QString& AName) {
    TSettingsStore reg(SettingsKeys::Settings);
    return reg.ReadString(QString(), AName, QStringLiteral("(none)"));
}

// The supplementary values of a result, in order; ARows receives their rows.
std::vector<Extended> ValuesOf(const TSolidResult& AResult, std::vector<TText>* ARows = nullptr) {
    std::vector<Extended> values;
    for (const TSupplementaryValue& item : AResult.SupplementaryValues) {
        values.push_back(item.Value);
        if (ARows)
            ARows->push_back(item.Row);
    }
    return values;
}

bool SameRows(const std::vector<TText>& ARows, TSolidType AType) {
    const std::vector<TText> expected = SupplementaryRows(AType);
    if (ARows.size() != expected.size())
        return false;
    for (std::size_t i = 0; i < ARows.size(); ++i)
        if (!SameRow(ARows[i], expected[i]))
            return false;
    return true;
}

QToolButton* Button(const TOpenWindow& AOpen, const char* AName) {
    return AOpen.Window->findChild<QToolButton*>(QLatin1String(AName));
}

} // namespace

class TestComputations : public QObject {
    Q_OBJECT
private slots:
    void init();
    void freshWindowShowsDashes();
    void typingFilter_data();
    void typingFilter();
    void otherSeparatorKeyComputesTheNumberTyped_data();
    void otherSeparatorKeyComputesTheNumberTyped();
    void readingOutcomes_data();
    void readingOutcomes();
    void cubeHandlerSendsItsValues();
    void blockHandlerSendsItsValues();
    void sphereTakesADiameterAfterAsterisk();
    void pasteIsCheckedFirst_data();
    void pasteIsCheckedFirst();
    void overflowShowsInputErrorQuietly();
    void escapeClearsThenCloses();
    void massCalculationOnlyWithResults();
    void previewPrecisionLeavesPanelPrecision();
    void draftPanelOpensAndCloses();
    void draftPreferenceOffOpensNarrow();
    void toScaleDrawsTheFigureTyped();
    void toScaleIsRemembered();
    void homepageLinkOpensProductPage();
    void homepageLinkFailureNamesAddress();
    void optionsButtonOpensResultsMenu();
    void sideWindowButtonsStoreTheirState();
    void sideWindowsOpenAttachedAndFollow();
    void supplementaryValuesFollowTheEntries();
    void oneBuildPerKeystrokeNoneForTheForm();
    void closingSupplementaryWindowReleasesItsButton();
    void fillPlaceholder_data();
    void fillPlaceholder();

private:
    GuiTest::TAppTestEnvironment Environment;
};

void TestComputations::init() {
    Environment.Settings().Clear();
    // Most tests want the window as it opens without side windows and draft.
    StoreSetting(QStringLiteral("ShowDraft"), QStringLiteral("0"));
    StoreSetting(QStringLiteral("ShowFormulas"), QStringLiteral("0"));
    StoreSetting(QStringLiteral("ShowSupplementaryData"), QStringLiteral("0"));
    QGuiApplication::clipboard()->clear();
}

void TestComputations::freshWindowShowsDashes() {
    TOpenWindow open(pgCube);
    QCOMPARE(open.Volume(), QStringLiteral("---"));
    QCOMPARE(open.Area(), QStringLiteral("---"));
    QCOMPARE(open.Window->SolidFigure(), nullptr);
    QCOMPARE(open.Window->PrimaryClientWidth(), 390);
    QCOMPARE(open.Window->size(), QSize(390, 312));
    const QLineEdit* edit = open.Entry(QStringLiteral("Cube_A"));
    QCOMPARE(edit->geometry(), QRect(134, 128, 121, 21));
    QCOMPARE(static_cast<const TLabeledEdit*>(edit)->EditLabel()->text(), QStringLiteral("Edge"));
}

void TestComputations::typingFilter_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caretAfter");
    QTest::addColumn<char>("separator");
    const int cube = pgCube, sphere = pgSphere;
    const QString a = QStringLiteral("Cube_A"), r = QStringLiteral("Sphere_R");
    QTest::newRow("separator into empty edit") << cube << a << "" << 0 << "."
                                               << "0." << 2 << '.';
    QTest::newRow("separator before 5") << cube << a << "5" << 0 << "."
                                        << "0.5" << 2 << '.';
    QTest::newRow("second separator") << cube << a << "0.5" << 3 << "."
                                      << "0.5" << 3 << '.';
    QTest::newRow("zero before 12.5") << cube << a << "12.5" << 0 << "0"
                                      << "12.5" << 0 << '.';
    QTest::newRow("zero before 0.5") << cube << a << "0.5" << 0 << "0"
                                     << "0.5" << 0 << '.';
    QTest::newRow("zero after leading zero") << cube << a << "0" << 1 << "0"
                                             << "0" << 1 << '.';
    QTest::newRow("zero before 125") << cube << a << "125" << 0 << "0"
                                     << "0125" << 1 << '.';
    QTest::newRow("zero inside 12.5") << cube << a << "12.5" << 3 << "0"
                                      << "12.05" << 4 << '.';
    QTest::newRow("digits and separator") << cube << a << "" << 0 << "12.75"
                                          << "12.75" << 5 << '.';
    QTest::newRow("letters, signs, blanks") << cube << a << "" << 0 << "a-+e x"
                                            << "" << 0 << '.';
    QTest::newRow("asterisk on a number edit") << cube << a << "" << 0 << "*"
                                               << "" << 0 << '.';
    QTest::newRow("asterisk on a radius edit") << sphere << r << "" << 0 << "*10"
                                               << "*10" << 3 << '.';
    QTest::newRow("asterisk after the start") << sphere << r << "10" << 2 << "*"
                                              << "10" << 2 << '.';
    QTest::newRow("second asterisk") << sphere << r << "*1" << 0 << "*"
                                     << "*1" << 0 << '.';
    QTest::newRow("backspace") << cube << a << "12" << 2 << "\b"
                               << "1" << 1 << '.';
    QTest::newRow("comma into empty edit") << cube << a << "" << 0 << ","
                                           << "0," << 2 << ',';
    // Either separator key types the one in force: "2,5" never becomes 25.
    QTest::newRow("point with comma in force") << cube << a << "1" << 1 << ".5"
                                               << "1,5" << 3 << ',';
    QTest::newRow("comma with point in force") << cube << a << "1" << 1 << ",5"
                                               << "1.5" << 3 << '.';
    QTest::newRow("point first with comma in force") << cube << a << "5" << 0 << "."
                                                     << "0,5" << 2 << ',';
    QTest::newRow("point as a second separator") << cube << a << "0,5" << 3 << "."
                                                 << "0,5" << 3 << ',';
    QTest::newRow("point on a radius after the asterisk") << sphere << r << "*1" << 2 << ".5"
                                                          << "*1,5" << 4 << ',';
    QTest::newRow("point into a count edit") << int(pgPrism) << "Prism_N"
                                             << "1" << 1 << "."
                                             << "1" << 1 << ',';
}

void TestComputations::typingFilter() {
    QFETCH(int, page);
    QFETCH(QString, entry);
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(int, caretAfter);
    QFETCH(char, separator);
    const TSeparatorGuard guard(separator);
    TOpenWindow open(page);
    QLineEdit* edit = open.Entry(entry);
    edit->setText(before);
    edit->setCursorPosition(caret);
    for (const QChar c : typed) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, QString(c));
    }
    QCOMPARE(edit->text(), after);
    QCOMPARE(edit->cursorPosition(), caretAfter);
}

void TestComputations::otherSeparatorKeyComputesTheNumberTyped_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("volume");
    QTest::newRow("point typed, comma in force") << ',' << "2.5"
                                                 << "15,63";
    QTest::newRow("comma typed, point in force") << '.' << "2,5"
                                                 << "15.63";
    QTest::newRow("keypad separator of the other kind") << ',' << "K2.5"
                                                        << "15,63";
}

void TestComputations::otherSeparatorKeyComputesTheNumberTyped() {
    QFETCH(char, separator);
    QFETCH(QString, typed);
    QFETCH(QString, volume);
    const TSeparatorGuard guard(separator);
    TOpenWindow open(pgCube);
    QLineEdit* edit = open.Entry(QStringLiteral("Cube_A"));
    // "K" marks the rest as typed on the number pad.
    const bool keypad = typed.startsWith(QLatin1Char('K'));
    for (const QChar c : typed.mid(keypad ? 1 : 0))
        QTest::keyClick(edit, c.toLatin1(), keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(open.Volume(), volume);
    QVERIFY(open.Window->SolidFigure());
    QCOMPARE(double(open.Window->SolidFigure()->Volume()), 15.625);
}

void TestComputations::readingOutcomes_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one empty") << "2"
                               << ""
                               << "4"
                               << "---";
    QTest::newRow("one zero") << "2"
                              << "0"
                              << "4"
                              << "---";
    QTest::newRow("zero with separator") << "2"
                                         << "0."
                                         << "4"
                                         << "---";
    QTest::newRow("negative") << "2"
                              << "-1"
                              << "4"
                              << "Input error";
    QTest::newRow("unreadable wins over empty") << ""
                                                << "1..2"
                                                << ""
                                                << "Input error";
    QTest::newRow("foreign separator") << "2,5"
                                       << "1"
                                       << "1"
                                       << "Input error";
    QTest::newRow("all valid") << "1"
                               << "2"
                               << "2"
                               << "4.00";
}

void TestComputations::readingOutcomes() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QString, shown);
    TOpenWindow open(pgBlock);
    open.Entry(QStringLiteral("Block_A"))->setText(a);
    open.Entry(QStringLiteral("Block_B"))->setText(b);
    open.Entry(QStringLiteral("Block_C"))->setText(c);
    QCOMPARE(open.Volume(), shown);
    const bool computed = shown.front().isDigit();
    QCOMPARE(open.Window->SolidFigure() != nullptr, computed);
    QCOMPARE(open.Window->Results()->ResultState() == rsSpocitano, computed);
    // A state is handed on alone.
    if (!computed)
        QVERIFY(open.Window->Result().SupplementaryValues.empty());
}

void TestComputations::cubeHandlerSendsItsValues() {
    TOpenWindow open(pgCube);
    QTest::keyClicks(open.Entry(QStringLiteral("Cube_A")), QStringLiteral("2"));
    QCOMPARE(open.Volume(), QStringLiteral("8.00"));
    QCOMPARE(open.Area(), QStringLiteral("24.00"));
    std::vector<TText> rows;
    const auto values = ValuesOf(open.Window->Result(), &rows);
    QCOMPARE(values.size(), std::size_t(3));
    QVERIFY(SameRows(rows, stCube));
    QVERIFY(std::fabs(double(values[0]) - 2 * std::sqrt(3.0)) < Tolerance);
    QVERIFY(std::fabs(double(values[1]) - 2 * std::sqrt(2.0)) < Tolerance);
    QVERIFY(std::fabs(double(values[2]) - 4.0) < Tolerance);

    // Clearing the entry drops the figure and shows dashes again.
    open.Entry(QStringLiteral("Cube_A"))->clear();
    QCOMPARE(open.Volume(), QStringLiteral("---"));
    QCOMPARE(open.Window->SolidFigure(), nullptr);
}

void TestComputations::blockHandlerSendsItsValues() {
    TOpenWindow open(pgBlock);
    open.Entry(QStringLiteral("Block_A"))->setText(QStringLiteral("1"));
    open.Entry(QStringLiteral("Block_B"))->setText(QStringLiteral("2"));
    open.Entry(QStringLiteral("Block_C"))->setText(QStringLiteral("2"));
    QCOMPARE(open.Area(), QStringLiteral("16.00"));
    std::vector<TText> rows;
    const auto values = ValuesOf(open.Window->Result(), &rows);
    const double expected[] = {3, std::sqrt(5.0), std::sqrt(8.0), std::sqrt(5.0), 2, 4, 2};
    QCOMPARE(values.size(), std::size(expected));
    QVERIFY(SameRows(rows, stBlock));
    for (std::size_t i = 0; i < values.size(); ++i)
        QVERIFY2(std::fabs(double(values[i]) - expected[i]) < Tolerance,
                 qPrintable(QString::number(i)));
}

void TestComputations::sphereTakesADiameterAfterAsterisk() {
    TOpenWindow open(pgSphere);
    QLineEdit* radius = open.Entry(QStringLiteral("Sphere_R"));
    QTest::keyClicks(radius, QStringLiteral("*"));
    QCOMPARE(open.Volume(), QStringLiteral("---"));
    QTest::keyClicks(radius, QStringLiteral("10"));
    const auto* sphere = dynamic_cast<const TSphere*>(open.Window->SolidFigure());
    QVERIFY(sphere);
    QCOMPARE(double(sphere->Radius()), 5.0);
    QCOMPARE(open.Volume(), QStringLiteral("523.60"));
    QVERIFY(open.Window->Result().Computed());
    QVERIFY(ValuesOf(open.Window->Result()).empty());
}

void TestComputations::pasteIsCheckedFirst_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("shiftInsert");
    QTest::addColumn<QString>("after");
    QTest::newRow("word") << "abc" << false << "";
    QTest::newRow("exponent form") << "1E3" << false << "1E3";
    QTest::newRow("minus one") << "-1" << false << "-1";
    QTest::newRow("word with Shift+Insert") << "abc" << true << "";
    QTest::newRow("number with Shift+Insert") << "2.5" << true << "2.5";
    // Only typing maps the other separator; a pasted one is refused as before.
    QTest::newRow("other separator") << "2,5" << false << "";
}

void TestComputations::pasteIsCheckedFirst() {
    QFETCH(QString, clipboard);
    QFETCH(bool, shiftInsert);
    QFETCH(QString, after);
    TOpenWindow open(pgCube);
    QLineEdit* edit = open.Entry(QStringLiteral("Cube_A"));
    QGuiApplication::clipboard()->setText(clipboard);
    if (shiftInsert)
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    else
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), after);
    if (after == QLatin1String("1E3"))
        QCOMPARE(open.Volume(), QStringLiteral("1000000000.00"));
    if (after == QLatin1String("-1"))
        QCOMPARE(open.Volume(), QStringLiteral("Input error"));
}

void TestComputations::overflowShowsInputErrorQuietly() {
    GuiTest::TModalWatcher watcher;
    TOpenWindow open(pgCube);
    QLineEdit* edit = open.Entry(QStringLiteral("Cube_A"));
    edit->setText(QStringLiteral("2"));
    QVERIFY(open.Window->SolidFigure());
    QGuiApplication::clipboard()->setText(QStringLiteral("1E2000"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("1E2000"));
    QCOMPARE(open.Volume(), QStringLiteral("Input error"));
    QCOMPARE(open.Area(), QStringLiteral("Input error"));
    QCOMPARE(open.Window->SolidFigure(), nullptr);
    QVERIFY(open.Window->Result().SupplementaryValues.empty());
    QTest::qWait(20);
    QVERIFY2(watcher.Seen().isEmpty(), "no message box interrupts the typing");
}

void TestComputations::escapeClearsThenCloses() {
    TOpenWindow open(pgBlock);
    QLineEdit* a = open.Entry(QStringLiteral("Block_A"));
    QLineEdit* c = open.Entry(QStringLiteral("Block_C"));
    a->setText(QStringLiteral("1"));
    c->setText(QStringLiteral("3"));
    c->setFocus();
    QTest::keyClick(c, Qt::Key_Escape);
    QVERIFY(open.Window->isVisible());
    QVERIFY(a->text().isEmpty());
    QVERIFY(c->text().isEmpty());
    QCOMPARE(open.Volume(), QStringLiteral("---"));
    QCOMPARE(QApplication::focusWidget(), a);
    QTest::keyClick(a, Qt::Key_Escape);
    QVERIFY(!open.Window->isVisible());
}

void TestComputations::massCalculationOnlyWithResults() {
    GuiTest::TModalWatcher watcher;
    TOpenWindow open(pgCube);
    QLineEdit* edit = open.Entry(QStringLiteral("Cube_A"));
    QTest::keyClick(edit, Qt::Key_M, Qt::ControlModifier);
    QTest::qWait(20);
    QVERIFY(watcher.Seen().isEmpty());

    QTest::keyClicks(edit, QStringLiteral("3"));
    QString shownMass;
    watcher.Expect([&shownMass](QWidget* AModal) {
        auto* density = AModal->findChild<QLineEdit*>(QStringLiteral("EDensity"));
        QTest::keyClicks(density, QStringLiteral("2"));
        shownMass = AModal->findChild<QLineEdit*>(QStringLiteral("EMass"))->text();
        AModal->close();
    });
    QTest::keyClick(edit, Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen().first().ClassName, QStringLiteral("TFormMassCalculation"));
    QCOMPARE(shownMass, QStringLiteral("54.00"));
}

void TestComputations::previewPrecisionLeavesPanelPrecision() {
    TOpenWindow open(pgCube);
    open.Entry(QStringLiteral("Cube_A"))->setText(QStringLiteral("2"));
    const TPrecision before = open.Window->Results()->Precision();
    open.Window->Results()->PreviewPrecision(5);
    QCOMPARE(open.Volume(), QStringLiteral("8.00000"));
    QCOMPARE(open.Window->Results()->Precision(), before);
    open.Window->Results()->ApplyNumberForm();
    QCOMPARE(open.Volume(), QStringLiteral("8.00"));
}

void TestComputations::draftPanelOpensAndCloses() {
    StoreSetting(QStringLiteral("ShowDraft"), QStringLiteral("1"));
    TOpenWindow open(pgCube);
    QToolButton* draft = Button(open, "BDraft");
    QVERIFY(draft->isChecked());
    QVERIFY(!draft->isEnabled()); // no clicks while the panel slides
    QVERIFY(draft->toolTip().isEmpty());
    QTRY_COMPARE(open.Window->width(), 708);
    QTRY_VERIFY(draft->isEnabled());
    QVERIFY(!draft->toolTip().isEmpty());
    QCOMPARE(open.Window->OpenDraftPanelWidth(), 314);
    auto* picture = open.Window->findChild<QLabel*>(QStringLiteral("Draft"));
    QVERIFY(picture->isVisible());
    QVERIFY(!picture->pixmap().isNull());

    draft->click();
    QVERIFY(!draft->isEnabled());
    QCOMPARE(open.Window->OpenDraftPanelWidth(), 0);
    QTRY_COMPARE(open.Window->width(), 390);
    QTRY_VERIFY(draft->isEnabled());
    QCOMPARE(StoredSetting(QStringLiteral("ShowDraft")), QStringLiteral("0"));
}

void TestComputations::draftPreferenceOffOpensNarrow() {
    TOpenWindow open(pgSphere);
    QTest::qWait(50);
    QCOMPARE(open.Window->width(), 390);
    QToolButton* draft = Button(open, "BDraft");
    QVERIFY(!draft->isChecked());
    draft->click();
    QCOMPARE(StoredSetting(QStringLiteral("ShowDraft")), QStringLiteral("1"));
    QTRY_COMPARE(open.Window->width(), 708);
}

// "To scale" puts the figure of the entries in place of the catalogue draft while
// they give one, drawn from the figure the window calculated (no second build).
void TestComputations::toScaleDrawsTheFigureTyped() {
    StoreSetting(QStringLiteral("ShowDraft"), QStringLiteral("1"));
    TOpenWindow open(pgCone);
    QTRY_VERIFY(Button(open, "BDraft")->isEnabled());
    auto* draft = open.Control<QLabel>(QStringLiteral("Draft"));
    TFigureView* view = open.Window->FigureView();
    QToolButton* toScale = open.Control<QToolButton>(QStringLiteral("BToScale"));
    QVERIFY(view && toScale);
    QCOMPARE(toScale->text(), QStringLiteral("To scale"));
    QVERIFY(!toScale->isChecked());
    // The panel's context menu holds the switch and the drawing's copy and save.
    QWidget* panel = open.Control(QStringLiteral("DraftPanel"));
    QCOMPARE(panel->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList items;
    for (const QAction* action : panel->actions())
        items << action->text();
    QCOMPARE(items, (QStringList{"To scale", "", "Copy drawing", "Save drawing…"}));
    const auto menuItem = [panel](const char* AName) {
        for (QAction* action : panel->actions())
            if (action->objectName() == QLatin1String(AName))
                return action;
        return static_cast<QAction*>(nullptr);
    };

    toScale->click();
    QCOMPARE(StoredSetting(QStringLiteral("DraftToScale")), QStringLiteral("1"));
    QVERIFY(menuItem("MToScale")->isChecked());
    // Nothing entered: the draft stays, and there is no drawing to copy.
    QVERIFY(draft->isVisible());
    QVERIFY(!view->isVisible());
    QVERIFY(!menuItem("MCopyDrawing")->isEnabled());

    QLineEdit* radius = open.Entry(QStringLiteral("Cone_R"));
    QLineEdit* height = open.Entry(QStringLiteral("Cone_V"));
    QTest::keyClicks(radius, QStringLiteral("3"));
    const long long built = BuiltFigureCount();
    QTest::keyClicks(height, QStringLiteral("4"));
    QCOMPARE(BuiltFigureCount() - built, 1LL);
    QVERIFY(view->isVisible());
    QVERIFY(!draft->isVisible());
    QCOMPARE(view->geometry(), panel->rect());
    QCOMPARE(view->accessibleName(),
             QStringLiteral("Cone, radius of base 3, height 4, drawn to scale"));
    QVERIFY(menuItem("MSaveDrawing")->isEnabled());
    // The link and the switch stay above the drawing.
    QVERIFY(view->childAt(toScale->geometry().center()) == nullptr);
    QCOMPARE(panel->childAt(toScale->geometry().center()), toScale);
    QCOMPARE(panel->childAt(open.Control(QStringLiteral("HomepageLink"))->geometry().center()),
             open.Control(QStringLiteral("HomepageLink")));

    // Live: each keystroke is drawn; the view keeps the angle the user turned it to.
    view->SetView(TViewAngles{1, 0.5, 1});
    QTest::keyClicks(height, QStringLiteral("0"));
    QCOMPARE(view->accessibleName(),
             QStringLiteral("Cone, radius of base 3, height 40, drawn to scale"));
    QCOMPARE(view->View().Yaw, 1.0);

    menuItem("MCopyDrawing")->trigger();
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());

    // Entries that give no figure bring the draft back.
    height->setText(QStringLiteral("-"));
    QVERIFY(draft->isVisible());
    QVERIFY(!view->isVisible());
    QVERIFY(!menuItem("MCopyDrawing")->isEnabled());
    height->setText(QStringLiteral("4"));
    QVERIFY(view->isVisible());

    // Switched off from the menu, the draft returns with the figure still there.
    menuItem("MToScale")->trigger();
    QVERIFY(!toScale->isChecked());
    QVERIFY(draft->isVisible());
    QVERIFY(!view->isVisible());
    QCOMPARE(StoredSetting(QStringLiteral("DraftToScale")), QStringLiteral("0"));
}

// The next window opens the way the last one was left; a variant page still to be
// chosen shows neither the drawing nor the draft.
void TestComputations::toScaleIsRemembered() {
    StoreSetting(QStringLiteral("ShowDraft"), QStringLiteral("1"));
    StoreSetting(QStringLiteral("DraftToScale"), QStringLiteral("1"));
    TOpenWindow open(pgPyramid);
    QVERIFY(open.Control<QToolButton>(QStringLiteral("BToScale"))->isChecked());
    QVERIFY(!open.Control<QLabel>(QStringLiteral("Draft"))->isVisible());
    QVERIFY(!open.Window->FigureView()->isVisible());
    open.Choose(QStringLiteral("Pyramid_Base"), 0); // square
    QVERIFY(Button(open, "BDraft")->isChecked());
    QVERIFY(open.Control<QLabel>(QStringLiteral("Draft"))->isVisible());
    open.Entry(QStringLiteral("Pyramid_A"))->setText(QStringLiteral("2"));
    open.Entry(QStringLiteral("Pyramid_V"))->setText(QStringLiteral("3"));
    QVERIFY(open.Window->FigureView()->isVisible());
    QVERIFY(!open.Control<QLabel>(QStringLiteral("Draft"))->isVisible());
}

void TestComputations::homepageLinkOpensProductPage() {
    QList<QUrl> opened;
    SetUrlOpener([&opened](const QUrl& AUrl) {
        opened << AUrl;
        return true;
    });
    const auto restore = qScopeGuard([] { SetUrlOpener({}); });
    StoreSetting(QStringLiteral("ShowDraft"), QStringLiteral("1"));
    TOpenWindow open(pgCube);
    auto* link = open.Window->findChild<QLabel*>(QStringLiteral("HomepageLink"));
    QCOMPARE(link->text(), QStringLiteral("www.ternwick.com"));
    QTRY_VERIFY(Button(open, "BDraft")->isEnabled());
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("http://www.ternwick.com/?pg=1&pid=3"))});
}

void TestComputations::homepageLinkFailureNamesAddress() {
    SetUrlOpener([](const QUrl&) { return false; });
    const auto restore = qScopeGuard([] { SetUrlOpener({}); });
    StoreSetting(QStringLiteral("ShowDraft"), QStringLiteral("1"));
    TOpenWindow open(pgCube);
    QTRY_VERIFY(Button(open, "BDraft")->isEnabled());
    GuiTest::TModalWatcher watcher;
    watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    QTest::mouseClick(open.Window->findChild<QLabel*>(QStringLiteral("HomepageLink")),
                      Qt::LeftButton);
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen()[0].Text,
             QStringLiteral("Kavorin could not open this. Please open it yourself:\n"
                            "http://www.ternwick.com/?pg=1&pid=3"));
}

void TestComputations::optionsButtonOpensResultsMenu() {
    TOpenWindow open(pgCube);
    QMenu* menu = open.Window->Results()->Menu();
    QTimer::singleShot(0, menu, [menu] { menu->close(); });
    bool shown = false;
    QObject::connect(menu, &QMenu::aboutToShow, [&shown] { shown = true; });
    Button(open, "BOptionsMenu")->click();
    QVERIFY(shown);
}

void TestComputations::sideWindowButtonsStoreTheirState() {
    TOpenWindow open(pgCube);
    Button(open, "BFormulas")->click();
    QCOMPARE(StoredSetting(QStringLiteral("ShowFormulas")), QStringLiteral("1"));
    Button(open, "BSupplementaryData")->click();
    QCOMPARE(StoredSetting(QStringLiteral("ShowSupplementaryData")), QStringLiteral("1"));
    Button(open, "BSupplementaryData")->click();
    QCOMPARE(StoredSetting(QStringLiteral("ShowSupplementaryData")), QStringLiteral("0"));
}

void TestComputations::sideWindowsOpenAttachedAndFollow() {
    StoreSetting(QStringLiteral("ShowFormulas"), QStringLiteral("1"));
    StoreSetting(QStringLiteral("ShowSupplementaryData"), QStringLiteral("1"));
    TOpenWindow open(pgCube);
    TFormFormulas* formulas = open.Window->FormulasWindow();
    TFormSupplementaryData* supplementary = open.Window->SupplementaryDataWindow();
    QVERIFY(formulas && supplementary);
    QVERIFY(!formulas->FormulasImage()->pixmap().isNull());
    auto attached = [&] {
        const QRect frame = open.Window->frameGeometry();
        return formulas->frameGeometry().bottom() + 1 == frame.top() &&
               formulas->frameGeometry().left() == frame.left() &&
               supplementary->frameGeometry().top() == frame.bottom() + 1 &&
               supplementary->frameGeometry().left() == frame.left();
    };
    QTRY_VERIFY(attached());
    open.Window->move(open.Window->pos() + QPoint(37, 23));
    QTRY_VERIFY(attached());
}

void TestComputations::supplementaryValuesFollowTheEntries() {
    StoreSetting(QStringLiteral("ShowSupplementaryData"), QStringLiteral("1"));
    TOpenWindow open(pgCube);
    auto* grid = open.Window->SupplementaryDataWindow()->findChild<QTableWidget*>();
    QVERIFY(grid);
    auto values = [grid] {
        QStringList texts;
        for (int row = 0; row < grid->rowCount(); ++row)
            if (const QTableWidgetItem* item = grid->item(row, 1))
                texts << item->text();
        return texts;
    };
    open.Entry(QStringLiteral("Cube_A"))->setText(QStringLiteral("2"));
    QVERIFY(values().contains(QStringLiteral("3.46")));
    QVERIFY(values().contains(QStringLiteral("4.00")));
    open.Entry(QStringLiteral("Cube_A"))->setText(QStringLiteral("x"));
    QVERIFY(!values().contains(QStringLiteral("3.46")));
    QVERIFY(!values().contains(QStringLiteral("4.00")));
}

// The figure is built once per change of the entries; the number form, the
// precision preview, the report and the mass dialog write what was built.
void TestComputations::oneBuildPerKeystrokeNoneForTheForm() {
    StoreSetting(QStringLiteral("ShowSupplementaryData"), QStringLiteral("1"));
    StoreSetting(QStringLiteral("UsePresetDensity"), QStringLiteral("1"));
    StoreSetting(QStringLiteral("PresetDensity"), QStringLiteral("2"));
    TOpenWindow open(pgCube);
    auto* grid = open.Window->SupplementaryDataWindow()->findChild<QTableWidget*>();
    QVERIFY(grid);
    const auto cell = [grid](int ARow) { return grid->item(ARow, 1)->text(); };
    QLineEdit* edit = open.Entry(QStringLiteral("Cube_A"));
    edit->setFocus();

    long long built = BuiltFigureCount();
    QTest::keyClick(edit, Qt::Key_2);
    QCOMPARE(BuiltFigureCount() - built, 1LL);
    QTest::keyClick(edit, Qt::Key_0);
    QCOMPARE(BuiltFigureCount() - built, 2LL);
    QCOMPARE(open.Volume(), QStringLiteral("8000.00"));
    QCOMPARE(cell(0), QStringLiteral("34.64"));
    QCOMPARE(cell(3), QStringLiteral("16000.00"));

    built = BuiltFigureCount();
    QMenu* menu = open.Window->Results()->Menu();
    menu->findChild<QAction*>(QStringLiteral("MPrecision3"))->trigger();
    QCOMPARE(open.Volume(), QStringLiteral("8000.000"));
    QCOMPARE(cell(0), QStringLiteral("34.641"));
    QCOMPARE(cell(3), QStringLiteral("16000.000"));
    menu->findChild<QAction*>(QStringLiteral("MSemilogarithmicForm"))->trigger();
    QCOMPARE(open.Volume(), QStringLiteral("8.000"));
    open.Window->Results()->PreviewPrecision(5);
    QCOMPARE(open.Volume(), QStringLiteral("8.00000"));
    QCOMPARE(cell(0), QStringLiteral("34.64102"));
    open.Window->Results()->ApplyNumberForm();
    QCOMPARE(cell(0), QStringLiteral("34.641"));
    menu->findChild<QAction*>(QStringLiteral("MCopyReportToClipboard"))->trigger();
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("8.000 x10^3")));
    QCOMPARE(BuiltFigureCount(), built);

    // Ctrl+M: the dialog gives the mass of the figure shown.
    GuiTest::TModalWatcher watcher;
    QString mass;
    watcher.Expect([&mass](QWidget* AModal) {
        QTest::keyClicks(AModal->findChild<QLineEdit*>(QStringLiteral("EDensity")),
                         QStringLiteral("3"));
        mass = AModal->findChild<QLineEdit*>(QStringLiteral("EMass"))->text();
        AModal->close();
    });
    QTest::keyClick(edit, Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(mass, QStringLiteral("24000.000"));
    QCOMPARE(BuiltFigureCount(), built);
}

void TestComputations::closingSupplementaryWindowReleasesItsButton() {
    StoreSetting(QStringLiteral("ShowSupplementaryData"), QStringLiteral("1"));
    TOpenWindow open(pgCube);
    QPointer<TFormSupplementaryData> supplementary = open.Window->SupplementaryDataWindow();
    QVERIFY(supplementary);
    supplementary->close();
    QTRY_VERIFY(!supplementary);
    QVERIFY(!Button(open, "BSupplementaryData")->isChecked());
    QCOMPARE(StoredSetting(QStringLiteral("ShowSupplementaryData")), QStringLiteral("0"));
    QCOMPARE(open.Window->SupplementaryDataWindow(), nullptr);
}

void TestComputations::fillPlaceholder_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("filled");
    QTest::newRow("letters in the middle") << "Side $ of base"
                                           << "a"
                                           << "Side a of base";
    QTest::newRow("no letters") << "Side $ of base"
                                << ""
                                << "Side of base";
    QTest::newRow("hyphenated, filled") << "$-side"
                                        << "a"
                                        << "a-side";
    QTest::newRow("hyphenated, empty") << "$-side"
                                       << ""
                                       << "side";
    QTest::newRow("trailing hyphen") << "side-$"
                                     << ""
                                     << "side";
    QTest::newRow("only the first placeholder") << "$ and $"
                                                << "b"
                                                << "b and $";
    QTest::newRow("blanks collapse") << "  Edge   $  "
                                     << ""
                                     << "Edge";
}

void TestComputations::fillPlaceholder() {
    QFETCH(QString, text);
    QFETCH(QString, letters);
    QFETCH(QString, filled);
    QCOMPARE(FillPlaceholder(text, letters), filled);
}

QTEST_MAIN(TestComputations)
#include "tst_Computations.moc"
