#include "inspector/clipboard_copy.h"

namespace plra {

// Arrives with the clipboard work.
bool CopyInformationToClipboard(PLRA_DlgPellora&) { return false; }

}  // namespace plra
