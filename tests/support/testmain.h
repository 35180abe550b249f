#pragma once

#include <QApplication>
#include <QLocale>
#include <QTest>

// Runs a test class with a widget application in the C/English locale, independent of the
// machine the tests run on.
#define QUILLET_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty()                            \
                                       ? QByteArray("offscreen")                                   \
                                       : qgetenv("QT_QPA_PLATFORM"));                              \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                     \
        QApplication app(argc, argv);                                                              \
        QApplication::setQuitOnLastWindowClosed(false);                                            \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
