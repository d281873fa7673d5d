// The yardstick of the start-up benchmark: the smallest Qt Widgets program that shows a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(450, 200);
    window.show();
    return QApplication::exec();
}
