// The start-up reference: a bare Qt 6 Widgets program with one window holding one label, titled
// "reference", against which bench/startup.sh compares the program's start-up time and memory.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("reference");
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("财务管理计算"));
    window.show();
    return app.exec();
}
