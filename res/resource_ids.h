/* Resource and control identifiers shared by the resource script and the C++ code.
   Plain #defines so that windres can read them too. */
#ifndef QUORVEL_RES_RESOURCE_IDS_H
#define QUORVEL_RES_RESOURCE_IDS_H

/* Dialog templates */
#define IDD_DETECTOR 1
#define IDD_COLOR_BROWSER 3
#define IDD_OPTIONS 4
#define IDD_ABOUT 10002

/* Icons, cursors, bitmaps, strings and the colour-name table */
#define IDI_QUORVEL 100
#define IDC_LINK_HAND 10441
#define IDB_ABOUT_BANNER 10001
#define IDS_ABOUT_TITLE 6000
#define RT_COLOR_TABLE 201
#define IDR_COLOR_TABLE 101

/* Commands of the detector dialog (IDOK and IDHELP are the system's 1 and 9) */
#define CM_COLOR_BROWSER 133
#define CM_OPTIONS 134
#define CM_ABOUT 135

/* Controls shared by the detector and the colour browser */
#define IDC_COLOR_GROUP 102
#define IDC_SAMPLE 103
#define IDC_NAME_LABEL 104
#define IDC_NAME 105
#define IDC_HEX_LABEL 106
#define IDC_HEX 107
#define IDC_RGB_GROUP 113
#define IDC_RED_LABEL 114
#define IDC_RED 115
#define IDC_GREEN_LABEL 117
#define IDC_GREEN 118
#define IDC_BLUE_LABEL 120
#define IDC_BLUE 121

/* Detector only */
#define IDC_LOCATION_GROUP 108
#define IDC_X_LABEL 109
#define IDC_X 110
#define IDC_Y_LABEL 111
#define IDC_Y 112

/* Colour browser only */
#define IDC_RED_BAR 116
#define IDC_GREEN_BAR 119
#define IDC_BLUE_BAR 122
#define IDC_HLS_GROUP 123
#define IDC_HUE_LABEL 124
#define IDC_HUE 125
#define IDC_HUE_BAR 126
#define IDC_LUMINOSITY_LABEL 127
#define IDC_LUMINOSITY 128
#define IDC_LUMINOSITY_BAR 129
#define IDC_SATURATION_LABEL 130
#define IDC_SATURATION 131
#define IDC_SATURATION_BAR 132

/* Options */
#define IDC_START_GROUP 101
#define IDC_START_DETECTOR 102
#define IDC_START_BROWSER 103
#define IDC_OPTIONS_GROUP 104
#define IDC_ALWAYS_ON_TOP 105

/* About */
#define IDC_ABOUT_LEFT_ICON 101
#define IDC_ABOUT_RIGHT_ICON 102
#define IDC_ABOUT_TITLE 103
#define IDC_ABOUT_BODY 104

#endif
