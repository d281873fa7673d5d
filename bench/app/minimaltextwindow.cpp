// A second yardstick of the start-up benchmark: the smallest Qt Widgets program that shows a
// line of formatted text, in the four faces of the benchmark's notes. What it takes beyond the
// bare window is what any program pays for its first text.
#include <QApplication>
#include <QTextEdit>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QTextEdit editor;
    editor.setHtml(QStringLiteral("<p style=\"font-family: Arial\">Plain words, <b>bold words</b>, "
                                  "<i>italic words</i> and <b><i>both</i></b>.</p>"));
    editor.resize(450, 200);
    editor.show();
    return QApplication::exec();
}
