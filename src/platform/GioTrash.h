#pragma once

#include <QByteArray>

// The freedesktop Trash as GIO implements it: the home Trash, or the Trash of the item's own
// volume (".Trash-$uid"). Never writes outside a Trash folder.
namespace GioTrash {

// True when the item at these exact bytes went to the Trash; on any failure it stays exactly where
// it was.
bool moveToTrash(const QByteArray& path);

} // namespace GioTrash
