#include "host/DesktopAssociation.hpp"
#include "host/OptionsStore.hpp"
#include "model/Application.hpp"
#include "qt/QtEnvironment.hpp"
#include "qt/Screenshots.hpp"
#include "qt/StudioWindow.hpp"
#include "qt/StudioWorkbook.hpp"
#include "qt/Twips.hpp"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// vantor-studio [FILE.xlsx]         the spreadsheet with the dialogs, over the file
// vantor-studio --screenshots DIR  PNGs of the grid and every dialog page, then exit
int main(int argc, char** argv) {
    const char* screenshots = nullptr;
    const char* file = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshots") == 0 && i + 1 < argc) {
            screenshots = argv[++i];
        } else if (argv[i][0] != '-') {
            file = argv[i];
        }
    }
    if (screenshots != nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vantor Studio");

    if (screenshots != nullptr) {
        const int written = vantor::qt::WriteScreenshots(QString::fromLocal8Bit(screenshots));
        if (written < 0) {
            std::fprintf(stderr, "cannot write to %s\n", screenshots);
            return 1;
        }
        std::printf("%d screenshots in %s\n", written, screenshots);
        return 0;
    }

    vantor::qt::QtEnvironment env;
    vantor::EnvironmentScope scope(env);
    const auto app = vantor::model::Application::Create();
    // The options the user chose in earlier runs, before the first workbook
    // takes its sheet count and gridlines from them.
    app->SetFileAssociation(std::make_shared<vantor::host::DesktopAssociation>(
        vantor::host::DesktopAssociation::ForUser()));
    const auto options = std::make_shared<vantor::host::OptionsStore>(vantor::KeyStore::Default());
    options->Load(vantor::ObjectRef(app));
    if (file == nullptr) {
        vantor::qt::OpenStartWorkbook(app);
    } else {
        // An empty workbook stays when the file cannot be opened.
        app->AddWorkbook("Book1");
    }
    vantor::qt::StudioWindow window(app, vantor::qt::ScreenDpi());
    window.UseStoredOptions(options);
    window.show();
    if (file != nullptr) {
        window.OpenFile(QString::fromLocal8Bit(file));
    }
    return QApplication::exec();
}
