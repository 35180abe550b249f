#pragma once

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

// Runs a test class under an application of the given kind in the C/English locale,
// independent of the machine the tests run on.
#define QUILLET_TEST_MAIN_WITH(Application, TestClass)                                             \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty()                            \
                                       ? QByteArray("offscreen")                                   \
                                       : qgetenv("QT_QPA_PLATFORM"));                              \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                     \
        /* The running program's link socket lives there: never the user's, never shared. */       \
        const QTemporaryDir runtimeFolder;                                                         \
        qputenv("XDG_RUNTIME_DIR", runtimeFolder.path().toLocal8Bit());                            \
        Application app(argc, argv);                                                               \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// Logic alone: no window system at all.
#define QUILLET_CORE_TEST_MAIN(TestClass) QUILLET_TEST_MAIN_WITH(QCoreApplication, TestClass)

#ifdef QT_GUI_LIB
#include <QGuiApplication>
// Documents and pictures, without widgets.
#define QUILLET_GUI_TEST_MAIN(TestClass) QUILLET_TEST_MAIN_WITH(QGuiApplication, TestClass)
#endif

#ifdef QT_WIDGETS_LIB
#include <QApplication>
// Windows: the program ends when its own windows say so, as in the real program.
#define QUILLET_TEST_MAIN(TestClass)                                                               \
    struct TestClass##Application : QApplication {                                                 \
        TestClass##Application(int& argc, char** argv) : QApplication(argc, argv)                  \
        {                                                                                          \
            setQuitOnLastWindowClosed(false);                                                      \
        }                                                                                          \
    };                                                                                             \
    QUILLET_TEST_MAIN_WITH(TestClass##Application, TestClass)
#endif
