#include "family/ui/family_picture_accessible.h"

#include "family/ui/family_box_text.h"
#include "family/ui/family_picture.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <unordered_map>

namespace orvanel {

namespace {

// One box of one family shown: it goes invalid once the picture shows another family.
class FamilyBoxAccessible final : public QAccessibleInterface {
public:
    FamilyBoxAccessible(FamilyPicture* picture, int box)
        : picture_(picture), box_(box), shown_(picture->shownCount())
    {
    }

    bool isValid() const override
    {
        return picture_ && picture_->shownCount() == shown_ &&
               box_ < static_cast<int>(picture_->layout().boxes.size());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return picture_ ? picture_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(picture_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return {};
        return FamilyBoxText::accessibleName(person());
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect box = picture_->boxRect(box_);
        return QRect(picture_->mapToGlobal(box.topLeft()), box.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.selectable = true;
        state.focused = picture_->hasFocus() && picture_->focusBox() == box_;
        state.selected = picture_->family().chosen == box_;
        state.disabled = person().deleted || person().missing;
        return state;
    }

    int box() const { return box_; }
    const FamilyPicture* picture() const { return picture_.data(); }

private:
    const FamilyPerson& person() const
    {
        return picture_->family().persons[static_cast<size_t>(box_)];
    }

    QPointer<FamilyPicture> picture_;
    int box_;
    int shown_;
};

class FamilyPictureAccessible final : public QAccessibleWidget {
public:
    explicit FamilyPictureAccessible(FamilyPicture* picture)
        : QAccessibleWidget(picture, QAccessible::List), picture_(picture)
    {
    }
    ~FamilyPictureAccessible() override { forgetBoxes(); }

    int childCount() const override
    {
        return static_cast<int>(picture_->layout().boxes.size());
    }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (shown_ != picture_->shownCount()) {
            forgetBoxes();
            shown_ = picture_->shownCount();
        }
        const auto known = boxes_.find(index);
        if (known != boxes_.end())
            return QAccessible::accessibleInterface(known->second);
        auto* box = new FamilyBoxAccessible(picture_, index);
        boxes_[index] = QAccessible::registerAccessibleInterface(box);
        return box;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* box = dynamic_cast<const FamilyBoxAccessible*>(child);
        return box && box->picture() == picture_ && box->isValid() ? box->box() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const int box = picture_->boxAt(picture_->mapFromGlobal(QPoint(x, y)));
        return box >= 0 ? child(box) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return picture_->hasFocus() ? child(picture_->focusBox()) : nullptr;
    }

private:
    void forgetBoxes() const
    {
        for (const auto& [index, id] : boxes_)
            QAccessible::deleteAccessibleInterface(id);
        boxes_.clear();
    }

    FamilyPicture* picture_;
    mutable std::unordered_map<int, QAccessible::Id> boxes_;
    mutable int shown_ = 0;
};

QAccessibleInterface* FamilyPictureFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(FamilyPicture::staticMetaObject.className()))
        if (auto* picture = qobject_cast<FamilyPicture*>(object))
            return new FamilyPictureAccessible(picture);
    return nullptr;
}

}  // namespace

void InstallFamilyPictureAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(FamilyPictureFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace orvanel
