// What a screen reader finds in the main window and in every page and variant of
// the computation window, in every shipped language: a name for every control
// that takes the focus (its caption, never its objectName), the results read as
// "Volume 27.00", and a tab order that reaches every entry.
#include "Accessibility.h"
#include "AppTestEnvironment.h"
#include "ComputationWindowFixture.h"
#include "MainWindow.h"
#include "MassCalculation.h"
#include "Precision.h"
#include "SettingsDialog.h"
#include "SolidPages.h"
#include "UpDown.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

namespace {
const QString Undefined = QStringLiteral("[undefined]");

QString Describe(QAccessibleInterface* AInterface) {
    const QObject* object = AInterface->object();
    return (object ? QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') +
                         object->objectName()
                   : QStringLiteral("?")) +
           QStringLiteral(" \"") + AInterface->text(QAccessible::Name) + QLatin1Char('"');
}

// Every shown control in the accessibility tree below AInterface that takes the
// focus and has no name of its own (none, its objectName, or an undefined text).
void Unnamed(QAccessibleInterface* AInterface, QStringList& AProblems, QStringList& AVisited) {
    for (int i = 0; i < AInterface->childCount(); ++i) {
        QAccessibleInterface* child = AInterface->child(i);
        if (!child || child->state().invisible)
            continue;
        const QString name = child->text(QAccessible::Name);
        const QObject* object = child->object();
        if (child->state().focusable) {
            AVisited << Describe(child);
            if (child->role() == QAccessible::ComboBox) {
                // Read by its current item on Linux, where the list's name is its
                // label's (the buddy relation), and by its name elsewhere.
                const QString own =
                    object ? object->property("accessibleName").toString() : QString();
                if (own.trimmed().isEmpty() || own.contains(Undefined))
                    AProblems << Describe(child) + QStringLiteral(" (list without a name)");
            } else if (name.trimmed().isEmpty() || name.contains(Undefined) ||
                       (object && name == object->objectName())) {
                AProblems << Describe(child);
            }
        }
        // A named control with a description says something too.
        if (child->text(QAccessible::Description).contains(Undefined))
            AProblems << Describe(child) + QStringLiteral(" (description)");
        Unnamed(child, AProblems, AVisited);
    }
}

QStringList UnnamedControls(QWidget* AWindow, int AAtLeast) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(AWindow);
    if (!root)
        return {QStringLiteral("no accessibility interface")};
    QStringList problems;
    QStringList visited;
    Unnamed(root, problems, visited);
    // The walk must have seen the window's controls, or it proves nothing.
    if (visited.size() < AAtLeast)
        problems << QStringLiteral("only %1 focusable controls seen: ").arg(visited.size()) +
                        visited.join(QStringLiteral(", "));
    return problems;
}

QString Name(QWidget* AWidget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(AWidget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void mainWindow_data();
    void mainWindow();
    void computationPages_data();
    void computationPages();
    void dialogs_data();
    void dialogs();
    void resultsAreReadWithTheirValues_data();
    void resultsAreReadWithTheirValues();

private:
    GuiTest::TAppTestEnvironment Environment;
};

void TestAccessibility::mainWindow_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("cube");
    QTest::newRow("English") << "English"
                             << "Cube";
    QTest::newRow("Czech") << "Czech" << QStringLiteral("Krychle");
    QTest::newRow("Slovak") << "Slovak" << QStringLiteral("Kocka");
}

// The main window is built in English and switched, as the settings dialog does:
// the names follow.
void TestAccessibility::mainWindow() {
    QFETCH(QString, language);
    QFETCH(QString, cube);
    const auto restore =
        qScopeGuard([this] { Environment.LanguageManager().Load(QStringLiteral("English")); });
    QVERIFY(Environment.LanguageManager().Load(QStringLiteral("English")));
    TFormMain window;
    window.show();
    QVERIFY(Environment.LanguageManager().Load(language));
    window.SetLanguage();
    const QStringList problems = UnnamedControls(&window, 17);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    auto* button = window.findChild<QAbstractButton*>(QStringLiteral("BCube"));
    QVERIFY(button);
    QCOMPARE(Name(button), cube);
    for (auto* each : window.findChildren<QAbstractButton*>())
        if (each->isVisible() && !each->text().isEmpty())
            QCOMPARE(Name(each), SpokenCaption(each->text()));
}

void TestAccessibility::computationPages_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("page");
    for (const char* language : {"English", "Czech", "Slovak"})
        for (int page = 0; page < PageCount; ++page) {
            const QByteArray row = QByteArray(language) + ' ' + PageDesc(TPage(page)).Name;
            QTest::newRow(row.constData()) << QString::fromLatin1(language) << page;
        }
}

void TestAccessibility::computationPages() {
    QFETCH(QString, language);
    QFETCH(int, page);
    const auto restore =
        qScopeGuard([this] { Environment.LanguageManager().Load(QStringLiteral("English")); });
    QVERIFY(Environment.LanguageManager().Load(language));
    const TPageDesc& desc = PageDesc(TPage(page));
    for (TVariant variant : desc.Variants) {
        const TVariantDesc& variantDesc = VariantDesc(variant);
        const QByteArray where =
            QByteArray(desc.Name) + " variant " + QByteArray::number(int(variant)) + ": ";
        TOpenWindow window(page);
        ChooseVariant(window, variant);
        if (QTest::currentTestFailed())
            return;

        // Names: every focusable control; the entries by their captions, the
        // spinners by their entries' captions, the icon-only buttons by their
        // tool-tips.
        const QStringList problems = UnnamedControls(window.Window.get(), 1);
        QVERIFY2(problems.isEmpty(), (where + problems.join(QLatin1Char('\n')).toUtf8()).data());
        QList<QWidget*> entries;
        for (const TEntryPlace& place : variantDesc.Entries) {
            QWidget* control = window.Control(QLatin1String(EntryDesc(place.Entry).Name));
            QVERIFY2(control && control->isVisible(), where + EntryDesc(place.Entry).Name);
            if (auto* edit = qobject_cast<TLabeledEdit*>(control)) {
                QCOMPARE(Name(edit), SpokenCaption(edit->EditLabel()->text()));
                if (auto* spinner = window.Control<TUpDown>(edit->objectName() + "_UD"))
                    QCOMPARE(Name(spinner), Name(edit));
            }
            if (control->isEnabled())
                entries << control;
        }
        for (const char* name : {"BFormulas", "BSupplementaryData", "BDraft", "BOptionsMenu"}) {
            auto* button = window.Control<QToolButton>(QLatin1String(name));
            QVERIFY2(button, name);
            QCOMPARE(Name(button),
                     LanguageText(QStringLiteral("TFormComputations"), QLatin1String(name)));
        }
        for (TVariantControl control : desc.Controls) {
            const TVariantControlDesc& controlDesc = VariantControlDesc(control);
            QWidget* widget = window.Control(QLatin1String(controlDesc.Name));
            auto* caption = window.Control<QLabel>(QLatin1String(controlDesc.CaptionName));
            QVERIFY(widget && caption);
            QCOMPARE(widget->accessibleName(), SpokenCaption(caption->text()));
            if (controlDesc.Kind == vkList) {
                // Linux screen readers find a list's label by the label relation.
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
                bool labelled = false;
                for (const auto& relation : iface->relations(QAccessible::Label))
                    labelled = labelled || relation.first->object() == caption;
                QVERIFY2(labelled, controlDesc.Name);
            }
        }

        // Tab order: from the first entry, Tab reaches every entry the variant
        // shows (enabled ones; a count the variant fixes is skipped by Tab).
        if (entries.isEmpty())
            continue;
        entries.first()->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), entries.first());
        QList<QWidget*> reached{entries.first()};
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            if (!focus || focus == entries.first())
                break;
            reached << focus;
        }
        for (QWidget* entry : entries)
            QVERIFY2(reached.contains(entry),
                     (where + "Tab does not reach " + entry->objectName().toLatin1()).data());
    }
}

void TestAccessibility::dialogs_data() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"English", "Czech", "Slovak"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

// The settings dialog (with the preset density's edit enabled), the precision and
// the mass calculation dialogs.
void TestAccessibility::dialogs() {
    QFETCH(QString, language);
    const auto restore =
        qScopeGuard([this] { Environment.LanguageManager().Load(QStringLiteral("English")); });
    QVERIFY(Environment.LanguageManager().Load(language));
    TFormSettings settings(nullptr);
    settings.show();
    settings.findChild<QCheckBox*>(QStringLiteral("ChBUsePresetDensity"))->setChecked(true);
    TFormPrecision precision(nullptr, 2);
    precision.show();
    TFormMassCalculation mass(nullptr, nullptr, 2);
    mass.show();
    for (QWidget* dialog : {static_cast<QWidget*>(&settings), static_cast<QWidget*>(&precision),
                            static_cast<QWidget*>(&mass)}) {
        const QStringList problems = UnnamedControls(dialog, 2);
        QVERIFY2(problems.isEmpty(), qPrintable(dialog->objectName() + QStringLiteral(": ") +
                                                problems.join(QLatin1Char('\n'))));
    }
}

void TestAccessibility::resultsAreReadWithTheirValues_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("area");
    QTest::newRow("English") << "English"
                             << "Volume"
                             << "Surface area";
    QTest::newRow("Czech") << "Czech"
                           << "Objem"
                           << "Povrch";
    QTest::newRow("Slovak") << "Slovak"
                            << "Objem"
                            << "Povrch";
}

void TestAccessibility::resultsAreReadWithTheirValues() {
    QFETCH(QString, language);
    QFETCH(QString, volume);
    QFETCH(QString, area);
    const auto restore =
        qScopeGuard([this] { Environment.LanguageManager().Load(QStringLiteral("English")); });
    QVERIFY(Environment.LanguageManager().Load(language));
    TOpenWindow window(pgCube);
    auto* volumeLabel = window.Control<QLabel>(QStringLiteral("ResultVolume"));
    auto* areaLabel = window.Control<QLabel>(QStringLiteral("ResultArea"));
    QCOMPARE(Name(volumeLabel), volume + QStringLiteral(" ---"));
    QTest::keyClicks(window.Entry(QStringLiteral("Cube_A")), QStringLiteral("3"));
    QCOMPARE(window.Volume().remove(QRegularExpression(QStringLiteral("[.,]"))),
             QStringLiteral("2700"));
    // The value changes, and the name with it.
    QCOMPARE(Name(volumeLabel), volume + QLatin1Char(' ') + window.Volume());
    QCOMPARE(Name(areaLabel), area + QLatin1Char(' ') + window.Area());
    QTest::keyClicks(window.Entry(QStringLiteral("Cube_A")), QStringLiteral("00000"));
    QCOMPARE(Name(volumeLabel), volume + QLatin1Char(' ') + window.Volume() +
                                    QStringLiteral(" × 10^") +
                                    window.Control<QLabel>(QStringLiteral("ExponentV"))->text());
    QVERIFY(window.Control<QLabel>(QStringLiteral("DecadeV"))->isVisible());
}

QTEST_MAIN(TestAccessibility)
#include "tst_Accessibility.moc"
