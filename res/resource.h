// Resource identifiers of Calyx. The numbers are fixed: settings, tests and the command
// routing rely on them.
#pragma once

// Icons, cursors, menu, accelerators.
#define IDR_MAINFRAME 1000          // icon 1000, popup menu 1000, accelerator table 1000
#define IDI_SIZING_TOOL 1006
#define IDI_PICKER 1020
#define IDI_PICKER_EMPTY 1021
#define IDC_PICKER 1030            // over the window picker
#define IDC_PICKER_TRACKING 1032   // while a picker is dragged

// Dialog templates.
#define IDD_SIZING_TOOL 1006
#define IDD_HOT_KEYS 1007
#define IDD_CUSTOM_SCALE 1008
#define IDD_WINDOW_COLORS 1009
#define IDD_CALIBRATE 1010

// Strings.
#define IDS_SIZING_TOOL_TOGGLE 1054  // "Show Si&zing Tool\tZ\nHide Si&zing Tool\tZ"
#define IDS_RULER_CUSTOM_SCALE 1055
#define IDS_MAGNIFIER_CUSTOM_SCALE 1056
#define IDS_OS_TOO_OLD 25250
#define IDS_SHOW_HIDE 25254
#define IDS_SYSTEM_ERROR 25260
#define IDS_APP_TITLE 57344
#define IDS_RESOURCE_EXCEPTION 61474
#define IDS_MEMORY_EXCEPTION 61475
#define IDS_PARSE_INT 61704
#define IDS_PARSE_INT_RANGE 61708
#define IDS_PARSE_STRING_SIZE 61716
#define IDS_FILE_GENERIC 61856
#define IDS_FILE_NOT_FOUND 61857
#define IDS_FILE_BAD_PATH 61858
#define IDS_FILE_TOO_MANY_OPEN 61859
#define IDS_FILE_ACCESS_DENIED 61860
#define IDS_FILE_INVALID 61861
#define IDS_FILE_REMOVE_CURRENT_DIR 61862
#define IDS_FILE_DIRECTORY_FULL 61863
#define IDS_FILE_BAD_SEEK 61864
#define IDS_FILE_HARD_IO 61865
#define IDS_FILE_SHARING 61866
#define IDS_FILE_LOCKING 61867
#define IDS_FILE_DISK_FULL 61868
#define IDS_FILE_END_OF_FILE 61869
#define IDS_FILE_NO_FILE 61870

// Unit commands; the same ids hold the units' abbreviations in the string table.
#define ID_UNIT_CM 2010
#define ID_UNIT_DBU 2011
#define ID_UNIT_DU 2012
#define ID_UNIT_IN 2013
#define ID_UNIT_PT 2014
#define ID_UNIT_PC 2015
#define ID_UNIT_PX 2016
#define ID_UNIT_TWIP 2017
#define ID_UNIT_NEXT 2018
#define ID_BASE_10 2020
#define ID_BASE_2 2021
#define ID_CALIBRATE 2022
#define ID_CALIBRATED_UNITS 2023

// View commands.
#define ID_SHOW_HIDE 2100
#define ID_TOGGLE_ORIENTATION 2101
#define ID_TOGGLE_SIDE 2102
#define ID_SHOW_GUIDE 2103
#define ID_TOGGLE_SIZING_TOOL 2104
#define ID_ALWAYS_ON_TOP 2105
#define ID_SHOW_BORDER 2106
#define ID_RESET_WINDOW 2107
#define ID_MOVE_TO_CURSOR 2108
#define ID_WINDOW_COLORS 2109
#define ID_SHOW_IN_TASKBAR 2110

// Ruler scale and magnifier zoom.
#define ID_SCALE_NORMAL 2126
#define ID_SCALE_ZOOM_IN 2127
#define ID_SCALE_ZOOM_OUT 2128
#define ID_SCALE_CUSTOM 2129
#define ID_SHOW_MAGNIFIER 2150
#define ID_ZOOM_NORMAL 2151
#define ID_ZOOM_IN 2152
#define ID_ZOOM_OUT 2153
#define ID_ZOOM_CUSTOM 2154

// Caption items.
#define ID_CAPTION_UNITS 2201
#define ID_CAPTION_SCALE 2202
#define ID_CAPTION_PIXELS 2203
#define ID_CAPTION_POSITION 2204
#define ID_CAPTION_DISTANCE 2205
#define ID_CAPTION_SCREEN 2206
#define ID_CAPTION_ANGLE 2207
#define ID_CAPTION_COLOR 2208
#define ID_COPY_CAPTION 2220

// Colour notation.
#define ID_COPY_COLOR 2252
#define ID_COLOR_NEXT 2253
#define ID_COLOR_WEB_SAFE 2254
#define ID_COLOR_RGB_DEC 2255
#define ID_COLOR_RGB_HEX 2256
#define ID_COLOR_HTML 2257
#define ID_COLOR_HLS 2258
#define ID_COLOR_HSV 2259

// The framework's command ids.
#define ID_EDIT_COPY 57634
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP_INDEX 57666
#define ID_HELP_FINDER 57667
#define ID_HELP_USING 57668
#define ID_HELP 57670

// The sizing tool (dialog 1006) and the Define Hot Key dialog (1007): strings and controls.
#define IDS_SIZE_INVALID 1050
#define IDS_SIZING_NOT_RESIZABLE 1051
#define IDS_SIZING_MAXIMIZED 1052
#define IDS_SIZING_NOTHING_INCLUDED 1053
#define IDS_INVALID_HOT_KEY 25258
#define IDC_SIZE_TEXT 3001
#define IDC_PICK_SET_SIZE 3002
#define IDC_PICK_GET_SIZE 3003
#define IDC_DO_WIDTH 3004
#define IDC_DO_HEIGHT 3005
#define IDC_DO_FRAME 3007
#define IDC_HK_FOREGROUND 3050
#define IDC_HK_UNDER_CURSOR 3051
#define IDC_HOT_KEY_GET 3052
#define IDC_HOT_KEY_SET 3053
#define IDC_DEFINE_GET 3055
#define IDC_DEFINE_SET 3056
#define IDC_ENABLE_GET 3058
#define IDC_ENABLE_SET 3059
#define IDC_HOT_KEY 3056             // the Define Hot Key dialog's hot key control

// Hot key ids registered for the ruler window.
#define HOTKEY_GET_SIZE 1
#define HOTKEY_SET_SIZE 2

// The tray icon's callback message.
#define WM_TRAY_NOTIFY 1916

// The custom scale and colours dialogs, the about box and the manual.
#define IDD_ABOUTBOX 100
#define IDR_MANUAL 1080               // the user manual, an HTML resource (type 23)
#define IDC_BACKGROUND_COLOR 3100
#define IDC_GRADUATIONS_COLOR 3101
#define IDC_SCALE_VALUE 3200
#define IDC_AUTO_PREVIEW 3201
#define IDC_SCALE_SPIN 3202
#define IDC_ABOUT_ICON 3300
#define IDC_ABOUT_VERSION 3301
#define IDC_ABOUT_LEGAL 3302
#define IDC_ABOUT_DESCRIPTION 3303
#define IDC_ABOUT_SETTINGS 3304
#define IDS_ABOUT_CAPTION 1070        // "About %1"
#define IDS_ABOUT_VERSION 1071        // "%1 Version %2"
#define IDS_ABOUT_SETTINGS 1072       // "Settings: %1"
#define IDS_HELP_NO_BROWSER 1073
#define IDS_HELP_NOT_SAVED 1074
#define IDS_DEFAULT_COLOR 25256

// Calibrated units: the Calibrate dialog, and the texts that say where a density came from.
#define IDC_CAL_BAR 3400
#define IDC_CAL_READOUT 3401
#define IDC_CAL_PIXELS 3402
#define IDC_CAL_SPIN 3403
#define IDC_CAL_WIDTH 3404
#define IDC_CAL_APPLY_WIDTH 3405
#define IDC_CAL_REPORTED 3406
#define IDC_CAL_STATUS 3407
#define IDC_CAL_INSTRUCTIONS 3408
#define IDC_ABOUT_UNITS 3305
#define IDS_CAL_READOUT 1090
#define IDS_DENSITY_CALIBRATED 1091
#define IDS_DENSITY_REPORTED 1092
#define IDS_DENSITY_LOGICAL 1093
#define IDS_CAL_STORED 1094
#define IDS_CAL_OTHER_MODE 1095
#define IDS_CAL_NONE 1096
#define IDS_CAL_REPORTED 1097
#define IDS_CAL_NOT_REPORTED 1098
#define IDS_CAL_WIDTH_INVALID 1099
#define IDS_CAL_WIDTH_RANGE 1100
#define IDS_CAL_NOT_STORED 1101
#define IDS_CAL_MODE 1102
#define IDS_CAPTION_CALIBRATED 1103
#define IDS_CAPTION_REPORTED 1104
#define IDS_CAPTION_LOGICAL 1105
#define IDS_ABOUT_UNITS 1106
#define IDS_ABOUT_UNITS_OFF 1107
