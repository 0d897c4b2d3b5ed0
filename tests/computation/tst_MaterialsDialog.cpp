// The materials dialog: every material with its density, the stored choice
// selected, own materials added, edited and removed and stored on OK only (what is
// stored otherwise is kept), Custom's density edited, the list greyed with its
// reason while lengths have no unit, and the editor refusing a material without a
// name or with a density that is not a finite number above zero.

#include "GuiTestFixture.h"
#include "MaterialsDialog.h"
#include "SeparatorGuard.h"
#include "Settings.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

QListWidget* List(QWidget* ADialog) {
    return ADialog->findChild<QListWidget*>(QStringLiteral("LBMaterials"));
}

QPushButton* Button(QWidget* ADialog, const char* AName) {
    return ADialog->findChild<QPushButton*>(QLatin1String(AName));
}

QLineEdit* Edit(QWidget* ADialog, const char* AName) {
    return ADialog->findChild<QLineEdit*>(QLatin1String(AName));
}

int RowOf(QListWidget* AList, const QString& AText) {
    const QList<QListWidgetItem*> found = AList->findItems(AText, Qt::MatchExactly);
    return found.isEmpty() ? -1 : AList->row(found.first());
}

// Fills the material editor that opened as a modal and presses its OK.
GuiTest::TModalHandler FillEditor(const QString& AName, const QString& ADensity) {
    return [AName, ADensity](QWidget* AModal) {
        auto* editor = qobject_cast<TFormMaterial*>(AModal);
        QVERIFY(editor);
        QLineEdit* name = Edit(editor, "EName");
        if (name->isEnabled()) {
            name->clear();
            QTest::keyClicks(name, AName);
        }
        QLineEdit* density = Edit(editor, "EDensity");
        density->clear();
        QTest::keyClicks(density, ADensity);
        QTest::mouseClick(Button(editor, "BOK"), Qt::LeftButton);
    };
}

QByteArray StoreBytes(const GuiTest::TSettingsSandbox& ASettings) {
    QFile file(ASettings.FilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestMaterialsDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void listsEveryMaterialWithItsDensity();
    void greyedWithItsReasonWithoutALengthUnit();
    void ownMaterialAddedAndChosen();
    void ownMaterialsEditedAndRemovedWithoutLosingTheRest();
    void customDensityIsThePresetDensity();
    void cancelStoresNothing();
    void editorRefusesWhatIsNoMaterial_data();
    void editorRefusesWhatIsNoMaterial();
    void speaksTheLanguages();

private:
    std::unique_ptr<GuiTest::TSettingsSandbox> FSettings;
    std::unique_ptr<GuiTest::TLanguageSandbox> FLanguage;
    std::unique_ptr<QWidget> FOwner;
};

void TestMaterialsDialog::init() {
    FSettings = std::make_unique<GuiTest::TSettingsSandbox>();
    FLanguage = std::make_unique<GuiTest::TLanguageSandbox>();
    FOwner = std::make_unique<QWidget>();
    FOwner->setGeometry(100, 100, 500, 400);
    FOwner->show();
}

void TestMaterialsDialog::cleanup() {
    FOwner.reset();
    FLanguage.reset();
    FSettings.reset();
}

void TestMaterialsDialog::listsEveryMaterialWithItsDensity() {
    SetChosenMaterialKey(QStringLiteral("oak"));
    TFormMaterials dialog(FOwner.get(), luMetre, BuiltInMaterials());
    QListWidget* list = List(&dialog);
    QCOMPARE(list->count(), BuiltInMaterials().size() + 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Custom")); // no preset density stored
    QVERIFY(RowOf(list, QStringLiteral("Steel, 7850 kg/m³")) > 0);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Oak, 702 kg/m³"));
    QCOMPARE(dialog.ChosenKey(), QStringLiteral("oak"));
    QVERIFY(list->isEnabled());
    QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("LNeedsLengthUnit"))->isVisibleTo(&dialog));
    // A shipped material is neither edited nor removed.
    QVERIFY(Button(&dialog, "BAdd")->isEnabled());
    QVERIFY(!Button(&dialog, "BEdit")->isEnabled());
    QVERIFY(!Button(&dialog, "BRemove")->isEnabled());
    list->setCurrentRow(0);
    QVERIFY(Button(&dialog, "BEdit")->isEnabled());
    QVERIFY(!Button(&dialog, "BRemove")->isEnabled());
}

void TestMaterialsDialog::greyedWithItsReasonWithoutALengthUnit() {
    TFormMaterials dialog(FOwner.get(), luNone, BuiltInMaterials());
    dialog.show();
    QVERIFY(!List(&dialog)->isEnabled());
    for (const char* name : {"BAdd", "BEdit", "BRemove"})
        QVERIFY2(!Button(&dialog, name)->isEnabled(), name);
    auto* reason = dialog.findChild<QLabel*>(QStringLiteral("LNeedsLengthUnit"));
    QVERIFY(reason->isVisible());
    QCOMPARE(reason->text(),
             QStringLiteral("The mass of a material needs a length unit. Choose one under Units…"));
    QCOMPARE(List(&dialog)->accessibleDescription(), reason->text());
    QVERIFY(Button(&dialog, "BOK")->isEnabled());
}

void TestMaterialsDialog::ownMaterialAddedAndChosen() {
    const TSeparatorGuard guard(',');
    TFormMaterials dialog(FOwner.get(), luCentimetre, BuiltInMaterials());
    QSignalSpy changed(&dialog, &TFormMaterials::MaterialChanged);
    dialog.show();
    GuiTest::TModalWatcher watcher;
    watcher.Expect(FillEditor(QStringLiteral("Wet clay"), QStringLiteral("1,75")));
    QTest::mouseClick(Button(&dialog, "BAdd"), Qt::LeftButton);
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen().at(0).Title, QStringLiteral("New material"));
    // After Custom, before the shipped materials, selected.
    QCOMPARE(List(&dialog)->currentRow(), 1);
    QCOMPARE(List(&dialog)->currentItem()->text(), QStringLiteral("Wet clay, 1,75 kg/m³"));
    QVERIFY(ReadOwnMaterials(TSettingsStore(SettingsKeys::Settings)).isEmpty()); // not yet

    QTest::mouseClick(Button(&dialog, "BOK"), Qt::LeftButton);
    QCOMPARE(changed.count(), 1);
    const QList<TOwnMaterial> own = ReadOwnMaterials(TSettingsStore(SettingsKeys::Settings));
    QCOMPARE(own.size(), 1);
    QCOMPARE(own.at(0).Name, QStringLiteral("Wet clay"));
    QCOMPARE(own.at(0).DensityText, QStringLiteral("1.75")); // stored with a point
    QCOMPARE(ChosenMaterialKey(), MaterialKeys::OwnPrefix + own.at(0).ValueName);
    QVERIFY2(watcher.Unexpected().isEmpty(), qPrintable(watcher.Unexpected().join('\n')));
}

void TestMaterialsDialog::ownMaterialsEditedAndRemovedWithoutLosingTheRest() {
    {
        TSettingsStore store(SettingsKeys::Settings);
        AddOwnMaterial(store, QStringLiteral("Tar"), QStringLiteral("1200"));
        AddOwnMaterial(store, QStringLiteral("Mud"), QStringLiteral("1700"));
        store.WriteString(SettingsKeys::OwnMaterialsSection, QStringLiteral("scrap"),
                          QStringLiteral("not a material"));
    }
    SetChosenMaterialKey(QStringLiteral("own:2"));
    TFormMaterials dialog(FOwner.get(), luMetre, BuiltInMaterials());
    dialog.show();
    QListWidget* list = List(&dialog);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Mud, 1700 kg/m³"));
    QVERIFY(Button(&dialog, "BRemove")->isEnabled());

    // Removing the chosen one selects the one above it.
    QTest::mouseClick(Button(&dialog, "BRemove"), Qt::LeftButton);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Tar, 1200 kg/m³"));
    GuiTest::TModalWatcher watcher;
    watcher.Expect(FillEditor(QStringLiteral("Road tar"), QStringLiteral("1150.5")));
    QTest::mouseClick(Button(&dialog, "BEdit"), Qt::LeftButton);
    QCOMPARE(watcher.Seen().value(0).Title, QStringLiteral("Material"));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Road tar, 1150.5 kg/m³"));
    QTest::mouseClick(Button(&dialog, "BOK"), Qt::LeftButton);

    const TSettingsStore store(SettingsKeys::Settings);
    const QList<TOwnMaterial> own = ReadOwnMaterials(store);
    QCOMPARE(own.size(), 1);
    QCOMPARE(own.at(0).ValueName, QStringLiteral("1"));
    QCOMPARE(own.at(0).Name, QStringLiteral("Road tar"));
    QCOMPARE(own.at(0).Density, 1150.5L);
    QCOMPARE(
        store.ReadString(SettingsKeys::OwnMaterialsSection, QStringLiteral("scrap"), QString()),
        QStringLiteral("not a material"));
    QCOMPARE(ChosenMaterialKey(), QStringLiteral("own:1"));
    QVERIFY2(watcher.Unexpected().isEmpty(), qPrintable(watcher.Unexpected().join('\n')));
}

void TestMaterialsDialog::customDensityIsThePresetDensity() {
    {
        TSettingsStore store(SettingsKeys::Settings);
        store.WriteString(QString(), SettingNames::PresetDensity, QStringLiteral("1000"));
        store.WriteBool(QString(), SettingNames::UsePresetDensity, false);
    }
    TFormMaterials dialog(FOwner.get(), luMetre, BuiltInMaterials());
    dialog.show();
    QCOMPARE(List(&dialog)->currentRow(), 0); // Custom is chosen until another is
    QCOMPARE(List(&dialog)->currentItem()->text(), QStringLiteral("Custom, 1000 kg/m³"));
    bool nameFixed = false;
    GuiTest::TModalWatcher watcher;
    watcher.Expect([&nameFixed](QWidget* AModal) {
        nameFixed = !Edit(AModal, "EName")->isEnabled() &&
                    Edit(AModal, "EName")->text() == QStringLiteral("Custom");
        FillEditor(QString(), QStringLiteral("2400"))(AModal);
    });
    QTest::mouseClick(Button(&dialog, "BEdit"), Qt::LeftButton);
    QVERIFY(nameFixed);
    QTest::mouseClick(Button(&dialog, "BOK"), Qt::LeftButton);
    const TSettingsStore store(SettingsKeys::Settings);
    QCOMPARE(store.ReadString(QString(), SettingNames::PresetDensity, QString()),
             QStringLiteral("2400"));
    // Whether the supplementary data show a mass stays the settings dialog's choice.
    QCOMPARE(store.ReadBool(QString(), SettingNames::UsePresetDensity, true), false);
    QCOMPARE(ChosenMaterialKey(), MaterialKeys::Custom);
}

void TestMaterialsDialog::cancelStoresNothing() {
    {
        TSettingsStore store(SettingsKeys::Settings);
        AddOwnMaterial(store, QStringLiteral("Tar"), QStringLiteral("1200"));
    }
    SetChosenMaterialKey(QStringLiteral("own:1"));
    const QByteArray before = StoreBytes(*FSettings);
    TFormMaterials dialog(FOwner.get(), luMetre, BuiltInMaterials());
    QSignalSpy changed(&dialog, &TFormMaterials::MaterialChanged);
    dialog.show();
    GuiTest::TModalWatcher watcher;
    watcher.Expect(FillEditor(QStringLiteral("Pitch"), QStringLiteral("1100")));
    QTest::mouseClick(Button(&dialog, "BAdd"), Qt::LeftButton);
    List(&dialog)->setCurrentRow(RowOf(List(&dialog), QStringLiteral("Tar, 1200 kg/m³")));
    QTest::mouseClick(Button(&dialog, "BRemove"), Qt::LeftButton);
    List(&dialog)->setCurrentRow(RowOf(List(&dialog), QStringLiteral("Ice, 0 °C, 917 kg/m³")));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(StoreBytes(*FSettings), before);
}

void TestMaterialsDialog::editorRefusesWhatIsNoMaterial_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("density");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("focus");
    const QString noDensity = QStringLiteral("The density is not a number above zero.");
    QTest::newRow("a material") << "Sludge"
                                << "1100.5" << QString() << QString();
    QTest::newRow("no name") << "  "
                             << "1100"
                             << "The material needs a name."
                             << "EName";
    QTest::newRow("no density") << "Sludge"
                                << "" << noDensity << "EDensity";
    QTest::newRow("zero") << "Sludge"
                          << "0" << noDensity << "EDensity";
    QTest::newRow("below zero") << "Sludge"
                                << "-3" << noDensity << "EDensity";
    QTest::newRow("beyond the numbers") << "Sludge"
                                        << "1E5000" << noDensity << "EDensity";
    QTest::newRow("not a number") << "Sludge"
                                  << "heavy" << noDensity << "EDensity";
}

void TestMaterialsDialog::editorRefusesWhatIsNoMaterial() {
    QFETCH(QString, name);
    QFETCH(QString, density);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    TFormMaterial editor(FOwner.get(), QString(), QString(), true, false);
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    // Set as a paste or an old value would leave them; the typing rule is tested apart.
    Edit(&editor, "EName")->setText(name);
    Edit(&editor, "EDensity")->setText(density);
    GuiTest::TModalWatcher watcher;
    if (!message.isEmpty())
        watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));
    editor.BOKClick();
    if (message.isEmpty()) {
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(editor.Name(), name);
        QCOMPARE(editor.DensityText(), density);
        QVERIFY(watcher.Seen().isEmpty());
        return;
    }
    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen().at(0).Text, message);
    QCOMPARE(watcher.Seen().at(0).Icon, QMessageBox::Critical);
    QVERIFY(editor.isVisible()); // still open, for the text to be put right
    QCOMPARE(editor.focusWidget(), Edit(&editor, focus.toLatin1().constData()));
}

void TestMaterialsDialog::speaksTheLanguages() {
    const TSeparatorGuard guard(',');
    QVERIFY(Languages->Load(QStringLiteral("Czech")));
    TFormMaterials dialog(FOwner.get(), luMetre, BuiltInMaterials());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Materiály"));
    QCOMPARE(List(&dialog)->item(0)->text(), QStringLiteral("Vlastní"));
    QVERIFY(RowOf(List(&dialog), QStringLiteral("Voda, 20 °C, 998,2 kg/m³")) > 0);
    QCOMPARE(List(&dialog)->accessibleName(), QStringLiteral("Materiál"));
    QCOMPARE(Button(&dialog, "BRemove")->text(), QStringLiteral("Odebrat"));

    QVERIFY(Languages->Load(QStringLiteral("Slovak")));
    TFormMaterial editor(FOwner.get(), QString(), QString(), true, false);
    QCOMPARE(editor.windowTitle(), QStringLiteral("Nový materiál"));
    QCOMPARE(Edit(&editor, "EDensity")->accessibleName(), QStringLiteral("Hustota (kg/m³)"));
    QCOMPARE(Edit(&editor, "EName")->accessibleName(), QStringLiteral("Názov"));
    QVERIFY(FLanguage->Messages().isEmpty());
}

QTEST_MAIN(TestMaterialsDialog)
#include "tst_MaterialsDialog.moc"
