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

// Drawing settings: tools. The current tool is the id of its command.
constexpr unsigned ID_TOOL_LINE = 32771;
constexpr unsigned ID_TOOL_RECTANGLE = 32772;
constexpr unsigned ID_TOOL_RECT_FILL = 32773;
constexpr unsigned ID_TOOL_ELLIPSE_FILL = 32776;
constexpr unsigned ID_TOOL_ELLIPSE = 32785;
constexpr unsigned ID_TOOL_RECT_ROUND = 32786;
constexpr unsigned ID_TOOL_RECT_ROUND_FILL = 32787;
constexpr unsigned ID_TOOL_RADIAL_CIRCLE = 32795;
constexpr unsigned ID_TOOL_RADIAL_CIRCLE_FILL = 32796;
constexpr unsigned ID_TOOL_CENTRIC_LINES = 32812;
constexpr unsigned ID_TOOL_PARALLEL_LINES = 32817;
constexpr unsigned ID_TOOL_END_LINES = 32818;
constexpr unsigned ID_TOOL_MEASURE = 32820;
constexpr unsigned ID_TOOL_ARC = 32821;
constexpr unsigned ID_TOOL_CHORD = 32822;
constexpr unsigned ID_TOOL_PIE = 32823;
constexpr unsigned ID_TOOL_CHORD_FILL = 32824;
constexpr unsigned ID_TOOL_PIE_FILL = 32825;
constexpr unsigned ID_TOOL_BEZIER = 32826;
constexpr unsigned ID_TOOL_POLYGON = 32842;
constexpr unsigned ID_TOOL_THREAD = 32852;
constexpr unsigned ID_TOOL_TEXT = 32853;
constexpr unsigned ID_TOOL_FREE_DRAW = 32866;
constexpr unsigned ID_TOOL_FLOOD_FILL = 32868;

// Drawing settings: line thickness.
constexpr unsigned ID_LINE_SINGLE = 32780;
constexpr unsigned ID_LINE_DOUBLE = 32781;
constexpr unsigned ID_LINE_TRIPLE = 32782;

// Drawing settings: fill styles (from the bitmap fills on, the ids do
// not follow the style index).
constexpr unsigned ID_FILL_SOLID = 32798;
constexpr unsigned ID_FILL_DIAGONAL_DOWN = 32799;
constexpr unsigned ID_FILL_CROSS = 32800;
constexpr unsigned ID_FILL_DIAGONAL_CROSS = 32801;
constexpr unsigned ID_FILL_DIAGONAL_UP = 32802;
constexpr unsigned ID_FILL_HORIZONTAL = 32803;
constexpr unsigned ID_FILL_VERTICAL = 32804;
constexpr unsigned ID_FILL_BIT_ARROW = 32882;
constexpr unsigned ID_FILL_BIT_BIG_CROSS = 32883;
constexpr unsigned ID_FILL_BIT_CIRCLE = 32884;
constexpr unsigned ID_FILL_BIT_HORZ_SINE = 32885;
constexpr unsigned ID_FILL_BIT_VERT_SINE = 32886;
constexpr unsigned ID_FILL_BIT_SMALL_CROSS = 32887;
constexpr unsigned ID_FILL_BIT_DIAMOND = 32888;

// Drawing settings: pen styles.
constexpr unsigned ID_PEN_SOLID = 32828;
constexpr unsigned ID_PEN_DASH = 32829;
constexpr unsigned ID_PEN_DOT = 32830;
constexpr unsigned ID_PEN_DASHDOT = 32831;
constexpr unsigned ID_PEN_DASHDOTDOT = 32832;

// Drawing settings: display units.
constexpr unsigned ID_UNITS_HIGH_METRIC = 32805;
constexpr unsigned ID_UNITS_LOW_METRIC = 32806;
constexpr unsigned ID_UNITS_HIGH_ENGLISH = 32807;
constexpr unsigned ID_UNITS_LOW_ENGLISH = 32808;
constexpr unsigned ID_UNITS_TWIPS = 32809;
constexpr unsigned ID_UNITS_PIXELS = 32810;

// Drawing settings: the figure the radial tool repeats.
constexpr unsigned ID_RADIAL_RECT_FILL = 32833;
constexpr unsigned ID_RADIAL_RECT_ROUND_FILL = 32834;
constexpr unsigned ID_RADIAL_ELLIPSE_FILL = 32835;
constexpr unsigned ID_RADIAL_CHORD_FILL = 32836;
constexpr unsigned ID_RADIAL_PIE_FILL = 32837;
constexpr unsigned ID_RADIAL_LINE = 32838;

// Drawing settings: modes, colour, font and options.
constexpr unsigned ID_RUBBER = 32788;
constexpr unsigned ID_COLOR = 32789;
constexpr unsigned ID_CONCENTRIC_MODE = 32827;
constexpr unsigned ID_MODIFY_OPTIONS = 32849;
constexpr unsigned ID_SET_FONT = 32850;
constexpr unsigned ID_RADIAL_TOOL = 32856;

// Option dialogs and their controls.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr unsigned IDD_OPTIONS = 138;
constexpr unsigned IDD_MEASURE = 143;
constexpr unsigned IDD_TEXT = 144;
constexpr unsigned IDC_SLIDER_THICKNESS = 1000;
constexpr unsigned IDC_SLIDER_CONCENTRIC = 1001;
constexpr unsigned IDC_SLIDER_PARALLEL = 1002;
constexpr unsigned IDC_MEASURE_EDIT = 1004;
constexpr unsigned IDC_DONT_ASK = 1005;
constexpr unsigned IDC_SLIDER_THREAD = 1006;
constexpr unsigned IDC_TEXT_EDIT = 1007;
constexpr unsigned IDC_FLIP_VERTICAL = 1008;

// The knuckle-joint dialog and its controls.
constexpr unsigned IDD_KNUCKLE = 198;
constexpr unsigned IDC_KNUCKLE_LOAD = 1026;
constexpr unsigned IDC_KNUCKLE_TENSILE = 1027;
constexpr unsigned IDC_KNUCKLE_SHEAR = 1028;
constexpr unsigned IDC_KNUCKLE_CRUSHING_LABEL = 1029;
constexpr unsigned IDC_KNUCKLE_CRUSHING = 1030;

// Frames: resources of the main frame, its menus, bars and cursors.
constexpr unsigned IDR_MAINFRAME = 128;       // main menu, main tool bar, accelerators
constexpr unsigned IDR_DOCUMENT_MENU = 129;   // menu while a drawing is active
constexpr unsigned IDR_DRAWBAR = 131;         // drawing tool bar
constexpr unsigned IDC_CURSOR_DRAW = 133;
constexpr unsigned IDC_CURSOR_CONCENTRIC = 139;
constexpr unsigned IDC_CURSOR_RUBBER = 146;
constexpr unsigned IDC_CURSOR_PAN = 147;
constexpr unsigned IDC_CURSOR_DRAG_PASTE = 199;

// Figures: the pattern bitmaps of fill styles 8 to 14, in style order; the
// ids do not follow it.
constexpr unsigned IDB_PATTERN_ARROW = 189;
constexpr unsigned IDB_PATTERN_CIRCLE = 154;
constexpr unsigned IDB_PATTERN_BIG_CROSS = 187;
constexpr unsigned IDB_PATTERN_DIAMOND = 183;
constexpr unsigned IDB_PATTERN_HORIZONTAL_SINE = 191;
constexpr unsigned IDB_PATTERN_SMALL_CROSS = 185;
constexpr unsigned IDB_PATTERN_VERTICAL_SINE = 193;

// Frames: framework commands the menus, bars and accelerators carry.
constexpr unsigned ID_TIP_OF_THE_DAY = 108;
constexpr unsigned ID_FILE_MRU_FILE1 = 57616;  // the recent-file list, 4 entries
constexpr unsigned ID_FILE_MRU_FILE2 = 57617;
constexpr unsigned ID_FILE_MRU_FILE3 = 57618;
constexpr unsigned ID_FILE_MRU_FILE4 = 57619;
constexpr unsigned ID_EDIT_COPY = 57634;       // copy of the client region
constexpr unsigned ID_EDIT_CUT = 57635;        // cut sub-mode of drag & paste
constexpr unsigned ID_EDIT_PASTE = 57637;      // paste sub-mode of drag & paste
constexpr unsigned ID_NEXT_PANE = 57680;
constexpr unsigned ID_PREV_PANE = 57681;
constexpr unsigned ID_VIEW_TOOLBAR = 59392;    // also the child id of both tool bars
constexpr unsigned ID_VIEW_STATUS_BAR = 59393; // also the child id of the status bar

// Frames: view commands of the tools, editing commands and knuckle joint.
constexpr unsigned ID_REFRESH_CENTRIC = 32813;
constexpr unsigned ID_REFRESH_END_LINE = 32819;
constexpr unsigned ID_PLAY_ANIMATION = 32851;
constexpr unsigned ID_START_CAPTURE = 32857;
constexpr unsigned ID_END_CAPTURE = 32858;
constexpr unsigned ID_INVERT_X = 32861;
constexpr unsigned ID_INVERT_Y = 32862;
constexpr unsigned ID_ZOOM_IN = 32864;
constexpr unsigned ID_ZOOM_OUT = 32865;
constexpr unsigned ID_KNUCKLE_JOINT = 32889;
constexpr unsigned ID_DRAG_PASTE = 32890;
constexpr unsigned ID_RESIZE_ROTATE = 32891;
constexpr unsigned ID_FILE_EXPORT = 32892;      // the drawing as a PNG or SVG file
