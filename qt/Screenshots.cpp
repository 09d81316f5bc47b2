#include "qt/Screenshots.hpp"

#include "model/Application.hpp"
#include "qt/DialogPageWindow.hpp"
#include "qt/PropertyDialogWindow.hpp"
#include "qt/QtEnvironment.hpp"
#include "qt/SheetGrid.hpp"
#include "qt/StudioWindow.hpp"
#include "qt/StudioWorkbook.hpp"
#include "qt/Twips.hpp"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include <cstdio>

namespace vantor::qt {

namespace {

// "Format Cells - 2 - Alignment" gives "format-cells-2-alignment.png".
QString FileName(const QString& name) {
    QString file;
    for (const QChar c : name.toLower()) {
        file += c.isLetterOrNumber() ? c : QChar('-');
    }
    while (file.contains("--")) {
        file.replace("--", "-");
    }
    return file + ".png";
}

bool Save(QWidget& widget, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    const bool saved = widget.grab().save(dir.filePath(name));
    if (!saved) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(dir.filePath(name)));
    }
    return saved;
}

} // namespace

int WriteScreenshots(const QString& path) {
    QDir dir(path);
    if (!dir.mkpath(".")) {
        return -1;
    }
    QtEnvironment env(true);
    EnvironmentScope scope(env);

    const auto app = model::Application::Create();
    OpenStartWorkbook(app);
    StudioWindow window(app, ScreenDpi());
    window.show();
    int written = 0;
    written += Save(window, dir, "grid.png") ? 1 : 0;

    // The cell pages over a block of several cells, so that inside lines show.
    window.Grid()->Select({1, 1, 3, 2});
    for (const host::CatalogueDialog& dialog : host::DialogCatalogue::Dialogs()) {
        const auto dialogWindow = window.CreateDialog(dialog);
        dialogWindow->show();
        for (int i = 0; i < dialogWindow->Tabs()->count(); ++i) {
            dialogWindow->Tabs()->setCurrentIndex(i);
            const QString name = QString::fromStdString(dialog.name) + "-" +
                                 QString::number(i + 1) + "-" + dialogWindow->Tabs()->tabText(i);
            written += Save(*dialogWindow, dir, FileName(name)) ? 1 : 0;
        }
        for (const std::string& missing : dialogWindow->Missing()) {
            std::printf("%s: %s is not in this build\n", dialog.name.c_str(), missing.c_str());
        }
        dialogWindow->reject();
    }
    for (const std::string& className : host::DialogCatalogue::DialogStylePages()) {
        const auto pageWindow = window.CreateDialogPage(className);
        if (pageWindow == nullptr) {
            std::printf("%s is not in this build\n", className.c_str());
            continue;
        }
        pageWindow->show();
        written += Save(*pageWindow, dir, FileName(pageWindow->windowTitle())) ? 1 : 0;
        pageWindow->reject();
    }
    return written;
}

} // namespace vantor::qt
