// What the window tests share: a front end that records what it would ask a user, and quiet
// offscreen warnings.
#pragma once

#include "gui/Gui.h"

#include <QList>
#include <QStringList>
#include <QtGlobal>

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

// The offscreen platform cannot raise windows and says so at every show: that line is dropped.
inline void quietOffscreenWarnings() {
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QStringLiteral("This plugin does not support")))
            standard(type, context, message);
    });
}

} // namespace fincalc::test
