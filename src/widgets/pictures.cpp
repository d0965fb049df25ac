#include "widgets/pictures.h"

#include <QString>

// The pictures are compiled into a static library, whose resource table the linker would drop
// unless something refers to it; the macro cannot stand inside a namespace.
static void LoadPictureResources()
{
    Q_INIT_RESOURCE(orvanel);
}

namespace orvanel {

namespace {

QPixmap Picture(const char* file)
{
    static const bool loaded = (LoadPictureResources(), true);
    Q_UNUSED(loaded);
    return QPixmap(QStringLiteral(":/orvanel/") + QLatin1String(file));
}

}  // namespace

QPixmap FamilyTreePicture() { return Picture("family_tree.png"); }
QPixmap FamilyPicture() { return Picture("family.png"); }
QPixmap AddressCardPicture() { return Picture("address_card.png"); }
QPixmap QuestionPicture() { return Picture("question.png"); }
QIcon ProgramIcon()
{
    Picture("orvanel.svg");  // loads the resources
    const QIcon drawing(QStringLiteral(":/orvanel/orvanel.svg"));
    // Drawn here, once per window, at the sizes window decorations and task bars use, rather than
    // while the window is being shown, which it would delay.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128})
        icon.addPixmap(drawing.pixmap(size));
    // Without the toolkit's SVG support the drawn picture of the same icon stands in.
    if (icon.pixmap(32).isNull())
        return QIcon(Picture("orvanel.png"));
    return icon;
}

}  // namespace orvanel
