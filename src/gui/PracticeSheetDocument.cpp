#include "gui/PracticeSheetDocument.h"

#include "gui/style/Look.h"
#include "gui/style/Pictures.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

// The pictures are 500 pixels wide: 45 mm puts them on paper at 282 dpi.
constexpr double PictureMm = 45;
constexpr double ColumnGapMm = 4;
constexpr double CardPaddingMm = 2.5;
constexpr double CardGapMm = 5;
constexpr double FooterMm = 8;

constexpr double TitlePt = 16;
constexpr double NamePt = 12;
constexpr double SubheadPt = 9.5;
constexpr double BodyPt = 8.5;
constexpr double FooterPt = 8;

const QColor Ink {0, 0, 0};
const QColor CardBorder {128, 128, 128};
const QColor WarningBackground {255, 236, 236};

// A document laid out for a device measures its margins, paddings and pictures in 96-dpi pixels and scales them.
double px(double mm)
{
    return mm * 96 / 25.4;
}

QColor colour(ReportColour c)
{
    return QColor(c.red, c.green, c.blue);
}

// Without ligatures, so a PDF reader finds "suffering" where the text says it, and reads it out as written.
QFont sheetFont(double pointSize, bool bold = false)
{
    QFont font = Style::verdana(pointSize, bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Every run names its colour: a dark desktop theme would otherwise print pale text.
QTextCharFormat textFormat(double pointSize, bool bold, const QColor& colour)
{
    QTextCharFormat format;
    format.setFont(sheetFont(pointSize, bold), QTextCharFormat::FontPropertiesAll);
    format.setForeground(colour);
    return format;
}

QTextBlockFormat spaced(double beforeMm, Qt::Alignment alignment = Qt::AlignLeft)
{
    QTextBlockFormat format;
    format.setTopMargin(px(beforeMm));
    format.setAlignment(alignment);
    return format;
}

// Numbers stand out to the left of their text.
QTextBlockFormat hanging(double beforeMm)
{
    QTextBlockFormat format = spaced(beforeMm);
    format.setLeftMargin(px(4.5));
    format.setTextIndent(-px(4.5));
    return format;
}

// Writes paragraphs from a cursor, filling the empty block a document or cell starts with before adding any.
class Paragraphs
{
public:
    explicit Paragraphs(const QTextCursor& cursor)
        : m_cursor(cursor)
    { }
    void add(const QString& text, const QTextCharFormat& format, const QTextBlockFormat& block)
    {
        if (m_started)
            m_cursor.insertBlock(block, format);
        else {
            m_cursor.setBlockFormat(block);
            m_cursor.setBlockCharFormat(format);
        }
        m_cursor.insertText(text, format);
        m_started = true;
    }
    QTextCursor& cursor() { return m_cursor; }

private:
    QTextCursor m_cursor;
    bool m_started = false;
};

std::unique_ptr<QTextDocument> newDocument(QPagedPaintDevice& device, double width)
{
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(&device);
    document->setDocumentMargin(0);
    document->setDefaultFont(sheetFont(BodyPt));
    document->setTextWidth(width);
    return document;
}

std::unique_ptr<QTextDocument> headerDocument(const PracticeSheet& sheet, QPagedPaintDevice& device, double width)
{
    auto document = newDocument(device, width);
    Paragraphs text(QTextCursor(document.get()));
    const QTextCharFormat dates = textFormat(SubheadPt, false, colour(SheetColours::label));
    text.add(sheet.title, textFormat(TitlePt, true, colour(SheetColours::title)), spaced(0));
    text.add(sheet.birthDate, dates, spaced(1.5));
    text.add(sheet.printedDate, dates, spaced(0.5));
    return document;
}

std::unique_ptr<QTextDocument> cardDocument(const PracticeCard& card, QPagedPaintDevice& device, double width)
{
    auto document = newDocument(device, width);
    // One edit: the card is laid out once, not again at every paragraph.
    QTextCursor edit(document.get());
    edit.beginEditBlock();
    QTextFrameFormat frame = document->rootFrame()->frameFormat();
    frame.setBorder(px(0.3));
    frame.setBorderBrush(CardBorder);
    frame.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    frame.setPadding(px(CardPaddingMm));
    document->rootFrame()->setFrameFormat(frame);

    const QTextCharFormat body = textFormat(BodyPt, false, Ink);
    const QTextCharFormat label = textFormat(SubheadPt, true, colour(SheetColours::label));

    // The picture beside the name, the hold and the steps; the benefits and the cautions side by side below.
    QTextTableFormat table;
    table.setBorder(0);
    table.setCellPadding(0);
    table.setCellSpacing(0);
    table.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    table.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, px(PictureMm + ColumnGapMm)),
        QTextLength(QTextLength::VariableLength, 0)});
    QTextTable* top = QTextCursor(document.get()).insertTable(1, 2, table);

    // The largest picture the program has, so it stays sharp on paper.
    const QString pictureName = QStringLiteral("asana%1").arg(card.asanaNumber);
    document->addResource(QTextDocument::ImageResource, QUrl(pictureName), QImage(Style::twiceSizePath(card.picture)));
    QTextImageFormat picture;
    picture.setName(pictureName);
    picture.setWidth(px(PictureMm));
    picture.setHeight(px(PictureMm));
    top->cellAt(0, 0).firstCursorPosition().insertImage(picture);

    Paragraphs beside(top->cellAt(0, 1).firstCursorPosition());
    beside.add(card.name, textFormat(NamePt, true, colour(SheetColours::asanaName)), spaced(0));
    beside.add(card.englishName, textFormat(SubheadPt, false, colour(SheetColours::label)), spaced(0.3));
    beside.add(card.hold, textFormat(SubheadPt, true, Ink), spaced(1.5));
    beside.add(QStringLiteral("Procedure"), label, spaced(2));
    for (const QString& step : card.steps)
        beside.add(step, body, hanging(0.8));

    table.setColumnWidthConstraints(
        {QTextLength(QTextLength::PercentageLength, 50), QTextLength(QTextLength::PercentageLength, 50)});
    table.setTopMargin(px(2));
    QTextTable* bottom = document->rootFrame()->lastCursorPosition().insertTable(1, 2, table);

    Paragraphs benefits(bottom->cellAt(0, 0).firstCursorPosition());
    benefits.add(QStringLiteral("Benefits"), label, spaced(0));
    for (const QString& benefit : card.benefits)
        benefits.add(benefit, body, card.benefits.size() > 1 ? hanging(0.8) : spaced(0.8));

    // Set apart in a red box, so nobody misses them.
    QTextFrameFormat warning;
    warning.setBorder(px(0.5));
    warning.setBorderBrush(colour(SheetColours::asanaName));
    warning.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    warning.setBackground(WarningBackground);
    warning.setPadding(px(2));
    warning.setLeftMargin(px(ColumnGapMm));
    Paragraphs cautions(bottom->cellAt(0, 1).firstCursorPosition().insertFrame(warning)->firstCursorPosition());
    cautions.add(
        QStringLiteral("Contra-indications"), textFormat(SubheadPt, true, colour(SheetColours::asanaName)), spaced(0));
    cautions.add(card.contraIndication, body, spaced(0.8));

    // A document keeps an empty block around each table and frame; hair-thin ones leave no gaps there.
    QTextCharFormat hairline;
    hairline.setFontPointSize(1);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty())
            QTextCursor(block).setBlockCharFormat(hairline);
    }
    edit.endEditBlock();
    return document;
}

std::unique_ptr<QTextDocument> cautionDocument(const PracticeSheet& sheet, QPagedPaintDevice& device, double width)
{
    auto document = newDocument(device, width);
    Paragraphs(QTextCursor(document.get()))
        .add(sheet.caution, textFormat(BodyPt, true, colour(SheetColours::title)), spaced(0, Qt::AlignCenter));
    return document;
}

void draw(QPainter& painter, QTextDocument& document, const QRectF& at)
{
    painter.save();
    painter.translate(at.topLeft());
    document.drawContents(&painter);
    painter.restore();
}

} // namespace

PracticeSheetDocument::PracticeSheetDocument(const PracticeSheet& sheet, QPagedPaintDevice& device)
    : m_device(device)
{
    QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    margins = {qMax(margins.left(), SheetMarginMm), qMax(margins.top(), SheetMarginMm),
        qMax(margins.right(), SheetMarginMm), qMax(margins.bottom(), SheetMarginMm)};
    device.setPageMargins(margins, QPageLayout::Millimeter);

    const double dotsPerMm = device.logicalDpiY() / 25.4;
    const QSizeF page = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    const double footer = FooterMm * dotsPerMm;
    m_body = QRectF(0, 0, page.width(), page.height() - footer);
    m_footer = QRectF(0, m_body.bottom(), page.width(), footer);

    m_header = headerDocument(sheet, device, page.width());
    m_headerRect = QRectF(0, 0, page.width(), m_header->size().height());

    const double gap = CardGapMm * dotsPerMm;
    int pageNumber = 0;
    double y = m_headerRect.bottom() + gap;
    bool pageEmpty = true;
    const auto place = [&](double height) {
        // What does not fit below what the page holds starts the next page; a page is never left empty.
        if (y + height > m_body.bottom() && !pageEmpty) {
            ++pageNumber;
            y = m_body.top();
        }
        pageEmpty = false;
        const Placement placed {pageNumber, QRectF(0, y, page.width(), height)};
        y += height + gap;
        return placed;
    };
    for (const PracticeCard& card : sheet.cards) {
        m_cardDocuments.push_back(cardDocument(card, device, page.width()));
        m_cards.append(place(m_cardDocuments.back()->size().height()));
    }
    m_cautionDocument = cautionDocument(sheet, device, page.width());
    m_caution = place(m_cautionDocument->size().height());
    // The caution closes the page, just above its number.
    m_caution.rect.moveBottom(m_body.bottom());
    m_pageCount = pageNumber + 1;
}

PracticeSheetDocument::~PracticeSheetDocument() = default;

void PracticeSheetDocument::paint()
{
    QPainter painter;
    if (!painter.begin(&m_device))
        return;
    painter.setFont(sheetFont(FooterPt));
    painter.setPen(Ink);
    for (int page = 0; page < m_pageCount; ++page) {
        if (page > 0)
            m_device.newPage();
        if (page == 0)
            draw(painter, *m_header, m_headerRect);
        for (int i = 0; i < m_cards.size(); ++i) {
            if (m_cards[i].page == page)
                draw(painter, *m_cardDocuments[std::size_t(i)], m_cards[i].rect);
        }
        if (m_caution.page == page)
            draw(painter, *m_cautionDocument, m_caution.rect);
        painter.drawText(m_footer, Qt::AlignHCenter | Qt::AlignBottom,
            QStringLiteral("Page %1 of %2").arg(page + 1).arg(m_pageCount));
    }
}
