// Pictures for markup: THTMLPicture (any picture's bytes, with GIF frames and timing), the URL cache and the
// component of named pictures.
#pragma once

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/PictureFrames.h"
#include "toolkit/system/Streams.h"

#include <memory>
#include <vector>

// Keeps a picture's file bytes and shows them; a GIF shows one frame at a time, stepped by Step.
// A picture whose bytes do not read is empty.
class THTMLPicture : public TGraphicHolder {
public:
    THTMLPicture();
    ~THTMLPicture() override;
    String ClassName() const override { return "THTMLPicture"; }

    void Assign(const TPersistent* source) override;
    int Width() const override;
    int Height() const override;
    bool Empty() const override { return FIsEmpty; }
    // Draws at natural size at the rectangle's top-left, or stretched into it when Stretch is on.
    void Draw(TCanvas* canvas, const TRect& rect) override;
    // Always stretched into `rect`.
    void StretchDraw(TCanvas* canvas, const TRect& rect);
    // The stream path: the bytes stay even when they do not read; the failure is raised.
    void LoadFromBytes(const QByteArray& data) override;
    QByteArray SaveToBytes() const override { return FData; }

    void LoadFromStream(TStream* stream);
    void SaveToStream(TStream* stream) const;
    // The streamed-component path: the rest of `stream` becomes the picture's bytes as LoadFromStream takes
    // them, without OnChange; WriteData writes the bytes as they were loaded.
    void ReadData(TStream* stream);
    void WriteData(TStream* stream) const { SaveToStream(stream); }
    // Never raises: a file that is missing, not a regular file, too large or not a picture leaves it empty.
    void LoadFromFile(const String& fileName);
    // A picture compiled into the program; nothing happens when there is none of that name.
    void LoadFromResourceName(const String& name);
    // "res://<name>" and "file://<path>" load (any letter case of the prefix); other URLs are only
    // recorded: nothing is downloaded.
    void LoadFromURL(const String& url);

    bool Stretch() const { return FStretched; }
    void SetStretch(bool v) { FStretched = v; }
    String ID() const { return FID; }
    String URL() const { return FURL; }

    int Frame() const { return FFrame; }
    void SetFrame(int frame);
    void FrameNext();
    void FramePrev();
    // Frames of a GIF; -1 for other pictures.
    int FrameCount() const { return FFrameCount; }
    // Hundredths of a second that frame `frame` (1-based) shows; -1 when not a GIF or no such frame.
    int GetFrameTime(int frame) const;
    bool IsGIFFile() const;
    // One animation tick of 100 ms; true when the frame changed.
    bool Step();
    int GetMaxWidth() const;
    int GetMaxHeight() const;
    int FrameXPos() const { return 0; } // the reader gives whole-area frames
    int FrameYPos() const { return 0; }

    TNotifyEvent OnFrameChange;

protected:
    TGraphic* Shown() const override { return Current(); }
    // Only another THTMLPicture brings a picture; raw pixels leave it empty.
    void ForgetContent() override;

private:
    void Reset();
    // Decodes FData; raises EInvalidGraphic when the bytes are not a picture.
    void Decode();
    void ShowFrame();
    TGraphic* Current() const;

    QByteArray FData;
    bool FIsEmpty = true;
    bool FStretched = false;
    String FURL;
    String FID;
    int FFrame = 1;
    int FFrameCount = -1;
    int FAnimMaxX = 0;
    int FAnimMaxY = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
    std::unique_ptr<TPicture> FDecoded; // a still picture
    TPictureFrameSet FAnimation;        // a GIF's frames and delays
    std::unique_ptr<TBitmap> FFrameImage; // the frame on show
};

// The grid's pictures named by URL; it owns them.
class THTMLPictureCache {
public:
    THTMLPictureCache() = default;
    ~THTMLPictureCache() = default;
    THTMLPictureCache(const THTMLPictureCache&) = delete;
    THTMLPictureCache& operator=(const THTMLPictureCache&) = delete;

    THTMLPicture* AddPicture();
    // The first picture whose ID is exactly `id`.
    THTMLPicture* FindPicture(const String& id) const;
    int Count() const { return static_cast<int>(FItems.size()); }
    THTMLPicture* GetPicture(int index) const;
    void SetPicture(int index, const THTMLPicture* picture);
    void ClearPictures() { FItems.clear(); }
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> FItems;
};

class TPictureItem : public TPersistent {
public:
    TPictureItem();
    String ClassName() const override { return "TPictureItem"; }
    void Assign(const TPersistent* source) override;
    THTMLPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const THTMLPicture* v) { FPicture->Assign(v); }
    int Tag() const { return FTag; }
    void SetTag(int v) { FTag = v; }
    String Name() const { return FName; }
    void SetName(const String& v) { FName = v; }

private:
    std::unique_ptr<THTMLPicture> FPicture;
    int FTag = 0;
    String FName;
};

class TPictureCollection : public TPersistent {
public:
    explicit TPictureCollection(TComponent* owner) : FOwner(owner) {}
    String ClassName() const override { return "TPictureCollection"; }
    void Assign(const TPersistent* source) override;
    TPictureItem* Add();
    TPictureItem* Insert(int index);
    void Delete(int index);
    void Clear() { FItems.clear(); }
    int Count() const { return static_cast<int>(FItems.size()); }
    TPictureItem* Items(int index) const;
    void SetItems(int index, const TPictureItem* item);
    bool Animate();
    TComponent* GetOwner() const { return FOwner; }

private:
    TComponent* FOwner;
    std::vector<std::unique_ptr<TPictureItem>> FItems;
};

// Named pictures for the markup's IMG tags; names are found without regard to letter case.
class TPictureContainer : public TComponent {
public:
    explicit TPictureContainer(TComponent* owner);
    String ClassName() const override { return "TPictureContainer"; }
    TPictureCollection* Items() const { return FItems.get(); }
    // Copies the items of `items`.
    void SetItems(const TPictureCollection* items) { FItems->Assign(items); }
    virtual THTMLPicture* FindPicture(const String& name) const;

private:
    std::unique_ptr<TPictureCollection> FItems;
};
