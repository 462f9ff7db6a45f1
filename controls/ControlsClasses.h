// One call that lets window designs name the grid and control library's classes and identifiers.
#pragma once

// The library's component classes (the styled button ...) and the identifiers of their enumerations.
// Made once from main() after RegisterToolkitClasses(); harmless when called again.
void RegisterControlsClasses();
