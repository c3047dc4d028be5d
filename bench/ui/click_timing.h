#pragma once

// Times tableau clicks on a shown window, with the system switched on, from the
// click event to the end of the repaint that shows the new row. Before each
// click the stake table holds `rows` rows, or at most 1% more: a table that has
// grown past that is cut back to `rows` first, outside the timing. Prints the
// figures and returns the median in milliseconds.
double timeClicks(int rows, int clicks);
