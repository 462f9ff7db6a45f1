// Rich text in and out of a Qt text document.
#include "toolkit/richtext/RichTextDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace {

QTextCharFormat richCharFormat(const TRichFormat& f) {
    QTextCharFormat cf;
    if (!f.FontName.isEmpty()) cf.setFontFamilies(QStringList{f.FontName});
    cf.setFontPointSize(f.HalfPoints / 2.0);
    cf.setFontWeight(f.Bold ? QFont::Bold : QFont::Normal);
    cf.setFontItalic(f.Italic);
    cf.setFontUnderline(f.Underline);
    cf.setFontStrikeOut(f.StrikeOut);
    cf.setVerticalAlignment(f.Script == rsSubscript     ? QTextCharFormat::AlignSubScript
                            : f.Script == rsSuperscript ? QTextCharFormat::AlignSuperScript
                                                        : QTextCharFormat::AlignNormal);
    if (f.Color != clNone) cf.setForeground(ToQColor(f.Color));
    return cf;
}

TRichFormat richFormatOf(const QTextCharFormat& cf, const QTextDocument& doc) {
    TRichFormat f;
    if (cf.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = cf.fontFamilies().toStringList();
        if (!families.isEmpty()) f.FontName = families.first();
    }
    const double pt =
        cf.hasProperty(QTextFormat::FontPointSize) ? cf.fontPointSize() : doc.defaultFont().pointSizeF();
    f.HalfPoints = pt > 0 ? static_cast<int>(std::lround(pt * 2)) : 24;
    f.Bold = cf.fontWeight() >= QFont::DemiBold;
    f.Italic = cf.fontItalic();
    f.Underline = cf.fontUnderline();
    f.StrikeOut = cf.fontStrikeOut();
    f.Script = cf.verticalAlignment() == QTextCharFormat::AlignSubScript     ? rsSubscript
               : cf.verticalAlignment() == QTextCharFormat::AlignSuperScript ? rsSuperscript
                                                                             : rsNormal;
    if (cf.hasProperty(QTextFormat::ForegroundBrush) && cf.foreground().style() != Qt::NoBrush) {
        const QColor c = cf.foreground().color();
        f.Color = static_cast<TColor>(c.red() | (c.green() << 8) | (c.blue() << 16));
    }
    return f;
}

Qt::Alignment qtAlignmentOf(TRichAlignment a) {
    switch (a) {
    case raRight:
        return Qt::AlignRight | Qt::AlignAbsolute;
    case raCenter:
        return Qt::AlignHCenter;
    case raJustify:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeft | Qt::AlignAbsolute;
    }
}

} // namespace

void RichTextToDocument(const TRichText& Text, QTextDocument& Doc) {
    Doc.clear();
    QTextCursor cursor(&Doc);
    cursor.beginEditBlock();
    bool first = true;
    for (const TRichParagraph& p : Text.Paragraphs) {
        QTextBlockFormat bf;
        bf.setAlignment(qtAlignmentOf(p.Alignment));
        QTextCharFormat startFormat =
            p.Runs.empty() ? richCharFormat(TRichFormat()) : richCharFormat(p.Runs[0].Format);
        if (first)
            cursor.setBlockFormat(bf), cursor.setBlockCharFormat(startFormat);
        else
            cursor.insertBlock(bf, startFormat);
        first = false;
        for (const TRichRun& r : p.Runs)
            cursor.insertText(r.Text, richCharFormat(r.Format));
    }
    cursor.endEditBlock();
}

TRichText DocumentToRichText(const QTextDocument& Doc) {
    TRichText out;
    for (QTextBlock b = Doc.begin(); b.isValid(); b = b.next()) {
        TRichParagraph p;
        const Qt::Alignment a = b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        p.Alignment = a & Qt::AlignRight     ? raRight
                      : a & Qt::AlignHCenter ? raCenter
                      : a & Qt::AlignJustify ? raJustify
                                             : raLeft;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (!frag.isValid()) continue;
            String text = frag.text();
            text.remove(QChar(QChar::ObjectReplacementCharacter));
            if (text.isEmpty()) continue;
            const TRichFormat f = richFormatOf(frag.charFormat(), Doc);
            if (!p.Runs.empty() && p.Runs.back().Format == f)
                p.Runs.back().Text += text;
            else
                p.Runs.push_back(TRichRun{text, f});
        }
        out.Paragraphs.push_back(std::move(p));
    }
    return out;
}
