#pragma once

#include <QString>

// The freedesktop Trash as GIO implements it: the home Trash, or the Trash of the item's own
// volume (".Trash-$uid"). Never writes outside a Trash folder.
namespace GioTrash {

// True when the item went to the Trash; on any failure it stays exactly where it was.
bool moveToTrash(const QString& path);

} // namespace GioTrash
