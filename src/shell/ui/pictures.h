#pragma once

#include <QIcon>
#include <QPixmap>

namespace orvanel {

// The program's own pictures, drawn by resources/draw_pictures.cpp.
QPixmap FamilyTreePicture();
QPixmap FamilyPicture();
QPixmap AddressCardPicture();
QPixmap QuestionPicture();
QIcon ProgramIcon();

}  // namespace orvanel
