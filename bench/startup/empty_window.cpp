// The yardstick of the start-up benchmark: an empty Qt window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    window.show();
    return app.exec();
}
