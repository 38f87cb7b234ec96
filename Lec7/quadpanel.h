// Routines of the composite Gauss quadrature (quadpanel.cpp), declared for
// main and for the unit tests.
#ifndef NUMEX_QUADPANEL_H
#define NUMEX_QUADPANEL_H

// Centre of panel k, (a + ((b - a) * k) / m) + 1.0 / m in that order.
double panel_centre(double a, double b, double m, int k);

// A new zero-initialised array of m values 4/((x[k]+trans)^2 + 1), owned by
// the caller; no array (nullptr) when m <= 0, and nullptr also when the
// allocation fails for m > 0.
double* Infunc(const double* x, int m, double trans);

// a[0] + a[1] + ... + a[m-1], added one at a time from 0.0; 0.0 when m <= 0.
double sum(const double* a, int m);

#endif
