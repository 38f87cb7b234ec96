// Routines of the secant root finder (rootstep.cpp), declared for main and
// for the unit tests. Every value is single precision.
#ifndef NUMEX_ROOTSTEP_H
#define NUMEX_ROOTSTEP_H

// f(x) = x^3 - 3x - 1, evaluated as ((x*x)*x - 3*x) - 1.
float func(float x);

// The secant correction ((x[0] - x[1]) * f(x[0])) / (f(x[0]) - f(x[1])).
float ffd(const float x[2]);

#endif
