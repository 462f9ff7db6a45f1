// The column grid's columns to and from a stream, written as a window design's "Columns" collection so
// that one reader serves designs and streams.
#include "controls/grid/QvCGrid.h"

#include "toolkit/designs/DesignFile.h"
#include "toolkit/system/Streams.h"

namespace {

// Far beyond any grid's columns; a larger stream is refused before it is parsed.
constexpr int64_t kMaxColumnStreamBytes = 4 << 20;

String csQuote(const String& text) {
    String out;
    bool open = false;
    for (const QChar ch : text) {
        if (ch.unicode() < 32) {
            if (open) out += '\'';
            open = false;
            out += '#' + QString::number(ch.unicode());
            continue;
        }
        if (!open) out += '\'';
        open = true;
        out += ch == '\'' ? QStringLiteral("''") : String(ch);
    }
    if (open) out += '\'';
    return out.isEmpty() ? QStringLiteral("''") : out;
}

String csBool(bool v) {
    return v ? QStringLiteral("True") : QStringLiteral("False");
}

String csAlignment(TAlignment a) {
    return a == taCenter         ? QStringLiteral("taCenter")
           : a == taRightJustify ? QStringLiteral("taRightJustify")
                                 : QStringLiteral("taLeftJustify");
}

String csColor(TColor c) {
    return QStringLiteral("%1").arg(static_cast<qint64>(c));
}

String csStyle(TFontStyles s) {
    QStringList members;
    const std::pair<TFontStyle, const char*> names[] = {{fsBold, "fsBold"},
                                                        {fsItalic, "fsItalic"},
                                                        {fsUnderline, "fsUnderline"},
                                                        {fsStrikeOut, "fsStrikeOut"}};
    for (auto [flag, name] : names)
        if (s & flag) members << QString::fromLatin1(name);
    return '[' + members.join(", ") + ']';
}

void csFont(QStringList& out, const char* prefix, const TFont* f) {
    const String p = QString::fromLatin1(prefix);
    out << p + ".Name = " + csQuote(f->Name()) << p + ".Size = " + QString::number(f->Size())
        << p + ".Color = " + csColor(f->Color()) << p + ".Style = " + csStyle(f->Style());
}

} // namespace

void TQvColumnGrid::SaveColumnsToStream(TStream* Stream) {
    QStringList out{QStringLiteral("object Items: TQvColumnGrid"), QStringLiteral("  Columns = <")};
    for (int i = 0; i < FColumns->Count(); ++i) {
        const TGridColumnItem* c = FColumns->Items(i);
        QStringList p;
        p << "Header = " + csQuote(c->Header()) << "Width = " + QString::number(c->Width())
          << "Alignment = " + csAlignment(c->Alignment())
          << "HeaderAlignment = " + csAlignment(c->HeaderAlignment()) << "Color = " + csColor(c->Color())
          << "Editor = " + QString::number(static_cast<int>(c->Editor()));
        QStringList items;
        for (int k = 0; k < c->ComboItems()->Count(); ++k)
            items << csQuote(c->ComboItems()->Strings(k));
        if (!items.isEmpty()) p << "ComboItems.Strings = (" + items.join(' ') + ')';
        p << "DropDownCount = " + QString::number(c->DropDownCount()) << "ReadOnly = " + csBool(c->ReadOnly())
          << "Fixed = " + csBool(c->Fixed()) << "Password = " + csBool(c->Password())
          << "CheckTrue = " + csQuote(c->CheckTrue()) << "CheckFalse = " + csQuote(c->CheckFalse())
          << "EditLength = " + QString::number(c->EditLength()) << "EditMask = " + csQuote(c->EditMask())
          << "SpinMin = " + QString::number(c->SpinMin()) << "SpinMax = " + QString::number(c->SpinMax())
          << "SpinStep = " + QString::number(c->SpinStep()) << "FloatFormat = " + csQuote(c->FloatFormat())
          << "MinSize = " + QString::number(c->MinSize()) << "MaxSize = " + QString::number(c->MaxSize())
          << "AutoMinSize = " + QString::number(c->AutoMinSize())
          << "AutoMaxSize = " + QString::number(c->AutoMaxSize()) << "ShowBands = " + csBool(c->ShowBands())
          << "Name = " + csQuote(c->Name()) << "Tag = " + QString::number(c->Tag());
        csFont(p, "Font", c->Font());
        csFont(p, "HeaderFont", c->HeaderFont());
        out << "    item";
        for (const String& line : p)
            out << "      " + line;
        out << "    end";
    }
    out.last() += '>';
    if (FColumns->Count() == 0) out.last() = QStringLiteral("  Columns = <>");
    out << QStringLiteral("end") << String();
    Stream->WriteBuffer(out.join("\r\n").toUtf8());
}

void TQvColumnGrid::LoadColumnsFromStream(TStream* Stream) {
    const int64_t size = Stream->Size() - Stream->Position();
    if (size < 0 || size > kMaxColumnStreamBytes) throw EDesignError("The columns stream is too large");
    QByteArray bytes(static_cast<qsizetype>(size), '\0');
    Stream->ReadBuffer(bytes.data(), size);
    const TDesignObject design = ParseDesign(String::fromUtf8(bytes), QStringLiteral("columns stream"));
    const TDesignValue* columns = nullptr;
    for (const auto& property : design.Properties)
        if (property.Name.compare("Columns", Qt::CaseInsensitive) == 0) columns = &property.Value;
    if (!columns || columns->entries.empty() || !design.Children.empty())
        throw EDesignError("The columns stream holds no columns");
    // Read into a grid of its own first: a stream that fails leaves these columns as they were.
    TQvColumnGrid carrier(nullptr);
    carrier.ReadProperty("Columns", *columns);
    const int count = carrier.Columns()->Count();
    if (count - NumHiddenColumns() < 1) throw EDesignError("The columns stream holds too few columns");
    FColumns->BeginNoRecursiveUpdate();
    SetColCount(count - NumHiddenColumns());
    for (int i = 0; i < count; ++i)
        FColumns->Items(i)->Assign(carrier.Columns()->Items(i));
    FColumns->EndNoRecursiveUpdate();
    for (int i = 0; i < count; ++i) {
        TGridColumnItem* item = FColumns->Items(i);
        item->SetWidth(item->WidthMember());
        if (FixedRows() > 0) SetCells(i, 0, item->Header());
    }
    SyncColumnHeaders();
    Invalidate();
}
