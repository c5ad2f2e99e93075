// The window front end: one generic widget per screen, built from the screen's declaration and
// kept in step with the session's events.
#pragma once

#ifndef Q_MOC_RUN // moc cannot parse the C++20 library headers the core uses
#include "app/Session.h"
#endif

#include "gui/DataEntry.h"
#include "gui/Windows.h"

#include <QFont>
#include <QString>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace fincalc::gui {

class ChartWindow;
class ChartWindows;
class Gui;
class ScreenFiles;

class ScreenWidget : public QWidget {
    Q_OBJECT
public:
    ScreenWidget(Gui& gui, const Screen& screen);

    int number() const { return number_; }
    QLineEdit* field(const QString& name) const;
    QPlainTextEdit* output() const { return output_; }
    // Gives back the window system's resources of a hidden screen (its native window and the
    // pixels behind it); showing the screen again makes them anew. Widgets and texts stay.
    void releaseWindow();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeControl(const Control& control);
    QWidget* makeChartButton(); // "图表", on a screen that has a chart; nullptr on others
    void addMenuBar(const ScreenDesign& design);

    Gui& gui_;
    int number_;
    QPlainTextEdit* output_;
    std::vector<std::pair<QLabel*, QString>> buddies_; // labels waiting for their fields
};

class Gui : public QObject, public Observer {
    Q_OBJECT
public:
    explicit Gui(Session& session);
    ~Gui() override;

    Session& session() { return session_; }
    // The screen's widget, once the screen has been shown; nullptr before.
    ScreenWidget* widget(int screen) const;

    void onEvent(const Event& event) override;
    bool mayEnd() override;

    // Opens the chart of a screen beside it, or says why it cannot.
    void openChart(int screen);
    // The screen's chart window, once its chart has been opened; nullptr before.
    ChartWindow* chartWindow(int screen) const;

    // The bold Song-style heading font, and the program's title for message boxes.
    const QFont& headingFont() const { return headingFont_; }
    static QString title();

    DataEntry& dataEntry() { return dataEntry_; }

protected:
    // A modal message box; tests replace it so nothing waits for a user.
    virtual void showMessageBox(const QString& text, bool fault);

    // The file dialog and the question before ending with unsaved entries (in ScreenFiles.cpp);
    // tests replace them likewise. An empty path: the user chose none.
    enum class FileChoice { Save, Open, Export };
    virtual QString chooseFile(FileChoice choice, QWidget* parent, const QString& suggested);
    enum class EndChoice { Save, Discard, Stay };
    virtual EndChoice askBeforeEnd(const QString& text);

private:
    friend class ScreenFiles;

    Session& session_;
    ScreenFiles* files_; // a child of this object
    std::array<ScreenWidget*, kScreenCount + 1> widgets_{};
    QFont headingFont_;
    DataEntry dataEntry_;
    WindowKeeper windows_;
    ChartWindows* charts_ = nullptr; // made when the first chart opens
};

// Application-wide set-up: the CJK default font and Qt's Chinese translations.
void setUpApplication();

} // namespace fincalc::gui
