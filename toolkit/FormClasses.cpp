#include "FormClasses.h"

const FormClasses::ClassInfo* FormClasses::Find(const std::string& name) const {
    auto found = classes_.find(name);
    return found == classes_.end() ? nullptr : found->second.get();
}

const FormClasses::Setter* FormClasses::FindProperty(const ClassInfo& info,
                                                     const std::string& property) const {
    // A base chain is short; the guard only stops a loop of mistaken bases.
    const ClassInfo* current = &info;
    for (int depth = 0; current && depth < 32; ++depth) {
        auto found = current->properties.find(property);
        if (found != current->properties.end())
            return &found->second;
        current = current->base.empty() ? nullptr : Find(current->base);
    }
    return nullptr;
}

const FormClasses::Nester* FormClasses::FindNester(const ClassInfo& info) const {
    const ClassInfo* current = &info;
    for (int depth = 0; current && depth < 32; ++depth) {
        if (current->nester)
            return &current->nester;
        current = current->base.empty() ? nullptr : Find(current->base);
    }
    return nullptr;
}
