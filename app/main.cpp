#include <QApplication>

#include "app/program.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return kolomaf::runProgram(app);
}
