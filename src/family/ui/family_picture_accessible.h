#pragma once

namespace orvanel {

// Makes screen readers see a FamilyPicture as a list of its boxes, each named as
// FamilyBoxText::accessibleName says, the keyboard's box focused and the chosen person's
// selected. Installed once, by the first picture made.
void InstallFamilyPictureAccessibility();

}  // namespace orvanel
