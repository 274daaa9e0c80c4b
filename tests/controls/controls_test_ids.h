/* Resources of the controls' test program, beside the program's own resources it also carries. */
#ifndef QUORVEL_TESTS_CONTROLS_CONTROLS_TEST_IDS_H
#define QUORVEL_TESTS_CONTROLS_CONTROLS_TEST_IDS_H

/* A dialog with OK, Cancel and Help and nothing else. */
#define IDD_TEST_BUTTONS 20001
/* A dialog with two icon statics, 101 and 102, showing IDI_FRAME_0. */
#define IDD_TEST_ICONS 20002
#define IDC_TEST_ICON_A 101
#define IDC_TEST_ICON_B 102

/* Animation frames: three consecutive icons, and the two ends of the 16-bit id range. */
#define IDI_FRAME_0 201
#define IDI_FRAME_1 202
#define IDI_FRAME_2 203
#define IDI_FRAME_3 204
#define IDI_LAST_ID 65535
#define IDI_FIRST_ID 1

/* A string of 300 characters, and a string id that has no string. */
#define IDS_LONG 20100
#define IDS_MISSING 20101

#endif
