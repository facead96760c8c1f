// Command and resource ids. Every menu item, tool bar button and
// accelerator sends one of these 16-bit ids.
#pragma once

// Framework commands.
constexpr unsigned ID_FILE_NEW = 57600;
constexpr unsigned ID_FILE_OPEN = 57601;
constexpr unsigned ID_FILE_CLOSE = 57602;
constexpr unsigned ID_FILE_SAVE = 57603;
constexpr unsigned ID_FILE_SAVE_AS = 57604;
constexpr unsigned ID_FILE_PRINT_SETUP = 57606;
constexpr unsigned ID_FILE_PRINT = 57607;
constexpr unsigned ID_FILE_PRINT_DIRECT = 57608;
constexpr unsigned ID_FILE_PRINT_PREVIEW = 57609;
constexpr unsigned ID_EDIT_CLEAR_ALL = 57633;
constexpr unsigned ID_EDIT_UNDO = 57643;
constexpr unsigned ID_APP_ABOUT = 57664;
constexpr unsigned ID_APP_EXIT = 57665;

// Document: step history and toggles.
constexpr unsigned ID_GO_BACKWARD = 32790;
constexpr unsigned ID_MOVE_FORWARD = 32791;
constexpr unsigned ID_FREE_MOTION = 32794;
constexpr unsigned ID_CENTRE = 32797;
constexpr unsigned ID_REFRESH_SCREEN = 32839;
constexpr unsigned ID_LAST_STEP = 32840;
constexpr unsigned ID_FIRST_STEP = 32841;

// View: grid.
constexpr unsigned ID_GRID_SMALL = 32843;
constexpr unsigned ID_GRID_MEDIUM = 32844;
constexpr unsigned ID_GRID_LARGE = 32845;
constexpr unsigned ID_GRID_EXTRA_LARGE = 32846;
constexpr unsigned ID_GRID_SYNC = 32847;
constexpr unsigned ID_GRID_SHOW = 32848;
