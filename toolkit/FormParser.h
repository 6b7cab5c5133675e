#pragma once

// Reads the text of a form description into FormObject values (FormValue.h).
//
//   object frmMain: TfrmMain          an object: name, colon, class; the name
//     Caption = 'Tallyvane'           may be left out (object TSomething)
//     LeftAxis.Title.Caption = 'x'    dotted names reach sub-objects
//     object TreeView: TTreeView      nested objects follow the properties
//     end
//   end
//
// Values: integers (-12, $FF), floats (1.5, -2.5E3), strings ('it''s',
// 'a'#39'b', #13#10, and 'a' + 'b' across lines), identifiers (True,
// alClient, clWhite), sets ([ssShift, ssCtrl]), lists (( 1 2 3 )), item lists
// (< item Prop = 1 end item end >) and binary data ({ 0A1B }). Text after //
// up to the line end is a comment.
//
// Every error is a FormError naming source(line:column) of the offending token.
#include "FormValue.h"

#include <string>
#include <string_view>

[[nodiscard]] FormObject ParseForm(std::string_view text, const std::string& source);
