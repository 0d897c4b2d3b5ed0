// The units dialog and its group of lists: it opens at the stored choice, OK stores
// the choice by ids and tells of a change, any other way out stores nothing, every
// unit is offered in the enum's order with the names in the active language, the
// note on plain numbers follows the length unit, and the lists are named for a
// screen reader.

#include "GuiTestFixture.h"
#include "Settings.h"
#include "UnitsDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

QComboBox* List(QWidget* AParent, const char* AName) {
    return AParent->findChild<QComboBox*>(QLatin1String(AName));
}

QString Stored(const QString& AName) {
    const TSettingsStore store(SettingsKeys::Settings);
    return store.ReadString(QString(), AName, QStringLiteral("(missing)"));
}

// Picks the item at AIndex as a user does, from the keyboard.
void Pick(QComboBox* AList, int AIndex) {
    AList->setFocus();
    QTest::keyClick(AList, Qt::Key_Home);
    for (int i = 0; i < AIndex; ++i)
        QTest::keyClick(AList, Qt::Key_Down);
    QCOMPARE(AList->currentIndex(), AIndex);
}

} // namespace

class TestUnitsDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensAtTheStoredChoice();
    void okStoresTheChoiceAndTellsOfAChange();
    void cancelAndEscapeStoreNothing();
    void listsOfferEveryUnitInTheirLanguage_data();
    void listsOfferEveryUnitInTheirLanguage();
    void plainNumbersNoteFollowsTheLengthUnit();
    void groupStandsAloneAndKeepsItsChoiceAcrossLanguages();
    void namedForScreenReaders();

private:
    std::unique_ptr<GuiTest::TSettingsSandbox> FSettings;
    std::unique_ptr<GuiTest::TLanguageSandbox> FLanguage;
    std::unique_ptr<QWidget> FOwner;
};

void TestUnitsDialog::init() {
    FSettings = std::make_unique<GuiTest::TSettingsSandbox>();
    FLanguage = std::make_unique<GuiTest::TLanguageSandbox>();
    FOwner = std::make_unique<QWidget>();
    FOwner->setGeometry(100, 100, 400, 300);
    FOwner->show();
}

void TestUnitsDialog::cleanup() {
    FOwner.reset();
    FLanguage.reset();
    FSettings.reset();
}

void TestUnitsDialog::opensAtTheStoredChoice() {
    {
        TSettingsStore store(SettingsKeys::Settings);
        store.WriteString(QString(), SettingNames::LengthUnit, QStringLiteral("ftin"));
        store.WriteString(QString(), SettingNames::VolumeUnit, QStringLiteral("L"));
        store.WriteString(QString(), SettingNames::MassUnit, QStringLiteral("furlong"));
    }
    TFormUnits dialog(FOwner.get());
    QCOMPARE(List(&dialog, "CBLengthUnit")->currentText(), QStringLiteral("feet and inches"));
    QCOMPARE(List(&dialog, "CBAreaUnit")->currentText(), QStringLiteral("none"));
    QCOMPARE(List(&dialog, "CBVolumeUnit")->currentText(), QStringLiteral("L"));
    // An unknown id is refused: the default stands.
    QCOMPARE(List(&dialog, "CBMassUnit")->currentText(), QStringLiteral("kg"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Units"));
    QCOMPARE(dialog.size(), QSize(TFormUnits::ClientWidth, TFormUnits::ClientHeight));
}

void TestUnitsDialog::okStoresTheChoiceAndTellsOfAChange() {
    TFormUnits dialog(FOwner.get());
    QSignalSpy changed(&dialog, &TFormUnits::UnitsChanged);
    dialog.show();
    Pick(List(&dialog, "CBLengthUnit"), luCentimetre);
    Pick(List(&dialog, "CBVolumeUnit"), vuImperialGallon);
    Pick(List(&dialog, "CBMassUnit"), muPound);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BOK")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(Stored(SettingNames::LengthUnit), QStringLiteral("cm"));
    QCOMPARE(Stored(SettingNames::AreaUnit), QStringLiteral("none"));
    QCOMPARE(Stored(SettingNames::VolumeUnit), QStringLiteral("impgal"));
    QCOMPARE(Stored(SettingNames::MassUnit), QStringLiteral("lb"));

    // OK without a change stores the same and tells nothing.
    TFormUnits again(FOwner.get());
    QSignalSpy unchanged(&again, &TFormUnits::UnitsChanged);
    again.show();
    QTest::keyClick(&again, Qt::Key_Return);
    QCOMPARE(again.result(), int(QDialog::Accepted));
    QCOMPARE(unchanged.count(), 0);
    QCOMPARE(ReadUnitChoice().Volume, vuImperialGallon);
}

void TestUnitsDialog::cancelAndEscapeStoreNothing() {
    for (const bool escape : {false, true}) {
        TFormUnits dialog(FOwner.get());
        QSignalSpy changed(&dialog, &TFormUnits::UnitsChanged);
        dialog.show();
        Pick(List(&dialog, "CBLengthUnit"), luMetre);
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BCancel")),
                              Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(Stored(SettingNames::LengthUnit), QStringLiteral("(missing)"));
    }
}

void TestUnitsDialog::listsOfferEveryUnitInTheirLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("none");
    QTest::addColumn<QString>("feetAndInches");
    QTest::addColumn<QString>("barrel");
    QTest::newRow("English") << "English"
                             << "none"
                             << "feet and inches"
                             << "bbl (US oil barrel)";
    QTest::newRow("Czech") << "Czech" << QStringLiteral("žádná") << "stopy a palce"
                           << QStringLiteral("bbl (americký barel ropy)");
    QTest::newRow("Slovak") << "Slovak" << QStringLiteral("žiadna") << "stopy a palce"
                            << QStringLiteral("bbl (americký barel ropy)");
}

void TestUnitsDialog::listsOfferEveryUnitInTheirLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, none);
    QFETCH(QString, feetAndInches);
    QFETCH(QString, barrel);
    QVERIFY(Languages->Load(language));
    TFormUnits dialog(FOwner.get());
    const struct {
        const char* Name;
        int Count;
        std::function<QString(int)> Id;
    } lists[] = {
        {"CBLengthUnit", LengthUnitCount, [](int i) { return UnitId(TLengthUnit(i)); }},
        {"CBAreaUnit", AreaUnitCount, [](int i) { return UnitId(TAreaUnit(i)); }},
        {"CBVolumeUnit", VolumeUnitCount, [](int i) { return UnitId(TVolumeUnit(i)); }},
        {"CBMassUnit", MassUnitCount, [](int i) { return UnitId(TMassUnit(i)); }},
    };
    for (const auto& list : lists) {
        QComboBox* box = List(&dialog, list.Name);
        QCOMPARE(box->count(), list.Count);
        for (int i = 0; i < list.Count; ++i) {
            QCOMPARE(box->itemData(i).toString(), list.Id(i));
            QVERIFY(!box->itemText(i).contains(TLanguageFile::Undefined));
        }
    }
    QCOMPARE(List(&dialog, "CBLengthUnit")->itemText(luNone), none);
    QCOMPARE(List(&dialog, "CBLengthUnit")->itemText(luFeetAndInches), feetAndInches);
    QCOMPARE(List(&dialog, "CBVolumeUnit")->itemText(vuUSOilBarrel), barrel);
    // Symbols are the same in every language.
    QCOMPARE(List(&dialog, "CBAreaUnit")->itemText(auSquareMetre), QStringLiteral("m²"));
    QCOMPARE(List(&dialog, "CBVolumeUnit")->itemText(vuLitre), QStringLiteral("L"));
}

void TestUnitsDialog::plainNumbersNoteFollowsTheLengthUnit() {
    TFormUnits dialog(FOwner.get());
    dialog.show();
    auto* note = dialog.findChild<QLabel*>(QStringLiteral("LPlainNumbers"));
    QVERIFY(note->isVisible());
    QVERIFY(note->text().startsWith(QStringLiteral("Without a length unit")));
    Pick(List(&dialog, "CBLengthUnit"), luInch);
    QVERIFY(!note->isVisible());
    Pick(List(&dialog, "CBLengthUnit"), luNone);
    QVERIFY(note->isVisible());
}

void TestUnitsDialog::groupStandsAloneAndKeepsItsChoiceAcrossLanguages() {
    QWidget page;
    auto* group = new TFrameUnits(&page);
    QSignalSpy changed(group, &TFrameUnits::ChoiceChanged);
    TUnitChoice choice;
    choice.Length = luYard;
    choice.Area = auHectare;
    choice.Volume = vuUSGallon;
    choice.Mass = muTonne;
    group->SetChoice(choice);
    QCOMPARE(group->Choice(), choice);
    QCOMPARE(changed.count(), 0); // set by the program, not picked
    QCOMPARE(group->size(), QSize(TFrameUnits::FrameWidth, TFrameUnits::FrameHeight));

    QVERIFY(Languages->Load(QStringLiteral("Czech")));
    group->SetLanguage();
    QCOMPARE(group->Choice(), choice);
    QCOMPARE(group->title(), QStringLiteral("Jednotky"));
    QCOMPARE(changed.count(), 0);

    page.show();
    Pick(List(group, "CBMassUnit"), muOunce);
    QVERIFY(changed.count() > 0);
    QCOMPARE(group->Choice().Mass, muOunce);
}

void TestUnitsDialog::namedForScreenReaders() {
    TFormUnits dialog(FOwner.get());
    for (const auto& [list, label] :
         {std::pair{"CBLengthUnit", "LLengthUnit"}, std::pair{"CBAreaUnit", "LAreaUnit"},
          std::pair{"CBVolumeUnit", "LVolumeUnit"}, std::pair{"CBMassUnit", "LMassUnit"}}) {
        auto* caption = dialog.findChild<QLabel*>(QLatin1String(label));
        QCOMPARE(caption->buddy(), List(&dialog, list));
        QCOMPARE(List(&dialog, list)->accessibleName(), caption->text());
        QVERIFY(!caption->text().isEmpty());
    }
    QCOMPARE(List(&dialog, "CBLengthUnit")->accessibleName(),
             QStringLiteral("Length of the entries"));
    QVERIFY(FLanguage->Messages().isEmpty());
}

QTEST_MAIN(TestUnitsDialog)
#include "tst_UnitsDialog.moc"
