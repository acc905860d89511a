#pragma once

#include <QLibrary>
#include <QString>

/// Resolves `symbol` in the module at `path`, loading it first if needed. The library stays loaded for the rest of
/// the run, since the code of whatever it makes lives in it. Null when the module is missing or lacks the symbol;
/// `error` then says why.
template <typename Function>
Function resolveOnDemand(const QString& path, const char* symbol, QString& error)
{
    QLibrary module(path);
    const auto function = reinterpret_cast<Function>(module.resolve(symbol));
    if (!function)
        error = module.errorString();
    return function;
}
