#include "drawing/resources/icons.h"

#include <QPainter>
#include <QPixmap>
#include <functional>

namespace resources {

namespace {

QPixmap draw(int size, const std::function<void(QPainter&, int)>& paint) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paint(p, size);
    return pixmap;
}

// A small crossword grid: white squares, one black, a red frame.
void paintGrid(QPainter& p, int size, QColor frame) {
    const int cells = 3;
    const int step = (size - 2) / cells;
    p.fillRect(1, 1, step * cells, step * cells, Qt::white);
    p.fillRect(1 + step, 1 + step, step, step, Qt::black);
    p.setPen(QPen(Qt::black, 1));
    for (int i = 0; i <= cells; ++i) {
        p.drawLine(1 + i * step, 1, 1 + i * step, 1 + cells * step);
        p.drawLine(1, 1 + i * step, 1 + cells * step, 1 + i * step);
    }
    p.setPen(QPen(frame, 2));
    p.drawRect(1, 1, step * cells, step * cells);
}

void paintPage(QPainter& p, int s) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(3, 1, s - 7, s - 3);
}

void paintLetter(QPainter& p, int s, const QString& text, QColor colour) {
    QFont font;
    font.setPixelSize(s * 2 / 3);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(0, 0, s, s), Qt::AlignCenter, text);
}

}  // namespace

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        icon.addPixmap(draw(size, [](QPainter& p, int s) {
            paintGrid(p, s, QColor(200, 0, 0));
        }));
    }
    return icon;
}

QIcon documentIcon() {
    QIcon icon;
    for (int size : {16, 32}) {
        icon.addPixmap(draw(size, [](QPainter& p, int s) { paintGrid(p, s, Qt::darkBlue); }));
    }
    return icon;
}

QIcon toolbarIcon(int id) {
    constexpr int s = 20;
    switch (id) {
        case 24331:  // New
            return QIcon(draw(s, [](QPainter& p, int size) { paintPage(p, size); }));
        case 24332:  // Open
            return QIcon(draw(s, [](QPainter& p, int size) {
                p.setPen(Qt::black);
                p.setBrush(QColor(230, 190, 60));
                p.drawRect(1, 6, size - 3, size - 9);
                p.drawRect(1, 4, 7, 2);
            }));
        case 24333:  // Save
            return QIcon(draw(s, [](QPainter& p, int size) {
                p.setPen(Qt::black);
                p.setBrush(QColor(40, 60, 160));
                p.drawRect(1, 1, size - 3, size - 3);
                p.fillRect(5, 2, size - 10, 6, Qt::white);
            }));
        case 25443:  // View/Hide solution (bitmap 23)
            return QIcon(draw(s, [](QPainter& p, int size) {
                paintGrid(p, size, QColor(200, 0, 0));
                paintLetter(p, size, "A", QColor(0, 0, 160));
            }));
        case 25492:  // Zoom
            return QIcon(draw(s, [](QPainter& p, int size) {
                p.setPen(QPen(Qt::black, 2));
                p.drawEllipse(2, 2, size / 2 + 2, size / 2 + 2);
                p.drawLine(size / 2 + 3, size / 2 + 3, size - 2, size - 2);
            }));
        case 24337:  // Print
            return QIcon(draw(s, [](QPainter& p, int size) {
                p.setPen(Qt::black);
                p.setBrush(Qt::lightGray);
                p.drawRect(1, size / 3, size - 3, size / 3 + 2);
                p.setBrush(Qt::white);
                p.drawRect(5, 1, size - 11, size / 3 - 1);
                p.drawRect(5, size * 2 / 3 + 2, size - 11, size / 3 - 4);
            }));
        case 24340:  // Print preview
            return QIcon(draw(s, [](QPainter& p, int size) {
                paintPage(p, size);
                p.setPen(QPen(Qt::black, 2));
                p.drawEllipse(6, 6, 7, 7);
                p.drawLine(12, 12, size - 3, size - 3);
            }));
        case 2001:  // Help contents
            return QIcon(draw(s, [](QPainter& p, int size) {
                paintLetter(p, size, "?", QColor(0, 0, 160));
            }));
        default:
            return {};
    }
}

QCursor helpCursor() { return QCursor(Qt::WhatsThisCursor); }

}  // namespace resources
