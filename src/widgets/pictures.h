#pragma once

#include <QIcon>
#include <QPixmap>

namespace orvanel {

// The program's own pictures, drawn by resources/draw_pictures.cpp.
QPixmap FamilyTreePicture();
QPixmap FamilyPicture();
QPixmap AddressCardPicture();
QPixmap QuestionPicture();
// The desktop entry's icon.
QIcon ProgramIcon();

}  // namespace orvanel
