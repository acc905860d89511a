#pragma once

#include <QString>

/// The desktop's trash, from which the user can get a deleted file back.
class Trash
{
public:
    virtual ~Trash() = default;
    /// Moves the file at `path` into the trash. False when there is no trash or the move failed; the file is then
    /// where it was.
    virtual bool moveToTrash(const QString& path) = 0;
};
