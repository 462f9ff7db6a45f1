// Cell graphics in the binary cell stream: the plain fields, and the payloads a graphic owns, each read
// through the picture readers and their limits.
#include "controls/grid/exchange/GridBinaryPayload.h"

#include "controls/grid/QvObj.h"
#include "controls/pictures/PictureContainer.h"
#include "toolkit/graphics/Jpeg.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/system/Streams.h"
#include "toolkit/system/StringList.h"

#include <cmath>

namespace gridstream {

namespace {

// What follows a graphic; 0 nothing.
constexpr unsigned plBitmap = 1, plGraphic = 2, plFilePicture = 3, plStrings = 4, plInts = 5;

[[noreturn]] void PayloadDamaged(const char* What) {
    throw EQvGridError(QStringLiteral("Cell data damaged: %1").arg(QLatin1String(What)));
}

// Empty cells, the grid's shared boxes and objects of the application's stay where they are.
bool PayloadKindStays(TCellType t) {
    return t == ctEmpty || t == ctInterface || t == ctVirtCheckBox || t == ctRowCheckBox;
}

bool PayloadIsBoxKind(TCellType t) {
    return t == ctCheckBox || t == ctDataCheckBox || t == ctRadioButton;
}

// A check box or radio button with a balloon attached keeps the balloon's texts (CellAngle 1).
bool PayloadCarriesStrings(const TCellGraphic& g) {
    return g.CellType == ctRadio || g.CellType == ctBalloon ||
           (PayloadIsBoxKind(g.CellType) && g.CellAngle == 1);
}

unsigned PayloadKindOf(const TCellGraphic& g) {
    switch (g.CellType) {
    case ctBitmap:
    case ctBitButton:
        return plBitmap;
    case ctIcon:
    case ctPicture:
        return plGraphic;
    case ctFilePicture:
        return plFilePicture;
    case ctImages:
        return plInts;
    default:
        return PayloadCarriesStrings(g) ? plStrings : 0;
    }
}

// The graphic classes a payload may name; a GIF keeps its bytes through the markup picture.
std::unique_ptr<TGraphic> PayloadGraphicOfClass(const String& Class) {
    if (Class == QLatin1String("TBitmap")) return std::make_unique<TBitmap>();
    if (Class == QLatin1String("TPngImage")) return std::make_unique<TPngImage>();
    if (Class == QLatin1String("TJPEGImage")) return std::make_unique<TJPEGImage>();
    if (Class == QLatin1String("THTMLPicture")) return std::make_unique<THTMLPicture>();
    PayloadDamaged("a picture of an unknown kind");
}

// A picture's bytes as the reader takes them: one the reader would refuse is not written at all.
const QByteArray& PayloadReadable(const QByteArray& Bytes) {
    if (Bytes.size() > kMaxPictureFileBytes)
        throw EQvGridError(
            QStringLiteral("A picture of %1 bytes is too large for cell data").arg(Bytes.size()));
    return Bytes;
}

// Bitmaps travel as PNG: an uncompressed bitmap of a picture that came in small can outgrow the reader's
// limit.
QByteArray PayloadBitmapBytes(const TBitmap& Bitmap) {
    TPngImage png;
    png.Assign(&Bitmap);
    return PayloadReadable(png.SaveToBytes());
}

void PayloadWriteGraphicBytes(GridByteWriter& W, const TGraphic* g) {
    if (!g || g->Empty()) {
        W.Str(String());
        W.Bytes(QByteArray());
        return;
    }
    W.Str(g->ClassName());
    if (const auto* html = dynamic_cast<const THTMLPicture*>(g)) {
        TMemoryStream data;
        html->WriteData(&data);
        W.Bytes(PayloadReadable(data.Bytes()));
    } else {
        W.Bytes(PayloadReadable(g->SaveToBytes()));
    }
}

std::unique_ptr<TGraphic> PayloadReadGraphicBytes(GridByteReader& R) {
    const String cls = R.Str();
    const QByteArray bytes = R.Bytes(kMaxPictureFileBytes);
    if (cls.isEmpty()) {
        if (!bytes.isEmpty()) PayloadDamaged("a picture without a kind");
        return nullptr;
    }
    std::unique_ptr<TGraphic> g = PayloadGraphicOfClass(cls);
    try {
        if (auto* html = dynamic_cast<THTMLPicture*>(g.get())) {
            TMemoryStream data;
            data.WriteBuffer(bytes);
            data.SetPosition(0);
            html->ReadData(&data);
        } else {
            g->LoadFromBytes(bytes);
        }
    } catch (const EQvGridError&) {
        throw;
    } catch (const Exception&) {
        PayloadDamaged("a picture does not read");
    }
    if (g->Empty()) PayloadDamaged("a picture does not read");
    return g;
}

template <class T> T PayloadEnum(unsigned Value, unsigned Last, const char* What) {
    if (Value > Last) PayloadDamaged(What);
    return static_cast<T>(Value);
}

int PayloadRanged(int Value, int Min, int Max, const char* What) {
    if (Value < Min || Value > Max) PayloadDamaged(What);
    return Value;
}

} // namespace

bool GraphicTravels(const TCellGraphic& g) {
    if (PayloadKindStays(g.CellType)) return false;
    switch (g.CellType) {
    case ctBitmap:
    case ctIcon:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
        return g.CellCreated;
    default:
        return true;
    }
}

bool HasPayload(const TCellGraphic& g) {
    return PayloadKindOf(g) != 0;
}

void WriteGraphic(GridByteWriter& W, const TCellGraphic& g) {
    W.U8(g.CellType);
    W.U8(g.CellVAlign);
    W.U8(g.CellHAlign);
    W.I32(g.CellIndex);
    W.Bool(g.CellTransparent);
    W.Bool(g.CellCreated);
    W.Bool(g.CellBoolean);
    W.U8(g.CellCheckBoxState);
    W.I32(g.CellAngle);
    W.F64(g.CellValue);
    W.I32(g.CellErrFrom);
    W.I32(g.CellErrLen);
    W.Str(g.CellText);
    W.I32(g.CellBitmapColor);
    W.I32(g.CellIconColor);
}

std::unique_ptr<TCellGraphic> ReadGraphic(GridByteReader& R) {
    auto g = std::make_unique<TCellGraphic>();
    g->CellType = PayloadEnum<TCellType>(R.U8(), ctExpand, "an unknown cell graphic");
    if (PayloadKindStays(g->CellType)) PayloadDamaged("a cell graphic that cannot travel");
    g->CellVAlign = PayloadEnum<TCellVAlign>(R.U8(), vaFull, "an unknown vertical alignment");
    g->CellHAlign = PayloadEnum<TCellHAlign>(R.U8(), haFull, "an unknown horizontal alignment");
    g->CellIndex = R.I32();
    g->CellTransparent = R.Bool();
    R.Bool(); // whether the writer's grid made the payload: this cell owns what the stream brings
    g->CellBoolean = R.Bool();
    g->CellCheckBoxState = PayloadEnum<TCheckBoxState>(R.U8(), cbGrayed, "an unknown check box state");
    g->CellAngle = R.I32();
    g->CellValue = R.F64();
    if (!std::isfinite(g->CellValue)) PayloadDamaged("a cell value that is no number");
    g->CellErrFrom = R.I32();
    g->CellErrLen = R.I32();
    g->CellText = R.Str();
    g->CellBitmapColor = R.I32();
    g->CellIconColor = R.I32();
    switch (g->CellType) {
    case ctRotated:
        PayloadRanged(g->CellAngle, 0, 360, "a rotation out of range");
        break;
    case ctPicture:
    case ctFilePicture:
        PayloadRanged(g->CellAngle, noStretch, ShrinkWithAspectRatio, "an unknown picture stretch");
        PayloadRanged(g->CellIndex, 0, 1 << 16, "a picture padding out of range");
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
        PayloadRanged(g->CellAngle, 0, 1, "a check box balloon mark out of range");
        break;
    default:
        break;
    }
    // The payload kinds own what the reader makes for them.
    g->CellCreated = PayloadKindOf(*g) != 0;
    return g;
}

void WritePayload(GridByteWriter& W, const TCellGraphic& g) {
    const unsigned kind = PayloadKindOf(g);
    W.U8(kind);
    switch (kind) {
    case plBitmap: {
        const auto* bmp = dynamic_cast<const TBitmap*>(g.CellBitmap);
        W.Bytes(bmp && !bmp->Empty() ? PayloadBitmapBytes(*bmp) : QByteArray());
        break;
    }
    case plGraphic:
        if (g.CellType == ctIcon) {
            PayloadWriteGraphicBytes(W, dynamic_cast<const TGraphic*>(g.CellIcon));
        } else {
            const auto* pic = dynamic_cast<const TPicture*>(g.CellBitmap);
            PayloadWriteGraphicBytes(W, pic ? pic->Graphic() : nullptr);
        }
        break;
    case plFilePicture: {
        const auto* file = dynamic_cast<const TFilePicture*>(g.CellBitmap);
        W.Str(file ? file->Filename : String());
        W.I32(file ? file->Width : 0);
        W.I32(file ? file->Height : 0);
        break;
    }
    case plStrings: {
        const auto* list = dynamic_cast<const TStrings*>(g.CellBitmap);
        const int n = list ? list->Count() : 0;
        W.U32(static_cast<uint32_t>(n));
        for (int i = 0; i < n; ++i)
            W.Str(list->Strings(i));
        break;
    }
    case plInts: {
        const auto* list = dynamic_cast<const TIntList*>(g.CellBitmap);
        const int n = list ? list->Count() : 0;
        W.U32(static_cast<uint32_t>(n));
        for (int i = 0; i < n; ++i)
            W.I32(list->Items(i));
        break;
    }
    default:
        break;
    }
}

void ReadPayload(GridByteReader& R, TCellGraphic& g) {
    const unsigned kind = R.U8();
    if (kind != PayloadKindOf(g)) PayloadDamaged("a payload that does not belong to its graphic");
    switch (kind) {
    case plBitmap: {
        const QByteArray bytes = R.Bytes(kMaxPictureFileBytes);
        if (bytes.isEmpty()) break;
        auto bmp = std::make_unique<TBitmap>();
        try {
            TPngImage png;
            png.LoadFromBytes(bytes);
            bmp->Assign(&png);
        } catch (const Exception&) {
            PayloadDamaged("a bitmap does not read");
        }
        if (bmp->Empty()) PayloadDamaged("a bitmap does not read");
        g.CellBitmap = bmp.release();
        break;
    }
    case plGraphic:
        if (g.CellType == ctIcon) {
            g.CellIcon = PayloadReadGraphicBytes(R).release();
        } else if (std::unique_ptr<TGraphic> graphic = PayloadReadGraphicBytes(R)) {
            auto pic = std::make_unique<TPicture>();
            pic->SetGraphic(graphic.get());
            g.CellBitmap = pic.release();
        }
        break;
    case plFilePicture: {
        auto file = std::make_unique<TFilePicture>();
        file->Filename = R.Str();
        file->Width = PayloadRanged(R.I32(), 0, 1 << 16, "a file picture size out of range");
        file->Height = PayloadRanged(R.I32(), 0, 1 << 16, "a file picture size out of range");
        g.CellBitmap = file.release();
        break;
    }
    case plStrings: {
        const uint32_t n = R.U32();
        if (n > uint64_t(R.Remaining()) / 4) PayloadDamaged("a list longer than its record");
        auto list = std::make_unique<TStringList>();
        for (uint32_t i = 0; i < n; ++i)
            list->Add(R.Str());
        // A radio group shows as many buttons as it has texts.
        if (g.CellType == ctRadio) g.CellAngle = list->Count();
        g.CellBitmap = list.release();
        break;
    }
    case plInts: {
        const uint32_t n = R.U32();
        if (n > uint64_t(R.Remaining()) / 4) PayloadDamaged("a list longer than its record");
        auto list = std::make_unique<TIntList>(0, 0);
        for (uint32_t i = 0; i < n; ++i)
            list->Add(R.I32());
        g.CellBitmap = list.release();
        break;
    }
    default:
        break;
    }
}

} // namespace gridstream
