// Test runner: one QApplication for the whole suite, so painting and
// widget tests can run under the offscreen platform.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Recovery copies and other per-user data of the programs the tests
    // start stay in this run's own folder, never the user's.
    // (A child test started by another shares its parent's.)
    std::optional<QTemporaryDir> dirData;
    if (qEnvironmentVariableIsEmpty("KORVADA_TEST_DATA_HOME")) {
        dirData.emplace();
        qputenv("KORVADA_TEST_DATA_HOME", dirData->path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", dirData->path().toLocal8Bit());
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
