// The rich edit control over a Qt text document.
#include "toolkit/stdctrls/RichEdit.h"
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/richtext/RichTextDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

TRichEdit::TRichEdit(TComponent* AOwner)
    : TWinControl(AOwner), FDoc(std::make_unique<QTextDocument>()),
      FCursor(std::make_unique<QTextCursor>(FDoc.get())) {
    SetBounds(0, 0, 185, 89);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    // The formatting rectangle is the control's own: no margin of the document's around it.
    FDoc->setDocumentMargin(0);
    ApplyFont();
    QObject::connect(FDoc.get(), &QTextDocument::contentsChanged,
                     qvdetail::Guarded([this] { DocumentChanged(); }));
}

TRichEdit::~TRichEdit() {
    // The widget shares the document: it goes first.
    QObject::disconnect(FDoc.get(), nullptr, nullptr, nullptr);
    DestroyWidget();
    FCursor.reset();
}

QTextEdit* TRichEdit::Editor() const {
    return static_cast<QTextEdit*>(FWidget.data());
}

QTextCursor& TRichEdit::Cursor() const {
    if (QTextEdit* w = Editor()) *FCursor = w->textCursor();
    return *FCursor;
}

void TRichEdit::ApplyFont() {
    FDoc->setDefaultFont(Font()->toQFont());
}

void TRichEdit::DocumentChanged() {
    if (FLoading) return;
    if (OnChange) OnChange(this);
}

void TRichEdit::Clear() {
    FDoc->clear();
    FCursor->setPosition(0);
    if (QTextEdit* w = Editor()) w->setTextCursor(*FCursor);
}

void TRichEdit::LoadFromRtf(const QByteArray& Bytes) {
    SetRichText(ReadRtf(Bytes));
}

QByteArray TRichEdit::SaveToRtf() const {
    return WriteRtf(RichText());
}

TRichText TRichEdit::RichText() const {
    return DocumentToRichText(*FDoc);
}

void TRichEdit::SetRichText(const TRichText& Text) {
    FLoading = true;
    ApplyFont();
    // Loading is no edit to undo: switching undo off and on again forgets the earlier edits too.
    FDoc->setUndoRedoEnabled(false);
    RichTextToDocument(Text, *FDoc);
    FDoc->setUndoRedoEnabled(true);
    FLoading = false;
    FCursor->setPosition(0);
    if (QTextEdit* w = Editor()) w->setTextCursor(*FCursor);
    if (OnChange) OnChange(this);
}

String TRichEdit::PlainText() const {
    return RichText().PlainText();
}

void TRichEdit::TextChanged() {
    TRichText t;
    const QStringList lines = FText.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (const String& line : lines) {
        TRichParagraph p;
        if (!line.isEmpty()) p.Runs.push_back(TRichRun{line, TRichFormat()});
        t.Paragraphs.push_back(std::move(p));
    }
    SetRichText(t);
}

void TRichEdit::SetWordWrap(bool v) {
    FWordWrap = v;
    SyncWidget();
}

void TRichEdit::SetReadOnly(bool v) {
    FReadOnly = v;
    SyncWidget();
}

// Selection --------------------------------------------------------------------------------------------

int TRichEdit::SelStart() const {
    return Cursor().selectionStart();
}

void TRichEdit::SetSelStart(int v) {
    QTextCursor& c = Cursor();
    c.setPosition(std::clamp(v, 0, std::max(FDoc->characterCount() - 1, 0)));
    if (QTextEdit* w = Editor()) w->setTextCursor(c);
    if (OnSelectionChange) OnSelectionChange(this);
}

int TRichEdit::SelLength() const {
    const QTextCursor& c = Cursor();
    return c.selectionEnd() - c.selectionStart();
}

void TRichEdit::SetSelLength(int v) {
    QTextCursor& c = Cursor();
    const int start = c.selectionStart();
    const int last = std::max(FDoc->characterCount() - 1, 0);
    c.setPosition(start);
    // A length past the end selects to the end, as the platform's 65535 convention expects.
    c.setPosition(
        static_cast<int>(std::clamp<long long>(static_cast<long long>(start) + std::max(v, 0), 0, last)),
        QTextCursor::KeepAnchor);
    if (QTextEdit* w = Editor()) w->setTextCursor(c);
    if (OnSelectionChange) OnSelectionChange(this);
}

void TRichEdit::SelectAll() {
    SetSelStart(0);
    SetSelLength(FDoc->characterCount());
}

String TRichEdit::SelText() const {
    String s = Cursor().selectedText();
    s.replace(QChar(QChar::ParagraphSeparator), QLatin1String("\r\n"));
    s.replace(QChar(QChar::LineSeparator), QLatin1String("\r\n"));
    return s;
}

namespace {

// The format of the selection's first character, or the one typing would take at the caret.
QTextCharFormat richEditSelectionFormat(const QTextCursor& c) {
    if (!c.hasSelection()) return c.charFormat();
    QTextCursor first(c);
    first.setPosition(c.selectionStart());
    first.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    return first.charFormat();
}

void richEditMerge(QTextCursor& c, const QTextCharFormat& f) {
    c.mergeCharFormat(f);
}

} // namespace

TRichScript TRichEdit::SelScript() const {
    const auto a = richEditSelectionFormat(Cursor()).verticalAlignment();
    return a == QTextCharFormat::AlignSubScript     ? rsSubscript
           : a == QTextCharFormat::AlignSuperScript ? rsSuperscript
                                                    : rsNormal;
}

void TRichEdit::SetSelScript(TRichScript v) {
    QTextCharFormat f;
    f.setVerticalAlignment(v == rsSubscript     ? QTextCharFormat::AlignSubScript
                           : v == rsSuperscript ? QTextCharFormat::AlignSuperScript
                                                : QTextCharFormat::AlignNormal);
    richEditMerge(Cursor(), f);
}

TColor TTextAttributes::Color() const {
    const QTextCharFormat f = richEditSelectionFormat(FOwner->Cursor());
    if (!f.hasProperty(QTextFormat::ForegroundBrush) || f.foreground().style() == Qt::NoBrush)
        return FOwner->Font()->Color();
    const QColor c = f.foreground().color();
    return static_cast<TColor>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

void TTextAttributes::SetColor(TColor v) {
    QTextCharFormat f;
    f.setForeground(ToQColor(v));
    richEditMerge(FOwner->Cursor(), f);
}

String TTextAttributes::Name() const {
    const QTextCharFormat f = richEditSelectionFormat(FOwner->Cursor());
    const QStringList families = f.fontFamilies().toStringList();
    return families.isEmpty() ? FOwner->FDoc->defaultFont().family() : families.first();
}

void TTextAttributes::SetName(const String& v) {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{v});
    richEditMerge(FOwner->Cursor(), f);
}

int TTextAttributes::Size() const {
    const QTextCharFormat f = richEditSelectionFormat(FOwner->Cursor());
    const double pt = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize()
                                                                : FOwner->FDoc->defaultFont().pointSizeF();
    return static_cast<int>(std::lround(pt));
}

void TTextAttributes::SetSize(int v) {
    QTextCharFormat f;
    f.setFontPointSize(std::max(v, 1));
    richEditMerge(FOwner->Cursor(), f);
}

TFontStyles TTextAttributes::Style() const {
    const QTextCharFormat f = richEditSelectionFormat(FOwner->Cursor());
    TFontStyles s = 0;
    if (f.fontWeight() >= QFont::DemiBold) s |= fsBold;
    if (f.fontItalic()) s |= fsItalic;
    if (f.fontUnderline()) s |= fsUnderline;
    if (f.fontStrikeOut()) s |= fsStrikeOut;
    return s;
}

void TTextAttributes::SetStyle(TFontStyles v) {
    QTextCharFormat f;
    f.setFontWeight(v & fsBold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(v & fsItalic);
    f.setFontUnderline(v & fsUnderline);
    f.setFontStrikeOut(v & fsStrikeOut);
    richEditMerge(FOwner->Cursor(), f);
}

// Layout and painting ----------------------------------------------------------------------------------

TSize TRichEdit::RequiredSize() {
    FDoc->setTextWidth(FWordWrap ? std::max(Width(), 1) : -1);
    const QSizeF size = FDoc->size();
    const int width = FWordWrap ? std::max(Width(), 1) : static_cast<int>(std::ceil(FDoc->idealWidth()));
    return TSize{width, static_cast<int>(std::ceil(size.height()))};
}

void TRichEdit::PaintTo(TCanvas* Canvas, const TRect& Rect, int MarginX, int MarginY, TColor DefaultColor) {
    QPainter* p = Canvas ? Canvas->PreparePainter(false, false) : nullptr;
    if (!p) return;
    // Margins are given at 96 dpi: a printer's canvas takes them at its own resolution.
    const QPaintDevice* device = p->device();
    MarginX = device ? MarginX * device->logicalDpiX() / 96 : MarginX;
    MarginY = device ? MarginY * device->logicalDpiY() / 96 : MarginY;
    const int w = Rect.Right - Rect.Left - 2 * MarginX;
    const int h = Rect.Bottom - Rect.Top - 2 * MarginY;
    if (w <= 0 || h <= 0) return;
    FDoc->setTextWidth(FWordWrap ? w : -1);
    p->save();
    p->setClipRect(QRect(Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top),
                   Qt::IntersectClip);
    p->translate(Rect.Left + MarginX, Rect.Top + MarginY);
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.clip = QRectF(0, 0, w, h);
    ctx.palette.setColor(QPalette::Text, ToQColor(DefaultColor));
    FDoc->documentLayout()->draw(p, ctx);
    p->restore();
}

bool CanvasMapsOneToOne(TCanvas* Canvas) {
    QPainter* p = Canvas ? Canvas->PreparePainter(false, false) : nullptr;
    if (!p) return false;
    const QTransform t = p->combinedTransform();
    return !t.isScaling() && !t.isRotating();
}

// Window -----------------------------------------------------------------------------------------------

void TRichEdit::DefaultHandler(TMessage& Message) {
    TWinControl::DefaultHandler(Message);
    const ushort c = static_cast<ushort>(Message.CharCode());
    if (Message.Msg != WM_CHAR || Message.Event || c == 0) return;
    Message.PassToNative = false;
    if (FReadOnly || (c != '\b' && c != '\r' && c < 32)) return;
    QTextCursor& cursor = Cursor();
    if (c == '\b') {
        if (cursor.hasSelection())
            cursor.removeSelectedText();
        else
            cursor.deletePreviousChar();
    } else if (c == '\r') {
        cursor.insertBlock();
    } else {
        cursor.insertText(QString(QChar(static_cast<char16_t>(c))));
    }
    if (QTextEdit* w = Editor()) w->setTextCursor(cursor);
}

QWidget* TRichEdit::CreateNativeWidget(QWidget* parent) {
    auto* w = new QTextEdit(parent);
    w->setDocument(FDoc.get());
    w->setTextCursor(*FCursor);
    QObject::connect(w, &QTextEdit::selectionChanged, qvdetail::Guarded([this] {
                         if (OnSelectionChange) OnSelectionChange(this);
                     }));
    AttachEvents(w->viewport());
    return w;
}

void TRichEdit::SyncWidget() {
    TWinControl::SyncWidget();
    QTextEdit* w = Editor();
    if (!w) return;
    w->setReadOnly(FReadOnly);
    w->setLineWrapMode(FWordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}
