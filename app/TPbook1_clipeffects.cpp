// The paste panel's effect buttons. Each button is wired to its routine;
// the pixel work of imprint, emboss, shadow and mirror comes with the clip
// effects.
#include "app/TPbook1.h"

void TPbook1::SpeedButton6Click() {}  // dark imprint: the picture under the clip darkened by 48
void TPbook1::SpeedButton7Click() {}  // light imprint: lightened by 48
void TPbook1::BitBtn19Click() {}      // emboss: dark imprint, light imprint one pixel up and left
void TPbook1::shadowit() {}           // drop shadow: five growing darkened layers, clip on top
void TPbook1::flpmirbutClick() {}     // mirror the clip left to right
