// Routines of the complex-eigenpair solver (eigpair.cpp), declared for the
// driver and for the unit tests. Vectors are arrays of n doubles; a matrix is
// an array of n row pointers; an iterate window is three Vector pointers z
// (oldest first) with their three scales m.
#ifndef NUMEX_EIGPAIR_H
#define NUMEX_EIGPAIR_H

// zk = Mat * z, row by row, each row summed from 0.0 in column order.
// zk must be a different array from z.
void Mat_multi(const double* const* Mat, const double* z, int n, double* zk);

// The largest |z[i]|, or 0.0 when no component exceeds 0.0 (NaNs are passed over).
double fmaxabs(const double* z, int n);

// z[i] = z[i] / m for every i: one true division per component.
void Division(double* z, double m, int n);

// Inner product, summed from +0.0 in index order.
double dot(const double* z, const double* w, int n);

// Least-squares coefficients p and q of Mat^2 x + p Mat x + q x = 0 over the
// window z[0], z[1], z[2] with scales m[1], m[2] (m[0] is never read).
double pqk1(const double* const* z, const double* m, int n);
double pqk2(const double* const* z, const double* m, int n);

#endif
