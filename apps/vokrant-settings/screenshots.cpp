#include "screenshots.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "dialogs/param_sheet.h"

namespace {

const char* const kPageFileNames[] = {"general", "dictionary", "conversions", "info"};

}  // namespace

bool WritePageScreenshots(SParamSheet& sheet, const QString& directory) {
    if (!QDir().mkpath(directory)) {
        std::fprintf(stderr, "vokrant-settings: cannot create %s\n", qPrintable(directory));
        return false;
    }
    sheet.show();
    for (int page = 0; page < sheet.PageCount() && page < 4; ++page) {
        sheet.SetActivePage(page);
        QApplication::processEvents();
        const QString file = QDir(directory).filePath(
            QStringLiteral("settings-%1-%2.png").arg(page).arg(kPageFileNames[page]));
        if (!sheet.grab().save(file, "PNG")) {
            std::fprintf(stderr, "vokrant-settings: cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    sheet.hide();
    return true;
}
