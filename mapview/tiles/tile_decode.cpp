#include "tile_decode.h"

#include <wincodec.h>

namespace mapview {

namespace {

template <class T> class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_ != nullptr) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** out() { return &p_; }
    T* operator->() const { return p_; }
    T* get() const { return p_; }

  private:
    T* p_ = nullptr;
};

// One factory per thread: WIC factories are cheap to keep and costly to make per tile.
thread_local IWICImagingFactory* t_factory = nullptr;

IWICImagingFactory* Factory() {
    if (t_factory == nullptr) {
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                         reinterpret_cast<void**>(&t_factory));
    }
    return t_factory;
}

} // namespace

void ReleaseTileDecoder() {
    if (t_factory != nullptr) t_factory->Release();
    t_factory = nullptr;
}

int DecodeTile(const std::string& bytes, DecodedTile* out) {
    *out = DecodedTile();
    IWICImagingFactory* factory = Factory();
    if (factory == nullptr || bytes.empty() || bytes.size() > 0x7fffffff) return -1;
    ComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                            static_cast<DWORD>(bytes.size())))) {
        return -1;
    }
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                decoder.out()))) {
        return -1;
    }
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.out()))) return -1;
    UINT width = 0, height = 0;
    if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 || width > 1024 ||
        height > 1024) {
        return -1;
    }
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
        return -1;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top row first, as WIC gives them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) {
        if (bitmap != nullptr) DeleteObject(bitmap);
        return -1;
    }
    const UINT stride = width * 4;
    // A truncated image fails here, where the missing rows would be read.
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return -1;
    }
    bool opaque = true;
    const BYTE* p = static_cast<const BYTE*>(bits);
    for (UINT i = 3; i < stride * height; i += 4) {
        if (p[i] != 255) {
            opaque = false;
            break;
        }
    }
    out->bitmap = bitmap;
    out->opaque = opaque;
    out->width = static_cast<int>(width);
    out->height = static_cast<int>(height);
    return 0;
}

} // namespace mapview
