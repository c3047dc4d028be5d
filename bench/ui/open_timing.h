#pragma once

// Times "Datei → Öffnen…" of a saved evening of `events` events (spins of a
// fair wheel, with switches and undos, no Reset: a table as long as it gets) on a fresh shown
// window, from the file's name to the end of the repaint that shows its table;
// and, apart, reading and playing the file alone. Prints the figures and
// returns the median in milliseconds.
double timeOpening(int events, int runs);
