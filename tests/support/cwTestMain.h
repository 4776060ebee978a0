#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

// A main() for suites that run real widgets: the preferences and home folders point at a
// fresh temporary folder before the application object exists, so no suite sees the user's
// settings or another suite's.
#define CW_TEST_MAIN(TestClass)                                             \
    int main(int argc, char* argv[])                                        \
    {                                                                       \
        QTemporaryDir home;                                                 \
        qputenv("HOME", home.path().toUtf8());                              \
        qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());     \
        qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());         \
        QApplication app(argc, argv);                                       \
        QApplication::setApplicationName("Coinwick");                       \
        TestClass test;                                                     \
        return QTest::qExec(&test, argc, argv);                             \
    }
