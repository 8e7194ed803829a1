// Pictures of the sheet's pages for the documentation.
#pragma once

#include <QString>

class SParamSheet;

// Shows each page in turn and writes it as DIR/settings-<n>-<name>.png.
// Returns false (after a message on standard error) when a file cannot be
// written.
bool WritePageScreenshots(SParamSheet& sheet, const QString& directory);
