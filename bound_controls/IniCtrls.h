#pragma once
// The control library: a settings source and the controls bound to keys of its settings file.
#include "IniBoundControl.h"
#include "IniCheckBox.h"
#include "IniComboBox.h"
#include "IniEdit.h"
#include "IniFile.h"
#include "IniFilenameEditor.h"
#include "IniGrid.h"
#include "IniMessages.h"
#include "IniRadioButton.h"
#include "IniSource.h"
