// The print operation places each strip of a view on its own sheet and lets the view draw
// the page border in sheet coordinates. A small view of marker words shows where the
// operation put things: the PDF is read back with pdftotext -bbox.
#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTimer>
#include <QTemporaryDir>

#include "support/cwPdfPicture.h"
#include "support/cwPdfWords.h"
#include "support/cwTestMain.h"
#include "support/cwWhenShown.h"
#include "cwPrintInfo.h"
#include "cwPrintOperation.h"
#include "cwPrintableView.h"

namespace {

// Two sheets of paper high. Its strips follow the print information like a real
// printable view's; each strip shows one marker word 64 points below its top edge and
// 10 points in from the view's left, and every page border carries a word 72 points
// below the sheet's top, 300 points in.
class MarkerView : public cwPrintableView
{
public:
    MarkerView(cwPrintInfo& info)
        : cwPrintableView(QRectF(0, 0, info.paperSize().width(), 2 * info.paperSize().height()))
        , _info(info)
    {
    }

    bool knowsPageRange(cwPageRange& range) override
    {
        range.location = 1;
        range.length = 2;
        return true;
    }

    QRectF rectForPage(int page) override
    {
        const qreal height = stripHeight();
        return QRectF(0, bounds().height() - page * height, bounds().width(), height);
    }

    void drawRect(const QRectF& area) override
    {
        stripsDrawn.append(area);
        const qreal top = area.y() + area.height();
        const QString word = QStringLiteral("strip%1").arg(stripsDrawn.size());
        drawInRect(word, QRectF(10, top - 64 - 20, 200, 20), attributes());
        // A word placed just outside the strip is clipped away.
        drawInRect(QStringLiteral("outside"), QRectF(10, top + 5, 200, 20), attributes());
    }

    void drawPageBorderWithSize(const QSizeF& pageSize) override
    {
        borderSizes.append(pageSize);
        drawInRect(QStringLiteral("border"), QRectF(300, pageSize.height() - 72 - 20, 200, 20), attributes());
        // Texts wider than their rectangles wrap; a line that does not fit is left out.
        drawInRect(QStringLiteral("onefirst onesecond"), QRectF(300, 200, 70, 14), attributes());
        drawInRect(QStringLiteral("twofirst twosecond"), QRectF(300, 100, 70, 28), attributes());
    }

    QList<QRectF> stripsDrawn;
    QList<QSizeF> borderSizes;

private:
    qreal stripHeight() const
    {
        return (_info.paperSize().height() - _info.topMargin() - _info.bottomMargin()) / _info.scalingFactor();
    }

    static cwTextAttributes attributes()
    {
        QFont font(QStringLiteral("Verdana"));
        font.setPointSizeF(10.0);
        return cwTextAttributes{font, Qt::black};
    }

    cwPrintInfo& _info;
};

}  // namespace

class TestPrintOperation : public QObject
{
    Q_OBJECT

private slots:
    void stripsAndBorderPlacement_data();
    void stripsAndBorderPlacement();
    void unwritablePdfFails();
    void printDialogCancelPrintsNothing();
    void printDialogOffersPreview();

private:
    QTemporaryDir _dir;
};

void TestPrintOperation::stripsAndBorderPlacement_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("bottom");
    QTest::addColumn<float>("scale");
    QTest::addColumn<QSizeF>("sheet");

    QTest::newRow("letter, margins 90") << QPageSize::Letter << 90.0f << 90.0f << 1.0f << QSizeF(612, 792);
    QTest::newRow("a4, margins 40 and 60") << QPageSize::A4 << 40.0f << 60.0f << 1.0f << QSizeF(595, 842);
    QTest::newRow("letter at 200 %") << QPageSize::Letter << 90.0f << 90.0f << 2.0f << QSizeF(612, 792);
}

void TestPrintOperation::stripsAndBorderPlacement()
{
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(float, top);
    QFETCH(float, bottom);
    QFETCH(float, scale);
    QFETCH(QSizeF, sheet);

    cwPrintInfo info;
    info.setPaperSize(QPageSize(paper));
    info.setMargins(top, bottom);
    info.setScalingFactor(scale);
    MarkerView view(info);

    const QString pdf = _dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    QVERIFY(cwPrintOperation(view, info).runToPdf(pdf));

    // The view drew its two strips, top one first, and a border at the sheet's size each time.
    const qreal strip = (sheet.height() - top - bottom) / scale;
    QCOMPARE(view.stripsDrawn.size(), 2);
    QCOMPARE(view.stripsDrawn.at(0), QRectF(0, 2 * sheet.height() - strip, sheet.width(), strip));
    QCOMPARE(view.stripsDrawn.at(1), QRectF(0, 2 * sheet.height() - 2 * strip, sheet.width(), strip));
    QCOMPARE(view.borderSizes, QList<QSizeF>({sheet, sheet}));

    const cwPdfWords read = cwPdfWords::read(pdf);
    QCOMPARE(read.pageCount(), 2);
    for (int page = 1; page <= 2; ++page) {
        QCOMPARE(read.pageSizes.at(page - 1), sheet);

        // The strip's left edge lies at the sheet's left edge and its top at the top margin;
        // the print scale enlarges distances within the strip.
        const QList<cwPdfWord> marker = read.find(QStringLiteral("strip%1").arg(page));
        QCOMPARE(marker.size(), 1);
        QCOMPARE(marker.at(0).page, page);
        QVERIFY2(qAbs(marker.at(0).box.left() - 10 * scale) < 1.5, qPrintable(QString::number(marker.at(0).box.left())));
        QVERIFY2(qAbs(marker.at(0).box.top() - (top + 64 * scale)) < 3.0 * scale,
                 qPrintable(QString::number(marker.at(0).box.top())));

        // The page border is in the sheet's own points, whatever the margins and scale.
        const QList<cwPdfWord> border = read.find(QStringLiteral("border"));
        QCOMPARE(border.size(), 2);
        QCOMPARE(border.at(page - 1).page, page);
        QVERIFY(qAbs(border.at(page - 1).box.left() - 300) < 1.5);
        QVERIFY(qAbs(border.at(page - 1).box.top() - 72) < 3.0);
    }
    QCOMPARE(read.find(QStringLiteral("onefirst")).size(), 2);
    QVERIFY(read.find(QStringLiteral("onesecond")).isEmpty());
    const QList<cwPdfWord> wrapped = read.find(QStringLiteral("twosecond"));
    QCOMPARE(wrapped.size(), 2);
    QVERIFY(qAbs(wrapped.at(0).box.left() - 300) < 1.5);
    QVERIFY(wrapped.at(0).box.top() > read.find(QStringLiteral("twofirst")).at(0).box.bottom() - 1);

    // Nothing of the view outside the strip reaches the sheet: the word drawn just above
    // the strip is cut away, while the strip's own marker shows.
    for (int page = 1; page <= 2; ++page) {
        const QImage picture = pdfPagePicture(pdf, page);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), sheet.toSize());
        QVERIFY(isBlank(picture, QRectF(0, top - 25 * scale, 250, 20 * scale)));
        QVERIFY(!isBlank(picture, QRectF(0, top + 64 * scale, 250, 20 * scale)));
    }
}

void TestPrintOperation::unwritablePdfFails()
{
    cwPrintInfo info;
    MarkerView view(info);
    QVERIFY(!cwPrintOperation(view, info).runToPdf(_dir.filePath(QStringLiteral("missing/folder/out.pdf"))));
}

void TestPrintOperation::printDialogCancelPrintsNothing()
{
    cwPrintInfo info;
    MarkerView view(info);
    whenShown<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
    QVERIFY(!cwPrintOperation(view, info).runOperation(nullptr));
    QVERIFY(view.stripsDrawn.isEmpty());
}

void TestPrintOperation::printDialogOffersPreview()
{
    cwPrintInfo info;
    MarkerView view(info);
    QPair<int, int> offeredRange;
    whenShown<QPrintDialog>([&offeredRange](QPrintDialog* dialog) {
        offeredRange = {dialog->minPage(), dialog->maxPage()};
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Preview…")) {
                whenShown<QPrintPreviewDialog>([](QPrintPreviewDialog* preview) { preview->reject(); });
                button->click();
                return;
            }
        dialog->reject();
    });
    QVERIFY(!cwPrintOperation(view, info).runOperation(nullptr));
    // The dialog offered the view's pages; the preview drew them as they would print, and
    // closing it printed nothing more.
    QCOMPARE(offeredRange, qMakePair(1, 2));
    QCOMPARE(view.stripsDrawn.size(), 2);
    QCOMPARE(view.borderSizes.size(), 2);
}

CW_TEST_MAIN(TestPrintOperation)

#include "TestPrintOperation.moc"
