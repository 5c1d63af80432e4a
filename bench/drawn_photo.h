// A photo for a benchmark run without the one ./setup.sh bench makes: a gradient sky with
// diagonal lines, some detail for the encoder as a photo has, saved as a JPEG.
#pragma once

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

inline bool SaveDrawnPhoto(QSize size, const QString& path) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(90, 130, 160));
    sky.setColorAt(1, QColor(200, 180, 140));
    painter.fillRect(image.rect(), sky);
    const int step = size.width() / 60;
    painter.setPen(QPen(QColor(40, 30, 20), step * 0.3));
    for (int i = 0; i < 60; ++i)
        painter.drawLine(i * step, 0, size.width() - i * step * 4 / 5, size.height());
    painter.end();
    return image.save(path, "JPEG", 90);
}
