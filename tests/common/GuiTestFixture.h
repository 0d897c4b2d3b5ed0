// Helpers for widget tests: isolated settings, answering modal boxes and dialogs
// while exec() runs, catching unexpected message boxes, temporary language folders.
//
//     GuiTest::TSettingsSandbox Sandbox;          // in the test class, set up first
//     GuiTest::TModalWatcher Watcher;
//     Watcher.Expect(GuiTest::PressButton(QMessageBox::Yes));
//     ... code that shows a box ...
//     QCOMPARE(Watcher.Seen().value(0).Text, "...");
//     QVERIFY2(Watcher.Unexpected().isEmpty(), qPrintable(Watcher.Unexpected().join('\n')));
//     GuiTest::TLanguageSandbox Texts(QStringLiteral("Czech")); // Languages -> shipped Czech
#pragma once

#include "LanguageSupport.h"
#include "Settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

namespace GuiTest {

// Points the settings store, and every QSettings of the user scope, at a fresh
// temporary folder for the lifetime of the object; the real user's settings are
// never read or written. Construct it before anything opens the store.
class TSettingsSandbox {
public:
    TSettingsSandbox() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, FDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, FDir.path());
        TSettingsStore::SetStoreFile(FilePath());
        Clear();
    }
    ~TSettingsSandbox() { TSettingsStore::SetStoreFile(QString()); }
    TSettingsSandbox(const TSettingsSandbox&) = delete;
    TSettingsSandbox& operator=(const TSettingsSandbox&) = delete;

    // The INI file that stands in for the user's store.
    QString FilePath() const { return FDir.filePath(QStringLiteral("Ternwick/Kavorin.ini")); }
    QString FolderPath() const { return FDir.path(); }

    // Removes every stored value.
    void Clear() const {
        QSettings Store(FilePath(), QSettings::IniFormat);
        Store.clear();
        Store.sync();
    }

private:
    QTemporaryDir FDir;
};

// What a modal box or dialog showed when it was handled.
struct TModalRecord {
    QString ClassName;
    QString Title;
    QString Text; // a message box's text; empty for other dialogs
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
};

using TModalHandler = std::function<void(QWidget*)>;

// Presses a message box's standard button.
inline TModalHandler PressButton(QMessageBox::StandardButton Button) {
    return [Button](QWidget* Modal) {
        if (auto* Box = qobject_cast<QMessageBox*>(Modal))
            if (QAbstractButton* Pressed = Box->button(Button)) {
                Pressed->click();
                return;
            }
        if (auto* Dialog = qobject_cast<QDialog*>(Modal))
            Dialog->reject();
    };
}

// Closes a dialog as the close box would (reject for dialogs).
inline TModalHandler CloseDialog() {
    return [](QWidget* Modal) {
        if (auto* Dialog = qobject_cast<QDialog*>(Modal))
            Dialog->reject();
        else
            Modal->close();
    };
}

// Watches for modal windows while it lives. Each modal that opens goes to the next
// expected handler; a modal with no handler waiting is recorded as unexpected and
// closed, so the test cannot hang on it.
class TModalWatcher {
public:
    TModalWatcher() {
        FTimer.setInterval(5);
        QObject::connect(&FTimer, &QTimer::timeout, [this] { Poll(); });
        FTimer.start();
    }
    TModalWatcher(const TModalWatcher&) = delete;
    TModalWatcher& operator=(const TModalWatcher&) = delete;

    void Expect(TModalHandler Handler) { FExpected.append(std::move(Handler)); }

    // Every modal handled so far (expected or not), in order.
    const QList<TModalRecord>& Seen() const { return FSeen; }
    // Descriptions of the modals nobody expected.
    const QStringList& Unexpected() const { return FUnexpected; }
    int PendingExpectations() const { return int(FExpected.size()); }
    void Reset() {
        FSeen.clear();
        FUnexpected.clear();
        FExpected.clear();
    }

private:
    void Poll() {
        QWidget* Modal = QApplication::activeModalWidget();
        if (!Modal || !Modal->isVisible() || Modal == FLastHandled)
            return;
        FLastHandled = Modal;
        TModalRecord Record;
        Record.ClassName = QString::fromLatin1(Modal->metaObject()->className());
        Record.Title = Modal->windowTitle();
        if (auto* Box = qobject_cast<QMessageBox*>(Modal)) {
            Record.Text = Box->text();
            Record.Icon = Box->icon();
        }
        FSeen.append(Record);
        if (!FExpected.isEmpty()) {
            TModalHandler Handler = FExpected.takeFirst();
            Handler(Modal);
            return;
        }
        FUnexpected.append(Record.ClassName + QStringLiteral(": ") + Record.Text);
        // As the close box would; a box that refuses (Yes/No) is rejected outright.
        Modal->close();
        if (Modal->isVisible())
            if (auto* Dialog = qobject_cast<QDialog*>(Modal))
                Dialog->reject();
    }

    QTimer FTimer;
    QList<TModalHandler> FExpected;
    QList<TModalRecord> FSeen;
    QStringList FUnexpected;
    QPointer<QWidget> FLastHandled;
};

// Creates a "Languages" folder inside Root holding the given files (name -> bytes)
// and returns Root, which then stands for the executable's folder.
inline QString MakeLanguageFolder(const QTemporaryDir& Root,
                                  const QMap<QString, QByteArray>& Files) {
    const QDir Folder(Root.path());
    Folder.mkpath(QStringLiteral("Languages"));
    for (auto It = Files.cbegin(); It != Files.cend(); ++It) {
        QFile File(Folder.filePath(QStringLiteral("Languages/") + It.key()));
        if (File.open(QIODevice::WriteOnly | QIODevice::Truncate))
            File.write(It.value());
    }
    return Root.path();
}

// The bytes of a minimal UTF-8 language file with a byte-order mark.
inline QByteArray LanguageFileBytes(const QString& Id, const QString& Abbr,
                                    const QString& Body = QString()) {
    const QString Text = QStringLiteral("[FileInfo]\r\nId=") + Id + QStringLiteral("\r\nAbbr=") +
                         Abbr + QStringLiteral("\r\n") + Body;
    return QByteArray("\xEF\xBB\xBF") + Text.toUtf8();
}

// Installs a language manager as the program-wide Languages for the object's
// lifetime. It reads the shipped language files, copied into a temporary folder
// that stands for the executable's, and loads Language. Error messages are
// collected in Messages() instead of being shown.
class TLanguageSandbox {
public:
    explicit TLanguageSandbox(const QString& Language = QStringLiteral("English"))
        : FPrevious(Languages) {
        const QDir Source(QStringLiteral(KAVORIN_SOURCE_DIR "/Languages"));
        QMap<QString, QByteArray> Files;
        for (const QString& Name : Source.entryList(QDir::Files)) {
            QFile File(Source.filePath(Name));
            if (File.open(QIODevice::ReadOnly))
                Files.insert(Name, File.readAll());
        }
        MakeLanguageFolder(FRoot, Files);
        TLanguageEnvironment Environment;
        Environment.ExecutableFolder = FRoot.path();
        Environment.ShowError = [this](const QString& Text) { FMessages.append(Text); };
        FManager = std::make_unique<TLanguages>(
            SettingsKeys::Program, SettingsKeys::SettingsSection, false, std::move(Environment));
        FManager->Load(Language);
        Languages = FManager.get();
    }
    ~TLanguageSandbox() { Languages = FPrevious; }
    TLanguageSandbox(const TLanguageSandbox&) = delete;
    TLanguageSandbox& operator=(const TLanguageSandbox&) = delete;

    TLanguages& Manager() const { return *FManager; }
    QString ExecutableFolder() const { return FRoot.path(); }
    const QStringList& Messages() const { return FMessages; }

private:
    QTemporaryDir FRoot;
    QStringList FMessages;
    std::unique_ptr<TLanguages> FManager;
    TLanguages* FPrevious;
};

} // namespace GuiTest
