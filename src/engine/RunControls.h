#pragma once
// Settings of the string runs that the toolbar and the hidden panel keep in
// global copies: steps per press and the drawn cell size.
#include <cstdint>

extern int32_t stepsPerRun;   // steps of one "n steps" press; 6 until start-up sets 1
extern int32_t cellWidth;     // pixels of one drawn cell
extern int32_t cellHeight;
extern int32_t requestedCPointCount;   // C cells of a random start ("Edit6")
extern int32_t requestedBPointCount;   // B cells of a random start ("NB=")
extern int32_t cPointPen;     // pen value of C points ("Edit3")
