// Compiled as a file of the engine would be; it must not build, since the engine lies below the
// preferences and does not link them.
#include "persistence/AppPreferences.h"
