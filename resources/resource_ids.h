// Identifiers of Pellora's resources and of the controls in its dialog templates.
// Shared by the resource script and the C++ code; plain macros so windres reads them too.
#ifndef PELLORA_RESOURCE_IDS_H
#define PELLORA_RESOURCE_IDS_H

// Dialog templates.
#define PLRA_DLG_MAIN 196
#define PLRA_DLG_ABOUT 103

// Icon groups (each with 32, 24 and 16 pixel images).
#define PLRA_ICO_APP 101
#define PLRA_ICO_APP_SPARE 102
#define PLRA_ICO_ABOUT 135
#define PLRA_ICO_MAKER 140
#define PLRA_ICO_CLOSE 141
#define PLRA_ICO_MENU 144
#define PLRA_ICO_SAVE 146
#define PLRA_ICO_SHORTCUT 176
#define PLRA_ICO_EXIT 177
#define PLRA_ICO_TARGET_EMPTY 182
#define PLRA_ICO_TARGET 183
#define PLRA_ICO_COPY 192

// The drag cursor: a crosshair target, hot spot (15, 15).
#define PLRA_CUR_CROSSHAIR 191

// Sounds (WAVE resources).
#define PLRA_WAV_TICKED 144
#define PLRA_WAV_CLEARED 167
#define PLRA_WAV_FAILED 147
#define PLRA_WAV_COPIED 193
#define PLRA_WAV_SAVED 159
#define PLRA_WAV_SHORTCUT 130

// Controls of the main dialog.
#define PLRA_ID_MENU 1
#define PLRA_ID_TARGET 101
#define PLRA_ID_KEEP_ON_TOP 102
#define PLRA_ID_FIND_ROOT 103
#define PLRA_ID_DRAW_FRAME 104
#define PLRA_ID_TITLE 201
#define PLRA_ID_CLASS 202
#define PLRA_ID_DESCRIPTOR 203
#define PLRA_ID_IDENTIFIER 204
#define PLRA_ID_STYLE 205
#define PLRA_ID_EXSTYLE 206
#define PLRA_ID_PARENT 207
#define PLRA_ID_RECTANGLE 208
#define PLRA_ID_SELECTED_ON_TOP 209
#define PLRA_ID_TITLE_LABEL 301
#define PLRA_ID_RECTANGLE_LABEL 308
#define PLRA_ID_COPY 401
// The exit command: sent by the menu's Exit item and for the close box.
#define PLRA_ID_EXIT 32767

// Controls of the about box.
#define PLRA_ID_ABOUT_VERSION 1026
#define PLRA_ID_ABOUT_WEBPAGE 1061
#define PLRA_ID_ABOUT_CONTRIBUTOR 213

// The product's addresses (shown by the about box, opened by F1 and the links).
#define PLRA_WEB_PAGE_ADDRESS "https://pellora.example.org/"
#define PLRA_CONTRIBUTOR_ADDRESS "https://contributors.example.org/pellora/"

#endif
