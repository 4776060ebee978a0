#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// A printed PDF read back word by word with pdftotext -bbox: each word with its page
// (counted from 1) and its box in points, measured from the page's top-left corner.
struct cwPdfWord
{
    int page = 0;
    QString text;
    QRectF box;
};

struct cwPdfWords
{
    QList<QSizeF> pageSizes;
    QList<cwPdfWord> words;

    static cwPdfWords read(const QString& pdfPath);  // empty when pdftotext fails

    int pageCount() const;
    QList<cwPdfWord> find(const QString& text) const;
    QList<cwPdfWord> onPage(int page) const;
};
