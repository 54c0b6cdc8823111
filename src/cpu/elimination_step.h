#pragma once
// One step of the elimination on one element, shared by every kernel so
// that all of them do exactly the same operations. Internal linkage: the
// vector builds include this too, and no build may lend its code to another.

namespace {

// factor = value / pivot, rounded to T, as the double the updates use.
template <class T>
inline double EliminationFactor(T value, T pivot) {
    return static_cast<double>(static_cast<T>(static_cast<double>(value) / static_cast<double>(pivot)));
}

// pivotValue x factor with the pivot as the first operand. Where both are
// NaN the result is the pivot's NaN, as the processor gives for the first
// operand; the compiler may put either operand first in a plain product,
// so the kernels take this form whenever a factor is NaN.
inline double PivotFirstProduct(double pivotValue, double factor) {
    return pivotValue != pivotValue ? pivotValue + pivotValue : pivotValue * factor;
}

// value - pivotValue x factor in double, rounded to T once.
template <class T>
inline T UpdatedElement(T value, T pivotValue, double factor) {
    return static_cast<T>(static_cast<double>(value) - static_cast<double>(pivotValue) * factor);
}

template <class T>
inline T UpdatedElementPivotFirst(T value, T pivotValue, double factor) {
    return static_cast<T>(static_cast<double>(value) - PivotFirstProduct(static_cast<double>(pivotValue), factor));
}

// Columns [from, to) of `row` updated with pivot row `pivotRow` and factor f.
// A NaN factor meets NaN pivot values only in the pivot-first form.
template <class T>
inline void UpdateRowSpan(T* row, const T* pivotRow, double f, int from, int to) {
    if (f != f) {
        for (int c = from; c < to; ++c) row[c] = UpdatedElementPivotFirst(row[c], pivotRow[c], f);
    } else {
        for (int c = from; c < to; ++c) row[c] = UpdatedElement(row[c], pivotRow[c], f);
    }
}

}  // namespace
