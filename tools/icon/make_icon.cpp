// kelvara-icon: writes the program's icon as a Windows icon file, from
// resources/kelvara.svg rendered by Qt's SVG renderer at the sizes Windows
// asks for (16 to 48 pixels as 32-bit bitmaps with alpha, 256 as PNG):
//
//   kelvara-icon resources/kelvara.svg resources/kelvara.ico
//
// The test command renders it again and compares, so the icon file in the
// tree always matches its SVG.
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdint>
#include <iostream>
#include <vector>

namespace {

void Put16(QByteArray& out, unsigned v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(QByteArray& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

QImage Render(QSvgRenderer& svg, int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSizeF size = svg.viewBoxF().size();
    size.scale(QSizeF(side, side), Qt::KeepAspectRatio);
    svg.render(&painter, QRectF((side - size.width()) / 2, (side - size.height()) / 2, size.width(),
                                size.height()));
    painter.end();
    return image;
}

// A 32-bit bitmap entry: the header, the pixels bottom-up, an empty mask.
QByteArray Dib(const QImage& image) {
    QByteArray out;
    const int side = image.width();
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(side));
    Put32(out, static_cast<std::uint32_t>(2 * side));  // colour and mask
    Put16(out, 1);
    Put16(out, 32);
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (int y = side - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < side; ++x) Put32(out, line[x]);  // B G R A in memory
    }
    const int maskRow = ((side + 31) / 32) * 4;
    out.append(QByteArray(maskRow * side, '\0'));
    return out;
}

QByteArray Png(const QImage& image) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: kelvara-icon KELVARA.svg OUT.ico\n";
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::cerr << "kelvara-icon: cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::vector<int> sides = {16, 20, 24, 32, 40, 48, 64, 256};
    std::vector<QByteArray> images;
    for (int side : sides) {
        const QImage image = Render(svg, side);
        images.push_back(side >= 256 ? Png(image) : Dib(image));
    }
    QByteArray ico;
    Put16(ico, 0);
    Put16(ico, 1);  // an icon
    Put16(ico, static_cast<unsigned>(sides.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(sides.size());
    for (size_t i = 0; i < sides.size(); ++i) {
        const int side = sides[i];
        ico.append(static_cast<char>(side >= 256 ? 0 : side));
        ico.append(static_cast<char>(side >= 256 ? 0 : side));
        ico.append('\0');  // no palette
        ico.append('\0');
        Put16(ico, 1);   // planes
        Put16(ico, 32);  // bits per pixel
        Put32(ico, static_cast<std::uint32_t>(images[i].size()));
        Put32(ico, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const QByteArray& image : images) ico.append(image);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(ico) != ico.size()) {
        std::cerr << "kelvara-icon: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
