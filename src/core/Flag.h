#pragma once

#include <QVariant>

/// A stored on/off value counts as set only when it equals 1 exactly.
inline bool isFlagSet(double value)
{
    return value == 1.0;
}

/// An empty value (a field or file that was never read) compares equal to 0.
inline double variantNumber(const QVariant& value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number : 0.0;
}
