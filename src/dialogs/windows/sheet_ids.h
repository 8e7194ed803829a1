// Control and dialog ids of the Win32 settings sheet, shared by the resource
// script and the pages' code. The sliders, their edits and labels and the
// conversion boxes carry the ids of the shared value tables (general_values,
// conversion_switches); the sheet's test checks both agree.
#pragma once

#define IDD_PARAM_GENERAL 101
#define IDD_PARAM_DICT 102
#define IDD_PARAM_CONV 103
#define IDD_PARAM_INFO 104

#define IDC_TEST_BUTTON 241
#define IDC_DEFAULTS_BUTTON 246

#define IDC_GENERAL_GROUP_BASIC 320
#define IDC_GENERAL_GROUP_PAUSES 321
#define IDC_TEST_TEXT 318
#define IDC_TEST_PROMPT 319

#define IDC_DICT_BROWSE 211
#define IDC_DICT_USE 212
#define IDC_DICT_PATH 213
#define IDC_DICT_KEYS 242
#define IDC_DICT_REPLACEMENT 243
#define IDC_DICT_ADD 247
#define IDC_DICT_REMOVE 248
#define IDC_DICT_ARROW 249
#define IDC_DICT_GROUP 250

#define IDC_CONV_GROUP_DATE 260
#define IDC_CONV_GROUP_PUNCTUATION 261

#define IDC_INFO_PICTURE 90
#define IDC_INFO_LABEL 310

// The sheet's save button ("Zapa&miętaj"), the framework's Apply button renumbered.
#define IDC_SAVE_COMMAND 40400
