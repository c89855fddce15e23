#include "chart/qt/picture_files.h"

#include <QBuffer>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <QSvgGenerator>
#include <cmath>

namespace qav {
namespace {

constexpr double kTwipsPerInch = 1440;

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// The generator names a font as this system resolved it, with its foundry ("Nimbus Sans [urw]"):
// other programs know the family only by its name, and a bracket is not valid in a font name.
QByteArray WithoutFoundries(const QByteArray& svg)
{
    static const QRegularExpression foundry(QStringLiteral("(font-family=\"[^\"\\[]*?)\\s*\\[[^\"\\]]*\\]\""));
    QString text = QString::fromUtf8(svg);
    text.replace(foundry, QStringLiteral("\\1\""));
    return text.toUtf8();
}

}  // namespace

QImage DescribedImage(QImage image, const PictureDescription& description)
{
    image.setDotsPerMeterX(int(std::lround(image.dotsPerMeterX() * image.devicePixelRatio())));
    image.setDotsPerMeterY(int(std::lround(image.dotsPerMeterY() * image.devicePixelRatio())));
    image.setText(QStringLiteral("Title"), FromUtf8(description.Title));
    for (const auto& [key, value] : description.Provenance) image.setText(FromUtf8(key), FromUtf8(value));
    return image;
}

QByteArray PngBytes(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) return {};
    return buffer.data();
}

QByteArray SvgBytes(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight,
                    const PictureDescription& description, const std::function<void(QPainterCanvas&)>& draw)
{
    const QSize pixels = QPainterCanvas::DeviceSize(canvasWidth, canvasHeight, pixelWidth, pixelHeight);
    QStringList provenance;
    for (const auto& [key, value] : description.Provenance) provenance << FromUtf8(key + ": " + value);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    // One user unit per screen pixel, and the screen's resolution, so the text has the size and
    // the place it has in the window.
    svg.setSize(pixels);
    svg.setViewBox(QRect(QPoint(0, 0), pixels));
    svg.setResolution(int(std::lround(kTwipsPerInch / pixelHeight)));
    // The generator writes both texts into the document as they are: markup in a name must be
    // escaped here, or the file is not well-formed XML.
    svg.setTitle(FromUtf8(description.Title).toHtmlEscaped());
    svg.setDescription(provenance.join(u'\n').toHtmlEscaped());
    {
        QPainterCanvas canvas(svg, canvasWidth, canvasHeight, pixelWidth, pixelHeight);
        draw(canvas);
        canvas.EndPainting();
    }
    return WithoutFoundries(buffer.data());
}

QString WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    auto reason = [&file] {
        const QString text = file.errorString();
        return text.isEmpty() ? QStringLiteral("Unknown error") : text;
    };
    if (!file.open(QIODevice::WriteOnly)) return reason();
    if (file.write(bytes) != bytes.size()) {
        const QString text = reason();
        file.cancelWriting();
        return text;
    }
    // Until here only the temporary file exists; it is removed when the commit fails.
    if (!file.commit()) return reason();
    return {};
}

}  // namespace qav
