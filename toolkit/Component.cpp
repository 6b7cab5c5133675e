#include "Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_)
        owner_->components_.push_back(this);
}

TComponent::~TComponent() {
    destroying_ = true;
    DestroyComponents();
    if (owner_) {
        auto& siblings = owner_->components_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        if (!owner_->destroying_)
            for (TComponent* sibling : siblings)
                sibling->Removing(this);
    }
}

void TComponent::DestroyComponents() {
    while (!owned_.empty()) {
        std::unique_ptr<TComponent> last = std::move(owned_.back());
        owned_.pop_back();
        last.reset();
    }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* c : components_)
        if (c->name_ == name)
            return c;
    return nullptr;
}

void TComponent::EndLoading() {
    loading_ = false;
    Loaded();
}
