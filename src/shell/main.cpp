#include <QApplication>
#include <QMainWindow>

#include "VornCore.h"
#include "board/Rand.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vorn::ResetProgramState();
    vorn::Randomize();
    QMainWindow w;
    w.setWindowTitle("VORN");
    w.resize(640, 640);
    w.show();
    return app.exec();
}
