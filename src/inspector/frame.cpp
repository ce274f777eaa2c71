// The inverted frame around the pointed window. (Drawing arrives with the picking work.)
#include "inspector/main_dialog.h"

void PLRA_DlgPellora::DrawFrame(HWND) {}

void PLRA_DlgPellora::EraseFrame() { framedWindow = nullptr; }
