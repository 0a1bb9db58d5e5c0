// The yardstick for the game's start-up: a bare Qt window of the splash's size with what a
// screen of the game holds (a picture, three labels, a text box) and nothing else.

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare Qt window"));
    window.setFixedSize(799, 593);
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    window.setPalette(palette);

    QImage image(471, 278, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(0, 96, 96));
    painter.setPen(QColor(5, 253, 244));
    painter.drawEllipse(image.rect().adjusted(20, 20, -20, -20));
    painter.end();
    auto* picture = new QLabel(&window);
    picture->setPixmap(QPixmap::fromImage(image));
    picture->setGeometry(168, 160, 471, 278);

    const char* texts[] = {"Первая строка", "Вторая строка", "Третья строка"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromUtf8(texts[i]), &window);
        label->setGeometry(168, 460 + 24 * i, 300, 20);
    }
    auto* box = new QLineEdit(&window);
    box->setGeometry(480, 470, 200, 22);

    window.show();
    return QApplication::exec();
}
