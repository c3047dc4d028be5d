#pragma once

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <string>

// A drawing against the reference picture kept with the tests, pixel for pixel: every colour, edge and glyph at once.
// Returns what differs, or nothing. TAVREL_UPDATE_PICTURES=1 makes the drawing the new reference, to be looked at
// before it is committed; a mismatch is saved as NAME.actual.png in the working folder.
inline std::string pictureDifference(const QImage& drawn, const QString& reference)
{
    const QImage image = drawn.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("TAVREL_UPDATE_PICTURES"))
        return image.save(reference) ? "" : "could not write " + reference.toStdString();
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    if (image == expected)
        return "";
    const QString actual = QDir::current().absoluteFilePath(QFileInfo(reference).completeBaseName() + ".actual.png");
    image.save(actual);
    return (reference + " differs from the drawing saved as " + actual).toStdString();
}
