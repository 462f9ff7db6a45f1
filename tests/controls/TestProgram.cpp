// The layers the grid and control library's test program links, registered for window designs as the program
// registers them.
#include "TestSupport.h"

#include "controls/ControlsClasses.h"
#include "toolkit/designs/DesignFile.h"

void RegisterTestProgramClasses() {
    RegisterToolkitClasses();
    RegisterControlsClasses();
}
