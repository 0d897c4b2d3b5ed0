// Qt's own texts (message box buttons, an entry's context menu) follow the
// language the program shows.
#include "GuiTestFixture.h"
#include "LanguageSupport.h"
#include "MessageBoxes.h"

#include <QLineEdit>
#include <QMenu>
#include <QtTest>

namespace {
const QString CzechYes = QStringLiteral("&Ano");

// The texts of the buttons of the question box shown by ShowQuestionMessage.
QStringList QuestionBoxButtons() {
    QStringList Texts;
    GuiTest::TModalWatcher Watcher;
    Watcher.Expect([&Texts](QWidget* Modal) {
        auto* Box = qobject_cast<QMessageBox*>(Modal);
        if (!Box)
            return;
        for (QMessageBox::StandardButton Button : {QMessageBox::Yes, QMessageBox::No})
            if (QAbstractButton* Shown = Box->button(Button))
                Texts.append(Shown->text());
        Box->button(QMessageBox::No)->click();
    });
    ShowQuestionMessage(QStringLiteral("?"), QMessageBox::Yes | QMessageBox::No);
    return Texts;
}

// The texts of an entry's context menu, without the accelerator marks and the
// shortcuts.
QStringList ContextMenu() {
    QLineEdit Entry;
    Entry.setText(QStringLiteral("12"));
    const std::unique_ptr<QMenu> Menu(Entry.createStandardContextMenu());
    QStringList Texts;
    for (const QAction* Action : Menu->actions())
        if (!Action->isSeparator())
            Texts.append(Action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')));
    return Texts;
}
} // namespace

class TestQtTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void followTheLanguage_data();
    void followTheLanguage();
    void missingTranslationsLeaveEnglishQuietly();

private:
    std::unique_ptr<GuiTest::TSettingsSandbox> FSettings;
};

void TestQtTranslations::initTestCase() {
    FSettings = std::make_unique<GuiTest::TSettingsSandbox>();
    QVERIFY2(QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                               QStringLiteral("/qtbase_cs.qm")),
             "Qt's translations are missing (Debian package qt6-translations-l10n)");
}

// One manager switched through the languages in turn: each switch replaces the
// previous translation, and English takes Qt's own texts back.
void TestQtTranslations::followTheLanguage_data() {
    QTest::addColumn<QStringList>("Languages");
    QTest::addColumn<QStringList>("Buttons");
    QTest::addColumn<QStringList>("Menu");
    const QStringList EnglishMenu{QStringLiteral("Undo"),      QStringLiteral("Redo"),
                                  QStringLiteral("Cut"),       QStringLiteral("Copy"),
                                  QStringLiteral("Paste"),     QStringLiteral("Delete"),
                                  QStringLiteral("Select All")};
    const QStringList CzechMenu{QStringLiteral("Zpět"),      QStringLiteral("Znovu"),
                                QStringLiteral("Vyjmout"),   QStringLiteral("Kopírovat"),
                                QStringLiteral("Vložit"),    QStringLiteral("Smazat"),
                                QStringLiteral("Vybrat vše")};
    const QStringList CzechButtons{CzechYes, QStringLiteral("&Ne")};
    QTest::newRow("English") << QStringList{QStringLiteral("English")}
                             << QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}
                             << EnglishMenu;
    QTest::newRow("Czech") << QStringList{QStringLiteral("Czech")} << CzechButtons << CzechMenu;
    QTest::newRow("Czech after English")
        << QStringList{QStringLiteral("English"), QStringLiteral("Czech")} << CzechButtons
        << CzechMenu;
    QTest::newRow("back to English")
        << QStringList{QStringLiteral("Czech"), QStringLiteral("English")}
        << QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")} << EnglishMenu;
    // Qt 6.4's Slovak translation lacks the standard buttons (they stay English);
    // its context menu is there, and the Czech buttons must be gone.
    QTest::newRow("Slovak after Czech")
        << QStringList{QStringLiteral("Czech"), QStringLiteral("Slovak")} << QStringList()
        << QStringList{QStringLiteral("Späť"),         QStringLiteral("Znovu"),
                       QStringLiteral("Vystrihnúť"),   QStringLiteral("Kopírovať"),
                       QStringLiteral("Vložiť"),       QStringLiteral("Odstrániť"),
                       QStringLiteral("Vybrať všetko")};
}

void TestQtTranslations::followTheLanguage() {
    QFETCH(QStringList, Languages);
    QFETCH(QStringList, Buttons);
    QFETCH(QStringList, Menu);
    GuiTest::TLanguageSandbox Sandbox;
    for (const QString& Language : Languages)
        QVERIFY(Sandbox.Manager().Load(Language));
    QVERIFY2(Sandbox.Messages().isEmpty(), qPrintable(Sandbox.Messages().join(QLatin1Char('\n'))));
    const QStringList Shown = QuestionBoxButtons();
    if (Buttons.isEmpty())
        QVERIFY2(!Shown.contains(CzechYes), qPrintable(Shown.join(QLatin1Char(' '))));
    else
        QCOMPARE(Shown, Buttons);
    QCOMPARE(ContextMenu(), Menu);
}

void TestQtTranslations::missingTranslationsLeaveEnglishQuietly() {
    QTemporaryDir Root;
    QTemporaryDir EmptyTranslations;
    GuiTest::MakeLanguageFolder(
        Root, {{QStringLiteral("Czech.ini"),
                GuiTest::LanguageFileBytes(QStringLiteral("Czech"), QStringLiteral("cs"))},
               {QStringLiteral("Klingon.ini"),
                GuiTest::LanguageFileBytes(QStringLiteral("Klingon"), QStringLiteral("tlh"))}});
    QStringList Messages;
    TLanguageEnvironment Environment;
    Environment.ExecutableFolder = Root.path();
    Environment.QtTranslationsFolder = EmptyTranslations.path();
    Environment.ShowError = [&Messages](const QString& Text) { Messages.append(Text); };
    TLanguages Manager(SettingsKeys::Program, SettingsKeys::SettingsSection, false, Environment);
    QVERIFY(Manager.Load(QStringLiteral("Czech")));
    QCOMPARE(Manager.QtTranslationsFile(), QString());
    QCOMPARE(ContextMenu().value(0), QStringLiteral("Undo"));

    // A language Qt has no translation for, with Qt's folder in place: English.
    TLanguageEnvironment WithQt = Environment;
    WithQt.QtTranslationsFolder.clear();
    TLanguages Other(SettingsKeys::Program, SettingsKeys::SettingsSection, false, WithQt);
    QVERIFY(Other.Load(QStringLiteral("Czech")));
    QVERIFY(!Other.QtTranslationsFile().isEmpty());
    QVERIFY(Other.Load(QStringLiteral("Klingon")));
    QCOMPARE(Other.QtTranslationsFile(), QString());
    QCOMPARE(ContextMenu().value(0), QStringLiteral("Undo"));
    QVERIFY2(Messages.isEmpty(), qPrintable(Messages.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestQtTranslations)
#include "tst_QtTranslations.moc"
