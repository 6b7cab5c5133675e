#include "ImageList.h"

#include "Exception.h"
#include "PictureResource.h"
#include "ScreenDpi.h"

TImageList::TImageList(TComponent* owner) : TComponent(owner) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    list_ = ImageList_Create(size_, size_, ILC_COLOR32 | ILC_MASK, 4, 4);
    if (!list_)
        throw Exception("Cannot create an image list");
}

TImageList::~TImageList() {
    ImageList_Destroy(list_);
}

int TImageList::Count() const {
    return ImageList_GetImageCount(list_);
}

int TImageList::Make(const Source& source) {
    if (source.icon) {
        int index = ImageList_AddIcon(list_, source.icon.Get());
        if (index < 0)
            throw Exception("Cannot add an icon to an image list");
        return index;
    }
    GdiObject bitmap = LoadPictureResource(source.resource, size_);
    auto picture = static_cast<HBITMAP>(bitmap.Get());
    MemoryDc dc(CreateCompatibleDC(nullptr));
    COLORREF clear;
    {
        ScopedSelect select(dc.Get(), picture);
        clear = GetPixel(dc.Get(), 0, size_ - 1);
    }
    int index = ImageList_AddMasked(list_, picture, clear);
    if (index < 0)
        throw Exception("Cannot add a bitmap to an image list");
    return index;
}

int TImageList::AddIcon(HICON icon) {
    Source source{{}, IconHandle(CopyIcon(icon))};
    if (!source.icon)
        throw Exception("Cannot add an icon to an image list");
    int index = Make(source);
    sources_.push_back(std::move(source));
    return index;
}

int TImageList::AddResource(const std::string& name) {
    Source source{name, {}};
    int index = Make(source);
    sources_.push_back(std::move(source));
    return index;
}

void TImageList::Clear() {
    ImageList_RemoveAll(list_);
    sources_.clear();
}

void TImageList::ChangeScale(int toPpi, int /*fromPpi*/) {
    const int size = SmallIconSize(toPpi);
    if (size == size_ || size <= 0)
        return;
    size_ = size;
    // A new size empties the list; the same handle stays, so whoever holds
    // it holds the new images.
    ImageList_SetIconSize(list_, size_, size_);
    for (const Source& source : sources_)
        Make(source);
}
