#include "cwPdfPicture.h"

#include <QProcess>

QImage pdfPagePicture(const QString& pdfPath, int page)
{
    QProcess pdftoppm;
    const QString number = QString::number(page);
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-gray"), QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"), number,
                    QStringLiteral("-l"), number, pdfPath});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitStatus() != QProcess::NormalExit
        || pdftoppm.exitCode() != 0)
        return QImage();
    return QImage::fromData(pdftoppm.readAllStandardOutput(), "PGM");
}

bool isBlank(const QImage& picture, const QRectF& area)
{
    const QRect dots = area.toAlignedRect().intersected(picture.rect());
    for (int y = dots.top(); y <= dots.bottom(); ++y)
        for (int x = dots.left(); x <= dots.right(); ++x)
            if (qGray(picture.pixel(x, y)) < 230)
                return false;
    return true;
}
