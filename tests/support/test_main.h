#pragma once
// main() for tests of the window: the application object must exist before Qt Test runs.
#include "application/application.h"

#include <QTest>

#define LUMORA_TEST_MAIN(TestObject)                                                                         \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        TApplication application(argc, argv);                                                                \
        application.SetTitle(QStringLiteral("Lumora"));                                                      \
        TestObject test;                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
