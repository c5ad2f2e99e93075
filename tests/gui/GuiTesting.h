// What the window tests share: a front end whose message boxes wait for nobody, and a program
// set-up that keeps the offscreen platform quiet and the user's own settings untouched.
#pragma once

#include "gui/Gui.h"

#include <QApplication>
#include <QList>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

namespace fincalc::test {

// Records message boxes, file dialogs and questions instead of waiting for a user to answer them.
class RecordingGui : public gui::Gui {
public:
    using Gui::EndChoice;
    using Gui::FileChoice;
    using Gui::Gui;
    QStringList messages;
    QList<FileChoice> dialogs;
    QString chosenFile; // what every file dialog answers
    QStringList questions;
    EndChoice answer = EndChoice::Stay;

protected:
    void showMessageBox(const QString& text, bool fault) override {
        messages << (fault ? QStringLiteral("fault: ") : QString()) + text;
    }
    QString chooseFile(FileChoice choice, QWidget*, const QString&) override {
        dialogs << choice;
        return chosenFile;
    }
    EndChoice askBeforeEnd(const QString& text) override {
        questions << text;
        return answer;
    }
};

// For a test's initTestCase: the program's set-up, with window places kept in a folder of the
// test's own (deleted at its end) rather than the user's configuration.
inline void setUpTestApplication(const QTemporaryDir& settings) {
    // The offscreen platform cannot raise windows and says so at every show.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QStringLiteral("This plugin does not support")))
            standard(type, context, message);
    });
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    gui::setUpApplication();
}

} // namespace fincalc::test
