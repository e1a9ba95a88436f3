#include "BenchReady.h"

#include <QApplication>
#include <QLabel>

// The baseline: what Qt itself needs to show one label.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Astravida"));
    label.show();
    BenchReady::reportWhenIdle(qgetenv("ASTRAVIDA_BENCH"));
    return QApplication::exec();
}
