// Keeping a screen's entries from its window: a tool bar to save, open and export them, the file
// each window was last saved to or opened from (shown in its title), and the question whether to
// save before the program ends.
#pragma once

#ifndef Q_MOC_RUN // moc cannot parse the C++20 library headers the core uses
#include "app/ScreenFile.h"
#endif

#include <QObject>
#include <QString>

#include <map>
#include <optional>

namespace fincalc::gui {

class Gui;
class ScreenWidget;

class ScreenFiles : public QObject {
public:
    explicit ScreenFiles(Gui& gui);

    // Gives a new window of a screen with entries its tool bar.
    void attach(ScreenWidget& window);
    // Before the program ends: false when the user chose to go back to unsaved entries, or a
    // save they asked for failed.
    bool mayEnd();

private:
    // A window's file and the texts it held when they were last saved or opened.
    struct Kept {
        QString path;
        FieldTexts texts;
    };

    void save(ScreenWidget& window);
    void open(ScreenWidget& window);
    void exportWorkbook(ScreenWidget& window);
    bool saveTo(int screen, const QString& path);
    void keep(int screen, const QString& path);
    void showState(int screen);
    bool unsaved(int screen) const;
    QString suggestion(int screen, const QString& suffix) const;
    // Shows why a file was refused; true when nothing was.
    bool report(const std::optional<FileError>& error, const QString& path, int screen, bool reading);

    Gui& gui_;
    std::map<int, Kept> kept_;
    QString folder_; // where the last file was chosen
};

} // namespace fincalc::gui
