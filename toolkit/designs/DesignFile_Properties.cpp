// Stored properties of forms and of the toolkit's non-visual components.
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/system/DesignValue.h"

bool TCustomForm::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "borderstyle")
        SetBorderStyle(DesignEnumOf<TFormBorderStyle>(v, bsSizeable, bsNone, bsSizeToolWin));
    else if (n == "bordericons")
        SetBorderIcons(DesignSet(v));
    else if (n == "position")
        SetPosition(DesignEnumOf<TPosition>(v, poDesigned, poDesigned, poOwnerFormCenter));
    else if (n == "scaled")
        SetScaled(v.AsBool());
    else if (n == "keypreview")
        SetKeyPreview(v.AsBool());
    else if (n == "formstyle")
        SetFormStyle(DesignEnumOf<TFormStyle>(v, fsNormal, fsNormal, fsStayOnTop));
    else if (n == "windowstate")
        SetWindowState(DesignEnumOf<TWindowState>(v, wsNormal, wsNormal, wsMaximized));
    else
        return TWinControl::ReadProperty(name, v);
    return true;
}

bool TTimer::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "enabled")
        SetEnabled(v.AsBool());
    else if (n == "interval")
        SetInterval(static_cast<Cardinal>(v.AsInt()));
    else
        return TComponent::ReadProperty(name, v);
    return true;
}

bool TOpenDialog::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "filename")
        SetFileName(v.AsString());
    else if (n == "filter")
        SetFilter(v.AsString());
    else if (n == "filterindex")
        SetFilterIndex(v.AsInt());
    else if (n == "initialdir")
        SetInitialDir(v.AsString());
    else if (n == "defaultext")
        SetDefaultExt(v.AsString());
    else if (n == "title")
        SetTitle(v.AsString());
    else if (n == "options")
        SetOptions(DesignSet(v));
    else
        return TComponent::ReadProperty(name, v);
    return true;
}

bool TImageList::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "width")
        SetWidth(v.AsInt());
    else if (n == "height")
        SetHeight(v.AsInt());
    else
        return TComponent::ReadProperty(name, v);
    return true;
}
