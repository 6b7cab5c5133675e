#pragma once

// The classes a form description may name: for each, how to make one and
// which properties it loads, by (dotted) name. A class inherits the
// properties and the nesting rule of its base class.
//
//   FormClasses classes;
//   RegisterControlClasses(classes);          // toolkit classes, ControlClasses.h
//   classes.Class<TButton>("TButton", "TControl")
//       .Property("Caption", [](TButton& b, const FormValue& v) { b.SetCaption(v.AsString()); })
//       .Event("OnClick", &TButton::SetOnClick);
//   classes.Abstract<TControl>("TControl");   // properties only, never made
//
// Event(name, setter) binds the handler named by the value (an identifier)
// with the setter's std::function type; see FormHandlers.h.
// Nest(rule) says what happens to an object written inside one of this class
// (a control's child controls get it as parent; a menu takes its items).
#include "Component.h"
#include "FormHandlers.h"
#include "FormValue.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

class FormClasses {
public:
    using Factory = std::function<TComponent&(TComponent& owner)>;
    using Setter = std::function<void(TComponent& target, const FormValue& value,
                                      const FormHandlers& handlers)>;
    // Takes a nested component; false when it is not one the container holds.
    using Nester = std::function<bool(TComponent& container, TComponent& child)>;

    struct ClassInfo {
        std::string name;
        std::string base;
        Factory factory;
        std::map<std::string, Setter> properties;
        Nester nester;
        // Checks that a component really is of this class (for the setters' casts).
        std::function<bool(TComponent&)> isInstance;
    };

    template <typename T> class Builder {
    public:
        explicit Builder(ClassInfo& info) : info_(info) {}

        template <typename F> Builder& Property(const std::string& name, F setter) {
            info_.properties[name] = [setter](TComponent& target, const FormValue& value,
                                              const FormHandlers&) {
                setter(static_cast<T&>(target), value);
            };
            return *this;
        }

        template <typename Sig, typename C>
        Builder& Event(const std::string& name, void (C::*setter)(std::function<Sig>)) {
            info_.properties[name] = [setter](TComponent& target, const FormValue& value,
                                              const FormHandlers& handlers) {
                (static_cast<T&>(target).*
                 setter)(handlers.Get<Sig>(value.AsIdent(), value.position));
            };
            return *this;
        }

        template <typename F> Builder& Nest(F nester) {
            info_.nester = [nester](TComponent& container, TComponent& child) {
                return nester(static_cast<T&>(container), child);
            };
            return *this;
        }

    private:
        ClassInfo& info_;
    };

    // A class the loader can make: T(TComponent* owner), owned by the form.
    template <typename T> Builder<T> Class(const std::string& name, const std::string& base = "") {
        ClassInfo& info = Add<T>(name, base);
        info.factory = [](TComponent& owner) -> TComponent& { return owner.Make<T>(); };
        return Builder<T>(info);
    }

    // A class whose properties others inherit but that is never made itself.
    template <typename T>
    Builder<T> Abstract(const std::string& name, const std::string& base = "") {
        return Builder<T>(Add<T>(name, base));
    }

    const ClassInfo* Find(const std::string& name) const;
    // Looks up a property along the base classes; nullptr when unknown.
    const Setter* FindProperty(const ClassInfo& info, const std::string& property) const;
    const Nester* FindNester(const ClassInfo& info) const;

private:
    template <typename T> ClassInfo& Add(const std::string& name, const std::string& base) {
        auto info = std::make_unique<ClassInfo>();
        info->name = name;
        info->base = base;
        info->isInstance = [](TComponent& c) { return dynamic_cast<T*>(&c) != nullptr; };
        ClassInfo& ref = *info;
        classes_[name] = std::move(info);
        return ref;
    }

    std::map<std::string, std::unique_ptr<ClassInfo>> classes_;
};
