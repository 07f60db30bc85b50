#pragma once

class QSettings;

// The process-wide settings store ("Balewick"/"Balewick"), shared by every store object so that
// they see each other's writes. Created on first use and kept until the process ends.
QSettings& standardSettings();
