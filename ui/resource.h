// Resource and control ids shared by the resource script and the code.
#pragma once

// Page templates: the Korean pair, and one translated pair per further language.
#define IDD_OPTION_PAGE_EN 103
#define IDD_SYSTEM_PAGE_EN 104
#define IDD_OPTION_PAGE 105
#define IDD_SYSTEM_PAGE 106
#define IDD_OPTION_PAGE_ZH_CN 107
#define IDD_SYSTEM_PAGE_ZH_CN 108
#define IDD_SYSTEM_PAGE_ZH_TW 110
#define IDD_OPTION_PAGE_ZH_TW 111
#define IDD_OPTION_PAGE_PT 112
#define IDD_SYSTEM_PAGE_PT 139
#define IDD_OPTION_PAGE_RU 140
#define IDD_SYSTEM_PAGE_RU 141
#define IDD_SYSTEM_PAGE_JA 142
#define IDD_OPTION_PAGE_JA 143

// Page backgrounds (573 x 437 and 514 x 437 pixels), and the same pictures drawn at 200 % for
// scaled displays, as PNG.
#define IDB_SYSTEM_BACK 133
#define IDB_OPTION_BACK 138
#define IDR_SYSTEM_BACK_200 151
#define IDR_OPTION_BACK_200 153

// System page controls.
#define IDC_DEVICE 1027
#define IDC_MODE 1028
#define IDC_FULLSCREEN 1029
#define IDC_SPRITE 1030
#define IDC_TEXTURE 1031
#define IDC_BGM_VOLUME 1032
#define IDC_EFFECT_VOLUME 1033
#define IDC_BGM_ON 1034
#define IDC_EFFECT_ON 1035
#define IDC_MOUSE_EXCLUSIVE 1036
#define IDC_NO_SOUND 1037

// Option page check boxes, one per chat-command switch.
#define IDC_CMD_LIGHTMAP 1013
#define IDC_CMD_FOG 1018
#define IDC_CMD_NOTRADE 1026
#define IDC_CMD_SKILLFAIL 1027
#define IDC_CMD_SHOWNAME 1028
#define IDC_CMD_WINDOW 1029
#define IDC_CMD_SHOPPING 1031
#define IDC_CMD_SNAP 1032
#define IDC_CMD_HOAI 1033
#define IDC_CMD_NOSHIFT 1035
#define IDC_CMD_NOTALKMSG 1036
#define IDC_CMD_MISS 1038
#define IDC_CMD_STATEINFO 1040
#define IDC_CMD_ITEMSNAP 1041
#define IDC_CMD_MERAI 1042
#define IDC_CMD_NOCTRL 1044
#define IDC_CMD_NOTALKMSG2 1045
#define IDC_CMD_AURA 1046
#define IDC_CMD_EFFECT 1047
#define IDC_CMD_LOGINOUT 1048
#define IDC_CMD_CAMERA 1049

// The sheet's own Reset button, in the Help button's place.
#define IDC_RESET 1050

// Setup's own texts: a string table per language, beside its templates; numbered without gaps
// from IDS_OK to IDS_SHEET_FAILED. The three buttons.
#define IDS_OK 256
#define IDS_CANCEL 257
#define IDS_RESET 258
// The notices, each a whole message as the player reads it; {file} stands for a file's path.
// Before the sheet: why the saved file was not used, and what a save will do with it.
#define IDS_UNREADABLE 259
#define IDS_UNREADABLE_ON_SAVE 260
#define IDS_PRECOMPILED 261
#define IDS_PRECOMPILED_ON_SAVE 262
#define IDS_UNFIT_UNICODE 263
#define IDS_UNFIT_UNICODE_ON_SAVE 264
// Before the sheet: what a save will leave out of the file.
#define IDS_HIDDEN_TEXT 265
#define IDS_NUL_IN_LINES 266
// After a save in which a step failed: the heading, then one line per place not written; the
// saved file's line says why it was left as it was.
#define IDS_SAVE_FAILED 267
#define IDS_STILL_UNREADABLE 268
#define IDS_STILL_UNFIT_UNICODE 269
#define IDS_WOULD_NOT_LOAD 270
#define IDS_NOT_WRITTEN 271
// Beside the client's copy that could not be saved: the game folder's file, not written either.
#define IDS_LEFT_AS_WELL 272
// Before the sheet: a saved file too large to read (8 MB), which a save leaves alone; then the
// headings above lists of the client's files too large to read and of the files cut short, and
// what a save does with a saved file cut short.
#define IDS_SAVED_TOO_LARGE 273
#define IDS_TOO_LARGE 274
#define IDS_CUT_SHORT 275
#define IDS_CUT_SHORT_ON_SAVE 276
// After a save: the saved file was still too large.
#define IDS_STILL_TOO_LARGE 277
// Out of memory while reading the settings (the run ends) or while saving (nothing written).
#define IDS_OUT_OF_MEMORY 278
#define IDS_SAVE_OUT_OF_MEMORY 279
// The sheet could not be made, or its message loop failed.
#define IDS_SHEET_FAILED 280
