#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The widgets need an application; the tests run on the offscreen platform.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The studio keeps recent files and its window's place in the settings
    // store: the tests get one of their own.
    const QTemporaryDir store;
    qputenv("VANTOR_REGISTRY", store.filePath("registry.reg").toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
