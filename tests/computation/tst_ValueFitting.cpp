// Every computed value is shown whole: the results panel, the supplementary
// data window and the mass calculation dialog, swept with the longest texts the
// number text rules produce, in every precision, number form and language.
#include "FakeComputationHost.h"
#include "FittedText.h"
#include "MassCalculation.h"
#include "MathFunctions.h"
#include "Results.h"
#include "SupplementaryData.h"
#include "WindowStyle.h"

#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr QChar Ellipsis(0x2026);
constexpr int PrimaryClientWidth = 390;

// Values whose texts are the longest of their kind: fifteen significant digits
// with every count of integer digits, leading zeros below one, mantissas with
// the longest exponents, each also negative.
std::vector<Extended> LongestValues() {
    std::vector<Extended> values;
    const Extended eights = ReadExtended(QStringLiteral("8.88888888888888"));
    for (int exponent = -4; exponent <= 14; ++exponent)
        values.push_back(eights * std::pow(10.0L, exponent));
    for (const char* text : {"0.000123456789012345", "99999999999999.95", "999999999999999",
                             "9.99999999999999", "0.00099999999999999", "8.88888888888888e-1000",
                             "8.88888888888888e999", "8.88888888888888e-99", "8.88888888888888e15"})
        values.push_back(ReadExtended(QString::fromLatin1(text)));
    values.push_back(std::numeric_limits<Extended>::max());
    values.push_back(std::numeric_limits<Extended>::min());
    values.push_back(std::numeric_limits<Extended>::denorm_min());
    const std::size_t positive = values.size();
    for (std::size_t i = 0; i < positive; ++i)
        values.push_back(-values[i]);
    return values;
}

QLabel* Label(const TFakeComputationHost& AHost, const QString& AName) {
    return AHost.Results->findChild<QLabel*>(AName);
}

QString Describe(Extended AValue) {
    return QString::fromStdString(RoundToStr(14, false, AValue));
}

// The rectangle of AWidget in the coordinates of AAncestor.
QRect RectIn(const QWidget* AWidget, const QWidget* AAncestor) {
    return QRect(AWidget->mapTo(AAncestor, QPoint(0, 0)), AWidget->size());
}

// Fails when the label's text is wider than the room the label gives it.
bool LabelFits(const QLabel* ALabel, QString& AWhy) {
    const int advance = QFontMetrics(ALabel->font()).horizontalAdvance(ALabel->text());
    if (advance <= ALabel->contentsRect().width())
        return true;
    AWhy = QStringLiteral("%1 \"%2\" needs %3 px, has %4")
               .arg(ALabel->objectName(), ALabel->text())
               .arg(advance)
               .arg(ALabel->contentsRect().width());
    return false;
}

// The room a grid cell gives its text, as the style draws it.
int CellTextWidth(const QTableWidget* AGrid, const QTableWidgetItem* AItem) {
    QStyleOptionViewItem option;
    option.initFrom(AGrid->viewport());
    option.rect = AGrid->visualItemRect(AItem);
    option.font = AItem->font();
    option.fontMetrics = QFontMetrics(AItem->font());
    option.text = AItem->text();
    option.features = QStyleOptionViewItem::HasDisplay;
    return AGrid->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, AGrid).width();
}

bool CellFits(const QTableWidget* AGrid, const QTableWidgetItem* AItem) {
    return QFontMetrics(AItem->font()).horizontalAdvance(AItem->text()) <=
           CellTextWidth(AGrid, AItem);
}

} // namespace

class TestValueFitting : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void resultsPanel_data();
    void resultsPanel();
    void issueExamplesShownWhole_data();
    void issueExamplesShownWhole();
    void copyTakesTheWholeValue();
    void supplementaryValues_data();
    void supplementaryValues();
    void massRowName_data();
    void massRowName();
    void massDialog_data();
    void massDialog();
    void fitText_data();
    void fitText();

private:
    void AddSweepRows();
    std::unique_ptr<GuiTest::TSettingsSandbox> FSandbox;
};

void TestValueFitting::init() {
    FSandbox = std::make_unique<GuiTest::TSettingsSandbox>();
}

void TestValueFitting::cleanup() {
    FSandbox.reset();
}

// Each language with the separator its users have, both number forms, every
// precision.
void TestValueFitting::AddSweepRows() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<char>("separator");
    QTest::addColumn<bool>("semilog");
    QTest::addColumn<int>("precision");
    const struct {
        const char* Language;
        char Separator;
    } languages[] = {{"English", '.'}, {"Czech", ','}, {"Slovak", ','}};
    for (const auto& language : languages)
        for (const bool semilog : {false, true})
            for (int precision = 0; precision <= 14; ++precision)
                QTest::addRow("%s %s P%d", language.Language, semilog ? "semilog" : "basic",
                              precision)
                    << QString::fromLatin1(language.Language) << language.Separator << semilog
                    << precision;
}

void TestValueFitting::resultsPanel_data() {
    AddSweepRows();
}

void TestValueFitting::resultsPanel() {
    QFETCH(QString, language);
    QFETCH(char, separator);
    QFETCH(bool, semilog);
    QFETCH(int, precision);
    StoreSetting(QStringLiteral("Form"), semilog ? QStringLiteral("1") : QStringLiteral("0"));
    GuiTest::TLanguageSandbox texts(language);
    const TSeparatorGuard guard(separator);

    for (const bool computationLook : {false, true}) {
        TFakeComputationHost host;
        if (computationLook)
            host.Results->UseComputationWindowLook();
        host.Window.show();
        host.Results->SetPrecision(TPrecision(precision));
        const QRect inside = host.Results->rect().adjusted(1, 1, -1, -1);
        for (const Extended value : LongestValues()) {
            host.ShowValues(value, -value);
            for (const char* suffix : {"V", "A"}) {
                const QString line = QLatin1String(suffix);
                auto* equal = Label(host, "LEqual" + line);
                auto* shown =
                    Label(host, line == QLatin1String("V") ? QStringLiteral("ResultVolume")
                                                           : QStringLiteral("ResultArea"));
                auto* decade = Label(host, "Decade" + line);
                auto* exponent = Label(host, "Exponent" + line);
                const QString what = Describe(value) + QStringLiteral(" on line ") + line +
                                     (computationLook ? QStringLiteral(" (window look)") : "");
                QVERIFY2(!shown->text().contains(Ellipsis) && shown->toolTip().isEmpty(),
                         qPrintable(what + ": cut to " + shown->text()));
                for (QLabel* label : {shown, decade, exponent}) {
                    if (label->isHidden())
                        continue;
                    QString why;
                    QVERIFY2(LabelFits(label, why), qPrintable(what + ": " + why));
                    QVERIFY2(inside.contains(RectIn(label, host.Results)),
                             qPrintable(what + ": " + label->objectName() + " leaves the panel"));
                    QVERIFY2(QFontInfo(label->font()).pixelSize() >= MinimumLegiblePixels,
                             qPrintable(what + ": type too small"));
                }
                QVERIFY2(RectIn(equal, host.Results).right() < RectIn(shown, host.Results).left(),
                         qPrintable(what + ": value over \"=\""));
                if (!decade->isHidden())
                    QVERIFY2(shown->geometry().right() < decade->geometry().left(),
                             qPrintable(what + ": value under \"x10\""));
                if (!exponent->isHidden())
                    QVERIFY2(decade->geometry().right() < exponent->geometry().left(),
                             qPrintable(what + ": \"x10\" under the exponent"));
            }
        }
    }
}

// The values that were cut before, as a user met them.
void TestValueFitting::issueExamplesShownWhole_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("precision");
    QTest::addColumn<bool>("semilog");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("area");
    QTest::newRow("cube 10000, Czech") << ',' << 10000 << 2 << false << "1000000000000,00"
                                       << "600000000,00";
    QTest::newRow("cube 46415") << '.' << 46415 << 2 << false << "99994258523375.0"
                                << "12926113350.00";
}

void TestValueFitting::issueExamplesShownWhole() {
    QFETCH(char, separator);
    QFETCH(int, side);
    QFETCH(int, precision);
    QFETCH(bool, semilog);
    QFETCH(QString, volume);
    QFETCH(QString, area);
    StoreSetting(QStringLiteral("Form"), semilog ? QStringLiteral("1") : QStringLiteral("0"));
    GuiTest::TLanguageSandbox texts;
    const TSeparatorGuard guard(separator);
    TFakeComputationHost host;
    host.Results->UseComputationWindowLook();
    host.Window.show();
    host.Results->SetPrecision(TPrecision(precision));
    host.ShowCube(side);
    QString why;
    QCOMPARE(host.VolumeText(), volume);
    QVERIFY2(LabelFits(Label(host, QStringLiteral("ResultVolume")), why), qPrintable(why));
    QCOMPARE(host.AreaText(), area);
    QVERIFY2(LabelFits(Label(host, QStringLiteral("ResultArea")), why), qPrintable(why));
}

void TestValueFitting::copyTakesTheWholeValue() {
    GuiTest::TLanguageSandbox texts;
    TFakeComputationHost host;
    host.Results->UseComputationWindowLook();
    host.Window.show();
    host.Results->SetPrecision(14);
    // A cone of radius 3 and height 4: 12 pi and 24 pi.
    host.ShowValues(12 * Constants::Pi, 24 * Constants::Pi);
    QCOMPARE(host.VolumeText(), QStringLiteral("37.6991118430775"));
    QCOMPARE(host.AreaText(), QStringLiteral("75.3982236861550"));
    QMenu* menu = OpenMenuOn(Label(host, QStringLiteral("ResultVolume")));
    QVERIFY(menu);
    ClickItem(menu, QStringLiteral("MCopyVolumeToClipboard"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("37.6991118430775"));
    menu = OpenMenuOn(Label(host, QStringLiteral("ResultArea")));
    QVERIFY(menu);
    ClickItem(menu, QStringLiteral("MCopyAreaToClipboard"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("75.3982236861550"));
}

void TestValueFitting::supplementaryValues_data() {
    AddSweepRows();
}

void TestValueFitting::supplementaryValues() {
    QFETCH(QString, language);
    QFETCH(char, separator);
    QFETCH(int, precision);
    QFETCH(bool, semilog);
    Q_UNUSED(semilog); // the window has one number form
    StoreSetting(QStringLiteral("UsePresetDensity"), QStringLiteral("1"));
    StoreSetting(QStringLiteral("PresetDensity"), QStringLiteral("1"));
    GuiTest::TLanguageSandbox texts(language);
    const TSeparatorGuard guard(separator);
    TFakeComputationHost host;
    host.Window.show();
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    window.SetNumberForm({TPrecision(precision), false});
    window.AdaptToSolid(stCube);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* grid = window.findChild<QTableWidget*>(QStringLiteral("ValueList"));
    QVERIFY(grid);
    // The mass row: a density of 1 makes the mass the cube's volume.
    const char* sides[] = {"2", "46415", "1.2345678901234e1643", "0.0000123456789012345"};
    std::size_t side = 0;
    for (const Extended value : LongestValues()) {
        host.ShowCube(ReadExtended(QString::fromLatin1(sides[side++ % std::size(sides)])));
        const std::vector<TText> rows = SupplementaryRows(stCube);
        TSolidResult result = host.Result;
        result.SupplementaryValues = {{rows[0], value}, {rows[1], value / 7}, {rows[2], -value}};
        window.ShowResult(result);
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QTableWidgetItem* cell = grid->item(row, 1);
            const QString what =
                Describe(value) + QStringLiteral(", row %1: ").arg(row) + cell->text();
            QVERIFY2(CellFits(grid, cell), qPrintable(what));
            QVERIFY2(QFontInfo(cell->font()).pixelSize() >= MinimumLegiblePixels,
                     qPrintable(what + " in too small type"));
        }
        QVERIFY2(!grid->item(3, 1)->text().isEmpty(), "no mass shown");
    }
}

void TestValueFitting::massRowName_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("density");
    QTest::addColumn<bool>("whole"); // must show whole; else cut with a tool-tip
    for (const char* language : {"English", "Czech", "Slovak"}) {
        const char separator = QByteArray(language) == "English" ? '.' : ',';
        const QString point = QString(QLatin1Char(separator));
        QTest::addRow("%s 7850", language)
            << QString::fromLatin1(language) << separator << "7850" << true;
        QTest::addRow("%s 7%s85", language, qPrintable(point))
            << QString::fromLatin1(language) << separator << "7" + point + "85" << true;
        QTest::addRow("%s 1234567%s891", language, qPrintable(point))
            << QString::fromLatin1(language) << separator << "1234567" + point + "891" << true;
        QTest::addRow("%s longest", language) << QString::fromLatin1(language) << separator
                                              << "-1" + point + "18973149535723E4932" << false;
    }
}

void TestValueFitting::massRowName() {
    QFETCH(QString, language);
    QFETCH(char, separator);
    QFETCH(QString, density);
    QFETCH(bool, whole);
    StoreSetting(QStringLiteral("UsePresetDensity"), QStringLiteral("1"));
    StoreSetting(QStringLiteral("PresetDensity"), density);
    GuiTest::TLanguageSandbox texts(language);
    const TSeparatorGuard guard(separator);
    TFakeComputationHost host;
    host.Window.show();
    TFormSupplementaryData window(&host.Window, PrimaryClientWidth);
    for (const TSolidType type : {stCube, stSphericalSector, stTruncatedPyramid_Rectangle}) {
        window.AdaptToSolid(type);
        auto* grid = window.findChild<QTableWidget*>(QStringLiteral("ValueList"));
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QTableWidgetItem* name = grid->item(row, 0);
            const bool massRow = row == grid->rowCount() - 1;
            if (massRow)
                QVERIFY2(name->text().contains(density), qPrintable(name->text()));
            QVERIFY2(QFontInfo(name->font()).pixelSize() >= MinimumLegiblePixels,
                     qPrintable(name->text()));
            if (CellFits(grid, name))
                continue;
            // Cut only where even the smallest type is too wide, and never silently.
            QVERIFY2(massRow && !whole, qPrintable(name->text() + " is cut"));
            QCOMPARE(name->toolTip(), name->text());
            QCOMPARE(grid->textElideMode(), Qt::ElideRight);
        }
    }
}

void TestValueFitting::massDialog_data() {
    AddSweepRows();
}

void TestValueFitting::massDialog() {
    QFETCH(QString, language);
    QFETCH(char, separator);
    QFETCH(int, precision);
    QFETCH(bool, semilog);
    Q_UNUSED(semilog); // the dialog has one number form
    GuiTest::TLanguageSandbox texts(language);
    const TSeparatorGuard guard(separator);
    TFakeComputationHost host;
    host.Window.show();
    host.ShowCube(1);
    TFormMassCalculation dialog(&host, host.Result.Figure, TPrecision(precision));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* density = dialog.findChild<QLineEdit*>(QStringLiteral("EDensity"));
    auto* mass = dialog.findChild<QLineEdit*>(QStringLiteral("EMass"));
    QVERIFY(density && mass);
    const QString point = QString(QLatin1Char(separator));
    // With a cube of edge 1 the mass is the density: the longest densities
    // that the density edit takes.
    for (QString text :
         {QStringLiteral("888888888888888"), QStringLiteral("8.88888888888888"),
          QStringLiteral("0.000888888888888"), QStringLiteral("0.00088888888888888"),
          QStringLiteral("8.888888888888E4931"), QStringLiteral("8.888888888888E-4900"),
          QStringLiteral("8.88888888888E-4940"), QStringLiteral("1E18")}) {
        text.replace(QLatin1Char('.'), point);
        density->setText(text);
        QVERIFY2(!mass->text().isEmpty(), qPrintable(text));
        mass->repaint();
        // Both ends of the text are in view: nothing scrolled out.
        const int middle = mass->height() / 2;
        const QString what = text + QStringLiteral(": ") + mass->text();
        QVERIFY2(mass->cursorPositionAt(QPoint(mass->width() - 3, middle)) == mass->text().size(),
                 qPrintable(what + " runs past the right edge"));
        QVERIFY2(mass->cursorPositionAt(QPoint(3, middle)) == 0, qPrintable(what + " is scrolled"));
        QVERIFY2(mass->toolTip().isEmpty(), qPrintable(what));
        QVERIFY2(QFontInfo(mass->font()).pixelSize() >= MinimumLegiblePixels, qPrintable(what));
    }
    density->clear();
    QVERIFY(mass->text().isEmpty());
}

void TestValueFitting::fitText_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("smaller");
    QTest::addColumn<bool>("cut");
    QTest::newRow("room enough") << 400 << false << false;
    QTest::newRow("smaller type") << 0 << true << false; // width: what 10 px needs
    QTest::newRow("too narrow even at the smallest type") << 40 << true << true;
}

void TestValueFitting::fitText() {
    QFETCH(int, width);
    QFETCH(bool, smaller);
    QFETCH(bool, cut);
    const QString text = QStringLiteral("1.18973149535723E4932");
    const QFont base = PixelFont(QStringLiteral("Arial"), 14, true);
    if (width == 0) {
        QFont ten = base;
        ten.setPixelSize(10);
        width = QFontMetrics(ten).horizontalAdvance(text);
    }
    const TFittedText fitted = FitText(text, base, width);
    QCOMPARE(fitted.Font.pixelSize() < 14, smaller);
    QCOMPARE(fitted.Cut, cut);
    QVERIFY(fitted.Font.pixelSize() >= MinimumLegiblePixels);
    QVERIFY(QFontMetrics(fitted.Font).horizontalAdvance(fitted.Shown) <= width);
    if (cut) {
        QCOMPARE(fitted.Font.pixelSize(), MinimumLegiblePixels);
        QVERIFY(fitted.Shown.endsWith(Ellipsis));
    } else {
        QCOMPARE(fitted.Shown, text);
    }
    if (smaller && !cut) {
        // The largest type that fits: one pixel more would not.
        QFont larger = fitted.Font;
        larger.setPixelSize(fitted.Font.pixelSize() + 1);
        QVERIFY(QFontMetrics(larger).horizontalAdvance(text) > width);
    }
}

QTEST_MAIN(TestValueFitting)
#include "tst_ValueFitting.moc"
