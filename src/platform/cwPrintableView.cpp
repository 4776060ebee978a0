#include "cwPrintableView.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
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

    // The painter's unit is the point, while the device turns font points into its own
    // dots; the font is given the size that comes out as that many painter units.
    QFont font = attributes.font;
    font.setPointSizeF(attributes.font.pointSizeF() * 72.0 / _painter->device()->logicalDpiY());

    QTextOption wrapping(Qt::AlignLeft | Qt::AlignTop);
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTextLayout layout(text, font, _painter->device());
    layout.setTextOption(wrapping);

    layout.beginLayout();
    for (qreal y = 0;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(target.width());
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();

    // Lines that do not fit into the rectangle's height are left out; the first line is
    // cut at the rectangle's edges.
    _painter->save();
    _painter->setClipRect(target, Qt::IntersectClip);
    _painter->setPen(attributes.foreground);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (i > 0 && line.y() + line.height() > target.height())
            break;
        line.draw(_painter, target.topLeft());
    }
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
