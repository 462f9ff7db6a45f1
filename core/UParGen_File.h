// How every reader takes the configuration's communication settings file "ParGen.xml".
#pragma once

#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/Types.h"

// Loads the file within the limits of its kind (Max_ParGen_File_Bytes, Max_ParGen_Text); false with the
// document's ErrorText when it does not read.
bool LoadParGen(TXMLDocument& xml, const String& path);
// The root every reader takes: the document's first top-level node, whatever it is.
TXMLNode ParGenRoot(const TXMLDocument& xml);

// The text of the element `name` in the settings file at `path`, read as the settings window reads the
// file; false when the file does not exist or read, or lacks the element.
bool Read_ParGen_Element(const String& path, const String& name, String& text);
