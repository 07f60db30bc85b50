// Compiled as a file of the log window would be; it must not build, since a window never reaches up
// into the application shell.
#include "app/AppDelegate.h"
