// The program: the application object, the windows in their order, and the message loop.
#include "configurator/UWindows.h"
#include "toolkit/controls/Forms.h"

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    Application->Initialize();
    Application->SetMainFormOnTaskBar(true);
    Create_Program_Windows();
    Application->Run();
    return 0;
}
