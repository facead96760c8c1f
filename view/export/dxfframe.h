// Everything of a DXF file (version AC1015) around its entities: the
// header, the tables, the two layout blocks and the objects that tie the
// layouts to them. Entities go into model space on layer 0.
#pragma once

#include "view/export/dxfwriter.h"

// The handles of the frame are fixed; entities number on from the last.
namespace DxfHandle {
enum : unsigned {
    VportTable = 0x1, VportActive,
    LtypeTable, LtypeByBlock, LtypeByLayer, LtypeFirstStyle,  // then one per pen style
    LayerTable = 0x10, Layer0,
    StyleTable, StyleStandard,
    ViewTable, UcsTable,
    AppidTable, AppidAcad,
    DimstyleTable, DimstyleStandard,
    BlockRecordTable, ModelSpace, PaperSpace,
    ModelBlock, ModelBlockEnd, PaperBlock, PaperBlockEnd,
    RootDictionary, GroupDictionary, LayoutDictionary, ModelLayout, PaperLayout,
    FirstEntity = 0x40
};
}

// The line type a pen style is drawn with; its dashes are sized for a
// pen one screen pixel wide, and an entity scales them by its width.
const char* DxfLineTypeName(int nPenStyle);

// The sheet is dWidth by dHeight millimetres with its lower-left corner at
// the origin. nHandleSeed is the first handle no object uses.
void WriteDxfHead(CDxfWriter& writer, double dWidth, double dHeight, unsigned nHandleSeed);
// Closes the entities and writes the objects and the end of the file.
void WriteDxfTail(CDxfWriter& writer, double dWidth, double dHeight);
