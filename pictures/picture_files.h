#pragma once
// Picture files: a drawn image as PNG at its pixel density carrying a description of where the
// picture comes from, and the atomic write that puts a file on disk.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <string>
#include <utility>
#include <vector>

namespace qav {

/// What a picture shows and where it comes from: a title and key-value pairs (program,
/// location, pressure ...), written as PNG text chunks or as the SVG title and description.
struct PictureDescription {
    std::string Title;
    std::vector<std::pair<std::string, std::string>> Provenance;
};

/// The image with its description as text, and a resolution grown with its pixel ratio so a
/// denser picture keeps its printed size.
QImage DescribedImage(QImage image, const PictureDescription& description);

/// A PNG file's bytes; empty if the image cannot be encoded.
QByteArray PngBytes(const QImage& image);

/// Writes the bytes to a temporary file beside the target and renames it over the target.
/// Returns the reason of a failure, or an empty text; after a failure no file is left behind.
QString WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace qav
