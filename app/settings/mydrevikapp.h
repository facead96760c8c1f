// The application object: the one record of drawing settings, shared by
// all documents and views, the commands that change them, and the two
// dialogs the application keeps. It holds no widgets, so the one global
// object can be built before Qt starts and reset by tests.
#pragma once

#include "app/dialogs/optionsdlg.h"
#include "tools/textdlg.h"
#include "view/drawingsettings.h"
#include "platform/cmdtarget.h"
#include "platform/types.h"

#include <functional>
#include <optional>
#include <vector>

class QWidget;

class CMyDrevikApp : public CCmdTarget, public CDrawingSettings {
public:
    CMyDrevikApp();
    CMyDrevikApp(const CMyDrevikApp&) = delete;
    CMyDrevikApp& operator=(const CMyDrevikApp&) = delete;

    // Puts every setting and both dialogs back to their start values, as on
    // a fresh run. The ways of asking the user below stay as they are.
    void ResetSettings();

    // The settings record every view of the run reads.
    CDrawingSettings& GetSettings() { return *this; }

    bool OnCommand(UINT nID) override;
    bool OnUpdateCommand(UINT nID, CCmdUI* pCmdUI) override;

    // True when no command id appears twice in the application's table.
    static bool CommandIdsAreUnique();
    // Every command id the application handles, in table order.
    static std::vector<UINT> GetCommandIds();

    // How the colour and font commands ask the user; tests answer them.
    // The colour chooser opens on black and gives nothing on Cancel. The
    // font chooser edits the font in place and sets the text colour only
    // when the user confirms, and then returns true.
    std::function<std::optional<COLORREF>()> m_pfnChooseColor;
    std::function<bool(LOGFONT& lf, COLORREF& colorText)> m_pfnChooseFont;

    // Change Options edits the record's option values in place; the text
    // dialog is no setting, but it keeps the last accepted text for the run.
    COptionsDlg m_dlgOptions{m_options};
    CTextDlg m_dlgText;

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
