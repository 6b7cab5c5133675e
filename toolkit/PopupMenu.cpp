#include "PopupMenu.h"

#include "Application.h"
#include "Exception.h"
#include "Text.h"

#include <algorithm>

std::string ShortCutToText(int shortCut) {
    int key = shortCut & 0xFF;
    if (key == 0)
        return {};
    std::string text;
    if (shortCut & scCtrl)
        text += "Ctrl+";
    if (shortCut & scShift)
        text += "Shift+";
    if (shortCut & scAlt)
        text += "Alt+";
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        text += char(key);
    else if (key >= VK_F1 && key <= VK_F24)
        text += 'F' + std::to_string(key - VK_F1 + 1);
    else {
        wchar_t name[64] = {};
        UINT scan = MapVirtualKeyW(UINT(key), MAPVK_VK_TO_VSC);
        if (GetKeyNameTextW(LONG(scan << 16), name, 64) > 0)
            text += Narrow(name);
        else
            text += '#' + std::to_string(key);
    }
    return text;
}

// --- TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    for (TMenuItem* item : items_)
        item->parentItem_ = nullptr;
    Detach();
}

void TMenuItem::Detach() {
    if (parentItem_) {
        auto& siblings = parentItem_->items_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        parentItem_->Changed();
        parentItem_ = nullptr;
    }
    if (menu_) {
        TPopupMenu* menu = menu_;
        menu_ = nullptr;
        menu->Forget(*this);
    }
}

void TMenuItem::Changed() {
    TMenuItem* top = this;
    while (top->parentItem_)
        top = top->parentItem_;
    if (top->menu_)
        top->menu_->Rebuild();
}

void TMenuItem::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Changed();
}

void TMenuItem::SetVisible(bool visible) {
    visible_ = visible;
    Changed();
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    Changed();
}

std::vector<TMenuItem*>* TMenuItem::Siblings() const {
    if (parentItem_)
        return &parentItem_->items_;
    if (menu_)
        return &menu_->items_;
    return nullptr;
}

// One default item among its siblings: the one a double click runs must be
// the one drawn bold.
void TMenuItem::SetDefault(bool isDefault) {
    if (isDefault)
        if (std::vector<TMenuItem*>* siblings = Siblings())
            for (TMenuItem* sibling : *siblings)
                sibling->default_ = sibling == this;
    default_ = isDefault;
    Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
}

void TMenuItem::SetShortCut(std::string text) {
    shortCut_ = std::move(text);
    Changed();
}

void TMenuItem::Add(TMenuItem& item) {
    if (&item == this)
        throw Exception("A menu item cannot hold itself");
    item.Detach();
    item.parentItem_ = this;
    items_.push_back(&item);
    if (item.default_)
        item.SetDefault(true);
    Changed();
}

void TMenuItem::Click() {
    if (onClick_)
        Application().Dispatch([this] { onClick_(*this); });
}

// --- TPopupMenu

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), menu_(CreatePopupMenu()) {
    if (!menu_)
        throw Exception("Cannot create a menu");
}

TPopupMenu::~TPopupMenu() {
    for (TMenuItem* item : items_)
        item->menu_ = nullptr;
}

void TPopupMenu::Add(TMenuItem& item) {
    item.Detach();
    item.menu_ = this;
    items_.push_back(&item);
    if (item.default_)
        item.SetDefault(true);
    Rebuild();
}

void TPopupMenu::Forget(TMenuItem& item) {
    items_.erase(std::remove(items_.begin(), items_.end(), &item), items_.end());
    Rebuild();
}

void TPopupMenu::Removing(TComponent* component) {
    if (component == images_)
        images_ = nullptr;
    if (component == popupComponent_)
        popupComponent_ = nullptr;
}

HMENU TPopupMenu::Handle() {
    return menu_.Get();
}

// The platform menu cannot hide an item, so the menu is built again from the
// visible items after every change; it is small.
void TPopupMenu::Rebuild() {
    while (GetMenuItemCount(menu_.Get()) > 0)
        DeleteMenu(menu_.Get(), 0, MF_BYPOSITION);
    commands_.clear();
    Fill(menu_.Get(), items_);
}

void TPopupMenu::Fill(HMENU menu, const std::vector<TMenuItem*>& items) {
    for (TMenuItem* item : items) {
        if (!item->visible_)
            continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        if (item->IsLine()) {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
        } else {
            commands_.push_back(item);
            // The menu keeps its own copy of the text.
            std::wstring text = Widen(item->caption_);
            if (!item->shortCut_.empty()) {
                text += L'\t';
                text += Widen(item->shortCut_);
            }
            info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
            info.fType = MFT_STRING;
            info.wID = UINT(commands_.size());
            info.dwTypeData = text.data();
            info.fState = (item->checked_ ? MFS_CHECKED : 0) | (item->default_ ? MFS_DEFAULT : 0) |
                          (item->enabled_ ? 0 : MFS_DISABLED);
            if (!item->items_.empty()) {
                HMENU sub = CreatePopupMenu();
                Fill(sub, item->items_);
                info.fMask |= MIIM_SUBMENU;
                info.hSubMenu = sub;
            }
            InsertMenuItemW(menu, UINT(GetMenuItemCount(menu)), TRUE, &info);
            continue;
        }
        InsertMenuItemW(menu, UINT(GetMenuItemCount(menu)), TRUE, &info);
    }
}

void TPopupMenu::Popup(int x, int y) {
    Popup(x, y, Application().Handle());
}

void TPopupMenu::Popup(int x, int y, HWND owner) {
    if (onPopup_)
        Application().Dispatch([this] { onPopup_(*this); });
    Rebuild();
    UINT command =
        UINT(TrackPopupMenuEx(menu_.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, owner, nullptr));
    if (command > 0 && command <= commands_.size())
        commands_[command - 1]->Click();
}
