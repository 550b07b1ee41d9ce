/* Numbers of the health monitor's resources, controls and messages.
   Plain macros: the resource script includes this file too. */
#ifndef KALVOR_RESOURCE_IDS_H
#define KALVOR_RESOURCE_IDS_H

#define IDI_KALVOR 128
#define IDI_TRAY_NORMAL 158
#define IDI_TRAY_ALARM 159

#define IDB_LOGO 147
#define IDB_TEMPERATURE 149
#define IDB_VOLTAGE 150
#define IDB_FAN 151

#define IDD_KALVOR 132
#define IDD_WARNING_LIST 137
#define IDD_WAIT 141
#define IDD_DRIVER_ERROR 142
#define IDD_IN_USE 145

/* Main dialog: buttons. The Quit button is the OK command. */
#define IDC_UPDATE_AND_SAVE 1002
#define IDC_DEFAULT_SETTING 1007
#define IDC_UPDATE_WITHOUT_SAVE 1011
#define IDC_USER_SETTING 1073
#define IDC_HIDE 1080

/* Main dialog: labels and group boxes. */
#define IDC_MANUFACTURE_LABEL 1003
#define IDC_TEMPERATURE_GROUP 1004
#define IDC_VOLTAGE_GROUP 1005
#define IDC_FAN_GROUP 1006
#define IDC_TEMPERATURE_LABEL 1008
#define IDC_OVER_HEAT_LABEL 1012
#define IDC_HYSTERESIS_LABEL 1013
#define IDC_HIGH_LIMIT_HEAD 1014
#define IDC_V33_LABEL 1015
#define IDC_V5_LABEL 1016
#define IDC_VCORE_LABEL 1017
#define IDC_CURRENT_VOLTAGE_HEAD 1018
#define IDC_LOW_LIMIT_HEAD 1019
#define IDC_V12_LABEL 1020
#define IDC_POLLING_LABEL 1024
#define IDC_CPU_FAN_LABEL 1025
#define IDC_FAN_LOW_LIMIT_HEAD 1026
#define IDC_SYSTEM_FAN_LABEL 1027
#define IDC_CURRENT_SPEED_HEAD 1028
#define IDC_ALARM_GROUP 1048
#define IDC_TEMPERATURE2_LABEL 1068

/* Main dialog: the twelve limit edits, 1032 to 1043. */
#define IDC_TEMP_OVER 1032
#define IDC_TEMP_HYST 1033
#define IDC_V1_HIGH 1034
#define IDC_V2_HIGH 1035
#define IDC_VDD_HIGH 1036
#define IDC_V3_HIGH 1037
#define IDC_V1_LOW 1038
#define IDC_V2_LOW 1039
#define IDC_VDD_LOW 1040
#define IDC_V3_LOW 1041
#define IDC_FAN1_LIMIT 1042
#define IDC_FAN2_LIMIT 1043
#define IDC_FIRST_LIMIT_EDIT IDC_TEMP_OVER
#define IDC_LAST_LIMIT_EDIT IDC_FAN2_LIMIT

/* Main dialog: readings and other values. */
#define IDC_MANUFACTOR 1030
#define IDC_TEMPERATURE 1044
#define IDC_VCORE 1046
#define IDC_FAN1_SPEED 1047
#define IDC_FAN2_SPEED 1056
#define IDC_TEMPERATURE2 1067
#define IDC_V5 1069
#define IDC_V12 1070
#define IDC_V33 1071
#define IDC_POLLING_INTERVAL 1136

/* Main dialog: the alarm boxes, 1049 to 1055, and the other switches. */
#define IDC_ALARM_TEMP 1049
#define IDC_ALARM_VIN1 1050
#define IDC_ALARM_VIN2 1051
#define IDC_ALARM_VDD 1052
#define IDC_ALARM_VCORE 1053
#define IDC_ALARM_FAN1 1054
#define IDC_ALARM_FAN2 1055
#define IDC_FIRST_ALARM_BOX IDC_ALARM_TEMP
#define IDC_LAST_ALARM_BOX IDC_ALARM_FAN2
#define IDC_MINIMIZE 1059
#define IDC_CELSIUS 1074
#define IDC_FAHRENHEIT 1075
#define IDC_CHECK1 1079

/* Warning list: seven lines from the top. */
#define IDC_WARNING_LINE1 1060
#define IDC_WARNING_LINE2 1061
#define IDC_WARNING_LINE3 1062
#define IDC_WARNING_LINE4 1063
#define IDC_WARNING_LINE5 1064
#define IDC_WARNING_LINE7 1065
#define IDC_WARNING_LINE6 1066

/* The tray icon and its callback message (WM_APP + 0x64). */
#define TRAY_ICON_ID 1079
#define WM_TRAYNOTIFY 0x8064

#endif
