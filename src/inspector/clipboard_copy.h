// Copying the panel's details to the clipboard as text.
#pragma once

#include "inspector/main_dialog.h"

namespace plra {

// True when the text was placed on the clipboard.
bool CopyInformationToClipboard(PLRA_DlgPellora& dialog);

}  // namespace plra
