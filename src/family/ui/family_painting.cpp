#include "family/ui/family_painting.h"

#include "family/ui/family_box_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

namespace orvanel {

namespace {

constexpr double kPadding = 6;
constexpr double kCorner = 10;

// The outline tells the sex apart without colour: a man's box has square corners, a woman's
// rounded ones, and one of unknown sex cut ones.
QPainterPath Outline(const QRectF& box, FamilySex sex)
{
    QPainterPath path;
    switch (sex) {
    case FamilySex::Male:
        path.addRect(box);
        break;
    case FamilySex::Female:
        path.addRoundedRect(box, kCorner, kCorner);
        break;
    case FamilySex::Unknown: {
        const double c = std::min({kCorner, box.width() / 3, box.height() / 3});
        path.addPolygon(QPolygonF{{box.left() + c, box.top()},
                                  {box.right() - c, box.top()},
                                  {box.right(), box.top() + c},
                                  {box.right(), box.bottom() - c},
                                  {box.right() - c, box.bottom()},
                                  {box.left() + c, box.bottom()},
                                  {box.left(), box.bottom() - c},
                                  {box.left(), box.top() + c},
                                  {box.left() + c, box.top()}});
        break;
    }
    }
    return path;
}

QRectF BoxRect(const FamilyBox& box)
{
    return {box.x + kFamilyMargin, box.y + kFamilyMargin, box.width, box.height};
}

void PaintLines(QPainter& painter, const FamilyDrawing& drawing, const QRectF& exposed)
{
    painter.setPen(QPen(drawing.colours.line, 1.5));
    painter.setBrush(Qt::NoBrush);
    for (const FamilyLine& line : drawing.layout.lines) {
        QPolygonF points;
        for (const FamilyPoint& point : line.points)
            points << QPointF(point.x + kFamilyMargin, point.y + kFamilyMargin);
        if (points.boundingRect().adjusted(-2, -2, 2, 2).intersects(exposed))
            painter.drawPolyline(points);
    }
}

void PaintBox(QPainter& painter, const FamilyDrawing& drawing, int index)
{
    const FamilyBox& box = drawing.layout.boxes[static_cast<size_t>(index)];
    const FamilyPerson& person = drawing.family.persons[static_cast<size_t>(box.person)];
    const QRectF rect = BoxRect(box);
    const FamilyColours& colours = drawing.colours;
    const bool chosen = box.person == drawing.family.chosen;
    const bool greyed = person.deleted || person.missing;

    QPen frame(greyed ? colours.mutedText : colours.text, chosen ? 3 : 1.2);
    if (greyed)
        frame.setStyle(Qt::DashLine);
    if (chosen)
        frame.setColor(colours.accent);
    painter.setPen(frame);
    painter.setBrush(colours.boxFill);
    painter.drawPath(Outline(rect, person.sex));

    if (index == drawing.focusBox) {
        QPen focus(colours.accent, 1.5, Qt::DotLine);
        painter.setPen(focus);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(-4, -4, 4, 4));
    }

    const FamilyBoxLines lines = FamilyBoxText::linesOf(person);
    const QColor ink = greyed ? colours.mutedText : colours.text;
    QFont bold = drawing.font;
    bold.setBold(true);
    const QFontMetricsF plainMetrics(drawing.font);
    const QFontMetricsF boldMetrics(bold);
    const double lineHeight = std::max(plainMetrics.height(), boldMetrics.height());
    const QRectF inner = rect.adjusted(kPadding, kPadding / 2, -kPadding, -kPadding / 2);

    painter.setPen(ink);
    painter.setFont(drawing.font);
    const double labelWidth = plainMetrics.horizontalAdvance(lines.sexLabel);
    painter.drawText(QRectF(inner.right() - labelWidth, inner.top(), labelWidth, lineHeight),
                     Qt::AlignRight | Qt::AlignVCenter, lines.sexLabel);

    painter.setFont(bold);
    const double nameWidth = inner.width() - labelWidth - kPadding;
    painter.drawText(QRectF(inner.left(), inner.top(), nameWidth, lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     boldMetrics.elidedText(lines.name, Qt::ElideRight, nameWidth));
    painter.setFont(drawing.font);
    double top = inner.top() + lineHeight;
    for (const QString& text : {lines.born, lines.id, lines.marks}) {
        painter.drawText(QRectF(inner.left(), top, inner.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         plainMetrics.elidedText(text, Qt::ElideRight, inner.width()));
        top += lineHeight;
    }
}

}  // namespace

FamilyMetrics MetricsForFont(const QFont& font)
{
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(font);
    const double lineHeight = std::max(metrics.height(), QFontMetricsF(bold).height());
    FamilyMetrics sizes;
    sizes.boxWidth = std::max(160.0, metrics.averageCharWidth() * 22 + 2 * kPadding);
    sizes.boxHeight = 4 * lineHeight + kPadding;
    sizes.columnGap = std::max(16.0, lineHeight);
    sizes.rowGap = std::max(48.0, 3 * lineHeight);
    return sizes;
}

QSizeF PictureSize(const FamilyLayout& layout)
{
    return {layout.width + 2 * kFamilyMargin, layout.height + 2 * kFamilyMargin};
}

void PaintFamily(QPainter& painter, const FamilyDrawing& drawing, const QRectF& exposed)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(exposed, drawing.colours.background);
    PaintLines(painter, drawing, exposed);
    for (size_t i = 0; i < drawing.layout.boxes.size(); ++i) {
        // A focus frame reaches a little beyond its box.
        if (BoxRect(drawing.layout.boxes[i]).adjusted(-6, -6, 6, 6).intersects(exposed))
            PaintBox(painter, drawing, static_cast<int>(i));
    }
    painter.restore();
}

}  // namespace orvanel
