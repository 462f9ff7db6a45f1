// The program's windows: created once at start, in this order, and told of every language change.
#pragma once

// Creates the 34 windows, the main window first: its creation builds the texts and the program code
// that the later windows read in theirs.
void Create_Program_Windows();
// Set_Lang of every window but the main window, the about window and the GSDML file-name window
// (which takes its texts only when it is created), in the order the windows are listed to the user.
void Set_Lang_Of_Other_Windows();
// Frees the windows, the main window last, and forgets them (tests; the application frees them at the end).
void Free_Program_Windows();
