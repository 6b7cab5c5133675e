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
// with the setter's std::function type (see FormHandlers.h), guarded by
// WhileFormLives.
// Reference<R>(name, setter) takes the name of another component of the form
// (of class R; nil for none); a component written later in the description
// is found when the whole description has been read, before the end of
// loading.
// Nest(rule) says what happens to an object written inside one of this class
// (a control's child controls get it as parent; a menu takes its items).
#include "Component.h"
#include "FormHandlers.h"
#include "FormValue.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A form's handler as its components hold it: once the form's destruction
// has begun, the form's derived part (the handler's object) is gone, and the
// call does nothing.
template <typename R, typename... A>
std::function<R(A...)> WhileFormLives(const TComponent& form, std::function<R(A...)> handler) {
    return [&form, handler = std::move(handler)](A... args) -> R {
        if (form.Destroying())
            return R();
        return handler(std::forward<A>(args)...);
    };
}

// What a setter may need besides its value: the form, its handlers, and a
// place for work that must wait until the whole description has been read.
struct FormContext {
    TComponent& form;
    const FormHandlers& handlers;
    std::vector<std::function<void()>> fixups;
};

class FormClasses {
public:
    using Factory = std::function<TComponent&(TComponent& owner)>;
    using Setter =
        std::function<void(TComponent& target, const FormValue& value, FormContext& context)>;
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
                                              FormContext&) {
                setter(static_cast<T&>(target), value);
            };
            return *this;
        }

        template <typename R, typename F> Builder& Reference(const std::string& name, F setter) {
            info_.properties[name] = [setter](TComponent& target, const FormValue& value,
                                              FormContext& context) {
                const std::string& other = value.AsIdent();
                T& self = static_cast<T&>(target);
                if (other == "nil") {
                    setter(self, static_cast<R*>(nullptr));
                    return;
                }
                auto resolve = [&self, setter, other, position = value.position,
                                &form = context.form]() {
                    TComponent* found = form.FindComponent(other);
                    R* typed = dynamic_cast<R*>(found);
                    if (!found)
                        throw FormError(position, "Unknown component '" + other + "'");
                    if (!typed)
                        throw FormError(position, "Component '" + other + "' is of the wrong kind");
                    setter(self, typed);
                };
                if (context.form.FindComponent(other))
                    resolve();
                else
                    context.fixups.push_back(resolve);
            };
            return *this;
        }

        template <typename Sig, typename C>
        Builder& Event(const std::string& name, void (C::*setter)(std::function<Sig>)) {
            info_.properties[name] = [setter](TComponent& target, const FormValue& value,
                                              FormContext& context) {
                std::function<Sig> handler =
                    context.handlers.Get<Sig>(value.AsIdent(), value.position);
                if (handler)
                    (static_cast<T&>(target).*
                     setter)(WhileFormLives(context.form, std::move(handler)));
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
