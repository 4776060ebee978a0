#pragma once

#include <QApplication>
#include <QTest>

// Points HOME and XDG_CONFIG_HOME at a temporary folder that lives for the whole test run,
// so that no test reads or changes the user's preferences or files. Call it before the
// application object is made.
void cwUsePrivateHome();

// QTEST_MAIN with a private home folder.
#define CW_TEST_MAIN(TestClass)                 \
    int main(int argc, char* argv[])            \
    {                                           \
        cwUsePrivateHome();                     \
        QApplication app(argc, argv);           \
        TestClass test;                         \
        QTEST_SET_MAIN_SOURCE_PATH              \
        return QTest::qExec(&test, argc, argv); \
    }
