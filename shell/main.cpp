#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavorin"));
    QLabel label(QStringLiteral("Kavorin"));
    label.show();
    return QApplication::exec();
}
