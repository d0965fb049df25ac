#pragma once

class QButtonGroup;

namespace orvanel {

// Tab enters an exclusive group of radio buttons at its checked button and leaves the group with
// the next Tab; the arrow keys move between its buttons. Only the checked button (or the first,
// while none is checked) takes the focus by Tab; the others still take it by a click.
void TabToCheckedButtonOnly(QButtonGroup& group);

}  // namespace orvanel
