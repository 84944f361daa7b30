#include "Pictures.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

// libjpeg's own error handler ends the process; this one returns to the
// decoder instead, so that bad data give a null image.
struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

// Warnings (such as data that end early) would be printed to stderr; the
// decoder counts them instead and refuses the picture.
void JpegOutputMessage(j_common_ptr) {}

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty()) return {};
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JpegErrorExit;
    error.manager.output_message = JpegOutputMessage;

    // A jump back lands here; from the first setjmp to the second no C++
    // object is alive, and after the second the image object itself is not
    // changed, only the pixels it owns.
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3 || info.output_width > 8192 || info.output_height > 8192) {
        jpeg_destroy_decompress(&info);
        return {};
    }

    QImage image(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = bits + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    const bool damaged = error.manager.num_warnings != 0;
    jpeg_destroy_decompress(&info);
    if (damaged) return {};
    return image;
}

QImage StartPicture() {
    return DecodeJpeg(ReadResource(":/lysvandre/start.jpg"));
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {32, 64, 128}) icon.addFile(QString(":/lysvandre/lysvandre-%1.png").arg(size), QSize(size, size));
    return icon;
}
