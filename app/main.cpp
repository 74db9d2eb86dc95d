#include "app/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return kolomaf::runProgram(app);
}
