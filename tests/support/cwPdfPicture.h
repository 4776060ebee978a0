#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

// One page of a printed PDF as a grey picture at 72 dots per inch, made with pdftoppm, so
// that a dot is a point measured from the page's top-left corner. Null when pdftoppm fails.
QImage pdfPagePicture(const QString& pdfPath, int page);

// True when nothing darker than near-white lies inside the area (in points).
bool isBlank(const QImage& picture, const QRectF& area);
