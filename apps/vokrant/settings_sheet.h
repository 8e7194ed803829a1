// vokrant --settings: the settings sheet on the user's own settings, as the
// desktop program shows it. Only a build with Qt has the sheet.
#pragma once

#include <string>

// Shows the sheet modally. Returns "" or a one-line reason it could not be shown.
std::string OpenSettingsSheet(int argc, char** argv);
