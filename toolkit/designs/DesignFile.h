// Window designs: the text format, its parser, the registry of component classes and the loader that
// builds a window's components from a design. The format is in docs/architecture.md ("Window designs").
#pragma once

#include "toolkit/system/Classes.h"
#include "toolkit/system/DesignValue.h"

#include <functional>
#include <vector>

// A design that does not read or does not fit the classes it names; the message gives file and line.
class EDesignError : public Exception {
public:
    using Exception::Exception;
};

struct TDesignProperty {
    String Name; // dotted names ("Font.Name") stay whole
    TDesignValue Value;
    int Line = 0;
};

// One `object Name: TClass ... end` block with its properties and the objects nested in it.
struct TDesignObject {
    String Name;
    String ClassName;
    int Line = 0;
    std::vector<TDesignProperty> Properties;
    std::vector<TDesignObject> Children;
};

// Parses the text of a design; `source` names it in error messages.
TDesignObject ParseDesign(const String& text, const String& source);
// Reads and parses a design from a ":/" resource or a file path.
TDesignObject ReadDesignFile(const String& resourceOrPath);
// Where the design of a window is compiled in: ":/forms/<unit>.form".
String FormDesignPath(const String& unitName);

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
// Lets designs create components of `className` (names compare without regard to case); registering a
// name again replaces its factory. Each layer registers its classes and identifiers in one call
// (RegisterToolkitClasses(), RegisterControlsClasses() ...) made once by the program's and each test
// program's main(); windows and controls never register on their own.
void RegisterComponentClass(const String& className, TComponentFactory factory);
bool IsComponentClassRegistered(const String& className);

// The toolkit's component classes (label, edit, panel, timer, XML document ...) and the identifiers of its
// enumerations and colours. Harmless when called again.
void RegisterToolkitClasses();

// Builds `root`'s components from a design. The root object's properties go to `root` itself; every nested
// object becomes a component of its class owned by `root`, named as in the design, placed on the control
// it is nested in (controls) and given its properties in order. All are loading meanwhile and get Loaded()
// at the end. An unknown class or property raises EDesignError with the file, the line and the name.
void LoadDesign(TComponent* root, const String& resourceOrPath);
void LoadDesign(TComponent* root, const TDesignObject& design, const String& source);

// The component of `root` called `name`, which must be a T.
template <class T> T* Bind(TComponent* root, const char* name) {
    TComponent* c = root->FindComponent(QString::fromUtf8(name));
    if (!c) throw EDesignError(QString("The design of %1 has no component %2").arg(root->Name(), name));
    T* t = dynamic_cast<T*>(c);
    if (!t)
        throw EDesignError(QString("Component %1 of %2 is a %3, not the kind the window expects")
                               .arg(name, root->Name(), c->ClassName()));
    return t;
}

template <class T> void Bind(TComponent* root, const char* name, T*& field) {
    field = Bind<T>(root, name);
}
