#pragma once

// How text sits in its box, for controls and chart titles alike.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
