// The level table of the cylindrical tank: opened from the computation
// window's options menu, it follows the radius and length entries and the
// results panel's number form, keeps to its step and row limits, gives the
// level for a volume or a filling, and copies and saves exactly the table it
// shows.
#include "AppTestEnvironment.h"
#include "ComputationWindowFixture.h"
#include "FillCurve.h"
#include "LevelTable.h"
#include "NumberParsing.h"
#include "PdfReading.h"
#include "SeparatorGuard.h"
#include "SolidPages.h"
#include "TankLevels.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <boost/multiprecision/cpp_bin_float.hpp>

namespace {

using Reference = boost::multiprecision::cpp_bin_float_50;

// The volume and the filling of a tank of radius AR and length AL at level AH,
// in 50 digits: the circular segment's area times the length.
Reference ReferenceVolume(Extended AR, Extended AL, Extended AH) {
    const Reference r(AR), l(AL), h(AH);
    return l * (r * r * acos((r - h) / r) - (r - h) * sqrt(h * (2 * r - h)));
}
Reference ReferenceFilling(Extended AR, Extended AL, Extended AH) {
    const Reference r(AR), l(AL);
    return ReferenceVolume(AR, AL, AH) * 100 /
           (boost::math::constants::pi<Reference>() * r * r * l);
}

// The texts of the table as the user reads them, header first.
QList<QStringList> ShownTable(const TLevelTableModel* AModel) {
    QList<QStringList> rows;
    QStringList header;
    for (int column = 0; column < AModel->columnCount(); ++column)
        header.append(AModel->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    rows.append(header);
    for (int row = 0; row < AModel->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < AModel->columnCount(); ++column)
            cells.append(AModel->data(AModel->index(row, column), Qt::DisplayRole).toString());
        rows.append(cells);
    }
    return rows;
}

QString StateText(const TFormLevelTable* AWindow) {
    const auto* state = AWindow->findChild<QLabel*>(QStringLiteral("LState"));
    return state->isVisibleTo(const_cast<TFormLevelTable*>(AWindow)) ? state->text() : QString();
}

QString LevelText(const TFormLevelTable* AWindow) {
    return AWindow->findChild<QLabel*>(QStringLiteral("LevelResult"))->text();
}

QLineEdit* Edit(const TFormLevelTable* AWindow, const char* AName) {
    return AWindow->findChild<QLineEdit*>(QLatin1String(AName));
}

} // namespace

class TestLevelTable : public QObject {
    Q_OBJECT
private slots:
    void init();
    void menuItemOnTheTankPageOnly();
    void followsTheEntries();
    void followsNumberForm();
    void rowCounts_data();
    void rowCounts();
    void stepLimits_data();
    void stepLimits();
    void levelForVolumeOrFilling_data();
    void levelForVolumeOrFilling();
    void volumeAndFillingReplaceEachOther();
    void csvReadsBackAsTheTable_data();
    void csvReadsBackAsTheTable();
    void capacityIsShown();
    void saveRemembersTheFolder();
    void copyIsTabSeparated();
    void curveFollowsTheTankAndTheRows();
    void dipChartOnPaper_data();
    void dipChartOnPaper();
    void printAsksForAPrinter();
    void writeFailureLeavesNothing_data();
    void writeFailureLeavesNothing();
    void czechTexts();

private:
    GuiTest::TAppTestEnvironment Environment;
};

void TestLevelTable::init() {
    Environment.Settings().Clear();
}

void TestLevelTable::menuItemOnTheTankPageOnly() {
    for (int page = 0; page < PageCount; ++page) {
        TOpenWindow open(page);
        auto* item = open.Window->findChild<QAction*>(QStringLiteral("MLevelTable"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("Level table…"));
        QVERIFY(open.Window->Results()->Menu()->actions().contains(item));
        QCOMPARE(item->isEnabled(), page == pgCylindricalTank);
        item->trigger();
        QCOMPARE(open.Window->LevelTableWindow() != nullptr, page == pgCylindricalTank);
    }
}

// Radius and length alone make the table; the level entry plays no part. An
// entry that gives no tank shows the results panel's state and no rows.
void TestLevelTable::followsTheEntries() {
    TOpenWindow open(pgCylindricalTank);
    open.Window->findChild<QAction*>(QStringLiteral("MLevelTable"))->trigger();
    TFormLevelTable* table = open.Window->LevelTableWindow();
    QVERIFY(table);
    QVERIFY(table->isWindow());
    QCOMPARE(table->windowTitle(), QStringLiteral("Level table"));
    QCOMPARE(table->Model()->rowCount(), 0);
    QCOMPARE(StateText(table), QStringLiteral("---"));

    QTest::keyClicks(open.Entry(QStringLiteral("CylindricalTank_R")), QStringLiteral("1.5"));
    QCOMPARE(StateText(table), QStringLiteral("---"));
    QTest::keyClicks(open.Entry(QStringLiteral("CylindricalTank_D")), QStringLiteral("4"));
    QCOMPARE(open.Volume(), QStringLiteral("---")); // no level: no figure, but a table
    QCOMPARE(StateText(table), QString());
    QCOMPARE(table->Model()->rowCount(), 21);
    QList<QStringList> shown = ShownTable(table->Model());
    QCOMPARE(shown.at(0), (QStringList{"Level", "Volume", "Filling (%)"}));
    QCOMPARE(shown.at(1), (QStringList{"0.00", "0.00", "0.00"}));
    QCOMPARE(shown.at(11), (QStringList{"1.50", "14.14", "50.00"})); // half of 9 pi
    QCOMPARE(shown.at(21), (QStringList{"3.00", "28.27", "100.00"}));
    QCOMPARE(Edit(table, "EStep")->placeholderText(), QStringLiteral("0.15 (diameter / 20)"));

    // A level typed changes nothing in the table.
    QTest::keyClicks(open.Entry(QStringLiteral("CylindricalTank_H")), QStringLiteral("0.7"));
    QCOMPARE(ShownTable(table->Model()), shown);

    // A diameter typed with "*" is halved, as in the computation.
    open.Entry(QStringLiteral("CylindricalTank_R"))->setText(QStringLiteral("*6"));
    QCOMPARE(table->Model()->data(table->Model()->index(20, 0)).toString(), QStringLiteral("6.00"));

    open.Entry(QStringLiteral("CylindricalTank_D"))->setText(QStringLiteral("-4"));
    QCOMPARE(StateText(table), QStringLiteral("Input error"));
    QCOMPARE(table->Model()->rowCount(), 0);
    QCOMPARE(LevelText(table), QStringLiteral("Input error"));
    open.Entry(QStringLiteral("CylindricalTank_D"))->clear();
    QCOMPARE(StateText(table), QStringLiteral("---"));
    open.Entry(QStringLiteral("CylindricalTank_D"))->setText(QStringLiteral("4"));
    QCOMPARE(table->Model()->rowCount(), 21);

    // Closing the window with its close box lets the computation window open a new one.
    table->close();
    QTRY_VERIFY(!open.Window->LevelTableWindow());
}

// Precision (also while the precision dialog previews one) and number form
// are the results panel's.
void TestLevelTable::followsNumberForm() {
    TOpenWindow open(pgCylindricalTank);
    open.Entry(QStringLiteral("CylindricalTank_R"))->setText(QStringLiteral("1.5"));
    open.Entry(QStringLiteral("CylindricalTank_D"))->setText(QStringLiteral("4"));
    open.Window->findChild<QAction*>(QStringLiteral("MLevelTable"))->trigger();
    const TLevelTableModel* model = open.Window->LevelTableWindow()->Model();
    const auto cell = [model](int ARow, int AColumn) {
        return model->data(model->index(ARow, AColumn)).toString();
    };
    QCOMPARE(cell(20, 1), QStringLiteral("28.27"));
    open.Window->Results()->PreviewPrecision(TPrecision(5));
    QCOMPARE(cell(20, 1), QStringLiteral("28.27433"));
    open.Window->Results()->ApplyNumberForm();
    QCOMPARE(cell(20, 1), QStringLiteral("28.27"));
    open.Window->findChild<QAction*>(QStringLiteral("MPrecision3"))->trigger();
    QCOMPARE(cell(20, 1), QStringLiteral("28.274"));
    open.Window->findChild<QAction*>(QStringLiteral("MSemilogarithmicForm"))->trigger();
    QCOMPARE(cell(20, 1), QStringLiteral("2.827 x10"));
    QCOMPARE(cell(20, 0), QStringLiteral("3.000"));
    QCOMPARE(cell(1, 0), QStringLiteral("1.500 x10⁻¹"));
    QCOMPARE(cell(0, 0), QStringLiteral("0.000"));
    open.Entry(QStringLiteral("CylindricalTank_D"))->setText(QStringLiteral("4000"));
    QCOMPARE(cell(20, 1), QStringLiteral("2.827 x10⁴"));
}

void TestLevelTable::rowCounts_data() {
    QTest::addColumn<Extended>("diameter");
    QTest::addColumn<Extended>("step");
    QTest::addColumn<long long>("count");
    QTest::addColumn<Extended>("lastButOne");
    QTest::newRow("twentieths") << 3.0L << 3.0L / 20 << 21LL << 3.0L * 19 / 20;
    QTest::newRow("tenths of an odd diameter") << 1.0L / 3 << 1.0L / 30 << 11LL << 0.3L;
    QTest::newRow("step not dividing") << 3.0L << 0.7L << 6LL << 2.8L;
    QTest::newRow("step 0.1 of 2") << 2.0L << 0.1L << 21LL << 1.9L;
    QTest::newRow("step above the diameter") << 3.0L << 4.0L << 2LL << 0.0L;
    QTest::newRow("step the diameter") << 3.0L << 3.0L << 2LL << 0.0L;
    QTest::newRow("just within the limit") << 9999.0L << 1.0L << 10000LL << 9998.0L;
    QTest::newRow("one row too many") << 10000.0L << 1.0L << -1LL << 0.0L;
    QTest::newRow("far too many") << 1e300L << 1e-300L << -1LL << 0.0L;
}

void TestLevelTable::rowCounts() {
    QFETCH(Extended, diameter);
    QFETCH(Extended, step);
    QFETCH(long long, count);
    QFETCH(Extended, lastButOne);
    QCOMPARE(LevelRows::Count(diameter, step), count);
    if (count < 0)
        return;
    QCOMPARE(LevelRows::Level(diameter, step, 0, count), Extended(0));
    QCOMPARE(LevelRows::Level(diameter, step, count - 1, count), diameter);
    QVERIFY(std::fabs(LevelRows::Level(diameter, step, count - 2, count) - lastButOne) <=
            1e-15L * diameter);
    for (long long row = 1; row < count; ++row)
        QVERIFY(LevelRows::Level(diameter, step, row, count) >
                LevelRows::Level(diameter, step, row - 1, count));
}

void TestLevelTable::stepLimits_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("state");
    const QString tooMany =
        QStringLiteral("The step gives more than 10,000 rows. Choose a larger step.");
    const QString invalid = QStringLiteral("The step must be a positive number.");
    QTest::newRow("default") << "" << 21 << "";
    QTest::newRow("half") << "0.5" << 7 << "";
    QTest::newRow("not dividing") << "0.7" << 6 << "";
    QTest::newRow("10,000 rows") << "0.0003000300030003" << 10000 << "";
    QTest::newRow("10,001 rows") << "0.0003" << 0 << tooMany;
    QTest::newRow("tiny") << "1E-4000" << 0 << tooMany;
    QTest::newRow("zero") << "0" << 0 << invalid;
    QTest::newRow("negative") << "-1" << 0 << invalid;
    QTest::newRow("separator only") << "." << 0 << invalid;
}

void TestLevelTable::stepLimits() {
    QFETCH(QString, step);
    QFETCH(int, rows);
    QFETCH(QString, state);
    QWidget owner;
    TFormLevelTable table(&owner);
    table.SetTank(rsSpocitano, 1.5L, 4, TNumberForm{});
    Edit(&table, "EStep")->setText(step);
    QCOMPARE(table.Model()->rowCount(), rows);
    QCOMPARE(StateText(&table), state);
    QCOMPARE(table.findChild<QWidget*>(QStringLiteral("BCopy"))->isEnabled(), rows > 0);
    QCOMPARE(table.findChild<QWidget*>(QStringLiteral("BSaveCSV"))->isEnabled(), rows > 0);
    // Back to a sound step, the table is back.
    Edit(&table, "EStep")->clear();
    QCOMPARE(table.Model()->rowCount(), 21);
}

void TestLevelTable::levelForVolumeOrFilling_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("level");
    const QString volume = QStringLiteral("EVolume"), filling = QStringLiteral("EPercentage");
    // Tank of radius 1.5 and length 4: full at 9 pi = 28.2743338823081...
    QTest::newRow("half the tank") << volume << "14.1371669411540685" << 2 << "1.50";
    QTest::newRow("empty") << volume << "0" << 2 << "0.00";
    QTest::newRow("full") << filling << "100" << 2 << "3.00";
    QTest::newRow("half, by filling") << filling << "50" << 14 << "1.50000000000000";
    // The segment of height 0.75 in a circle of radius 1.5 has the area
    // 1.5^2 (pi/3 - sqrt(3)/4): filled to a quarter of the diameter the tank
    // holds 4 times that, 19.5501... %.
    QTest::newRow("a quarter of the height")
        << volume << "5.52766364373940580" << 14 << "0.75000000000000";
    QTest::newRow("a quarter, by filling")
        << filling << "19.5501109477885" << 12 << "0.750000000000";
    QTest::newRow("above full") << volume << "28.3" << 2 << "more than the full tank";
    QTest::newRow("filling above 100") << filling << "100.001" << 2 << "more than the full tank";
    QTest::newRow("below zero") << volume << "-1" << 2 << "less than zero";
    QTest::newRow("nothing typed") << volume << "" << 2 << "---";
    QTest::newRow("not a number") << filling << "." << 2 << "Input error";
}

void TestLevelTable::levelForVolumeOrFilling() {
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(int, precision);
    QFETCH(QString, level);
    QWidget owner;
    TFormLevelTable table(&owner);
    table.SetTank(rsSpocitano, 1.5L, 4, TNumberForm{TPrecision(precision), false});
    table.findChild<QLineEdit*>(edit)->setText(typed);
    QCOMPARE(LevelText(&table), level);
    // No box for any of it.
    QVERIFY(!QApplication::activeModalWidget());
}

void TestLevelTable::volumeAndFillingReplaceEachOther() {
    QWidget owner;
    TFormLevelTable table(&owner);
    table.SetTank(rsSpocitano, 1.5L, 4, TNumberForm{});
    QTest::keyClicks(Edit(&table, "EVolume"), QStringLiteral("14.1371669411540685"));
    QCOMPARE(LevelText(&table), QStringLiteral("1.50"));
    QTest::keyClicks(Edit(&table, "EPercentage"), QStringLiteral("100"));
    QCOMPARE(Edit(&table, "EVolume")->text(), QString());
    QCOMPARE(LevelText(&table), QStringLiteral("3.00"));
    // The answer follows the tank.
    table.SetTank(rsSpocitano, 2, 4, TNumberForm{});
    QCOMPARE(LevelText(&table), QStringLiteral("4.00"));
    table.SetTank(rsChyba_Z, 0, 0, TNumberForm{});
    QCOMPARE(LevelText(&table), QStringLiteral("Input error"));
    // Letters are not typed.
    QTest::keyClicks(Edit(&table, "EVolume"), QStringLiteral("abc"));
    QCOMPARE(Edit(&table, "EVolume")->text(), QString());
}

void TestLevelTable::csvReadsBackAsTheTable_data() {
    QTest::addColumn<char>("decimal");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("semilogarithmic");
    QTest::newRow("point") << '.' << "," << false;
    QTest::newRow("comma") << ',' << ";" << false;
    QTest::newRow("comma, semilogarithmic") << ',' << ";" << true;
}

// The file names the tank's radius and length, then holds the table's header and
// every row, one line each, the numbers with all their digits (15 significant, not
// the panel's 4 decimals) in the user's decimal form; they read back into the
// tank's volumes and fillings to 15 digits of a 50-digit reference.
void TestLevelTable::csvReadsBackAsTheTable() {
    QFETCH(char, decimal);
    QFETCH(QString, field);
    QFETCH(bool, semilogarithmic);
    const TSeparatorGuard separator(decimal);
    QCOMPARE(TFormLevelTable::FieldSeparator(QLatin1Char(decimal)), field.at(0));
    QWidget owner;
    TFormLevelTable table(&owner);
    const Extended radius = 1.5L, length = 4000;
    table.SetTank(rsSpocitano, radius, length, TNumberForm{4, semilogarithmic});
    Edit(&table, "EStep")
        ->setText(decimal == ',' ? QStringLiteral("0,07") : QStringLiteral("0.07"));
    const TLevelTableModel* model = table.Model();
    QCOMPARE(model->rowCount(), 44);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString name = QDir(folder.path()).filePath(QStringLiteral("table.csv"));
    QVERIFY(table.SaveCsv(name));
    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.takeLast(), QString()); // the last line is ended too
    QCOMPARE(lines.takeFirst(), QStringLiteral("r") + field + QStringLiteral("1") +
                                    QLatin1Char(decimal) + QStringLiteral("5"));
    QCOMPARE(lines.takeFirst(), QStringLiteral("d") + field + QStringLiteral("4000"));
    const QList<QStringList> shown = ShownTable(model);
    QCOMPARE(lines.size(), shown.size());
    QCOMPARE(lines.at(0).split(field), shown.at(0));
    for (int row = 0; row < model->rowCount(); ++row) {
        const QStringList fields = lines.at(row + 1).split(field);
        QCOMPARE(fields.size(), 3);
        Extended read[3] = {};
        for (int column = 0; column < 3; ++column)
            QVERIFY2(TryTextToExtended(fields.at(column), read[column], QLatin1Char(decimal)),
                     qPrintable(fields.at(column)));
        const Extended level = model->Value(row, 0);
        const Reference expected[3] = {Reference(level), ReferenceVolume(radius, length, level),
                                       ReferenceFilling(radius, length, level)};
        for (int column = 0; column < 3; ++column) {
            // Half a unit of the 15th significant digit.
            const Reference error = abs(Reference(read[column]) - expected[column]);
            QVERIFY2(error <= expected[column] * Reference(5.0000001e-15L),
                     qPrintable(QStringLiteral("row %1 column %2: %3")
                                    .arg(row)
                                    .arg(column)
                                    .arg(fields.at(column))));
        }
    }
}

// The tank's capacity stands below the step, in the volume unit chosen.
void TestLevelTable::capacityIsShown() {
    QWidget owner;
    TFormLevelTable table(&owner);
    auto* capacity = table.findChild<QLabel*>(QStringLiteral("LCapacity"));
    QVERIFY(capacity);
    table.SetTank(rsSpocitano, 1.5L, 4, TNumberForm{});
    // pi 1.5^2 4 = 28.274333882308138...
    QCOMPARE(capacity->text(), QStringLiteral("Volume of full tank: 28.27"));
    TUnitChoice units;
    units.Length = luMetre;
    units.Volume = vuLitre;
    table.SetUnits(units);
    QCOMPARE(capacity->text(), QStringLiteral("Volume of full tank: 28274.33 L"));
    table.SetTank(rsChyba_Z, 0, 0, TNumberForm{});
    QCOMPARE(capacity->text(), QString());
}

// The file dialogs start where the last table or chart was saved.
void TestLevelTable::saveRemembersTheFolder() {
    QWidget owner;
    TFormLevelTable table(&owner);
    table.SetTank(rsSpocitano, 1.5L, 4, TNumberForm{});
    QTemporaryDir first, second;
    QVERIFY(first.isValid() && second.isValid());
    // Answers the file dialog: records where it starts, then names a file in AFolder.
    QString started;
    const auto answer = [&started](const QString& AFolder, const QString& AFile) {
        QTimer::singleShot(0, [&started, AFolder, AFile] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            started = dialog->directory().absolutePath();
            dialog->selectFile(QDir(AFolder).filePath(AFile));
            QMetaObject::invokeMethod(dialog, "accept");
        });
    };
    answer(first.path(), QStringLiteral("levels.csv"));
    table.SaveClick();
    QVERIFY(QFile::exists(QDir(first.path()).filePath(QStringLiteral("levels.csv"))));
    answer(second.path(), QStringLiteral("chart.pdf"));
    table.SavePdfClick();
    QCOMPARE(started, QDir(first.path()).absolutePath());
    QVERIFY(QFile::exists(QDir(second.path()).filePath(QStringLiteral("chart.pdf"))));
    answer(first.path(), QStringLiteral("again.csv"));
    table.SaveClick();
    QCOMPARE(started, QDir(second.path()).absolutePath());
}

void TestLevelTable::copyIsTabSeparated() {
    const TSeparatorGuard separator(',');
    QWidget owner;
    TFormLevelTable table(&owner);
    table.SetTank(rsSpocitano, 1.5L, 4, TNumberForm{});
    QGuiApplication::clipboard()->clear();
    table.findChild<QAbstractButton*>(QStringLiteral("BCopy"))->click();
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 23); // header, 21 rows, the end of the last
    QCOMPARE(lines.at(0), QStringLiteral("Level\tVolume\tFilling (%)"));
    QCOMPARE(lines.at(11), QStringLiteral("1,50\t14,14\t50,00"));
    QCOMPARE(lines.at(21), QStringLiteral("3,00\t28,27\t100,00"));
}

// The curve beside the table marks the rows the table shows and the level of
// the tank the window calculated; the dip chart's buttons work while there are rows.
void TestLevelTable::curveFollowsTheTankAndTheRows() {
    TOpenWindow open(pgCylindricalTank);
    open.Entry(QStringLiteral("CylindricalTank_R"))->setText(QStringLiteral("1.5"));
    open.Entry(QStringLiteral("CylindricalTank_D"))->setText(QStringLiteral("4"));
    open.Window->findChild<QAction*>(QStringLiteral("MLevelTable"))->trigger();
    TFormLevelTable* table = open.Window->LevelTableWindow();
    QVERIFY(table);
    const TFillCurveView* view = table->Curve();
    QVERIFY(view->isVisible());
    QCOMPARE(view->accessibleName(), QStringLiteral("Fill curve"));
    // Below the table, as wide.
    const QWidget* list = table->findChild<QWidget*>(QStringLiteral("LevelList"));
    QVERIFY(view->geometry().top() > list->geometry().bottom());
    QCOMPARE(view->width(), list->width());
    const auto rowLevels = [view] {
        QList<double> levels;
        for (Extended level : view->Curve().RowLevels)
            levels << double(level);
        return levels;
    };
    QVERIFY(view->Curve().Valid());
    QCOMPARE(view->Curve().RowLevels.size(), std::size_t(21));
    QCOMPARE(double(view->Curve().RowLevels[1]), 0.15);
    QVERIFY(!view->Curve().Level); // no level typed: no figure
    for (const char* name : {"BPrint", "BSavePdf"})
        QVERIFY(table->findChild<QPushButton*>(QLatin1String(name))->isEnabled());

    QTest::keyClicks(open.Entry(QStringLiteral("CylindricalTank_H")), QStringLiteral("0.7"));
    QVERIFY(view->Curve().Level && table->DipChart().Level);
    QCOMPARE(double(*view->Curve().Level), 0.7);
    QCOMPARE(double(*table->DipChart().Level), 0.7);
    Edit(table, "EStep")->setText(QStringLiteral("1"));
    QCOMPARE(rowLevels(), (QList<double>{0, 1, 2, 3}));
    QCOMPARE(double(table->DipChart().Step), 1.0);
    // The number form of the table writes the curve's numbers too.
    open.Window->findChild<QAction*>(QStringLiteral("MPrecision3"))->trigger();
    QCOMPARE(view->Curve().Number(1.5L), QStringLiteral("1.500"));

    // A level above the tank gives no figure: the rows stay, the mark goes.
    open.Entry(QStringLiteral("CylindricalTank_H"))->setText(QStringLiteral("3.5"));
    QVERIFY(!view->Curve().Level);
    QCOMPARE(view->Curve().RowLevels.size(), std::size_t(4));
    open.Entry(QStringLiteral("CylindricalTank_R"))->setText(QStringLiteral("x"));
    QVERIFY(!view->Curve().Valid());
    for (const char* name : {"BPrint", "BSavePdf"})
        QVERIFY(!table->findChild<QPushButton*>(QLatin1String(name))->isEnabled());
}

void TestLevelTable::dipChartOnPaper_data() {
    QTest::addColumn<bool>("printer");
    QTest::newRow("printed") << true;
    QTest::newRow("saved as PDF") << false;
}

// The dip chart of the table shown, on a printer (here one that prints into a
// PDF file) or in a PDF file: the tank, its level, and every row's level.
void TestLevelTable::dipChartOnPaper() {
    QFETCH(bool, printer);
    REQUIRE_POPPLER();
    QWidget owner;
    TFormLevelTable table(&owner);
    table.SetTank(rsSpocitano, 1, 4, TNumberForm{2, false}, 0.5L);
    Edit(&table, "EStep")->setText(QStringLiteral("0.25"));
    QTemporaryDir folder;
    const QString name = QDir(folder.path()).filePath(QStringLiteral("chart.pdf"));
    if (printer) {
        QPrinter device(QPrinter::HighResolution);
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setOutputFileName(name);
        QVERIFY(table.Print(device));
    } else {
        QVERIFY(table.SavePdf(name));
    }
    const QString text = PdfReading::Text(name);
    QVERIFY2(text.contains(QStringLiteral("Dip chart of a cylindrical tank")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Height of level h = 0.50")), qPrintable(text));
    for (const char* level : {"0.25", "0.50", "0.75", "1.00", "1.25", "1.50", "1.75", "2.00"})
        QVERIFY2(text.contains(QLatin1String(level)), level);
    // Half full: half of pi r^2 d.
    QVERIFY(text.contains(QStringLiteral("6.28")));
    QVERIFY(text.contains(QStringLiteral("Page 1 of 1")));
}

// Print loads the print module and asks for a printer in its dialog; cancelled,
// nothing more happens (no error box).
void TestLevelTable::printAsksForAPrinter() {
    QWidget owner;
    TFormLevelTable table(&owner);
    table.SetTank(rsSpocitano, 1, 4, TNumberForm{2, false}, 0.5L);
    GuiTest::TModalWatcher watcher;
    bool printDialog = false;
    watcher.Expect([&](QWidget* AModal) {
        printDialog = AModal->inherits("QAbstractPrintDialog");
        static_cast<QDialog*>(AModal)->reject();
    });
    table.findChild<QPushButton*>(QStringLiteral("BPrint"))->click();
    QCOMPARE(watcher.Seen().size(), 1);
    QVERIFY2(printDialog, qPrintable(watcher.Seen().first().ClassName));
    QCOMPARE(watcher.Seen().first().Title,
             LanguageText(QStringLiteral("TDipChart"), QStringLiteral("Caption")));
}

void TestLevelTable::writeFailureLeavesNothing_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("pdf");
    QTest::newRow("folder missing") << "missing/table.csv" << false;
    QTest::newRow("target is a folder") << "folder" << false;
    QTest::newRow("PDF, folder missing") << "missing/chart.pdf" << true;
    QTest::newRow("PDF, target is a folder") << "folder" << true;
}

// A file that cannot be written is reported in an error box naming it; nothing
// is left behind, and what was there stays.
void TestLevelTable::writeFailureLeavesNothing() {
    QFETCH(QString, target);
    QFETCH(bool, pdf);
    QTemporaryDir root;
    const QDir folder(root.path());
    QVERIFY(folder.mkdir(QStringLiteral("folder")));
    QFile kept(folder.filePath(QStringLiteral("folder/kept.txt")));
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.write("kept");
    kept.close();
    const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    QWidget owner;
    TFormLevelTable table(&owner);
    table.SetTank(rsSpocitano, 1.5L, 4, TNumberForm{});
    GuiTest::TModalWatcher watcher;
    watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    const QString name = folder.filePath(target);
    QVERIFY(pdf ? !table.SavePdf(name) : !table.SaveCsv(name));
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen().at(0).Icon, QMessageBox::Critical);
    const QString message = pdf ? QStringLiteral("The dip chart could not be saved to the file %1:")
                                : QStringLiteral("The table could not be saved to the file %1.");
    QVERIFY2(watcher.Seen().at(0).Text.startsWith(message.arg(QDir::toNativeSeparators(name))),
             qPrintable(watcher.Seen().at(0).Text));
    QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QCOMPARE(QDir(folder.filePath(QStringLiteral("folder"))).entryList(QDir::Files),
             QStringList{QStringLiteral("kept.txt")});
    QVERIFY(watcher.Unexpected().isEmpty());
}

void TestLevelTable::czechTexts() {
    Environment.LanguageManager().Load(QStringLiteral("Czech"));
    const auto restore =
        qScopeGuard([this] { Environment.LanguageManager().Load(QStringLiteral("English")); });
    TOpenWindow open(pgCylindricalTank);
    auto* item = open.Window->findChild<QAction*>(QStringLiteral("MLevelTable"));
    QCOMPARE(item->text(), QStringLiteral("Tabulka hladin…"));
    item->trigger();
    TFormLevelTable* table = open.Window->LevelTableWindow();
    QCOMPARE(table->windowTitle(), QStringLiteral("Tabulka hladin"));
    QCOMPARE(ShownTable(table->Model()).at(0),
             (QStringList{"Výška hladiny", "Objem", "Naplnění (%)"}));
    open.Entry(QStringLiteral("CylindricalTank_R"))->setText(QStringLiteral("1"));
    open.Entry(QStringLiteral("CylindricalTank_D"))->setText(QStringLiteral("1"));
    Edit(table, "EPercentage")->setText(QStringLiteral("101"));
    QCOMPARE(LevelText(table), QStringLiteral("více než plná nádrž"));
}

QTEST_MAIN(TestLevelTable)
#include "tst_LevelTable.moc"
