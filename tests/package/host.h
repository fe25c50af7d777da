#pragma once

#define IDD_HOST  100
#define IDC_LABEL 101
#define IDC_CITY  102
