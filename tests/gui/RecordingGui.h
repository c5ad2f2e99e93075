// What the window tests share: a front end that records its message boxes, and quiet offscreen
// warnings.
#pragma once

#include "gui/Gui.h"

#include <QStringList>
#include <QtGlobal>

namespace fincalc::test {

// Records message boxes instead of waiting for a user to answer them.
class RecordingGui : public gui::Gui {
public:
    using Gui::Gui;
    QStringList messages;

protected:
    void showMessageBox(const QString& text, bool fault) override {
        messages << (fault ? QStringLiteral("fault: ") : QString()) + text;
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
