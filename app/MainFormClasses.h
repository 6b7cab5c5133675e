#pragma once

#include "toolkit/FormClasses.h"

// Every class the main window's form description names.
const FormClasses& MainFormClasses();
