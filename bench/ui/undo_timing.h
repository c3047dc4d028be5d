#pragma once

// Times "&Rückgängig" on a shown window whose stake table holds `rows` rows
// after a click: from triggering the menu entry to the end of the repaint that
// shows the row gone. Prints the figures and returns the median in milliseconds.
double timeUndos(int rows, int undos);
