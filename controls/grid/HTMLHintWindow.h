// The grid's hint window: hints written in the markup are laid out and drawn by the markup renderer.
#pragma once

#include "toolkit/controls/HintWindow.h"

class TImageList;
class TPictureContainer;

// Shows a hint as markup (a hint in the grid's wide-text form as its plain text), with the pictures of the
// grid that asked for it.
class THTMLHintWindow : public THintWindow {
public:
    explicit THTMLHintWindow(TComponent* AOwner);
    String ClassName() const override { return "THTMLHintWindow"; }

    TRect CalcHintRect(int MaxWidth, const String& AHint, TObject* AData) override;
    void ActivateHint(const TRect& ARect, const String& AHint) override;
    // AData, when a string grid, lends its image list.
    void ActivateHintData(const TRect& ARect, const String& AHint, TObject* AData) override;

    int TextWidth() const { return FTextWidth; }
    int TextHeight() const { return FTextHeight; }

protected:
    void Paint() override;

private:
    // The hint's size as laid out within MaxWidth (word wrap on); the plain text of a wide-text hint.
    TPoint Measure(const String& AHint, int MaxWidth);
    bool IsWide(const String& AHint) const;

    TImageList* FImages = nullptr;
    TPictureContainer* FPictureContainer = nullptr;
    int FTextWidth = 0;
    int FTextHeight = 0;
    String FWideCaption;
};

THintWindow* CreateHTMLHintWindow(TComponent* AOwner);

// The font of hints in the wide-text form: the font name of the grid that last built a cell hint.
void SetWideHintFontName(const String& Name);
String WideHintFontName();
