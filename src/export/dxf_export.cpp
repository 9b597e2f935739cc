#include "export/dxf_export.h"

#include <cstdio>

#include "document/tables.h"
#include "figures/canvas_figures.h"
#include "figures/number_text.h"
#include "program/line_kinds.h"

namespace tova {
namespace {

// Handles of the fixed objects; entities are numbered from kFirstEntityHandle.
constexpr unsigned kBlockRecordTable = 0x1, kLayerTable = 0x2, kStyleTable = 0x3;
constexpr unsigned kLinetypeTable = 0x5, kViewTable = 0x6, kUcsTable = 0x7, kVportTable = 0x8;
constexpr unsigned kAppidTable = 0x9, kDimstyleTable = 0xA, kRootDictionary = 0xC;
constexpr unsigned kGroupDictionary = 0xD, kFirstLayer = 0x10, kStandardStyle = 0x18;
constexpr unsigned kAcadApp = 0x19, kStandardDimstyle = 0x1A, kFirstLinetype = 0x20;
constexpr unsigned kModelSpace = 0x30, kPaperSpace = 0x31, kModelBlock = 0x32;
constexpr unsigned kModelBlockEnd = 0x33, kPaperBlock = 0x34, kPaperBlockEnd = 0x35;
constexpr unsigned kActiveVport = 0x36, kFirstEntityHandle = 0x100;

constexpr const char* kLayers[] = {"0", "FRONT", "TOP", "SIDE"};
constexpr int kGreen = 3;  // the figure colour's number in DXF's colour index

class DxfText {
 public:
  void Pair(int code, const std::string& value) {
    char c[8];
    std::snprintf(c, sizeof c, "%3d", code);
    text_ += c;
    text_ += '\n';
    text_ += value;
    text_ += '\n';
  }
  void Pair(int code, const char* value) { Pair(code, std::string(value)); }
  void Number(int code, double value) { Pair(code, NumberText(value)); }
  void Handle(int code, unsigned handle) {
    char h[16];
    std::snprintf(h, sizeof h, "%X", handle);
    Pair(code, h);
  }
  void Point(int code, double x, double y) {
    Number(code, x);
    Number(code + 10, y);
    Number(code + 20, 0);
  }
  void Section(const char* name) {
    Pair(0, "SECTION");
    Pair(2, name);
  }
  void Table(const char* name, unsigned handle, int count) {
    Pair(0, "TABLE");
    Pair(2, name);
    Handle(5, handle);
    Handle(330, 0);
    Pair(100, "AcDbSymbolTable");
    Number(70, count);
  }
  // The start of a table entry: its type, handle, owner and subclasses.
  void Entry(const char* type, unsigned handle, unsigned table, const char* subclass) {
    Pair(0, type);
    Handle(5, handle);
    Handle(330, table);
    Pair(100, "AcDbSymbolTableRecord");
    Pair(100, subclass);
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

void WriteHeader(DxfText& d, unsigned handleSeed) {
  d.Section("HEADER");
  d.Pair(9, "$ACADVER");
  d.Pair(1, "AC1015");
  d.Pair(9, "$DWGCODEPAGE");
  d.Pair(3, "ANSI_1252");
  d.Pair(9, "$INSUNITS");
  d.Number(70, 0);
  d.Pair(9, "$LWDISPLAY");
  d.Number(290, 1);
  d.Pair(9, "$HANDSEED");
  d.Handle(5, handleSeed);
  d.Pair(0, "ENDSEC");
  d.Section("CLASSES");
  d.Pair(0, "ENDSEC");
}

void WriteLinetype(DxfText& d, unsigned handle, const char* name, const char* description,
                   double on, double off) {
  d.Entry("LTYPE", handle, kLinetypeTable, "AcDbLinetypeTableRecord");
  d.Pair(2, name);
  d.Number(70, 0);
  d.Pair(3, description);
  d.Number(72, 65);
  d.Number(73, on > 0 ? 2 : 0);
  d.Number(40, on + off);
  if (on > 0) {
    d.Number(49, on);
    d.Number(74, 0);
    d.Number(49, -off);
    d.Number(74, 0);
  }
}

void WriteTables(DxfText& d) {
  d.Section("TABLES");
  // The view opens on the three panes.
  d.Table("VPORT", kVportTable, 1);
  d.Entry("VPORT", kActiveVport, kVportTable, "AcDbViewportTableRecord");
  d.Pair(2, "*Active");
  d.Number(70, 0);
  d.Point(10, 0, 0);
  d.Point(11, 1, 1);
  d.Number(12, 225);
  d.Number(22, -215);
  d.Number(40, 450);
  d.Number(41, 1.05);
  d.Pair(0, "ENDTAB");

  d.Table("LTYPE", kLinetypeTable, 4);
  WriteLinetype(d, kFirstLinetype, "ByBlock", "", 0, 0);
  WriteLinetype(d, kFirstLinetype + 1, "ByLayer", "", 0, 0);
  WriteLinetype(d, kFirstLinetype + 2, "Continuous", "Solid line", 0, 0);
  WriteLinetype(d, kFirstLinetype + 3, "DOTTED", "Dotted: 3 on, 3 off", 3, 3);
  d.Pair(0, "ENDTAB");

  d.Table("LAYER", kLayerTable, 4);
  for (unsigned i = 0; i < 4; ++i) {
    d.Entry("LAYER", kFirstLayer + i, kLayerTable, "AcDbLayerTableRecord");
    d.Pair(2, kLayers[i]);
    d.Number(70, 0);
    d.Number(62, kGreen);
    d.Pair(6, "Continuous");
    d.Number(370, -3);  // the default line weight
  }
  d.Pair(0, "ENDTAB");

  d.Table("STYLE", kStyleTable, 1);
  d.Entry("STYLE", kStandardStyle, kStyleTable, "AcDbTextStyleTableRecord");
  d.Pair(2, "Standard");
  d.Number(70, 0);
  d.Number(40, 0);
  d.Number(41, 1);
  d.Number(50, 0);
  d.Number(71, 0);
  d.Number(42, 2.5);
  d.Pair(3, "txt");
  d.Pair(4, "");
  d.Pair(0, "ENDTAB");

  d.Table("VIEW", kViewTable, 0);
  d.Pair(0, "ENDTAB");
  d.Table("UCS", kUcsTable, 0);
  d.Pair(0, "ENDTAB");

  d.Table("APPID", kAppidTable, 1);
  d.Entry("APPID", kAcadApp, kAppidTable, "AcDbRegAppTableRecord");
  d.Pair(2, "ACAD");
  d.Number(70, 0);
  d.Pair(0, "ENDTAB");

  d.Table("DIMSTYLE", kDimstyleTable, 1);
  d.Pair(100, "AcDbDimStyleTable");
  d.Number(71, 0);
  d.Pair(0, "DIMSTYLE");
  d.Handle(105, kStandardDimstyle);  // a dimension style's handle has its own group code
  d.Handle(330, kDimstyleTable);
  d.Pair(100, "AcDbSymbolTableRecord");
  d.Pair(100, "AcDbDimStyleTableRecord");
  d.Pair(2, "Standard");
  d.Number(70, 0);
  d.Pair(0, "ENDTAB");

  d.Table("BLOCK_RECORD", kBlockRecordTable, 2);
  d.Entry("BLOCK_RECORD", kModelSpace, kBlockRecordTable, "AcDbBlockTableRecord");
  d.Pair(2, "*Model_Space");
  d.Entry("BLOCK_RECORD", kPaperSpace, kBlockRecordTable, "AcDbBlockTableRecord");
  d.Pair(2, "*Paper_Space");
  d.Pair(0, "ENDTAB");
  d.Pair(0, "ENDSEC");
}

void WriteBlock(DxfText& d, const char* name, unsigned owner, unsigned begin, unsigned end,
                bool paper) {
  // BLOCK and ENDBLK start alike: handle, owning block record, paper-space flag, layer.
  const auto start = [&](const char* type, unsigned handle, const char* subclass) {
    d.Pair(0, type);
    d.Handle(5, handle);
    d.Handle(330, owner);
    d.Pair(100, "AcDbEntity");
    if (paper) d.Number(67, 1);
    d.Pair(8, "0");
    d.Pair(100, subclass);
  };
  start("BLOCK", begin, "AcDbBlockBegin");
  d.Pair(2, name);
  d.Number(70, 0);
  d.Point(10, 0, 0);
  d.Pair(3, name);
  d.Pair(1, "");
  start("ENDBLK", end, "AcDbBlockEnd");
}

void WriteEntityStart(DxfText& d, const char* type, unsigned handle, const CanvasFigure& f) {
  d.Pair(0, type);
  d.Handle(5, handle);
  d.Handle(330, kModelSpace);
  d.Pair(100, "AcDbEntity");
  d.Pair(8, PaneName(f.pane));
  d.Pair(6, f.lineKind == kDottedLine ? "DOTTED" : "Continuous");
  d.Number(370, f.lineKind == kThickLine ? 50 : 25);  // hundredths of a millimetre
}

void WriteLine(DxfText& d, unsigned handle, const CanvasFigure& f, double x1, double y1, double x2,
               double y2) {
  WriteEntityStart(d, "LINE", handle, f);
  d.Pair(100, "AcDbLine");
  d.Point(10, x1, y1);
  d.Point(11, x2, y2);
}

void WriteFigure(DxfText& d, unsigned handle, const CanvasFigure& f) {
  switch (f.kind) {
    case FigureKind::Line:
      WriteLine(d, handle, f, f.x1, -f.y1, f.x2, -f.y2);
      return;
    case FigureKind::Circle:
    case FigureKind::Arc:
      if (f.kind == FigureKind::Arc && f.startDeg == f.endDeg) {
        // An arc whose ends meet shows one dot on the canvas; an ARC would be a whole circle.
        const auto [x, y] = CirclePoint(f, f.startDeg);
        WriteLine(d, handle, f, x, -y, x, -y);
        return;
      }
      WriteEntityStart(d, f.kind == FigureKind::Arc ? "ARC" : "CIRCLE", handle, f);
      d.Pair(100, "AcDbCircle");
      d.Point(10, f.cx, -f.cy);
      d.Number(40, f.radius);
      if (f.kind == FigureKind::Arc) {
        d.Pair(100, "AcDbArc");
        d.Number(50, f.startDeg);
        d.Number(51, f.endDeg);
      }
      return;
  }
}

}  // namespace

std::string FormatDxf(const Tables& tables) {
  const std::vector<CanvasFigure> figures = CanvasFigures(tables);
  DxfText d;
  WriteHeader(d, kFirstEntityHandle + static_cast<unsigned>(figures.size()));
  WriteTables(d);
  d.Section("BLOCKS");
  WriteBlock(d, "*Model_Space", kModelSpace, kModelBlock, kModelBlockEnd, false);
  WriteBlock(d, "*Paper_Space", kPaperSpace, kPaperBlock, kPaperBlockEnd, true);
  d.Pair(0, "ENDSEC");
  d.Section("ENTITIES");
  unsigned handle = kFirstEntityHandle;
  for (const CanvasFigure& f : figures) WriteFigure(d, handle++, f);
  d.Pair(0, "ENDSEC");
  d.Section("OBJECTS");
  d.Pair(0, "DICTIONARY");
  d.Handle(5, kRootDictionary);
  d.Handle(330, 0);
  d.Pair(100, "AcDbDictionary");
  d.Number(281, 1);
  d.Pair(3, "ACAD_GROUP");
  d.Handle(350, kGroupDictionary);
  d.Pair(0, "DICTIONARY");
  d.Handle(5, kGroupDictionary);
  d.Handle(330, kRootDictionary);
  d.Pair(100, "AcDbDictionary");
  d.Number(281, 1);
  d.Pair(0, "ENDSEC");
  d.Pair(0, "EOF");
  return d.Take();
}

}  // namespace tova
