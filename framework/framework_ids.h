// The framework's standard command, window and string ids, shared by the
// programs' resource scripts and the framework's code.
#pragma once

// Commands the framework knows by number (menus, accelerators, toolbars).
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_PRINT_SETUP 57606
#define ID_FILE_PRINT 57607
#define ID_FILE_PRINT_PREVIEW 57609
#define ID_FILE_MRU_FILE1 57616
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP 57670
#define ID_RESTORE 57671
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681

// Child windows of a frame.
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_PANE_FIRST 0xE900

// Status bar panes and their texts.
#define ID_SEPARATOR 0
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139
#define AFX_IDS_IDLEMESSAGE 57345

// The resource type of a toolbar: 16-bit words version 1, button width,
// button height, item count, then the item ids (0 for a separator).
#define RT_TOOLBAR_TYPE 241
