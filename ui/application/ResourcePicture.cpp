#include "ui/application/ResourcePicture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QResource>
#include <QtEndian>

namespace kmq::ui {
namespace {

constexpr qint64 FileHeaderSize = 14;
constexpr qint64 InfoHeaderSize = 40;
constexpr quint16 BitmapMagic = 0x4D42;  // "BM"
constexpr quint32 Uncompressed = 0;      // BI_RGB

template <typename T>
T field(const uchar* bytes, qint64 offset) {
    return qFromLittleEndian<T>(bytes + offset);
}

// An uncompressed resource holding a top-down, 32-bit, uncompressed bitmap
// whose pixels lie wholly inside it, on a 4-byte boundary as an image's
// must: the image over those pixels. Rows of 32 bits need no padding, and a
// negative height says top down.
QImage viewOfBitmap(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() < FileHeaderSize + InfoHeaderSize)
        return {};
    const uchar* bytes = resource.data();
    const auto pixels = field<quint32>(bytes, 10);
    const auto width = field<qint32>(bytes, 18);
    const auto height = field<qint32>(bytes, 22);
    if (field<quint16>(bytes, 0) != BitmapMagic || field<quint32>(bytes, 14) < InfoHeaderSize ||
        field<quint16>(bytes, 28) != 32 || field<quint32>(bytes, 30) != Uncompressed || width <= 0 || height >= 0 ||
        pixels + 4 * qint64(width) * -qint64(height) > resource.size() ||
        reinterpret_cast<quintptr>(bytes + pixels) % alignof(quint32) != 0)
        return {};
    return QImage(bytes + pixels, width, -height, 4 * width, QImage::Format_RGB32);
}

}  // namespace

QImage readResourcePicture(const QString& path) {
    const QByteArray format = QFileInfo(path).suffix().toLatin1();
    if (format == "bmp")
        if (QImage view = viewOfBitmap(path); !view.isNull()) return view;
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace kmq::ui
