#pragma once

#include <QFile>

#include "platform/Trash.h"

/// The freedesktop.org trash of the user's data home, as Qt finds it.
class TrashQt final : public Trash
{
public:
    bool moveToTrash(const QString& path) override { return QFile::moveToTrash(path); }
};
