// THTMLPicture, its cache and the picture container.
#include "controls/pictures/PictureContainer.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/PictureFrames.h"

// ---- THTMLPicture

THTMLPicture::THTMLPicture() = default;

THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::Reset() {
    FIsEmpty = true;
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
    FFrame = 1;
    FAnimMaxX = FAnimMaxY = 0;
    FDecoded.reset();
    FAnimation.Frames.clear();
    FAnimation.Delays.clear();
    FFrameImage.reset();
}

void THTMLPicture::Decode() {
    if (IsGifPicture(FData)) {
        TPictureFrameSet set = ReadGifFrames(FData);
        if (set.Frames.empty()) throw EInvalidGraphic(QStringLiteral("Could not load image. Invalid format"));
        FAnimation.Frames = std::move(set.Frames);
        FAnimation.Delays = std::move(set.Delays);
        FFrameCount = static_cast<int>(FAnimation.Frames.size());
        FAnimMaxX = set.Width;
        FAnimMaxY = set.Height;
        FFrame = std::clamp(FFrame, 1, FFrameCount);
        FFrameImage = std::make_unique<TBitmap>();
        ShowFrame();
    } else {
        auto pic = std::make_unique<TPicture>();
        try {
            pic->LoadFromBytes(FData);
        } catch (const Exception&) {
            throw EInvalidGraphic(QStringLiteral("Could not load image. Invalid format"));
        }
        if (!pic->Graphic() || pic->Graphic()->Empty())
            throw EInvalidGraphic(QStringLiteral("Could not load image"));
        FDecoded = std::move(pic);
    }
    FIsEmpty = false;
}

void THTMLPicture::ShowFrame() {
    if (FAnimation.Frames.empty() || !FFrameImage) return;
    FFrameImage->fromQImage(FAnimation.Frames[static_cast<size_t>(FFrame - 1)]);
}

TGraphic* THTMLPicture::Current() const {
    if (FIsEmpty) return nullptr;
    if (FFrameImage) return FFrameImage.get();
    return FDecoded ? FDecoded->Graphic() : nullptr;
}

void THTMLPicture::LoadFromBytes(const QByteArray& data) {
    Reset();
    FData = data;
    if (FData.isEmpty()) return Changed();
    Decode();
    Changed();
}

void THTMLPicture::LoadFromStream(TStream* stream) {
    if (!stream) return;
    LoadFromBytes(stream->ReadAll());
}

void THTMLPicture::ReadData(TStream* stream) {
    if (!stream) return;
    Reset();
    FData = stream->ReadAll();
    if (!FData.isEmpty()) Decode();
}

void THTMLPicture::SaveToStream(TStream* stream) const {
    if (stream && !FData.isEmpty()) stream->WriteBuffer(FData);
}

void THTMLPicture::LoadFromFile(const String& fileName) {
    QByteArray data;
    if (!ReadRegularFileBytes(fileName, data)) {
        Reset();
        FData.clear();
        return;
    }
    try {
        LoadFromBytes(data);
    } catch (const Exception&) {
        Reset();
    }
}

void THTMLPicture::LoadFromResourceName(const String& name) {
    QByteArray data;
    if (!ReadResourceBytes(name, data)) return;
    LoadFromBytes(data);
}

void THTMLPicture::LoadFromURL(const String& url) {
    const String upper = url.toUpper();
    if (upper.startsWith("RES://")) {
        FID = url;
        const String rest = url.mid(6);
        if (rest.isEmpty()) return;
        try {
            LoadFromResourceName(rest);
        } catch (const Exception&) {
            Reset(); // a compiled-in picture that does not read shows nothing
        }
    } else if (upper.startsWith("FILE://")) {
        FID = url;
        const String rest = url.mid(7);
        if (!rest.isEmpty()) LoadFromFile(rest);
    } else {
        FURL = url;
        FID = url;
    }
}

void THTMLPicture::Assign(const TPersistent* source) {
    Reset();
    if (!source) {
        FData.clear();
        return Changed();
    }
    if (auto* other = dynamic_cast<const THTMLPicture*>(source)) {
        if (other == this) return;
        FData = other->FData;
        FStretched = other->FStretched;
        if (!FData.isEmpty()) {
            try {
                Decode();
            } catch (const Exception&) {
                Reset();
            }
        }
        return Changed();
    }
    // Any other graphic leaves the picture empty.
    FData.clear();
}

void THTMLPicture::ForgetContent() {
    Reset();
    FData.clear();
}

int THTMLPicture::Width() const {
    if (FFrameImage) return FAnimMaxX;
    TGraphic* g = Current();
    return g ? g->Width() : 0;
}

int THTMLPicture::Height() const {
    if (FFrameImage) return FAnimMaxY;
    TGraphic* g = Current();
    return g ? g->Height() : 0;
}

int THTMLPicture::GetMaxWidth() const {
    return FAnimMaxX != 0 ? FAnimMaxX : Width();
}

int THTMLPicture::GetMaxHeight() const {
    return FAnimMaxY != 0 ? FAnimMaxY : Height();
}

void THTMLPicture::Draw(TCanvas* canvas, const TRect& rect) {
    if (FStretched) return StretchDraw(canvas, rect);
    StretchDraw(canvas, Bounds(rect.Left, rect.Top, Width(), Height()));
}

void THTMLPicture::StretchDraw(TCanvas* canvas, const TRect& rect) {
    TGraphic* g = Current();
    if (!canvas || !g || rect.IsEmpty()) return;
    g->Draw(canvas, rect);
}

bool THTMLPicture::IsGIFFile() const {
    return IsGifPicture(FData);
}

void THTMLPicture::SetFrame(int frame) {
    FFrame = frame;
    if (FAnimation.Frames.empty()) return;
    FFrame = std::clamp(frame, 1, FFrameCount);
    ShowFrame();
    if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() {
    if (FFrameCount < 1) return;
    SetFrame(FFrame >= FFrameCount ? 1 : FFrame + 1);
}

void THTMLPicture::FramePrev() {
    if (FFrameCount < 1) return;
    SetFrame(FFrame <= 1 ? FFrameCount : FFrame - 1);
}

int THTMLPicture::GetFrameTime(int frame) const {
    if (frame < 1 || frame > static_cast<int>(FAnimation.Delays.size())) return -1;
    return FAnimation.Delays[static_cast<size_t>(frame - 1)];
}

bool THTMLPicture::Step() {
    if (FFrameCount <= 1 || FIsEmpty) return false;
    if (FNextCount == -1) FNextCount = GetFrameTime(FFrame);
    bool changed = false;
    if (FTimerCount * 10 >= FNextCount) {
        FrameNext();
        FNextCount += std::max(0, GetFrameTime(FFrame));
        changed = true;
    }
    ++FTimerCount;
    return changed;
}

// ---- THTMLPictureCache

THTMLPicture* THTMLPictureCache::AddPicture() {
    FItems.push_back(std::make_unique<THTMLPicture>());
    return FItems.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const String& id) const {
    for (const auto& p : FItems)
        if (p->ID() == id) return p.get();
    return nullptr;
}

THTMLPicture* THTMLPictureCache::GetPicture(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FItems[static_cast<size_t>(index)].get();
}

void THTMLPictureCache::SetPicture(int index, const THTMLPicture* picture) {
    GetPicture(index)->Assign(picture);
}

bool THTMLPictureCache::Animate() {
    bool changed = false;
    for (const auto& p : FItems)
        changed = p->Step() || changed;
    return changed;
}

// ---- TPictureItem, TPictureCollection, TPictureContainer

TPictureItem::TPictureItem() : FPicture(std::make_unique<THTMLPicture>()) {}

void TPictureItem::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TPictureItem*>(source);
    if (!other) return TPersistent::Assign(source);
    if (other == this) return;
    FName = other->FName;
    FTag = other->FTag;
    FPicture->Assign(other->FPicture.get());
}

void TPictureCollection::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TPictureCollection*>(source);
    if (!other) return TPersistent::Assign(source);
    if (other == this) return;
    FItems.clear();
    for (const auto& item : other->FItems)
        Add()->Assign(item.get());
}

TPictureItem* TPictureCollection::Add() {
    FItems.push_back(std::make_unique<TPictureItem>());
    return FItems.back().get();
}

TPictureItem* TPictureCollection::Insert(int index) {
    index = std::clamp(index, 0, Count());
    auto it = FItems.insert(FItems.begin() + index, std::make_unique<TPictureItem>());
    return it->get();
}

void TPictureCollection::Delete(int index) {
    Items(index);
    FItems.erase(FItems.begin() + index);
}

TPictureItem* TPictureCollection::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FItems[static_cast<size_t>(index)].get();
}

void TPictureCollection::SetItems(int index, const TPictureItem* item) {
    Items(index)->Assign(item);
}

bool TPictureCollection::Animate() {
    bool changed = false;
    for (const auto& item : FItems)
        changed = item->Picture()->Step() || changed;
    return changed;
}

TPictureContainer::TPictureContainer(TComponent* owner)
    : TComponent(owner), FItems(std::make_unique<TPictureCollection>(this)) {}

THTMLPicture* TPictureContainer::FindPicture(const String& name) const {
    const String wanted = name.toUpper();
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Items(i)->Name().toUpper() == wanted) return FItems->Items(i)->Picture();
    return nullptr;
}
