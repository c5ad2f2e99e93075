#include "gui/ScreenFiles.h"

#include "export/Workbook.h"
#include "gui/Gui.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStringList>
#include <QToolBar>

#include <filesystem>
#include <vector>

namespace fincalc::gui {

namespace {

std::filesystem::path nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString formName(int screen) { return QStringLiteral("Form%1").arg(screen); }

// Why a file was refused, for the message box.
QString refusalText(const FileError& error, const QString& path, int screen) {
    using Kind = FileError::Kind;
    const QString file = QDir::toNativeSeparators(path);
    const QString detail = QString::fromStdString(error.detail);
    switch (error.kind) {
    case Kind::CannotRead:
        return QStringLiteral("无法读取文件“%1”：%2。").arg(file, detail);
    case Kind::CannotWrite:
        return QStringLiteral("无法写入文件“%1”：%2。").arg(file, detail);
    case Kind::TooLarge:
        return QStringLiteral("“%1”太大：%2 字节，最多 %3 字节。").arg(file, detail).arg(kMaxScreenFileBytes);
    case Kind::NotText:
        return error.detail.empty()
                   ? QStringLiteral("文件“%1”不是文本文件。").arg(file)
                   : QStringLiteral("有输入框或输出行含有无法写成文本的字符，没有写入“%1”。").arg(file);
    case Kind::NotScreenFile:
        return QStringLiteral("文件“%1”不是本程序保存的输入文件。").arg(file);
    case Kind::NewerVersion:
        return QStringLiteral("文件“%1”由较新版本的程序保存（格式版本 %2），本程序只能读取格式版本 %3。")
            .arg(file, detail)
            .arg(kScreenFileVersion);
    case Kind::OtherScreen:
        return QStringLiteral("文件“%1”保存的是 %2 的输入，不是 %3 的。").arg(file, detail, formName(screen));
    case Kind::Malformed:
        return QStringLiteral("文件“%1”的格式有误（%2）。").arg(file, detail);
    case Kind::Truncated:
        return QStringLiteral("文件“%1”不完整：它在最后一行之前就结束了。").arg(file);
    case Kind::UnknownField:
        return QStringLiteral("文件“%1”中的 %2 不是 %3 的输入框。").arg(file, detail, formName(screen));
    case Kind::MissingField:
        return QStringLiteral("文件“%1”缺少输入框 %2。").arg(file, detail);
    case Kind::NoEntries:
    case Kind::NotShown:
        break;
    }
    return QStringLiteral("%1 没有可以保存的输入。").arg(formName(screen));
}

} // namespace

ScreenFiles::ScreenFiles(Gui& gui)
    : QObject(&gui), gui_(gui), folder_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {
}

void ScreenFiles::attach(ScreenWidget& window) {
    const Screen* screen = gui_.session().screen(window.number());
    if (!screen || !keepsEntries(screen->design))
        return;
    auto* bar = new QToolBar(&window);
    bar->setObjectName(QStringLiteral("FileBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto add = [&](const char* name, const QString& text, const QKeySequence& keys, const QString& tip,
                         void (ScreenFiles::*run)(ScreenWidget&)) {
        QAction* action = bar->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setToolTip(keys.isEmpty() ? tip : QStringLiteral("%1（%2）").arg(tip, keys.toString()));
        connect(action, &QAction::triggered, this, [this, &window, run] { (this->*run)(window); });
    };
    add("SaveFile", QStringLiteral("保存…"), QKeySequence(Qt::CTRL | Qt::Key_S),
        QStringLiteral("把这个窗口的输入和输出保存到CSV文件"), &ScreenFiles::save);
    add("OpenFile", QStringLiteral("打开…"), QKeySequence(Qt::CTRL | Qt::Key_O),
        QStringLiteral("从保存的CSV文件恢复这个窗口的输入"), &ScreenFiles::open);
    add("ExportWorkbook", QStringLiteral("导出Excel…"), {},
        QStringLiteral("把这个窗口导出为Excel工作簿（.xlsx）"), &ScreenFiles::exportWorkbook);
    static_cast<QBoxLayout*>(window.layout())->insertWidget(0, bar);

    // The title marks entries changed since the last save or open, whoever changed them.
    const int number = window.number();
    for (QLineEdit* field : window.findChildren<QLineEdit*>())
        connect(field, &QLineEdit::textChanged, this, [this, number] { showState(number); });
}

void ScreenFiles::save(ScreenWidget& window) {
    const QString path = gui_.chooseFile(Gui::FileChoice::Save, &window, suggestion(window.number(), "csv"));
    if (!path.isEmpty() && saveTo(window.number(), path))
        keep(window.number(), path);
}

void ScreenFiles::open(ScreenWidget& window) {
    const int number = window.number();
    const QString path = gui_.chooseFile(Gui::FileChoice::Open, &window, suggestion(number, "csv"));
    if (!path.isEmpty() && report(openScreen(gui_.session(), number, nativePath(path)), path, number, true))
        keep(number, path);
}

void ScreenFiles::exportWorkbook(ScreenWidget& window) {
    const int number = window.number();
    const QString path = gui_.chooseFile(Gui::FileChoice::Export, &window, suggestion(number, "xlsx"));
    if (!path.isEmpty())
        report(fincalc::exportWorkbook(*gui_.session().screen(number), nativePath(path)), path, number,
               false);
}

bool ScreenFiles::saveTo(int screen, const QString& path) {
    return report(saveScreen(*gui_.session().screen(screen), nativePath(path)), path, screen, false);
}

void ScreenFiles::keep(int screen, const QString& path) {
    kept_[screen] = {path, gui_.session().screen(screen)->texts};
    folder_ = QFileInfo(path).absolutePath();
    ScreenWidget* window = gui_.widget(screen);
    window->setWindowTitle(QStringLiteral("%1 - %2[*]")
                               .arg(QString::fromStdString(gui_.session().screen(screen)->design.title()),
                                    QFileInfo(path).fileName()));
    showState(screen);
}

void ScreenFiles::showState(int screen) {
    if (kept_.contains(screen))
        gui_.widget(screen)->setWindowModified(unsaved(screen));
}

bool ScreenFiles::unsaved(int screen) const {
    const auto kept = kept_.find(screen);
    return kept != kept_.end() && kept->second.texts != gui_.session().screen(screen)->texts;
}

QString ScreenFiles::suggestion(int screen, const QString& suffix) const {
    const auto kept = kept_.find(screen);
    if (kept == kept_.end())
        return QDir(folder_).filePath(QStringLiteral("%1.%2").arg(formName(screen), suffix));
    const QFileInfo file(kept->second.path);
    return file.dir().filePath(file.completeBaseName() + QLatin1Char('.') + suffix);
}

bool ScreenFiles::report(const std::optional<FileError>& error, const QString& path, int screen,
                         bool reading) {
    if (!error)
        return true;
    gui_.showMessageBox(refusalText(*error, path, screen) +
                            (reading ? QStringLiteral("\n窗口中的内容没有改变。")
                                     : QStringLiteral("\n原有的文件（如果有）保持不变。")),
                        true);
    return false;
}

bool ScreenFiles::mayEnd() {
    std::vector<int> screens;
    QStringList names;
    for (const auto& [screen, kept] : kept_)
        if (unsaved(screen)) {
            screens.push_back(screen);
            names << QStringLiteral("%1（%2）").arg(formName(screen), QFileInfo(kept.path).fileName());
        }
    if (screens.empty())
        return true;
    const Gui::EndChoice choice =
        gui_.askBeforeEnd(QStringLiteral("这些窗口的输入在上次保存后有改动：\n%1\n\n退出前保存吗？")
                              .arg(names.join(QLatin1Char('\n'))));
    if (choice != Gui::EndChoice::Save)
        return choice == Gui::EndChoice::Discard;
    for (const int screen : screens) {
        if (!saveTo(screen, kept_[screen].path))
            return false;
        keep(screen, kept_[screen].path);
    }
    return true;
}

// ---- the dialogs, which tests replace

QString Gui::chooseFile(FileChoice choice, QWidget* parent, const QString& suggested) {
    const bool workbook = choice == FileChoice::Export;
    QFileDialog dialog(parent, choice == FileChoice::Save   ? QStringLiteral("保存输入")
                               : choice == FileChoice::Open ? QStringLiteral("打开输入")
                                                            : QStringLiteral("导出Excel工作簿"));
    dialog.setAcceptMode(choice == FileChoice::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(choice == FileChoice::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(
        {workbook ? QStringLiteral("Excel 工作簿 (*.xlsx)") : QStringLiteral("CSV 文件 (*.csv)"),
         QStringLiteral("所有文件 (*)")});
    dialog.setDefaultSuffix(workbook ? QStringLiteral("xlsx") : QStringLiteral("csv"));
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    if (choice != FileChoice::Open || QFileInfo::exists(suggested))
        dialog.selectFile(QFileInfo(suggested).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

Gui::EndChoice Gui::askBeforeEnd(const QString& text) {
    QMessageBox box(QMessageBox::Question, title(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return EndChoice::Save;
    case QMessageBox::Discard:
        return EndChoice::Discard;
    default:
        return EndChoice::Stay;
    }
}

bool Gui::mayEnd() { return files_->mayEnd(); }

} // namespace fincalc::gui
