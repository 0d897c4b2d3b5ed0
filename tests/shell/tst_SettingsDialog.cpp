#include "GuiTestFixture.h"
#include "MainWindow.h"
#include "SeparatorGuard.h"
#include "SettingsDialog.h"
#include "UpDown.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

template <class T> T* Find(const QWidget& ADialog, const QString& AName) {
    T* widget = ADialog.findChild<T*>(AName);
    if (!widget)
        qFatal("no control %s", qPrintable(AName));
    return widget;
}

// Values as they lie in the store ("Key=Value" below the Settings key).
void Store(const GuiTest::TSettingsSandbox& ASandbox, const QStringList& AValues) {
    QSettings raw(ASandbox.FilePath(), QSettings::IniFormat);
    for (const QString& pair : AValues) {
        const int at = pair.indexOf(QLatin1Char('='));
        raw.setValue(QStringLiteral("Settings/") + pair.left(at), pair.mid(at + 1));
    }
    raw.sync();
}

QString Stored(const GuiTest::TSettingsSandbox& ASandbox, const QString& AName) {
    QSettings raw(ASandbox.FilePath(), QSettings::IniFormat);
    return raw.value(QStringLiteral("Settings/") + AName, QStringLiteral("<missing>")).toString();
}

QStringList StoredNames(const GuiTest::TSettingsSandbox& ASandbox) {
    QSettings raw(ASandbox.FilePath(), QSettings::IniFormat);
    raw.beginGroup(QStringLiteral("Settings"));
    return raw.childKeys();
}

void PickLanguage(const TFormSettings& ADialog, const QString& AId) {
    auto* list = Find<QComboBox>(ADialog, QStringLiteral("CBLanguage"));
    const int index = list->findText(AId);
    QVERIFY2(index >= 0, qPrintable(AId));
    // As the user's pick in the drop-down list.
    list->setCurrentIndex(index);
    emit list->activated(index);
}

bool IsTransparent(const QPixmap& APixmap) {
    const QImage image = APixmap.toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

} // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void layout_data();
    void layout();
    void tabOrder();
    void readsStoredValues_data();
    void readsStoredValues();
    void okWritesEveryValue_data();
    void okWritesEveryValue();
    void okRefusesInvalidDensity_data();
    void okRefusesInvalidDensity();
    void densityEditFollowsCheckBox();
    void languageListShowsFlags();
    void flagThatIsNoPictureStaysEmpty_data();
    void flagThatIsNoPictureStaysEmpty();
    void textsOfLanguage_data();
    void textsOfLanguage();
    void languageSwitch_data();
    void languageSwitch();
    void failedLanguageLoadKeepsActiveItem();
    void defaultButton_data();
    void defaultButton();

private:
    GuiTest::TSettingsSandbox Sandbox;
    GuiTest::TLanguageSandbox Texts;
};

void TestSettingsDialog::init() {
    Sandbox.Clear();
    Texts.Manager().Load(QStringLiteral("English"));
}

void TestSettingsDialog::layout_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("place");

    QTest::newRow("GBResults") << "FormSettings" << QRect(12, 12, 165, 213);
    QTest::newRow("EPrecision") << "GBResults" << QRect(12, 40, 40, 21);
    QTest::newRow("UDPrecision") << "GBResults" << QRect(52, 40, 16, 21);
    QTest::newRow("RGForm") << "GBResults" << QRect(12, 76, 141, 64);
    QTest::newRow("ChBUsePresetDensity") << "GBResults" << QRect(12, 156, 141, 17);
    QTest::newRow("EPresetDensity") << "GBResults" << QRect(12, 176, 141, 21);
    QTest::newRow("GBView") << "FormSettings" << QRect(189, 12, 165, 213);
    QTest::newRow("ChBDraft") << "GBView" << QRect(12, 48, 141, 17);
    QTest::newRow("ChBSupplementaryData") << "GBView" << QRect(12, 72, 141, 17);
    QTest::newRow("ChBFormulas") << "GBView" << QRect(12, 24, 141, 17);
    QTest::newRow("LLanguage") << "GBView" << QRect(12, 102, 141, 13);
    QTest::newRow("CBLanguage") << "GBView" << QRect(12, 118, 141, 22);
    QTest::newRow("BOK") << "FormSettings" << QRect(124, 236, 75, 23);
    QTest::newRow("BCancel") << "FormSettings" << QRect(234, 236, 75, 23);
    QTest::newRow("BDefault") << "FormSettings" << QRect(344, 236, 75, 23);
}

void TestSettingsDialog::layout() {
    QFETCH(QString, parent);
    QFETCH(QRect, place);
    TFormSettings dialog(nullptr);
    QCOMPARE(dialog.size(), QSize(TFormSettings::ClientWidth, TFormSettings::ClientHeight));
    // Wider than it was by the units group at its right.
    QCOMPARE(dialog.size(), QSize(543, 270));
    auto* control = Find<QWidget>(dialog, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), place);
}

void TestSettingsDialog::tabOrder() {
    TFormSettings dialog(nullptr);
    QWidget* const first = Find<QWidget>(dialog, QStringLiteral("EPrecision"));
    QStringList order;
    QWidget* widget = first;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first && order.size() < 100);
    const QStringList expected{"EPrecision",
                               "UDPrecision",
                               "RGForm_0",
                               "RGForm_1",
                               "ChBUsePresetDensity",
                               "EPresetDensity",
                               "ChBFormulas",
                               "ChBDraft",
                               "ChBSupplementaryData",
                               "CBLanguage",
                               "CBLengthUnit",
                               "CBAreaUnit",
                               "CBVolumeUnit",
                               "CBMassUnit",
                               "BOK",
                               "BCancel",
                               "BDefault"};
    QCOMPARE(order, expected);
}

void TestSettingsDialog::readsStoredValues_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("precision");
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("usePresetDensity");
    QTest::addColumn<QString>("density");
    QTest::addColumn<bool>("draft");
    QTest::addColumn<bool>("supplementaryData");
    QTest::addColumn<bool>("formulas");

    QTest::newRow("nothing stored: defaults")
        << QStringList() << "2" << 0 << false << "" << true << true << true;
    QTest::newRow("every value stored")
        << QStringList{"Precision=7",        "Form=1",      "UsePresetDensity=1",
                       "PresetDensity=7850", "ShowDraft=0", "ShowSupplementaryData=0",
                       "ShowFormulas=0"}
        << "7" << 1 << true << "7850" << false << false << false;
    QTest::newRow("form above 1 selects the second item")
        << QStringList{"Form=5"} << "2" << 1 << false << "" << true << true << true;
    QTest::newRow("negative form selects none")
        << QStringList{"Form=-3"} << "2" << -1 << false << "" << true << true << true;
    QTest::newRow("form not a number reads the default")
        << QStringList{"Form=x"} << "2" << 0 << false << "" << true << true << true;
    QTest::newRow("precision above the range")
        << QStringList{"Precision=20"} << "14" << 0 << false << "" << true << true << true;
    QTest::newRow("negative precision")
        << QStringList{"Precision=-4"} << "0" << 0 << false << "" << true << true << true;
    QTest::newRow("precision not a number reads the default")
        << QStringList{"Precision=abc"} << "2" << 0 << false << "" << true << true << true;
    QTest::newRow("invalid density shown unchanged")
        << QStringList{"UsePresetDensity=1", "PresetDensity=12,5 kg"} << "2" << 0 << true
        << "12,5 kg" << true << true << true;
    QTest::newRow("density kept while not used")
        << QStringList{"UsePresetDensity=0", "PresetDensity=2.5"} << "2" << 0 << false << "2.5"
        << true << true << true;
    QTest::newRow("boolean 2 reads true")
        << QStringList{"UsePresetDensity=2", "ShowDraft=2", "ShowFormulas=yes"} << "2" << 0 << true
        << "" << true << true << true;
}

void TestSettingsDialog::readsStoredValues() {
    QFETCH(QStringList, stored);
    QFETCH(QString, precision);
    QFETCH(int, form);
    QFETCH(bool, usePresetDensity);
    QFETCH(QString, density);
    QFETCH(bool, draft);
    QFETCH(bool, supplementaryData);
    QFETCH(bool, formulas);
    Store(Sandbox, stored);

    TFormSettings dialog(nullptr);
    QCOMPARE(Find<QLineEdit>(dialog, QStringLiteral("EPrecision"))->text(), precision);
    QCOMPARE(Find<TUpDown>(dialog, QStringLiteral("UDPrecision"))->Position(), precision.toInt());
    QCOMPARE(dialog.FormIndex(), form);
    const auto items = Find<QGroupBox>(dialog, QStringLiteral("RGForm"))
                           ->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(0)->isChecked(), form == 0);
    QCOMPARE(items.at(1)->isChecked(), form == 1);
    QCOMPARE(Find<QCheckBox>(dialog, QStringLiteral("ChBUsePresetDensity"))->isChecked(),
             usePresetDensity);
    auto* densityEdit = Find<QLineEdit>(dialog, QStringLiteral("EPresetDensity"));
    QCOMPARE(densityEdit->text(), density);
    QCOMPARE(densityEdit->isEnabled(), usePresetDensity);
    QCOMPARE(Find<QCheckBox>(dialog, QStringLiteral("ChBDraft"))->isChecked(), draft);
    QCOMPARE(Find<QCheckBox>(dialog, QStringLiteral("ChBSupplementaryData"))->isChecked(),
             supplementaryData);
    QCOMPARE(Find<QCheckBox>(dialog, QStringLiteral("ChBFormulas"))->isChecked(), formulas);
}

void TestSettingsDialog::okWritesEveryValue_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<int>("precision");
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("density");
    QTest::addColumn<bool>("draft");
    QTest::addColumn<bool>("supplementaryData");
    QTest::addColumn<bool>("formulas");
    QTest::addColumn<QString>("storedUse");

    QTest::newRow("everything changed")
        << '.' << 14 << 1 << true << "7850" << false << true << false << "1";
    QTest::newRow("decimal density with a comma")
        << ',' << 0 << 0 << true << "12,5" << true << false << true << "1";
    QTest::newRow("decimal density with a point")
        << '.' << 3 << 0 << true << "0.25" << true << true << true << "1";
    QTest::newRow("no form selected stores -1")
        << '.' << 2 << -1 << false << "" << true << true << true << "0";
    QTest::newRow("unchecked: text kept, not used")
        << '.' << 5 << 0 << false << "7850" << false << false << false << "0";
    QTest::newRow("unchecked: invalid text kept")
        << ',' << 5 << 1 << false << "12.5x" << true << true << true << "0";
}

void TestSettingsDialog::okWritesEveryValue() {
    QFETCH(char, separator);
    QFETCH(int, precision);
    QFETCH(int, form);
    QFETCH(bool, checked);
    QFETCH(QString, density);
    QFETCH(bool, draft);
    QFETCH(bool, supplementaryData);
    QFETCH(bool, formulas);
    QFETCH(QString, storedUse);
    const TSeparatorGuard separatorGuard(separator);
    GuiTest::TModalWatcher watcher;

    TFormSettings dialog(nullptr);
    dialog.show();
    Find<TUpDown>(dialog, QStringLiteral("UDPrecision"))->SetPosition(precision);
    dialog.SetFormIndex(form);
    Find<QCheckBox>(dialog, QStringLiteral("ChBUsePresetDensity"))->setChecked(checked);
    Find<QLineEdit>(dialog, QStringLiteral("EPresetDensity"))->setText(density);
    Find<QCheckBox>(dialog, QStringLiteral("ChBDraft"))->setChecked(draft);
    Find<QCheckBox>(dialog, QStringLiteral("ChBSupplementaryData"))->setChecked(supplementaryData);
    Find<QCheckBox>(dialog, QStringLiteral("ChBFormulas"))->setChecked(formulas);
    Find<QPushButton>(dialog, QStringLiteral("BOK"))->click();

    QVERIFY2(watcher.Unexpected().isEmpty(), qPrintable(watcher.Unexpected().join('\n')));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    const auto flag = [](bool AValue) {
        return AValue ? QStringLiteral("1") : QStringLiteral("0");
    };
    QCOMPARE(Stored(Sandbox, QStringLiteral("Precision")), QString::number(precision));
    QCOMPARE(Stored(Sandbox, QStringLiteral("Form")), QString::number(form));
    QCOMPARE(Stored(Sandbox, QStringLiteral("UsePresetDensity")), storedUse);
    QCOMPARE(Stored(Sandbox, QStringLiteral("PresetDensity")), density);
    QCOMPARE(Stored(Sandbox, QStringLiteral("ShowDraft")), flag(draft));
    QCOMPARE(Stored(Sandbox, QStringLiteral("ShowSupplementaryData")), flag(supplementaryData));
    QCOMPARE(Stored(Sandbox, QStringLiteral("ShowFormulas")), flag(formulas));
    QCOMPARE(Stored(Sandbox, QStringLiteral("Language")), QStringLiteral("English"));
    // And the four units, unchanged: none, none, none, kg.
    QCOMPARE(Stored(Sandbox, QStringLiteral("LengthUnit")), QStringLiteral("none"));
    QCOMPARE(Stored(Sandbox, QStringLiteral("MassUnit")), QStringLiteral("kg"));
    QCOMPARE(StoredNames(Sandbox).size(), 12);
}

void TestSettingsDialog::okRefusesInvalidDensity_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("density");

    QTest::newRow("letters") << ',' << "12,5 kg";
    QTest::newRow("point where the separator is a comma") << ',' << "12.5";
    QTest::newRow("empty text") << '.' << "";
    QTest::newRow("blank") << '.' << " ";
    QTest::newRow("zero") << '.' << "0";
    QTest::newRow("zero with decimals") << ',' << "0,000";
    QTest::newRow("negative") << '.' << "-5";
    QTest::newRow("beyond the range of numbers") << '.' << "1e99999";
}

void TestSettingsDialog::okRefusesInvalidDensity() {
    QFETCH(char, separator);
    QFETCH(QString, density);
    const TSeparatorGuard separatorGuard(separator);
    Store(Sandbox, {QStringLiteral("Precision=9"), QStringLiteral("UsePresetDensity=1"),
                    QStringLiteral("PresetDensity=") + density});
    const QStringList storedBefore = StoredNames(Sandbox);
    GuiTest::TModalWatcher watcher;
    watcher.Expect(GuiTest::PressButton(QMessageBox::Ok));

    TFormSettings dialog(nullptr);
    dialog.show();
    Find<TUpDown>(dialog, QStringLiteral("UDPrecision"))->SetPosition(4);
    Find<QPushButton>(dialog, QStringLiteral("BOK"))->click();

    QCOMPARE(watcher.Seen().size(), 1);
    QCOMPARE(watcher.Seen().at(0).Text,
             QStringLiteral("The preset density is not a valid number."));
    QCOMPARE(watcher.Seen().at(0).Icon, QMessageBox::Critical);
    QVERIFY2(watcher.Unexpected().isEmpty(), qPrintable(watcher.Unexpected().join('\n')));
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.result() != QDialog::Accepted);
    // Everything as it was, in the dialog and in the store.
    QCOMPARE(Find<QLineEdit>(dialog, QStringLiteral("EPresetDensity"))->text(), density);
    QCOMPARE(Find<QLineEdit>(dialog, QStringLiteral("EPrecision"))->text(), QStringLiteral("4"));
    QVERIFY(Find<QCheckBox>(dialog, QStringLiteral("ChBUsePresetDensity"))->isChecked());
    QCOMPARE(StoredNames(Sandbox), storedBefore);
    QCOMPARE(Stored(Sandbox, QStringLiteral("Precision")), QStringLiteral("9"));

    // The user unchecks the density: OK goes through and keeps the text, unused.
    Find<QCheckBox>(dialog, QStringLiteral("ChBUsePresetDensity"))->setChecked(false);
    Find<QPushButton>(dialog, QStringLiteral("BOK"))->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Stored(Sandbox, QStringLiteral("Precision")), QStringLiteral("4"));
    QCOMPARE(Stored(Sandbox, QStringLiteral("UsePresetDensity")), QStringLiteral("0"));
    QCOMPARE(Stored(Sandbox, QStringLiteral("PresetDensity")), density);
    QCOMPARE(watcher.Seen().size(), 1);
}

void TestSettingsDialog::densityEditFollowsCheckBox() {
    TFormSettings dialog(nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* check = Find<QCheckBox>(dialog, QStringLiteral("ChBUsePresetDensity"));
    auto* edit = Find<QLineEdit>(dialog, QStringLiteral("EPresetDensity"));
    QVERIFY(!edit->isEnabled());

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(check->isChecked());
    QVERIFY(edit->isEnabled());
    if (QApplication::activeWindow() == &dialog)
        QCOMPARE(QApplication::focusWidget(), edit);
    // Typed through the density filter: a separator first becomes "0.".
    QTest::keyClicks(edit, QStringLiteral("a.5"));
    QCOMPARE(edit->text(), QStringLiteral("0.5"));

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    QVERIFY(!edit->isEnabled());
    QCOMPARE(edit->text(), QStringLiteral("0.5"));
}

void TestSettingsDialog::languageListShowsFlags() {
    // Slovak without its flag picture: its place in the list stays empty.
    const QString flagPath = Texts.Manager().LanguageFolderPath() + QStringLiteral("Slovak.bmp");
    const QString hiddenPath = flagPath + QStringLiteral(".hidden");
    QVERIFY(QFile::rename(flagPath, hiddenPath));
    const auto restore = qScopeGuard([&] { QFile::rename(hiddenPath, flagPath); });

    TFormSettings dialog(nullptr);
    auto* list = Find<QComboBox>(dialog, QStringLiteral("CBLanguage"));
    QVERIFY(!list->isEditable());
    QCOMPARE(list->iconSize(), QSize(16, 12));
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    QCOMPARE(items, Texts.Manager().List());
    QCOMPARE(list->currentText(), QStringLiteral("English"));
    QCOMPARE(dialog.Flags().size(), list->count());
    for (int i = 0; i < list->count(); ++i) {
        const QPixmap& flag = dialog.Flags().at(i);
        QCOMPARE(flag.size(), QSize(16, 12));
        QVERIFY(!list->itemIcon(i).isNull());
        QCOMPARE(IsTransparent(flag), list->itemText(i) == QLatin1String("Slovak"));
    }
}

void TestSettingsDialog::flagThatIsNoPictureStaysEmpty_data() {
    QTest::addColumn<QString>("kind");
#ifdef Q_OS_UNIX
    QTest::newRow("a FIFO") << "fifo";
#endif
    QTest::newRow("a picture of 10000 x 10000 pixels") << "huge picture";
    QTest::newRow("a file of a megabyte") << "huge file";
    QTest::newRow("not a picture") << "junk";
}

// Whatever stands under a flag's name, the dialog opens at once and shows the
// language without a flag.
void TestSettingsDialog::flagThatIsNoPictureStaysEmpty() {
    QFETCH(QString, kind);
    const QString flagPath = Texts.Manager().LanguageFolderPath() + QStringLiteral("Czech.bmp");
    const QString keptPath = flagPath + QStringLiteral(".kept");
    QVERIFY(QFile::rename(flagPath, keptPath));
    const auto restore = qScopeGuard([&] {
        QFile::remove(flagPath);
        QFile::rename(keptPath, flagPath);
    });
    if (kind == QLatin1String("fifo")) {
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(flagPath).constData(), 0600), 0);
#endif
    } else {
        QFile file(flagPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind == QLatin1String("huge picture")) {
            QImage picture(10000, 10000, QImage::Format_Mono);
            picture.fill(0);
            QVERIFY(picture.save(&file, "BMP"));
        } else if (kind == QLatin1String("huge file")) {
            file.write(QByteArray(1024 * 1024, 'B'));
        } else {
            file.write("BM not a bitmap");
        }
    }
    TFormSettings dialog(nullptr);
    auto* list = Find<QComboBox>(dialog, QStringLiteral("CBLanguage"));
    QCOMPARE(dialog.Flags().size(), list->count());
    for (int i = 0; i < list->count(); ++i) {
        QCOMPARE(dialog.Flags().at(i).size(), QSize(16, 12));
        QCOMPARE(IsTransparent(dialog.Flags().at(i)), list->itemText(i) == QLatin1String("Czech"));
    }
}

void TestSettingsDialog::textsOfLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("precisionLabel");
    QTest::addColumn<QString>("draft");
    QTest::addColumn<QString>("defaultButton");

    QTest::newRow("English: no hint") << "English"
                                      << "Settings"
                                      << "Language"
                                      << "Precision"
                                      << "Draft"
                                      << "Default";
    QTest::newRow("Czech: hint in English") << "Czech"
                                            << "Nastavení"
                                            << "Jazyk (Language)"
                                            << "Přesnost"
                                            << "Náčrt"
                                            << "Výchozí";
    QTest::newRow("Slovak: hint in English") << "Slovak"
                                             << "Nastavenia"
                                             << "Jazyk (Language)"
                                             << "Presnosť"
                                             << "Náčrt"
                                             << "Predvolené";
}

void TestSettingsDialog::textsOfLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, caption);
    QFETCH(QString, label);
    QFETCH(QString, precisionLabel);
    QFETCH(QString, draft);
    QFETCH(QString, defaultButton);
    QVERIFY(Texts.Manager().Load(language));

    TFormSettings dialog(nullptr);
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(Find<QLabel>(dialog, QStringLiteral("LLanguage"))->text(), label);
    QCOMPARE(Find<QLabel>(dialog, QStringLiteral("EPrecision_Label"))->text(), precisionLabel);
    QCOMPARE(Find<QCheckBox>(dialog, QStringLiteral("ChBDraft"))->text(), draft);
    QCOMPARE(Find<QPushButton>(dialog, QStringLiteral("BDefault"))->text(), defaultButton);
    QCOMPARE(Find<QComboBox>(dialog, QStringLiteral("CBLanguage"))->currentText(), language);
    // No control is left without its text.
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->isVisible() || !button->text().isEmpty())
            QVERIFY2(!button->text().contains(QLatin1String("[undefined]")),
                     qPrintable(button->objectName()));
}

void TestSettingsDialog::languageSwitch_data() {
    QTest::addColumn<QString>("closing");
    QTest::addColumn<QString>("activeAfter");
    QTest::addColumn<QString>("storedLanguage");
    QTest::addColumn<QString>("mainButtonAfter");

    QTest::newRow("Cancel restores") << "cancel"
                                     << "English"
                                     << "<missing>"
                                     << "Settings";
    QTest::newRow("Escape restores") << "escape"
                                     << "English"
                                     << "<missing>"
                                     << "Settings";
    QTest::newRow("close box restores") << "close box"
                                        << "English"
                                        << "<missing>"
                                        << "Settings";
    QTest::newRow("OK keeps and re-texts the main window") << "OK"
                                                           << "Czech"
                                                           << "Czech"
                                                           << "Nastavení";
    QTest::newRow("Enter in an edit presses OK") << "Enter"
                                                 << "Czech"
                                                 << "Czech"
                                                 << "Nastavení";
    QTest::newRow("Enter on Cancel presses Cancel") << "Enter on Cancel"
                                                    << "English"
                                                    << "<missing>"
                                                    << "Settings";
}

void TestSettingsDialog::languageSwitch() {
    QFETCH(QString, closing);
    QFETCH(QString, activeAfter);
    QFETCH(QString, storedLanguage);
    QFETCH(QString, mainButtonAfter);
    GuiTest::TModalWatcher watcher;
    TFormMain main;
    auto* mainButton = Find<QAbstractButton>(main, QStringLiteral("BSettings"));
    QCOMPARE(mainButton->text(), QStringLiteral("Settings"));

    TFormSettings dialog(&main);
    // As the main window wires the dialogs it opens.
    connect(&dialog, &TFormSettings::LanguageChanged, &main, &TFormMain::SetLanguage);
    QSignalSpy changed(&dialog, &TFormSettings::LanguageChanged);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.InitialLanguage(), QStringLiteral("English"));
    PickLanguage(dialog, QStringLiteral("Czech"));

    // At once in the dialog, not yet in the main window.
    QCOMPARE(Texts.Manager().ActiveLanguage(), QStringLiteral("Czech"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Nastavení"));
    QCOMPARE(Find<QLabel>(dialog, QStringLiteral("LLanguage"))->text(),
             QStringLiteral("Jazyk (Language)"));
    QCOMPARE(Find<QGroupBox>(dialog, QStringLiteral("GBResults"))->title(),
             QStringLiteral("Výsledky"));
    QCOMPARE(Find<QPushButton>(dialog, QStringLiteral("BCancel"))->text(),
             Texts.Manager().ActiveFile().ReadString(QStringLiteral("Buttons"),
                                                     QStringLiteral("Cancel")));
    QCOMPARE(mainButton->text(), QStringLiteral("Settings"));
    // Picking the active language again loads nothing.
    PickLanguage(dialog, QStringLiteral("Czech"));
    QCOMPARE(Texts.Manager().ActiveLanguage(), QStringLiteral("Czech"));

    if (closing == QLatin1String("cancel"))
        Find<QPushButton>(dialog, QStringLiteral("BCancel"))->click();
    else if (closing == QLatin1String("escape"))
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else if (closing == QLatin1String("close box"))
        dialog.close();
    else if (closing == QLatin1String("Enter"))
        QTest::keyClick(Find<QLineEdit>(dialog, QStringLiteral("EPrecision")), Qt::Key_Return);
    else if (closing == QLatin1String("Enter on Cancel")) {
        auto* cancel = Find<QPushButton>(dialog, QStringLiteral("BCancel"));
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
    } else
        Find<QPushButton>(dialog, QStringLiteral("BOK"))->click();

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(),
             int(activeAfter == QLatin1String("Czech") ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(Texts.Manager().ActiveLanguage(), activeAfter);
    QCOMPARE(Stored(Sandbox, QStringLiteral("Language")), storedLanguage);
    QCOMPARE(mainButton->text(), mainButtonAfter);
    QCOMPARE(changed.count(), activeAfter == QLatin1String("Czech") ? 1 : 0);
    if (storedLanguage == QLatin1String("<missing>"))
        QCOMPARE(StoredNames(Sandbox), QStringList());
    QVERIFY2(watcher.Unexpected().isEmpty(), qPrintable(watcher.Unexpected().join('\n')));
    QCOMPARE(Texts.Messages(), QStringList());
}

void TestSettingsDialog::failedLanguageLoadKeepsActiveItem() {
    TFormSettings dialog(nullptr);
    // The file goes away after the list was read.
    const QString path = Texts.Manager().LanguageFolderPath() + QStringLiteral("Czech.ini");
    const QString hiddenPath = path + QStringLiteral(".hidden");
    QVERIFY(QFile::rename(path, hiddenPath));
    const auto restore = qScopeGuard([&] {
        QFile::rename(hiddenPath, path);
        Texts.Manager().RefreshList();
    });
    const int messagesBefore = int(Texts.Messages().size());

    PickLanguage(dialog, QStringLiteral("Czech"));

    QCOMPARE(Texts.Messages().size(), messagesBefore + 1);
    QVERIFY2(Texts.Messages().back().startsWith(QLatin1String("Language file missing.")),
             qPrintable(Texts.Messages().back()));
    QCOMPARE(Texts.Manager().ActiveLanguage(), QStringLiteral("English"));
    QCOMPARE(Find<QComboBox>(dialog, QStringLiteral("CBLanguage"))->currentText(),
             QStringLiteral("English"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
}

void TestSettingsDialog::defaultButton_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("displayLanguage");
    QTest::addColumn<QString>("defaultLanguage");
    QTest::addColumn<QString>("caption");

    QTest::newRow("default language loaded at once") << "English"
                                                     << "cs-CZ"
                                                     << "Czech"
                                                     << "Nastavení";
    QTest::newRow("default language is the active one") << "Czech"
                                                        << "cs-CZ"
                                                        << "Czech"
                                                        << "Nastavení";
    QTest::newRow("no language of the user: English") << "Slovak"
                                                      << "de-DE"
                                                      << "English"
                                                      << "Settings";
}

void TestSettingsDialog::defaultButton() {
    QFETCH(QString, start);
    QFETCH(QString, displayLanguage);
    QFETCH(QString, defaultLanguage);
    QFETCH(QString, caption);

    // A language manager over the same files whose user speaks displayLanguage.
    TLanguageEnvironment environment;
    environment.ExecutableFolder = Texts.ExecutableFolder();
    environment.UiLanguages = [displayLanguage] { return QStringList{displayLanguage}; };
    environment.SystemLocale = [] { return QLocale(QLocale::German, QLocale::Germany); };
    environment.UserLocale = environment.SystemLocale;
    QStringList messages;
    environment.ShowError = [&messages](const QString& AText) { messages << AText; };
    TLanguages manager(SettingsKeys::Program, SettingsKeys::SettingsSection, false,
                       std::move(environment));
    QVERIFY(manager.Load(start));
    TLanguages* const previous = Languages;
    Languages = &manager;
    const auto restore = qScopeGuard([previous] { Languages = previous; });

    const QStringList stored{"Precision=9",      "Form=1",      "UsePresetDensity=1",
                             "PresetDensity=12", "ShowDraft=0", "ShowSupplementaryData=0",
                             "ShowFormulas=0"};
    Store(Sandbox, stored);
    {
        TFormSettings dialog(nullptr);
        dialog.show();
        Find<QPushButton>(dialog, QStringLiteral("BDefault"))->click();

        QVERIFY(dialog.isVisible());
        QCOMPARE(Find<QLineEdit>(dialog, QStringLiteral("EPrecision"))->text(),
                 QStringLiteral("2"));
        QCOMPARE(dialog.FormIndex(), 0);
        QVERIFY(!Find<QCheckBox>(dialog, QStringLiteral("ChBUsePresetDensity"))->isChecked());
        auto* density = Find<QLineEdit>(dialog, QStringLiteral("EPresetDensity"));
        QVERIFY(!density->isEnabled());
        QCOMPARE(density->text(), QString());
        QVERIFY(Find<QCheckBox>(dialog, QStringLiteral("ChBDraft"))->isChecked());
        QVERIFY(Find<QCheckBox>(dialog, QStringLiteral("ChBSupplementaryData"))->isChecked());
        QVERIFY(Find<QCheckBox>(dialog, QStringLiteral("ChBFormulas"))->isChecked());
        QCOMPARE(manager.ActiveLanguage(), defaultLanguage);
        QCOMPARE(Find<QComboBox>(dialog, QStringLiteral("CBLanguage"))->currentText(),
                 defaultLanguage);
        QCOMPARE(dialog.windowTitle(), caption);

        Find<QPushButton>(dialog, QStringLiteral("BCancel"))->click();
    }
    // Nothing stored; the language of the opening is back.
    QCOMPARE(manager.ActiveLanguage(), start);
    QCOMPARE(StoredNames(Sandbox).size(), stored.size());
    QCOMPARE(Stored(Sandbox, QStringLiteral("Precision")), QStringLiteral("9"));
    QCOMPARE(Stored(Sandbox, QStringLiteral("PresetDensity")), QStringLiteral("12"));
    QCOMPARE(messages, QStringList());
}

QTEST_MAIN(TestSettingsDialog)
#include "tst_SettingsDialog.moc"
