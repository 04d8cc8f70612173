// A program that starts Qt and ends at once: what loading Qt costs any program before it does
// anything. Built linked with Qt Core alone, and with Qt Gui as well (WED_WITH_GUI), as the
// editor's core is.
#include <QCoreApplication>
#ifdef WED_WITH_GUI
#include <QImage>
#endif

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
#ifdef WED_WITH_GUI
    // One use of Qt Gui, so that the linker keeps the library.
    return QImage().isNull() ? 0 : 1;
#else
    return 0;
#endif
}
