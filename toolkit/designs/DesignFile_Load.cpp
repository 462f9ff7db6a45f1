// Building components from a design: the class registry and the loader.
#include "toolkit/stdctrls/CategoryPanels.h"
#include "toolkit/stdctrls/ComCtrls.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/controls/Timer.h"

#include <QHash>

namespace {

void RegisterToolkitIdents() {
    RegisterDesignIdents({
        {"taLeftJustify", taLeftJustify},
        {"taRightJustify", taRightJustify},
        {"taCenter", taCenter},
        {"tlTop", tlTop},
        {"tlCenter", tlCenter},
        {"tlBottom", tlBottom},
        {"taAlignTop", taAlignTop},
        {"taAlignBottom", taAlignBottom},
        {"taVerticalCenter", taVerticalCenter},
        {"ecNormal", ecNormal},
        {"ecUpperCase", ecUpperCase},
        {"ecLowerCase", ecLowerCase},
        {"ssNone", ssNone},
        {"ssHorizontal", ssHorizontal},
        {"ssVertical", ssVertical},
        {"ssBoth", ssBoth},
        {"cbUnchecked", cbUnchecked},
        {"cbChecked", cbChecked},
        {"cbGrayed", cbGrayed},
        {"csDropDown", csDropDown},
        {"csSimple", csSimple},
        {"csDropDownList", csDropDownList},
        {"csOwnerDrawFixed", csOwnerDrawFixed},
        {"csOwnerDrawVariable", csOwnerDrawVariable},
        {"sbHorizontal", sbHorizontal},
        {"sbVertical", sbVertical},
        {"bvNone", bvNone},
        {"bvLowered", bvLowered},
        {"bvRaised", bvRaised},
        {"bvSpace", bvSpace},
        {"bsBox", bsBox},
        {"bsFrame", bsFrame},
        {"bsTopLine", bsTopLine},
        {"bsBottomLine", bsBottomLine},
        {"bsLeftLine", bsLeftLine},
        {"bsRightLine", bsRightLine},
        {"bsSpacer", bsSpacer},
        {"bsLowered", bsLowered},
        {"bsRaised", bsRaised},
        {"stRectangle", stRectangle},
        {"stSquare", stSquare},
        {"stRoundRect", stRoundRect},
        {"stRoundSquare", stRoundSquare},
        {"stEllipse", stEllipse},
        {"stCircle", stCircle},
        {"psSolid", psSolid},
        {"psDash", psDash},
        {"psDot", psDot},
        {"psDashDot", psDashDot},
        {"psDashDotDot", psDashDotDot},
        {"psClear", psClear},
        {"psInsideFrame", psInsideFrame},
        {"bsSolid", bsSolid},
        {"bsClear", bsClear},
        {"bsHorizontal", bsHorizontal},
        {"bsVertical", bsVertical},
        {"bsFDiagonal", bsFDiagonal},
        {"bsBDiagonal", bsBDiagonal},
        {"bsCross", bsCross},
        {"bsDiagCross", bsDiagCross},
        {"mrNone", mrNone},
        {"mrOk", mrOk},
        {"mrCancel", mrCancel},
        {"mrAbort", mrAbort},
        {"mrRetry", mrRetry},
        {"mrIgnore", mrIgnore},
        {"mrYes", mrYes},
        {"mrNo", mrNo},
        {"mrClose", mrClose},
        {"mrAll", mrAll},
        {"ofReadOnly", ofReadOnly},
        {"ofOverwritePrompt", ofOverwritePrompt},
        {"ofHideReadOnly", ofHideReadOnly},
        {"ofAllowMultiSelect", ofAllowMultiSelect},
        {"ofPathMustExist", ofPathMustExist},
        {"ofFileMustExist", ofFileMustExist},
        {"ofEnableSizing", ofEnableSizing},
        {"wsNormal", wsNormal},
        {"wsMinimized", wsMinimized},
        {"wsMaximized", wsMaximized},
    });
}

template <class T> TComponentFactory Maker() {
    return [](TComponent* owner) -> TComponent* { return new T(owner); };
}

QHash<QString, TComponentFactory>& Registry() {
    static QHash<QString, TComponentFactory> registry = [] {
        RegisterToolkitIdents();
        QHash<QString, TComponentFactory> r;
        auto add = [&r](const char* name, TComponentFactory f) {
            r.insert(QString::fromLatin1(name).toLower(), f);
        };
        add("TLabel", Maker<TLabel>());
        add("TLinkLabel", Maker<TLinkLabel>());
        add("TEdit", Maker<TEdit>());
        add("TMemo", Maker<TMemo>());
        add("TComboBox", Maker<TComboBox>());
        add("TListBox", Maker<TListBox>());
        add("TButton", Maker<TButton>());
        add("TCheckBox", Maker<TCheckBox>());
        add("TRadioButton", Maker<TRadioButton>());
        add("TGroupBox", Maker<TGroupBox>());
        add("TScrollBar", Maker<TScrollBar>());
        add("TPanel", Maker<TPanel>());
        add("TShape", Maker<TShape>());
        add("TBevel", Maker<TBevel>());
        add("TImage", Maker<TImage>());
        add("TScrollBox", Maker<TScrollBox>());
        add("TCategoryPanelGroup", Maker<TCategoryPanelGroup>());
        add("TCategoryPanel", Maker<TCategoryPanel>());
        add("TPageControl", Maker<TPageControl>());
        add("TTabSheet", Maker<TTabSheet>());
        add("TTimer", Maker<TTimer>());
        add("TOpenDialog", Maker<TOpenDialog>());
        add("TSaveDialog", Maker<TSaveDialog>());
        add("TImageList", Maker<TImageList>());
        return r;
    }();
    return registry;
}

class DesignLoader {
public:
    DesignLoader(TComponent* root, const String& source) : FRoot(root), FSource(source) {}

    void Load(const TDesignObject& design) {
        Registry(); // the toolkit's classes and identifiers, before any property is read
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
