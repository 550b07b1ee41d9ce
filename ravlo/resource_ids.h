/* Numbers of the thermal monitor's resources, controls, commands and
   messages. Plain macros: the resource script includes this file too. */
#ifndef RAVLO_RESOURCE_IDS_H
#define RAVLO_RESOURCE_IDS_H

/* Icons: the thermometer with its column rising (127 low .. 133 full),
   bursting (134), the burst alone (135), and the transparent one (136). */
#define IDI_THERMOMETER_LOW 127
#define IDI_THERMOMETER_FULL 133
#define IDI_THERMOMETER_BURSTING 134
#define IDI_BURST 135
#define IDI_TRANSPARENT 136

#define IDB_LOGO 140
#define IDB_CPU_THERMOMETER 141
#define IDB_METER 142
#define IDB_FAN 143

/* Status window controls: row r has its name at 1000 + 3r, its status at
   1001 + 3r and its warning at 1002 + 3r. */
#define IDC_FIRST_ROW_NAME 1000
#define IDC_HEADING_ITEM 1018
#define IDC_HEADING_CONDITION 1019
#define IDC_HEADING_WARNING 1020
#define IDC_NOTICE 1021

#define IDM_EXIT 40001
#define IDM_MONITOR 40004

#define TRAY_ICON_ID 127
#define WM_TRAYNOTIFY (0x0400 + 100) /* WM_USER + 100 */

#endif
