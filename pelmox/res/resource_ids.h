// pelmox's resource, control and command ids, shared by the resource
// script and the code. The framework's standard ids come from its header.
#pragma once

#include "framework/framework_ids.h"

// Menu bar, accelerators, toolbar, class icon and document string.
#define IDR_MAINFRAME 128

// Dialogs and the form.
#define IDD_ABOUTBOX 100
#define IDD_PELMOX_FORM 101
#define IDD_WARNING 171

// Icons: the frame's, the About box's logo, the six tray pictures.
#define IDI_FRAME 141
#define IDI_LOGO 170
#define IDI_TRAY_TOP_0 136
#define IDI_TRAY_TOP_1 187
#define IDI_TRAY_TOP_2 188
#define IDI_TRAY_TOP_3 189
#define IDI_TRAY_TOP_4 190
#define IDI_TRAY_TOP_5 191

// Bitmaps: the toolbar's buttons, the status and warning pictures, marks.
#define IDB_TOOLBAR 128
#define IDB_VOLTAGE_NORMAL_0 130
#define IDB_TEMPERATURE_NORMAL_0 131
#define IDB_FAN_NORMAL_0 132
#define IDB_MARK_CELSIUS 142
#define IDB_MARK_RPM 143
#define IDB_MARK_VOLT 144
#define IDB_FAN_ALARM_0 148
#define IDB_VOLTAGE_ALARM_0 149
#define IDB_TEMPERATURE_ALARM_0 150
#define IDB_FAN_NORMAL_1 152
#define IDB_FAN_NORMAL_2 153
#define IDB_FAN_NORMAL_3 154
#define IDB_BLANK 155
#define IDB_TEMPERATURE_NORMAL_1 156
#define IDB_TEMPERATURE_NORMAL_2 157
#define IDB_VOLTAGE_NORMAL_1 159
#define IDB_VOLTAGE_NORMAL_2 160
#define IDB_TEMPERATURE_ALARM_1 163
#define IDB_TEMPERATURE_ALARM_2 164
#define IDB_VOLTAGE_ALARM_1 165
#define IDB_VOLTAGE_ALARM_2 166
#define IDB_FAN_ALARM_2 167
#define IDB_FAN_ALARM_1 168
#define IDB_FAULT_0 181
#define IDB_FAULT_1 182
#define IDB_FAULT_BURST 185
#define IDB_MARK_FAHRENHEIT 193

// Controls of the form.
#define IDC_UPPER_LIMIT 1011
#define IDC_LOWER_LIMIT 1012
#define IDC_FAN_PICTURE 1015
#define IDC_TEMPERATURE_PICTURE 1016
#define IDC_VOLTAGE_PICTURE 1017
#define IDC_ALARM_12V 1018
#define IDC_ALARM_5V 1019
#define IDC_ALARM_IO 1020
#define IDC_ALARM_CPU_VOLTAGE 1021
#define IDC_ALARM_CHIPSET_TEMP 1022
#define IDC_ALARM_CPU_FAN 1023
#define IDC_ALARM_FAN2 1024
#define IDC_UPPER_LABEL 1025
#define IDC_ITEM_LIST 1030
#define IDC_UPPER_SLIDER 1033
#define IDC_LOWER_SLIDER 1035
#define IDC_VALUE_CPU_FAN 1036
#define IDC_VALUE_FAN2 1037
#define IDC_VALUE_CHIPSET_TEMP 1042
#define IDC_VALUE_12V 1043
#define IDC_VALUE_5V 1044
#define IDC_VALUE_IO 1045
#define IDC_VALUE_CPU_VOLTAGE 1046
#define IDC_ALARM_CPU_TEMP 1047
#define IDC_VALUE_CPU_TEMP 1048
#define IDC_UNIT_CHIPSET_TEMP 1076
#define IDC_UNIT_CPU_TEMP 1077

// Controls of the warning dialog.
#define IDC_WARNING_DISPLAY 1034
#define IDC_WARNING_TEXT 1051
#define IDC_WARNING_PICTURE 1052

// The program's commands.
#define ID_HIDE 32774
#define ID_SOUND 32776
#define ID_RESET_DEFAULT 32777
#define ID_SHOW_CPU_FAN 32779
#define ID_SHOW_FAN2 32780
#define ID_SHOW_CHIPSET_TEMP 32781
#define ID_SHOW_CPU_TEMP 32782
#define ID_SHOW_VOLTAGE1 32783
#define ID_SHOW_VOLTAGE2 32784
#define ID_SHOW_VOLTAGE3 32785
#define ID_SHOW_VOLTAGE4 32786
#define ID_TEMP_UNIT 32787
