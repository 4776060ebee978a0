#include "cwPrintOperation.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include "cwPrintInfo.h"
#include "cwPrintableView.h"

cwPrintOperation::cwPrintOperation(cwPrintableView& view, cwPrintInfo& printInfo)
    : _view(view)
    , _printInfo(printInfo)
{
}

bool cwPrintOperation::runOperation(QWidget* window)
{
    cwPageRange range;
    _view.knowsPageRange(range);

    QPrinter printer(QPrinter::HighResolution);
    _printInfo.configurePrinter(printer);

    QPrintDialog dialog(&printer, window);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(int(range.location), int(range.location + range.length - 1));

    // The dialog itself has no preview; a Preview button takes the chosen settings into one.
    bool previewWanted = false;
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* preview = buttons->addButton(QObject::tr("Preview…"), QDialogButtonBox::ActionRole);
        QObject::connect(preview, &QPushButton::clicked, &dialog, [&dialog, &previewWanted] {
            previewWanted = true;
            dialog.accept();
        });
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;

    if (!previewWanted)
        return printAll(printer);

    QPrintPreviewDialog previewDialog(&printer, window);
    QObject::connect(&previewDialog, &QPrintPreviewDialog::paintRequested, &previewDialog,
                     [this](QPrinter* target) { printAll(*target); });
    return previewDialog.exec() == QDialog::Accepted;
}

bool cwPrintOperation::runToPdf(const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    _printInfo.configurePrinter(printer);
    return printAll(printer);
}

bool cwPrintOperation::printAll(QPrinter& printer)
{
    // The user may have chosen another paper; the view's strips follow it.
    _printInfo.takePaperFromPrinter(printer);

    cwPageRange range;
    _view.knowsPageRange(range);
    int firstPage = int(range.location);
    int lastPage = int(range.location + range.length) - 1;
    if (printer.fromPage() > 0) {
        firstPage = qMax(firstPage, printer.fromPage());
        lastPage = qMin(lastPage, printer.toPage());
    }

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    printPages(painter, printer, firstPage, lastPage);
    return painter.end();
}

void cwPrintOperation::printPages(QPainter& painter, QPrinter& printer, int firstPage, int lastPage)
{
    const qreal pointsToDevice = printer.resolution() / 72.0;
    const QSizeF pageSize = _printInfo.paperSize();

    for (int page = firstPage; page <= lastPage; ++page) {
        if (page != firstPage)
            printer.newPage();

        // The strip: its left edge at the sheet's left edge, its top at the top margin, at
        // the print scale. Painter y runs downwards from the strip's top edge.
        const QRectF strip = _view.rectForPage(page);
        const qreal scale = _printInfo.scalingFactor();
        painter.save();
        painter.scale(pointsToDevice, pointsToDevice);
        painter.translate(0, _printInfo.topMargin());
        painter.scale(scale, scale);
        painter.translate(-strip.x(), 0);
        painter.setClipRect(QRectF(strip.x(), 0, strip.width(), strip.height()));
        _view.beginDrawing(&painter, strip.y() + strip.height());
        _view.drawRect(strip);
        _view.endDrawing();
        painter.restore();

        // The page border: the view draws in the sheet's own points.
        painter.save();
        painter.scale(pointsToDevice, pointsToDevice);
        _view.beginDrawing(&painter, pageSize.height());
        _view.drawPageBorderWithSize(pageSize);
        _view.endDrawing();
        painter.restore();
    }
}
