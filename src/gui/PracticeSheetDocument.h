#pragma once

#include "core/PracticeSheet.h"

#include <QRectF>
#include <QVector>

#include <memory>
#include <vector>

class QPagedPaintDevice;
class QTextDocument;

constexpr double SheetMarginMm = 15;

// A practice sheet laid out on the pages of one printer or PDF writer: every card whole on one page, the caution
// on the last page, "Page n of m" at the foot of each.
class PracticeSheetDocument
{
public:
    // Where a part of the sheet stands: its page, counted from 0, and its rectangle in device pixels from the top
    // left corner of the page's printable area.
    struct Placement
    {
        int page;
        QRectF rect;
    };

    // Widens the device's margins to at least SheetMarginMm, then lays the sheet out for its paper and resolution.
    PracticeSheetDocument(const PracticeSheet& sheet, QPagedPaintDevice& device);
    ~PracticeSheetDocument();

    int pageCount() const { return m_pageCount; }
    // What any part but the footer must stay within on every page.
    QRectF body() const { return m_body; }
    // One per card, in the sheet's order.
    const QVector<Placement>& cards() const { return m_cards; }
    Placement caution() const { return m_caution; }

    // Paints every page; nothing when the device cannot be painted on, as a printer that fails to start.
    void paint();

private:
    QPagedPaintDevice& m_device;
    std::unique_ptr<QTextDocument> m_header;
    std::vector<std::unique_ptr<QTextDocument>> m_cardDocuments;
    std::unique_ptr<QTextDocument> m_cautionDocument;
    QRectF m_body;
    QRectF m_footer;
    QRectF m_headerRect;
    QVector<Placement> m_cards;
    Placement m_caution {0, {}};
    int m_pageCount = 1;
};
