#include "cwPrintableView.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTextOption>

cwPrintableView::cwPrintableView(const QRectF& frame)
    : _frame(frame)
{
}

cwPrintableView::~cwPrintableView() = default;

QRectF cwPrintableView::frame() const
{
    return _frame;
}

void cwPrintableView::setFrame(const QRectF& frame)
{
    _frame = frame;
}

QRectF cwPrintableView::bounds() const
{
    return QRectF(QPointF(0, 0), _frame.size());
}

void cwPrintableView::drawInRect(const QString& text, const QRectF& rect, const cwTextAttributes& attributes)
{
    if (!_painter)
        return;
    const QRectF target(rect.x(), _flipTop - (rect.y() + rect.height()), rect.width(), rect.height());
    _painter->save();
    _painter->setClipRect(target, Qt::IntersectClip);
    // The painter's unit is the point, while the device turns font points into its own
    // dots; the font is given the size that comes out as that many painter units.
    QFont font = attributes.font;
    font.setPointSizeF(attributes.font.pointSizeF() * 72.0 / _painter->device()->logicalDpiY());
    _painter->setFont(font);
    _painter->setPen(attributes.foreground);
    QTextOption layout(Qt::AlignLeft | Qt::AlignTop);
    layout.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    _painter->drawText(target, text, layout);
    _painter->restore();
}

void cwPrintableView::beginDrawing(QPainter* painter, qreal flipTop)
{
    _painter = painter;
    _flipTop = flipTop;
}

void cwPrintableView::endDrawing()
{
    _painter = nullptr;
}
