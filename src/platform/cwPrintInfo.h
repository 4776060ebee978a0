#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>

class QPrinter;

// The settings a print job is laid out with: the paper and its orientation, the top and
// bottom margins and the print scale. Sizes are in points (1/72 inch). One shared instance
// keeps the user's choices from one print command to the next.
class cwPrintInfo
{
public:
    cwPrintInfo();  // letter paper, portrait, margins of 90 points, scale 1.0

    static cwPrintInfo& sharedPrintInfo();

    QSizeF paperSize() const;  // width and height as the paper is turned
    float topMargin() const;
    float bottomMargin() const;
    float scalingFactor() const;  // 1.0 prints at 100 %

    void setPaperSize(const QPageSize& paper);
    void setMargins(float top, float bottom);
    void setScalingFactor(float scale);

    // The printer is given this paper; after a print dialog the user's paper is read back.
    void configurePrinter(QPrinter& printer) const;
    void takePaperFromPrinter(const QPrinter& printer);

private:
    QPageSize _paper;
    QPageLayout::Orientation _orientation = QPageLayout::Portrait;
    float _topMargin = 90.0f;
    float _bottomMargin = 90.0f;
    float _scalingFactor = 1.0f;
};
