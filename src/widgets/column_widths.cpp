#include "widgets/column_widths.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace orvanel {

namespace {

// The average character width of the small dialog font that the pixel widths were chosen for;
// a larger font widens every column in proportion.
constexpr double kReferenceCharWidth = 6.0;

int Scaled(int pixels, double scale)
{
    return static_cast<int>(std::lround(pixels * scale));
}

}  // namespace

QString WidestIdentifierSample()
{
    // Two letters of the prefix, four digits, a dash and the check digit; W is the widest letter.
    return QStringLiteral("WW0000-0");
}

QString WidestDateSample()
{
    return QStringLiteral("0000/00/00");
}

ColumnWidths FitColumn(const ColumnSizing& sizing, const QString& title,
                       const QFontMetrics& titleFont, const QFontMetrics& cellFont,
                       int defaultWidth, int headerMargin, int cellMargin)
{
    const double scale = std::max(1.0, cellFont.averageCharWidth() / kReferenceCharWidth);
    // A margin each side, and beside the title the sort arrow: about half the header's height
    // (the font's height and two margins) and a margin before it.
    const int titleNeeds = titleFont.horizontalAdvance(title) + 4 * headerMargin
                           + titleFont.height() / 2 + 2;
    const int sampleNeeds = sizing.sample.isEmpty()
                                ? 0
                                : cellFont.horizontalAdvance(sizing.sample) + 2 * cellMargin + 2;

    ColumnWidths widths;
    const int base = sizing.width > 0 ? sizing.width : defaultWidth;
    widths.width = std::max({Scaled(base, scale), titleNeeds, sampleNeeds});
    widths.minimum = std::max(Scaled(sizing.minimum, scale), SmallestColumnWidth(cellFont));
    widths.minimum = std::min(widths.minimum, widths.width);
    widths.maximum = sizing.maximum > 0 ? std::max(Scaled(sizing.maximum, scale), widths.width) : 0;
    return widths;
}

int SmallestColumnWidth(const QFontMetrics& font)
{
    return 2 * font.averageCharWidth() + 4;
}

ColumnFitter::ColumnFitter(QHeaderView& header, std::vector<ColumnSizing> columns)
    : QObject(&header), header_(header), columns_(std::move(columns))
{
    fit();
    connect(&header_, &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { keepWithinLimits(column, width); });
    // The list's font reaches the header too; watching the header covers both.
    header_.installEventFilter(this);
}

bool ColumnFitter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &header_ && event->type() == QEvent::FontChange)
        fit();
    return QObject::eventFilter(watched, event);
}

void ColumnFitter::fit()
{
    const QWidget* list = header_.parentWidget() ? header_.parentWidget() : &header_;
    const QStyle* style = header_.style();
    const int headerMargin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header_);
    const int cellMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const QFontMetrics cellFont = list->fontMetrics();

    const int defaultWidth =
        style->pixelMetric(QStyle::PM_HeaderDefaultSectionSizeHorizontal, nullptr, &header_);

    widths_.clear();
    int smallest = SmallestColumnWidth(cellFont);
    for (int column = 0; column < static_cast<int>(columns_.size()); ++column) {
        const QString title =
            header_.model()
                ? header_.model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()
                : QString();
        widths_.push_back(FitColumn(columns_[static_cast<size_t>(column)], title,
                                    header_.fontMetrics(), cellFont, defaultWidth, headerMargin,
                                    cellMargin));
        smallest = std::min(smallest, widths_.back().minimum);
    }
    header_.setMinimumSectionSize(smallest);
    for (int column = 0; column < static_cast<int>(widths_.size()); ++column)
        header_.resizeSection(column, widths_[static_cast<size_t>(column)].width);
}

void ColumnFitter::keepWithinLimits(int column, int width)
{
    if (column < 0 || column >= static_cast<int>(widths_.size()))
        return;
    const ColumnWidths& limits = widths_[static_cast<size_t>(column)];
    int allowed = std::max(width, limits.minimum);
    if (limits.maximum > 0)
        allowed = std::min(allowed, limits.maximum);
    if (allowed != width)
        header_.resizeSection(column, allowed);
}

}  // namespace orvanel
