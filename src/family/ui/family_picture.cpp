#include "family/ui/family_picture.h"

#include "family/ui/family_picture_accessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace orvanel {

namespace {

constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 4;
constexpr double kZoomStep = 1.25;

}  // namespace

FamilyPicture::FamilyPicture(QWidget* parent) : QWidget(parent)
{
    InstallFamilyPictureAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

FamilyPicture::~FamilyPicture() = default;

void FamilyPicture::showFamily(Family family, int focusBox)
{
    family_ = std::move(family);
    ++shownCount_;
    relayout();
    const int boxes = static_cast<int>(layout_.boxes.size());
    focus_ = focusBox >= 0 && focusBox < boxes ? focusBox : (boxes > 0 ? family_.chosen : -1);
    if (QAccessible::isActive()) {
        QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
    }
    tellFocus();
}

void FamilyPicture::relayout()
{
    layout_ = LayoutFamily(family_, MetricsForFont(font()));
    neighbours_ = WalkNeighbours(layout_);
    const QSizeF size = PictureSize(layout_) * zoom_;
    resize(qCeil(size.width()), qCeil(size.height()));
    update();
}

void FamilyPicture::moveFocusTo(int box)
{
    if (box < 0 || box >= static_cast<int>(layout_.boxes.size()) || box == focus_)
        return;
    focus_ = box;
    update();
    tellFocus();
}

void FamilyPicture::tellFocus()
{
    if (focus_ < 0)
        return;
    emit focusMoved(focus_);
    if (hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(focus_);
        QAccessible::updateAccessibility(&focus);
    }
}

void FamilyPicture::setZoom(double zoom)
{
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    const QSizeF size = PictureSize(layout_) * zoom_;
    resize(qCeil(size.width()), qCeil(size.height()));
    update();
    if (focus_ >= 0)
        emit focusMoved(focus_);
}

void FamilyPicture::zoomIn()
{
    setZoom(zoom_ * kZoomStep);
}

void FamilyPicture::zoomOut()
{
    setZoom(zoom_ / kZoomStep);
}

QRect FamilyPicture::boxRect(int box) const
{
    if (box < 0 || box >= static_cast<int>(layout_.boxes.size()))
        return {};
    const FamilyBox& b = layout_.boxes[static_cast<size_t>(box)];
    return QRectF((b.x + kFamilyMargin) * zoom_, (b.y + kFamilyMargin) * zoom_, b.width * zoom_,
                  b.height * zoom_)
        .toAlignedRect();
}

int FamilyPicture::boxAt(const QPointF& point) const
{
    const double x = point.x() / zoom_ - kFamilyMargin;
    const double y = point.y() / zoom_ - kFamilyMargin;
    // The rows are few and hold their boxes left to right: find the row, then the box.
    for (const std::vector<int>& row : layout_.rows) {
        if (row.empty())
            continue;
        const FamilyBox& first = layout_.boxes[static_cast<size_t>(row.front())];
        if (y < first.y || y >= first.y + first.height)
            continue;
        const auto at = std::upper_bound(row.begin(), row.end(), x, [this](double px, int box) {
            return px < layout_.boxes[static_cast<size_t>(box)].x;
        });
        if (at == row.begin())
            return -1;
        const FamilyBox& box = layout_.boxes[static_cast<size_t>(*std::prev(at))];
        return x < box.x + box.width ? *std::prev(at) : -1;
    }
    return -1;
}

FamilyDrawing FamilyPicture::drawing(const FamilyColours& colours, bool withFocus) const
{
    return {family_, layout_, colours, font(), withFocus && hasFocus() ? focus_ : -1};
}

QSize FamilyPicture::sizeHint() const
{
    return size();
}

bool FamilyPicture::event(QEvent* event)
{
    // The boxes grow and shrink with the user's font.
    if (event->type() == QEvent::FontChange && !layout_.boxes.empty())
        relayout();
    // The focus frame shows only while the picture has the keyboard.
    if (event->type() == QEvent::FocusOut)
        update();
    return QWidget::event(event);
}

void FamilyPicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.scale(zoom_, zoom_);
    const QRectF exposed(event->rect().x() / zoom_, event->rect().y() / zoom_,
                         event->rect().width() / zoom_, event->rect().height() / zoom_);
    PaintFamily(painter, drawing(ThemeColours(palette()), true), exposed);
}

void FamilyPicture::keyPressEvent(QKeyEvent* event)
{
    if (focus_ < 0 || (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
        QWidget::keyPressEvent(event);
        return;
    }
    const FamilyNeighbours& around = neighbours_[static_cast<size_t>(focus_)];
    switch (event->key()) {
    case Qt::Key_Up:
        moveFocusTo(around.up);
        break;
    case Qt::Key_Down:
        moveFocusTo(around.down);
        break;
    case Qt::Key_Left:
        moveFocusTo(around.left);
        break;
    case Qt::Key_Right:
        moveFocusTo(around.right);
        break;
    case Qt::Key_Home:
        moveFocusTo(family_.chosen);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit centreRequested(focus_);
        break;
    case Qt::Key_F2:
        emit openRequested(focus_);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void FamilyPicture::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const int box = boxAt(event->position());
    if (event->button() != Qt::LeftButton || box < 0) {
        clickedId_.clear();
        QWidget::mousePressEvent(event);
        return;
    }
    clickedId_ = family_.persons[static_cast<size_t>(box)].id;
    moveFocusTo(box);
    emit centreRequested(box);
}

void FamilyPicture::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The first click centred the picture on the person clicked: they now stand chosen.
    const FamilyPerson& chosen = family_.persons.empty()
                                     ? FamilyPerson{}
                                     : family_.persons[static_cast<size_t>(family_.chosen)];
    if (!clickedId_.isEmpty() && chosen.id == clickedId_)
        emit openRequested(family_.chosen);
    else if (const int box = boxAt(event->position()); box >= 0)
        emit openRequested(box);
}

void FamilyPicture::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        // The scroll area scrolls.
        event->ignore();
        return;
    }
    if (event->angleDelta().y() > 0)
        zoomIn();
    else if (event->angleDelta().y() < 0)
        zoomOut();
    event->accept();
}

void FamilyPicture::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
    tellFocus();
}

}  // namespace orvanel
