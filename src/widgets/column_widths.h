#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QFontMetrics;
class QHeaderView;

namespace orvanel {

// What one column of a list must show, and its widths in pixels at an ordinary dialog font.
struct ColumnSizing {
    QString sample;   // the widest content the column must show whole; empty: only the title
    int width = 0;    // 0: the header's default width
    int minimum = 0;  // 0: only the small minimum that every column has
    int maximum = 0;  // 0: no maximum
};

// Widths of one column in pixels for a given font.
struct ColumnWidths {
    int width = 0;
    int minimum = 0;
    int maximum = 0;  // 0: no maximum
};

// Samples of the widest texts the program itself puts into a list.
QString WidestIdentifierSample();
QString WidestDateSample();

// The widths of a column for the fonts of the header (`titleFont`) and of the rows
// (`cellFont`): the given widths grow with the font and never fall below themselves, the width
// is at least what the title (with room for the sort arrow) and the sample need, and no limit
// keeps the column from showing them. `defaultWidth` stands in for a width of 0.
ColumnWidths FitColumn(const ColumnSizing& sizing, const QString& title,
                       const QFontMetrics& titleFont, const QFontMetrics& cellFont,
                       int defaultWidth, int headerMargin, int cellMargin);

// The smallest width any column can be dragged to: a column dragged narrower stays wide enough
// to be found and dragged back.
int SmallestColumnWidth(const QFontMetrics& font);

// Sizes the columns of a list's header by `columns` (one per column, in order) for the list's
// font, keeps every column within its limits while the user drags it, and sizes them again when
// the list's font changes.
class ColumnFitter : public QObject {
    Q_OBJECT

public:
    ColumnFitter(QHeaderView& header, std::vector<ColumnSizing> columns);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit();
    void keepWithinLimits(int column, int width);

    QHeaderView& header_;
    std::vector<ColumnSizing> columns_;
    std::vector<ColumnWidths> widths_;
};

}  // namespace orvanel
