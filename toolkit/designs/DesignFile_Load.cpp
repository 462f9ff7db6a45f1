// Building components from a design: the class registry and the loader.
#include "toolkit/controls/Forms.h"
#include "toolkit/designs/DesignFile.h"

#include <QHash>

namespace {

QHash<QString, TComponentFactory>& Registry() {
    static QHash<QString, TComponentFactory> registry;
    return registry;
}

class DesignLoader {
public:
    DesignLoader(TComponent* root, const String& source) : FRoot(root), FSource(source) {}

    void Load(const TDesignObject& design) {
        FRoot->SetLoading(true);
        if (FRoot->Name().isEmpty()) FRoot->SetName(design.Name);
        if (auto* w = dynamic_cast<TWinControl*>(FRoot)) {
            w->DisableAlign();
            FAligned.push_back(w);
        }
        FLoaded.push_back(FRoot);
        ApplyProperties(FRoot, design);
        CreateChildren(FRoot, design);
        // Children realign before their parents, which then size them for good, as stored forms do.
        for (auto it = FAligned.rbegin(); it != FAligned.rend(); ++it)
            (*it)->EnableAlign();
        for (TComponent* c : FLoaded)
            c->Loaded();
    }

private:
    [[noreturn]] void Fail(int line, const String& message) const {
        throw EDesignError(QString("%1:%2: %3").arg(FSource).arg(line).arg(message));
    }

    void ApplyProperties(TComponent* c, const TDesignObject& o) {
        for (const TDesignProperty& p : o.Properties) {
            bool known = false;
            try {
                known = c->ReadProperty(p.Name, p.Value);
            } catch (const EDesignError&) {
                throw;
            } catch (const Exception& e) {
                Fail(p.Line, QString("%1.%2: %3").arg(o.Name, p.Name, e.Message()));
            }
            if (!known) Fail(p.Line, QString("%1 (%2) has no property %3").arg(o.Name, o.ClassName, p.Name));
        }
    }

    void CreateChildren(TComponent* enclosing, const TDesignObject& o) {
        for (const TDesignObject& child : o.Children) {
            auto it = Registry().constFind(child.ClassName.toLower());
            if (it == Registry().constEnd())
                Fail(child.Line, QString("unknown class %1 of %2").arg(child.ClassName, child.Name));
            if (child.Name.isEmpty() || FRoot->FindComponent(child.Name))
                Fail(child.Line, QString("component name %1 is empty or used twice").arg(child.Name));
            TComponent* c = it.value()(FRoot);
            c->SetLoading(true);
            c->SetName(child.Name);
            FLoaded.push_back(c);
            if (auto* control = dynamic_cast<TControl*>(c)) {
                auto* parent = dynamic_cast<TWinControl*>(enclosing);
                if (!parent)
                    Fail(child.Line, QString("control %1 is not inside a windowed control").arg(child.Name));
                control->SetParent(parent);
            } else if (enclosing != FRoot) {
                try {
                    c->SetParentComponent(enclosing);
                } catch (const Exception& e) {
                    Fail(child.Line, QString("%1: %2").arg(child.Name, e.Message()));
                }
            }
            if (auto* w = dynamic_cast<TWinControl*>(c)) {
                w->DisableAlign();
                FAligned.push_back(w);
            }
            ApplyProperties(c, child);
            CreateChildren(c, child);
        }
    }

    TComponent* FRoot;
    String FSource;
    std::vector<TComponent*> FLoaded;
    std::vector<TWinControl*> FAligned;
};

} // namespace

void RegisterComponentClass(const String& className, TComponentFactory factory) {
    Registry().insert(className.toLower(), std::move(factory));
}

bool IsComponentClassRegistered(const String& className) {
    return Registry().contains(className.toLower());
}

void LoadDesign(TComponent* root, const TDesignObject& design, const String& source) {
    DesignLoader(root, source).Load(design);
}

void LoadDesign(TComponent* root, const String& resourceOrPath) {
    LoadDesign(root, ReadDesignFile(resourceOrPath), resourceOrPath);
}
