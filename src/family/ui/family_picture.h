#pragma once

#include "family/family_layout.h"
#include "family/family_tree.h"
#include "family/family_walk.h"
#include "family/ui/family_painting.h"

#include <QString>
#include <QWidget>
#include <vector>

namespace orvanel {

// The drawing of a family, one box a place, walked with the keyboard: the arrow keys move the
// keyboard's box to a parent (up), a child (down) or along the generation, Home back to the
// chosen person; Enter asks to centre on the box, F2 to open its person; a click asks to
// centre, a double click to open. Ctrl+wheel zooms; the scroll area around it scrolls. Screen
// readers see every box as an item of the picture (family_picture_accessible.h), and the
// focus moves among them as the keyboard's box does.
class FamilyPicture : public QWidget {
    Q_OBJECT

public:
    explicit FamilyPicture(QWidget* parent = nullptr);
    ~FamilyPicture() override;

    // Shows `family`, laid out for the widget's font, with the keyboard's box on `focusBox`, or
    // on the chosen person when that is not one of its boxes.
    void showFamily(Family family, int focusBox = -1);
    const Family& family() const { return family_; }
    const FamilyLayout& layout() const { return layout_; }
    // Counts the families shown, so that what was said of the boxes of an earlier one is known
    // to be out of date.
    int shownCount() const { return shownCount_; }

    int focusBox() const { return focus_; }
    void moveFocusTo(int box);

    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();

    // Where a box stands in the widget, and which box stands at a point (-1 for none).
    QRect boxRect(int box) const;
    int boxAt(const QPointF& point) const;

    // What the picture is drawn from, in the given colours and with the keyboard's box framed or
    // not: the family and layout stay this widget's.
    FamilyDrawing drawing(const FamilyColours& colours, bool withFocus) const;

    QSize sizeHint() const override;

signals:
    void centreRequested(int box);
    void openRequested(int box);
    // The keyboard's box moved: the scroll area brings it into view.
    void focusMoved(int box);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void relayout();
    void tellFocus();

    Family family_;
    FamilyLayout layout_;
    std::vector<FamilyNeighbours> neighbours_;
    int focus_ = -1;
    int shownCount_ = 0;
    double zoom_ = 1;
    // The person of the last click, which re-centred the picture: a double click opens them,
    // wherever the picture has put them since.
    QString clickedId_;
};

}  // namespace orvanel
