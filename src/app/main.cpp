#include "app/Workbench.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return RunWorkbench(app);
}
