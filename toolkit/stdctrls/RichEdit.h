// The rich edit control: rich text over a Qt text document, loaded from and saved as RTF, measured and
// painted on a canvas without a window.
#pragma once

#include "toolkit/controls/Controls.h"
#include "toolkit/richtext/RichText.h"

#include <memory>

class QTextDocument;
class QTextEdit;
class QTextCursor;
class TCanvas;
class TRichEdit;

// The character format of the selection (of the caret's position when nothing is selected): reading gives
// the format of the selection's first character, writing changes every selected character.
class TTextAttributes {
public:
    explicit TTextAttributes(TRichEdit* AOwner) : FOwner(AOwner) {}
    TColor Color() const;
    void SetColor(TColor v);
    String Name() const;
    void SetName(const String& v);
    int Size() const; // points
    void SetSize(int v);
    TFontStyles Style() const;
    void SetStyle(TFontStyles v);

private:
    TRichEdit* FOwner;
};

// True when the canvas draws one logical unit as one pixel (a screen or bitmap canvas, not a scaled print
// or preview canvas).
bool CanvasMapsOneToOne(TCanvas* Canvas);

class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(TComponent* AOwner);
    ~TRichEdit() override;
    String ClassName() const override { return "TRichEdit"; }

    void Clear();
    // Loads RTF (bytes that are not RTF load as plain text) and gives it back written as RTF.
    void LoadFromRtf(const QByteArray& Bytes);
    QByteArray SaveToRtf() const;
    TRichText RichText() const;
    void SetRichText(const TRichText& Text);
    // The text without formats, paragraphs ended by CR LF.
    String PlainText() const;

    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);

    int SelStart() const;
    void SetSelStart(int v);
    int SelLength() const;
    void SetSelLength(int v);
    void SelectAll();
    String SelText() const;
    TTextAttributes* SelAttributes() { return &FSelAttributes; }
    // Vertical placement of the selected characters.
    TRichScript SelScript() const;
    void SetSelScript(TRichScript v);

    // The size the text needs: laid out in the control's width with word wrap, else on unbounded lines.
    TSize RequiredSize();
    // Draws the text into Rect of the canvas, inset by the margins, clipped to Rect: laid out in the inset
    // width with word wrap, else on unbounded lines. Automatic colours draw in DefaultColor.
    void PaintTo(TCanvas* Canvas, const TRect& Rect, int MarginX, int MarginY, TColor DefaultColor = clBlack);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelectionChange;

protected:
    String GetText() const override { return PlainText(); }
    void TextChanged() override;
    // A character posted without a key is typed at the selection, as the widget types a key's.
    void DefaultHandler(TMessage& Message) override;
    QWidget* CreateNativeWidget(QWidget* parent) override;
    bool PaintsItself() const override { return false; }
    void SyncWidget() override;

private:
    friend class TTextAttributes;
    QTextCursor& Cursor() const;
    void ApplyFont();
    void DocumentChanged();
    QTextEdit* Editor() const;

    std::unique_ptr<QTextDocument> FDoc;
    std::unique_ptr<QTextCursor> FCursor;
    TTextAttributes FSelAttributes{this};
    bool FWordWrap = true;
    bool FReadOnly = false;
    bool FLoading = false;
};
