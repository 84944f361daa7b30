// Makes the start picture (start.jpg, 270 x 220, the name on grey) and the
// program icon (lysvandre-N.png, a small population pyramid in 16 colours)
// in the directory given as the only argument. The JPEG is written with
// libjpeg so that the program decodes exactly what its own decoder expects.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

#include <cstdio>
#include <jpeglib.h>

namespace {

bool WriteJpeg(const QImage& source, const QString& path, int quality) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    FILE* file = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!file) return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

// Bars of the pyramid, bottom up, as half-widths in 1/16 of the picture.
constexpr int PyramidBars[] = {7, 7, 6, 6, 5, 4, 3, 2};

QImage StartPicture() {
    QImage image(270, 220, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient grey(0, 0, 0, 220);
    grey.setColorAt(0, QColor(0xc4, 0xc4, 0xc4));
    grey.setColorAt(1, QColor(0x9a, 0x9a, 0x9a));
    p.fillRect(image.rect(), grey);
    // A raised edge, as on a button face.
    p.setPen(QColor(0xe8, 0xe8, 0xe8));
    p.drawLine(0, 0, 269, 0);
    p.drawLine(0, 0, 0, 219);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawLine(0, 219, 269, 219);
    p.drawLine(269, 0, 269, 219);

    // A faint pyramid under the name: men to the left, women to the right.
    const int barHeight = 9, baseY = 196, midX = 135;
    for (int i = 0; i < 8; ++i) {
        const int half = PyramidBars[i] * 9;
        const int y = baseY - (i + 1) * barHeight;
        p.fillRect(midX - half, y, half - 1, barHeight - 1, QColor(0x6f, 0x86, 0xa8));
        p.fillRect(midX + 1, y, half - 1, barHeight - 1, QColor(0xb0, 0x78, 0x78));
    }

    QFont font("Liberation Serif", 1, QFont::Bold, true);
    font.setPixelSize(46);
    p.setFont(font);
    const QRect nameBox(0, 28, 270, 70);
    p.setPen(QColor(0xf0, 0xf0, 0xf0));
    p.drawText(nameBox.translated(2, 2), Qt::AlignCenter, "Lysvandre");
    p.setPen(QColor(0x1c, 0x2a, 0x4a));
    p.drawText(nameBox, Qt::AlignCenter, "Lysvandre");
    return image;
}

// The icon is drawn on a 16 x 16 grid and scaled without smoothing, so every
// size shows the same sharp bars in the same 16 colours.
QImage Icon(int size) {
    QImage grid(16, 16, QImage::Format_ARGB32);
    grid.fill(Qt::transparent);
    QPainter p(&grid);
    const QColor frame(0x20, 0x30, 0x50), paper(0xff, 0xf8, 0xdc);
    const QColor men(0x2f, 0x5f, 0xb0), women(0xc0, 0x38, 0x38), ground(0x30, 0x80, 0x40);
    p.fillRect(0, 0, 16, 16, frame);
    p.fillRect(1, 1, 14, 14, paper);
    for (int i = 0; i < 6; ++i) {
        const int half = PyramidBars[i + 1];
        const int y = 12 - 2 * i;
        p.fillRect(8 - half, y, half, 2, men);
        p.fillRect(8, y, half, 2, women);
    }
    p.fillRect(1, 14, 14, 1, ground);
    p.end();
    QImage scaled = grid.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return scaled.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <resources directory>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    bool ok = WriteJpeg(StartPicture(), dir + "/start.jpg", 90);
    for (int size : {32, 64, 128}) {
        ok = Icon(size).save(dir + QString("/lysvandre-%1.png").arg(size), "PNG") && ok;
    }
    if (!ok) std::fprintf(stderr, "make_pictures: could not write every picture to %s\n", argv[1]);
    return ok ? 0 : 1;
}
