#pragma once

#include <QString>

// In a child process of this program: shows the main window ("window"), an
// empty one ("empty") or one with a single label ("label", the least that any
// window with text pays), prints a line once it is painted, and quits.
int showAndReportFirstPaint(const QString& which);

// Starts this program as such a child and returns the milliseconds from the
// start of the process to its report of the first paint.
double timeToFirstPaint(const QString& program, const QString& which);
