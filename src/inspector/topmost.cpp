// Making the selected window topmost. (Arrives with the pinning work.)
#include "inspector/main_dialog.h"

void PLRA_DlgPellora::SetSelectedWindowTopmost() {}
