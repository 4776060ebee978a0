#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// A font and a colour for drawn text.
struct cwTextAttributes
{
    QFont font;
    QColor foreground;
};

// A run of pages: the first page number and how many follow.
struct cwPageRange
{
    quint32 location = 1;
    quint32 length = 1;
};

// A view that the print operation prints page by page. It works in points in its own
// coordinates, origin at the bottom left and y growing upwards; cwPrintOperation maps
// them onto the sheet. The operation asks knowsPageRange() first, then for every page
// rectForPage(), draws that strip with drawRect() and lets the view add the page border
// with drawPageBorderWithSize(), where the view's coordinates are those of the sheet.
class cwPrintableView
{
public:
    explicit cwPrintableView(const QRectF& frame);
    virtual ~cwPrintableView();

    cwPrintableView(const cwPrintableView&) = delete;
    cwPrintableView& operator=(const cwPrintableView&) = delete;

    QRectF frame() const;
    void setFrame(const QRectF& frame);
    QRectF bounds() const;  // the frame's size at origin (0, 0)

    virtual bool knowsPageRange(cwPageRange& range) = 0;
    virtual QRectF rectForPage(int page) = 0;
    virtual void drawRect(const QRectF& area) = 0;
    virtual void drawPageBorderWithSize(const QSizeF& pageSize) = 0;

protected:
    // Lays the text out from the rectangle's top-left corner, left-aligned and wrapped at
    // its width; nothing is drawn outside the rectangle.
    void drawInRect(const QString& text, const QRectF& rect, const cwTextAttributes& attributes);

private:
    friend class cwPrintOperation;

    // While the operation draws, its painter works in points with y growing downwards
    // from the height flipTop of the view's coordinates.
    void beginDrawing(QPainter* painter, qreal flipTop);
    void endDrawing();

    QRectF _frame;
    QPainter* _painter = nullptr;
    qreal _flipTop = 0;
};
