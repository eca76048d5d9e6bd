#pragma once

#include <QString>

// Moving files to the user's recycle bin (the freedesktop trash on Linux).
// No confirmation and no message: a file that cannot be moved stays where it
// is and the caller only learns it from the answer.
namespace RecycleBin {

bool moveToTrash(const QString &fileName);

} // namespace RecycleBin
