// The layers the toolkit's test program links, registered for window designs as the program registers them.
#include "TestSupport.h"

#include "toolkit/designs/DesignFile.h"

void RegisterTestProgramClasses() {
    RegisterToolkitClasses();
}
