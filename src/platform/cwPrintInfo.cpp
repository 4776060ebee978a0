#include "cwPrintInfo.h"

#include <QMarginsF>
#include <QPrinter>

cwPrintInfo::cwPrintInfo()
    : _paper(QPageSize::Letter)
{
}

cwPrintInfo& cwPrintInfo::sharedPrintInfo()
{
    static cwPrintInfo shared;
    return shared;
}

QSizeF cwPrintInfo::paperSize() const
{
    const QSizeF size = _paper.size(QPageSize::Point);
    return _orientation == QPageLayout::Landscape ? size.transposed() : size;
}

float cwPrintInfo::topMargin() const
{
    return _topMargin;
}

float cwPrintInfo::bottomMargin() const
{
    return _bottomMargin;
}

float cwPrintInfo::scalingFactor() const
{
    return _scalingFactor;
}

void cwPrintInfo::setPaperSize(const QPageSize& paper)
{
    _paper = paper;
}

void cwPrintInfo::setMargins(float top, float bottom)
{
    _topMargin = top;
    _bottomMargin = bottom;
}

void cwPrintInfo::setScalingFactor(float scale)
{
    _scalingFactor = scale;
}

void cwPrintInfo::configurePrinter(QPrinter& printer) const
{
    // The whole sheet is the drawing area: the print operation places the strips itself.
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(_paper, _orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
}

void cwPrintInfo::takePaperFromPrinter(const QPrinter& printer)
{
    const QPageLayout layout = printer.pageLayout();
    _paper = layout.pageSize();
    _orientation = layout.orientation();
}
