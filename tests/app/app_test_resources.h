/* Resources of the Windows test program beside the shipped colour-name table. */
#ifndef QUORVEL_TESTS_APP_TEST_RESOURCES_H
#define QUORVEL_TESTS_APP_TEST_RESOURCES_H

#define IDR_TEXT_WITH_NUL 102
#define IDR_MISSING 103

#endif
