// The application object: every drawing setting, shared by all documents
// and views, and the commands that change them. It holds no widgets, so the
// one global object can be built before Qt starts and reset by tests.
#pragma once

#include "app/dialogs/optionsdlg.h"
#include "app/dialogs/textdlg.h"
#include "platform/cmdtarget.h"
#include "platform/types.h"

#include <functional>
#include <optional>
#include <vector>

class QWidget;

class CMyDrevikApp : public CCmdTarget {
public:
    CMyDrevikApp();
    CMyDrevikApp(const CMyDrevikApp&) = delete;
    CMyDrevikApp& operator=(const CMyDrevikApp&) = delete;

    // Puts every setting and both dialogs back to their start values, as on
    // a fresh run. The ways of asking the user below stay as they are.
    void ResetSettings();

    bool OnCommand(UINT nID) override;
    bool OnUpdateCommand(UINT nID, CCmdUI* pCmdUI) override;

    // True when no command id appears twice in the application's table.
    static bool CommandIdsAreUnique();
    // Every command id the application handles, in table order.
    static std::vector<UINT> GetCommandIds();

    int m_nLineThickness = 1;
    int m_nTool = 32771;                // command id of the current tool
    COLORREF m_colorLine = 0;
    int m_nFillStyle = 1;               // 1..14
    COptionsDlg m_dlgOptions;
    CTextDlg m_dlgText;
    int m_nUnits = 2;                   // display unit code
    bool m_bConcentric = false;
    int m_nConcentricFillStyle = 1;
    COLORREF m_colorConcentric = 0;
    int m_nConcentricLineThickness = 1;
    bool m_bRubber = false;
    int m_nPenStyle = 0;                // PS_SOLID .. PS_DASHDOTDOT
    int m_nRadialFigure = 32773;        // tool id of the figure the radial tool repeats
    bool m_bRadial = false;
    LOGFONT m_logFont;                  // all zero: default face and size
    COLORREF m_colorText = 0;
    COLORREF m_colorFlood = 0;          // last colour chosen outside concentric mode

    // How the colour and font commands ask the user; tests answer them.
    // The colour chooser opens on black and gives nothing on Cancel. The
    // font chooser edits the font in place and sets the text colour only
    // when the user confirms, and then returns true.
    std::function<std::optional<COLORREF>()> m_pfnChooseColor;
    std::function<bool(LOGFONT& lf, COLORREF& colorText)> m_pfnChooseFont;

private:
    static const CommandEntry<CMyDrevikApp> s_commandTable[];

    template <UINT nTool> void OnTool();
    template <UINT nTool> void OnUpdateTool(CCmdUI* pCmdUI);
    template <int nStyle> void OnFillStyle();
    template <int nStyle> void OnUpdateFillStyle(CCmdUI* pCmdUI);
    template <int nStyle> void OnPenStyle();
    template <int nStyle> void OnUpdatePenStyle(CCmdUI* pCmdUI);
    template <int nUnits> void OnUnits();
    template <int nUnits> void OnUpdateUnits(CCmdUI* pCmdUI);
    template <int nFigure> void OnRadialFigure();
    template <int nFigure> void OnUpdateRadialFigure(CCmdUI* pCmdUI);

    void OnLineSingle();
    void OnUpdateLineSingle(CCmdUI* pCmdUI);
    void OnConcentricMode();
    void OnUpdateConcentricMode(CCmdUI* pCmdUI);
    void OnRubber();
    void OnUpdateRubber(CCmdUI* pCmdUI);
    void OnRadialTool();
    void OnUpdateRadialTool(CCmdUI* pCmdUI);
    void OnColor();
    void OnSetFont();
    void OnModifyOptions();
};

// The one application object; it lives for the whole run.
extern CMyDrevikApp theApp;

// The window modal dialogs of the settings open over: the active window.
QWidget* GetDialogParent();
