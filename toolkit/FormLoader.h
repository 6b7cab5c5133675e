#pragma once

// Builds a form's components from its form description.
//
//   LoadForm(form, classes, handlers, text, source)
//   LoadFormResource(form, classes, handlers, L"FRMMAIN")   RCDATA of the executable
//   std::string ReadFormResource(L"FRMMAIN")
//
// The root object of the description is the form itself: its properties are
// applied to `form` with the class the description names if that class is
// registered, else with `rootClass` ("TForm"). Then, in file order, each
// nested object: its class's factory makes it with the form as owner; it is
// marked loading (BeginLoading); it gets its Name (unique among the form's
// components); the enclosing object's nesting rule takes it (a control
// becomes the parent of a control written inside it); then its properties
// are applied in file order through the class's setters, which act at once;
// event properties bind the form's handlers by name. When everything is read,
// references to components written further down are resolved, then every
// component, the form first, then in creation order, runs EndLoading.
//
// Errors are FormErrors naming source(line:column): unknown class or
// property, a value of the wrong kind, a missing handler, a duplicate name,
// an object nested where it cannot go. Components made before the error stay
// owned by the form, and all of them still leave the loading state.
// An end-of-loading step that fails stops none of the others: when every
// component has left the loading state, the first such error is raised as
// it came (after a FormError of the description itself, none is).
#include "FormClasses.h"
#include "FormHandlers.h"

#include <string>
#include <string_view>
#include <vector>

void LoadForm(TComponent& form, const FormClasses& classes, const FormHandlers& handlers,
              std::string_view text, const std::string& source,
              const std::string& rootClass = "TForm");

// Builds only the objects named in `names` (each with everything written
// inside it), in file order, as the whole description would build them; the
// root's own properties are left out. Whoever needs the charts of a window
// without the window (the chart demo, tests, benchmarks) takes them from the
// window's own description this way instead of from a copy of its design.
// A name the root does not hold is an error.
void LoadFormObjects(TComponent& form, const FormClasses& classes, const FormHandlers& handlers,
                     std::string_view text, const std::string& source,
                     const std::vector<std::string>& names, const std::string& rootClass = "TForm");

// The text of an RCDATA resource of this executable; an Exception if missing.
std::string ReadFormResource(const wchar_t* name);

void LoadFormResource(TComponent& form, const FormClasses& classes, const FormHandlers& handlers,
                      const wchar_t* name, const std::string& rootClass = "TForm");
