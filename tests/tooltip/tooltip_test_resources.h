// Resource identifiers of the tooltip test program.
#pragma once

#define IDS_TOOLTIP_TEST_TEXT 101
#define IDI_TOOLTIP_TEST_ICON 201
#define IDI_TOOLTIP_LARGE_ICON 202
#define IDS_TOOLTIP_MISSING 999
#define IDI_TOOLTIP_MISSING 998
